// Files as an attacker or a careless user would arrange them: planted links,
// folders of another user, devices and FIFOs, links that lead elsewhere,
// files already there. zentrava-cli runs for real; where the test runs as
// root, the other user is `nobody`.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "cli_runner.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using zentrava::testing::CliResult;
using zentrava::testing::RunCli;
using zentrava::testing::RunShell;
using zentrava::testing::ShellQuote;
using zentrava::testing::TempDir;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// A program directory with a page that shows a picture and a cursor.
struct ProgramDir : TempDir {
    ProgramDir() {
        fs::copy(ZENTRAVA_FIXTURES_DIR "/basic", Path(), fs::copy_options::recursive);
        Write("image/Dog.jpg", "dog");
        Write("Image/arrow.cur", "cursor");
        Write("pics.dat", "h\r\nh\r\n<img src=\"image\\Dog.jpg\"><p style=\"cursor:url(Image/arrow.cur)\">\r\n");
        Write("page.ini", "[p]\nename=Pictures\nform=TNoParamForm\nscript=pics\n");
    }
};

// Another user's id, or nothing when only root can act as one.
std::optional<std::pair<uid_t, gid_t>> Nobody() {
    if (geteuid() != 0) return std::nullopt;
    const passwd* pw = getpwnam("nobody");
    if (!pw) return std::nullopt;
    return std::make_pair(pw->pw_uid, pw->pw_gid);
}

void GiveToNobody(const std::string& path) {
    const auto nobody = Nobody();
    ASSERT_TRUE(nobody.has_value());
    ASSERT_EQ(lchown(path.c_str(), nobody->first, nobody->second), 0) << path;
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

// The files below a folder, links and special files included.
std::vector<std::string> Listing(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& item : fs::recursive_directory_iterator(dir, ec)) names.push_back(fs::relative(item.path(), dir).string());
    std::sort(names.begin(), names.end());
    return names;
}

// A time limit (a FIFO that is waited for) and a memory limit (a device
// read without end) around the command; the sanitizers need all the
// address space they reserve, and run only the fixed program.
std::string Limited() {
    return kSanitized ? "timeout 20 " : "sh -c 'ulimit -v 4000000; exec timeout 20 \"$@\"' limited ";
}

// The other user plants links under the names the next few hundred
// processes would use for their scratch files, all leading to a file of the
// user's own: it must stay as it was.
TEST(SafeFilesCli, PlantedLinksUnderScratchNamesAreNeverFollowed) {
    ProgramDir dir;
    TempDir place;
    const std::string shared = place.File("shared");
    fs::create_directory(shared);
    chmod(shared.c_str(), 0777);  // a folder everyone may write
    const std::string victim = place.Write("victim", "the user's own file\n");
    chmod(victim.c_str(), 0600);
    int next = 0;
    std::ifstream("/proc/sys/kernel/ns_last_pid") >> next;
    for (int pid = next; pid < next + 400; ++pid) {
        for (const char* name : {"p.html", "image/Dog.jpg", "Image/arrow.cur"}) {
            const std::string link = shared + "/" + name + ".part-" + std::to_string(pid);
            fs::create_directories(fs::path(link).parent_path());
            chmod(fs::path(link).parent_path().c_str(), 0777);
            fs::create_symlink(victim, link);
            if (Nobody()) GiveToNobody(link);
        }
    }
    const CliResult r = RunCli({"--dir", dir.Path(), "generate", "page", "0", "--save", shared + "/p.html"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(place.Read("victim"), "the user's own file\n");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(shared + "/p.html")));
    EXPECT_NE(place.Read("shared/p.html").find("Dog.jpg"), std::string::npos);
    EXPECT_EQ(place.Read("shared/image/Dog.jpg"), "dog");
    // Only our own scratch files were removed: the planted links are still there.
    EXPECT_TRUE(fs::is_symlink(shared + "/p.html.part-" + std::to_string(next + 5)));
}

