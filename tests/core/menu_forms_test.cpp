// The Menu forms against the shipped menu library: the lines each form
// writes for its default entries, an empty list and a single entry, the
// separator and header markers, and where a script file that is too short
// makes it fail.
#include <gtest/gtest.h>

#include <map>

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

// The shipped menu.ini entry whose form is `className`.
Tplugin ShippedEntry(const std::string& className) { return testing::ShippedEntry("menu.ini", className); }

using Lines = std::vector<std::string>;
using Puts = std::map<long long, std::string>;
const std::string kGoogle = "https://www.google.com/";
const std::string kYahoo = "https://www.yahoo.com/";

// What one Generate writes: template lines replaced (a value starting with
// "+" is appended to the line as loaded) and lines added at the end.
struct Written {
    Puts puts;
    Lines added;
};

// A script too short for the form: the file has `fileLines` lines; Generate
// fails at `index` and leaves `linesAfter` lines behind.
struct ShortFile {
    std::string form;
    bool emptyList;
    long long index;
    int fileLines;
    std::size_t linesAfter;
};

const std::vector<ShortFile> kShortFiles = {
    {"TMenuForm4", false, 58, 58, 58},
    {"TMenuForm4", true, 58, 58, 58},
    {"TMenuForm5", false, 52, 52, 52},
    {"TMenuForm5", true, 52, 52, 52},
    {"TMenuForm10", false, 39, 39, 39},
    // The closing line is added before line 27 is replaced, so only a file
    // of fewer than 27 lines fails there.
    {"TMenuForm10", true, 27, 26, 27},
    {"TMenuForm11", false, 45, 45, 45},
    // Line 86 must exist once the first button block is added.
    {"TMenuForm12", false, 86, 85, 86},
    {"TMenuForm12", true, 30, 30, 30},
};

struct MenuCase {
    std::string form;
    std::string list;
    Written defaults;     // the form as it opens
    Written empty;        // after "Clear"
    Written one;          // a single entry "Only", "o.htm"(, "Solo")
};

const std::string kForm2Tail[] = {"</div>",
                                  "<script language=\"JavaScript1.2\">",
                                  "if (document.all && window.print) {",
                                  "ie5menu.className = menuskin;",
                                  "document.oncontextmenu = showmenuie5;",
                                  "document.body.onclick = hidemenuie5;}",
                                  "</script>"};
const std::string kForm4Tail[] = {
    "document.write('<tr><td bgcolor=\"'+hdrBGColor+'\"><font size=\"0\" face=\"Arial\"> </font></td></TR></table>')",
    "if (IE) {document.write('</DIV>')}", "if (NS) {document.write('</LAYER>')}",
    "if ((IE||NS) && (menuIsStatic==\"yes\"&&staticMode)) {makeStatic(staticMode);}",
    "</script><script> window.onload=init  </script>"};

Lines Join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}
Lines Form2Tail() { return Lines(std::begin(kForm2Tail), std::end(kForm2Tail)); }
Lines Form4Tail() { return Lines(std::begin(kForm4Tail), std::end(kForm4Tail)); }

std::string Form1Row(const std::string& link, const std::string& caption) {
    return "<tr><td><a href=\"" + link + "\" class=\"cc\" >" + caption + "</a></td></tr>";
}
const std::string kForm1Table =
    "<table id=\"itemopen\" style=\"font: 9pt Arial; position: absolute;  background: C0C0C0; display:none\">";
const std::string kForm3Para =
    "<p style=\"LEFT: 10000px! important; POSITION: relative! important\" dynamicanimation=\"zoomIn\">";
std::string Form5Row(const std::string& link, const std::string& caption) {
    return "<tr style=\"font-size: 14px\"><td width=\"100%\" class=\"menulines\"><a href=\"" + link + "\">" + caption +
           "</a></td></tr>";
}
const std::string kForm5Title =
    "<tr style=\"font-size: 14px\"><td width=\"100%\" bgcolor=\"#E6E6E6\" height=\"13\"><b>Menu</b></td></tr>";
