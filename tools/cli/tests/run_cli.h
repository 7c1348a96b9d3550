#pragma once
// Runs tablamor-cli (or another program of the runtime directory) as a child process with the
// given standard input, and captures its output and exit status.
#include <sstream>
#include <string>
#include <vector>

namespace tablamor::testing {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

CliResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& input = {});

// The lines of a program's output, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline CliResult RunCli(const std::vector<std::string>& args, const std::string& input = {}) {
    return RunProgram(std::string(TABLAMOR_RUNTIME_DIR) + "/tablamor-cli", args, input);
}

} // namespace tablamor::testing
