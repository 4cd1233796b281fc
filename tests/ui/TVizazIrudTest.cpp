// Loading bitmap fonts and measuring text with them.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestFont.h"
#include "platform/Graphics.h"
#include "ui/FontCandy.h"
#include "ui/TVizazIrud.h"

namespace tolvex {
namespace {

class FontTest : public ::testing::Test {
 protected:
  void TearDown() override { SetFont(nullptr); }

  // Loads the game-layout font, failing the test when it does not load.
  TVizazIrudPtr LoadGameLayoutFont(int style = kFontStyleSmooth, int extraAdvance = 0) {
    auto font = LoadFontCandyFont(test::WriteGameFont(folder_, "font"), style, extraAdvance);
    EXPECT_TRUE(font);
    return font;
  }

  // The game's own "font", loaded as the start-up loads it.
  static TVizazIrudPtr EmbeddedFont() { return LoadFontCandyFont("incbin::..\\gfx\\font.png", kFontStyleSmooth, 0); }

  test::TempFolder folder_;
};

TEST_F(FontTest, LettersAndTheBlankAdvanceByTheirMetrics) {
  const auto font = EmbeddedFont();
  ASSERT_TRUE(font);
  SetFont(font.get());
  EXPECT_FLOAT_EQ(TextWidth("A"), 10.0f);
  EXPECT_FLOAT_EQ(TextWidth("i"), 3.0f);
  EXPECT_FLOAT_EQ(TextWidth(" "), 8.0f);
  EXPECT_FLOAT_EQ(TextWidth("Mi W"), 13.0f + 3.0f + 8.0f + 13.0f);
  EXPECT_EQ(font->LoadGlyph(TVizazIrud::CharToGlyph('A')).G_Width, 10);
}

TEST_F(FontTest, QuoteBackslashAndGraveTakeNoRoom) {
  const auto font = EmbeddedFont();
  ASSERT_TRUE(font);
  SetFont(font.get());
  EXPECT_FLOAT_EQ(TextWidth("A\"B"), 20.0f);
  EXPECT_FLOAT_EQ(TextWidth("A\\B"), 20.0f);
  EXPECT_FLOAT_EQ(TextWidth("`"), 0.0f);
  EXPECT_FLOAT_EQ(TextWidth("\""), 0.0f);
}

TEST_F(FontTest, LatinOneLettersHaveGlyphsAndControlCodesDoNot) {
  const auto font = EmbeddedFont();
  ASSERT_TRUE(font);
  EXPECT_FLOAT_EQ(font->Width("\xDF\xC4"), 20.0f);  // ß Ä
  EXPECT_FLOAT_EQ(font->Width("\x09\x1F\xFF"), 0.0f);
}

TEST_F(FontTest, TextHeightIsTheLineHeightAndEmptyTextHasNone) {
  const auto font = EmbeddedFont();
  ASSERT_TRUE(font);
  SetFont(font.get());
  EXPECT_FLOAT_EQ(TextHeight("Ag"), 16.0f);
  EXPECT_FLOAT_EQ(TextHeight(""), 0.0f);
  EXPECT_EQ(font->Height(), 16);
}

TEST_F(FontTest, ExtraAdvanceWidensEveryRecordButNotTheBlank) {
  const auto font = LoadGameLayoutFont(kFontStyleSmooth, 2);
  ASSERT_TRUE(font);
  EXPECT_FLOAT_EQ(font->Width("A"), 12.0f);
  EXPECT_FLOAT_EQ(font->Width(" "), 8.0f);
  EXPECT_EQ(font->LoadGlyph(TVizazIrud::CharToGlyph('A')).G_Width, 10);
}

TEST_F(FontTest, LoaderKindAndImageFlagsFollowTheStyle) {
  const auto smooth = LoadGameLayoutFont(kFontStyleSmooth);
  const auto plain = LoadGameLayoutFont(0);
  ASSERT_TRUE(smooth && plain);
  EXPECT_EQ(smooth->ImageFlags, 7);
  EXPECT_EQ(plain->ImageFlags, 1);
  EXPECT_EQ(smooth->Flags, kFontLoaderDat);
  EXPECT_EQ(smooth->Style(), 0x1000);
  EXPECT_EQ(smooth->CountGlyphs(), 255);
}

TEST(FontStyle, OtherLoaderKinds) {
  TVizazIrud font;
  font.Flags = kFontLoaderSuco;
  EXPECT_EQ(font.Style(), 0x800);
  font.Flags = 1;
  EXPECT_EQ(font.Style(), 0x401);
  font.Flags = 0;
  EXPECT_EQ(font.Style(), 0x400);
}

TEST(FontGlyphIndex, OnlyCodesFrom32To254HaveAnIndex) {
  EXPECT_EQ(TVizazIrud::CharToGlyph(31), -1);
  EXPECT_EQ(TVizazIrud::CharToGlyph(32), 0);
  EXPECT_EQ(TVizazIrud::CharToGlyph(65), 33);
  EXPECT_EQ(TVizazIrud::CharToGlyph(254), 222);
  EXPECT_EQ(TVizazIrud::CharToGlyph(255), -1);
}

TEST_F(FontTest, MissingEntriesGiveTheEmptyGlyph) {
  const auto font = LoadGameLayoutFont();
  ASSERT_TRUE(font);
  EXPECT_EQ(&font->LoadGlyph(TVizazIrud::CharToGlyph('"')), &font->NullGlyph);
  EXPECT_EQ(&font->LoadGlyph(-1), &font->NullGlyph);
  EXPECT_EQ(&font->LoadGlyph(255), &font->NullGlyph);
  EXPECT_FLOAT_EQ(font->NullGlyph.Advance(), 0.0f);
}

TEST_F(FontTest, GlyphPixelsAreACopyOfTheirTextureRectangle) {
  const auto font = LoadGameLayoutFont();
  ASSERT_TRUE(font);
  const TVizazIrudGlyph& a = font->LoadGlyph(TVizazIrud::CharToGlyph('A'));
  ASSERT_TRUE(a.Pixels());
  EXPECT_EQ(a.Pixels()->width, 10);
  EXPECT_EQ(a.Pixels()->height, 16);
  EXPECT_EQ(a.Pixels()->At(9, 15), 0xFFFFFFFFu);
  int x = -1, y = -1, w = -1, h = -1;
  a.GetRect(x, y, w, h);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(w, 10);
  EXPECT_EQ(h, 16);
  EXPECT_EQ(a.TextureX, 158);
  EXPECT_EQ(a.TextureY, 18);
}

TEST_F(FontTest, TheBlankIsATransparentLineOfItsWidth) {
  const auto font = LoadGameLayoutFont();
  ASSERT_TRUE(font);
  const TVizazIrudGlyph& blank = font->LoadGlyph(0);
  EXPECT_FLOAT_EQ(blank.Advance(), 8.0f);
  EXPECT_EQ(blank.G_Width, 8);
  EXPECT_EQ(blank.G_Height, 1);
  ASSERT_TRUE(blank.Pixels());
  EXPECT_EQ(blank.Pixels()->width, 8);
  EXPECT_EQ(blank.Pixels()->height, 1);
  for (auto pixel : blank.Pixels()->pixels) EXPECT_EQ(pixel >> 24, 0u);
}

TEST_F(FontTest, TheMaskColourBecomesTransparent) {
  // Each glyph is white with one black pixel in its top-left corner.
  const auto paint = [](Pixmap& texture, const FontMetricsRecord& record, int lineHeight) {
    test::PaintSolidGlyph(texture, record, lineHeight);
    texture.At(record.x, record.y) = 0xFF000000u;
  };
  const auto font = LoadFontCandyFont(test::WriteGameFont(folder_, "masked", paint), kFontStyleSmooth, 0);
  ASSERT_TRUE(font);
  const auto& pixels = *font->LoadGlyph(TVizazIrud::CharToGlyph('A')).Pixels();
  EXPECT_EQ(pixels.At(0, 0) >> 24, 0u);
  EXPECT_EQ(pixels.At(1, 0), 0xFFFFFFFFu);
  ASSERT_TRUE(font->Texture());
  EXPECT_EQ(font->Texture()->Pixel(0, 0, 0) >> 24, 0u);  // the black background
  EXPECT_EQ(font->Texture()->Pixel(0, 159, 18), 0xFFFFFFFFu);
}

TEST_F(FontTest, RecordsOutsideTheTextureOrTheCodeRangeAreSkipped) {
  const std::vector<FontMetricsRecord> records = {
      {'A', 250, 2, 10}, {'B', 2, 120, 10}, {'C', 2, 2, 10}, {20, 15, 2, 10}, {255, 28, 2, 10}, {'D', 41, 2, -4}};
  test::WriteBytes(folder_.File("odd.dat"), test::EncodeMetrics(records));
  SavePicturePng(test::MakeFontTexture({}, test::PaintSolidGlyph), folder_.File("odd.png"), 5);
  const auto font = LoadFontCandyFont(folder_.File("odd.png"), 0, 0);
  ASSERT_TRUE(font);
  EXPECT_FLOAT_EQ(font->Width("A"), 0.0f);
  EXPECT_FLOAT_EQ(font->Width("B"), 0.0f);
  EXPECT_FLOAT_EQ(font->Width("C"), 10.0f);
  EXPECT_FLOAT_EQ(font->Width("D"), 0.0f);
}

TEST(FontMetricsPath, ReplacesTheExtensionOrAppendsToTheWholePath) {
  EXPECT_EQ(MetricsPathFor("incbin::..\\gfx\\font.png"), "incbin::..\\gfx\\font.dat");
  EXPECT_EQ(MetricsPathFor("fonts/font2.tar.png"), "fonts/font2.tar.dat");
  EXPECT_EQ(MetricsPathFor("fonts/font"), "fonts/font.dat");
  EXPECT_EQ(MetricsPathFor("incbin::..\\gfx\\font"), "incbin::..\\gfx\\font.dat");
  EXPECT_EQ(MetricsPathFor("../data.d/font"), "../data.d/font.dat");
}

TEST_F(FontTest, ATexturePathWithoutDotLooksForTheDatBesideIt) {
  testing::internal::CaptureStderr();
  EXPECT_FALSE(LoadFontCandyFont(folder_.File("font"), kFontStyleSmooth, 0));
  const std::string notice = testing::internal::GetCapturedStderr();
  EXPECT_NE(notice.find("File " + folder_.File("font.dat") + " Not found..."), std::string::npos) << notice;
  EXPECT_EQ(notice.find("VizazIrud @ "), 0u) << notice;
}

TEST_F(FontTest, ATextureThatIsNoPictureFileLoadsNothing) {
  test::WriteGameFont(folder_, "font");
  std::filesystem::copy_file(folder_.File("font.png"), folder_.File("font.gif"));
  std::filesystem::copy_file(folder_.File("font.png"), folder_.File("FONT.PNG"));
  std::filesystem::copy_file(folder_.File("font.dat"), folder_.File("FONT.dat"));
  EXPECT_FALSE(LoadFontCandyFont(folder_.File("font.gif"), 0, 0));
  EXPECT_TRUE(LoadFontCandyFont(folder_.File("FONT.PNG"), 0, 0));
}

TEST_F(FontTest, AMissingTextureIsReportedAndLoadsNothing) {
  test::WriteBytes(folder_.File("lonely.dat"), test::EncodeMetrics(test::GameFontRecords()));
  testing::internal::CaptureStderr();
  EXPECT_FALSE(LoadFontCandyFont(folder_.File("lonely.png"), 0, 0));
  const std::string notice = testing::internal::GetCapturedStderr();
  EXPECT_NE(notice.find("ERROR: File " + folder_.File("lonely.png") + " Not found..."), std::string::npos)
      << notice;
}

TEST_F(FontTest, ADamagedMetricsFileLoadsNothing) {
  test::WriteGameFont(folder_, "broken");
  test::WriteBytes(folder_.File("broken.dat"), {1, 2, 3, 4});
  testing::internal::CaptureStderr();
  EXPECT_FALSE(LoadFontCandyFont(folder_.File("broken.png"), 0, 0));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("broken.dat"), std::string::npos);
}

TEST_F(FontTest, AMissingEmbeddedFontIsReported) {
  testing::internal::CaptureStderr();
  EXPECT_FALSE(LoadFontCandyFont("incbin::..\\gfx\\no_such_font.png", kFontStyleSmooth, 0));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("no_such_font.dat Not found..."), std::string::npos);
}

TEST(FontError, NoticeNamesTheModuleAndTheClock) {
  EXPECT_EQ(TVizazIrud::ErrorText("File x.dat Not found...", 1234), "VizazIrud @ 1234 > ERROR: File x.dat Not found...");
}

}  // namespace
}  // namespace tolvex
