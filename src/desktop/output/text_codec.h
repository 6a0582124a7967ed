// The engine holds texts as byte strings, as they stand in the data files.
// The desktop shows them as UTF-8 where they are valid UTF-8 and byte for
// byte (Latin-1) where they are not, so no byte is lost on screen; what the
// user types goes back to the engine as UTF-8.
#pragma once

#include <span>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

namespace zentrava::desktop {

QString FromBytes(const std::string& bytes);
std::string ToBytes(const QString& text);

// Lines as a text box shows them (joined with LF), and back.
QString JoinToText(std::span<const std::string> lines);
std::vector<std::string> SplitText(const QString& text);

// A file name for the engine (the local 8-bit encoding of the file system).
std::string ToPath(const QString& path);
QString FromPath(const std::string& path);

}  // namespace zentrava::desktop
