// Effects inserted into users' own pages: every page of the host corpus
// takes, replaces and gives back blocks byte for byte.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "catalogue/plugin.h"
#include "errors.h"
#include "output/insert_effect.h"
#include "output/insert_page.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace zentrava {
namespace {

const std::string kData = ZENTRAVA_DATA_DIR;
const fs::path kHosts = fs::path(ZENTRAVA_FIXTURES_DIR) / "hosts";

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What follows each part once inserted: the head block, then the body block.
struct Host {
    const char* file;
    const char* afterHead;
    const char* afterBody;  // "" for the end of the page
};

const Host kCorpus[] = {
    {"basic.html", "</head>", "</body>"},
    {"crlf.html", "</head>", "</body>"},
    {"bom.html", "</head>", "</body>"},
    {"gbk.html", "</head>", "</body>"},
    {"gbk-meta-charset.html", "</head>", "</body>"},
    {"latin1.html", "</head>", "</body>"},
    {"no-head-body.html", "<p>Just", ""},
    {"text-only.html", "Hello world", ""},
    {"empty.html", "<!-- zentrava:begin t ", ""},
    {"upper.html", "</HEAD>", "</BODY>"},
    {"body-in-script-string.html", "</head>\n<body>", "</body>\n</html>"},
    {"body-in-comment.html", "</head>", "</body>\n</html>"},
    {"minified.html", "</head><body>", "</body></html>"},
    {"own-onload.html", "</head>", "</body>"},
    {"own-body-onload.html", "</head>", "</body>"},
    {"marker.html", "</head>", "    <!-- zentrava -->\n<footer>"},
    {"tabs.html", "\t</head>", "\t</body>"},
    {"doctype-comment.html", "</head>", "</body>"},
    {"textarea.html", "</head>\n<body>", "</body>\n</html>"},
    {"unclosed.html", "<body>", ""},
    {"head-only.html", "</head><!-- zentrava:begin t ", "</html>"},
    {"style-attrs.html", "</head>", "</BODY >"},
    {"no-eol.html", "</head>", "</body>\n</html>"},
    {"body-text-first.html", "Text straight", ""},
    {"noscript.html", "</head>", "</body>\n</html>"},
};

const Recipe kRecipe{"text", "Typewriter text", {{RecipeChange::Set, "Edit1", "a --> b"}}};
const EffectParts kParts{{"<style>.zx { color: red }</style>"}, {"<div class=\"zx\">café</div>", "<script>var zx = 1;</script>"}};

// The page after the nth (from 0) end line of block t.
std::string Following(const std::string& page, int nth) {
    const std::string endLine = "<!-- zentrava:end t -->";
    std::size_t at = page.find(endLine);
    for (int k = 0; k < nth && at != std::string::npos; ++k) at = page.find(endLine, at + 1);
    if (at == std::string::npos) return "(missing)";
    std::size_t from = at + endLine.size();
    if (page.compare(from, 2, "\r\n") == 0) from += 2;
    else if (from < page.size() && page[from] == '\n') ++from;
    return page.substr(from);
}

TEST(InsertPage, CorpusPlacesAndRoundTrips) {
    std::set<std::string> listed;
    for (const Host& host : kCorpus) {
        SCOPED_TRACE(host.file);
        listed.insert(host.file);
        const std::string page = ReadBytes(kHosts / host.file);
        const std::string once = InsertBlocks(page, "t", kRecipe, kParts);
        // Each part stands where a browser puts it.
        EXPECT_EQ(Following(once, 0).rfind(host.afterHead, 0), 0u) << Following(once, 0);
        EXPECT_EQ(Following(once, 1).rfind(host.afterBody, 0), 0u) << Following(once, 1);
        EXPECT_EQ(Following(once, 2), "(missing)");
        // Nothing outside the blocks changes.
        EXPECT_EQ(RemoveBlocks(once, "t"), page);
        EXPECT_EQ(InsertBlocks(once, "t", kRecipe, kParts), once);
        const std::string two = InsertBlocks(once, "u", {"time", "Digital clock", {}}, kParts);
        EXPECT_EQ(RemoveBlocks(RemoveBlocks(two, "t"), "u"), page);
        EXPECT_EQ(RemoveBlocks(RemoveBlocks(two, "u"), "t"), page);
        const std::vector<PageBlock> blocks = ListBlocks(two);
        ASSERT_EQ(blocks.size(), 2u);
        EXPECT_EQ(blocks[0].recipe, kRecipe);
        EXPECT_EQ(blocks[0].starts.size(), 2u);
        // The page's line ends, byte order mark and indentation.
        if (page.find("\r\n") != std::string::npos) {
            for (std::size_t at = 0; (at = once.find('\n', at)) != std::string::npos; ++at) {
                ASSERT_EQ(once[at - 1], '\r');
            }
        }
        EXPECT_EQ(once.substr(0, 3) == "\xEF\xBB\xBF", page.substr(0, 3) == "\xEF\xBB\xBF");
        if (std::string(host.afterBody).rfind("\t", 0) == 0) {
            EXPECT_NE(once.find("\t<!-- zentrava:begin t "), std::string::npos);
        }
    }
    // Every page of the corpus has its row.
    std::size_t files = 0;
    for (const auto& f : fs::directory_iterator(kHosts)) {
        ++files;
        EXPECT_TRUE(listed.count(f.path().filename().string())) << f.path();
    }
    EXPECT_GE(files, 20u);
}

TEST(InsertPage, BlockTextInThePagesCharset) {
    struct Row {
        const char* file;
        std::string expected;  // the body text as the page holds it
    };
    for (const Row& row : {Row{"gbk.html", "\xC4\xE3\xBA\xC3 caf\xA8\xA6"}, Row{"gbk-meta-charset.html", "\xC4\xE3\xBA\xC3"},
                           Row{"basic.html", "你好 café"}, Row{"bom.html", "你好 café"}}) {
        SCOPED_TRACE(row.file);
        const std::string once = InsertBlocks(ReadBytes(kHosts / row.file), "t", kRecipe, {{}, {"你好 café"}});
        EXPECT_NE(once.find(row.expected), std::string::npos);
    }
    const std::string latin = InsertBlocks(ReadBytes(kHosts / "latin1.html"), "t", kRecipe, {{}, {"café"}});
    EXPECT_NE(latin.find("caf\xE9"), std::string::npos);
    // A character the charset lacks, an unknown charset, UTF-16: said, not mangled.
    EXPECT_THROW(InsertBlocks(ReadBytes(kHosts / "gbk.html"), "t", kRecipe, {{}, {"\xF0\x9F\x98\x80"}}), EngineError);
    EXPECT_THROW(InsertBlocks("<meta charset=\"x-no-such\">", "t", kRecipe, kParts), EngineError);
    EXPECT_THROW(InsertBlocks(std::string("\xFF\xFE<\0p\0>\0", 8), "t", kRecipe, kParts), EngineError);
    EXPECT_EQ(PageCharset("<META HTTP-EQUIV=Content-Type CONTENT='text/html; charset=Big5'>"), "big5");
}

TEST(InsertPage, RecipesKeepEveryValue) {
    const std::string values[] = {"", "-->", "--!>", "<!--", "a b\tc\r\nd", "100%", "x=y:z", "中文 & \"quoted\"",
                                  std::string("nul\0byte", 8), "- -", "#FF0000"};
    Recipe recipe{"text", "Name with blanks -- and >", {}};
    for (const std::string& v : values) {
        recipe.changes.push_back({RecipeChange::Set, "Edit1", v});
        recipe.changes.push_back({RecipeChange::Add, "List-1", v + "\t" + v});
    }
    recipe.changes.push_back({RecipeChange::Clear, "List1", {}});
    const std::string text = EncodeRecipe(recipe);
    EXPECT_EQ(text.find("--"), std::string::npos);
    EXPECT_EQ(text.find_first_of("<>\r\n\t"), std::string::npos);
    EXPECT_EQ(DecodeRecipe(text), recipe);
    const std::string page = InsertBlocks("<body></body>", "t", recipe, kParts);
    EXPECT_EQ(ListBlocks(page).at(0).recipe, recipe);
    EXPECT_EQ(DecodeRecipe("category=text entry=x bogus"), std::nullopt);
    EXPECT_EQ(DecodeRecipe("category=text entry=x set:a=%G0"), std::nullopt);
    EXPECT_EQ(DecodeRecipe("entry=x"), std::nullopt);
}

TEST(InsertPage, NamesAndDamagedBlocks) {
    const std::string page = "<body>\n</body>\n";
    const Recipe other{"text", "Rainbow letters", {}};
    std::string p = InsertBlocks(page, DefaultBlockName(page, "type writer", kRecipe), kRecipe, kParts);
    EXPECT_EQ(ListBlocks(p).at(0).name, "type-writer");
    // The same recipe again replaces itself; another one is numbered.
    EXPECT_EQ(DefaultBlockName(p, "type writer", kRecipe), "type-writer");
    EXPECT_EQ(DefaultBlockName(p, "type writer", other), "type-writer-2");
    for (const char* bad : {"", "a b", "a-->", "x:head", "名字"}) {
        EXPECT_THROW(InsertBlocks(page, bad, kRecipe, kParts), EngineError) << bad;
    }
    EXPECT_THROW(RemoveBlocks(p, "absent"), EngineError);
    // A begin line whose end line was deleted by hand is said, not guessed.
    const std::string damaged = p.substr(0, p.rfind("<!-- zentrava:end"));
    EXPECT_THROW(ListBlocks(damaged), EngineError);
    EXPECT_THROW(InsertBlocks(damaged, "z", kRecipe, kParts), EngineError);
    // A block that no longer has a head part loses its head block.
    const std::string bodyOnly = InsertBlocks(p, "type-writer", kRecipe, {{}, {"<p>x</p>"}});
    EXPECT_EQ(ListBlocks(bodyOnly).at(0).starts.size(), 1u);
    EXPECT_EQ(RemoveBlocks(bodyOnly, "type-writer"), page);
}

TEST(InsertPage, ListenersKeepThePagesHandlers) {
    Tplugin entry;
    entry.onload = "init(&quot;a&quot;)";
    entry.onunload = "bye()";
    const std::vector<std::string> lines = ListenerLines(entry);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "window.addEventListener('load', function (event) { init(\"a\") });");
    EXPECT_EQ(lines[2], "window.addEventListener('pagehide', function (event) { bye() });");
    EXPECT_TRUE(ListenerLines(Tplugin{}).empty());
}

