#pragma once
// A test that runs inside a fresh temporary working folder, where the game looks for
// "Options.ini" and "music", with the shell's globals and input back at their start values.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/Globals.h"
#include "platform/Input.h"

namespace tolvex::test {

class WorkingFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellGlobals();
    ResetInput();
    previous_ = std::filesystem::current_path();
    folder = std::filesystem::temp_directory_path() /
             ("tolvex_wf_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
              std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder);
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
  std::filesystem::path previous_;
};

}  // namespace tolvex::test
