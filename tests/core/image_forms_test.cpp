// The Image forms: one row per form, run against numbered script files and
// against the shipped image catalogue.
#include <gtest/gtest.h>

#include <algorithm>

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

using Lines = std::vector<std::string>;

struct ImageCase {
    std::string form;
    std::string defaultPath;
    // The replaced lines in the order they are written; {p} is the path,
    // {l} and {t} the left and top margins.
    std::vector<std::pair<int, std::string>> puts;
    std::string onload;  // of the shipped entry
};

const std::vector<ImageCase>& Cases() {
    static const std::vector<ImageCase> cases = {
        {"TImageForm1", "image\\Dog.jpg", {{12, "<img src=\"{p}\" "}}, ""},
        {"TImageForm2", "image\\Dog.jpg", {{2, "<IMG id=reflect src=\"{p}\"><BR>"}}, ""},
        {"TImageForm3", "image\\Dog.jpg", {{3, "<img src=\"{p}\""}}, ""},
        {"TImageForm4", "image\\Dog.jpg", {{21, "<IMG  id=\"spotlight\" src=\"{p}\" speed=\"50\"></P>"}}, ""},
        {"TImageForm5", "image\\Dog.jpg", {{3, "<img src=\"{p}\""}}, "fade()"},
        {"TImageForm6", "image\\Dog.jpg",
         {{3, "<DIV ID=\"soccer\" STYLE=\"position:absolute; left:{l}; top:{t}\">"},
          {4, "<IMG SRC=\"{p}\" border=\"0\">"}},
         "soccerOnload()"},
        {"TImageForm7", "image\\Dog.jpg",
         {{13, "<img SRC=\"{p}\" border=\"0\">"}, {11, "<div ID=\"floater\" style=\"left: {l}px; top: {t}px\">"}},
         ""},
        {"TImageForm8", "image\\Dog.jpg", {{47, "src=\"{p}\" border=\"0\">"}}, "init()"},
        {"TImageForm9", "Image\\bear.jpg", {{38, "<img src=\"{p}\""}}, "go()"},
        {"TImageForm10", "image\\Dog.jpg", {{57, "<img src=\"{p}\""}}, ""},
        {"TImageForm11", "image\\Dog.jpg", {{8, "<img src=\"{p}\""}}, ""},
        {"TImageForm12", "image\\Dog.jpg", {{3, "<img src=\"{p}\" name=\"u\" border=\"0\" alt=\"\">"}}, "fade()"},
        {"TImageForm13", "image\\Dog.jpg",
         {{8, "<img src={p} class=\"shakeimage\" onMouseover=\"init(this);rattleimage()\" "
              "onMouseout=\"stoprattle(this)\">"}},
         ""},
    };
    return cases;
}

std::string Expand(std::string line, const std::string& path, const std::string& left, const std::string& top) {
    for (const auto& [token, value] : {std::pair<std::string, std::string>{"{p}", path}, {"{l}", left}, {"{t}", top}}) {
        for (auto at = line.find(token); at != std::string::npos; at = line.find(token, at + value.size())) {
            line.replace(at, token.size(), value);
        }
    }
    return line;
}

int Highest(const ImageCase& c) {
    int highest = 0;
    for (const auto& put : c.puts) highest = std::max(highest, put.first);
    return highest;
}

// A script file of `count` numbered lines.
std::string Numbered(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "line " + std::to_string(i) + "\r\n";
    return text;
}

struct Outcome {
    Lines skeleton;
    TScriptCodeStrings lines;
};

void GenerateInto(Outcome& run, const std::string& form, const FormValues& values, const std::string& dir) {
    Tplugin entry;
    entry.ename = "Picture";
    entry.script = "effect";
    Generate(Form(form), values, entry, dir, run.skeleton, run.lines);
}

// Every line of a numbered file stays but the replaced ones.
void ExpectOnlyReplaced(const Outcome& run, const ImageCase& c, int count, const std::string& path,
                        const std::string& left, const std::string& top) {
    ASSERT_EQ(run.lines.Count(), static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::string expected = "line " + std::to_string(i);
        for (const auto& [index, line] : c.puts) {
            if (index == i) expected = Expand(line, path, left, top);
        }
        EXPECT_EQ(run.lines.Get(i), expected) << "line " << i;
    }
}

