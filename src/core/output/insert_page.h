// Effects inserted into the user's own page: each insertion is a marked
// block per place (before </head>, in the body) whose begin line carries the
// recipe it was generated from, so that it can be listed, regenerated and
// removed again. Everything outside the blocks stays byte for byte.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/plugin.h"
#include "effects/form.h"
#include "output/page.h"

namespace zentrava {

// The marker a user puts where the body part of an effect should go.
inline constexpr const char* kInsertMarker = "<!-- zentrava -->";

// One change to a form's defaults, as the command line gives it.
struct RecipeChange {
    enum Kind { Set, Clear, Add } kind = Set;
    std::string control;
    std::string value;  // Set: the text or colour; Add: the entry's fields separated by TAB
    bool operator==(const RecipeChange&) const = default;
};

// How an inserted effect was made: the category's catalogue base name
// ("mouse"), the entry's English name and the changes to its form's defaults.
struct Recipe {
    std::string category;
    std::string entry;
    std::vector<RecipeChange> changes;
    bool operator==(const Recipe&) const = default;
};

// The changes that turn the form's defaults into `values` (controls whose
// value equals the default are left out; a changed list is cleared and
// filled again entry by entry).
std::vector<RecipeChange> ChangesFromDefaults(const FormDecl& form, const FormValues& values);

// Applies changes to values. Raises EngineError for a control the form
// lacks, a list change on a text or the other way round, or a bad colour.
void ApplyChanges(const FormDecl& form, FormValues& values, const std::vector<RecipeChange>& changes);

// The recipe as text of plain ASCII letters, digits and a few signs, words
// separated by blanks: "category=mouse entry=Clock set:Edit1=Hello%20world".
// Any byte a value holds comes back from DecodeRecipe; the text never holds
// "--" or "<>", so it cannot end or open a comment.
std::string EncodeRecipe(const Recipe& recipe);
std::optional<Recipe> DecodeRecipe(const std::string& text);

// What a generated page puts into another page: the lines of its head
// (other than the title) and of its body. The body ends with the lines that
// add listeners for the entry's load, unload, scroll and resize handlers.
struct EffectParts {
    std::vector<std::string> head;
    std::vector<std::string> body;
};

// The parts of the code window's page for an entry.
EffectParts SplitGeneratedPage(const CodeWindowResult& result, const Tplugin& entry);

// The script lines that add the entry's body handlers as listeners, leaving
// the page's own handlers in place; none when the entry has no handler.
std::vector<std::string> ListenerLines(const Tplugin& entry);

// A block name: letters, digits, '_', '.', '-'; not empty.
bool IsValidBlockName(const std::string& name);

// One inserted effect as the page holds it: its blocks (one or two) and the
// recipe of its first begin line.
struct PageBlock {
    std::string name;
    std::string recipeText;          // as written; decodes to `recipe` when valid
    std::optional<Recipe> recipe;
    std::vector<std::size_t> starts;  // byte offsets of its begin lines
};

// The page's inserted effects in order of their first block. Raises
// EngineError for a begin line without its end.
std::vector<PageBlock> ListBlocks(const std::string& page);

// The name an insertion gets when none is given: the block of the same
// recipe if the page has one, else `base` (made a valid name), numbered
// "-2", "-3", ... when taken.
std::string DefaultBlockName(const std::string& page, const std::string& base, const Recipe& recipe);

// The page with the effect inserted under `name`: the head part before the
// page's </head> (or where a browser would end the head), the body part
// before the first <!-- zentrava --> marker, else before </body>, else
// before </html>, else at the end. A block of that name already there is
// replaced where it stands. The block's text is converted to the page's
// charset, written with its line ends and the indentation of the line it
// goes into. Raises EngineError when the page's charset is unknown or
// cannot hold the block's text.
std::string InsertBlocks(const std::string& page, const std::string& name, const Recipe& recipe,
                         const EffectParts& parts);

// The page without the blocks of `name`: the bytes InsertBlocks added, and
// no others, are taken out. Raises EngineError when the page has none.
std::string RemoveBlocks(const std::string& page, const std::string& name);

// The charset the page is written in, as a browser reads it: "UTF-8" for a
// UTF-8 byte order mark or no other indication, else the name its meta
// element gives (lower case, as written).
std::string PageCharset(const std::string& page);

// A unified diff of two texts by lines ("--- a", "+++ b", hunks with three
// lines of context); empty when they are equal.
std::string UnifiedDiff(const std::string& before, const std::string& after, const std::string& beforeName,
                        const std::string& afterName);

}  // namespace zentrava
