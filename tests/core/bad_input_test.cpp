// Lists far longer than any user types: 100,000 entries through Generate,
// the code window's rewrite, the page and the preview file.
#include <gtest/gtest.h>

#include "effects/registry.h"
#include "errors.h"
#include "list_form.h"
#include "output/page.h"
#include "temp_dir.h"

namespace zentrava {
namespace {

#ifdef __SANITIZE_ADDRESS__
// Under AddressSanitizer every allocation is watched and a list of 100,000
// entries takes minutes for each list form; 20,000 still go through every
// path the long lists take.
constexpr int kEntries = 20000;
#else
constexpr int kEntries = 100000;
#endif

using testing::LongListForm;

TEST(LongLists, HundredThousandEntriesReachThePreviewFileInOrder) {
    testing::TempDir dir;
    dir.Write("menu.dat", testing::kLongListTemplate);
    Tplugin entry;
    entry.ename = "Long menu";
    entry.script = "menu";

    const FormDecl form = LongListForm();
    FormValues values = DefaultValues(form);
    testing::FillLists(form, values, kEntries);
    std::vector<std::string> skeleton;
    TScriptCodeStrings lines;
    Generate(form, values, entry, dir.Path(), skeleton, lines);
    ASSERT_EQ(lines.Count(), 4u + kEntries + 1);

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
    EXPECT_EQ(page.substr(page.find("\r\n", at) + 2), "</script>\r\n</Body>\r\n</Html>\r\n");
}

TEST(LongLists, EveryRegisteredListFormTakesHundredThousandEntries) {
    // The shipped list forms, each with its lists at 100,000 entries and a
    // script file long enough for any line it replaces (forms that fill
    // numbered slots need one per entry), ends in a whole page.
    testing::TempDir dir;
    std::string script = "<!--h-->\r\n\r\n";
    for (int i = 0; i < kEntries + 400; ++i) script += "// line " + std::to_string(i) + "\r\n";
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
    const FormDecl local = LongListForm();
    for (const FormDecl* form : listForms) {
        const FormDecl& f = form ? *form : local;
        FormValues values = DefaultValues(f);
        testing::FillLists(f, values, kEntries);
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