std::string Form9Cell(const std::string& link, const std::string& caption) {
    return "<td class=button2 onMouseOut=\"this.className='button2'\" onMouseOver=\"this.className='button1'\" "
           "onMouseDown=\"this.className='button3'\" onMouseUp=\"this.className='button1'\" align=\"center\" "
           "valign=\"middle\"><a href=\"" +
           link + "\">" + caption + "</a></td>";
}
std::string Form12Block(int i, const std::string& link, const std::string& caption) {
    const std::string n = std::to_string(i);
    return "<div id=\"divButton" + n + "\" class=\"clButtons\"><a href=\"" + link + "\" onmouseover=\"sbmover(" + n +
           ")\" onmouseout=\"sbmout(" + n + ")\" onclick=\"changeListing(" + n + "); return false\">" + caption +
           "</a></div>";
}
const std::string kForm13Open =
    "<div style=\"font-family: Vardana; font-size: 13px; \" id=\"divMenu\" style=\"position: absolute; top: 163; "
    "left: 40; width: 173; visibility: hidden; background-color: FF0000; height: 15\"><nobr>";
const std::string kForm13Close =
    "&nbsp; --&nbsp; <a style=\"background-color: yellow; text-decoration: none\" href=\"javascript://\" "
    "onclick=\"moveMenu()\">Menu</a></nobr></div>";

