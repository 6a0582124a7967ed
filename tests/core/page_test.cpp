#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "errors.h"
#include "output/color.h"
#include "output/page.h"
#include "temp_dir.h"

namespace zentrava {
namespace {

using Lines = std::vector<std::string>;

Tplugin Entry(std::string background = "#FFFFFF", std::string onload = "") {
    Tplugin p;
    p.ename = "Falling Stars";
    p.background = std::move(background);
    p.onload = std::move(onload);
    return p;
}

TEST(PageSkeleton, AttributeTextKeepsOrderBlanksAndRawValues) {
    EXPECT_EQ(BuildPageSkeleton(Entry()),
              (Lines{"<Html>", "<Head>", "<title>Falling Stars</title>", "</Head>", "<Body  bgColor=\"#FFFFFF\">"}));
    Tplugin all = Entry("black", "init()");
    all.onunload = "bye()";
    all.onscroll = "s(\"x\")";
    all.onresize = "r()";
    EXPECT_EQ(BuildPageSkeleton(all).back(),
              "<Body  bgColor=\"black\" onload=\"init()\" onunload=\"bye()\" onscroll=\"s(\"x\")\" onresize=\"r()\">");
    EXPECT_EQ(BuildPageSkeleton(Entry("")).back(), "<Body >");
    EXPECT_EQ(BuildPageSkeleton(Entry("", "go()")).back(), "<Body  onload=\"go()\">");
}

TEST(HeaderRewrite, ReplacesTheHeaderAndDropsAnEmptySixthLine) {
    // Without onload: comment, empty line, code from the file's third line on.
    TScriptCodeStrings plain(Lines{"<!--head-->", "", "a", "b", "c", "", "d"});
    RewriteScriptHeader(plain, Entry());
    EXPECT_EQ(plain.Lines(), (Lines{kBodyHeaderComment, "", "a", "b", "c", "d"}));

    // With onload the sixth line is the code's third.
    TScriptCodeStrings withOnload(Lines{"h1", "h2", "a", "b", "", "c"});
    RewriteScriptHeader(withOnload, Entry("#FFFFFF", "start()"));
    EXPECT_EQ(withOnload.Lines(), (Lines{kBodyHeaderComment, "<!-- Insert onload=\"start()\" into <Body> tag -->", "",
                                         "a", "b", "c"}));

    // A non-empty sixth line stays; short scripts skip the step.
    TScriptCodeStrings keep(Lines{"h", "h", "a", "b", "c", "x"});
    RewriteScriptHeader(keep, Entry());
    EXPECT_EQ(keep.Lines(), (Lines{kBodyHeaderComment, "", "a", "b", "c", "x"}));
    TScriptCodeStrings one(Lines{"only"});
    RewriteScriptHeader(one, Entry());
    EXPECT_EQ(one.Lines(), (Lines{kBodyHeaderComment, ""}));
    TScriptCodeStrings none;
    RewriteScriptHeader(none, Entry("", "x()"));
    EXPECT_EQ(none.Count(), 3u);
}

TEST(PageAssembly, WholePageAndPreviewFileBytes) {
    Tplugin entry = Entry();
    std::vector<std::string> skeleton = BuildPageSkeleton(entry);
    TScriptCodeStrings lines(Lines{"h", "h", "<script>", "go('鼠标 \xE9')", "</script>"});
    CodeWindowResult r = ActivateCodeWindow(lines, entry, skeleton);
    EXPECT_EQ(Lines(r.Script().begin(), r.Script().end()), (Lines{kBodyHeaderComment, "", "<script>", "go('鼠标 \xE9')", "</script>"}));
    const Lines page{"<Html>", "<Head>", "<title>Falling Stars</title>", "</Head>", "<Body  bgColor=\"#FFFFFF\">",
                     "",       kBodyHeaderComment, "", "<script>", "go('鼠标 \xE9')", "</script>", "</Body>", "</Html>"};
    EXPECT_EQ(r.page, page);
    EXPECT_TRUE(skeleton.empty() && lines.Count() == 0) << "both are taken over, not copied";

    testing::TempDir dir;
    SaveLinesToFile(dir.File(kPreviewFileName), r.page);
    EXPECT_EQ(dir.Read(kPreviewFileName), JoinLines(page, "\r\n") + "\r\n");
    SaveLinesToFile(dir.File("breaks.htm"), {"a\nb", "c\r\nd", "e\rf"});
    EXPECT_EQ(dir.Read("breaks.htm"), "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n");
}

TEST(PreviewFile, UnwritableFolderRaisesCannotCreate) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    testing::TempDir dir;
    chmod(dir.Path().c_str(), 0500);
    const std::string path = dir.File(kPreviewFileName);
    try {
        SaveLinesToFile(path, {"x"});
        FAIL() << "no error";
    } catch (const EngineError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + path);
    }
}

TEST(PreviewFile, MissingFolderRaisesCannotCreate) {
    testing::TempDir dir;
    const std::string path = dir.File("no/such/folder/temp.htm");
    EXPECT_THROW(SaveLinesToFile(path, {"x"}), EngineError);
}

TEST(ColorToHex, WritesRedGreenBlueAsSixUpperCaseDigits) {
    EXPECT_EQ(ColorToHex(colors::kRed), "FF0000");
    EXPECT_EQ(ColorToHex(colors::kWhite), "FFFFFF");
    EXPECT_EQ(ColorToHex(colors::kBlack), "000000");
    EXPECT_EQ(ColorToHex(8404992), "004080");
    EXPECT_EQ(ColorToHex(colors::kOrange), "FF8000");
    EXPECT_EQ(ColorToHex(colors::kLime), "00FF00");
    EXPECT_EQ(ColorToHex(colors::kBlue), "0000FF");
    EXPECT_EQ(ColorToHex(colors::kYellow), "FFFF00");
    EXPECT_EQ(ColorToHex(colors::kMaroon), "800000");
    EXPECT_EQ(ColorToHex(colors::kSilver), "C0C0C0");
    EXPECT_EQ(ColorToHex(0x0A0B0C), "0C0B0A");
}

TEST(ColorToHex, SystemColoursGoThroughTheResolver) {
    EXPECT_EQ(ColorToHex(colors::kWindow), "FFFFFF");
    SetSystemColorResolver([](int index) { return index == colors::kSysWindow ? TColor{0x123456} : TColor{0}; });
    EXPECT_EQ(ColorToHex(colors::kWindow), "563412");
    EXPECT_EQ(ColorToHex(colors::kBtnFace), "000000");
    SetSystemColorResolver(nullptr);
    EXPECT_EQ(ColorToHex(colors::kWindow), "FFFFFF");
}

TEST(ParseColor, AcceptsHtmlDigitsAndDecimalValuesOnly) {
    EXPECT_EQ(ParseColor("#FF8000"), colors::kOrange);
    EXPECT_EQ(ParseColor("#ff8000"), colors::kOrange);
    EXPECT_EQ(ParseColor("33023"), colors::kOrange);
    EXPECT_EQ(ParseColor(std::to_string(colors::kWindow)), colors::kWindow);
    for (const char* bad : {"", "#FF80", "#GG0000", "red", "16777216", "-1", "12x", "#FF80001"}) {
        EXPECT_FALSE(ParseColor(bad).has_value()) << bad;
    }
}

}  // namespace
}  // namespace zentrava
