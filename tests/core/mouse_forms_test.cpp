// The Mouse forms against the shipped effect library, and the shipped
// catalogues against the registered forms.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

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

// The shipped mouse.ini entry whose form is `className`.
Tplugin ShippedEntry(const std::string& className) { return testing::ShippedEntry("mouse.ini", className); }

using Lines = std::vector<std::string>;

struct TemplateCase {
    std::string form;
    std::map<int, std::string> puts;  // with the form's defaults
};

const std::vector<TemplateCase>& TemplateCases() {
    static const std::vector<TemplateCase> cases = {
        {"TMouseForm3", {{4, "var speed=20,divTop=0,divLeft=0,angle=0,ypos=0,xpos=0,amount=13;"}}},
        {"TMouseForm6",
         {{3, std::string("var message='") + forms::kDefaultLink + "'"},
          {4, "var messagecolor='FF0000'"},
          {17, "{document.write('<div id=\"text\"'+i+' style=\"position:absolute;top:0px;left:0px;font-family:;"
               "font-size:10px;color:'+messagecolor+'\">'+message+'</div>')}"}}},
        {"TMouseForm8",
         {{7, "font-size:12px;"}, {8, "font-family:;"}, {9, "color: #FF0000;"}, {16, "var message=\"Zentrava.\""}}},
        {"TMouseForm12",
         {{3, "var scroller_msg='Zentrava'"},
          {8, "document.write('<marquee id=\"curscroll\" style=\"position:absolute;width:150px;border:1px solid "
              "#FF8000;font-size:12pt;font-family:;color:#FFFF00;background-color:#0000FF;visibility:hidden\">'"
              "+scroller_msg+'</marquee>')"}}},
        {"TMouseForm17", {{10, "var defaultcolor=\"#000000\""}}},
        {"TMouseForm18", {{4, "sCol = '800000'"}, {5, "mCol = '00FF00'"}, {6, "hCol = 'FF0000'"}}},
        {"TMouseForm19",
         {{4, "dCol=\"0000FF\""}, {5, "fCol=\"FF0000\""}, {6, "sCol=\"00FF00\""}, {7, "mCol=\"000000\""},
          {8, "hCol=\"000000\""}}},
        {"TMouseForm21", {{27, "var message='Zentrava';"}, {28, "var messagecolor='000000';"}}},
    };
    return cases;
}

TEST(MouseTemplateForms, DefaultsReplaceExactlyTheirLinesOfTheShippedScript) {
    for (const TemplateCase& c : TemplateCases()) {
        SCOPED_TRACE(c.form);
        const Tplugin entry = ShippedEntry(c.form);
        const Lines file = FileLines(ScriptFilePath(kData, entry));
        const Lines raw = GenerateRaw(c.form, DefaultValues(Form(c.form)), entry);
        ASSERT_EQ(raw.size(), file.size());
        for (std::size_t i = 0; i < raw.size(); ++i) {
            auto put = c.puts.find(static_cast<int>(i));
            EXPECT_EQ(raw[i], put == c.puts.end() ? file[i] : put->second) << "line " << i;
        }
    }
}

TEST(MouseTemplateForms, AScriptOneLineTooShortFailsAtTheHighestIndex) {
    testing::TempDir dir;
    for (const TemplateCase& c : TemplateCases()) {
        SCOPED_TRACE(c.form);
        const int highest = c.puts.rbegin()->first;
        std::string text;
        for (int i = 0; i < highest; ++i) text += "line " + std::to_string(i) + "\r\n";
        dir.Write("short.dat", text);
        Tplugin entry;
        entry.script = "short";
        try {
            GenerateRaw(c.form, DefaultValues(Form(c.form)), entry, dir.Path());
            ADD_FAILURE() << "no error";
        } catch (const EngineError& e) {
            EXPECT_EQ(std::string(e.what()), "List index out of bounds (" + std::to_string(highest) + ")");
        }
        dir.Write("short.dat", text + "last\r\n");
        EXPECT_EQ(GenerateRaw(c.form, DefaultValues(Form(c.form)), entry, dir.Path()).size(),
                  static_cast<std::size_t>(highest + 1));
    }
}

TEST(MouseTemplateForms, ValuesAreWrittenAsTyped) {
    const Tplugin entry8 = ShippedEntry("TMouseForm8");
    FormValues v8 = DefaultValues(Form("TMouseForm8"));
    v8["FlatEdit4"].text = "Done.";
    v8["FontComboBox1"].text = "DejaVu Sans";
    v8["ComboBox1"].text = "";
    v8["Panel19"].color = 0x563412;
    Lines raw = GenerateRaw("TMouseForm8", v8, entry8);
    EXPECT_EQ(raw[16], "var message=\"Done..\"");  // the full stop is always appended
    EXPECT_EQ(raw[8], "font-family:DejaVu Sans;");
    EXPECT_EQ(raw[7], "font-size:px;");
    EXPECT_EQ(raw[9], "color: #123456;");

    FormValues v3 = DefaultValues(Form("TMouseForm3"));
    v3["sSpinEdit1"].text = "-05";
    EXPECT_EQ(GenerateRaw("TMouseForm3", v3, ShippedEntry("TMouseForm3"))[4],
              "var speed=-05,divTop=0,divLeft=0,angle=0,ypos=0,xpos=0,amount=13;");

    FormValues v21 = DefaultValues(Form("TMouseForm21"));
    v21["FlatEdit109"].text = "it's";
    v21["Panel10"].color = colors::kWindow;  // a system colour: its current value
    raw = GenerateRaw("TMouseForm21", v21, ShippedEntry("TMouseForm21"));
    EXPECT_EQ(raw[27], "var message='it's';");
    EXPECT_EQ(raw[28], "var messagecolor='" + ColorToHex(ResolveColor(colors::kWindow)) + "';");
}

