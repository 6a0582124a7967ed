// zentrava-cli insert, remove and blocks on a copy of a host page.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "temp_dir.h"

namespace {

using zentrava::testing::RunCli;
using zentrava::testing::ShellQuote;
using zentrava::testing::TempDir;

const std::string kHosts = ZENTRAVA_FIXTURES_DIR "/hosts/";

TEST(CliInsert, InsertUpdateRemoveRoundTrip) {
    TempDir dir;
    std::filesystem::copy(kHosts + "crlf.html", dir.File("page.html"));
    const std::string page = dir.File("page.html"), original = dir.Read("page.html");

    auto r = RunCli({"insert", "text", "0", "--into", page, "--set", "FlatEdit27=Hi there", "--dry-run"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("--- " + page + "\n+++ " + page + "\n@@ ", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\n+<!-- zentrava:begin text-typewriter "), std::string::npos);
    EXPECT_EQ(dir.Read("page.html"), original);
    EXPECT_FALSE(std::filesystem::exists(page + ".bak"));

    r = RunCli({"insert", "text", "0", "--into", page, "--set", "FlatEdit27=Hi there"});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string once = dir.Read("page.html");
    EXPECT_EQ(dir.Read("page.html.bak"), original);
    EXPECT_EQ(RunCli({"insert", "text", "Typewriter text", "--into", page, "--set", "FlatEdit27=Hi there"}).status, 0);
    EXPECT_EQ(dir.Read("page.html"), once);
    EXPECT_EQ(RunCli({"insert", "--into", page, "--update"}).status, 0);
    EXPECT_EQ(dir.Read("page.html"), once);

    // --last takes the values the app remembered, then the options.
    dir.Write("config/zentrava/last-values.conf",
              "[lastValues]\ntext_547970657772697465722074657874=category%3Dtext%20entry%3DTypewriter%2520text%20"
              "set%3AFlatEdit27%3DRemembered\n");
    const std::string env = "XDG_CONFIG_HOME=" + ShellQuote(dir.File("config")) + " ";
    r = RunCli({"insert", "text", "0", "--into", page, "--last", "--name", "again"}, env);
    EXPECT_EQ(r.status, 0) << r.err;
    r = RunCli({"blocks", page});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "text-typewriter\ttext\tTypewriter text\n  --set FlatEdit27=Hi there\n"
              "again\ttext\tTypewriter text\n  --set FlatEdit27=Remembered\n");

    EXPECT_EQ(RunCli({"remove", "--from", page, "text-typewriter"}).status, 0);
    EXPECT_EQ(RunCli({"remove", "--from", page, "again"}).status, 0);
    EXPECT_EQ(dir.Read("page.html"), original);
    EXPECT_EQ(RunCli({"blocks", page}).out, "");
}

TEST(CliInsert, ErrorsSayWhy) {
    TempDir dir;
    std::filesystem::copy(kHosts + "gbk.html", dir.File("gbk.html"));
    const std::string page = dir.File("gbk.html");
    struct Row {
        std::vector<std::string> args;
        int status;
        const char* says;
    } rows[] = {
        {{"insert", "text", "0", "--into", dir.File("missing.html")}, 1, "Cannot open file"},
        {{"insert", "text", "0", "--into", dir.Path()}, 1, "not a regular file"},
        {{"insert", "text", "0", "--into", page, "--set", "FlatEdit27=\xF0\x9F\x98\x80"}, 1, "has no character"},
        {{"insert", "text", "0", "--into", page, "--name", "a b"}, 2, "--name"},
        {{"insert", "text", "0", "--into", page, "--set", "NoSuch=1"}, 2, "no control"},
        {{"insert", "text", "0"}, 2, "--into"},
        {{"insert", "--into", page}, 2, "CATEGORY and ENTRY"},
        {{"insert", "text", "0", "--into", page, "--update"}, 2, "--update"},
        {{"remove", "--from", page, "nosuch"}, 1, "no inserted effect named nosuch"},
        {{"blocks", dir.File("missing.html")}, 1, "Cannot open file"},
    };
    for (const Row& row : rows) {
        const auto r = RunCli(row.args);
        EXPECT_EQ(r.status, row.status) << row.says << ": " << r.err;
        EXPECT_NE(r.err.find(row.says), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(page + ".bak"));
}

}  // namespace
