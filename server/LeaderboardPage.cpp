#include "server/LeaderboardPage.h"

#include <nlohmann/json.hpp>

#include "scores/RankTitle.h"
#include "server/WebText.h"

namespace tolvex {

namespace {

// Deep space behind the list as on the game's screens — near-black blue, a nebula's blue haze and
// a few layers of stars drawn with gradients, no pictures to load — with the list on a dark glass
// panel rimmed in the cyan glow of the game's menu signs, and the winner in the gold of its labels.
// Narrow screens stack each entry onto two lines.
constexpr const char* kPageHead = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Highscore Tolvex 1.07</title>
<style>
html{background:#040916}
body{margin:0;min-height:100vh;color:#e6f2ff;font:16px/1.4 "DejaVu Sans",Verdana,sans-serif;
background:
radial-gradient(1px 1px at 12% 18%,#fff 50%,transparent 51%),radial-gradient(1px 1px at 73% 9%,#cfe8ff 50%,transparent 51%),
radial-gradient(2px 2px at 38% 64%,#fff 50%,transparent 51%),radial-gradient(1px 1px at 88% 41%,#fff 50%,transparent 51%),
radial-gradient(1px 1px at 57% 83%,#dde 50%,transparent 51%),radial-gradient(2px 2px at 6% 77%,#bfe4ff 50%,transparent 51%),
radial-gradient(ellipse 40% 60% at 85% 30%,rgba(44,91,150,.45),transparent 70%),
radial-gradient(ellipse 35% 55% at 12% 70%,rgba(37,59,120,.5),transparent 70%),#040916;
background-size:211px 197px,263px 241px,331px 307px,157px 173px,389px 353px,443px 419px,100% 100%,100% 100%;
background-attachment:fixed}
main{max-width:760px;margin:0 auto;padding:28px 12px 40px}
h1{margin:0 0 20px;text-align:center;font-weight:normal;font-size:1.5em;letter-spacing:.14em;color:#fff;
text-shadow:0 0 6px #4dc7dc,0 0 16px rgba(77,199,220,.8)}
table{width:100%;border-collapse:collapse;background:rgba(7,12,28,.88);border:1px solid #4dc7dc;border-radius:8px;
box-shadow:0 0 18px rgba(77,199,220,.45),inset 0 0 24px rgba(77,199,220,.12)}
th{color:#8fe3f5;text-align:left;padding:9px 10px;font-size:.8em;font-weight:normal;letter-spacing:.12em;
text-transform:uppercase;border-bottom:1px solid rgba(77,199,220,.6)}
td{padding:7px 10px;border-top:1px solid rgba(77,199,220,.18);vertical-align:top}
tbody tr:first-child td{color:#f4cf00;text-shadow:0 0 8px rgba(244,207,0,.6)}
.place,.points{text-align:right;white-space:nowrap}
.points{color:#fff}
.name{overflow-wrap:anywhere;word-break:break-word}
.date,.rank{white-space:nowrap;font-size:.9em}
.date{color:#9fb3c8}
.rank{color:#8fe3f5}
.empty{text-align:center;padding:24px}
@media (max-width:560px){
h1 .rule{display:none}
thead{display:none}
tr{display:grid;grid-template-columns:2.6em 1fr auto;border-top:1px solid rgba(77,199,220,.18)}
td{border:0;padding:4px 8px}
.place{grid-column:1;grid-row:1/3}
.name{grid-column:2;grid-row:1}
.points{grid-column:3;grid-row:1}
.rank{grid-column:2;grid-row:2;white-space:normal}
.date{grid-column:3;grid-row:2;text-align:right}
}
</style>
</head>
<body>
<main>
<h1><span class="rule">___ </span>Highscore Tolvex 1.07<span class="rule"> ___</span></h1>
)";

constexpr const char* kPageFoot = "</main>\n</body>\n</html>\n";

std::string Cell(const char* kind, const std::string& text) {
  return std::string("<td class=\"") + kind + "\">" + text + "</td>";
}

}  // namespace

std::string LeaderboardPage(const std::vector<OnlineRecord>& records) {
  std::string page = kPageHead;
  if (records.empty()) return page + "<p class=\"empty\">No entries yet: be the first pilot on the list.</p>\n" + kPageFoot;
  page += "<table>\n<thead><tr><th class=\"place\">#</th><th>Name</th><th class=\"points\">Points</th>"
          "<th>Date</th><th>Rank</th></tr></thead>\n<tbody>\n";
  int place = 0;
  for (const OnlineRecord& record : records) {
    page += "<tr>" + Cell("place", std::to_string(++place) + ".") + Cell("name", HtmlEscaped(AsUtf8(record.name))) +
            Cell("points", std::to_string(record.points)) + Cell("date", HtmlEscaped(AsUtf8(DateOf(record.time)))) +
            Cell("rank", HtmlEscaped(RankTitle(record.rank))) + "</tr>\n";
  }
  return page + "</tbody>\n</table>\n" + kPageFoot;
}

std::string LeaderboardJson(const std::vector<OnlineRecord>& records) {
  nlohmann::json entries = nlohmann::json::array();
  int place = 0;
  for (const OnlineRecord& record : records) {
    entries.push_back({{"place", ++place},
                       {"name", AsUtf8(record.name)},
                       {"points", record.points},
                       {"date", AsUtf8(DateOf(record.time))},
                       {"time", AsUtf8(record.time)},
                       {"rank", record.rank},
                       {"title", RankTitle(record.rank)}});
  }
  return entries.dump() + "\n";
}

}  // namespace tolvex
