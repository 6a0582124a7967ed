#include <memory>

#include <gtest/gtest.h>

#include "catalogue/plugin.h"
#include "catalogue/profile.h"
#include "temp_dir.h"

namespace zentrava {
namespace {

TEST(ProfileFile, ValuesFollowTheClassicReaderRules) {
    const ProfileFile f = ProfileFile::Parse(
        "; a comment line\n"
        "  ;indented comment\n"
        "[Effect]\n"
        "  Name  =   spaced value   \n"
        "quoted=\"  kept inside  \"\n"
        "single='x'\n"
        "half=\"open\n"
        "inner=a \"b\" c\n"
        "empty=\n"
        "dup=first\n"
        "DUP=second\n"
        "eq=a=b\n"
        "no equals sign here\n");
    EXPECT_EQ(f.ReadString("effect", "NAME", "d"), "spaced value");
    EXPECT_EQ(f.ReadString("EFFECT", "quoted", "d"), "  kept inside  ");
    EXPECT_EQ(f.ReadString("Effect", "single", "d"), "x");
    EXPECT_EQ(f.ReadString("Effect", "half", "d"), "\"open");
    EXPECT_EQ(f.ReadString("Effect", "inner", "d"), "a \"b\" c");
    EXPECT_EQ(f.ReadString("Effect", "empty", "d"), "");
    EXPECT_EQ(f.ReadString("Effect", "absent", "d"), "d");
    EXPECT_EQ(f.ReadString("Effect", "dup", "d"), "first");
    EXPECT_EQ(f.ReadString("Effect", "eq", "d"), "a=b");
    EXPECT_EQ(f.ReadString("Missing", "name", "d"), "d");
    EXPECT_EQ(f.SectionNames(), std::vector<std::string>{"Effect"});
    // A copy reads the same once the original is gone, and a file small
    // enough to be held inside its string too.
    auto original = std::make_unique<ProfileFile>(f);
    const ProfileFile copy = *original;
    original.reset();
    EXPECT_EQ(copy.ReadString("effect", "eq", "d"), "a=b");
    EXPECT_EQ(ProfileFile(ProfileFile::Parse("[s]\nk=v")).ReadString("S", "K", "d"), "v");
}

TEST(ProfileFile, RepeatedSectionsAreListedButLookUpsReadTheFirst) {
    const ProfileFile f = ProfileFile::Parse("[a]\nk=1\n[b]\nk=2\n[A]\nk=3\nonly=here\n");
    EXPECT_EQ(f.SectionNames(), (std::vector<std::string>{"a", "b", "A"}));
    EXPECT_EQ(f.ReadString("A", "k", ""), "1");
    EXPECT_EQ(f.ReadString("a", "only", "default"), "default");
}

TEST(ProfileFile, LineEndsBomAndKeysBeforeAnySection) {
    const ProfileFile f = ProfileFile::Parse("\xEF\xBB\xBFstray=1\r[one]\rk=cr\r\n[two]\r\nk=crlf\n[three]\nk=lf");
    EXPECT_EQ(f.SectionNames(), (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(f.ReadString("one", "k", ""), "cr");
    EXPECT_EQ(f.ReadString("two", "k", ""), "crlf");
    EXPECT_EQ(f.ReadString("three", "k", ""), "lf");
    EXPECT_EQ(f.ReadString("one", "stray", "none"), "none");
}

TEST(ProfileFile, ANulEndsANameOrAValue) {
    static constexpr char kText[] = "[sec\0tion]\nena\0me=x\nvalue=ab\0cd\n";
    const ProfileFile f = ProfileFile::Parse(std::string_view(kText, sizeof kText - 1));
    EXPECT_EQ(f.SectionNames(), std::vector<std::string>{"sec"});
    EXPECT_EQ(f.ReadString("sec", "value", "d"), "ab");
    EXPECT_EQ(f.ReadString("sec", "ena", "d"), "x");
}

TEST(ProfileFile, ValueIsCutAt2047Characters) {
    const std::string longValue(3000, 'v');
    const ProfileFile f = ProfileFile::Parse("[s]\nk=" + longValue + "\nexact=" + std::string(2047, 'e') + "\n");
    EXPECT_EQ(f.ReadString("s", "k", ""), std::string(2047, 'v'));
    EXPECT_EQ(f.ReadString("s", "exact", "").size(), 2047u);
}

TEST(ProfileFile, SectionListIsCutAt16384Characters) {
    // 16 names of 1023 characters plus a terminator each fill the list exactly.
    std::string text;
    for (char c = 'a'; c < 'a' + 16; ++c) text += "[" + std::string(1023, c) + "]\n";
    ProfileFile full = ProfileFile::Parse(text);
    ASSERT_EQ(full.SectionNames().size(), 16u);

    // One more section is cut off, and a name that crosses the limit is cut short.
    ProfileFile over = ProfileFile::Parse(text + "[extra]\n");
    EXPECT_EQ(over.SectionNames().size(), 16u);
    std::string crossing;
    for (int i = 0; i < 16; ++i) crossing += "[" + std::string(1000, 'x') + std::to_string(i) + "]\n";
    ProfileFile cut = ProfileFile::Parse(crossing + "[" + std::string(1000, 'y') + "]\n");
    std::size_t total = 0;
    for (const auto& n : cut.SectionNames()) total += n.size() + 1;
    EXPECT_LE(total, ProfileFile::kSectionListLimit);
    EXPECT_EQ(cut.SectionNames().size(), 17u);
    EXPECT_LT(cut.SectionNames().back().size(), 1000u);
}

TEST(ProfileFile, MissingUnreadableAndBinaryFilesHaveNoSections) {
    testing::TempDir dir;
    EXPECT_TRUE(ProfileFile::Open(dir.File("absent.ini")).SectionNames().empty());
    EXPECT_TRUE(ProfileFile::Open(dir.Path()).SectionNames().empty());  // a folder
    EXPECT_TRUE(ProfileFile::Open(dir.Write("empty.ini", "")).SectionNames().empty());
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37) & 0xFF);
    ProfileFile b = ProfileFile::Open(dir.Write("binary.ini", binary));
    for (const auto& name : b.SectionNames()) (void)b.ReadString(name, "ename", "");
}

TEST(LoadCatalogue, ReadsElevenKeysWithTheirDefaultsInFileOrder) {
    testing::TempDir dir;
    const std::string path = dir.Write("mouse.ini",
                                       "[z]\ncategory=Mouse\ngbname=鼠标\nbigname=滑鼠\nename=Trail\nform=TMouseForm3\n"
                                       "script=trail\nbackground=#000000\nonload=go()\nonunload=a()\nonscroll=b()\n"
                                       "onresize=c()\nextra=ignored\n"
                                       "[a]\nform=TNoParamForm\nbackground=\n");
    const CatalogueList list = LoadCatalogue(path);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], (Tplugin{"Mouse", "鼠标", "滑鼠", "Trail", "TMouseForm3", "trail", "#000000", "go()", "a()",
                                "b()", "c()"}));
    EXPECT_EQ(list[1].ename, "");
    EXPECT_EQ(list[1].form, "TNoParamForm");
    EXPECT_EQ(list[1].background, "");  // present but empty: no default
    EXPECT_EQ(LoadCatalogue(dir.File("none.ini")).size(), 0u);
    EXPECT_EQ(FillScriptList(list), (std::vector<std::string>{"Trail", ""}));
    // The Chinese lists show the Chinese names, the English one where a record has none.
    Tplugin english = list[0];
    english.bigname.clear();
    EXPECT_EQ(FillScriptList({list[0], english}, NameScript::Simplified), (std::vector<std::string>{"鼠标", "鼠标"}));
    EXPECT_EQ(FillScriptList({list[0], english}, NameScript::Traditional), (std::vector<std::string>{"滑鼠", "Trail"}));
    EXPECT_EQ(ParseNameScript("zh-tw"), NameScript::Traditional);
    EXPECT_EQ(ParseNameScript("ZH_CN"), NameScript::Simplified);
    EXPECT_EQ(ParseNameScript("en"), NameScript::English);
    EXPECT_EQ(ParseNameScript("zh"), std::nullopt);
}

TEST(LoadCatalogue, AbsentBackgroundIsWhiteAndHugeFilesLoad) {
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "[s" + std::to_string(i) + "]\nename=e" + std::to_string(i) + "\n";
    testing::TempDir dir;
    const CatalogueList list = LoadCatalogue(dir.Write("big.ini", text));
    // The section list stops at its limit; what is listed reads normally.
    ASSERT_FALSE(list.empty());
    EXPECT_LT(list.size(), 100000u);
    EXPECT_EQ(list[0].background, "#FFFFFF");
    EXPECT_EQ(list[1234].ename, "e1234");
}

TEST(Categories, FoundByBaseNameFileNameOrCaption) {
    ASSERT_EQ(Categories().size(), 8u);
    EXPECT_STREQ(Categories().front().fileName, "mouse.ini");
    EXPECT_STREQ(FindCategory("OTHER")->fileName, "other.ini");
    EXPECT_STREQ(FindCategory("Others")->fileName, "other.ini");
    EXPECT_STREQ(FindCategory("game.ini")->caption, "Game");
    EXPECT_EQ(FindCategory("sound"), nullptr);
}

}  // namespace
}  // namespace zentrava
