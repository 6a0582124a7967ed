// zentrava-cli: the generation engine driven from the command line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zentrava::cli {

// Runs one command line (without the program name). Returns the exit
// status: 0 success, 1 Generate failed, 2 usage error.
int Run(const std::vector<std::string>& args, const std::string& defaultDir, std::ostream& out,
        std::ostream& err);

}  // namespace zentrava::cli
