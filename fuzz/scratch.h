// A scratch folder for one fuzzing process, removed when it ends, and the
// writing of fuzzed bytes into real files there.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace zentrava::fuzz {

class Scratch {
public:
    static const Scratch& Get() {
        static const Scratch scratch;
        return scratch;
    }
    const std::string& Dir() const { return dir_; }
    std::string File(const std::string& name) const { return dir_ + "/" + name; }

    // Writes the bytes exactly; a failure here is the machine's, not the engine's.
    std::string Write(const std::string& name, const std::uint8_t* data, std::size_t size) const {
        const std::string path = File(name);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (f == nullptr || std::fwrite(data, 1, size, f) != size || std::fclose(f) != 0) {
            std::perror(path.c_str());
            std::abort();
        }
        return path;
    }
    std::string Write(const std::string& name, const std::string& bytes) const {
        return Write(name, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }

private:
    Scratch() {
        const std::string pattern =
            (std::filesystem::temp_directory_path() / ("zentrava-fuzz-" + std::to_string(getpid()) + "-XXXXXX")).string();
        std::string buffer = pattern;
        if (mkdtemp(buffer.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        dir_ = buffer;
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string dir_;
};

}  // namespace zentrava::fuzz