TEST(InsertPage, UnifiedDiffAppliesWithPatch) {
    testing::TempDir dir;
    for (const Host& host : kCorpus) {
        SCOPED_TRACE(host.file);
        const std::string page = ReadBytes(kHosts / host.file);
        const std::string after = InsertBlocks(page, "t", kRecipe, kParts);
        const std::string updated = InsertBlocks(after, "t", kRecipe, {{}, {"<p>other</p>", "<script>var zx = 1;</script>"}});
        for (const auto& [from, to] : {std::pair{page, after}, {after, updated}, {after, page}}) {
            dir.Write("old", from);
            dir.Write("diff", UnifiedDiff(from, to, "old", "new"));
            const std::string cmd = "patch -s -o " + dir.File("new") + " " + dir.File("old") + " < " + dir.File("diff");
            ASSERT_EQ(std::system(cmd.c_str()), 0) << UnifiedDiff(from, to, "old", "new");
            EXPECT_EQ(dir.Read("new"), to);
        }
    }
    EXPECT_EQ(UnifiedDiff("same\n", "same\n", "a", "b"), "");
}


// Real entries through real files: insert, update and insert again change
// nothing more, the backup is the page as it was, remove gives it back.
TEST(InsertPage, EntriesRoundTripThroughFiles) {
    const Recipe entries[] = {
        {"text", "Typewriter text", {{RecipeChange::Set, "FlatEdit27", "中文 — \"quoted\" </script-ish> --"}}},
        {"mouse", "Custom mouse cursor image", {}},
        {"image", "Picture revealed tile by tile", {}},
        {"menu", "Side menu bar that slides out", {}},
        {"page", "Message box when the page is left", {}},
    };
    for (const char* file : {"basic.html", "crlf.html", "gbk.html", "minified.html", "marker.html", "own-onload.html"}) {
        testing::TempDir dir;
        const std::string original = ReadBytes(kHosts / file);
        const std::string page = dir.Write("site/page.html", original);
        std::vector<std::string> names;
        for (const Recipe& recipe : entries) {
            SCOPED_TRACE(std::string(file) + " " + recipe.entry);
            const std::string before = ReadBytes(page);
            PageEdit edit = PlanInsert(kData, page, ResolveRecipe(kData, recipe), "");
            CarryOut(edit);
            names.push_back(edit.name);
            EXPECT_EQ(ReadBytes(page + ".bak"), before);
            EXPECT_EQ(ReadBytes(page), edit.after);
            EXPECT_EQ(ListBlocks(edit.after).back().recipe, recipe);
            // The menu's own lines set window.onload: the user is told.
            EXPECT_EQ(edit.notes.size(), recipe.category == "menu" ? 1u : 0u);
            // Once more, the same: nothing changes.
            EXPECT_EQ(PlanInsert(kData, page, ResolveRecipe(kData, recipe), "").after, edit.after);
        }
        EXPECT_TRUE(fs::is_regular_file(dir.File("site/Image/cur.ani")));
        const std::string full = ReadBytes(page);
        EXPECT_NE(full.find("window.addEventListener('load', function (event) { init() });"), std::string::npos);
        EXPECT_EQ(full.find("Please refresh to view effect</Body>"), std::string::npos);
        EXPECT_EQ(PlanUpdate(kData, page).after, full);
        for (const std::string& name : names) CarryOut(PlanRemove(page, name));
        EXPECT_EQ(ReadBytes(page), original) << file;
    }
}