// A device, a FIFO, a folder or "/" is no page: nothing is written, not even the pictures.
TEST(SafeFilesCli, OnlyARegularFileOrANewNameIsATarget) {
    ProgramDir dir;
    TempDir out;
    const std::string device = out.File("null");
    const bool haveDevice = mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    const std::string fifo = out.File("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directory(out.File("folder"));
    struct Case {
        std::string target, entry, reason;
    };
    std::vector<Case> cases = {{fifo, "0", "Not a regular file"},
                               {out.File("folder"), "0", "Is a directory"},
                               {"/", "Plain", "Is a directory"}};  // a page without pictures: nothing lands in /
    if (haveDevice) cases.push_back({device, "0", "Not a regular file"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        const std::vector<std::string> before = Listing(out.Path());
        const CliResult r = RunCli({"--dir", dir.Path(), "generate", c.entry == "Plain" ? "mouse" : "page", c.entry,
                                    "--save", c.target},
                                   Limited());
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_EQ(r.err, "Cannot create file " + c.target + ".\n" + c.reason + "\n");
        EXPECT_EQ(Listing(out.Path()), before);
    }
    EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));
    if (haveDevice) {
        EXPECT_TRUE(S_ISCHR(ModeOf(device)));
    }
    EXPECT_FALSE(fs::exists("/image/Dog.jpg"));
}

// The user's own files beside the page are replaced only with --force; an
// identical one is no conflict; copies keep their mode; a missing folder is made.
TEST(SafeFilesCli, FilesAlreadyThereAreReplacedOnlyWhenForced) {
    ProgramDir dir;
    chmod(dir.File("image/Dog.jpg").c_str(), 0640);
    TempDir out;
    out.Write("site/p.html", "the user's page");
    out.Write("site/image/Dog.jpg", "the user's own dog");
    out.Write("site/Image/arrow.cur", "cursor");  // the same bytes: not in the way
    const std::vector<std::string> args = {"--dir", dir.Path(), "generate", "page", "0", "--save", out.File("site/p.html")};
    const CliResult refused = RunCli(args);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find("Dog.jpg"), std::string::npos);  // the view is still printed
    EXPECT_EQ(refused.err, "zentrava-cli: these files are there already; --force replaces them:\n  " +
                               out.File("site/p.html") + "\n  " + out.File("site/image/Dog.jpg") + "\n");
    EXPECT_EQ(out.Read("site/p.html"), "the user's page");
    EXPECT_EQ(out.Read("site/image/Dog.jpg"), "the user's own dog");

    std::vector<std::string> forced = args;
    forced.push_back("--force");
    const CliResult r = RunCli(forced);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(out.Read("site/image/Dog.jpg"), "dog");
    EXPECT_EQ(ModeOf(out.File("site/image/Dog.jpg")) & 0777, 0640u);
    EXPECT_EQ(RunCli(args).status, 0);  // everything there is the same now

    // A new folder, with or without pictures; a name as long as the system allows.
    EXPECT_EQ(RunCli({"--dir", dir.Path(), "generate", "mouse", "Plain", "--save", out.File("new/sub/p.html")}).status, 0);
    EXPECT_TRUE(fs::is_regular_file(out.File("new/sub/p.html")));
    const std::string longName = std::string(250, 'n') + ".html";
    const CliResult longSave = RunCli({"--dir", dir.Path(), "generate", "page", "0", "--save", out.File(longName)});
    EXPECT_EQ(longSave.status, 0) << longSave.err;
    EXPECT_TRUE(fs::is_regular_file(out.File(longName)));
}