const std::vector<MenuCase>& Cases() {
    static const std::vector<MenuCase> cases = {
        {"TMenuForm1", "ListView1",
         {{}, {kForm1Table, Form1Row(kGoogle, "Google"), Form1Row(kYahoo, "Yahoo"), "</table>"}},
         {{}, {kForm1Table, "</table>"}},
         {{}, {kForm1Table, Form1Row("o.htm", "Only"), "</table>"}}},
        {"TMenuForm2", "ListView2",
         {{},
          Join({{"<div class=\"menuitems\" url=\"" + kGoogle + "#\">Google</div>",
                 "<div class=\"menuitems\" url=\"" + kYahoo + "#\">Yahoo</div>"},
                Form2Tail()})},
         {{}, Form2Tail()},
         {{}, Join({{"<div class=\"menuitems\" url=\"o.htm#\">Only</div>"}, Form2Tail()})}},
        {"TMenuForm3", "ListView3",
         {{},
          {kForm3Para, "<a href=\"" + kGoogle + "\">Google</a></p>", kForm3Para, "<a href=\"" + kYahoo + "\">Yahoo</a></p>",
           "</td></tr></table></div>"}},
         {{}, {"</td></tr></table></div>"}},
         {{}, {kForm3Para, "<a href=\"o.htm\">Only</a></p>", "</td></tr></table></div>"}}},
        {"TMenuForm4", "ListView4",
         {{{58, "barText=\"Menu\""}},
          Join({{"addItem(\"Google\", \"" + kGoogle + "\", \"\");", "addItem(\"Yahoo\", \"" + kYahoo + "\", \"\");"},
                Form4Tail()})},
         {{{58, "barText=\"Menu\""}}, Form4Tail()},
         {{{58, "barText=\"Menu\""}}, Join({{"addItem(\"Only\", \"o.htm\", \"\");"}, Form4Tail()})}},
        {"TMenuForm5", "ListView5",
         {{{52, kForm5Title}}, {Form5Row(kGoogle, "Google"), Form5Row(kYahoo, "Yahoo"), "</table>"}},
         {{{52, kForm5Title}}, {"</table>"}},
         {{{52, kForm5Title}}, {Form5Row("o.htm", "Only"), "</table>"}}},
        {"TMenuForm6", "ListView6",
         {{},
          {"<a HREF=\"" + kGoogle +
               "\" onMouseOver=\"drc('Search anything','Google'); return true;\"onMouseOut=\"nd(); return true;\">Google</a><br>",
           "<a HREF=\"" + kYahoo +
               "\" onMouseOver=\"drc('Internet Portal','Yahoo'); return true;\"onMouseOut=\"nd(); return true;\">Yahoo</a><br>"}},
         {},
         {{},
          {"<a HREF=\"o.htm\" onMouseOver=\"drc('Solo','Only'); return true;\"onMouseOut=\"nd(); return true;\">Only</a><br>"}}},
        {"TMenuForm7", "ListView7",
         {{},
          {"<A href=\"" + kGoogle +
               "\" onmouseout=hidetip2() onmouseover=\"showtip2(this,event,'Search anything')\" target=_blank>Google</font></A><br>",
           "<A href=\"" + kYahoo +
               "\" onmouseout=hidetip2() onmouseover=\"showtip2(this,event,'Internet Portal')\" target=_blank>Yahoo</font></A><br>"}},
         {},
         {{}, {"<A href=\"o.htm\" onmouseout=hidetip2() onmouseover=\"showtip2(this,event,'Solo')\" target=_blank>Only</font></A><br>"}}},
        {"TMenuForm8", "ListView8",
         {{},
          {"<td > <a href=\"" + kGoogle + "\">Google</a></td>", "<td > <a href=\"" + kYahoo + "\">Yahoo</a></td>",
           "</tr></table></span>"}},
         {{}, {"</tr></table></span>"}},
         {{}, {"<td > <a href=\"o.htm\">Only</a></td>", "</tr></table></span>"}}},
        {"TMenuForm9", "ListView9",
         {{}, {Form9Cell(kGoogle, "Google"), Form9Cell(kYahoo, "Yahoo"), "</tr></table>"}},
         {{}, {"</tr></table>"}},
         {{}, {Form9Cell("o.htm", "Only"), "</tr></table>"}}},
        {"TMenuForm10", "ListView10",
         {{{27, "Menu"},
           {38, "selection[0]='<font face=\"MS sans arial\"><a href=\"" + kGoogle + "\">Google</a></font><br>'"},
           {39, "selection[1]='<font face=\"MS sans arial\"><a href=\"" + kYahoo + "\">Yahoo</a></font><br>'"}},
          {"</tr></table>"}},
         {{{27, "Menu"}}, {"</tr></table>"}},
         {{{27, "Menu"}, {38, "selection[0]='<font face=\"MS sans arial\"><a href=\"o.htm\">Only</a></font><br>'"}},
          {"</tr></table>"}}},
        {"TMenuForm11", "ListView11",
         {{{44, "news[0]=\"<a href='" + kGoogle + "'>Google</a>\""}, {45, "news[1]=\"<a href='" + kYahoo + "'>Yahoo</a>\""}},
          {}},
         {},
         {{{44, "news[0]=\"<a href='o.htm'>Only</a>\""}}, {}}},
        {"TMenuForm12", "ListView12",
         {{{30, "numItems = 1"}, {86, "+oBut[0].moveIt(250,100);oBut[1].moveIt(310,100);"}},
          {Form12Block(0, kGoogle, "Google"), Form12Block(1, kYahoo, "Yahoo")}},
         {{{30, "numItems = -1"}}, {}},
         {{{30, "numItems = 0"}, {86, "+oBut[0].moveIt(250,100);"}}, {Form12Block(0, "o.htm", "Only")}}},
        {"TMenuForm13", "ListView13",
         {{}, {kForm13Open, "<a href=\"" + kGoogle + "\">Google</a>-", "<a href=\"" + kYahoo + "\">Yahoo</a>-", kForm13Close}},
         {{}, {kForm13Open, kForm13Close}},
         {{}, {kForm13Open, "<a href=\"o.htm\">Only</a>-", kForm13Close}}},
        {"TMenuForm17", "ListView14",
         {{},
          {"<a href=\"" + kGoogle + "\" onMouseOver=Show(div0) onMouseOut=Hide(div0) >Google</a>",
           "<div id=\"div0\" class=\"article\">Search anything</div>",
           "<a href=\"" + kYahoo + "\" onMouseOver=Show(div1) onMouseOut=Hide(div1) >Yahoo</a>",
           "<div id=\"div1\" class=\"article\">Internet Portal</div>"}},
         {},
         {{}, {"<a href=\"o.htm\" onMouseOver=Show(div0) onMouseOut=Hide(div0) >Only</a>",
               "<div id=\"div0\" class=\"article\">Solo</div>"}}},
    };
    return cases;
}

FormValues WithEntries(const MenuCase& c, std::vector<ListEntry> entries) {
    FormValues v = DefaultValues(Form(c.form));
    v[c.list].entries = std::move(entries);
    return v;
}

bool Described(const MenuCase& c) { return Form(c.form).Control(c.list)->columns.size() == 3; }

