// Reading files the data and the user name: only regular files are read.
#pragma once

#include <sys/stat.h>

#include <string>

namespace zentrava {

// The reason given for a file that is no regular file (a FIFO, a device).
inline constexpr const char* kNotRegularFile = "Not a regular file";

// Opens a regular file for reading (links followed) and fills `st`; -1 for
// anything else, with errno 0 for something that is no regular file (a
// FIFO is refused without waiting for a writer, a device without reading
// it) and the system's error otherwise.
int OpenRegularFile(const std::string& path, struct stat& st);

// The reason to give when OpenRegularFile returned -1.
std::string OpenFailure();

// Reads a whole regular file into `text`. Returns false, with the reason
// in `why`, when it is missing, no regular file or cannot be read.
bool ReadRegularFile(const std::string& path, std::string& text, std::string& why);

}  // namespace zentrava
