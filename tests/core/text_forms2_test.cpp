// The text forms TTextForm13 to TTextForm25 against the shipped text library
// and against script files that are too short.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

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

// The shipped text.ini entry whose form is `className`.
Tplugin ShippedEntry(const std::string& className) { return testing::ShippedEntry("text.ini", className); }

using Lines = std::vector<std::string>;
using Patches = std::vector<std::pair<int, std::string>>;  // line and text, in patch order
const std::string kLink = forms::kDefaultLink;

using testing::Outcome;
using testing::GenerateCaught;

std::string Replace(std::string s, const std::string& from, const std::string& to) {
    const std::size_t at = s.find(from);
    if (at != std::string::npos) s.replace(at, from.size(), to);
    return s;
}

struct FormCase {
    std::string form;
    Patches puts;   // with the form's defaults
    Lines appends;  // with the form's defaults
    std::string edit;  // its "Text:" edit; "Zentrava" in puts and appends stands for its text
    int smallest;      // the shortest script file with which every patch succeeds
};

const std::vector<FormCase>& Cases() {
    static const std::vector<FormCase> cases = {
        {"TTextForm13",
         {{31, "message[0]='Make your website colorful'"},
          {32, "message[1]='No need to learn JavaScript'"},
          {33, "message[2]='Zentrava is your tool.'"}},
         {}, "", 34},
        {"TTextForm14",
         {{4, "tips[0]='Make your website colorful'"},
          {5, "tips[1]='No need to learn JavaScript'"},
          {6, "tips[2]='Zentrava is your tool.'"}},
         {}, "", 7},
        {"TTextForm15", {{36, "Zentrava"}}, {}, "FlatEdit66", 37},
        {"TTextForm16", {{26, "<a href=" + kLink + ">Zentrava</a>"}}, {}, "FlatEdit67", 27},
        {"TTextForm17", {{6, "var text = \"Zentrava\""}}, {}, "FlatEdit69", 7},
        {"TTextForm18", {{11, "msg = \"Zentrava\""}}, {}, "FlatEdit70", 12},
        {"TTextForm19", {{3, "var MESSAGE=\"Zentrava\""}}, {}, "FlatEdit71", 4},
        {"TTextForm20", {{6, "var msg = \"Zentrava\""}}, {}, "FlatEdit72", 7},
        {"TTextForm21", {{3, "message=\"Zentrava\""}, {71, "<DIV id=jumpx style=\"COLOR: #FF0000\"></DIV>"}}, {},
         "FlatEdit79", 72},
        {"TTextForm22", {{3, "var message=\"Zentrava\""}}, {}, "FlatEdit80", 4},
        {"TTextForm23", {{4, "mesg = \"Zentrava\";"}}, {}, "FlatEdit89", 5},
        {"TTextForm24",
         {{13, " var begin_pos = 0;"}, {11, " var scroll_length = 400;"}},
         {"<a href=\"" + kLink +
              "\" class=\"link\" onmouseover=\"javascript:reset();Scroll('prem_hint');\" "
              "onmouseout=\"javascript:StopScroll('prem_hint');\">Zentrava</a>",
          "<div id=\"prem_hint\" style=\"position:relative; visibility:hidden\" class=\"prem_hint\"><b>A tool to make "
          "your website more wonderful</b></div>"},
         "FlatEdit100", 14},
        {"TTextForm25",
         {{56, "document.write(\".cPopText {  background-color: #FFFFFF;color:#000000; border: 1px #FF8000 "
               "solid;font-color: font-size: 10px; padding-right: 4px; padding-left: 4px; height: 20px; "
               "padding-top: 2px; padding-bottom: 2px; filter: Alpha(Opacity=0)}\");"}},
         {"<a href=\"" + kLink +
          "\" title=\"Make your website colorful<BR>No need to learn JavaScript<BR>Zentrava is your tool.<BR>\">"
          "Zentrava</a>"},
         "FlatEdit103", 57},
    };
    return cases;
}

// The lines a file gives after the patches: those in `puts` are applied in
// order until one addresses a line the file lacks.
Lines Patched(Lines file, const Patches& puts, const Lines& appends) {
    for (const auto& [line, text] : puts) {
        if (line >= static_cast<int>(file.size())) return file;
        file[line] = text;
    }
    file.insert(file.end(), appends.begin(), appends.end());
    return file;
}

