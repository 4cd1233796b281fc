#pragma once
// The whole of a file as text ("" when it cannot be read), for tests that look at what the game wrote.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tolvex::test {

inline std::string FileText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace tolvex::test
