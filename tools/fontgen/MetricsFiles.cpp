#include "MetricsFiles.h"

#include "FontRecords.h"

namespace tolvex::art {

namespace {

void putInt32(std::vector<std::uint8_t>& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>((u >> shift) & 0xff));
}

}  // namespace

std::vector<std::uint8_t> encodeFontMetrics() {
    const auto& records = fontRecords();
    std::vector<std::uint8_t> out;
    const std::int32_t header[] = {kFontTextureWidth, kFontTextureHeight, 0, 0, 0,
                                   static_cast<std::int32_t>(records.size()), kFontLineHeight, kFontBlankWidth,
                                   kFontWidestChar};
    for (std::int32_t v : header) putInt32(out, v);
    for (const GlyphRecord& r : records) {
        putInt32(out, r.code);
        putInt32(out, r.x);
        putInt32(out, r.y);
        putInt32(out, r.width);
    }
    return out;
}

std::string fontMetricsIni(const std::string& fontName, const std::string& textureName) {
    const auto& records = fontRecords();
    std::string s;
    s += "[global]\nname=" + fontName + "\nmetrics=" + fontName + ".dat\n\n";
    s += "[texture]\nfile=" + textureName + "\nwidth=" + std::to_string(kFontTextureWidth) +
         "\nheight=" + std::to_string(kFontTextureHeight) + "\nmaskred=0\nmaskgreen=0\nmaskblue=0\n\n";
    s += "[font]\nchars=" + std::to_string(records.size()) + "\nheight=" + std::to_string(kFontLineHeight) +
         "\nspacewidth=" + std::to_string(kFontBlankWidth) + "\nwidest=" + std::to_string(kFontWidestChar) + "\n\n";
    s += "[chars]\n";
    for (const GlyphRecord& r : records)
        s += std::to_string(r.code) + "=" + std::to_string(r.x) + "," + std::to_string(r.y) + "," +
             std::to_string(r.width) + "\n";
    return s;
}

}  // namespace tolvex::art