TEST(TextForms2, DefaultsPatchExactlyTheirLinesOfTheShippedScript) {
    for (const FormCase& c : Cases()) {
        SCOPED_TRACE(c.form);
        const Tplugin entry = ShippedEntry(c.form);
        const Lines file = FileLines(ScriptFilePath(kData, entry));
        const Outcome run = GenerateCaught(c.form, DefaultValues(Form(c.form)), entry);
        EXPECT_EQ(run.error, "");
        EXPECT_EQ(run.lines, Patched(file, c.puts, c.appends));
        // a second Generate starts again from the file
        EXPECT_EQ(GenerateCaught(c.form, DefaultValues(Form(c.form)), entry).lines, run.lines);
    }
}

TEST(TextForms2, TextsAreWrittenAsTypedAndEmptyTextsLeaveTheLiterals) {
    for (const FormCase& c : Cases()) {
        if (c.edit.empty()) continue;
        SCOPED_TRACE(c.form);
        const Tplugin entry = ShippedEntry(c.form);
        const Lines file = FileLines(ScriptFilePath(kData, entry));
        for (const std::string& typed : {std::string(), std::string("it's a \"quote\" <b>& 中文 é</b>")}) {
            FormValues v = DefaultValues(Form(c.form));
            v[c.edit].text = typed;
            Patches puts = c.puts;
            Lines appends = c.appends;
            for (auto& p : puts) p.second = Replace(p.second, "Zentrava", typed);
            for (auto& a : appends) a = Replace(a, ">Zentrava<", ">" + typed + "<");
            EXPECT_EQ(GenerateCaught(c.form, v, entry).lines, Patched(file, puts, appends)) << "typed: " << typed;
        }
    }
}