TEST(InsertPage, ChosenPictureIsCopiedBesideThePage) {
    testing::TempDir dir;
    const std::string picture = dir.Write("elsewhere/My Cat.png", "picture bytes");
    dir.Write("site/My Cat.png", "another picture of the user's");
    const std::string page = dir.Write("site/index.html", "<body>\n</body>\n");
    ChosenEffect effect = ResolveRecipe(kData, {"image", "Picture revealed tile by tile", {}});
    effect.values["ImageEdit"].text = picture;
    const PageEdit edit = PlanInsert(kData, page, effect, "cat");
    ASSERT_EQ(edit.copies.size(), 1u);
    EXPECT_EQ(edit.copies[0].shown, "My Cat-2.png");
    EXPECT_NE(edit.after.find("My Cat-2.png"), std::string::npos);
    EXPECT_EQ(edit.after.find(dir.Path()), std::string::npos);
    CarryOut(edit);
    EXPECT_EQ(dir.Read("site/My Cat-2.png"), "picture bytes");
    EXPECT_EQ(dir.Read("site/My Cat.png"), "another picture of the user's");
    EXPECT_THROW(ReadPageFile(dir.File("site")), EngineError);
    fs::create_symlink(page, dir.File("link.html"));
    EXPECT_THROW(ReadPageFile(dir.File("link.html")), EngineError);
}

