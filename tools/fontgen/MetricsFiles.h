#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolvex::art {

// The ".dat" metrics: nine little-endian 32-bit header values, then (code, x, y, width) per record.
std::vector<std::uint8_t> encodeFontMetrics();

// The INI twin of the metrics ([global], [texture], [font], [chars]) for the texture `textureName`.
std::string fontMetricsIni(const std::string& fontName, const std::string& textureName);

}  // namespace tolvex::art