// Links in the program directory or in the target's folder lead nowhere else.
TEST(SafeFilesCli, LinksDoNotLeadCopiesOutsideTheirFolders) {
    ProgramDir dir;
    TempDir elsewhere;
    const std::string secret = elsewhere.Write("secret.txt", "secret");
    fs::remove(dir.File("image/Dog.jpg"));
    fs::create_symlink(secret, dir.File("image/Dog.jpg"));
    TempDir out;
    fs::create_directories(out.File("site"));
    fs::create_directory_symlink(elsewhere.Path(), out.File("site/Image"));
    const CliResult r = RunCli({"--dir", dir.Path(), "generate", "page", "0", "--save", out.File("site/p.html")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("warning: image/Dog.jpg leads outside"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("warning: Image/arrow.cur leads outside"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(out.File("site/image/Dog.jpg")));
    EXPECT_FALSE(fs::exists(elsewhere.File("arrow.cur")));
    EXPECT_TRUE(fs::is_regular_file(out.File("site/p.html")));
}

// Run as root for a user whose program directory is read-only: the per-user
// preview folder must be the user's own and private.
TEST(SafeFilesCli, PerUserPreviewFolderMustBeTheUsersOwn) {
    if (!Nobody()) GTEST_SKIP() << "needs root, to act as nobody and to make a read-only program directory";
    ProgramDir dir;
    TempDir home;
    const std::string readOnly =
        "unshare -m sh -c 'mount --bind \"$0\" \"$0\" && mount -o remount,bind,ro \"$0\" || exit 98; exec \"$@\"' " +
        ShellQuote(dir.Path()) + " ";
    const auto preview = [&](const std::string& cache) {
        return RunCli({"--dir", dir.Path(), "generate", "mouse", "Plain", "--preview"},
                      "env XDG_CACHE_HOME=" + ShellQuote(cache) + " " + readOnly);
    };
    // A cache folder others can write, or another user's.
    const std::string open = home.File("open");
    fs::create_directory(open);
    chmod(open.c_str(), 0777);
    const std::string theirs = home.File("theirs");
    fs::create_directory(theirs);
    GiveToNobody(theirs);
    // A "zentrava" link of another user's, into a folder of the user's own.
    const std::string planted = home.File("planted");
    fs::create_directories(planted);
    chmod(planted.c_str(), 0700);
    const std::string target = home.File("target");
    fs::create_directory(target);
    fs::create_directory_symlink(target, planted + "/zentrava");
    GiveToNobody(planted + "/zentrava");
    for (const std::string& cache : {open, theirs, planted}) {
        SCOPED_TRACE(cache);
        const CliResult r = preview(cache);
        ASSERT_NE(r.status, 98) << "no read-only program directory here: " << r.err;
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "Cannot create file " + cache + "/zentrava/temp.htm.");
        EXPECT_NE(r.err.find('\n'), r.err.size() - 1) << "no reason given";
    }
    EXPECT_FALSE(fs::exists(open + "/zentrava"));
    EXPECT_FALSE(fs::exists(theirs + "/zentrava"));
    EXPECT_TRUE(Listing(target).empty());

    // A fresh cache folder: made private, the page in it.
    const std::string fresh = home.File("fresh/cache");
    const CliResult r = preview(fresh);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ModeOf(fresh + "/zentrava") & 0777, 0700u);
    EXPECT_EQ(ModeOf(fresh) & 0777, 0700u);
    EXPECT_TRUE(fs::is_regular_file(fresh + "/zentrava/temp.htm"));
}

TEST(SafeFilesCli, GalleryWritesOnlyIntoAnEmptyFolderOrItsOwn) {
    ProgramDir dir;
    TempDir out;
    out.Write("index.html", "the user's own index");
    const CliResult refused = RunCli({"--dir", dir.Path(), "gallery", out.Path()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("--force"), std::string::npos) << refused.err;
    EXPECT_EQ(out.Read("index.html"), "the user's own index");
    EXPECT_EQ(Listing(out.Path()), std::vector<std::string>{"index.html"});

    TempDir empty;
    EXPECT_EQ(RunCli({"--dir", dir.Path(), "gallery", empty.Path()}).status, 1);  // the fixture's failing entries
    EXPECT_NE(empty.Read("index.html").find("Pictures"), std::string::npos);
    empty.Write("index.html", "old");
    RunCli({"--dir", dir.Path(), "gallery", empty.Path()});  // its own folder: written again
    EXPECT_NE(empty.Read("index.html").find("Pictures"), std::string::npos);

    RunCli({"--dir", dir.Path(), "gallery", out.Path(), "--force"});
    EXPECT_NE(out.Read("index.html").find("Pictures"), std::string::npos);
}

// FIFOs and devices named as catalogues or script files are refused at
// once, names that climb out of the program directory are refused, and
// what is cut short silently is said.
TEST(SafeFilesCli, OddDataFilesAreRefusedOrSaid) {
    ProgramDir dir;
    fs::remove(dir.File("other.ini"));
    ASSERT_EQ(mkfifo(dir.File("other.ini").c_str(), 0600), 0);
    fs::remove(dir.File("mouse.ini"));
    fs::create_symlink("/dev/zero", dir.File("mouse.ini"));
    const std::string other = dir.File("other.ini") + " cannot be read: Not a regular file\n";
    const std::string mouse = dir.File("mouse.ini") + " cannot be read: Not a regular file\n";
    const CliResult list = RunCli({"--dir", dir.Path(), "list", "other"}, Limited());
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.err, "zentrava-cli: " + other);
    const CliResult zero = RunCli({"--dir", dir.Path(), "list", "mouse"}, Limited());
    EXPECT_EQ(zero.err, "zentrava-cli: " + mouse);
    const CliResult find = RunCli({"--dir", dir.Path(), "find", "Pictures"}, Limited());
    EXPECT_EQ(find.status, 0);
    EXPECT_NE(find.err.find(other), std::string::npos) << find.err;
    EXPECT_NE(find.err.find(mouse), std::string::npos) << find.err;
    TempDir out;
    const CliResult gallery = RunCli({"--dir", dir.Path(), "gallery", out.File("g")}, Limited());
    EXPECT_EQ(gallery.status, 0) << gallery.err;
    EXPECT_NE(gallery.err.find(other), std::string::npos) << gallery.err;

    // Script files: a FIFO, a device, a name outside the program directory, a NUL.
    fs::remove(dir.File("mouse.ini"));
    fs::remove(dir.File("other.ini"));
    ASSERT_EQ(mkfifo(dir.File("fifo.dat").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir.File("zero.dat"));
    dir.Write("../outside.dat", "h\nh\n<script>alert('outside')</script>\n");
    dir.Write("nul.dat", std::string("h\nh\nshown\n\0hidden\n", 19));
    dir.Write("other.ini", "[a]\nename=Fifo\nform=TNoParamForm\nscript=fifo\n[b]\nename=Zero\nform=TNoParamForm\nscript=zero\n"
                           "[c]\nename=Out\nform=TNoParamForm\nscript=../outside\n[d]\nename=Nul\nform=TNoParamForm\nscript=nul\n");
    for (const char* entry : {"0", "1"}) {
        const CliResult r = RunCli({"--dir", dir.Path(), "generate", "other", entry}, Limited());
        EXPECT_EQ(r.status, 1) << entry;
        EXPECT_EQ(r.err, "Cannot open file " + dir.File(entry[0] == '0' ? "fifo.dat" : "zero.dat") +
                             ".\nNot a regular file\n");
    }
    const CliResult out1 = RunCli({"--dir", dir.Path(), "generate", "other", "2"});
    EXPECT_EQ(out1.status, 1);
    EXPECT_EQ(out1.out, "");
    EXPECT_NE(out1.err.find("leads outside the program directory"), std::string::npos) << out1.err;
    const CliResult nul = RunCli({"--dir", dir.Path(), "generate", "other", "3"});
    EXPECT_EQ(nul.status, 0);
    EXPECT_EQ(nul.out.find("hidden"), std::string::npos);
    EXPECT_EQ(nul.err, "zentrava-cli: warning: " + dir.File("nul.dat") + " holds a NUL character; the script ends there\n");

    // A catalogue whose section names pass the list limit: the classic list, and a warning.
    std::string big;
    for (int i = 0; i < 2000; ++i) big += "[entry number " + std::to_string(i) + "]\nename=E" + std::to_string(i) + "\n";
    dir.Write("time.ini", big);
    const CliResult cut = RunCli({"--dir", dir.Path(), "list", "time"});
    EXPECT_EQ(cut.status, 0);
    EXPECT_NE(cut.err.find("warning: " + dir.File("time.ini") + " lists more sections than fit"), std::string::npos)
        << cut.err;
    EXPECT_NE(cut.out.find("\tE900\t"), std::string::npos);
    EXPECT_EQ(cut.out.find("\tE1999\t"), std::string::npos);
}

TEST(SafeFilesCli, ValuesThatWouldBreakThePage) {
    ProgramDir dir;
    for (const char* set : {"sSpinEdit1=", "sSpinEdit1=abc", "sSpinEdit1=1,2"}) {
        const CliResult r = RunCli({"--dir", dir.Path(), "generate", "mouse", "Orbit", "--set", set});
        EXPECT_EQ(r.status, 2) << set;
        EXPECT_NE(r.err.find("takes a number"), std::string::npos) << r.err;
    }
    EXPECT_EQ(RunCli({"--dir", dir.Path(), "generate", "mouse", "Message", "--set", "ComboBox1=big"}).status, 2);
    EXPECT_EQ(RunCli({"--dir", dir.Path(), "generate", "mouse", "Orbit", "--set", "sSpinEdit1=-2.5"}).status, 0);

    // In a shipped script the text lands inside the script element.
    const CliResult tag = RunCli({"generate", "mouse", "Text following the mouse", "--set", "FlatEdit3=a</SCRIPT>b"});
    EXPECT_EQ(tag.status, 0);
    EXPECT_NE(tag.err.find("warning: FlatEdit3: "), std::string::npos) << tag.err;
    EXPECT_NE(tag.err.find("With escapes: a<\\/SCRIPT>b"), std::string::npos) << tag.err;
}

TEST(SafeFilesCli, ADeletedWorkingDirectoryIsAClearError) {
    ProgramDir dir;
    TempDir place;
    const CliResult r = RunShell("cd " + ShellQuote(place.Path()) + " && mkdir gone && cd gone && rmdir ../gone && " +
                                 ShellQuote(ZENTRAVA_CLI) + " --dir " + ShellQuote(dir.Path()) +
                                 " generate mouse Plain --save p.html");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("working directory"), std::string::npos) << r.err;
}

}  // namespace
