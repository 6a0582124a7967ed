// Effects that declare their own parameters: the block, its markers and the
// generic form, on hand-written files and on every shipped entry of the form.
#include <gtest/gtest.h>

#include "effects/params.h"
#include "effects/registry.h"
#include "errors.h"
#include "output/insert_page.h"
#include "shipped_forms.h"
#include "temp_dir.h"

namespace zentrava {
namespace {

using testing::kData;
using Lines = std::vector<std::string>;

Lines WithBlock(const Lines& declarations, const Lines& script) {
    Lines lines{"<!--parameters"};
    lines.insert(lines.end(), declarations.begin(), declarations.end());
    lines.push_back("-->");
    lines.push_back("<!--Insert following codes between <Body></Body>-->");
    lines.push_back("");
    lines.insert(lines.end(), script.begin(), script.end());
    return lines;
}

TEST(ParamBlock, ReadsEveryKind) {
    const Lines lines = WithBlock(
        {"# a comment line", "", "  speed  number 1..20 \"Speed:\" = 6", "tint colour \"Colour:\"=#3584e4",
         "words text \"Words:\" =  one, two = three ", "shape choice box | round|star \"Shape:\" = round",
         "face font \"Font:\" = Georgia, serif", "photo picture \"Picture:\" = image/Dog.jpg",
         "sound yesno \"Play a sound\" = no", "step number -0.5..2.5 \"Step:\" = +1.5", "hue color \"Hue:\" = #000000"},
        {"var s=/*@speed*/6, t='/*@tint*/#3584e4', w=/*@words*/'one, two = three', h=/*@hue*/\"#000000\";",
         "<!--@shape-->round <p style=\"font-family:/*@face*/Georgia, serif\">/*@photo*/`image/Dog.jpg`",
         "/*@sound*/false /*@step*/+1.5"});
    const ParamBlock block = ParseParamBlock(lines, "f.dat");
    ASSERT_EQ(block.params.size(), 9u);
    EXPECT_EQ(block.lines, 13u);
    const ParamDecl& speed = block.params[0];
    EXPECT_EQ(std::tie(speed.name, speed.caption, speed.defaultText),
              std::make_tuple(std::string("speed"), std::string("Speed:"), std::string("6")));
    EXPECT_EQ(speed.line, 4);
    EXPECT_EQ(speed.kind, ParamKind::Number);
    EXPECT_EQ(std::make_pair(speed.minimum, speed.maximum), std::make_pair(1.0, 20.0));
    EXPECT_EQ(block.params[1].kind, ParamKind::Colour);
    EXPECT_EQ(block.params[2].defaultText, "one, two = three");
    EXPECT_EQ(block.params[3].choices, (Lines{"box", "round", "star"}));
    EXPECT_EQ(block.params[4].kind, ParamKind::Font);
    EXPECT_EQ(block.params[5].kind, ParamKind::Picture);
    EXPECT_EQ(block.params[6].kind, ParamKind::YesNo);
    EXPECT_EQ(block.params[7].minimum, -0.5);
    EXPECT_EQ(block.params[8].kind, ParamKind::Colour);
    // A file without a block has none, and no form controls.
    EXPECT_EQ(ParseParamBlock({"<!--Insert following codes between <Body></Body>-->", "/*@x*/1"}, "f").lines, 0u);
}

TEST(ParamBlock, NamesEachFaultWithFileAndLine) {
    struct Case {
        Lines declarations, script;
        std::string error;
    } cases[] = {
        {{"9speed number 1..2 \"S\" = 1"}, {}, "f.dat:2: a parameter line starts with its name"},
        {{"speed\"S\" = 1"}, {}, "f.dat:2: the name speed must be followed by a space and a kind"},
        {{"a text \"A\" = x", "speed numbr 1..2 \"S\" = 1"}, {"/*@a*/x"}, "f.dat:3: 'numbr' is not a kind"},
        {{"speed number \"S\" = 1"}, {}, "f.dat:2: a number needs its range"},
        {{"speed number 5..1 \"S\" = 1"}, {}, "f.dat:2: a number needs its range"},
        {{"speed number 1..x \"S\" = 1"}, {}, "f.dat:2: a number needs its range"},
        {{"speed number 1..20 \"S\" = 21"}, {}, "f.dat:2: the default of speed is not a number from 1 to 20"},
        {{"speed number 1..20 \"S\" = 6px"}, {}, "f.dat:2: the default of speed is not a number"},
        {{"speed number 1..20 = 6"}, {}, "f.dat:2: speed has no caption in double quotes"},
        {{"speed number 1..20 \"S = 6"}, {}, "f.dat:2: the caption of speed has no closing quote"},
        {{"speed number 1..20 \"S\" 6"}, {}, "f.dat:2: speed needs '= default' after its caption"},
        {{"tint colour \"C\" = red"}, {}, "f.dat:2: the default of tint is not a colour"},
        {{"tint colour \"C\" = 255"}, {}, "f.dat:2: the default of tint is not a colour"},
        {{"tint text big \"C\" = red"}, {}, "f.dat:2: a text takes nothing before its caption"},
        {{"s choice a||b \"S\" = a"}, {}, "f.dat:2: a choice lists its items"},
        {{"s choice a|b \"S\" = c"}, {}, "f.dat:2: the default of s is not one of its choices"},
        {{"s yesno \"S\" = true"}, {}, "f.dat:2: the default of s is yes or no"},
        {{"s text \"S\" = a", "", "S text \"T\" = b"}, {"/*@s*/a /*@S*/b"}, "f.dat:4: S is declared twice (first on line 2)"},
        {{"s text \"S\" = a", "t text \"T\" = b"}, {"/*@s*/a"}, "f.dat:3: t is declared but no marker"},
        {{"s text \"S\" = a"}, {"", "/*@s*/a /*@u*/b"}, "f.dat:7: the marker /*@u*/ names no declared parameter"},
        {{"s text \"S\" = abc"}, {"x", "/*@s*/abd"}, "f.dat:7: the marker /*@s*/ must be followed by the default 'abc'"},
        {{"s text \"S\" = abc"}, {"'/*@s*/'abc"}, "f.dat:6: the marker /*@s*/ must be followed"},
        {{"s yesno \"S\" = yes"}, {"<!--@s-->yes"}, "f.dat:6: the marker <!--@s--> must be followed by the default 'true'"},
    };
    for (const Case& c : cases) {
        try {
            ParseParamBlock(WithBlock(c.declarations, c.script), "f.dat");
            ADD_FAILURE() << "no error, expected " << c.error;
        } catch (const EngineError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.error, 0), 0u) << e.what() << "\n  expected " << c.error;
        }
    }
    // The two lines after the block give way to the page's header; a line there would be lost.
    EXPECT_THROW(ParseParamBlock({"<!--parameters", "-->", "<!--Insert following codes-->", "<p>lost</p>"}, "h"),
                 EngineError);
    // A block that never ends is named at its first line.
    EXPECT_THROW(
        try { ParseParamBlock({"<!--parameters", "a text \"A\" = x", "# no end"}, "g.dat"); } catch (const EngineError& e) {
            EXPECT_STREQ(e.what(), "g.dat:1: the parameter block has no end (a line -->)");
            throw;
        },
        EngineError);
}

