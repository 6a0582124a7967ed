// The text forms TTextForm1 to TTextForm12 against the shipped text library
// and against short script files on disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "catalogue/plugin.h"
#include "effects/forms.h"
#include "effects/registry.h"
#include "errors.h"
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

using testing::Outcome;
using testing::GenerateCaught;

// "line 0" ... "line <n-1>", CR LF ended.
std::string NumberedFile(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += "line " + std::to_string(i) + "\r\n";
    return text;
}

struct TextCase {
    std::string form;
    std::map<int, std::string> puts;  // the lines the defaults write
    std::string edit;                 // the text edit; empty for none
    int textLine;                     // the line the text goes into
    std::string before, after;        // the pieces around the text on that line
    int smallest;                     // lines the script file needs
    int failsAt;                      // the index a file one line shorter fails at
    std::set<int> madeBeforeFailure;  // patches that stay after that failure
};

const std::vector<TextCase>& Cases() {
    static const std::vector<TextCase> cases = {
        {"TTextForm1", {{4, "Phrase=\"Zentrava\""}}, "FlatEdit27", 4, "Phrase=\"", "\"", 5, 4, {}},
        {"TTextForm2", {{11, "var ctext = \"Zentrava\""}}, "FlatEdit28", 11, "var ctext = \"", "\"", 12, 11, {}},
        {"TTextForm3",
         {{4, "text = \"Zentrava\""}, {5, "color1 = \"0000FF\";"}, {6, "color2 = \"FF0000\";"}},
         "FlatEdit29", 4, "text = \"", "\"", 7, 6, {4, 5}},
        {"TTextForm4",
         {{259, "<p dynamicanimation8=\"dropWord\" style=\"position: relative !important;color:#FF0000; "
                "left: 10000 !important\">"},
          {260, "Zentrava</p>"}},
         "FlatEdit30", 260, "", "</p>", 261, 260, {}},
        {"TTextForm5",
         {{12, "  var lines = ['Make your website colorful','No need to learn JavaScript','Zentrava is your tool.'"}},
         "", 0, "", "", 13, 12, {}},
        {"TTextForm6",
         {{4, "var message=\"Zentrava\""}, {5, "var neonbasecolor=\"0000FF\""}, {6, "var neontextcolor=\"FF0000\""}},
         "FlatEdit45", 4, "var message=\"", "\"", 7, 6, {4, 5}},
        {"TTextForm7", {{28, "color=#000000>"}, {29, "Zentrava"}}, "FlatEdit59", 29, "", "", 30, 29, {}},
        {"TTextForm8", {}, "", 0, "", "", 0, -1, {}},
        {"TTextForm9",
         {{3, "style=\"COLOR: #0000FF; FILTER: dropshadow(color=FF0000, offx=3, offy=3, positive=1); FONT-FAMILY: "
              "Arial; FONT-SIZE: 15pt; POSITION: relative; WIDTH: 350px\">"},
          {4, "Zentrava"}},
         "FlatEdit60", 4, "", "", 5, 4, {}},
        {"TTextForm10",
         {{2, "<span id=\"theText\" style=\"width:100%; color:FF0000;\" >"},
          {3, "<h1>Zentrava</h1>"},
          {11, "var glowColor = '000000';"}},
         "FlatEdit61", 3, "<h1>", "</h1>", 12, 11, {2, 3}},
        {"TTextForm11", {{6, "msg=\"Zentrava\""}}, "FlatEdit62", 6, "msg=\"", "\"", 7, 6, {}},
        {"TTextForm12", {{4, "msg=\"Zentrava\""}}, "FlatEdit63", 4, "msg=\"", "\"", 5, 4, {}},
    };
    return cases;
}

TEST(TextForms1, DefaultsPatchExactlyTheirLinesOfTheShippedScript) {
    for (const TextCase& c : Cases()) {
        SCOPED_TRACE(c.form);
        const Tplugin entry = ShippedEntry(c.form);
        const Lines file = FileLines(ScriptFilePath(kData, entry));
        const FormValues defaults = DefaultValues(Form(c.form));
        const Outcome run = GenerateCaught(c.form, defaults, entry, kData);
        ASSERT_EQ(run.error, "");
        ASSERT_EQ(run.lines.size(), file.size());
        EXPECT_GE(file.size(), static_cast<std::size_t>(c.smallest));
        for (std::size_t i = 0; i < file.size(); ++i) {
            auto put = c.puts.find(static_cast<int>(i));
            EXPECT_EQ(run.lines[i], put == c.puts.end() ? file[i] : put->second) << "line " << i;
        }
        // every Generate starts again from the file
        EXPECT_EQ(GenerateCaught(c.form, defaults, entry, kData, run.lines).lines, run.lines);
    }
}