TEST(MouseSwatches, OnlyTheMessageFormPresetsItsDialog) {
    for (const FormDecl& form : FormRegistry::Instance().All()) {
        if (form.unit.rfind("mo", 0) != 0) continue;
        for (const ControlDecl& c : form.controls) {
            if (c.kind != ControlKind::Swatch) continue;
            EXPECT_EQ(c.preset, form.className == "TMouseForm6") << form.className << "." << c.name;
        }
    }
}

TEST(MouseLiteralForms, AlertFormsWriteTheirButtonAndTextUnescaped) {
    Tplugin entry;
    FormValues v1 = DefaultValues(Form("TMouseForm1"));
    v1["FlatEdit2"].text = "Don't";
    const Lines left = GenerateRaw("TMouseForm1", v1, entry, "/nowhere");
    // the ten classic lines, then a block that keeps this alert listening once
    // another alert (or the page) replaces click and document.onmousedown
    ASSERT_GE(left.size(), 10u);
    EXPECT_EQ(Lines(left.begin(), left.begin() + 10),
              (Lines{"<!--Insert following codes between <Head></Head>-->", "",
                     "<script language=\"javascript\">", "function click() {", "if (event.button==0) {",
                     "  alert('Don't')", "  }", "}", "document.onmousedown=click", "</script>"}));
    EXPECT_EQ(left.back(), "</script>");
    const Lines right = GenerateRaw("TMouseForm2", DefaultValues(Form("TMouseForm2")), entry, "/nowhere");
    EXPECT_EQ(right[4], "if (event.button==2) {");
    EXPECT_EQ(right[5], "  alert('Zentrava')");
    EXPECT_EQ(right.size(), left.size());
}

TEST(MouseLiteralForms, CursorStyleBlockSurvivesTheHeaderRewrite) {
    const Tplugin entry = ShippedEntry("TMouseForm16");
    TScriptCodeStrings lines;
    Lines skeleton;
    Generate(Form("TMouseForm16"), DefaultValues(Form("TMouseForm16")), entry, "/nowhere", skeleton, lines);
    EXPECT_EQ(lines.Get(0), "<!--将以下代码加入HTML的<Head></Head>之间-->");
    RewriteScriptHeader(lines, entry);
    Lines expected{kBodyHeaderComment};
    if (!entry.onload.empty()) expected.push_back("<!-- Insert onload=\"" + entry.onload + "\" into <Body> tag -->");
    for (const char* l : {"", "<style type=\"text/css\">", "<!--", "body {CURSOR: url('Image/cur.ani'), auto}",
                          "--></style>"}) {
        expected.push_back(l);
    }
    EXPECT_EQ(lines.Lines(), expected);
    EXPECT_TRUE(std::filesystem::is_regular_file(kData + "/Image/cur.ani"));
    const ControlDecl* choose = Form("TMouseForm16").Control("XP_Button2");
    ASSERT_NE(choose, nullptr);
    EXPECT_EQ(choose->filter, "静态鼠标(*.cur)|*.cur|动态鼠标(*.ani)|*.ani");
    EXPECT_EQ(choose->target, "FlatEdit90");
}

// Every shipped entry names a registered form, and generates with its
// defaults from the shipped files: template files have the lines their form replaces.
TEST(ShippedCatalogues, EveryEntryGeneratesWithItsDefaults) {
    int entries = 0;
    for (const Category& category : Categories()) {
        const std::string path = kData + "/" + category.fileName;
        if (!std::filesystem::exists(path)) continue;
        for (const Tplugin& entry : LoadCatalogue(path)) {
            SCOPED_TRACE(std::string(category.fileName) + ": " + entry.ename);
            ++entries;
            EXPECT_FALSE(entry.ename.empty());
            EXPECT_FALSE(entry.gbname.empty());
            EXPECT_FALSE(entry.bigname.empty());
            const FormDecl* form = FormRegistry::Instance().Find(entry.form);
            ASSERT_NE(form, nullptr) << entry.form;
            ASSERT_TRUE(form->generate) << entry.form;
            Lines skeleton;
            TScriptCodeStrings lines;
            EXPECT_NO_THROW(Generate(*form, DefaultValues(*form), entry, kData, skeleton, lines));
            EXPECT_GE(lines.Count(), 3u);
        }
    }
    EXPECT_GE(entries, 11 + 4 + 2 + 3);
}

}  // namespace
}  // namespace zentrava
