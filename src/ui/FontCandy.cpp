#include "ui/FontCandy.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tolvex {
namespace {

// Where the last path component starts (paths may use "\" or "/").
std::size_t FileNameStart(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  const std::size_t colon = path.rfind("::");
  std::size_t start = slash == std::string_view::npos ? 0 : slash + 1;
  if (colon != std::string_view::npos) start = std::max(start, colon + 2);
  return start;
}

// The position of the extension's "." in the file name, npos without one.
std::size_t ExtensionDot(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || dot < FileNameStart(path)) return std::string_view::npos;
  return dot;
}

// The extension with its dot, in lower case; "" without one.
std::string LowerExtension(std::string_view path) {
  const std::size_t dot = ExtensionDot(path);
  if (dot == std::string_view::npos) return {};
  std::string extension(path.substr(dot));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

}  // namespace

std::string MetricsPathFor(std::string_view texturePath) {
  return std::string(texturePath.substr(0, ExtensionDot(texturePath))) + ".dat";
}

TVizazIrudPtr TVizazIrudLoader::LoadFont(std::string_view source, const FontLoadSettings& settings) {
  static constexpr std::array<std::string_view, 4> kPictureExtensions = {".png", ".bmp", ".tga", ".jpg"};
  const std::string extension = LowerExtension(source);
  if (std::find(kPictureExtensions.begin(), kPictureExtensions.end(), extension) == kPictureExtensions.end()) {
    return nullptr;
  }
  return TVizazIrud::Load(source, settings);
}

TVizazIrudPtr LoadFontCandyFont(std::string_view texturePath, int style, int extraAdvance) {
  FontLoadSettings settings;
  settings.metricsPath = MetricsPathFor(texturePath);
  if (!FontFileExists(settings.metricsPath)) {
    TVizazIrud::Error("File " + settings.metricsPath + " Not found...");
    return nullptr;
  }
  // Masked always; smooth fonts are also filtered and mipmapped.
  settings.imageFlags = (style & kFontStyleSmooth) ? 7 : 1;
  settings.loaderFlags = kFontLoaderDat;
  settings.extraAdvance = extraAdvance;
  return TVizazIrudLoader::LoadFont(texturePath, settings);
}

}  // namespace tolvex
