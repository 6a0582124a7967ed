#include "errors.h"

#include <algorithm>
#include <system_error>

namespace zentrava {

std::string ReasonText(int error) { return std::generic_category().message(error); }

void ThrowCannotOpen(const std::string& path, const std::string& reason) {
    EngineError e("Cannot open file " + path);
    e.SetReason(reason);
    throw e;
}

void ThrowCannotCreate(const std::string& path, const std::string& reason) {
    EngineError e("Cannot create file " + path);
    e.SetReason(reason);
    throw e;
}

void ThrowListIndex(long long index) {
    throw EngineError("List index out of bounds (" + std::to_string(index) + ")");
}

std::string ErrorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

std::string LowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    });
    return text;
}

bool EqualsIgnoreCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && LowerAscii(a) == LowerAscii(b);
}

}  // namespace zentrava
