// Fuzzes the page save: the reference scanner (LocalReferences), the plan
// and the save itself (PlanPageSave, SavePageWithFiles) into a scratch
// folder where links lead out of the program directory and out of the
// target's folder, a FIFO stands among the pictures and files are already
// there; and the choice and check of the per-user preview folder. Nothing
// may ever be written outside the target's folder, and a run must not hang.
//
// Input: the first byte chooses the target's name and the cache folder's
// trick; the rest is the page, one line per LF.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "errors.h"
#include "output/preview_file.h"
#include "output/save_page.h"
#include "scratch.h"

using namespace zentrava;
namespace fs = std::filesystem;

namespace {

struct Setup {
    std::string program, elsewhere, target;
    Setup() {
        const fuzz::Scratch& s = fuzz::Scratch::Get();
        program = s.File("program");
        elsewhere = s.File("elsewhere");
        target = s.File("target");
        fs::create_directories(program + "/image");
        fs::create_directories(program + "/Image");
        fs::create_directories(elsewhere);
        s.Write("program/image/Dog.jpg", "dog");
        s.Write("program/Image/arrow.cur", "cursor");
        s.Write("secret", "secret");
        fs::create_symlink(s.File("secret"), program + "/image/secret.jpg");  // leads out of the program directory
        fs::create_directory_symlink(s.Dir(), program + "/up");
        ::mkfifo((program + "/image/fifo.jpg").c_str(), 0600);
    }
};

// Every file below `dir` (links not followed).
std::size_t CountEntries(const std::string& dir) {
    std::size_t n = 0;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Setup setup;
    if (size == 0) return 0;
    const unsigned choice = data[0];
    std::vector<std::string> page(1);
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == '\n') page.emplace_back();
        else page.back() += static_cast<char>(data[i]);
    }

    // The scanner: relative paths only, each once, never climbing out.
    const std::vector<std::string> refs = LocalReferences(page);
    for (const std::string& ref : refs) {
        if (ref.empty() || ref[0] == '/' || ref == ".." || ref.rfind("../", 0) == 0) std::abort();
    }

    // The save, into a fresh target folder with a planted link to elsewhere.
    std::error_code ec;
    fs::remove_all(setup.target, ec);
    fs::create_directories(setup.target + "/site", ec);
    fs::create_directory_symlink(setup.elsewhere, setup.target + "/site/Image", ec);
    if (choice & 1) {
        fs::create_directories(setup.target + "/site/image", ec);
        fuzz::Scratch::Get().Write("target/site/image/Dog.jpg", "the user's own");
    }
    const char* names[] = {"site/p.html", "site/new/p.html", "site", "site/Image/p.html"};
    const std::string target = setup.target + "/" + names[(choice >> 1) & 3];
    try {
        const PageSavePlan plan = PlanPageSave(page, setup.program, target);
        for (const PageSavePlan::Copy& copy : plan.copies) {
            if (copy.to.rfind(setup.target + "/", 0) != 0) std::abort();
        }
        SavePageWithFiles(page, plan);
    } catch (const EngineError&) {
        // refused or failed, with its message
    }
    // Only the planted link's own target may hold what the page chose to save through it by name.
    if (std::string(names[(choice >> 1) & 3]) != "site/Image/p.html" && CountEntries(setup.elsewhere) != 0) std::abort();
    fs::remove_all(setup.elsewhere, ec);
    fs::create_directories(setup.elsewhere, ec);

    // The per-user folder: a cache folder of the user's own, open to others, or with a link in it.
    const std::string cache = fuzz::Scratch::Get().File("cache" + std::to_string(choice >> 3 & 3));
    fs::remove_all(cache, ec);
    ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);
    const std::string user = UserPreviewDir();
    if (user != cache + "/zentrava") std::abort();
    if (choice & 0x20) {
        fs::create_directories(cache, ec);
        ::chmod(cache.c_str(), 0777);
    }
    if (choice & 0x40) {
        fs::create_directories(cache, ec);
        if (!(choice & 0x20)) ::chmod(cache.c_str(), 0700);  // open to others stays open
        fs::create_directory_symlink(setup.elsewhere, user, ec);
    }
    try {
        CheckUserPreviewDir(user);
        if (choice & 0x20) std::abort();  // others can write the cache folder
    } catch (const EngineError& e) {
        if (e.Reason().empty()) std::abort();
    }
    return 0;
}