void ExpectWritten(const Lines& file, const Lines& raw, const Written& w) {
    ASSERT_EQ(raw.size(), file.size() + w.added.size());
    for (std::size_t i = 0; i < file.size(); ++i) {
        auto put = w.puts.find(static_cast<long long>(i));
        std::string expected = file[i];
        if (put != w.puts.end()) expected = put->second[0] == '+' ? file[i] + put->second.substr(1) : put->second;
        EXPECT_EQ(raw[i], expected) << "line " << i;
    }
    EXPECT_EQ(Lines(raw.begin() + static_cast<long>(file.size()), raw.end()), w.added);
}

TEST(MenuForms, WriteTheirLinesForDefaultEmptyAndSingleLists) {
    for (const MenuCase& c : Cases()) {
        SCOPED_TRACE(c.form);
        const Tplugin entry = ShippedEntry(c.form);
        const Lines file = FileLines(ScriptFilePath(kData, entry));
        {
            SCOPED_TRACE("defaults");
            ExpectWritten(file, GenerateRaw(c.form, DefaultValues(Form(c.form)), entry), c.defaults);
        }
        {
            SCOPED_TRACE("empty list");
            ExpectWritten(file, GenerateRaw(c.form, WithEntries(c, {}), entry), c.empty);
        }
        {
            SCOPED_TRACE("one entry");
            ListEntry only{"Only", "o.htm"};
            if (Described(c)) only.push_back("Solo");
            ExpectWritten(file, GenerateRaw(c.form, WithEntries(c, {only}), entry), c.one);
        }
    }
}

TEST(MenuForms, AScriptTooShortFailsAtItsIndexKeepingWhatWasWritten) {
    testing::TempDir dir;
    Tplugin entry;
    entry.script = "short";
    for (const ShortFile& s : kShortFiles) {
        SCOPED_TRACE(s.form + (s.emptyList ? " with an empty list" : " with its defaults"));
        std::string text;
        for (int i = 0; i < s.fileLines; ++i) text += "line " + std::to_string(i) + "\r\n";
        dir.Write("short.dat", text);
        FormValues values = DefaultValues(Form(s.form));
        if (s.emptyList) {
            for (const ControlDecl& c : Form(s.form).controls) {
                if (c.kind == ControlKind::ListView) values[c.name].entries.clear();
            }
        }
        Lines skeleton;
        TScriptCodeStrings lines;
        try {
            Generate(Form(s.form), values, entry, dir.Path(), skeleton, lines);
            ADD_FAILURE() << "no error";
        } catch (const EngineError& e) {
            EXPECT_EQ(std::string(e.what()), "List index out of bounds (" + std::to_string(s.index) + ")");
        }
        EXPECT_EQ(lines.Count(), s.linesAfter);
        // One more line and the same values generate.
        dir.Write("short.dat", text + "last\r\n");
        EXPECT_NO_THROW(GenerateRaw(s.form, values, entry, dir.Path()));
    }
    // Every form reads its script file.
    Tplugin missing;
    missing.script = "no such script";
    for (const MenuCase& c : Cases()) {
        EXPECT_THROW(GenerateRaw(c.form, DefaultValues(Form(c.form)), missing, dir.Path()), EngineError) << c.form;
    }
}

// A list whose script has lines for only so many entries: in the shipped
// script those lines are the last ones, all of them taken by a full list,
// and one entry more fails at the line after the end, before anything of the
// script is written over.
TEST(MenuForms, ListsWithACapacityFillTheLastLinesOfTheShippedScript) {
    int checked = 0;
    for (const FormDecl& form : FormRegistry::Instance().All()) {
        for (const ControlDecl& c : form.controls) {
            if (c.capacity == 0) continue;
            SCOPED_TRACE(form.className + "." + c.name);
            ++checked;
            const Tplugin entry = ShippedEntry(form.className);
            const Lines file = FileLines(ScriptFilePath(kData, entry));
            ASSERT_GT(file.size(), c.capacity);
            FormValues values = DefaultValues(form);
            auto& entries = values[c.name].entries;
            entries.clear();
            for (std::size_t i = 0; i < c.capacity; ++i) {
                ListEntry e{"Entry " + std::to_string(i), "page" + std::to_string(i) + ".htm"};
                if (c.columns.size() > 2) e.push_back("about " + std::to_string(i));
                entries.push_back(e);
            }
            const Lines full = GenerateRaw(form.className, values, entry);
            ASSERT_GE(full.size(), file.size());
            const std::size_t firstSlot = file.size() - c.capacity;
            for (std::size_t i = firstSlot; i < file.size(); ++i) {
                EXPECT_NE(full[i], file[i]) << "line " << i << " is no slot";
                EXPECT_NE(full[i].find("Entry " + std::to_string(i - firstSlot) + "<"), std::string::npos) << full[i];
            }
            entries.push_back({"One too many", "more.htm", "more"});
            entries.back().resize(std::max<std::size_t>(2, c.columns.size()));
            const testing::Outcome over = testing::GenerateCaught(form.className, values, entry);
            EXPECT_EQ(over.error, "List index out of bounds (" + std::to_string(file.size()) + ")");
        }
    }
    EXPECT_GE(checked, 2);
}

