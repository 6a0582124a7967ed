// Runs the real zentrava-cli binary as a user's shell would, and collects
// its exit status and both output streams.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "temp_dir.h"

namespace zentrava::testing {

struct CliResult {
    int status = -1;  // the exit status; -1 when the program did not exit normally (a crash)
    std::string out;
    std::string err;
};

inline std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs a shell command line.
inline CliResult RunShell(const std::string& command) {
    TempDir scratch;
    const std::string line = command + " 2>" + ShellQuote(scratch.File("err"));
    CliResult r;
    FILE* pipe = popen(line.c_str(), "r");
    if (pipe == nullptr) return r;
    std::array<char, 1 << 16> buf;
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) r.out.append(buf.data(), n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.err = scratch.Read("err");
    return r;
}

// Runs zentrava-cli with the arguments; `prefix` goes in front of the
// program (for example a command that runs it in a namespace of its own).
inline CliResult RunCli(const std::vector<std::string>& args, const std::string& prefix = "") {
    std::string command = prefix + ShellQuote(ZENTRAVA_CLI);
    for (const auto& a : args) command += " " + ShellQuote(a);
    return RunShell(command);
}

}  // namespace zentrava::testing
