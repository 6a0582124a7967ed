// The Page and Time forms against the shipped effect library: one row per
// form and case, the literal forms line for line.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>

#include "catalogue/plugin.h"
#include "effects/forms.h"
#include "effects/registry.h"
#include "errors.h"
#include "output/page.h"
#include "shipped_forms.h"
#include "temp_dir.h"

namespace zentrava {
namespace {

using testing::FileLines;
using testing::Form;
using testing::GenerateRaw;
using testing::kData;
using testing::ShippedEntry;

using Lines = std::vector<std::string>;

struct Generated {
    Lines lines, skeleton;
};

Generated GenerateWith(const std::string& className, const FormValues& values, const Tplugin& entry,
                 const std::string& dir = kData) {
    Generated run;
    TScriptCodeStrings lines;
    Generate(Form(className), values, entry, dir, run.skeleton, lines);
    run.lines = lines.Lines();
    return run;
}

// A change to a form's defaults: a text, a colour or a list's entries.
struct Set {
    Set(std::string c, std::string t, std::optional<TColor> col = std::nullopt,
        std::vector<ListEntry> e = {{"-"}})
        : control(std::move(c)), text(std::move(t)), color(col), entries(std::move(e)) {}
    std::string control;
    std::string text;
    std::optional<TColor> color;
    std::vector<ListEntry> entries;  // {"-"}: leave the entries alone
};

FormValues With(const std::string& form, const std::vector<Set>& sets) {
    FormValues v = DefaultValues(Form(form));
    for (const Set& s : sets) {
        ControlValue& c = v[s.control];
        if (s.color) c.color = *s.color;
        else if (s.entries != std::vector<ListEntry>{{"-"}}) c.entries = s.entries;
        else c.text = s.text;
    }
    return v;
}

struct TemplateCase {
    std::string name, catalogue, form;
    std::vector<Set> sets;
    std::map<int, std::string> puts;  // replaced lines of the shipped file
    Lines appended;                   // lines after the file's last
};

std::vector<ListEntry> ManyEntries() {
    std::vector<ListEntry> entries;
    for (int i = 0; i < 300; ++i) entries.push_back({i == 299 ? "" : "line " + std::to_string(i)});
    return entries;
}

Lines ManyLines() {
    Lines lines;
    for (const ListEntry& e : ManyEntries()) lines.push_back(e[0] + "<BR>");
    lines.push_back("</center></div>");
    return lines;
}

const std::vector<TemplateCase>& TemplateCases() {
    static const std::vector<TemplateCase> cases = {
        {"tiles defaults", "page.ini", "TPageForm11", {},
         {{5, "var left=50;"}, {6, "var top=10;"}, {7, "var width=5;"}, {8, "var height=3;"}}, {}},
        {"tiles as typed", "page.ini", "TPageForm11", {{"sSpinEdit1", "050"}, {"sSpinEdit2", ""}, {"sSpinEdit4", "x"}},
         {{5, "var left=050;"}, {6, "var top=;"}, {7, "var width=5;"}, {8, "var height=x;"}}, {}},
        {"popup defaults", "page.ini", "TPageForm13", {}, {},
         {"createPopup('box3','Zentrava' ,288, 90, 275, 155, true, 'FF8000' , '000000' , '800000' , "
          "'This is a short description' , '000000' , 9 , '宋体');</script>"}},
        {"popup as typed", "page.ini", "TPageForm13",
         {{"FlatEdit85", "it's"}, {"FlatEdit86", ""}, {"Panel2", "", 0x563412}, {"Panel4", "", colors::kWindow}}, {},
         {"createPopup('box3','it's' ,288, 90, 275, 155, true, '" + ColorToHex(ResolveColor(colors::kWindow)) +
          "' , '000000' , '800000' , '' , '123456' , 9 , '宋体');</script>"}},
        {"lines defaults", "page.ini", "TPageForm14", {}, {},
         {"Make your website colorful<BR>", "No need to learn JavaScript<BR>", "Zentrava is your tool.<BR>",
          "</center></div>"}},
        {"lines empty list", "page.ini", "TPageForm14", {{"FlatListBox4", "", std::nullopt, {}}}, {}, {"</center></div>"}},
        {"lines beyond 256 entries", "page.ini", "TPageForm14", {{"FlatListBox4", "", std::nullopt, ManyEntries()}}, {},
         ManyLines()},
        {"face clock defaults", "time.ini", "TTime7", {},
         {{4, "fCol = '000000'"}, {5, "hCol = '000000'"}, {6, "mCol = '000000'"}, {7, "sCol = 'FF0000'"}}, {}},
        {"date line default", "time.ini", "TTimeForm8", {}, {{9, "color:000000;"}}, {}},
        {"date line system colour", "time.ini", "TTimeForm8", {{"Panel2", "", colors::kBtnFace}},
         {{9, "color:" + ColorToHex(ResolveColor(colors::kBtnFace)) + ";"}}, {}},
        {"countdown defaults", "time.ini", "TTimeForm18", {},
         {{6, "setcountdown(2008,7,12)"}, {7, "var occasion=\"This is a important moment.\""},
          {8, "var message_on_occasion=\"Hi, let's celebrate!\""}}, {}},
        {"countdown as typed", "time.ini", "TTimeForm18",
         {{"sSpinEdit2", "07"}, {"sSpinEdit3", ""}, {"FlatEdit78", ""}, {"FlatEdit77", "say \"hi\""}},
         {{6, "setcountdown(2008,07,)"}, {7, "var occasion=\"\""}, {8, "var message_on_occasion=\"say \"hi\"\""}}, {}},
        {"segments defaults", "time.ini", "TTimeForm20", {},
         {{8, "var oncolor=\"FF0000\""}, {9, "var offcolor=\"" + ColorToHex(ResolveColor(colors::kBtnFace)) + "\""}},
         {}},
    };
    return cases;
}

TEST(PageTimeTemplateForms, ReplaceAndAppendExactlyTheirLinesOfTheShippedScript) {
    for (const TemplateCase& c : TemplateCases()) {
        SCOPED_TRACE(c.name);
        const Tplugin entry = ShippedEntry(c.catalogue, c.form);
        const Lines file = FileLines(ScriptFilePath(kData, entry));
        const Generated run = GenerateWith(c.form, With(c.form, c.sets), entry);
        ASSERT_EQ(run.lines.size(), file.size() + c.appended.size());
        for (std::size_t i = 0; i < file.size(); ++i) {
            auto put = c.puts.find(static_cast<int>(i));
            EXPECT_EQ(run.lines[i], put == c.puts.end() ? file[i] : put->second) << "line " << i;
        }
        EXPECT_EQ(Lines(run.lines.begin() + static_cast<long>(file.size()), run.lines.end()), c.appended);
        EXPECT_EQ(run.skeleton, BuildPageSkeleton(entry));  // nothing added to the page's head
    }
}

TEST(PageTimeTemplateForms, ShortOrMissingScriptFailsAtTheHighestIndexOrTheOpen) {
    testing::TempDir dir;
    for (const TemplateCase& c : TemplateCases()) {
        SCOPED_TRACE(c.name);
        Tplugin entry;
        entry.script = "short";
        std::filesystem::remove(dir.File("short.dat"));
        try {
            GenerateWith(c.form, With(c.form, c.sets), entry, dir.Path());
            ADD_FAILURE() << "no error without a file";
        } catch (const EngineError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file " + dir.File("short.dat"));
        }
        if (c.puts.empty()) continue;  // appending forms take any file
        const int highest = c.puts.rbegin()->first;
        std::string text;
        for (int i = 0; i < highest; ++i) text += "line " + std::to_string(i) + "\r\n";
        dir.Write("short.dat", text);
        try {
            GenerateWith(c.form, With(c.form, c.sets), entry, dir.Path());
            ADD_FAILURE() << "no error";
        } catch (const EngineError& e) {
            EXPECT_EQ(std::string(e.what()), "List index out of bounds (" + std::to_string(highest) + ")");
        }
    }
}

struct LiteralCase {
    std::string name, form;
    std::vector<Set> sets;
    Lines lines;
    Lines skeletonTail;  // added after the body line
};

const std::vector<LiteralCase>& LiteralCases() {
    static const std::vector<LiteralCase> cases = {
        {"load message", "TPageForm9", {},
         {"<!-- 用<BODY  onload=showMSG()>替换原有的<body> -->", "", "<script>", "function showMSG(){",
          "alert('Zentrava')", "}", "</script>"},
         {}},
        {"load message empty", "TPageForm9", {{"FlatEdit32", ""}},
         {"<!-- 用<BODY  onload=showMSG()>替换原有的<body> -->", "", "<script>", "function showMSG(){", "alert('')",
          "}", "</script>"},
         {}},
        {"leave message", "TPageForm10", {{"FlatEdit33", "Bye's"}},
         {"<!-- 用<BODY  onunload=showMSG()>替换原有的<body> -->", "", "<script>", "function showMSG(){",
          "alert('Bye's')", "}", "</script>"},
         {"Please refresh to view effect</Body>"}},
        {"scrollbars defaults", "TPageForm15", {},
         {"<!--将以下代码加入HTML的<Head></Head>之间-->", "", "<STYLE>", "Body{", "Scrollbar-Face-Color:FF0000;",
          "Scrollbar-Highlight-Color:FF8000;", "Scrollbar-Shadow-Color:FF8000;", "Scrollbar-3Dlight-Color:C0C0C0;",
          "Scrollbar-Darkshadow-Color:C0C0C0;", "Scrollbar-Arrow-Color:FFFF00;", "Scrollbar-Track-Color:0000FF;",
          "&, :root:has(&) {scrollbar-color:#FF0000 #0000FF}", "}</STYLE>"},
         {}},
        {"scrollbars chosen", "TPageForm15", {{"Panel2", "", 0x563412}, {"Panel8", "", colors::kBtnFace}},
         {"<!--将以下代码加入HTML的<Head></Head>之间-->", "", "<STYLE>", "Body{", "Scrollbar-Face-Color:123456;",
          "Scrollbar-Highlight-Color:FF8000;", "Scrollbar-Shadow-Color:FF8000;", "Scrollbar-3Dlight-Color:C0C0C0;",
          "Scrollbar-Darkshadow-Color:C0C0C0;", "Scrollbar-Arrow-Color:FFFF00;",
          "Scrollbar-Track-Color:" + ColorToHex(ResolveColor(colors::kBtnFace)) + ";",
          "&, :root:has(&) {scrollbar-color:#123456 #" + ColorToHex(ResolveColor(colors::kBtnFace)) + "}", "}</STYLE>"},
         {}},
    };
    return cases;
}

TEST(PageLiteralForms, WriteTheirLinesWithoutAFileAndTheLeaveFormClosesTheBody) {
    for (const LiteralCase& c : LiteralCases()) {
        SCOPED_TRACE(c.name);
        const Tplugin entry = ShippedEntry("page.ini", c.form);
        const Generated run = GenerateWith(c.form, With(c.form, c.sets), entry, "/nowhere");
        const bool message = c.form != "TPageForm15";
        // the message forms keep their classic lines and add a script after them
        ASSERT_GE(run.lines.size(), c.lines.size());
        EXPECT_EQ(Lines(run.lines.begin(), run.lines.begin() + c.lines.size()), c.lines);
        if (!message) {
            EXPECT_EQ(run.lines.size(), c.lines.size());
        }
        std::string after;
        for (std::size_t i = c.lines.size(); i < run.lines.size(); ++i) after += run.lines[i] + "\n";
        if (message) {
            EXPECT_EQ(after.find("<script>"), 0u);
            EXPECT_EQ(after.find("Zentrava") == std::string::npos && after.find("Bye") == std::string::npos, true)
                << "the message is taken from the classic line, not written twice";
            EXPECT_EQ(after.find("beforeunload") != std::string::npos, c.form == "TPageForm10") << after;
        }
        Lines skeleton = BuildPageSkeleton(entry);
        skeleton.insert(skeleton.end(), c.skeletonTail.begin(), c.skeletonTail.end());
        EXPECT_EQ(run.skeleton, skeleton);
    }
    // The message forms need the body to call showMSG().
    EXPECT_EQ(ShippedEntry("page.ini", "TPageForm9").onload, "showMSG()");
    EXPECT_EQ(ShippedEntry("page.ini", "TPageForm10").onunload, "showMSG()");
    for (const char* form : {"TTimeForm8", "TTimeForm18", "TTimeForm20"}) {
        EXPECT_EQ(ShippedEntry("time.ini", form).onload, "init()") << form;
    }
}

TEST(PageTimeForms, RegisteredInOrderWithTheirSwatchVariantsAndDefaults) {
    std::vector<std::string> order;
    for (const FormDecl& f : FormRegistry::Instance().All()) {
        if (f.className.rfind("TTime", 0) == 0 || f.className.rfind("TPage", 0) == 0) order.push_back(f.className);
    }
    EXPECT_EQ(order, (Lines{"TTime7", "TTimeForm8", "TTimeForm18", "TTimeForm20", "TPageForm9", "TPageForm10",
                            "TPageForm11", "TPageForm13", "TPageForm14", "TPageForm15"}));
    for (const std::string& name : order) {
        for (const ControlDecl& c : Form(name).controls) {
            if (c.kind != ControlKind::Swatch) continue;
            EXPECT_EQ(c.preset, name == "TPageForm13" || name == "TPageForm15") << name << "." << c.name;
        }
    }
    EXPECT_EQ(Form("TTimeForm20").Control("Panel8")->color, colors::kBtnFace);  // resolved at Generate
    EXPECT_EQ(Form("TPageForm11").Control("sSpinEdit2")->label, "Top margin");
    EXPECT_EQ(Form("TTimeForm18").Control("FlatEdit77")->label, "Congradulations:");
    // Year, month and day on the "Date:" row, left to right, each with its unit word.
    const FormDecl& countdown = Form("TTimeForm18");
    int right = 0;
    for (const auto& [name, unit] : {std::pair{"sSpinEdit1", "year"}, {"sSpinEdit2", "month"}, {"sSpinEdit3", "day"}}) {
        const ControlDecl* c = countdown.Control(name);
        EXPECT_EQ(c->unit, unit);
        EXPECT_EQ(c->rect.top, countdown.Control("sSpinEdit1")->rect.top);
        EXPECT_GT(c->rect.left, right);
        right = c->rect.left + c->rect.width + 40;  // room for the unit word
    }
    EXPECT_EQ(countdown.Control("sSpinEdit1")->label, "Date:");
}

}  // namespace
}  // namespace zentrava
