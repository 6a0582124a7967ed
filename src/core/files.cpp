#include "files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "errors.h"

namespace zentrava {

int OpenRegularFile(const std::string& path, struct stat& st) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer before it is refused.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int error = S_ISDIR(st.st_mode) ? EISDIR : 0;
        ::close(fd);
        errno = error;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::string OpenFailure() { return errno ? ReasonText(errno) : kNotRegularFile; }

bool ReadRegularFile(const std::string& path, std::string& text, std::string& why) {
    struct stat st {};
    const int fd = OpenRegularFile(path, st);
    if (fd < 0) {
        why = OpenFailure();
        return false;
    }
    text.clear();
    text.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            why = ReasonText(errno);
            ::close(fd);
            return false;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

}  // namespace zentrava