TEST(ImageForms, DefaultsReplaceTheirLinesAndOnlyFormThreeClosesTheBody) {
    testing::TempDir dir;
    for (const ImageCase& c : Cases()) {
        SCOPED_TRACE(c.form);
        const int count = Highest(c) + 3;
        dir.Write("effect.dat", Numbered(count));
        Outcome run;
        GenerateInto(run, c.form, DefaultValues(Form(c.form)), dir.Path());
        ExpectOnlyReplaced(run, c, count, c.defaultPath, "50", "50");
        Tplugin entry;
        entry.ename = "Picture";
        Lines skeleton = BuildPageSkeleton(entry);
        if (c.form == "TImageForm3") skeleton.push_back("</Body>");
        EXPECT_EQ(run.skeleton, skeleton);
    }
}

TEST(ImageForms, PathsAndMarginsAreWrittenByteForByte) {
    testing::TempDir dir;
    const std::string path = "C:\\Users\\Zoë Wang\\My Pictures\\小狗 1.jpg";
    for (const ImageCase& c : Cases()) {
        SCOPED_TRACE(c.form);
        const int count = Highest(c) + 1;  // the fewest lines the form needs
        dir.Write("effect.dat", Numbered(count));
        FormValues v = DefaultValues(Form(c.form));
        v["ImageEdit"].text = path;
        if (v.Find("topedit")) {
            v["topedit"].text = "-07";
            v["leftedit"].text = "1e3 ";
        }
        Outcome run;
        GenerateInto(run, c.form, v, dir.Path());
        ExpectOnlyReplaced(run, c, count, path, "1e3 ", "-07");
    }
}

// One line too few: the error names the first index the file lacks, in the
// order the form writes; lines written before it keep their new text.
TEST(ImageForms, AShortScriptFailsAtTheFirstMissingIndexInWritingOrder) {
    testing::TempDir dir;
    for (const ImageCase& c : Cases()) {
        SCOPED_TRACE(c.form);
        const int count = Highest(c);
        dir.Write("effect.dat", Numbered(count));
        Outcome run;
        try {
            GenerateInto(run, c.form, DefaultValues(Form(c.form)), dir.Path());
            ADD_FAILURE() << "no error";
        } catch (const EngineError& e) {
            EXPECT_EQ(std::string(e.what()), "List index out of bounds (" + std::to_string(count) + ")");
        }
        ASSERT_EQ(run.lines.Count(), static_cast<std::size_t>(count));
        bool failed = false;
        for (const auto& [index, line] : c.puts) {
            failed = failed || index >= count;
            if (index >= count) continue;
            EXPECT_EQ(run.lines.Get(index),
                      failed ? "line " + std::to_string(index) : Expand(line, c.defaultPath, "50", "50"))
                << "line " << index;
        }
    }
}

TEST(ImageForms, AMissingScriptFileStopsBeforeTheBodyIsClosed) {
    Outcome run;
    run.lines.Add("kept");
    try {
        GenerateInto(run, "TImageForm3", DefaultValues(Form("TImageForm3")), "/nowhere");
        ADD_FAILURE() << "no error";
    } catch (const EngineError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file /nowhere/effect.dat");
    }
    EXPECT_EQ(run.lines.Lines(), Lines{"kept"});
    EXPECT_EQ(run.skeleton.back(), "<Body >");
}

TEST(ImageForms, FormThreePageClosesTheBodyBeforeTheEffect) {
    testing::TempDir dir;
    dir.Write("effect.dat", "h1\r\nh2\r\n<p>\r\nline 3\r\nalt=\"\">\r\n");
    Outcome run;
    GenerateInto(run, "TImageForm3", DefaultValues(Form("TImageForm3")), dir.Path());
    Tplugin entry;
    entry.ename = "Picture";
    const CodeWindowResult shown = ActivateCodeWindow(run.lines, entry, run.skeleton);
    EXPECT_EQ(shown.page, (Lines{"<Html>", "<Head>", "<title>Picture</title>", "</Head>", "<Body >", "</Body>", "",
                                 kBodyHeaderComment, "", "<p>", "<img src=\"image\\Dog.jpg\"", "alt=\"\">", "</Body>",
                                 "</Html>"}));
}