TEST(InsertPage, LastValuesFromTheSettingsFile) {
    testing::TempDir dir;
    const Recipe recipe{"text", "Typewriter text", {{RecipeChange::Set, "Edit1", "héllo = world; \"x\""}}};
    dir.Write("last.conf", "[General]\nx=1\n\n[lastValues]\n" + LastValuesKey("text", "Typewriter text") + "=" +
                               EncodeSettingText(EncodeRecipe(recipe)) + "\n");
    EXPECT_EQ(ReadLastValues(dir.File("last.conf"), "text", "Typewriter text"), recipe);
    EXPECT_EQ(ReadLastValues(dir.File("last.conf"), "text", "Rainbow letters"), std::nullopt);
    EXPECT_EQ(ReadLastValues(dir.File("absent.conf"), "text", "Typewriter text"), std::nullopt);
    // CR LF line ends and no end after the last line; a FIFO is passed over without waiting for a writer.
    dir.Write("crlf.conf", "[lastValues]\r\n" + LastValuesKey("text", "Typewriter text") + "=" +
                               EncodeSettingText(EncodeRecipe(recipe)));
    EXPECT_EQ(ReadLastValues(dir.File("crlf.conf"), "text", "Typewriter text"), recipe);
    ASSERT_EQ(::mkfifo(dir.File("fifo.conf").c_str(), 0600), 0);
    EXPECT_EQ(ReadLastValues(dir.File("fifo.conf"), "text", "Typewriter text"), std::nullopt);
}

}  // namespace
}  // namespace zentrava
