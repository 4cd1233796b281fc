// Draws a few messages and a panel on the software renderer and saves the
// picture as "ui_text_screenshot.png" in the build folder, for a look by eye.
// The game's embedded fonts are used when present; otherwise a font drawn
// here with FreeType in the game's metrics layout.
#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>

#include "ScreenFixture.h"
#include "core/Globals.h"
#include "platform/EmbeddedFiles.h"
#include "ui/GameFonts.h"
#include "ui/TINPT_FIELD.h"
#include "ui/TMessage.h"
#include "ui/TTextfield.h"

namespace tolvex {
namespace {

constexpr const char* kFace = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// Paints each character with FreeType into its record's rectangle: white, coverage as alpha.
class FreeTypePainter {
 public:
  FreeTypePainter() {
    if (FT_Init_FreeType(&library_) != 0) return;
    if (FT_New_Face(library_, kFace, 0, &face_) != 0) return;
    FT_Set_Pixel_Sizes(face_, 0, 12);
  }
  ~FreeTypePainter() {
    if (face_) FT_Done_Face(face_);
    if (library_) FT_Done_FreeType(library_);
  }
  bool Ready() const { return face_ != nullptr; }

  void operator()(Pixmap& texture, const FontMetricsRecord& record, int lineHeight) const {
    if (FT_Load_Char(face_, static_cast<FT_ULong>(record.code), FT_LOAD_RENDER) != 0) return;
    const FT_GlyphSlot slot = face_->glyph;
    const int baseline = record.y + 12;
    const int left = record.x + (record.width - static_cast<int>(slot->bitmap.width)) / 2;
    for (unsigned row = 0; row < slot->bitmap.rows; ++row) {
      for (unsigned col = 0; col < slot->bitmap.width; ++col) {
        const int x = left + static_cast<int>(col);
        const int y = baseline - slot->bitmap_top + static_cast<int>(row);
        // Never outside the record's rectangle, like the game's own fonts.
        if (x < record.x || x >= record.x + record.width || y < record.y || y >= record.y + lineHeight) continue;
        const std::uint32_t coverage = slot->bitmap.buffer[row * slot->bitmap.pitch + col];
        if (coverage > 0) texture.At(x, y) = coverage << 24 | 0xFFFFFFu;
      }
    }
  }

 private:
  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
};

bool GameFontsEmbedded() { return FindEmbeddedFile("font.dat") && FindEmbeddedFile("font2.dat"); }

class TextScreenshot : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(OpenHeadlessScreen(640, 360));
    ResetDrawState();
    ResetShellGlobals();
    GfxWidth = 640;
    GfxHeight = 360;
    if (GameFontsEmbedded()) {
      LoadGameFonts();
    } else {
      FreeTypePainter painter;
      if (!painter.Ready()) GTEST_SKIP() << "no FreeType face at " << kFace;
      const auto paint = [&painter](Pixmap& t, const FontMetricsRecord& r, int h) { painter(t, r, h); };
      GameFont = LoadFontCandyFont(test::WriteGameFont(folder_, "font", paint), kFontStyleSmooth, 0);
      GameFont2 = GameFont;
    }
    ASSERT_TRUE(GameFont && GameFont2);
  }
  void TearDown() override {
    MessageList.Clear();
    TINPT_FIELD::DieAll();
    ResetGameFonts();
    ResetShellGlobals();
    ResetDrawState();
    CloseScreen();
  }

  test::TempFolder folder_;
};

TEST_F(TextScreenshot, MessagesAPanelAndAnInputField) {
  // A dark blue backdrop like space.
  SetColor(8, 12, 40);
  DrawRect(0, 0, 640, 360);
  FrameClock = 10000;
  TMessage::Init();
  SelectFont(GameFont2);
  TMessage::Add("Start Game", 5000, 2.0f, 0xF09300);
  TMessage::Add("First Stage", 5000, 2.0f, 0xF4B800);
  TMessage::Add("Double Kill! + 100 Points", 5000, 1.0f, 0x60FF60);
  FrameClock = 12000;
  TMessage::ProcessAll();
  TMessage::DrawAll();

  SetBlend(kBlendAlpha);
  const auto panel = TTextfield::Create(480, 40, 1.0f, TTextfield::kCentred);
  for (const char* line : {"1. Pilot  12500", "2. Ace  9800", "", "Your Score: 4711 | Kills: 23",
                           "Rank: Apprentice of destruction + 2", "Gr\xFC\xDF" "e: \xC4\xD6\xDC \xE4\xF6\xFC \xA9\xAE\xA7"}) {
    panel->AddContent(line);
  }
  panel->Draw();
  const auto right = TTextfield::Create(630, 300, 1.0f, TTextfield::kRight);
  right->AddContent("right-aligned: {[(#$%&*+-/:;<=>?@_|~)]}");
  right->Draw();

  SelectFont(GameFont);
  SetAlpha(1.0f);
  const auto field = TINPT_FIELD::create(20, 280, 160, 40, "Player", 0);
  field->options("Commander Jameson", true, 3);
  TINPT_FIELD::UPDATE(0, 0, false);

  const std::string path = std::string(TOLVEX_TEST_OUTPUT_DIR) + "/ui_text_screenshot.png";
  const Pixmap picture = GrabPixmap(0, 0, 640, 360);
  ASSERT_TRUE(SavePicturePng(picture, path, 5));
  EXPECT_GT(std::filesystem::file_size(path), 1000u);
  // The first message's orange shows at the left edge around its line (top 64, 32 high).
  const auto isOrange = [](std::uint32_t p) {
    const int r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
    return r > 200 && g > 120 && g < 170 && b < 40;
  };
  int orange = 0;
  for (int y = 64; y < 96; ++y) {
    for (int x = 10; x < 220; ++x) orange += isOrange(picture.At(x, y));
  }
  EXPECT_GT(orange, 10);
}

}  // namespace
}  // namespace tolvex