TEST(ParamBlock, PutsValuesInPlaceOfTheDefaultsByteForByte) {
    const Lines lines = WithBlock(
        {"n number 0..100 \"N\" = 6", "c colour \"C\" = #3584e4", "t text \"T\" = Hi", "k choice a|bb \"K\" = a",
         "y yesno \"Y\" = yes", "f font \"F\" = Arial"},
        {"x=/*@n*/6;y=/*@n*/6px;/*@c*/#3584e4",
         "<b><!--@t-->Hi</b> /*@t*/'Hi' /*@k*/\"a\" /*@y*/true /*@f*/Arial /*@cc_on @*/ /*@*/"});
    const ParamBlock block = ParseParamBlock(lines, "f.dat");
    FormValues values = DefaultValues(ParamForm(block));
    Lines same = lines;
    SubstituteParams(same, block, values);
    EXPECT_EQ(same, Lines(lines.begin() + 8, lines.end()));  // the file after the block, unchanged

    values["n"].text = "12.5";
    values["c"].color = 0x0000FF;  // red
    values["t"].text = "a'b\"c\xe4\xb8\xad <i>";
    values["k"].text = "bb";
    values["y"].text = "no";
    values["f"].text = "";
    Lines changed = lines;
    SubstituteParams(changed, block, values);
    EXPECT_EQ(changed, (Lines{"<!--Insert following codes between <Body></Body>-->", "",
                              "x=/*@n*/12.5;y=/*@n*/12.5px;/*@c*/#FF0000",
                              "<b><!--@t-->a'b\"c\xe4\xb8\xad <i></b> /*@t*/'a'b\"c\xe4\xb8\xad <i>' "
                              "/*@k*/\"bb\" /*@y*/false /*@f*/ /*@cc_on @*/ /*@*/"}));
    // The default colour spelled otherwise in the file keeps the file's spelling.
    values = DefaultValues(ParamForm(block));
    values["c"].color = *ParseColor("#3584E4");
    Lines spelled = lines;
    SubstituteParams(spelled, block, values);
    EXPECT_EQ(spelled[2], "x=/*@n*/6;y=/*@n*/6px;/*@c*/#3584e4");
    // A file without a block is used whole, marker-like comments and all.
    const Lines plain{"<!--Insert following codes between <Body></Body>-->", "", "/*@cc_on*/ <!--@x-->1"};
    Lines kept = plain;
    SubstituteParams(kept, ParseParamBlock(plain, "p.dat"), DefaultValues(ParamForm(ParamBlock{})));
    EXPECT_EQ(kept, plain);
}

