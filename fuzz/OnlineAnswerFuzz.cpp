// The highscore server's answers: whatever a server (or someone posing as one) sends, the game's
// client reads it through to a plain result, and that result is the one the answer's lines say.
#include <algorithm>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "platform/LineBuffer.h"
#include "scores/OnlineClient.h"
#include "scores/OnlineRequests.h"

namespace tolvex::fuzz {

namespace {

// A small cap, so that answers that grow past it are tried as well as whole ones.
constexpr std::size_t kAnswerCap = 2048;

// An answer arriving in pieces of growing size, as a connection hands it over: line ends fall
// anywhere within and across them.
class ArrivingAnswer {
 public:
  explicit ArrivingAnswer(std::string_view bytes) : rest_(bytes), lines_(kAnswerCap) {}

  bool ReadLine(std::string& line) {
    while (!lines_.Failed()) {
      if (lines_.ReadLine(line)) return true;
      if (lines_.Ended()) return false;
      if (rest_.empty()) {
        lines_.End();
        continue;
      }
      const std::size_t piece = std::min(rest_.size(), piece_++ % 97 + 1);
      lines_.Append(rest_.substr(0, piece));
      rest_.remove_prefix(piece);
    }
    return false;
  }
  bool Failed() const { return lines_.Failed(); }

 private:
  std::string_view rest_;
  LineBuffer lines_;
  std::size_t piece_ = 0;
};

// The exchange a client function makes, answered with the fuzzer's bytes.
OnlineExchanger AnswerWith(std::string_view answer) {
  return [answer](std::string_view, const AnswerLineHandler& onLine) {
    ArrivingAnswer arriving(answer);
    return ReadOnlineAnswer(arriving, onLine);
  };
}

// The answer's lines as the protocol defines them, read the plain way: LF ends a line, CR bytes
// do not count, a last line needs no LF.
std::vector<std::string> LinesOf(std::string_view answer) {
  std::vector<std::string> lines;
  while (!answer.empty()) {
    const std::size_t end = std::min(answer.find('\n'), answer.size());
    std::string line(answer.substr(0, end));
    std::erase(line, '\r');
    lines.push_back(std::move(line));
    answer.remove_prefix(std::min(end + 1, answer.size()));
  }
  return lines;
}

bool Holds(const std::string& line, std::string_view marker) { return line.find(marker) != std::string::npos; }

}  // namespace

int OnlineVersionAnswer(const std::uint8_t* data, std::size_t size) {
  const std::string_view answer = AsText(data, size);
  const bool accepted = CheckOnlineVersion(AnswerWith(answer));
  if (size > kAnswerCap) return 0;
  bool expected = false;
  for (const std::string& line : LinesOf(answer)) {
    if (Holds(line, kAcceptedMarker) || Holds(line, kRefusedMarker)) {
      expected = Holds(line, kAcceptedMarker);
      break;
    }
  }
  Require(accepted == expected, "the first line with a verdict decides, and \"[true]\" wins on it");
  return 0;
}

int OnlineSubmitAnswer(const std::uint8_t* data, std::size_t size) {
  const std::string_view answer = AsText(data, size);
  const SubmitOutcome outcome = SubmitOnlineRecord({"Ace", 1200, "06 Dec 2026/12:00:00", 7}, AnswerWith(answer));
  if (size > kAnswerCap) {
    Require(outcome != SubmitOutcome::NotStored, "an answer past the cap is stored or a failed exchange");
    return 0;
  }
  const auto lines = LinesOf(answer);
  const bool stored = std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return Holds(l, kStoredMarker); });
  Require(outcome == (stored ? SubmitOutcome::Stored : SubmitOutcome::NotStored), "only \"[OK]\" stores an entry");
  return 0;
}

int OnlineFetchAnswer(const std::uint8_t* data, std::size_t size) {
  const std::string_view answer = AsText(data, size);
  std::vector<OnlineRecord> records = {{"Kept", 1, "t", 0}};
  const bool finished = FetchOnlineRecords(10, records, AnswerWith(answer));
  Require(finished == (size <= kAnswerCap), "a whole answer is a finished fetch, one past the cap a failed one");
  Require(records.front() == OnlineRecord{"Kept", 1, "t", 0}, "records already there stay");
  if (!finished) {
    Require(records.size() == 1, "a failed fetch adds nothing");
    return 0;
  }
  const auto lines = LinesOf(answer);
  const auto starts = std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return Holds(l, "[start]"); });
  Require(starts > 0 || records.size() == 1, "records come only from lines holding \"[start]\"");
  for (std::size_t i = 1; i < records.size(); ++i) {
    const OnlineRecord& record = records[i];
    Require(record.points > 0 && record.rank >= 0, "every record fetched has points the list keeps");
    Require(record.name.find('|') == std::string::npos && record.time.find('|') == std::string::npos,
            "a record's texts end at its bars");
    const std::string name = record.name + "|", time = "|" + record.time + "|";
    Require(std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return Holds(l, name) && Holds(l, time); }),
            "every record fetched has its name and time in the answer");
  }
  return 0;
}

}  // namespace tolvex::fuzz
