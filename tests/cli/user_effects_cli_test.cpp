// The user's own effects folder and effects that declare their parameters,
// through the real zentrava-cli with a scratch XDG_DATA_HOME.
#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

#include "cli_runner.h"
#include "temp_dir.h"

namespace {

using zentrava::testing::CliResult;
using zentrava::testing::RunCli;
using zentrava::testing::ShellQuote;
using zentrava::testing::TempDir;

const char* const kBanner =
    "<!--parameters\n"
    "message text          \"Message:\" = Hello\n"
    "size    number 8..72  \"Size:\"    = 24\n"
    "tint    colour        \"Colour:\"  = #3584e4\n"
    "shape   choice box|round \"Shape:\" = round\n"
    "bold    yesno         \"Bold\"     = yes\n"
    "-->\n"
    "<!--Insert following codes between <Body></Body>-->\n"
    "\n"
    "<p id=\"b\" style=\"font-size:/*@size*/24px;color:/*@tint*/#3584e4\"><!--@message-->Hello</p>\n"
    "<script>var shape = /*@shape*/'round', bold = /*@bold*/true, text = /*@message*/'Hello';</script>\n";

std::string Section(const std::string& name, const std::string& script, const std::string& form = "TParamForm") {
    return "[" + name + "]\ncategory=Others\ngbname=\nbigname=\nename=" + name + "\nform=" + form + "\nscript=" +
           script + "\nbackground=#FFFFFF\n";
}

// A program directory and a data home whose zentrava folder holds the user's effects.
struct UserSetup {
    TempDir program, data;
    UserSetup() {
        std::filesystem::copy(ZENTRAVA_FIXTURES_DIR "/basic", program.Path(),
                              std::filesystem::copy_options::recursive);
        data.Write("zentrava/other.ini", Section("Banner", "banner") + Section("Broken", "broken") +
                                             Section("Escape", "../outside") + Section("Folder", "folder"));
        data.Write("zentrava/banner.dat", kBanner);
        std::string broken = kBanner;
        broken.replace(broken.find("8..72"), 5, "72..8");
        data.Write("zentrava/broken.dat", broken);
        data.Write("outside.dat", kBanner);
        std::filesystem::create_directories(data.File("zentrava/folder.dat"));
    }
    CliResult Run(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--dir", program.Path()});
        return RunCli(args, "XDG_DATA_HOME=" + ShellQuote(data.Path()) + " ");
    }
};

TEST(UserEffects, ListedAfterTheShippedOnesAndGeneratedFromTheirFolder) {
    UserSetup u;
    const CliResult list = u.Run({"list", "other"});
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out.substr(0, list.out.find('\n')), "0\tAdd to Favourites\tTOtherForm1\tother1");
    EXPECT_NE(list.out.find("\tBanner\tTParamForm\tbanner\n"), std::string::npos) << list.out;
    EXPECT_LT(list.out.find("TOtherForm"), list.out.find("Banner"));
    EXPECT_EQ(u.Run({"find", "banner"}).status, 0);

    const CliResult form = u.Run({"form", "other", "Banner"});
    ASSERT_EQ(form.status, 0) << form.err;
    EXPECT_EQ(form.out,
              "message\tedit\tMessage:\tHello\n"
              "size\tspinedit (a number from 8 to 72)\tSize:\t24\n"
              "tint\tswatch preset\tColour:\t#3584E4\n"
              "shape\tchoicebox (one of: box, round)\tShape:\tround\n"
              "bold\tcheckbox\tBold\tyes\n");

    // With its defaults the script is the file after its block, byte for byte.
    const CliResult raw = u.Run({"generate", "other", "Banner", "--show", "raw"});
    ASSERT_EQ(raw.status, 0) << raw.err;
    const std::string file = kBanner;
    EXPECT_EQ(raw.out, file.substr(file.find("-->\n") + 4));