TEST(ParamBlock, TheFormHasOneControlPerParameterAndTakesOnlyWhatTheyDeclare) {
    const ParamBlock block = ParseParamBlock(
        WithBlock({"n number 1..20 \"N:\" = 6", "k choice a|b \"K:\" = a", "y yesno \"Y\" = no", "p picture \"P:\" = a.jpg"},
                  {"/*@n*/6 /*@k*/a /*@y*/false /*@p*/a.jpg"}),
        "f.dat");
    const FormDecl form = ParamForm(block);
    EXPECT_EQ(form.className, "TParamForm");
    ASSERT_NE(form.Control("n"), nullptr);
    const ControlDecl& n = *form.Control("n");
    EXPECT_EQ(n.kind, ControlKind::SpinEdit);
    for (const char* good : {"1", "20", "6.5", "+7"}) EXPECT_TRUE(AcceptsText(n, good)) << good;
    for (const char* bad : {"0", "21", "", "6px", "-1"}) EXPECT_FALSE(AcceptsText(n, bad)) << bad;
    EXPECT_TRUE(AcceptsText(*form.Control("k"), "b"));
    EXPECT_FALSE(AcceptsText(*form.Control("k"), "c"));
    EXPECT_FALSE(AcceptsText(*form.Control("y"), "true"));
    // Nor does a recipe (remembered values, an inserted effect) give a choice
    // or a yes/no anything else.
    FormValues values = DefaultValues(form);
    EXPECT_THROW(ApplyChanges(form, values, {{RecipeChange::Set, "k", "c"}}), EngineError);
    EXPECT_THROW(ApplyChanges(form, values, {{RecipeChange::Set, "y", "true"}}), EngineError);
    ApplyChanges(form, values, {{RecipeChange::Set, "k", "b"}, {RecipeChange::Set, "y", "yes"}});
    EXPECT_EQ(values["k"].text, "b");
    EXPECT_EQ(values["y"].text, "yes");
    ASSERT_NE(form.Control("pBrowse"), nullptr);
    EXPECT_EQ(form.Control("pBrowse")->action, ButtonAction::BrowsePicture);
    EXPECT_EQ(form.panel.height, 33 + 3 * layout::kRow);
    for (const ControlDecl& c : form.controls) {
        EXPECT_LE(c.rect.top + c.rect.height, form.panel.top + form.panel.height) << c.name;
    }
}

// Every shipped entry of the generic form: its block reads, its defaults give
// the file after the block, and each parameter changed alone changes the code.
TEST(ParamBlock, EveryShippedEntryDeclaresWorkingParameters) {
    int entries = 0;
    for (const Category& category : Categories()) {
        for (const Tplugin& entry : LoadCatalogue(kData + "/" + category.fileName)) {
            if (entry.form != kParamFormClass) continue;
            ++entries;
            SCOPED_TRACE(entry.script);
            const FormDecl* form = FormForEntry(entry, kData);
            ASSERT_NE(form, nullptr);
            TScriptCodeStrings file;
            file.LoadFromFile(ScriptFilePath(kData, entry));
            const ParamBlock block = ParseParamBlock(file.Lines(), entry.script);
            EXPECT_GE(block.params.size(), 2u);
            const Lines defaults = testing::GenerateRaw(entry.form, DefaultValues(*form), entry);
            EXPECT_EQ(defaults, Lines(file.Lines().begin() + static_cast<std::ptrdiff_t>(block.lines), file.Lines().end()));
            for (const ParamDecl& p : block.params) {
                FormValues values = DefaultValues(*form);
                switch (p.kind) {
                    case ParamKind::Colour: values[p.name].color = 0x123456; break;
                    case ParamKind::Number: values[p.name].text = p.defaultText == std::to_string(static_cast<int>(p.minimum)) ? std::to_string(static_cast<int>(p.maximum)) : std::to_string(static_cast<int>(p.minimum)); break;
                    case ParamKind::Choice: values[p.name].text = p.choices.front() == p.defaultText ? p.choices.back() : p.choices.front(); break;
                    case ParamKind::YesNo: values[p.name].text = p.defaultText == "yes" ? "no" : "yes"; break;
                    default: values[p.name].text = p.defaultText + "x"; break;
                }
                std::vector<std::string> skeleton;
                TScriptCodeStrings lines;
                Generate(*form, values, entry, kData, skeleton, lines);
                EXPECT_NE(lines.Lines(), defaults) << p.name;
            }
        }
    }
    EXPECT_GE(entries, 30);
}

}  // namespace
}  // namespace zentrava