TEST(TextForms1, EmptyAndQuotedTextsAreWrittenAsTyped) {
    for (const TextCase& c : Cases()) {
        if (c.edit.empty()) continue;
        SCOPED_TRACE(c.form);
        const Tplugin entry = ShippedEntry(c.form);
        for (const std::string text : {"", "say \"hi\" it's <b>5</b>", "café 文字"}) {
            FormValues v = DefaultValues(Form(c.form));
            v[c.edit].text = text;
            const Outcome run = GenerateCaught(c.form, v, entry, kData);
            ASSERT_EQ(run.error, "");
            EXPECT_EQ(run.lines.at(static_cast<std::size_t>(c.textLine)), c.before + text + c.after);
        }
    }
}

TEST(TextForms1, AFileOneLineTooShortFailsAtTheFirstPatchItLacksAndKeepsTheEarlierOnes) {
    testing::TempDir dir;
    Tplugin entry;
    entry.script = "short";
    for (const TextCase& c : Cases()) {
        if (c.failsAt < 0) continue;
        SCOPED_TRACE(c.form);
        dir.Write("short.dat", NumberedFile(c.smallest - 1));
        const FormValues defaults = DefaultValues(Form(c.form));
        Outcome run = GenerateCaught(c.form, defaults, entry, dir.Path(), {"earlier", "result"});
        EXPECT_EQ(run.error, "List index out of bounds (" + std::to_string(c.failsAt) + ")");
        ASSERT_EQ(run.lines.size(), static_cast<std::size_t>(c.smallest - 1));
        for (int i = 0; i < c.smallest - 1; ++i) {
            const std::string expected =
                c.madeBeforeFailure.count(i) ? c.puts.at(i) : "line " + std::to_string(i);
            EXPECT_EQ(run.lines[static_cast<std::size_t>(i)], expected) << "line " << i;
        }
        EXPECT_FALSE(run.skeleton.empty());  // rebuilt before the file was read

        dir.Write("short.dat", NumberedFile(c.smallest));
        run = GenerateCaught(c.form, defaults, entry, dir.Path());
        EXPECT_EQ(run.error, "");
        EXPECT_EQ(run.lines.size(), static_cast<std::size_t>(c.smallest));
    }
}

TEST(TextForms1, AMissingScriptFileChangesNoLine) {
    testing::TempDir dir;
    Tplugin entry;
    entry.script = "absent";
    for (const TextCase& c : Cases()) {
        SCOPED_TRACE(c.form);
        const Outcome run = GenerateCaught(c.form, DefaultValues(Form(c.form)), entry, dir.Path(), {"kept"});
        EXPECT_EQ(run.error, "Cannot open file " + dir.File("absent.dat"));
        EXPECT_EQ(run.lines, Lines{"kept"});
    }
}

TEST(TextForms1, TheListFormEndsLineTwelveWithItsEntries) {
    testing::TempDir dir;
    dir.Write("list.dat", NumberedFile(13));
    Tplugin entry;
    entry.script = "list";
    struct Row {
        std::vector<std::string> entries;
        std::string line12;
    };
    const std::vector<Row> rows = {
        {{}, "line 12"},
        {{"One"}, "line 12'One'"},
        {{""}, "line 12''"},
        {{"it's", "", "文字"}, "line 12'it's','','文字'"},
        {{"Make your website colorful", "No need to learn JavaScript", "Zentrava is your tool."},
         "line 12'Make your website colorful','No need to learn JavaScript','Zentrava is your tool.'"},
    };
    for (const Row& row : rows) {
        FormValues v = DefaultValues(Form("TTextForm5"));
        v["FlatListBox1"].entries.clear();
        for (const std::string& e : row.entries) v["FlatListBox1"].entries.push_back({e});
        const Outcome run = GenerateCaught("TTextForm5", v, entry, dir.Path());
        ASSERT_EQ(run.error, "");
        EXPECT_EQ(run.lines.at(12), row.line12);
        EXPECT_EQ(run.lines.size(), 13u);
    }
    // with no entries line 12 is never read: a file of any length will do
    dir.Write("list.dat", NumberedFile(2));
    FormValues none = DefaultValues(Form("TTextForm5"));
    none["FlatListBox1"].entries.clear();
    EXPECT_EQ(GenerateCaught("TTextForm5", none, entry, dir.Path()).error, "");
}

