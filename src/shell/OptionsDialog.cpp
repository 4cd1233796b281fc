#include "shell/OptionsDialog.h"

#include <optional>
#include <string>

#include "core/Globals.h"
#include "core/Helpers.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/Keys.h"
#include "shell/Options.h"
#include "ui/FontCandy.h"
#include "ui/TINPT_FIELD.h"

namespace tolvex {

namespace {

constexpr int kWindowWidth = 400, kWindowHeight = 300;
// Digits only: letters and everything else are rejected.
constexpr int kDigitsOnly = TINPT_FIELD::kRejectLetters | TINPT_FIELD::kRejectOthers;
// The label shown, the text centred.
constexpr int kLabelAndCentre = TINPT_FIELD::kShowLabel | TINPT_FIELD::kCentreText;

// The window's seven fields.
struct SettingsFields {
  TINPT_FIELDPtr player, width, height, fullscreen, online, music, sfx;
};

TINPT_FIELDPtr AddField(int x, int y, int width, const char* name, int filter, std::string text) {
  auto field = TINPT_FIELD::create(x, y, width, 40, name, filter);
  field->options(std::move(text), false, kLabelAndCentre);
  return field;
}

SettingsFields CreateFields() {
  return {AddField(10, 50, 380, "Player", 0, PlayerName),
          AddField(10, 100, 180, "Resolution X", kDigitsOnly, std::to_string(GfxWidth)),
          AddField(210, 100, 180, "Resolution Y", kDigitsOnly, std::to_string(GfxHeight)),
          AddField(10, 150, 180, "Fullscreen 0/1", kDigitsOnly, GfxDepth > 0 ? "1" : "0"),
          AddField(210, 150, 180, "Online Highscore 0/1", kDigitsOnly, std::to_string(OnlineHighscore)),
          AddField(10, 200, 180, "Music Volume %", kDigitsOnly, std::to_string(VolumePercent(MusicVolume))),
          AddField(210, 200, 180, "SFX Volume %", kDigitsOnly, std::to_string(VolumePercent(SfxVolume)))};
}

// A switch field is on when the low byte of its number is not 0.
bool SwitchOn(const TINPT_FIELDPtr& field) { return (TextToInt(field->GetInput()) & 0xFF) > 0; }

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void TakeResults(const SettingsFields& fields) {
  PlayerName = Trimmed(fields.player->GetInput());
  GfxWidth = TextToInt(fields.width->GetInput());
  GfxHeight = TextToInt(fields.height->GetInput());
  GfxDepth = SwitchOn(fields.fullscreen) ? 32 : 0;
  OnlineHighscore = SwitchOn(fields.online) ? 1 : 0;
  MusicVolume = TextToFloat(fields.music->GetInput()) / 100.0f;
  SfxVolume = TextToFloat(fields.sfx->GetInput()) / 100.0f;
}

void RemoveFields(const SettingsFields& fields) {
  for (const auto& field : {fields.player, fields.width, fields.height, fields.fullscreen, fields.online,
                            fields.music, fields.sfx}) {
    field->Die();
  }
}

// One frame of the window; Confirmed or Cancelled once the player has decided.
std::optional<DialogResult> RunFrame(const ImagePtr& background) {
  Cls();
  SetAlpha(1);
  SetColor(255, 255, 255);
  DrawImage(background, 0, 0);
  const int active = TINPT_FIELD::UPDATE(PointerX(), PointerY(), ButtonPressed(1) > 0);
  if (active == 0 && KeyPressed(KEY_ENTER)) return DialogResult::Confirmed;
  if (KeyPressed(KEY_ESCAPE) || CloseRequested()) return DialogResult::Cancelled;
  Flip(-1);
  return std::nullopt;
}

}  // namespace

DialogResult OptionsDialog(const DialogFrameHook& beforeFrame) {
  if (!OpenScreen(kWindowWidth, kWindowHeight, 0, 60, RendererKind::Accelerated) &&
      !OpenScreen(kWindowWidth, kWindowHeight, 0, 60, RendererKind::Software)) {
    return DialogResult::NoWindow;
  }
  SetBlend(kBlendAlpha);
  const TVizazIrudPtr font = LoadFontCandyFont("incbin::..\\gfx\\font2.png", kFontStyleSmooth, 0);
  SetFont(font.get());
  const ImagePtr background = LoadImage("incbin::..\\gfx\\OptionBG.png");
  const SettingsFields fields = CreateFields();
  std::optional<DialogResult> result;
  for (int frame = 1; !result; ++frame) {
    if (beforeFrame) beforeFrame(frame);
    result = RunFrame(background);
  }
  if (*result == DialogResult::Confirmed) TakeResults(fields);
  RemoveFields(fields);
  ClearKeyPresses();
  SetFont(nullptr);
  CloseScreen();
  return *result;
}

}  // namespace tolvex