// The common form is declared once: every image form shows its picture row
// and Browse button; the two positioned forms add the margins below it.
TEST(ImageForms, EveryFormBuildsOnTheCommonPictureRow) {
    const auto& all = FormRegistry::Instance().All();
    auto common = std::find_if(all.begin(), all.end(), [](const FormDecl& f) { return f.className == "TCommonImageForm"; });
    ASSERT_NE(common, all.end());
    EXPECT_EQ(common->unit, "CommonImage");
    EXPECT_FALSE(common->generate);
    ASSERT_GE(all.end() - common, 14);
    const std::vector<std::string> units{"Image1", "image2", "Image3", "Image4",  "Image5",  "Image6", "Image7",
                                         "Image8", "Image9", "Image10", "Image11", "Image12", "Image13"};
    for (int n = 1; n <= 13; ++n) {
        const FormDecl& f = common[n];
        SCOPED_TRACE(f.className);
        EXPECT_EQ(f.className, "TImageForm" + std::to_string(n));
        EXPECT_EQ(f.unit, units[static_cast<std::size_t>(n - 1)]);
        EXPECT_TRUE(f.generate);
        const ControlDecl* edit = f.Control("ImageEdit");
        const ControlDecl* browse = f.Control("XP_Button2");
        ASSERT_TRUE(edit && browse);
        EXPECT_EQ(edit->label, "Image:");
        EXPECT_EQ(browse->text, "Browse");
        EXPECT_EQ(browse->action, ButtonAction::BrowsePicture);
        EXPECT_EQ(browse->target, "ImageEdit");
        const bool margins = n == 6 || n == 7;
        EXPECT_EQ(f.controls.size(), margins ? 4u : 2u);
        if (!margins) continue;
        const ControlDecl* top = f.Control("topedit");
        const ControlDecl* left = f.Control("leftedit");
        ASSERT_TRUE(top && left);
        EXPECT_EQ(top->kind, ControlKind::SpinEdit);
        EXPECT_EQ(top->label, "Top Margin:");
        EXPECT_EQ(left->label, "Left Margin:");
        EXPECT_LT(edit->rect.top, top->rect.top);
        EXPECT_LT(top->rect.top, left->rect.top);
        EXPECT_LE(left->rect.top + left->rect.height, f.panel.top + f.panel.height);
    }
}

TEST(ImageLibrary, EveryFormHasAnEntryWithItsLoadHandler) {
    const std::vector<Tplugin> catalogue = LoadCatalogue(kData + "/image.ini");
    EXPECT_GE(catalogue.size(), 16u);
    for (const ImageCase& c : Cases()) {
        SCOPED_TRACE(c.form);
        auto entry = std::find_if(catalogue.begin(), catalogue.end(),
                                  [&](const Tplugin& p) { return EqualsIgnoreCase(p.form, c.form); });
        ASSERT_NE(entry, catalogue.end());
        EXPECT_EQ(entry->onload, c.onload);
        // The shipped file already holds the default lines where the form writes
        // them, so the picture tag sits where the rest of the file expects it.
        TScriptCodeStrings file;
        file.LoadFromFile(ScriptFilePath(kData, *entry));
        for (const auto& [index, line] : c.puts) {
            ASSERT_GT(file.Count(), static_cast<std::size_t>(index));
            EXPECT_EQ(file.Get(index), Expand(line, c.defaultPath, "50", "50")) << "line " << index;
        }
    }
    int parameterless = 0;
    for (const Tplugin& p : catalogue) {
        EXPECT_FALSE(p.background.empty()) << p.ename;
        // Effects of our own: without parameters, or with those their script file declares.
        parameterless += p.form == "TNoParamForm" || p.form == "TParamForm";
    }
    EXPECT_GE(parameterless, 3);
}

}  // namespace
}  // namespace zentrava
