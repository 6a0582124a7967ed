// %XX escapes: one way to write any bytes as a few plain characters, and
// to read them back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zentrava {

// The value of one hexadecimal digit, or -1.
int HexValue(char c);

// `text` with every byte that `kept` refuses (and every NUL) written as %XX.
std::string PercentEncode(std::string_view text, bool (*kept)(char));

// The bytes PercentEncode wrote, or nothing for a broken escape or, when
// `plain` is given, a character it refuses outside an escape.
std::optional<std::string> PercentDecode(std::string_view text, bool (*plain)(char) = nullptr);

}  // namespace zentrava
