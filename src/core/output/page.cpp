#include "output/page.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <optional>
#include <random>
#include <utility>

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

// The errno value of the last failure, or a fallback when it is zero.
int LastError(int fallback = EIO) { return errno ? errno : fallback; }

[[noreturn]] void ThrowCannotCreateErrno(const std::string& path, int error) {
    ThrowCannotCreate(path, ReasonText(error));
}

// The folder part and the name part of a path as typed ("." for a bare name).
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The mode a new file gets from open(..., 0666): the process's umask, read
// without changing it where the system tells it.
mode_t NewFileMode() {
    if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status)) found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(status);
        if (found) return static_cast<mode_t>(0666 & ~mask);
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// A scratch name nobody can guess: `name` with ".part-" and random letters,
// or a short name of our own where the long one would be too long.
std::string ScratchName(const std::string& name, bool shortName) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char random[10];
    std::size_t got = 0;
    while (got < sizeof random) {
        const ssize_t n = ::getrandom(random + got, sizeof random - got, 0);
        if (n > 0) got += static_cast<std::size_t>(n);
        else if (errno != EINTR) break;
    }
    if (got < sizeof random) {
        std::random_device device;
        for (unsigned char& c : random) c = static_cast<unsigned char>(device());
    }
    std::string suffix;
    for (unsigned char c : random) suffix += kLetters[c % (sizeof kLetters - 1)];
    if (shortName || name.size() + 16 > NAME_MAX) return ".zentrava-" + suffix;
    return name + ".part-" + suffix;
}

// What stands at `path` now, as a target: nothing (ENOENT) or a regular
// file is fine; the rest raises "Cannot create file" with the reason.
// `mode` gets the permission bits the written file is to have.
void CheckTargetAt(int dir, const std::string& name, const std::string& path, mode_t& mode) {
    if (name.empty() || name == "." || name == "..") ThrowCannotCreateErrno(path, EISDIR);
    struct stat st {};
    if (::fstatat(dir, name.c_str(), &st, 0) == 0) {
        if (S_ISDIR(st.st_mode)) ThrowCannotCreateErrno(path, EISDIR);
        if (!S_ISREG(st.st_mode)) ThrowCannotCreate(path, kNotRegularFile);
        mode = st.st_mode & 0777;
        return;
    }
    if (errno != ENOENT) ThrowCannotCreateErrno(path, LastError());
    mode = NewFileMode();
}

// Closes a file descriptor when it goes out of scope.
struct Fd {
    int fd = -1;
    explicit Fd(int f) : fd(f) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
    int Release() { return std::exchange(fd, -1); }
};

// Puts a complete scratch file in place of `name`. A scratch file (the
// preview, rewritten on every Generate) is exchanged with the old regular
// file, which is then removed: ext4 otherwise starts writing the new content
// to disk at once when a file is renamed over another, and that early flush
// costs more than writing the page. Anything else is renamed over the file.
bool PutInPlace(int dir, const std::string& scratch, const std::string& name, FileUse use) {
    struct stat old {};
    if (use == FileUse::Scratch && ::fstatat(dir, name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(old.st_mode) &&
        ::renameat2(dir, scratch.c_str(), dir, name.c_str(), RENAME_EXCHANGE) == 0) {
        ::unlinkat(dir, scratch.c_str(), 0);
        return true;
    }
    return ::renameat(dir, scratch.c_str(), dir, name.c_str()) == 0;
}

// Writes a file's new content beside it under a scratch name of its own
// and puts it in place only when complete: a failure leaves the previous
// file as it was and removes nothing but the scratch file. The scratch file
// is created exclusively, never through a link, readable by its owner
// only until it gets its final mode: the old file's, or the usual mode of a
// new file (`keepMode`, when given, instead). `produce` is handed the
// scratch file's descriptor and returns 0 or the errno of its failure.
template <class Produce>
void ReplaceFile(const std::string& path, FileUse use, Produce&& produce, std::optional<mode_t> keepMode = {}) {
    const std::string name = NameOf(path);
    Fd dir(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd < 0) ThrowCannotCreateErrno(path, LastError());
    mode_t mode = 0;
    CheckTargetAt(dir.fd, name, path, mode);
    if (keepMode) mode = *keepMode;

    std::string scratch;
    int fd = -1;
    bool shortName = false;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        scratch = ScratchName(name, shortName);
        fd = ::openat(dir.fd, scratch.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) break;
        if (errno == ENAMETOOLONG && !shortName) {
            shortName = true;
        } else if (errno != EEXIST) {
            ThrowCannotCreateErrno(path, LastError());
        }
    }
    if (fd < 0) ThrowCannotCreateErrno(path, EEXIST);
    Fd file(fd);
    int error = produce(file.fd);
    if (!error && ::fchmod(file.fd, mode) != 0) error = LastError();
    if (::close(file.Release()) != 0 && !error) error = LastError();
    if (!error && PutInPlace(dir.fd, scratch, name, use)) return;
    if (!error) error = LastError();
    ::unlinkat(dir.fd, scratch.c_str(), 0);
    ThrowCannotCreateErrno(path, error);
}

