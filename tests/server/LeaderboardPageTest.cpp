// The table's public page: its texts made safe for HTML, and the page as a browser shows it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "RunningServer.h"
#include "platform/Image.h"
#include "server/WebText.h"
#include "support/TempFolder.h"

namespace tolvex {
namespace {

TEST(LeaderboardPageTest, TextsBecomeUtf8AndEscapedHtml) {
  const std::pair<std::string, std::string> utf8[] = {
      {"Ace", "Ace"},
      {"Caf\xC3\xA9 \xF0\x9F\x9A\x80", "Caf\xC3\xA9 \xF0\x9F\x9A\x80"},  // UTF-8 already
      {"\xC9l\xE8ve", "\xC3\x89l\xC3\xA8ve"},                            // the game's 8-bit letters
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                                  // an overlong form is no UTF-8
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},                      // nor is a surrogate
      {"\xE2\x82", "\xC3\xA2\xC2\x82"},                                  // nor a cut-off sequence
  };
  for (const auto& [bytes, text] : utf8) EXPECT_EQ(AsUtf8(bytes), text) << bytes;
  EXPECT_EQ(HtmlEscaped("<b>\"Tom\" & 'Jerry'</b>"), "&lt;b&gt;&quot;Tom&quot; &amp; &#39;Jerry&#39;&lt;/b&gt;");
  EXPECT_EQ(DateOf("06 Dec 2026/12:00:00"), "06 Dec 2026");
  EXPECT_EQ(DateOf("yesterday"), "yesterday");
}

// Chromium where the project's set-up installed it, else none.
std::string Chromium() {
  for (const char* path : {"/usr/bin/chromium", "/usr/bin/chromium-browser"})
    if (access(path, X_OK) == 0) return path;
  return "";
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// How many pixels of the rows from top to bottom the test says yes to.
template <class Test>
int CountPixels(const Pixmap& picture, int top, int bottom, Test test) {
  int count = 0;
  for (int y = top; y < bottom && y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t argb = picture.At(x, y);
      if (test(static_cast<int>(argb >> 16 & 255), static_cast<int>(argb >> 8 & 255), static_cast<int>(argb & 255)))
        ++count;
    }
  }
  return count;
}

// The page in headless Chromium at a phone's size: the entries show, the winner in gold, on dark
// space, and a name holding markup is shown as the text it is.
TEST(LeaderboardPageTest, HeadlessChromiumShowsTheEntries) {
  const std::string chromium = Chromium();
  if (chromium.empty()) GTEST_SKIP() << "Chromium is not installed; scripts/install-deps.sh --test installs it";
  const test::TempFolder folder;
  RunningServer server(folder.File("table.sqlite"));
  std::string error;
  const auto store = OpenScoreStore(folder.File("table.sqlite"), error);
  ASSERT_TRUE(store) << error;
  const std::vector<OnlineRecord> entries{{"Ace Pilot", 98765, "06 Dec 2026/12:00:00", 44},
                                          {"<b>Bold</b> & <i>Co</i>", 54321, "05 Dec 2026/11:00:00", 27},
                                          {"O'Brien", 40000, "04 Dec 2026/10:00:00", 12},
                                          {"[SQ]Bob", 35000, "03 Dec 2026/09:00:00", 9}};
  for (const OnlineRecord& entry : entries) ASSERT_EQ(store->Insert(entry), InsertResult::Stored);

  const std::string browse = chromium + " --headless --no-sandbox --disable-gpu --hide-scrollbars --user-data-dir=" +
                             folder.File("profile") + " --window-size=412,915 ";
  const std::string url = "http://127.0.0.1:" + std::to_string(server.Port()) + "/";
  const std::string shot = folder.File("page.png"), dom = folder.File("dom.html");
  ASSERT_EQ(std::system((browse + "--screenshot=" + shot + " " + url + " >/dev/null 2>&1").c_str()), 0);
  ASSERT_EQ(std::system((browse + "--dump-dom " + url + " >" + dom + " 2>/dev/null").c_str()), 0);

  // The document the browser built: every entry, and the markup in a name as text, not elements.
  const std::string document = FileText(dom);
  for (const std::string text : {"Ace Pilot", "98765", "06 Dec 2026", "Armageddon + 5", "O'Brien", "[SQ]Bob",
                                 "&lt;b&gt;Bold&lt;/b&gt; &amp; &lt;i&gt;Co&lt;/i&gt;"}) {
    EXPECT_NE(document.find(text), std::string::npos) << text;
  }
  EXPECT_EQ(document.find("<b>"), std::string::npos);
  EXPECT_EQ(document.find("<i>"), std::string::npos);

  // The picture: dark space around, the list's rows lit with text, the first of them in gold.
  const PixmapPtr page = LoadPixmap(shot);
  ASSERT_TRUE(page);
  ASSERT_EQ(page->width, 412);
  ASSERT_EQ(page->height, 915);
  const auto bright = [](int r, int g, int b) { return r + g + b > 450; };
  const auto gold = [](int r, int g, int b) { return r > 200 && g > 160 && b < 90; };
  const auto dark = [](int r, int g, int b) { return r + g + b < 90; };
  EXPECT_GT(CountPixels(*page, 700, 915, dark), 412 * 215 * 9 / 10) << "below the list: space";
  EXPECT_GT(CountPixels(*page, 80, 400, bright), 2000) << "the rows hold text";
  EXPECT_LT(CountPixels(*page, 700, 915, bright), 200) << "below them only stars";
  EXPECT_GT(CountPixels(*page, 80, 160, gold), 100) << "the winner in gold";
}

}  // namespace
}  // namespace tolvex
