#include "server/LeaderboardPage.h"

#include <nlohmann/json.hpp>

#include "scores/RankTitle.h"
#include "server/WebText.h"

namespace tolvex {

namespace {

// Deep space behind the list (a few layers of stars drawn with gradients, no pictures to load),
// the gold, dark red and pale yellow of the game's panels, and its blue banner glow. Narrow
// screens stack each entry onto two lines.
constexpr const char* kPageHead = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Highscore Tolvex 1.07</title>
<style>
html{background:#03040c}
body{margin:0;min-height:100vh;color:#fff773;font:16px/1.4 "DejaVu Sans",Verdana,sans-serif;
background:
radial-gradient(1px 1px at 12% 18%,#fff 50%,transparent 51%),radial-gradient(1px 1px at 73% 9%,#cfe 50%,transparent 51%),
radial-gradient(2px 2px at 38% 64%,#fff 50%,transparent 51%),radial-gradient(1px 1px at 88% 41%,#fff 50%,transparent 51%),
radial-gradient(1px 1px at 57% 83%,#ffd 50%,transparent 51%),radial-gradient(2px 2px at 6% 77%,#9cf 50%,transparent 51%),
radial-gradient(ellipse at 80% 10%,rgba(90,40,160,.35),transparent 55%),
radial-gradient(ellipse at 10% 90%,rgba(0,100,255,.25),transparent 50%),#03040c;
background-size:211px 197px,263px 241px,331px 307px,157px 173px,389px 353px,443px 419px,100% 100%,100% 100%}
main{max-width:760px;margin:0 auto;padding:24px 12px 40px}
h1{margin:0 0 18px;text-align:center;font-size:1.6em;letter-spacing:.06em;color:#f4cf00;
text-shadow:0 0 6px #0064ff,0 0 18px rgba(0,100,255,.7)}
table{width:100%;border-collapse:collapse;background:rgba(84,2,0,.72);border:2px solid #f4cf00;
box-shadow:0 0 22px rgba(0,100,255,.35)}
th{background:#7c1400;color:#f4cf00;text-align:left;padding:8px 10px;font-size:.85em;text-transform:uppercase}
td{padding:7px 10px;border-top:1px solid rgba(244,207,0,.25);vertical-align:top}
tr:nth-child(1) td{color:#fff;text-shadow:0 0 8px #f4cf00}
.place,.points{text-align:right;white-space:nowrap}
.points{color:#fff}
.name{overflow-wrap:anywhere;word-break:break-word}
.date,.rank{white-space:nowrap;font-size:.9em}
.rank{color:#8fc4ff}
.empty{text-align:center;padding:24px}
@media (max-width:560px){
thead{display:none}
tr{display:grid;grid-template-columns:2.6em 1fr auto;border-top:1px solid rgba(244,207,0,.25)}
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
<h1>___ Highscore Tolvex 1.07 ___</h1>
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