// Writes all of `size` bytes; 0 or the errno of the failure.
int WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return LastError();
        }
        if (n == 0) return ENOSPC;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
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
    ReplaceFile(path, FileUse::Kept, [&](int fd) { return WriteAll(fd, bytes.data(), bytes.size()); });
}

void CheckFileTarget(const std::string& path) {
    const std::string name = NameOf(path);
    if (name.empty() || name == "." || name == "..") ThrowCannotCreateErrno(path, EISDIR);
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) ThrowCannotCreateErrno(path, EISDIR);
        if (!S_ISREG(st.st_mode)) ThrowCannotCreate(path, kNotRegularFile);
        return;
    }
    // A new name; its folder may still have to be made.
    if (errno != ENOENT) ThrowCannotCreateErrno(path, LastError());
}

void CopyFileReplacing(const std::string& from, const std::string& to) {
    struct stat st {};
    Fd in(OpenRegularFile(from, st));
    if (in.fd < 0) ThrowCannotOpen(from, OpenFailure());
    int readError = 0;
    try {
    ReplaceFile(
        to, FileUse::Kept,
        [&](int out) {
            // The kernel copies (sharing or keeping holes where the file
            // system can); where it cannot, a plain copy in pieces.
            for (;;) {
                const ssize_t n = ::copy_file_range(in.fd, nullptr, out, nullptr, 1 << 30, 0);
                if (n > 0) continue;
                if (n == 0) return 0;
                if (errno == EINTR) continue;
                if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP || errno == EBADF) break;
                return LastError();
            }
            std::vector<char> buffer(1 << 16);
            for (;;) {
                const ssize_t n = ::read(in.fd, buffer.data(), buffer.size());
                if (n == 0) return 0;
                if (n < 0) {
                    if (errno == EINTR) continue;
                    readError = LastError();
                    return readError;
                }
                if (const int error = WriteAll(out, buffer.data(), static_cast<std::size_t>(n))) return error;
            }
        },
        static_cast<mode_t>(st.st_mode & 0777));
    } catch (const EngineError&) {
        if (readError) ThrowCannotOpen(from, ReasonText(readError));  // the copy failed on the reading side
        throw;
    }
}

void SaveLinesToFile(const std::string& path, const std::vector<std::string>& lines, FileUse use) {
    // The text goes out in chunks, so a long page needs no second copy of
    // itself; a line longer than a chunk goes out from where it is.
    ReplaceFile(path, use, [&](int fd) {
        int error = 0;
        const auto write = [&](const std::string& text) {
            if (!error) error = WriteAll(fd, text.data(), text.size());
        };
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
        return error;
    });
}

}  // namespace zentrava
