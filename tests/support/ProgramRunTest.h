#pragma once
// A fixture that runs the real program in a temporary folder of its own and reads back what it wrote.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>

#include "BuildPaths.h"
#include "support/TempFolder.h"

namespace tolvex {

class ProgramRunTest : public ::testing::Test {
 protected:
  // Runs the game in the folder (or another working folder) with the given arguments; returns its
  // exit status. What it writes to its outputs goes to out.txt and err.txt in the folder.
  int Run(const std::string& arguments, const std::filesystem::path& workingFolder = {}) {
    const std::string where = (workingFolder.empty() ? folder : workingFolder).string();
    const std::string command = "cd '" + where + "' && " + launcher + "'" TOLVEX_PROGRAM "' " + arguments + " >'" +
                                (folder / "out.txt").string() + "' 2>'" + (folder / "err.txt").string() + "'";
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

  // Put before the program in the command (another user, a limit), with a blank at its end.
  std::string launcher;
  const test::TempFolder temp;
  const std::filesystem::path folder = temp.Path();
};

}  // namespace tolvex
