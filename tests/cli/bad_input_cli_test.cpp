// Bad input tried on purpose through the real zentrava-cli and real files:
// damaged and odd catalogues, script files of any bytes and sizes, a program
// directory that cannot be written and a disk that fills up. The program must
// not crash or hang, must not report success for a failure, and must pass
// the bytes of the effect library through unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <unistd.h>

#include "cli_runner.h"
#include "temp_dir.h"

namespace {

using zentrava::testing::CliResult;
using zentrava::testing::RunCli;
using zentrava::testing::ShellQuote;
using zentrava::testing::TempDir;
namespace fs = std::filesystem;

constexpr const char* kHeaderComment = "<!-- Insert following codes between <Body></Body>-->";

// The preview file of a page without onload, as CR LF lines.
std::string PreviewBytes(const std::string& title, const std::vector<std::string>& code) {
    std::string page = "<Html>\r\n<Head>\r\n<title>" + title + "</title>\r\n</Head>\r\n<Body  bgColor=\"#FFFFFF\">\r\n\r\n" +
                       kHeaderComment + "\r\n\r\n";
    for (const auto& line : code) page += line + "\r\n";
    return page + "</Body>\r\n</Html>\r\n";
}

std::string Bytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    return bytes;
}

bool Exited(const CliResult& r) { return r.status >= 0 && r.status <= 2; }

TEST(CliBadInput, CataloguesWithBomCrOnlyLineEndsDuplicatesAndOverlongValues) {
    TempDir dir;
    const std::string longName(5000, 'T');
    dir.Write("mouse.ini", "\xEF\xBB\xBF[one]\rename=First\rform=TNoParamForm\rscript=plain\r"
                           "[two]\rename=" + longName + "\rform=TNoParamForm\rscript=plain\r"
                           "[ONE]\rename=Repeat\rform=TMouseForm3\rscript=other\r");
    dir.Write("plain.dat", "h\r\nh\r\n<p>plain</p>\r\n");

    const CliResult list = RunCli({"--dir", dir.Path(), "list", "mouse"});
    ASSERT_EQ(list.status, 0) << list.err;
    const std::string cut(2047, 'T');
    // A repeated section is listed again and reads as the first of its name.
    EXPECT_EQ(list.out, "0\tFirst\tTNoParamForm\tplain\n1\t" + cut + "\tTNoParamForm\tplain\n2\tFirst\tTNoParamForm\tplain\n");

    const CliResult page = RunCli({"--dir", dir.Path(), "generate", "mouse", "1", "--preview"});
    ASSERT_EQ(page.status, 0) << page.err;
    EXPECT_EQ(dir.Read("temp.htm"), PreviewBytes(cut, {"<p>plain</p>"}));
    const CliResult repeat = RunCli({"--dir", dir.Path(), "generate", "mouse", "2", "--show", "raw"});
    EXPECT_EQ(repeat.status, 0) << repeat.err;
    EXPECT_EQ(repeat.out, "h\nh\n<p>plain</p>\n");
}

