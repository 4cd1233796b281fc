#pragma once
// A test that runs inside a fresh temporary working folder, where the game looks for
// "Options.ini" and "music", with the shell's globals and input back at their start values.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "core/Globals.h"
#include "platform/Input.h"
#include "support/TempFolder.h"

namespace tolvex::test {

class WorkingFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellGlobals();
    ResetInput();
    working_ = std::make_unique<TempFolder>(TempFolder::Enter::Yes);
    folder = working_->Path();
  }
  void TearDown() override {
    working_.reset();
    ResetInput();
    ResetShellGlobals();
  }

  // Writes a file in the working folder.
  void Write(const std::string& name, const std::string& text) const {
    std::filesystem::create_directories((folder / name).parent_path());
    std::ofstream(folder / name, std::ios::binary) << text;
  }
  // A file's text ("" when missing).
  std::string Read(const std::string& name) const {
    std::ifstream in(folder / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::filesystem::path folder;

 private:
  std::unique_ptr<TempFolder> working_;
};

}  // namespace tolvex::test
