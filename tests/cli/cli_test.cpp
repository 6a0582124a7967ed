// Runs the real zentrava-cli binary against fixture program directories.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "temp_dir.h"

namespace {

using zentrava::testing::TempDir;

using Result = zentrava::testing::CliResult;
using zentrava::testing::RunCli;

// A scratch copy of the fixture program directory.
struct ProgramDir : TempDir {
    ProgramDir() {
        std::filesystem::copy(ZENTRAVA_FIXTURES_DIR "/basic", Path(), std::filesystem::copy_options::recursive);
    }
};

TEST(Cli, CategoriesInToolbarOrder) {
    Result r = RunCli({"categories"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Mouse\tmouse.ini\nMenu\tmenu.ini\nText\ttext.ini\nPage\tpage.ini\nTime\ttime.ini\n"
              "Image\timage.ini\nGame\tgame.ini\nOthers\tother.ini\n");
}

TEST(Cli, ListAndFormDescribeTheCatalogue) {
    ProgramDir dir;
    Result list = RunCli({"--dir", dir.Path(), "list", "Others"});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out.substr(0, list.out.find('\n')), "0\tAdd to Favourites\tTOtherForm1\tother1");
    EXPECT_EQ(RunCli({"--dir", dir.Path(), "list", "menu"}).out, "");  // no catalogue: empty list

    Result form = RunCli({"--dir", dir.Path(), "form", "MOUSE", "Message"});
    EXPECT_EQ(form.status, 0);
    EXPECT_NE(form.out.find("Panel18\tswatch preset\tColor:\t#FF0000\n"), std::string::npos) << form.out;
    EXPECT_NE(form.out.find("ComboBox1\tsizebox\tSize:\t10\n"), std::string::npos);
    EXPECT_NE(form.out.find("FontComboBox1\tfontbox\tFont:\t\n"), std::string::npos);
}

TEST(Cli, GeneratePrintsThePageWithRewrittenHeaderSkeletonAndLink) {
    ProgramDir dir;
    Result r = RunCli({"--dir", dir.Path(), "generate", "other", "0", "--show", "page"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "<Html>\n<Head>\n<title>Add to Favourites</title>\n</Head>\n<Body  bgColor=\"#FFFFFF\">\n\n"
              "<!-- Insert following codes between <Body></Body>-->\n\n<script language=\"JavaScript\">\n"
              "function bookmarkit(){window.external.addFavorite('https://www.example.com/','')}\n"
              "if (document.all)document.write('<a href=\"#\" onClick=\"bookmarkit()\">Zentrava</a>')\n"
              "</script>\n</Body>\n</Html>\n");
}

TEST(Cli, OptionsApplyInOrderAndShowSelectsTheView) {
    ProgramDir dir;
    Result raw = RunCli({"--dir", dir.Path(), "generate", "Others", "Set as Home Page", "--set", "FlatEdit51=Home",
                         "--set", "flatedit52=x", "--set", "flatedit52=", "--show", "raw"});
    ASSERT_EQ(raw.status, 0) << raw.err;
    EXPECT_EQ(raw.out, "\n\n<a href=# onClick=\"this.style.behavior='url(#default#homepage)';this.setHomePage\n"
                       "('');\">Home</a>\n");
    Result script = RunCli({"--dir", dir.Path(), "generate", "other", "1"});
    EXPECT_EQ(script.out.substr(0, script.out.find('\n', 60)),
              "<!-- Insert following codes between <Body></Body>-->\n<!-- Insert onload=\"init()\" into <Body> tag -->");

    Result colours = RunCli({"--dir", dir.Path(), "generate", "mouse", "1", "--set", "Panel13=#112233", "--set",
                             "panel14=255", "--show", "raw"});
    ASSERT_EQ(colours.status, 0) << colours.err;
    EXPECT_NE(colours.out.find("\ndCol=\"112233\"\nfCol=\"FF0000\"\n"), std::string::npos) << colours.out;

    Result spin = RunCli({"--dir", dir.Path(), "generate", "mouse", "Orbit", "--set", "sSpinEdit1=050"});
    EXPECT_NE(spin.out.find("var speed=050,divTop=0"), std::string::npos) << spin.out;
}

TEST(Cli, PreviewWritesTheFileWithCrLf) {
    ProgramDir dir;
    Result r = RunCli({"--dir", dir.Path(), "generate", "mouse", "Plain", "--preview", "--show", "page"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::string expected = r.out;
    for (std::size_t p = 0; (p = expected.find('\n', p)) != std::string::npos; p += 2) expected.replace(p, 1, "\r\n");
    EXPECT_EQ(dir.Read("temp.htm"), expected);
    EXPECT_NE(expected.find("<p>plain \xe9</p>"), std::string::npos);
}

TEST(Cli, GenerateFailuresExitOneWithTheMessageBoxText) {
    ProgramDir dir;
    Result missing = RunCli({"--dir", dir.Path(), "generate", "other", "Missing Script"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "Cannot open file " + dir.File("nosuchfile.dat") + ".\n");

    Result shorter = RunCli({"--dir", dir.Path(), "generate", "other", "3"});
    EXPECT_EQ(shorter.status, 1);
    EXPECT_EQ(shorter.out, "");
    EXPECT_EQ(shorter.err, "List index out of bounds (4)\n" + dir.File("short.dat") + "\n");

    Result noDir = RunCli({"--dir", dir.File("gone"), "generate", "other", "0", "--preview"});
    EXPECT_EQ(noDir.status, 2);  // the catalogue is not there: no such entry
}

TEST(Cli, PreviewThatCannotBeSavedFails) {
    ProgramDir dir;
    std::filesystem::create_directory(dir.File("temp.htm"));  // a folder in the file's place
    Result r = RunCli({"--dir", dir.Path(), "generate", "other", "0", "--preview"});
    EXPECT_EQ(r.status, 1);
    // The script view is printed all the same: nothing generated is lost.
    EXPECT_EQ(r.out, RunCli({"--dir", dir.Path(), "generate", "other", "0"}).out);
    EXPECT_NE(r.out.find("bookmarkit"), std::string::npos);
    EXPECT_EQ(r.err, "Cannot create file " + dir.File("temp.htm") + ".\n");
}

TEST(Cli, UsageErrorsExitTwoAndSayWhatWasWrong) {
    ProgramDir dir;
    const std::string d = dir.Path();
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "no command"},
        {{"--dir", d, "paint"}, "unknown command 'paint'"},
        {{"--dir", d, "list", "sound"}, "unknown category 'sound'"},
        {{"--dir", d, "generate", "other", "99"}, "no entry '99'"},
        {{"--dir", d, "generate", "other", "Unknown Form"}, "names no registered form"},
        {{"--dir", d, "generate", "other", "Bare"}, "has no Generate"},
        {{"--dir", d, "generate", "other", "0", "--set", "Nope=1"}, "no control 'Nope'"},
        {{"--dir", d, "generate", "other", "0", "--set", "FlatEdit48"}, "NAME=VALUE"},
        {{"--dir", d, "generate", "mouse", "1", "--set", "Panel10=blue"}, "not a colour"},
        {{"--dir", d, "generate", "other", "0", "--clear", "FlatEdit48"}, "not a list"},
        {{"--dir", d, "generate", "other", "0", "--show", "all"}, "--show takes"},
        {{"--dir", d, "generate", "other", "0", "--bogus"}, "unknown option"},
        {{"--dir", d, "generate", "other", "0", "--set"}, "needs a value"},
    };
    for (const auto& [args, words] : cases) {
        Result r = RunCli(args);
        EXPECT_EQ(r.status, 2) << words;
        EXPECT_EQ(r.out, "") << words;
        EXPECT_NE(r.err.find(words), std::string::npos) << r.err;
    }
}

}  // namespace
