// The writer and the readers against files arranged to fool them.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "catalogue/plugin.h"
#include "catalogue/profile.h"
#include "errors.h"
#include "output/page.h"
#include "temp_dir.h"

namespace zentrava {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

TEST(SafeFiles, WrittenFilesKeepTheirModeAndFollowNoPlantedLink) {
    testing::TempDir dir;
    const std::string victim = dir.Write("victim", "private");
    // The scratch name the writer once used for this process.
    fs::create_symlink(victim, dir.File("page.html.part-" + std::to_string(::getpid())));
    const std::string kept = dir.Write("page.html", "old");
    ::chmod(kept.c_str(), 0640);
    SaveLinesToFile(kept, {"new"});
    EXPECT_EQ(dir.Read("page.html"), "new\r\n");
    EXPECT_EQ(ModeOf(kept) & 07777, 0640u);
    EXPECT_EQ(dir.Read("victim"), "private");

    const mode_t mask = ::umask(027);
    SaveLinesToFile(dir.File("fresh.html"), {"x"}, FileUse::Scratch);
    ::umask(mask);
    EXPECT_EQ(ModeOf(dir.File("fresh.html")) & 07777, 0640u);
    // Nothing is left beside them but the planted link.
    std::size_t entries = 0;
    for (const auto& item : fs::directory_iterator(dir.Path())) entries += item.path().filename() != "victim";
    EXPECT_EQ(entries, 3u);
}

TEST(SafeFiles, FailuresSayWhy) {
    testing::TempDir dir;
    const std::string longName = dir.File(std::string(300, 'n'));
    try {
        WriteFileReplacing(longName, "x");
        FAIL() << "no error";
    } catch (const EngineError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + longName);
        EXPECT_EQ(e.Reason(), "File name too long");
    }
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    for (const std::string& target : {dir.File("fifo"), std::string("/dev/null"), dir.Path(), std::string("/")}) {
        SCOPED_TRACE(target);
        try {
            CheckFileTarget(target);
            FAIL() << "no error";
        } catch (const EngineError& e) {
            EXPECT_EQ(e.Reason(), fs::is_directory(target) ? "Is a directory" : "Not a regular file");
        }
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST(SafeFiles, AFullSectionListStopsIndexingButKeepsTheClassicLookUp) {
    // Names of 99 characters fill the list after 163 sections; the 164th
    // is cut to "late", and a later section of that name is the one read.
    std::string text;
    for (int i = 0; i < 163; ++i) text += "[" + std::string(94, 'a') + std::to_string(10000 + i) + "]\nename=E\n";
    const std::size_t room = ProfileFile::kSectionListLimit - 163 * 100;
    text += "[late" + std::string(200, 'x') + "]\nename=cut\n[other]\nename=O\n[LATE" + std::string(79, 'X') +
            "]\nename=late\n";
    ASSERT_EQ(room, 84u);
    const ProfileFile file = ProfileFile::Parse(text);
    EXPECT_TRUE(file.Truncated());
    ASSERT_EQ(file.SectionNames().size(), 164u);
    EXPECT_EQ(file.SectionNames().back(), "late" + std::string(79, 'x'));
    testing::TempDir dir;
    CatalogueNotes notes;
    const CatalogueList list = LoadCatalogue(dir.Write("big.ini", text), &notes);
    EXPECT_TRUE(notes.truncated);
    EXPECT_EQ(list.back().ename, "late");  // the cut name, read from the later section of that name
    EXPECT_EQ(file.ReadString("other", "ename", "-"), "-");  // past the cut: not read
}

}  // namespace
}  // namespace zentrava
