#include "output/page.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <utility>
#include <cstring>
#include <filesystem>
#include <memory>

#include "errors.h"

namespace zentrava {

std::string BodyAttributes(const Tplugin& entry) {
    std::string attributes;
    auto add = [&](const char* name, const std::string& value) {
        if (!value.empty()) attributes += std::string(" ") + name + "=\"" + value + "\"";
    };
    add("bgColor", entry.background);
    add("onload", entry.onload);
    add("onunload", entry.onunload);
    add("onscroll", entry.onscroll);
    add("onresize", entry.onresize);
    return attributes;
}

std::vector<std::string> BuildPageSkeleton(const Tplugin& entry) {
    return {"<Html>", "<Head>", "<title>" + entry.ename + "</title>", "</Head>",
            "<Body " + BodyAttributes(entry) + ">"};
}

namespace {

// The code window's header: its comments and an empty line take the place
// of the script's two header lines, and the sixth line of the result is
// dropped when it is empty. `head` replaces the first `replaced` lines.
struct NewHeader {
    std::vector<std::string> head;
    std::size_t replaced;
};

NewHeader HeaderFor(const TScriptCodeStrings& lines, const Tplugin& entry, std::vector<std::string> before) {
    const std::size_t removed = std::min<std::size_t>(2, lines.Count());
    NewHeader h{std::move(before), removed};
    const std::size_t first = h.head.size();
    h.head.reserve(first + 6);
    h.head.emplace_back(kBodyHeaderComment);
    if (!entry.onload.empty()) h.head.push_back("<!-- Insert onload=\"" + entry.onload + "\" into <Body> tag -->");
    h.head.emplace_back();
    // The sixth line comes from the old lines, as the comments and the empty
    // line are at most three.
    const std::size_t sixth = removed + 5 - (h.head.size() - first);
    if (sixth < lines.Count() && lines.Get(static_cast<long long>(sixth)).empty()) {
        for (std::size_t i = removed; i < sixth; ++i) h.head.push_back(lines.Get(static_cast<long long>(i)));
        h.replaced = sixth + 1;
    }
    return h;
}

}  // namespace

void RewriteScriptHeader(TScriptCodeStrings& lines, const Tplugin& entry) {
    NewHeader h = HeaderFor(lines, entry, {});
    lines.Splice(0, h.replaced, std::move(h.head));
}

CodeWindowResult ActivateCodeWindow(TScriptCodeStrings& lines, const Tplugin& entry,
                                    std::vector<std::string>& skeleton) {
    // The page is built inside the script's own storage: the skeleton and
    // the new header go in front in one move, so a long script is neither
    // copied nor moved more than once.
    CodeWindowResult result;
    result.scriptBegin = skeleton.size() + 1;
    std::vector<std::string> front = std::exchange(skeleton, {});
    front.emplace_back();
    NewHeader h = HeaderFor(lines, entry, std::move(front));
    result.scriptCount = h.head.size() - result.scriptBegin + lines.Count() - h.replaced;
    lines.Reserve(h.head.size() + 2 - std::min(h.replaced, h.head.size() + 2));
    lines.Splice(0, h.replaced, std::move(h.head));
    result.page = lines.TakeLines();
    result.page.emplace_back("</Body>");
    result.page.emplace_back("</Html>");
    return result;
}

std::string JoinLines(const std::vector<std::string>& lines, const char* eol) {
    std::string text;
    const std::string sep = eol;
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + sep.size();
    text.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text += sep;
        text += lines[i];
    }
    return text;
}

namespace {

// A line's bytes in the file: CR LF for every line break inside it and one at its end.
void AppendPageLine(std::string& text, const std::string& line) {
    // Most lines hold no line break: they go in whole.
    if (!std::memchr(line.data(), '\r', line.size()) && !std::memchr(line.data(), '\n', line.size())) {
        text += line;
    } else {
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '\r' || c == '\n') {
                text += "\r\n";
                if (c == '\r' && i + 1 < line.size() && line[i + 1] == '\n') ++i;
            } else {
                text += c;
            }
        }
    }
    text += "\r\n";
}

// Puts a complete scratch file in place of `path`. A scratch file (the
// preview, rewritten on every Generate) is exchanged with the old regular
// file, which is then removed: ext4 otherwise starts writing the new content
// to disk at once when a file is renamed over another, and that early flush
// costs more than writing the page. Anything else is renamed over the file.
bool PutInPlace(const std::string& scratch, const std::string& path, FileUse use) {
    struct stat old {};
    if (use == FileUse::Scratch && ::lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
        ::renameat2(AT_FDCWD, scratch.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) == 0) {
        ::unlink(scratch.c_str());
        return true;
    }
    return std::rename(scratch.c_str(), path.c_str()) == 0;
}

// Writes a file's new content beside it under a name of its own and puts it
// in place only when complete: a failure leaves the previous file as it was.
// `produce` is handed the function that writes a piece of text.
template <class Produce>
void ReplaceFile(const std::string& path, FileUse use, Produce&& produce) {
    const std::string scratch = path + ".part-" + std::to_string(::getpid());
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file(std::fopen(scratch.c_str(), "wb"));
    if (!file) ThrowCannotCreate(path);
    bool written = true;
    const auto write = [&](const std::string& text) {
        written = written && std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
    };
    produce(write);
    const bool closed = std::fclose(file.release()) == 0;
    if (written && closed && PutInPlace(scratch, path, use)) return;
    std::error_code ec;
    std::filesystem::remove(scratch, ec);
    ThrowCannotCreate(path);
}

}  // namespace

std::string PageFileBytes(const std::vector<std::string>& lines) {
    std::string text;
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    text.reserve(size);
    for (const auto& line : lines) AppendPageLine(text, line);
    return text;
}

void WriteFileReplacing(const std::string& path, const std::string& bytes) {
    ReplaceFile(path, FileUse::Kept, [&](const auto& write) { write(bytes); });
}

void SaveLinesToFile(const std::string& path, const std::vector<std::string>& lines, FileUse use) {
    // The text goes out in chunks, so a long page needs no second copy of
    // itself; a line longer than a chunk goes out from where it is.
    ReplaceFile(path, use, [&](const auto& write) {
        constexpr std::size_t kChunk = 1 << 18;
        std::string text;
        text.reserve(kChunk);
        for (const auto& line : lines) {
            if (line.size() >= kChunk && !std::memchr(line.data(), '\r', line.size()) &&
                !std::memchr(line.data(), '\n', line.size())) {
                write(text);
                write(line);
                text.assign("\r\n");
                continue;
            }
            AppendPageLine(text, line);
            if (text.size() >= kChunk) {
                write(text);
                text.clear();
            }
        }
        write(text);
    });
}

}  // namespace zentrava