TEST(MenuForms, OnlyTheExactMarkersMakeSeparatorsAndHeaders) {
    struct Marker {
        std::string form, list;
        ListEntry entry;
        std::string line;
    };
    const std::vector<Marker> markers = {
        {"TMenuForm2", "ListView2", {"#Seperator#", "<Hr>"}, "<hr>"},
        {"TMenuForm2", "ListView2", {"#Seperator#", "page.htm"}, "<hr>"},
        {"TMenuForm2", "ListView2", {"#seperator#", "x"}, "<div class=\"menuitems\" url=\"x#\">#seperator#</div>"},
        {"TMenuForm2", "ListView2", {"#Seperator# ", "x"}, "<div class=\"menuitems\" url=\"x#\">#Seperator# </div>"},
        {"TMenuForm4", "ListView4", {"Group", "<Seperator>"}, "addHdr('Group');"},
        {"TMenuForm4", "ListView4", {"Group", "<seperator>"}, "addItem(\"Group\", \"<seperator>\", \"\");"},
        {"TMenuForm4", "ListView4", {"it's \"x\"", "a'b"}, "addItem(\"it's \"x\"\", \"a'b\", \"\");"},
    };
    for (const Marker& m : markers) {
        SCOPED_TRACE(m.form + " " + m.entry[0]);
        FormValues v = DefaultValues(Form(m.form));
        v[m.list].entries = {m.entry};
        const Lines raw = GenerateRaw(m.form, v, ShippedEntry(m.form));
        const std::size_t tail = m.form == "TMenuForm2" ? 7 : 5;
        ASSERT_GT(raw.size(), tail);
        EXPECT_EQ(raw[raw.size() - tail - 1], m.line);
    }
}

