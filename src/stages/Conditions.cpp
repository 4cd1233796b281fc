#include "stages/Conditions.h"

#include <nlohmann/json.hpp>

#include "core/Globals.h"
#include "world/TShip.h"

namespace tolvex {

namespace {

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

template <class Condition>
std::shared_ptr<Condition> WithNext(std::shared_ptr<Condition> condition, const TLevelPtr& next) {
  condition->SetNextLevel(next);
  return condition;
}

}  // namespace

std::shared_ptr<TCondition_newpoints> TCondition_newpoints::Create(int points, const TLevelPtr& next) {
  auto condition = std::make_shared<TCondition_newpoints>();
  condition->points = points;
  return WithNext(std::move(condition), next);
}

void TCondition_newpoints::Init() {
  TCondition::Init();
  oldpoints = Player ? static_cast<int>(Player->Points) : 0;
}

bool TCondition_newpoints::Check() {
  if (!Player || !(Player->Points - static_cast<float>(oldpoints) >= static_cast<float>(points))) return false;
  return CheckAnd();
}

void TCondition_newpoints::DescribeOwn(nlohmann::json& out) const {
  out["kind"] = "newpoints";
  out["points"] = points;
  out["oldpoints"] = oldpoints;
}

std::shared_ptr<TCondition_newkills> TCondition_newkills::Create(int kills, const TLevelPtr& next) {
  auto condition = std::make_shared<TCondition_newkills>();
  condition->kills = kills;
  return WithNext(std::move(condition), next);
}

void TCondition_newkills::Init() {
  TCondition::Init();
  oldkills = Player ? Player->Kills : 0;
}

bool TCondition_newkills::Check() {
  if (!Player || Player->Kills - oldkills < kills) return false;
  return CheckAnd();
}

void TCondition_newkills::DescribeOwn(nlohmann::json& out) const {
  out["kind"] = "newkills";
  out["kills"] = kills;
  out["oldkills"] = oldkills;
}

std::shared_ptr<TCondition_killshiptype> TCondition_killshiptype::Create(std::string_view shipId, int number) {
  auto condition = std::make_shared<TCondition_killshiptype>();
  condition->shipid = LowerAscii(shipId);
  condition->number = number;
  return condition;
}

void TCondition_killshiptype::Init() {
  TCondition::Init();
  counter = 0;
}

void TCondition_killshiptype::Tell(std::string_view msg) {
  if (msg.find("shipdeath") == std::string_view::npos) return;
  const std::size_t comma = msg.find(',');
  const std::string_view named = comma == std::string_view::npos ? std::string_view{} : msg.substr(comma + 1);
  if (LowerAscii(named) == shipid) ++counter;
}

bool TCondition_killshiptype::Check() { return counter >= number && CheckAnd(); }

void TCondition_killshiptype::DescribeOwn(nlohmann::json& out) const {
  out["kind"] = "killshiptype";
  out["shipid"] = shipid;
  out["number"] = number;
  out["counter"] = counter;
}

std::shared_ptr<TCondition_leveltime> TCondition_leveltime::Create(int ms, const TLevelPtr& next) {
  auto condition = std::make_shared<TCondition_leveltime>();
  condition->selftime = ms;
  return WithNext(std::move(condition), next);
}

bool TCondition_leveltime::Check() { return FrameClock - TLevel::GetBirthTime() > selftime && CheckAnd(); }

void TCondition_leveltime::DescribeOwn(nlohmann::json& out) const {
  out["kind"] = "leveltime";
  out["selftime"] = selftime;
}

}  // namespace tolvex
