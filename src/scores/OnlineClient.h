#pragma once
// The game's three exchanges with the online highscore table.
#include <vector>

#include "scores/OnlineExchange.h"
#include "scores/OnlineRecord.h"

namespace tolvex {

// One exchange: the query goes out, the answer's lines come back (RunOnlineExchange, the server).
using OnlineExchanger = std::function<ExchangeEnd(std::string_view resourceAndQuery, const AnswerLineHandler& onLine)>;

// How a submission went.
enum class SubmitOutcome { Stored, NotStored, Unreachable };

// Asks whether the server still accepts this version of the game: true only for an answer line
// holding "[true]"; a failed exchange or an answer without markers is false.
bool CheckOnlineVersion(const OnlineExchanger& exchange = RunOnlineExchange);
// Sends one entry: Stored when the server answered "[OK]", NotStored for any other answer,
// Unreachable when the exchange failed before an "[OK]".
SubmitOutcome SubmitOnlineRecord(const OnlineRecord& record, const OnlineExchanger& exchange = RunOnlineExchange);
// Fetches up to limit of the server's best entries. False when the exchange failed; the records
// are appended only when the server finished its answer.
bool FetchOnlineRecords(int limit, std::vector<OnlineRecord>& records,
                        const OnlineExchanger& exchange = RunOnlineExchange);

}  // namespace tolvex
