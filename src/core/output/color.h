// Colour values as the effect forms hold them, and their hexadecimal form.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace zentrava {

// The toolkit colour: 0 and up hold red in bits 0-7, green in bits 8-15 and
// blue in bits 16-23; negative values name a system colour (low byte = index).
using TColor = std::int32_t;

namespace colors {
inline constexpr TColor kBlack = 0x000000;
inline constexpr TColor kMaroon = 0x000080;
inline constexpr TColor kGreen = 0x008000;
inline constexpr TColor kNavy = 0x800000;
inline constexpr TColor kSilver = 0xC0C0C0;
inline constexpr TColor kRed = 0x0000FF;
inline constexpr TColor kLime = 0x00FF00;
inline constexpr TColor kYellow = 0x00FFFF;
inline constexpr TColor kBlue = 0xFF0000;
inline constexpr TColor kFuchsia = 0xFF00FF;
inline constexpr TColor kAqua = 0xFFFF00;
inline constexpr TColor kWhite = 0xFFFFFF;
inline constexpr TColor kOrange = 33023;  // FF8000 as hexadecimal digits

// System colours (index in the low byte).
inline constexpr TColor SystemColor(int index) {
    return static_cast<TColor>(0x80000000u | static_cast<std::uint32_t>(index & 0xFF));
}
inline constexpr int kSysWindow = 5;
inline constexpr int kSysWindowText = 8;
inline constexpr int kSysBtnFace = 15;
inline constexpr int kSysHighlight = 13;
inline constexpr TColor kWindow = SystemColor(kSysWindow);
inline constexpr TColor kBtnFace = SystemColor(kSysBtnFace);
}  // namespace colors

// Resolves a system colour index to a plain colour value. The desktop
// replaces it with one that asks the running toolkit's palette.
using SystemColorResolver = std::function<TColor(int index)>;
void SetSystemColorResolver(SystemColorResolver resolver);
TColor ResolveColor(TColor color);

// Six upper-case hexadecimal digits, red, green, blue, no "#".
std::string ColorToHex(TColor color);

// Colour from "#RRGGBB" or a decimal colour value (a system colour may be
// given as its negative value); nothing when the text is neither.
std::optional<TColor> ParseColor(const std::string& text);

// "#RRGGBB" of a colour, system colours resolved.
std::string ColorToHtml(TColor color);

}  // namespace zentrava