TEST(TextForms1, ColourValuesGoThroughColorToHex) {
    FormValues v3 = DefaultValues(Form("TTextForm3"));
    v3["Panel2"].color = 0x563412;
    v3["Panel3"].color = colors::kBlack;
    Outcome run = GenerateCaught("TTextForm3", v3, ShippedEntry("TTextForm3"), kData);
    EXPECT_EQ(run.lines.at(5), "color1 = \"123456\";");
    EXPECT_EQ(run.lines.at(6), "color2 = \"000000\";");

    FormValues v10 = DefaultValues(Form("TTextForm10"));
    v10["Panel29"].color = colors::kWindow;  // a system colour: its current value
    run = GenerateCaught("TTextForm10", v10, ShippedEntry("TTextForm10"), kData);
    EXPECT_EQ(run.lines.at(11), "var glowColor = '" + ColorToHex(ResolveColor(colors::kWindow)) + "';");
}

// The family's layout: Panel1 481 x 340 at 8, 40; rows 32 pixels apart;
// controls from 64 (80, 112); edits 19 high; colour panels 60 x 17 that open
// the dialog with its last colour; "Zentrava" in every "Text:" edit.
TEST(TextForms1, FormsFollowTheFamilyLayout) {
    const std::map<std::string, int> controlLeft = {{"TTextForm9", 80}, {"TTextForm10", 112}};
    const auto& all = FormRegistry::Instance().All();
    auto first = std::find_if(all.begin(), all.end(), [](const FormDecl& f) { return f.className == "TTextForm1"; });
    ASSERT_GE(std::distance(first, all.end()), 12);
    for (int n = 1; n <= 12; ++n, ++first) {
        const FormDecl& form = *first;
        SCOPED_TRACE(form.className);
        EXPECT_EQ(form.className, "TTextForm" + std::to_string(n));
        EXPECT_EQ(form.unit, "text" + std::to_string(n));
        ASSERT_TRUE(form.generate);
        if (n == 8) {  // no parameters: it says so, as the parameterless form does
            const FormDecl& none = *FormRegistry::Instance().Find("TNoParamForm");
            EXPECT_EQ(form.panel.width, none.panel.width);
            ASSERT_EQ(form.controls.size(), 1u);
            EXPECT_EQ(form.controls[0].text, none.controls[0].text);
            continue;
        }
        EXPECT_EQ(form.panel.left, 8);
        EXPECT_EQ(form.panel.top, 40);
        EXPECT_EQ(form.panel.width, 481);
        EXPECT_EQ(form.panel.height, 340);
        const int left = 8 + (controlLeft.count(form.className) ? controlLeft.at(form.className) : 64);
        for (const ControlDecl& c : form.controls) {
            SCOPED_TRACE(c.name);
            if (c.kind == ControlKind::Edit) {
                EXPECT_EQ(c.rect.height, 19);
                EXPECT_EQ(c.text, c.label == "Text:" ? "Zentrava" : "This is a word.");
            }
            if (c.kind == ControlKind::Swatch) {
                EXPECT_FALSE(c.preset);
                EXPECT_EQ(c.rect.width, 60);
                EXPECT_EQ(c.rect.height, 17);
            }
            if (c.kind == ControlKind::Edit || c.kind == ControlKind::Swatch) {
                EXPECT_EQ(c.rect.left, left);
                EXPECT_LT((c.rect.top - 40) % 32, 2);  // its row, a colour panel centred on it
                EXPECT_LE(c.rect.left + c.rect.width, 8 + 481);
            }
        }
    }
}

TEST(TextForms1, TheListFormEditsItsListWithThreeButtons) {
    const FormDecl& form = Form("TTextForm5");
    const ControlDecl* list = form.Control("FlatListBox1");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->kind, ControlKind::ListBox);
    EXPECT_EQ(list->entries, (std::vector<ListEntry>{
                                 {"Make your website colorful"}, {"No need to learn JavaScript"}, {"Zentrava is your tool."}}));
    EXPECT_EQ(list->rect.left, 8);
    EXPECT_EQ(list->rect.top, 77);
    EXPECT_EQ(list->rect.width, 481);
    EXPECT_EQ(list->rect.height, 290);
    const std::vector<std::tuple<std::string, std::string, ButtonAction, int>> buttons = {
        {"XP_Button2", "Add", ButtonAction::AddEntry, 328},
        {"XP_Button4", "Remove", ButtonAction::RemoveEntry, 384},
        {"XP_Button3", "Clear", ButtonAction::ClearEntries, 440},
    };
    for (const auto& [name, caption, action, left] : buttons) {
        const ControlDecl* b = form.Control(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->text, caption);
        EXPECT_EQ(b->action, action);
        EXPECT_EQ(b->target, "FlatListBox1");
        EXPECT_EQ(b->rect.left, left);
        EXPECT_EQ(b->rect.top, 40);
        EXPECT_EQ(b->rect.width, 52);
        EXPECT_EQ(b->rect.height, 19);
    }
    const ControlDecl* add = form.Control("XP_Button2");
    ASSERT_EQ(add->sources.size(), 1u);
    EXPECT_EQ(add->sources[0].control, "FlatEdit31");
}

}  // namespace
}  // namespace zentrava