    const CliResult set = u.Run({"generate", "other", "Banner", "--show", "raw", "--set", "size=8", "--set",
                                 "tint=#00ff00", "--set", "shape=box", "--set", "bold=no", "--set", "message=It's"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_NE(set.out.find("font-size:/*@size*/8px;color:/*@tint*/#00FF00\"><!--@message-->It's</p>"),
              std::string::npos) << set.out;
    EXPECT_NE(set.out.find("shape = /*@shape*/'box', bold = /*@bold*/false, text = /*@message*/'It's'"),
              std::string::npos) << set.out;
    EXPECT_NE(set.err.find("warning: message:"), std::string::npos) << set.err;  // the apostrophe ends the string
}

// Pictures beside a user's effect go with its page: saved, in the gallery
// and inserted into a page, from the user's folder, not the program's.
TEST(UserEffects, TheirPicturesTravelWithTheirPage) {
    UserSetup u;
    u.data.Write("zentrava/other.ini", Section("Pictured", "pictured", "TNoParamForm"));
    u.data.Write("zentrava/pictured.dat",
                 "<!--Insert following codes between <Body></Body>-->\n\n<img src=\"pics/mine.png\" alt=\"Mine\">\n");
    u.data.Write("zentrava/pics/mine.png", "the user's picture");
    TempDir out;
    const CliResult saved = u.Run({"generate", "other", "Pictured", "--save", out.File("page.html")});
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(out.Read("pics/mine.png"), "the user's picture");
    // Its preview file stands beside its pictures, so that they show.
    const CliResult preview = u.Run({"generate", "other", "Pictured", "--preview"});
    ASSERT_EQ(preview.status, 0) << preview.err;
    EXPECT_NE(u.data.Read("zentrava/temp.htm").find("pics/mine.png"), std::string::npos);

    // (the fixture's own faulty entries make the gallery end in 1)
    const CliResult gallery = u.Run({"gallery", out.File("gallery")});
    EXPECT_EQ(out.Read("gallery/other/pics/mine.png"), "the user's picture") << gallery.err;

    out.Write("site/index.html", "<!DOCTYPE html>\n<html><head><title>Site</title></head>\n<body>\n<p>Hi</p>\n</body></html>\n");
    const CliResult inserted = u.Run({"insert", "other", "Pictured", "--into", out.File("site/index.html")});
    ASSERT_EQ(inserted.status, 0) << inserted.err;
    EXPECT_EQ(out.Read("site/pics/mine.png"), "the user's picture");
}

TEST(UserEffects, ValuesOutsideTheDeclarationAreRefused) {
    UserSetup u;
    for (const char* bad : {"size=7", "size=73", "size=big", "tint=green", "shape=star", "bold=true", "nosuch=1"}) {
        const CliResult r = u.Run({"generate", "other", "Banner", "--set", bad});
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.out, "") << bad;
    }
    EXPECT_NE(u.Run({"generate", "other", "Banner", "--set", "size=73"}).err.find("takes a number from 8 to 72"),
              std::string::npos);
}

TEST(UserEffects, AFaultyEntryIsNamedWithoutACrash) {
    UserSetup u;
    for (const char* command : {"form", "generate"}) {
        const CliResult r = u.Run({command, "other", "Broken"});
        EXPECT_EQ(r.status, 2) << command;
        EXPECT_EQ(r.err, "zentrava-cli: " + u.data.File("zentrava/broken.dat") + ":3: a number needs its range, as 1..20.\n")
            << command;
    }
    const CliResult escape = u.Run({"generate", "other", "Escape"});
    EXPECT_EQ(escape.status, 2);
    EXPECT_NE(escape.err.find("leads outside"), std::string::npos) << escape.err;
    const CliResult folder = u.Run({"generate", "other", "Folder"});
    EXPECT_EQ(folder.status, 2);
    EXPECT_NE(folder.err.find("Cannot open file"), std::string::npos) << folder.err;
    // The gallery lists the faulty entries with their errors and saves the rest.
    TempDir gallery;
    const CliResult g = u.Run({"gallery", gallery.File("g")});
    EXPECT_NE(g.status, -1);
    EXPECT_NE(g.err.find("broken.dat:3:"), std::string::npos) << g.err;
    EXPECT_TRUE(std::filesystem::exists(gallery.File("g/other/1.html")));
}

TEST(UserEffects, TheFolderFallsBackToHomeAndIsNeverWritten) {
    UserSetup u;
    TempDir home;
    home.Write(".local/share/zentrava/other.ini", Section("Home banner", "banner"));
    home.Write(".local/share/zentrava/banner.dat", kBanner);
    const auto before = std::filesystem::last_write_time(home.File(".local/share/zentrava/banner.dat"));
    const CliResult r = RunCli({"--dir", u.program.Path(), "generate", "other", "Home banner", "--set", "size=9"},
                               "env -u XDG_DATA_HOME HOME=" + ShellQuote(home.Path()) + " ");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("9px"), std::string::npos);
    EXPECT_EQ(home.Read(".local/share/zentrava/banner.dat"), kBanner);
    EXPECT_EQ(std::filesystem::last_write_time(home.File(".local/share/zentrava/banner.dat")), before);
    // A catalogue that is no regular file is not read, and nothing waits for it.
    TempDir odd;
    std::filesystem::create_directories(odd.File("zentrava"));
    ASSERT_EQ(::mkfifo(odd.File("zentrava/other.ini").c_str(), 0600), 0);
    const CliResult fifo = RunCli({"--dir", u.program.Path(), "list", "other"},
                                  "XDG_DATA_HOME=" + ShellQuote(odd.Path()) + " ");
    EXPECT_EQ(fifo.status, 0);
    EXPECT_NE(fifo.err.find("Not a regular file"), std::string::npos) << fifo.err;
}

}  // namespace
