// Lists far longer than any user types: 100,000 entries through Generate,
// the code window's rewrite, the page and the preview file.
#include <gtest/gtest.h>

#include "effects/registry.h"
#include "errors.h"
#include "output/page.h"
#include "temp_dir.h"

namespace zentrava {
namespace {

constexpr int kEntries = 100000;

std::vector<ListEntry> ManyEntries(std::size_t columns) {
    std::vector<ListEntry> entries;
    entries.reserve(kEntries);
    for (int i = 0; i < kEntries; ++i) {
        ListEntry e{"entry " + std::to_string(i)};
        for (std::size_t c = 1; c < columns; ++c) e.push_back("page" + std::to_string(i) + ".htm");
        entries.push_back(std::move(e));
    }
    return entries;
}

// A menu-like form declared the way the effect forms are: a two-column list
// whose generator writes one script line per entry after a template's lines.
FormDecl ListForm() {
    FormDecl f;
    f.className = "TListTestForm";
    ControlDecl list;
    list.name = "ListView1";
    list.kind = ControlKind::ListView;
    list.columns = {{"Text", 120}, {"Link", -1}};
    list.rect = {8, 40, 300, 200};
    f.controls.push_back(list);
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        for (const ListEntry& e : v.Entries("ListView1")) out.Add("menu.add('" + e[0] + "','" + e[1] + "');");
        out.Add("menu.show();");
        out.Add("</script>");
    };
    return f;
}

TEST(LongLists, HundredThousandEntriesReachThePreviewFileInOrder) {
    testing::TempDir dir;
    dir.Write("menu.dat", "<!--h-->\r\n\r\n<script>\r\nvar menu=new Menu();\r\n");
    Tplugin entry;
    entry.ename = "Long menu";
    entry.script = "menu";

    const FormDecl form = ListForm();
    FormValues values = DefaultValues(form);
    values["ListView1"].entries = ManyEntries(2);
    std::vector<std::string> skeleton;
    TScriptCodeStrings lines;
    Generate(form, values, entry, dir.Path(), skeleton, lines);
    ASSERT_EQ(lines.Count(), 4u + kEntries + 2);

    const CodeWindowResult result = ActivateCodeWindow(lines, entry, skeleton);
    SaveLinesToFile(dir.File(kPreviewFileName), result.page);
    const std::string page = dir.Read(kPreviewFileName);
    std::size_t at = page.find("\r\n<script>\r\nvar menu=new Menu();\r\n");
    ASSERT_NE(at, std::string::npos);
    at = page.find("var menu", at);
    ASSERT_NE(at, std::string::npos);
    for (int i = 0; i < kEntries; ++i) {  // every entry once, in the order of the list
        const std::string line = "menu.add('entry " + std::to_string(i) + "','page" + std::to_string(i) + ".htm');\r\n";
        at = page.find("\r\n", at) + 2;
        ASSERT_EQ(page.compare(at, line.size(), line), 0) << "entry " << i;
    }
    EXPECT_EQ(page.substr(page.find("\r\n", at) + 2), "menu.show();\r\n</script>\r\n</Body>\r\n</Html>\r\n");
}

TEST(LongLists, EveryRegisteredListFormTakesHundredThousandEntries) {
    // The shipped list forms, each with its lists at 100,000 entries and a
    // script file long enough for any line it replaces: Generate ends in a
    // whole page or in the engine's own error, never in a fault.
    testing::TempDir dir;
    std::string script = "<!--h-->\r\n\r\n";
    for (int i = 0; i < 400; ++i) script += "// line " + std::to_string(i) + "\r\n";
    dir.Write("list.dat", script);
    Tplugin entry;
    entry.script = "list";
    std::vector<const FormDecl*> listForms;
    for (const FormDecl& form : FormRegistry::Instance().All()) {
        for (const ControlDecl& c : form.controls) {
            if ((c.kind == ControlKind::ListBox || c.kind == ControlKind::ListView) && form.generate) {
                listForms.push_back(&form);
                break;
            }
        }
    }
    listForms.push_back(nullptr);  // and the menu-like form above, so the run never checks nothing
    const FormDecl local = ListForm();
    for (const FormDecl* form : listForms) {
        const FormDecl& f = form ? *form : local;
        FormValues values = DefaultValues(f);
        for (const ControlDecl& c : f.controls) {
            if (c.kind == ControlKind::ListBox) values[c.name].entries = ManyEntries(1);
            if (c.kind == ControlKind::ListView) values[c.name].entries = ManyEntries(c.columns.size());
        }
        std::vector<std::string> skeleton;
        TScriptCodeStrings lines;
        try {
            Generate(f, values, entry, dir.Path(), skeleton, lines);
        } catch (const EngineError& e) {
            ADD_FAILURE() << f.className << " failed on a long script: " << e.what();
            continue;
        }
        const CodeWindowResult result = ActivateCodeWindow(lines, entry, skeleton);
        EXPECT_GE(result.page.size(), 400u) << f.className;
        EXPECT_EQ(result.page.back(), "</Html>") << f.className;
    }
}

}  // namespace
}  // namespace zentrava
