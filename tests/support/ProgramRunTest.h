#pragma once
// A fixture that runs the real program in a temporary folder of its own and reads back what it wrote.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>

namespace tolvex {

class ProgramRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("tolvex_run_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
              std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  // Runs the game in the folder with the given arguments; returns its exit status.
  int Run(const std::string& arguments) {
    const std::string command = "cd '" + folder.string() + "' && '" TOLVEX_PROGRAM "' " + arguments +
                                " >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  // What the last run wrote to standard error.
  std::string ErrorText() const {
    std::ifstream in(folder / "err.txt");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // A JSON file the run wrote into the folder.
  nlohmann::json ReadJson(const std::string& name) const {
    std::ifstream in(folder / name);
    return nlohmann::json::parse(in);
  }

  std::filesystem::path folder;
};

}  // namespace tolvex