// The editor as each form declares it: names, labels, defaults and places.
TEST(MenuForms, DeclareTheSharedEditor) {
    struct Editor {
        std::string form, caption, link, description, list;
        std::vector<std::string> extras;  // further controls, in order
    };
    const std::vector<Editor> editors = {
        {"TMenuForm1", "FlatEdit5", "FlatEdit6", "", "ListView1", {"Panel2"}},
        {"TMenuForm2", "FlatEdit7", "FlatEdit8", "", "ListView2", {"XP_Button5"}},
        {"TMenuForm3", "FlatEdit9", "FlatEdit10", "", "ListView3", {}},
        {"TMenuForm4", "FlatEdit11", "FlatEdit12", "", "ListView4", {"XP_Button5", "FlatEdit13"}},
        {"TMenuForm5", "FlatEdit14", "FlatEdit15", "", "ListView5", {"FlatEdit16"}},
        {"TMenuForm6", "FlatEdit19", "FlatEdit18", "FlatEdit17", "ListView6", {}},
        {"TMenuForm7", "FlatEdit22", "FlatEdit21", "FlatEdit20", "ListView7", {}},
        {"TMenuForm8", "FlatEdit23", "FlatEdit24", "", "ListView8", {}},
        {"TMenuForm9", "FlatEdit26", "FlatEdit25", "", "ListView9", {}},
        {"TMenuForm10", "FlatEdit53", "FlatEdit54", "", "ListView10", {"FlatEdit55"}},
        {"TMenuForm11", "FlatEdit56", "FlatEdit57", "", "ListView11", {}},
        {"TMenuForm12", "FlatEdit74", "FlatEdit73", "", "ListView12", {}},
        {"TMenuForm13", "FlatEdit81", "FlatEdit82", "", "ListView13", {"FlatEdit83", "Panel2"}},
        {"TMenuForm17", "FlatEdit93", "FlatEdit94", "FlatEdit95", "ListView14", {}},
    };
    std::vector<std::string> order;
    for (const FormDecl& f : forms::MenuForms()) order.push_back(f.className);
    std::vector<std::string> expectedOrder;
    for (const Editor& e : editors) expectedOrder.push_back(e.form);
    EXPECT_EQ(order, expectedOrder);

    for (const Editor& e : editors) {
        SCOPED_TRACE(e.form);
        const FormDecl& f = Form(e.form);
        EXPECT_EQ(f.unit, "menu" + e.form.substr(9));
        EXPECT_EQ(f.panel.left, 8);
        EXPECT_EQ(f.panel.top, 40);
        EXPECT_EQ(f.panel.width, 489);
        EXPECT_EQ(f.panel.height, 340);
        const bool described = !e.description.empty();
        std::vector<std::string> names{e.caption, e.link};
        if (described) names.push_back(e.description);
        for (const char* n : {"", "XP_Button2", "XP_Button4", "XP_Button3"}) {
            if (*n) names.push_back(n);
            else names.push_back(e.list);
        }
        names.insert(names.end(), e.extras.begin(), e.extras.end());
        std::vector<std::string> declared;
        for (const ControlDecl& c : f.controls) declared.push_back(c.name);
        EXPECT_EQ(declared, names);

        const ControlDecl* caption = f.Control(e.caption);
        const ControlDecl* link = f.Control(e.link);
        EXPECT_EQ(caption->label, "Caption:");
        EXPECT_EQ(caption->text, "Zentrava");
        EXPECT_EQ(link->label, "Link:");
        EXPECT_EQ(link->text, forms::kDefaultLink);
        EXPECT_EQ(link->rect.top - caption->rect.top, 32);
        const int buttonTop = described ? f.Control(e.description)->rect.top : link->rect.top;
        if (described) {
            EXPECT_EQ(f.Control(e.description)->label, "Description:");
            EXPECT_EQ(f.Control(e.description)->text, "This is a short description");
        }
        const std::pair<const char*, int> buttons[] = {{"XP_Button2", 320}, {"XP_Button4", 376}, {"XP_Button3", 432}};
        const char* captions[] = {"Add", "Remove", "Clear"};
        const ButtonAction actions[] = {ButtonAction::AddEntry, ButtonAction::RemoveEntry, ButtonAction::ClearEntries};
        for (int b = 0; b < 3; ++b) {
            const ControlDecl* button = f.Control(buttons[b].first);
            EXPECT_EQ(button->text, captions[b]);
            EXPECT_EQ(button->action, actions[b]);
            EXPECT_EQ(button->target, e.list);
            EXPECT_EQ(button->rect.left, 8 + buttons[b].second);
            EXPECT_EQ(button->rect.top, buttonTop);
            EXPECT_EQ(button->rect.width, 52);
            EXPECT_EQ(button->rect.height, 19);
        }
        std::vector<std::string> sources;
        for (const FieldSource& s : f.Control("XP_Button2")->sources) sources.push_back(s.control);
        EXPECT_EQ(sources, (described ? Lines{e.caption, e.link, e.description} : Lines{e.caption, e.link}));

        const ControlDecl* list = f.Control(e.list);
        EXPECT_EQ(list->kind, ControlKind::ListView);
        EXPECT_EQ(list->rect.left, 8);
        EXPECT_EQ(list->rect.width, 481);
        EXPECT_GT(list->rect.top, buttonTop);
        EXPECT_LE(list->rect.top + list->rect.height, 40 + 340);
        EXPECT_EQ(list->editableCaptions, e.form == "TMenuForm2");
        std::vector<std::pair<std::string, int>> columns;
        for (const Column& col : list->columns) columns.emplace_back(col.caption, col.width);
        if (e.form == "TMenuForm2") {
            EXPECT_EQ(columns, (std::vector<std::pair<std::string, int>>{{"Caption", 100}, {"Link", 200}}));
        } else if (described) {
            EXPECT_EQ(columns, (std::vector<std::pair<std::string, int>>{{"Caption", -1}, {"Link", -1}, {"Description", 100}}));
        } else {
            EXPECT_EQ(columns, (std::vector<std::pair<std::string, int>>{{"Caption", -1}, {"Link", -1}}));
        }
        const std::vector<ListEntry> described2{{"Google", kGoogle, "Search anything"}, {"Yahoo", kYahoo, "Internet Portal"}};
        const std::vector<ListEntry> plain2{{"Google", kGoogle}, {"Yahoo", kYahoo}};
        EXPECT_EQ(list->entries, described ? described2 : plain2);
    }

    // The extra controls.
    struct Extra {
        std::string form, name, label, text;
    };
    for (const Extra& x : std::vector<Extra>{{"TMenuForm4", "FlatEdit13", "Title:", "Menu"},
                                             {"TMenuForm5", "FlatEdit16", "Title:", "Menu"},
                                             {"TMenuForm10", "FlatEdit55", "Titile:", "Menu"},
                                             {"TMenuForm13", "FlatEdit83", "Caption:", "Menu"}}) {
        const ControlDecl* c = Form(x.form).Control(x.name);
        EXPECT_EQ(c->label, x.label) << x.form;
        EXPECT_EQ(c->text, x.text) << x.form;
        EXPECT_GT(c->rect.top, Form(x.form).Control("XP_Button2")->rect.top + 200) << x.form;
    }
    const ControlDecl* silver = Form("TMenuForm1").Control("Panel2");
    EXPECT_EQ(silver->kind, ControlKind::Swatch);
    EXPECT_TRUE(silver->preset);
    EXPECT_EQ(ColorToHex(silver->color), "C0C0C0");
    EXPECT_EQ(silver->label, "Background:");
    const ControlDecl* red = Form("TMenuForm13").Control("Panel2");
    EXPECT_FALSE(red->preset);
    EXPECT_EQ(ColorToHex(red->color), "FF0000");
    EXPECT_EQ(red->rect.top, Form("TMenuForm13").Control("FlatEdit83")->rect.top + 1);
    EXPECT_GT(red->rect.left, Form("TMenuForm13").Control("FlatEdit83")->rect.left + 150);

    // "Seperator": a separator entry on form 2, a header from the caption edit on form 4.
    const ControlDecl* rule = Form("TMenuForm2").Control("XP_Button5");
    const ControlDecl* header = Form("TMenuForm4").Control("XP_Button5");
    for (const ControlDecl* s : {rule, header}) {
        EXPECT_EQ(s->text, "Seperator");
        EXPECT_EQ(s->action, ButtonAction::AddEntry);
        EXPECT_EQ(s->rect.left, 8 + 320);
        EXPECT_EQ(s->rect.top, 40);
        EXPECT_EQ(s->rect.width, 89);
        EXPECT_EQ(s->rect.height, 19);
    }
    ASSERT_EQ(rule->sources.size(), 2u);
    EXPECT_EQ(rule->sources[0].literal, "#Seperator#");
    EXPECT_EQ(rule->sources[1].literal, "<Hr>");
    ASSERT_EQ(header->sources.size(), 2u);
    EXPECT_EQ(header->sources[0].control, "FlatEdit11");
    EXPECT_EQ(header->sources[1].literal, "<Seperator>");
}

