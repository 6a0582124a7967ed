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
    const std::string start =
        "<Html>\n<Head>\n<title>Add to Favourites</title>\n</Head>\n<Body  bgColor=\"#FFFFFF\">\n\n"
        "<!-- Insert following codes between <Body></Body>-->\n\n<script language=\"JavaScript\">\n"
        "function bookmarkit(){window.external.addFavorite('https://www.example.com/','')}\n"
        "if (document.all)document.write('<a href=\"#\" onClick=\"bookmarkit()\">Zentrava</a>')\n"
        "</script>\n<script type=\"text/javascript\">\n";
    EXPECT_EQ(r.out.substr(0, start.size()), start);
    const std::string end = "</script>\n</Body>\n</Html>\n";
    EXPECT_EQ(r.out.substr(r.out.size() - end.size()), end);
    EXPECT_EQ(r.err, "");
}

TEST(Cli, OptionsApplyInOrderAndShowSelectsTheView) {
    ProgramDir dir;
    Result raw = RunCli({"--dir", dir.Path(), "generate", "Others", "Set as Home Page", "--set", "FlatEdit51=Home",
                         "--set", "flatedit52=x", "--set", "flatedit52=", "--show", "raw"});
    ASSERT_EQ(raw.status, 0) << raw.err;
    const std::string fixed = "\n\n<a href=# onClick=\"this.style.behavior='url(#default#homepage)';this.setHomePage\n"
                              "('');\">Home</a>\n<span role=\"status\" hidden></span>\n";
    EXPECT_EQ(raw.out.substr(0, fixed.size()), fixed);
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

// Text is written as typed; where it would end a script string, standard
// error says so and shows the text with the escapes.
TEST(Cli, GenerateWarnsOfTypedQuotesAndWritesTheTextAsTyped) {
    ProgramDir dir;
    Result r = RunCli({"--dir", dir.Path(), "generate", "other", "0", "--set", "FlatEdit48=Don't", "--show", "raw"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err,
              "zentrava-cli: warning: FlatEdit48: The apostrophe (') would end the script string early. "
              "With escapes: Don\\'t\n");
    EXPECT_NE(r.out.find(">Don't</a>')"), std::string::npos) << r.out;
    Result escaped = RunCli({"--dir", dir.Path(), "generate", "other", "0", "--set", "FlatEdit48=Don\\'t"});
    EXPECT_EQ(escaped.status, 0);
    EXPECT_EQ(escaped.err, "");
}

TEST(Cli, PreviewWritesTheFileWithCrLf) {
    ProgramDir dir;
    Result r = RunCli({"--dir", dir.Path(), "generate", "mouse", "Plain", "--preview", "--show", "page"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::string expected = r.out;
    for (std::size_t p = 0; (p = expected.find('\n', p)) != std::string::npos; p += 2) expected.replace(p, 1, "\r\n");
    EXPECT_EQ(dir.Read("temp.htm"), expected);
    EXPECT_NE(expected.find("<p>plain \xe9</p>"), std::string::npos);

    // A second preview takes the place of the first and leaves nothing beside it.
    ASSERT_EQ(RunCli({"--dir", dir.Path(), "generate", "other", "0", "--preview"}).status, 0);
    EXPECT_NE(dir.Read("temp.htm").find("bookmarkit"), std::string::npos);
    for (const auto& item : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_EQ(item.path().filename().string().find(".part-"), std::string::npos) << item.path();
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
    EXPECT_EQ(r.err, "Cannot create file " + dir.File("temp.htm") + ".\nIs a directory\n");
}

TEST(Cli, UsageErrorsExitTwoAndSayWhatWasWrong) {
    ProgramDir dir;
    const std::string d = dir.Path();
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "no command"},
        {{"--dir", d, "paint"}, "paint"},
        {{"--dir", d, "list", "sound"}, "unknown category 'sound'"},
        {{"--dir", d, "generate", "other", "99"}, "no entry '99'"},
        {{"--dir", d, "generate", "other", "Unknown Form"}, "names no registered form"},
        {{"--dir", d, "generate", "other", "Bare"}, "has no Generate"},
        {{"--dir", d, "generate", "other", "0", "--set", "Nope=1"}, "no control 'Nope'"},
        {{"--dir", d, "generate", "other", "0", "--set", "FlatEdit48"}, "NAME=VALUE"},
        {{"--dir", d, "generate", "mouse", "1", "--set", "Panel10=blue"}, "not a colour"},
        {{"--dir", d, "generate", "other", "0", "--clear", "FlatEdit48"}, "not a list"},
        {{"--dir", d, "generate", "other", "0", "--show", "all"}, "--show"},
        {{"--dir", d, "generate", "other", "0", "--bogus"}, "--bogus"},
        {{"--dir", d, "generate", "other", "0", "--set"}, "needs a value"},
        {{"--dir", d + "/gone", "list", "mouse"}, "does not exist"},
        {{"--dir", d, "list", "other", "--names", "zh"}, "--names takes en, zh_CN or zh_TW"},
    };
    for (const auto& [args, words] : cases) {
        Result r = RunCli(args);
        EXPECT_EQ(r.status, 2) << words;
        EXPECT_EQ(r.out, "") << words;
        EXPECT_NE(r.err.find(words), std::string::npos) << r.err;
    }
}

TEST(Cli, FindMatchesAnyNameIgnoringCaseAndAccents) {
    ProgramDir dir;
    dir.Write("text.ini", "[a]\nename=Caf\xc3\xa9 Lights\ngbname=\xe5\x92\x96\xe5\x95\xa1\xe7\x81\xaf\n"
                          "bigname=\xe5\x92\x96\xe5\x95\xa1\xe7\x87\x88\nform=TNoParamForm\nscript=plain\n");
    EXPECT_EQ(RunCli({"--dir", dir.Path(), "find", "CAFE"}).out, "Text\t0\tCaf\xc3\xa9 Lights\n");
    EXPECT_EQ(RunCli({"--dir", dir.Path(), "find", "\xe7\x87\x88"}).out, "Text\t0\tCaf\xc3\xa9 Lights\n");
    // --names prints the Chinese names (the English one where the entry has none).
    EXPECT_EQ(RunCli({"--dir", dir.Path(), "find", "cafe", "--names", "zh_TW"}).out,
              "Text\t0\t\xe5\x92\x96\xe5\x95\xa1\xe7\x87\x88\n");
    EXPECT_EQ(RunCli({"--dir", dir.Path(), "list", "text", "--names", "zh_CN"}).out,
              "0\t\xe5\x92\x96\xe5\x95\xa1\xe7\x81\xaf\tTNoParamForm\tplain\n");
    EXPECT_EQ(RunCli({"--dir", dir.Path(), "find", "favour", "--names", "zh_CN"}).out.rfind("Others\t0\t", 0), 0u);
    Result favourites = RunCli({"--dir", dir.Path(), "find", "favour"});
    EXPECT_EQ(favourites.status, 0);
    EXPECT_EQ(favourites.out, "Others\t0\tAdd to Favourites\n");
    Result none = RunCli({"--dir", dir.Path(), "find", "no such effect"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
}

TEST(Cli, SaveWritesThePageWithTheLocalFilesItNames) {
    ProgramDir dir;
    dir.Write("image/Dog.jpg", "dog");
    dir.Write("Image/arrow.cur", "cursor");
    dir.Write("../outside.txt", "secret");
    dir.Write("pics.dat", "h\r\nh\r\n<img src=\"image\\Dog.jpg\"><img src='missing.png'>\r\n"
                          "<p style=\"cursor:url( 'Image/arrow.cur' )\"><a href=\"https://example.com/a.png\">\r\n"
                          "<img src=\"../outside.txt\"><img src=image/Dog.jpg>\r\n");
    dir.Write("page.ini", "[p]\nename=Pictures\nform=TNoParamForm\nscript=pics\n");
    TempDir out;
    Result saved = RunCli({"--dir", dir.Path(), "generate", "page", "0", "--save", out.File("site/p.html"), "--preview"});
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.err, "copied image/Dog.jpg\ncopied Image/arrow.cur\n");
    EXPECT_EQ(out.Read("site/p.html"), dir.Read("temp.htm"));  // the bytes the preview gets
    EXPECT_EQ(out.Read("site/image/Dog.jpg"), "dog");
    EXPECT_EQ(out.Read("site/Image/arrow.cur"), "cursor");
    EXPECT_FALSE(std::filesystem::exists(out.File("outside.txt")));
    std::filesystem::remove(dir.File("../outside.txt"));

    Result unwritable = RunCli({"--dir", dir.Path(), "generate", "page", "0", "--save", dir.File("plain.dat/x.html")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.out.find("Dog.jpg"), std::string::npos);  // the view is still printed
    EXPECT_NE(unwritable.err.find("Cannot create file"), std::string::npos) << unwritable.err;
}

TEST(Cli, GallerySavesEveryEntryAndListsTheFailures) {
    ProgramDir dir;
    TempDir out;
    Result r = RunCli({"--dir", dir.Path(), "gallery", out.Path()});
    EXPECT_EQ(r.status, 1);  // the fixture has entries that cannot generate
    const std::string index = out.Read("index.html");
    EXPECT_NE(index.find("<a href=\"other/0.html\">Add to Favourites <small>"), std::string::npos) << index;
    EXPECT_NE(index.find("<li class=\"failed\">Missing Script <small>"), std::string::npos);
    EXPECT_NE(index.find(": Cannot open file " + dir.File("nosuchfile.dat")), std::string::npos);
    EXPECT_NE(out.Read("other/0.html").find("bookmarkit"), std::string::npos);
    EXPECT_NE(r.err.find("Others 2 Missing Script: Cannot open file"), std::string::npos) << r.err;
}

TEST(Cli, VersionAndMissingCatalogues) {
    ProgramDir dir;
    EXPECT_EQ(RunCli({"--version"}).out, "zentrava-cli 2.3\n");
    Result list = RunCli({"--dir", dir.Path(), "list", "menu"});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "");
    EXPECT_EQ(list.err, "zentrava-cli: " + dir.File("menu.ini") + " is missing\n");
    dir.Write("menu.ini", "; nothing yet\n");
    EXPECT_NE(RunCli({"--dir", dir.Path(), "generate", "menu", "0"}).err.find("menu.ini lists no entries"),
              std::string::npos);
}

}  // namespace
