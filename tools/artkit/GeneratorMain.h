#pragma once
// The common entry point of the image generators: one argument, the output folder.
#include <functional>
#include <string>

namespace tolvex::art {

// Checks the command line, runs draw(folder) and turns a failure into a message and exit status
// (2 for a wrong command line, 1 when drawing failed); what names the generator in messages.
int runGenerator(int argc, char** argv, const char* what, const std::function<void(const std::string&)>& draw);

}  // namespace tolvex::art
