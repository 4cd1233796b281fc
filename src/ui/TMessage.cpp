#include "ui/TMessage.h"

#include "core/Globals.h"
#include "core/Helpers.h"
#include "platform/Graphics.h"
#include "ui/GameFonts.h"

namespace tolvex {

TList<TMessage> MessageList;
float MessageAnchorY = 0.0f;
float MessageTotalHeight = 0.0f;
float MessageDrawOffset = 0.0f;

void TMessage::Init() {
  MessageAnchorY = static_cast<float>(GfxHeight) / 3.0f;
  MessageList.Clear();
  MessageTotalHeight = 0.0f;
  MessageDrawOffset = 0.0f;
}

void TMessage::ProcessAll() {
  MessageTotalHeight = 0.0f;
  for (const TMessagePtr& message : MessageList) message->Process();
}

void TMessage::DrawAll() {
  SelectFont(GameFont2);
  SetRotation(0.0f);
  SetBlend(kBlendAlpha);
  MessageDrawOffset = 0.0f;
  for (const TMessagePtr& message : MessageList) message->Draw();
  SetAlpha(1.0f);
  SetScale(1.0f, 1.0f);
  SetColor(255, 255, 255);
}

void TMessage::Add(std::string content, int duration, float size, int color) {
  auto message = std::make_shared<TMessage>();
  message->height = static_cast<int>(TextHeight(content) * size);
  message->width = static_cast<int>(TextWidth(content) * size);
  message->content = std::move(content);
  message->size = size;
  message->durationmax = duration;
  message->duration = FrameClock + duration;
  message->color = color;
  message->_link = MessageList.AddLast(message);
}

void TMessage::Process() {
  if (duration < FrameClock) {
    _link->Remove();
    return;
  }
  MessageTotalHeight += static_cast<float>(height);
}

void TMessage::Draw() {
  const float timeLeft = TimeLeft();
  if (timeLeft <= 0.0f) return;
  SetScale(size, size);
  SetAlpha(AlphaFor(timeLeft));
  const float top = Top();
  SetColor(0, 0, 0);
  DrawText(content, 10.0f + size, top + size);
  SetColor2(color);
  DrawText(content, 10.0f, top);
  MessageDrawOffset += static_cast<float>(height);
}

void TMessage::SetColor2(int c) { SetColorRGB(c); }

float TMessage::TimeLeft() const {
  if (durationmax <= 0) return 0.0f;
  return static_cast<float>(duration - FrameClock) / static_cast<float>(durationmax);
}

float TMessage::AlphaFor(float timeLeft) {
  if (timeLeft < 0.1f) return 10.0f * timeLeft;
  if (timeLeft > 0.9f) return 10.0f * (1.0f - timeLeft);
  return 1.0f;
}

float TMessage::Top() const {
  return MessageAnchorY - (MessageTotalHeight + static_cast<float>(height)) / 2.0f + MessageDrawOffset;
}

}  // namespace tolvex
