// The page around a generated script: its skeleton, the script view's header
// rewrite, the whole page and the preview file.
#pragma once

#include <string>
#include <vector>

#include "catalogue/plugin.h"
#include "effects/script_lines.h"

namespace zentrava {

inline constexpr const char* kPreviewFileName = "temp.htm";
inline constexpr const char* kBodyHeaderComment = "<!-- Insert following codes between <Body></Body>-->";

// The page head and the body's opening line for an entry.
std::vector<std::string> BuildPageSkeleton(const Tplugin& entry);

// The attribute text of the body line: bgColor, onload, onunload, onscroll,
// onresize, each with a leading blank, empty fields left out.
std::string BodyAttributes(const Tplugin& entry);

// Replaces the two header lines of freshly generated script lines by the
// code window's own comments and drops an empty sixth line.
void RewriteScriptHeader(TScriptCodeStrings& lines, const Tplugin& entry);

// Appends the page tail to the skeleton: an empty line, the script lines,
// "</Body>", "</Html>". Returns the whole page.
std::vector<std::string> AssemblePage(std::vector<std::string>& skeleton,
                                      const std::vector<std::string>& scriptLines);

// Writes lines to a file, each followed by CR LF (line breaks inside a line
// become CR LF too, as a text box would store them). On failure raises
// "Cannot create file <path>", leaves no partly written file behind and
// keeps the file that was there before.
void SaveLinesToFile(const std::string& path, const std::vector<std::string>& lines);

// The bytes SaveLinesToFile writes for these lines.
std::string PageFileBytes(const std::vector<std::string>& lines);

// Replaces a file's content as a whole (a scratch file renamed over it), or
// raises "Cannot create file <path>" and leaves the old file untouched.
void WriteFileReplacing(const std::string& path, const std::string& bytes);

// The text of lines joined with LF, as a text box shows them.
std::string JoinLines(const std::vector<std::string>& lines, const char* eol = "\n");

// What the code window makes of one Generate.
struct CodeWindowResult {
    std::vector<std::string> script;  // the script view
    std::vector<std::string> page;    // the page view
};

// The code window's activation after a Generate, up to (not including) the
// save: rewrites the script lines in place, appends the tail to the
// skeleton and returns both views.
CodeWindowResult ActivateCodeWindow(TScriptCodeStrings& lines, const Tplugin& entry,
                                    std::vector<std::string>& skeleton);

}  // namespace zentrava