// What a form appends goes into the host page's body as it is: every element it
// opens it also closes, or the rest of the host page ends up inside it.
TEST(TextForms2, AppendedMarkupClosesWhatItOpens) {
    const auto count = [](const std::string& s, const std::string& what) {
        int n = 0;
        for (std::size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
        return n;
    };
    for (const FormCase& c : Cases()) {
        SCOPED_TRACE(c.form);
        const Outcome run = GenerateCaught(c.form, DefaultValues(Form(c.form)), ShippedEntry(c.form));
        ASSERT_GE(run.lines.size(), c.appends.size());
        for (std::size_t i = run.lines.size() - c.appends.size(); i < run.lines.size(); ++i) {
            const std::string& line = run.lines[i];
            for (const char* tag : {"div", "a", "b", "span"}) {
                const std::string t = tag;
                EXPECT_EQ(count(line, "<" + t + " ") + count(line, "<" + t + ">"), count(line, "</" + t + ">"))
                    << t << " in " << line;
            }
        }
    }
}

// A file one line shorter than the smallest fails at the first patch that
// lacks its line; the patches before it stay, the later ones are not made.
TEST(TextForms2, AShortScriptFailsAtTheFirstPatchWhoseLineIsMissing) {
    testing::TempDir dir;
    Tplugin entry;
    entry.script = "short";
    for (const FormCase& c : Cases()) {
        SCOPED_TRACE(c.form);
        for (int size : {c.smallest - 1, c.smallest}) {
            Lines file;
            std::string text;
            for (int i = 0; i < size; ++i) {
                file.push_back("line " + std::to_string(i));
                text += file.back() + "\r\n";
            }
            dir.Write("short.dat", text);
            const Outcome run = GenerateCaught(c.form, DefaultValues(Form(c.form)), entry, dir.Path());
            auto missing = std::find_if(c.puts.begin(), c.puts.end(), [&](const auto& p) { return p.first >= size; });
            EXPECT_EQ(run.error, missing == c.puts.end()
                                     ? std::string()
                                     : "List index out of bounds (" + std::to_string(missing->first) + ")");
            EXPECT_EQ(run.lines, Patched(file, c.puts, missing == c.puts.end() ? c.appends : Lines{}));
        }
    }
}

TEST(TextForms2, AMissingScriptFileIsReportedWithItsName) {
    testing::TempDir dir;
    Tplugin entry;
    entry.script = "gone";
    const Outcome run = GenerateCaught("TTextForm15", DefaultValues(Form("TTextForm15")), entry, dir.Path());
    EXPECT_EQ(run.error, "Cannot open file " + dir.File("gone.dat"));
    EXPECT_TRUE(run.lines.empty());
}

// The entry-array forms write one line per entry, wherever the file's own
// slots end; the tips form adds its page line only after every entry.
TEST(TextForms2, EntryArraysFollowTheNumberOfEntries) {
    struct Shape {
        std::string form, list, name;
        int first;
        bool skeletonLine;
    };
    const std::string kRefresh = "Please refresh to view effect</Body>";
    for (const Shape& s : {Shape{"TTextForm13", "FlatListBox2", "message", 31, false},
                           Shape{"TTextForm14", "FlatListBox3", "tips", 4, true}}) {
        const Tplugin entry = ShippedEntry(s.form);
        const Lines file = FileLines(ScriptFilePath(kData, entry));
        for (int n : {0, 1, 4, 12, 13}) {
            SCOPED_TRACE(s.form + " with " + std::to_string(n) + " entries");
            FormValues v = DefaultValues(Form(s.form));
            v[s.list].entries.clear();
            Patches puts;
            for (int i = 0; i < n; ++i) {
                const std::string text = i == 1 ? "" : "it's entry " + std::to_string(i);
                v[s.list].entries.push_back({text});
                puts.push_back({s.first + i, s.name + "[" + std::to_string(i) + "]='" + text + "'"});
            }
            const Outcome run = GenerateCaught(s.form, v, entry);
            EXPECT_EQ(run.lines, Patched(file, puts, {}));
            EXPECT_EQ(std::count(run.skeleton.begin(), run.skeleton.end(), kRefresh), s.skeletonLine ? 1 : 0);
            if (s.skeletonLine) { EXPECT_EQ(run.skeleton.back(), kRefresh); }
            // the shipped file keeps twelve free slots: they assign nothing
            if (n < 12) { EXPECT_EQ(run.lines[s.first + 11].find(s.name + "["), std::string::npos); }
        }
        // a file that ends before the third entry's line fails there, without the page line
        testing::TempDir dir;
        Lines shortFile(file.begin(), file.begin() + s.first + 2);
        std::string text;
        for (const std::string& l : shortFile) text += l + "\n";
        dir.Write("short.dat", text);
        Tplugin shortEntry = entry;
        shortEntry.script = "short";
        const Outcome run = GenerateCaught(s.form, DefaultValues(Form(s.form)), shortEntry, dir.Path());
        EXPECT_EQ(run.error, "List index out of bounds (" + std::to_string(s.first + 2) + ")");
        EXPECT_EQ(run.lines[s.first + 1], s.name + "[1]='No need to learn JavaScript'");
        EXPECT_EQ(std::count(run.skeleton.begin(), run.skeleton.end(), kRefresh), 0);
        EXPECT_FALSE(run.skeleton.empty());  // rebuilt before the failure
    }
}

TEST(TextForms2, SpinEditsAndColoursAreWrittenAsShown) {
    FormValues v24 = DefaultValues(Form("TTextForm24"));
    v24["sSpinEdit1"].text = "";
    v24["sSpinEdit2"].text = "-012";
    const Outcome r24 = GenerateCaught("TTextForm24", v24, ShippedEntry("TTextForm24"));
    EXPECT_EQ(r24.lines[13], " var begin_pos = ;");
    EXPECT_EQ(r24.lines[11], " var scroll_length = -012;");

    FormValues v25 = DefaultValues(Form("TTextForm25"));
    v25["Panel15"].color = 0x332211;  // background 112233
    v25["Panel16"].color = 0x665544;  // border 445566
    v25["Panel17"].color = 0x998877;  // text 778899
    v25["ListBox1"].entries = {{"one's"}, {""}};
    v25["FlatEdit104"].text = "";
    const Outcome r25 = GenerateCaught("TTextForm25", v25, ShippedEntry("TTextForm25"));
    EXPECT_NE(r25.lines[56].find("{  background-color: #112233;color:#778899; border: 1px #445566 solid;"),
              std::string::npos)
        << r25.lines[56];
    EXPECT_EQ(r25.lines.back(), "<a href=\"\" title=\"one's<BR><BR>\">Zentrava</a>");
    v25["ListBox1"].entries.clear();
    EXPECT_EQ(GenerateCaught("TTextForm25", v25, ShippedEntry("TTextForm25")).lines.back(),
              "<a href=\"\" title=\"\">Zentrava</a>");

    FormValues v21 = DefaultValues(Form("TTextForm21"));
    v21["Panel2"].color = colors::kBlue;
    EXPECT_EQ(GenerateCaught("TTextForm21", v21, ShippedEntry("TTextForm21")).lines[71],
              "<DIV id=jumpx style=\"COLOR: #0000FF\"></DIV>");

    FormValues v16 = DefaultValues(Form("TTextForm16"));
    v16["FlatEdit68"].text = "";
    EXPECT_EQ(GenerateCaught("TTextForm16", v16, ShippedEntry("TTextForm16")).lines[26], "<a href=>Zentrava</a>");
}

// Places and kinds that the forms' controls must keep, in form pixels.
TEST(TextForms2, ControlsStandWhereTheFormsPutThem) {
    struct Place {
        std::string form, control;
        ControlKind kind;
        Rect rect;
        std::string text;
    };
    const std::vector<Place> places = {
        {"TTextForm13", "FlatEdit64", ControlKind::Edit, {72, 40, 249, 19}, "This is a word."},
        {"TTextForm13", "FlatListBox2", ControlKind::ListBox, {8, 72, 481, 290}, ""},
        {"TTextForm13", "XP_Button4", ControlKind::Button, {384, 40, 52, 19}, "Remove"},
        {"TTextForm14", "FlatListBox3", ControlKind::ListBox, {16, 72, 473, 290}, ""},
        {"TTextForm14", "XP_Button3", ControlKind::Button, {440, 40, 52, 19}, "Clear"},
        {"TTextForm16", "FlatEdit68", ControlKind::Edit, {72, 72, 249, 19}, kLink},
        {"TTextForm21", "Panel2", ControlKind::Swatch, {72, 73, 60, 17}, ""},
        {"TTextForm24", "FlatEdit102", ControlKind::Edit, {72, 104, 249, 19},
         "A tool to make your website more wonderful"},
        {"TTextForm24", "sSpinEdit2", ControlKind::SpinEdit, {72, 136, 57, 22}, "400"},
        {"TTextForm24", "sSpinEdit1", ControlKind::SpinEdit, {72, 168, 57, 22}, "0"},
        {"TTextForm25", "FlatEdit105", ControlKind::Edit, {72, 106, 249, 19}, ""},
        {"TTextForm25", "XP_Button2", ControlKind::Button, {328, 106, 52, 19}, "Add"},
        {"TTextForm25", "ListBox1", ControlKind::ListBox, {16, 136, 465, 201}, ""},
        {"TTextForm25", "Panel15", ControlKind::Swatch, {80, 352, 60, 17}, ""},
        {"TTextForm25", "Panel16", ControlKind::Swatch, {224, 352, 60, 17}, ""},
        {"TTextForm25", "Panel17", ControlKind::Swatch, {368, 352, 60, 17}, ""},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.form + "." + p.control);
        const ControlDecl* c = Form(p.form).Control(p.control);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->kind, p.kind);
        EXPECT_EQ(std::tie(c->rect.left, c->rect.top, c->rect.width, c->rect.height),
                  std::tie(p.rect.left, p.rect.top, p.rect.width, p.rect.height));
        EXPECT_EQ(c->text, p.text);
        if (c->kind == ControlKind::Swatch) { EXPECT_FALSE(c->preset); }
        // a label ends before its control
        if (!c->label.empty() && c->labelLeft >= 0) { EXPECT_LT(c->labelLeft, c->rect.left - 6); }
    }
    // the add buttons append their edit's text, with nothing else
    for (const auto& [form, edit] : {std::pair<std::string, std::string>{"TTextForm13", "FlatEdit64"},
                                     {"TTextForm14", "FlatEdit65"}, {"TTextForm25", "FlatEdit105"}}) {
        const ControlDecl* add = Form(form).Control("XP_Button2");
        ASSERT_NE(add, nullptr);
        EXPECT_EQ(add->action, ButtonAction::AddEntry);
        ASSERT_EQ(add->sources.size(), 1u);
        EXPECT_EQ(add->sources[0].control, edit);
    }
}

}  // namespace
}  // namespace zentrava
