#include "output/text_codec.h"

#include <QFile>
#include <QStringDecoder>

namespace zentrava::desktop {

QString FromBytes(const std::string& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError()) return text;
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToBytes(const QString& text) { return text.toUtf8().toStdString(); }

QString JoinToText(std::span<const std::string> lines) {
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text += QLatin1Char('\n');
        text += FromBytes(lines[i]);
    }
    return text;
}

std::vector<std::string> SplitText(const QString& text) {
    std::vector<std::string> lines;
    // A text box counts no line after a final line break (an empty box has
    // no lines), like the memo lines the page is saved from.
    QStringList parts = text.split(QLatin1Char('\n'));
    if (parts.back().isEmpty()) parts.removeLast();
    lines.reserve(static_cast<std::size_t>(parts.size()));
    for (const QString& line : parts) lines.push_back(ToBytes(line));
    return lines;
}

std::string ToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString FromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

}  // namespace zentrava::desktop