TEST(CliBadInput, EmptyHugeAndBinaryCataloguesNeverCrashTheGenerator) {
    TempDir dir;
    dir.Write("menu.ini", "");
    std::string huge;
    for (int i = 0; i < 100000; ++i) huge += "[s" + std::to_string(i) + "]\nename=e" + std::to_string(i) + "\nform=TNoParamForm\nscript=p\n";
    dir.Write("mouse.ini", huge);
    dir.Write("p.dat", "h\nh\nbody\n");
    std::string binary = Bytes(200000, 7);
    for (std::size_t i = 0; i < binary.size(); i += 997) binary.insert(i, "\n[b" + std::to_string(i) + "]\nform=TNoParamForm\nscript=p\n");
    dir.Write("other.ini", binary);

    // Empty: nothing listed, and no entry to generate.
    CliResult r = RunCli({"--dir", dir.Path(), "list", "menu"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    r = RunCli({"--dir", dir.Path(), "generate", "menu", "0"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("no entry '0'"), std::string::npos) << r.err;

    // 100,000 sections: the list stops at the reader's limit (the last name
    // listed may be cut short there); the last whole one generates.
    r = RunCli({"--dir", dir.Path(), "list", "mouse"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto listed = static_cast<std::size_t>(std::count(r.out.begin(), r.out.end(), '\n'));
    EXPECT_GT(listed, 1000u);
    EXPECT_LT(listed, 100000u);
    r = RunCli({"--dir", dir.Path(), "generate", "mouse", std::to_string(listed - 2), "--show", "page"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("<title>e" + std::to_string(listed - 2) + "</title>"), std::string::npos);

    // Binary bytes between sections: every listed entry ends in success or a reported failure.
    r = RunCli({"--dir", dir.Path(), "list", "other"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto entries = static_cast<int>(std::count(r.out.begin(), r.out.end(), '\n'));
    EXPECT_GT(entries, 100);
    for (int i = 0; i < entries; i += 17) {
        const CliResult g = RunCli({"--dir", dir.Path(), "generate", "other", std::to_string(i), "--preview"});
        EXPECT_TRUE(Exited(g)) << "entry " << i << " status " << g.status << ": " << g.err;
        if (g.status != 0) {
            EXPECT_FALSE(g.err.empty()) << "entry " << i;  // no silent failure
        }
    }
}

TEST(CliBadInput, ScriptBytesInAnyEncodingComeOutByteForByte) {
    TempDir dir;
    const std::string gbk = "<p>\xC4\xE3\xBA\xC3\xA3\xAC\xCA\xC0\xBD\xE7</p>";        // GBK
    const std::string latin1 = "<p>caf\xE9 \xFC\xDF \xA9 \xFF\xFE</p>";                  // Latin-1
    std::string high;                                                                   // every other byte value
    for (int c = 1; c < 256; ++c) {
        if (c != '\r' && c != '\n') high += static_cast<char>(c);
    }
    dir.Write("mouse.ini", "[a]\nename=\xD6\xD0\xCE\xC4\nform=TNoParamForm\nscript=enc\n"
                           "[b]\nename=\xD6\xD0\xCE\xC4\nform=TNoParamForm\nscript=nobreak\n");
    dir.Write("enc.dat", "h\r\nh\r\n" + gbk + "\n" + latin1 + "\r" + high + "\r\n");
    dir.Write("nobreak.dat", "h\r\nh\r\n" + gbk + "\n" + latin1 + "\r" + high);

    const std::string expected = PreviewBytes("\xD6\xD0\xCE\xC4", {gbk, latin1, high});
    for (const char* entry : {"0", "1"}) {  // with and without a final line break
        const CliResult r = RunCli({"--dir", dir.Path(), "generate", "mouse", entry, "--preview", "--show", "page"});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(dir.Read("temp.htm"), expected) << "entry " << entry;
        std::string shown = expected;  // standard output: the same lines, LF ends
        for (std::size_t p = 0; (p = shown.find("\r\n", p)) != std::string::npos;) shown.erase(p, 1);
        EXPECT_EQ(r.out, shown) << "entry " << entry;
    }
}

TEST(CliBadInput, EmptyNulOnlyBinaryAndFiftyMegabyteScripts) {
    TempDir dir;
    dir.Write("mouse.ini",
              "[empty]\nform=TNoParamForm\nscript=empty\n[nul]\nform=TNoParamForm\nscript=nul\n"
              "[empty speed]\nform=TMouseForm3\nscript=empty\n[nul speed]\nform=TMouseForm3\nscript=nul\n"
              "[binary]\nform=TNoParamForm\nscript=binary\n[big]\nename=Big\nform=TNoParamForm\nscript=big\n");
    dir.Write("empty.dat", "");
    dir.Write("nul.dat", std::string(1 << 20, '\0') + "after the NUL\n");
    dir.Write("binary.dat", Bytes(1 << 20, 11));

    // No lines: the parameterless form shows the header alone, a template fails by index.
    for (const char* entry : {"0", "1"}) {
        const CliResult r = RunCli({"--dir", dir.Path(), "generate", "mouse", entry});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, std::string(kHeaderComment) + "\n\n");
    }
    for (const char* entry : {"2", "3"}) {
        const CliResult r = RunCli({"--dir", dir.Path(), "generate", "mouse", entry, "--preview"});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "List index out of bounds (4)\n" + dir.File(std::string(entry) == "2" ? "empty.dat" : "nul.dat") + "\n");
    }
    const CliResult binary = RunCli({"--dir", dir.Path(), "generate", "mouse", "4", "--preview"});
    EXPECT_EQ(binary.status, 0) << binary.err;

    // 50 MB of script: the whole page reaches the preview file.
    std::string big = "h\nh\n";
    std::string code;
    std::size_t lines = 0;
    while (big.size() < (50u << 20)) {
        const std::string line = "document.write('" + std::to_string(lines++) + " \xC4\xE3');";
        big += line + "\n";
        code += line + "\r\n";
    }
    dir.Write("big.dat", big);
    const CliResult r = RunCli({"--dir", dir.Path(), "generate", "mouse", "5", "--preview", "--show", "raw"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, big);
    const std::string page = dir.Read("temp.htm");
    const std::string head = PreviewBytes("Big", {});
    const std::string tail = "</Body>\r\n</Html>\r\n";
    ASSERT_EQ(page.size(), head.size() + code.size());
    EXPECT_EQ(page.compare(0, head.size() - tail.size(), head, 0, head.size() - tail.size()), 0);
    EXPECT_EQ(page.compare(head.size() - tail.size(), code.size(), code), 0);
    EXPECT_EQ(page.substr(page.size() - tail.size()), tail);
}

// Runs a command line with the program directory made read-only for it:
// as root, which writes through file modes, a read-only bind mount in a
// mount namespace of its own; otherwise the folder's write bits are taken.
// Either way the folder is first shown to refuse a new file.
std::string ReadOnlyPrefix(const TempDir& dir) {
    if (geteuid() != 0) {
        fs::permissions(dir.Path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        return "sh -c 'if touch \"$0/probe\" 2>/dev/null; then exit 97; fi; exec \"$@\"' " + ShellQuote(dir.Path()) + " ";
    }
    return "unshare -m sh -c 'mount --bind \"$0\" \"$0\" && mount -o remount,bind,ro \"$0\" || exit 98; "
           "if touch \"$0/probe\" 2>/dev/null; then exit 97; fi; exec \"$@\"' " +
           ShellQuote(dir.Path()) + " ";
}

TEST(CliBadInput, ReadOnlyProgramDirectoryPreviewsFromTheUserFolderAndLosesNothing) {
    TempDir dir;
    fs::copy(ZENTRAVA_FIXTURES_DIR "/basic", dir.Path(), fs::copy_options::recursive);
    fs::create_directories(dir.File("image"));
    dir.Write("image/Dog.jpg", "not really a dog");
    dir.Write("temp.htm", "the last page previewed\r\n");
    std::vector<std::pair<std::string, std::string>> before;
    for (const auto& f : fs::recursive_directory_iterator(dir.Path())) {
        if (f.is_regular_file()) before.emplace_back(f.path().string(), dir.Read(fs::relative(f.path(), dir.Path()).string()));
    }
    const std::string prefix = ReadOnlyPrefix(dir);
    TempDir user;
    const auto withCache = [&](const std::string& cache) { return "env XDG_CACHE_HOME=" + ShellQuote(cache) + " " + prefix; };

    // Generating without a preview needs no writing and still works.
    const CliResult plain = RunCli({"--dir", dir.Path(), "generate", "other", "0"}, withCache(user.Path()));
    ASSERT_NE(plain.status, 97) << "the folder could still be written: the test proves nothing";
    ASSERT_NE(plain.status, 98) << "could not make the folder read-only: " << plain.err;
    EXPECT_EQ(plain.status, 0) << plain.err;
    EXPECT_NE(plain.out.find("bookmarkit"), std::string::npos);

    // The preview file goes to the user's folder, where the program's folders are reached as beside the program.
    const CliResult preview =
        RunCli({"--dir", dir.Path(), "generate", "other", "0", "--preview", "--show", "page"}, withCache(user.Path()));
    EXPECT_EQ(preview.status, 0) << preview.err;
    std::string page = preview.out;
    for (std::size_t p = 0; (p = page.find('\n', p)) != std::string::npos; p += 2) page.replace(p, 1, "\r\n");
    EXPECT_EQ(user.Read("zentrava/temp.htm"), page);
    EXPECT_EQ(user.Read("zentrava/image/Dog.jpg"), "not really a dog");

    // Neither folder can be written: the error names the file last tried, and nothing generated is lost.
    const std::string locked = dir.File("cache");  // inside the read-only program directory
    const CliResult failed = RunCli({"--dir", dir.Path(), "generate", "other", "0", "--preview"}, withCache(locked));
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.out.find("bookmarkit"), std::string::npos);
    EXPECT_EQ(failed.err, "Cannot create file " + locked + "/zentrava/temp.htm.\nRead-only file system\n");

    // Nothing in the program directory changed: the last preview file and the library are as they were.
    std::size_t count = 0;
    for (const auto& f : fs::recursive_directory_iterator(dir.Path())) {
        if (!f.is_regular_file()) continue;
        ++count;
        const std::string name = fs::relative(f.path(), dir.Path()).string();
        auto was = std::find_if(before.begin(), before.end(), [&](const auto& b) { return b.first == f.path().string(); });
        ASSERT_NE(was, before.end()) << "new file " << name;
        EXPECT_EQ(dir.Read(name), was->second) << name;
    }
    EXPECT_EQ(count, before.size());
}

TEST(CliBadInput, FullDiskFailsThePreviewAndLeavesNoPartialPage) {
    // A 64 KiB tmpfs in a mount namespace of its own (user namespace too when not root).
    TempDir dir;
    const std::string ini = dir.Write("other.ini", "[fav]\nename=Fav\nform=TOtherForm1\n");
    const std::string mount = dir.File("small");
    fs::create_directory(mount);
    const std::string prefix = std::string(geteuid() == 0 ? "unshare -m" : "unshare -r -m") +
                               " sh -c 'mount -t tmpfs -o size=64k tmpfs \"$0\" || exit 98; cp \"$1\" \"$0\"/ || exit 98; "
                               "shift; \"$@\"; s=$?; if [ -e \"$0/temp.htm\" ]; then exit 96; fi; exit $s' " +
                               ShellQuote(mount) + " " + ShellQuote(ini) + " ";
    const std::string text(30000, 'x');  // three of them make a page bigger than the disk
    const CliResult r = RunCli({"--dir", mount, "generate", "other", "0", "--set", "FlatEdit48=" + text, "--set",
                                "FlatEdit49=" + text, "--set", "FlatEdit50=" + text, "--preview"},
                               prefix);
    if (r.status == 98) GTEST_SKIP() << "no mount namespace here for a small disk: " << r.err;
    EXPECT_NE(r.status, 96) << "a partly written preview file was left behind";
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.out, "");
    EXPECT_EQ(r.err, "Cannot create file " + mount + "/temp.htm.\nNo space left on device\n");
}

}  // namespace
