#include "output/page.h"

#include <unistd.h>

#include <cstdio>
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

void RewriteScriptHeader(TScriptCodeStrings& lines, const Tplugin& entry) {
    for (int i = 0; i < 2 && lines.Count() > 0; ++i) lines.Delete(0);
    lines.Insert(0, "");
    if (!entry.onload.empty()) lines.Insert(0, "<!-- Insert onload=\"" + entry.onload + "\" into <Body> tag -->");
    lines.Insert(0, kBodyHeaderComment);
    if (lines.Count() >= 6 && lines.Get(5).empty()) lines.Delete(5);
}

std::vector<std::string> AssemblePage(std::vector<std::string>& skeleton,
                                      const std::vector<std::string>& scriptLines) {
    skeleton.reserve(skeleton.size() + scriptLines.size() + 3);
    skeleton.emplace_back();
    skeleton.insert(skeleton.end(), scriptLines.begin(), scriptLines.end());
    skeleton.emplace_back("</Body>");
    skeleton.emplace_back("</Html>");
    return skeleton;
}

CodeWindowResult ActivateCodeWindow(TScriptCodeStrings& lines, const Tplugin& entry,
                                    std::vector<std::string>& skeleton) {
    RewriteScriptHeader(lines, entry);
    CodeWindowResult result;
    result.script = lines.Lines();
    result.page = AssemblePage(skeleton, result.script);
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

// Writes a file's new content beside it under a name of its own and renames
// it over the file only when complete: a failure leaves the previous file as
// it was. `produce` is handed the function that writes a piece of text.
template <class Produce>
void ReplaceFile(const std::string& path, Produce&& produce) {
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
    std::error_code ec;
    if (written && closed) {
        std::filesystem::rename(scratch, path, ec);
        if (!ec) return;
    }
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
    ReplaceFile(path, [&](const auto& write) { write(bytes); });
}

void SaveLinesToFile(const std::string& path, const std::vector<std::string>& lines) {
    // The text goes out in chunks, so a long page needs no second copy of itself.
    ReplaceFile(path, [&](const auto& write) {
        constexpr std::size_t kChunk = 1 << 18;
        std::string text;
        text.reserve(kChunk);
        for (const auto& line : lines) {
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