TEST(MenuForms, GrowingLineTwelveCollectsOneCallPerEntryInOrder) {
    // Many entries in a file with room for them: line 86 ends with every
    // call in order and the lines after it keep their text.
    testing::TempDir dir;
    std::string text;
    for (int i = 0; i < 90; ++i) text += "t" + std::to_string(i) + "\r\n";
    dir.Write("long.dat", text);
    Tplugin entry;
    entry.script = "long";
    FormValues v = DefaultValues(Form("TMenuForm12"));
    std::string calls;
    v["ListView12"].entries.clear();
    for (int i = 0; i < 1000; ++i) {
        v["ListView12"].entries.push_back({"c" + std::to_string(i), "l"});
        calls += "oBut[" + std::to_string(i) + "].moveIt(" + std::to_string(60 * i + 250) + ",100);";
    }
    const Lines raw = GenerateRaw("TMenuForm12", v, entry, dir.Path());
    ASSERT_EQ(raw.size(), 90u + 1000u);
    EXPECT_EQ(raw[86], "t86" + calls);
    EXPECT_EQ(raw[87], "t87");
    EXPECT_EQ(raw[30], "numItems = 999");
    EXPECT_EQ(raw.back(), Form12Block(999, "l", "c999"));
}

}  // namespace
}  // namespace zentrava
