#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "effects/control_kind.h"
#include "effects/forms.h"
#include "effects/registry.h"
#include "errors.h"
#include "output/generated_page.h"
#include "output/insert_page.h"
#include "output/page.h"
#include "output/save_page.h"
#include "shipped_forms.h"
#include "temp_dir.h"

namespace zentrava {
namespace {

using Lines = std::vector<std::string>;

// Runs a form's Generate the way the application does and returns the raw lines.
struct Generated {
    Lines lines;
    Lines skeleton;
};

Generated GenerateForm(const std::string& className, const FormValues& values, const Tplugin& entry,
                 const std::string& dir) {
    const FormDecl* form = FormRegistry::Instance().Find(className);
    EXPECT_NE(form, nullptr) << className;
    Generated run;
    TScriptCodeStrings lines;
    Generate(*form, values, entry, dir, run.skeleton, lines);
    run.lines = lines.Lines();
    return run;
}

FormValues Defaults(const std::string& className) {
    return DefaultValues(*FormRegistry::Instance().Find(className));
}

TEST(FormRegistry, FindsClassesIgnoringCaseInRegistrationOrder) {
    const FormRegistry& r = FormRegistry::Instance();
    ASSERT_GE(r.All().size(), 3u);
    EXPECT_EQ(r.All()[0].className, "TNoParamForm");
    EXPECT_EQ(r.All()[1].className, "TMDIChild");
    EXPECT_EQ(r.All()[2].className, "TwelcomeForm");
    EXPECT_EQ(r.Find("tmouseform6")->className, "TMouseForm6");
    EXPECT_EQ(r.Find("TOTHERFORM2")->unit, "other2");
    EXPECT_EQ(r.Find("TMouseForm4"), nullptr);
    EXPECT_EQ(r.Find(""), nullptr);
    EXPECT_FALSE(r.Find("TMDIChild")->generate);
    EXPECT_EQ(r.Find("TwelcomeForm")->style, FormStyle::Welcome);
}

TEST(FormRegistry, EveryDeclarationIsConsistent) {
    for (const FormDecl& form : FormRegistry::Instance().All()) {
        std::vector<std::string> names;
        for (const ControlDecl& c : form.controls) {
            for (const std::string& n : names) EXPECT_FALSE(EqualsIgnoreCase(n, c.name)) << form.className << " " << n;
            names.push_back(c.name);
            if (c.kind == ControlKind::Button && c.action != ButtonAction::None) {
                EXPECT_NE(form.Control(c.target), nullptr) << form.className << "." << c.name;
                for (const FieldSource& s : c.sources) {
                    if (!s.control.empty()) {
                        EXPECT_NE(form.Control(s.control), nullptr) << form.className;
                    }
                }
            }
            EXPECT_GT(c.rect.width, 0) << form.className << "." << c.name;
            EXPECT_LE(c.rect.left + c.rect.width, 500) << form.className << "." << c.name;
            EXPECT_LE(c.rect.top + c.rect.height, 384) << form.className << "." << c.name;
        }
    }
}

// Whether a media query list holds for an engine that can hover and has the
// given primary pointer; features other than pointer and hover count as met.
bool QueryHolds(const std::string& list, const std::string& pointer) {
    std::stringstream queries(list);
    std::string query;
    while (std::getline(queries, query, ',')) {
        const bool negated = std::regex_search(query, std::regex(R"(^\s*not\s)"));
        bool holds = true;
        const std::regex feature(R"(\(\s*([a-z-]+)\s*(?::\s*([a-z-]+)\s*)?\))");
        for (std::sregex_iterator f(query.begin(), query.end(), feature), end; f != end; ++f) {
            const std::string name = (*f)[1], value = (*f)[2];
            if (name == "hover" || name == "any-hover") holds = holds && (value.empty() || value == "hover");
            if (name == "pointer" || name == "any-pointer") holds = holds && (value.empty() ? pointer != "none" : value == pointer);
        }
        if (holds != negated) return true;
    }
    return false;
}

// The preview engine hovers but names no pointer: every shipped script that
// asks for a fine pointer takes it for one.
TEST(ShippedScripts, PointerQueriesTakeAHoverWithoutAPointerForAFinePointer) {
    const std::regex query(R"(matchMedia\(\s*(['"])(.*?)\1|@media([^{]*)\{)");
    int queries = 0;
    for (const auto& file : std::filesystem::directory_iterator(testing::kData)) {
        if (file.path().extension() != ".dat") continue;
        std::ifstream in(file.path(), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (std::sregex_iterator m(text.begin(), text.end(), query), end; m != end; ++m) {
            const std::string list = (*m)[2].matched ? (*m)[2].str() : (*m)[3].str();
            if (list.find("pointer") == std::string::npos && list.find("hover") == std::string::npos) continue;
            ++queries;
            EXPECT_EQ(QueryHolds(list, "none"), QueryHolds(list, "fine"))
                << file.path().filename().string() << ": " << list;
        }
    }
    EXPECT_GT(queries, 20);
    // The reading of a query itself.
    EXPECT_TRUE(QueryHolds("(hover: hover) and (pointer: fine), (hover: hover) and (pointer: none)", "none"));
    EXPECT_FALSE(QueryHolds("(hover: hover) and (pointer: fine)", "none"));
    EXPECT_FALSE(QueryHolds("(pointer: coarse)", "none"));
    EXPECT_FALSE(QueryHolds("(pointer: coarse)", "fine"));
    EXPECT_TRUE(QueryHolds("not all and (pointer: coarse)", "fine"));
}

TEST(OtherForms, WriteTheirLinksFromTypedValues) {
    Tplugin entry;
    entry.ename = "Bookmark";
    FormValues v = Defaults("TOtherForm1");
    Generated r = GenerateForm("TOtherForm1", v, entry, "/nowhere");
    // The fixed lines come first; the lines after them make the link work in current browsers.
    ASSERT_GT(r.lines.size(), 6u);
    EXPECT_EQ(Lines(r.lines.begin(), r.lines.begin() + 6), (Lines{"", "", "<script language=\"JavaScript\">",
                              std::string("function bookmarkit(){window.external.addFavorite('") + forms::kDefaultLink +
                                  "','')}",
                              "if (document.all)document.write('<a href=\"#\" onClick=\"bookmarkit()\">Zentrava</a>')",
                              "</script>"}));
    EXPECT_EQ(r.skeleton[2], "<title>Bookmark</title>");

    v["FlatEdit48"].text = "";
    v["FlatEdit49"].text = "it's";
    v["FlatEdit50"].text = "T";
    r = GenerateForm("TOtherForm1", v, entry, "/nowhere");
    EXPECT_EQ(r.lines[3], "function bookmarkit(){window.external.addFavorite('it's','T')}");
    EXPECT_EQ(r.lines[4], "if (document.all)document.write('<a href=\"#\" onClick=\"bookmarkit()\"></a>')");
    EXPECT_EQ(r.lines[6], "<script type=\"text/javascript\">");
    EXPECT_EQ(r.lines.back(), "</script>");
    for (const char* typed : {"  link.href = 'it's';", "  link.title = 'T';", "  link.innerHTML = '';"}) {
        EXPECT_NE(std::find(r.lines.begin(), r.lines.end(), typed), r.lines.end()) << typed;
    }

    FormValues h = Defaults("TOtherForm2");
    r = GenerateForm("TOtherForm2", h, entry, "/nowhere");
    ASSERT_GT(r.lines.size(), 4u);
    EXPECT_EQ(r.lines[4], "<span role=\"status\" hidden></span>");
    EXPECT_EQ(r.lines[2], "<a href=# onClick=\"this.style.behavior='url(#default#homepage)';this.setHomePage");
    EXPECT_EQ(r.lines[3], std::string("('") + forms::kDefaultLink + "');\">Set as Homepage</a>");
    h["FlatEdit51"].text = "";
    h["FLATEDIT52"].text = "";
    EXPECT_EQ(GenerateForm("TOtherForm2", h, entry, "/nowhere").lines[3], "('');\"></a>");
}

TEST(NoParamForm, ShowsTheScriptFileAsItStands) {
    testing::TempDir dir;
    dir.Write("plain.dat", "<!--h-->\r\n\r\n<script>\r\nrun()\r\n</script>\r\n");
    Tplugin entry;
    entry.script = "plain";
    Generated r = GenerateForm("TNoParamForm", {}, entry, dir.Path());
    EXPECT_EQ(r.lines, (Lines{"<!--h-->", "", "<script>", "run()", "</script>"}));
}

TEST(GenerateFlow, FailuresKeepTheRebuiltSkeletonAndTheLinesWrittenSoFar) {
    testing::TempDir dir;
    Tplugin entry;
    entry.ename = "Speedy";
    entry.script = "short";
    const FormDecl& form = *FormRegistry::Instance().Find("TMouseForm3");

    // Missing file: the old lines stay, the skeleton is already the new one.
    std::vector<std::string> skeleton{"old"};
    TScriptCodeStrings lines(Lines{"previous"});
    try {
        Generate(form, DefaultValues(form), entry, dir.Path(), skeleton, lines);
        FAIL() << "no error";
    } catch (const EngineError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + dir.File("short.dat"));
    }
    EXPECT_EQ(lines.Lines(), Lines{"previous"});
    EXPECT_EQ(skeleton[2], "<title>Speedy</title>");

    // One line too short for line 4: the loaded lines stay.
    dir.Write("short.dat", "0\n1\n2\n3\n");
    try {
        Generate(form, DefaultValues(form), entry, dir.Path(), skeleton, lines);
        FAIL() << "no error";
    } catch (const EngineError& e) {
        EXPECT_EQ(std::string(e.what()), "List index out of bounds (4)");
        EXPECT_EQ(e.File(), dir.File("short.dat"));  // the file that is too short
    }
    EXPECT_EQ(lines.Lines(), (Lines{"0", "1", "2", "3"}));
}

// Every value of every registered form, changed, comes back from the recipe
// that inserted pages and the remembered values keep: each kind reads back
// the text it wrote (a colour as a colour, a list entry field by field).
TEST(ControlKinds, EveryChangedValueComesBackFromItsRecipe) {
    int checked = 0;
    for (const FormDecl& form : FormRegistry::Instance().All()) {
        FormValues changed = DefaultValues(form);
        for (const ControlDecl& c : form.controls) {
            ASSERT_STRNE(KindName(c.kind), "?") << form.className << ' ' << c.name;
            ASSERT_EQ(changed.Find(c.name) != nullptr, HoldsValue(c)) << form.className << ' ' << c.name;
            if (!HoldsValue(c)) continue;
            ControlValue& v = changed[c.name];
            if (IsList(c)) {
                ListEntry entry;
                for (std::size_t i = 0; i < EntryFields(c); ++i) entry.push_back("f" + std::to_string(i) + " 'x'");
                v.entries = {entry, ListEntry(EntryFields(c))};
            } else if (ValueOf(c) == ValueKind::Colour) {
                v.color = v.color < 0 ? colors::kBlack : v.color ^ 0x102030;  // a system colour becomes a plain one
            } else {
                v.text = ValueOf(c) == ValueKind::Number ? "-12.5" : v.text + " \"typed\" ";
            }
            ++checked;
        }
        FormValues back = DefaultValues(form);
        ApplyChanges(form, back, ChangesFromDefaults(form, changed));
        for (const ControlDecl& c : form.controls) {
            if (!HoldsValue(c)) continue;
            EXPECT_EQ(back.Find(c.name)->text, changed.Find(c.name)->text) << form.className << ' ' << c.name;
            EXPECT_EQ(back.Find(c.name)->color, changed.Find(c.name)->color) << form.className << ' ' << c.name;
            EXPECT_EQ(back.Find(c.name)->entries, changed.Find(c.name)->entries) << form.className << ' ' << c.name;
        }
    }
    EXPECT_GT(checked, 100);
}

// Text as the command line gives it: a colour or a number is refused as a
// whole, and the value is left as it was.
TEST(ControlKinds, ValueTextRefusesWhatTheKindCannotHold) {
    const ControlDecl swatch = Swatch("P", "Colour:", 0x0000FF, 0);
    const ControlDecl spin = SpinEdit("S", "Speed:", "20", 0);
    const ControlDecl edit = Edit("E", "Text:", "a", 0);
    ControlValue v = DefaultValue(swatch);
    EXPECT_EQ(SetValueText(swatch, v, "#zz0000", true), ValueTextError::NotColour);
    EXPECT_EQ(v.color, 0x0000FF);
    EXPECT_EQ(SetValueText(swatch, v, "#102030", true), ValueTextError::None);
    EXPECT_EQ(ColorToHex(v.color), "102030");
    v = DefaultValue(spin);
    EXPECT_EQ(SetValueText(spin, v, "2O", true), ValueTextError::NotNumber);
    EXPECT_EQ(v.text, "20");
    EXPECT_EQ(SetValueText(spin, v, "2O", false), ValueTextError::None);  // a recipe takes it as kept
    EXPECT_EQ(v.text, "2O");
    v = DefaultValue(edit);
    EXPECT_EQ(SetValueText(edit, v, "#zz", true), ValueTextError::None);
    EXPECT_EQ(v.text, "#zz");
}

// One call makes the page of an entry: the lines Generate wrote (when asked
// for), the page around them and the local files it names; a cut script
// file is said, a form without Generate refused.
TEST(MakePage, ReturnsThePageItsScriptAndItsLocalFiles) {
    testing::TempDir dir;
    static constexpr char kScript[] = "<!--h-->\n\nvar p='image/a.jpg';\n<img src=\"image/a.jpg\">\n\0cut\n";
    dir.Write("pic.dat", std::string(kScript, sizeof kScript - 1));
    Tplugin entry;
    entry.ename = "Picture";
    entry.script = "pic";
    const FormDecl* noParam = FormRegistry::Instance().Find("TNoParamForm");
    ASSERT_NE(noParam, nullptr);
    const GeneratedPage kept = MakePage(*noParam, DefaultValues(*noParam), entry, dir.Path(), RawLines::Keep);
    EXPECT_EQ(kept.raw, (Lines{"<!--h-->", "", "var p='image/a.jpg';", "<img src=\"image/a.jpg\">"}));
    EXPECT_TRUE(kept.scriptCut);
    EXPECT_EQ(kept.localFiles, Lines{"image/a.jpg"});
    EXPECT_EQ(kept.localFiles, LocalReferences(kept.Page()));
    EXPECT_EQ(kept.Page().back(), "</Html>");
    EXPECT_EQ(Lines(kept.Script().begin(), kept.Script().end()),
              Lines(kept.Page().begin() + static_cast<std::ptrdiff_t>(kept.view.scriptBegin),
                    kept.Page().end() - 2));
    const GeneratedPage dropped = MakePage(*noParam, DefaultValues(*noParam), entry, dir.Path());
    EXPECT_TRUE(dropped.raw.empty());
    EXPECT_EQ(dropped.Page(), kept.Page());

    const FormDecl* common = FormRegistry::Instance().Find("TCommonImageForm");
    ASSERT_NE(common, nullptr);
    EXPECT_THROW(MakePage(*common, DefaultValues(*common), entry, dir.Path()), EngineError);
}

}  // namespace
}  // namespace zentrava
