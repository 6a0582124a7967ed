#include <gtest/gtest.h>

#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "effects/script_lines.h"
#include "errors.h"
#include "heap.h"
#include "temp_dir.h"

namespace zentrava {
namespace {

using Lines = std::vector<std::string>;

TEST(ScriptLines, SplitsOnEveryLineEndWithoutAnEmptyLastLine) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitLines("a\n\n"), (Lines{"a", ""}));
    EXPECT_EQ(SplitLines("\r\n"), (Lines{""}));
    EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));  // LF then CR: two breaks
    EXPECT_EQ(SplitLines("a\r\r\nb\rc\r"), (Lines{"a", "", "b", "c"}));
    EXPECT_EQ(SplitLines("\r\r"), (Lines{"", ""}));
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines(std::string_view("ab\0cd\nef", 9)), Lines{"ab"});  // a NUL ends the text
}

TEST(ScriptLines, LoadKeepsBytesOfAnyEncoding) {
    testing::TempDir dir;
    const std::string gbk = "var s='\xC4\xE3\xBA\xC3';";      // GBK
    const std::string latin1 = "var t='caf\xE9 \xFC\xDF';";    // Latin-1
    const std::string utf8 = "var u='鼠标';";
    TScriptCodeStrings lines;
    lines.LoadFromFile(dir.Write("enc.dat", gbk + "\r\n" + latin1 + "\n" + utf8));
    EXPECT_EQ(lines.Lines(), (Lines{gbk, latin1, utf8}));
}

TEST(ScriptLines, MissingFileKeepsContentAndNamesThePath) {
    testing::TempDir dir;
    TScriptCodeStrings lines(Lines{"kept"});
    const std::string path = dir.File("missing.dat");
    try {
        lines.LoadFromFile(path);
        FAIL() << "no error";
    } catch (const EngineError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + path);
    }
    EXPECT_THROW(lines.LoadFromFile(dir.Path()), EngineError);  // a folder
    EXPECT_EQ(lines.Lines(), Lines{"kept"});
}

TEST(ScriptLines, IndexErrorsNameTheIndex) {
    TScriptCodeStrings lines(Lines{"a", "b"});
    auto message = [&](auto&& op) {
        try {
            op();
        } catch (const EngineError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { lines.Put(2, "x"); }), "List index out of bounds (2)");
    EXPECT_EQ(message([&] { (void)lines.Get(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(message([&] { lines.Delete(5); }), "List index out of bounds (5)");
    EXPECT_EQ(message([&] { lines.Insert(3, "x"); }), "List index out of bounds (3)");
    lines.Insert(2, "c");
    lines.Put(0, "A");
    lines.Delete(1);
    EXPECT_EQ(lines.Lines(), (Lines{"A", "c"}));
}

TEST(ScriptLines, LargeBinaryFileLoads) {
    testing::TempDir dir;
    std::string big;
    big.reserve(50u << 20);
    for (std::size_t i = 0; big.size() < (50u << 20); ++i) big += "line " + std::to_string(i) + " \xFF\xFE\n";
    TScriptCodeStrings lines;
    lines.LoadFromFile(dir.Write("big.dat", big));
    EXPECT_GT(lines.Count(), 1000000u);
    EXPECT_EQ(lines.Get(7), "line 7 \xFF\xFE");
}

// The lines of a long page, once freed, stay in the process for the next
// Generate instead of going back to the system.
TEST(Heap, AFreedLongPageIsKeptForReuse) {
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "only the C library's own allocator is tuned";
#else
    KeepFreedMemoryForReuse();
    constexpr std::size_t kPage = 24u << 20;
    static char* volatile block;  // seen from outside, so never left out
    const std::size_t mappedBefore = mallinfo2().hblkhd;
    block = static_cast<char*>(std::malloc(kPage));
    ASSERT_NE(block, nullptr);
    EXPECT_LT(mallinfo2().hblkhd, mappedBefore + kPage);  // taken from the heap, not mapped alone
    std::free(block);
    EXPECT_GE(mallinfo2().fordblks, kPage);  // still held, free for the next page
#endif
}

TEST(ErrorBoxText, AppendsAFullStopUnlessTheLastCharacterIsOneOrBelow) {
    EXPECT_EQ(ErrorBoxText("Cannot open file /x/a.dat"), "Cannot open file /x/a.dat.");
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("List index out of bounds (4)"), "List index out of bounds (4)");
    EXPECT_EQ(ErrorBoxText("trailing blank "), "trailing blank ");
    EXPECT_EQ(ErrorBoxText("dash-"), "dash-");
    EXPECT_EQ(ErrorBoxText("slash/"), "slash/.");
    EXPECT_EQ(ErrorBoxText("鼠标"), "鼠标.");
    EXPECT_EQ(ErrorBoxText(""), "");
}

}  // namespace
}  // namespace zentrava
