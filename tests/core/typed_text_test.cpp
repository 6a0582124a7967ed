// Warnings for typed text that would end the script string it is written into.
#include <gtest/gtest.h>

#include "catalogue/plugin.h"
#include "effects/registry.h"
#include "effects/typed_text.h"
#include "errors.h"

namespace zentrava {
namespace {

const std::string kData = ZENTRAVA_DATA_DIR;
const std::string M = "@@";

TEST(TypedText, EnclosuresFollowMarkupScriptStyleAndHandlers) {
    struct Case {
        const char* what;
        std::string code;
        std::vector<Enclosure> expected;
    };
    const std::vector<Case> cases = {
        {"page text", "<p>" + M + "</p>", {{}}},
        {"script apostrophes", "<script>alert('" + M + "')</script>", {{'\'', false, 0}}},
        {"script double quotes after a string", "<script>var a='x\"',b=\"" + M + "\"</script>", {{'"', false, 0}}},
        {"escaped quote stays inside", "<script>var a='it\\'s " + M + "'</script>", {{'\'', false, 0}}},
        {"code, not a string", "<script>var speed=" + M + ";</script>", {{0, false, 0}}},
        {"comment and regex before", "<script>// it's\nvar r=/'/g; /* \" */ x='" + M + "'</script>", {{'\'', false, 0}}},
        {"string over lines ends at the line", "<script>a='x\n" + M + "'</script>", {{0, false, 0}}},
        {"script ends its element", "<script>a='</script><b>" + M + "</b>", {{}}},
        {"style string", "<style>body{cursor:url('" + M + "')}</style>", {{'\'', true, 0}}},
        {"style value", "<style>p{font-family:" + M + ";}</style>", {{}}},
        {"handler over two lines", "<a href=# onClick=\"this.f\n('" + M + "');\">" + M + "</a>",
         {{'\'', false, '"'}, {}}},
        {"plain attribute", "<a href=\"" + M + "\">x</a>", {{}}},
        {"markup comment", "<!-- '" + M + " --><script>'" + M + "'</script>", {{}, {'\'', false, 0}}},
        // code that stops in the middle of something
        {"open string at the end", "<script>'" + M, {{'\'', false, 0}}},
        {"open handler at the end", "<a onclick=\"f('" + M, {{'\'', false, '"'}}},
        {"open regex at the end", "<script>x=/\\", {}},
        {"open tag at the end", "<a href=", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(EnclosuresOf(c.code, M), c.expected);
    }
}

TEST(TypedText, WarningNamesTheBreakingCharactersAndEscapesThem) {
    const Enclosure apostrophes{'\'', false, 0}, quotes{'"', false, 0}, css{'\'', true, 0}, handler{'\'', false, '"'};
    struct Case {
        std::string text;
        std::vector<Enclosure> places;
        std::string fixed;  // empty: no warning
        std::string names;
    };
    const std::vector<Case> cases = {
        {"Don't", {apostrophes}, "Don\\'t", "apostrophe (')"},
        {"Don't", {quotes}, "", ""},
        {"say \"hi\"", {quotes}, "say \\\"hi\\\"", "double quote (\")"},
        {"C:\\new", {apostrophes}, "C:\\\\new", "backslash (\\)"},
        {"Don\\'t C:\\\\x", {apostrophes}, "", ""},  // escapes already typed stay as they are
        {"end\\", {quotes}, "end\\\\", "backslash (\\)"},
        {"a\nb", {apostrophes}, "a\\nb", "line break"},
        {"a\nb", {css}, "a\\A b", "line break"},
        {"it's \"x\"", {handler}, "it\\'s &quot;x&quot;", "apostrophe (') and double quote (\")"},
        {"it's", {Enclosure{}}, "", ""},
        {"it's", {}, "", ""},
        {"Zentrava", {apostrophes, quotes}, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::optional<TextWarning> w = WarningFor(c.text, c.places);
        ASSERT_EQ(w.has_value(), !c.fixed.empty());
        if (!w) continue;
        EXPECT_EQ(w->fixed, c.fixed);
        EXPECT_EQ(w->message, "The " + c.names + " would end the script string early.");
        EXPECT_EQ(w->brief.substr(w->brief.size() - 10), "the string");
    }
}

// The shipped forms: the generated code tells where each typed text lands.
TEST(TypedText, ShippedFormsWarnWhereTheirTextEndsAString) {
    struct Case {
        const char* category;
        const char* form;
        const char* control;
        std::string text;
        std::string fixed;  // empty: no warning
    };
    const std::vector<Case> cases = {
        {"mouse.ini", "TMouseForm1", "FlatEdit2", "Don't", "Don\\'t"},
        {"mouse.ini", "TMouseForm3", "sSpinEdit1", "2'0", ""},
        {"mouse.ini", "TMouseForm6", "FontComboBox1", "Comic Sans's", "Comic Sans\\'s"},
        {"mouse.ini", "TMouseForm8", "FlatEdit4", "Don't say \"no\"", "Don't say \\\"no\\\""},
        {"mouse.ini", "TMouseForm8", "FontComboBox1", "It's", ""},
        {"mouse.ini", "TMouseForm12", "FlatEdit58", "a\\b", "a\\\\b"},
        {"mouse.ini", "TMouseForm16", "FlatEdit90", "it's.cur", "it\\'s.cur"},
        {"mouse.ini", "TMouseForm21", "FlatEdit109", "Zentrava's", "Zentrava\\'s"},
        {"other.ini", "TOtherForm1", "FlatEdit48", "Don't", "Don\\'t"},
        {"other.ini", "TOtherForm2", "flatedit52", "https://x/?q=\"a\"", "https://x/?q=&quot;a&quot;"},
        {"other.ini", "TOtherForm2", "FlatEdit51", "Don't \"go\"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.form) + "." + c.control);
        const FormDecl* form = FormRegistry::Instance().Find(c.form);
        ASSERT_NE(form, nullptr);
        Tplugin entry;
        for (const Tplugin& p : LoadCatalogue(kData + "/" + c.category)) {
            if (EqualsIgnoreCase(p.form, c.form)) entry = p;
        }
        FormValues values = DefaultValues(*form);
        EXPECT_TRUE(TypedTextWarnings(*form, values, entry, kData).empty());
        values[c.control].text = c.text;
        std::vector<TextWarning> warnings = TypedTextWarnings(*form, values, entry, kData);
        ASSERT_EQ(warnings.size(), c.fixed.empty() ? 0u : 1u);
        if (c.fixed.empty()) continue;
        EXPECT_EQ(warnings[0].control, c.control);
        if (c.text == "Don't") {
            EXPECT_EQ(warnings[0].brief, "' ends the string");
        }
        EXPECT_EQ(warnings[0].fixed, c.fixed);
        values[c.control].text = warnings[0].fixed;
        EXPECT_TRUE(TypedTextWarnings(*form, values, entry, kData).empty());
    }
    // A form that cannot be generated gives no warning (Generate reports the missing file).
    Tplugin missing;
    missing.script = "no-such-script";
    FormValues v = DefaultValues(*FormRegistry::Instance().Find("TMouseForm21"));
    v["FlatEdit109"].text = "it's";
    EXPECT_TRUE(TypedTextWarnings(*FormRegistry::Instance().Find("TMouseForm21"), v, missing, kData).empty());
}

}  // namespace
}  // namespace zentrava
