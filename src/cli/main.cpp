#include <filesystem>
#include <iostream>

#include "cli.h"
#include "heap.h"

int main(int argc, char** argv) {
    zentrava::KeepFreedMemoryForReuse();
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv[0], ec);
    std::vector<std::string> args(argv + 1, argv + argc);
    return zentrava::cli::Run(args, exe.parent_path().string(), std::cout, std::cerr);
}
