// Inserting a generated effect into the user's page, regenerating the
// effects a page holds from their recipes and taking them out again: what
// the command line and the app do with a page, planned first (so that the
// difference can be shown) and then carried out.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "catalogue/plugin.h"
#include "effects/form.h"
#include "output/insert_page.h"

namespace zentrava {

// Reads the user's page as it stands. Raises "Cannot open file <path>"
// (with the reason) for a file that is missing, unreadable, a link or not
// a regular file.
std::string ReadPageFile(const std::string& path);

// A catalogue entry, the form that edits it and values for that form.
struct ChosenEffect {
    std::string category;  // catalogue base name ("mouse")
    Tplugin entry;
    const FormDecl* form = nullptr;
    FormValues values;
};

// The catalogue base name of a category ("mouse" for mouse.ini).
std::string CategoryBase(const Category& category);

// The effect a recipe names, its values the form's defaults with the
// recipe's changes. Raises EngineError when the category, the entry or its
// form is unknown or a change does not fit the form.
ChosenEffect ResolveRecipe(const std::string& programDir, const Recipe& recipe);

// The parts of the page the effect generates with its values (the Generate
// flow and the code window's page), ready to insert.
EffectParts GenerateParts(const std::string& programDir, const ChosenEffect& effect);

// A change to the user's page, planned: its bytes before and after, and the
// files to copy beside it.
struct PageEdit {
    std::string path;
    std::string before, after;
    std::string name;  // the block inserted or removed
    struct Copy {
        std::string from, to;  // full file names
        std::string shown;     // the file's name relative to the page
    };
    std::vector<Copy> copies;
    std::vector<std::string> notes;  // what the user should know (a file of theirs kept)
};

// Plans inserting an effect into the page at `path` under `name` (empty:
// DefaultBlockName). Every local file the effect names is copied from the
// program directory to the same place beside the page; a picture or file
// the user chose elsewhere (an absolute path in a control a Browse or
// Choose button fills) is copied beside the page under its own name and
// named relative to the page. A file already beside the page with other
// content is kept, not overwritten, and said in the notes.
PageEdit PlanInsert(const std::string& programDir, const std::string& path, ChosenEffect effect,
                    const std::string& name);

// Plans regenerating every inserted effect of the page from its recipe.
PageEdit PlanUpdate(const std::string& programDir, const std::string& path);

// Plans taking the effect `name` out of the page.
PageEdit PlanRemove(const std::string& path, const std::string& name);

// Copies the files, keeps the page as it was as "<path>.bak" (replacing an
// older backup) and writes the new page, each file under a scratch name
// renamed when complete. Nothing is written when the page does not change.
void CarryOut(const PageEdit& edit);

// The values a user last generated an entry with, kept in the app's
// settings file ($XDG_CONFIG_HOME/zentrava/last-values.conf) under
// [lastValues] as LastValuesKey = EncodeSettingText(EncodeRecipe(...)).
std::string LastValuesFile();
std::string LastValuesKey(const std::string& category, const std::string& ename);
std::string EncodeSettingText(const std::string& text);  // letters and digits, the rest as %XX
std::optional<std::string> DecodeSettingText(const std::string& text);
// The recipe kept for the entry, if any.
std::optional<Recipe> ReadLastValues(const std::string& file, const std::string& category, const std::string& ename);

}  // namespace zentrava
