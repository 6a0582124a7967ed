// The page around a generated script: its skeleton, the script view's header
// rewrite, the whole page and the preview file.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "catalogue/plugin.h"
#include "effects/script_lines.h"
#include "files.h"

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

// What a written file is for.
enum class FileUse {
    Kept,     // the user's file: renamed over the old one, which makes ext4 write it out early
    Scratch,  // rewritten over and over (the preview file): swapped in without that
};

// Writes lines to a file, each followed by CR LF (line breaks inside a line
// become CR LF too, as a text box would store them). On failure raises
// "Cannot create file <path>", leaves no partly written file behind and
// keeps the file that was there before.
void SaveLinesToFile(const std::string& path, const std::vector<std::string>& lines, FileUse use = FileUse::Kept);

// The bytes SaveLinesToFile writes for these lines.
std::string PageFileBytes(const std::vector<std::string>& lines);

// Replaces a file's content as a whole (a scratch file renamed over it), or
// raises "Cannot create file <path>" and leaves the old file untouched.
// Only a regular file or a new name is replaced: a folder, a device or a
// FIFO is refused. The error's Reason() says why a write failed.
void WriteFileReplacing(const std::string& path, const std::string& bytes);

// Raises "Cannot create file <path>" with the reason when `path` names
// anything but a regular file or a new name (a folder, a device, a FIFO, a
// name whose folder cannot be searched). Writes nothing.
void CheckFileTarget(const std::string& path);

// Copies a regular file to `to` as WriteFileReplacing writes, by streaming,
// with the source's permission bits. Raises "Cannot open file <from>" when
// the source cannot be read, "Cannot create file <to>" when the copy cannot
// be written.
void CopyFileReplacing(const std::string& from, const std::string& to);

// The text of lines joined with LF, as a text box shows them.
std::string JoinLines(const std::vector<std::string>& lines, const char* eol = "\n");

// What the code window makes of one Generate. The script view is the part
// of the page between the skeleton's empty line and the tail, so a long
// script is held once.
struct CodeWindowResult {
    std::vector<std::string> page;  // the page view
    std::size_t scriptBegin = 0;    // where the script view's lines start in it
    std::size_t scriptCount = 0;

    // The script view (valid while `page` is).
    std::span<const std::string> Script() const { return {page.data() + scriptBegin, scriptCount}; }
};

// The code window's activation after a Generate, up to (not including) the
// save: rewrites the script header and builds the page: the skeleton, an
// empty line, the script lines, "</Body>", "</Html>". The skeleton and the
// script lines are taken over (moved, not copied) and left empty.
CodeWindowResult ActivateCodeWindow(TScriptCodeStrings& lines, const Tplugin& entry,
                                    std::vector<std::string>& skeleton);

}  // namespace zentrava
