#include "output/color.h"

#include <array>
#include <charconv>

namespace zentrava {
namespace {

// A light desktop theme's system colours, used until the desktop installs
// a resolver that reads the real palette.
TColor DefaultSystemColor(int index) {
    static constexpr std::array<TColor, 31> kTable = {
        0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xF0F0F0, 0xFFFFFF, 0x000000, 0x000000,
        0x000000, 0xFFFFFF, 0xD4D0C8, 0xD4D0C8, 0x808080, 0xD77800, 0xFFFFFF, 0xF0F0F0,
        0xA0A0A0, 0x808080, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
        0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xD77800, 0xF0F0F0};
    if (index < 0 || index >= static_cast<int>(kTable.size())) return 0;
    return kTable[static_cast<std::size_t>(index)];
}

SystemColorResolver& Resolver() {
    static SystemColorResolver resolver = DefaultSystemColor;
    return resolver;
}

}  // namespace

void SetSystemColorResolver(SystemColorResolver resolver) {
    Resolver() = resolver ? std::move(resolver) : SystemColorResolver(DefaultSystemColor);
}

TColor ResolveColor(TColor color) {
    if (color < 0) return Resolver()(static_cast<int>(static_cast<std::uint32_t>(color) & 0xFF)) & 0xFFFFFF;
    return color;
}

std::string ColorToHex(TColor color) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const auto rgb = static_cast<std::uint32_t>(ResolveColor(color));
    std::string hex(6, '0');
    for (int part = 0; part < 3; ++part) {
        const unsigned byte = (rgb >> (8 * part)) & 0xFF;
        hex[static_cast<std::size_t>(2 * part)] = kDigits[byte >> 4];
        hex[static_cast<std::size_t>(2 * part + 1)] = kDigits[byte & 0xF];
    }
    return hex;
}

std::optional<TColor> ParseColor(const std::string& text) {
    if (text.size() == 7 && text[0] == '#') {
        std::uint32_t rgb = 0;
        auto [end, ec] = std::from_chars(text.data() + 1, text.data() + 7, rgb, 16);
        if (ec != std::errc() || end != text.data() + 7) return std::nullopt;
        const std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
        return static_cast<TColor>(r | (g << 8) | (b << 16));
    }
    if (text.empty()) return std::nullopt;
    long long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value >= 0 && value <= 0xFFFFFF) return static_cast<TColor>(value);
    // A system colour: 0x80000000 plus an index below 31.
    if (value < 0 && value >= -0x80000000LL) {
        const auto bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
        if ((bits & 0xFFFFFF00u) == 0x80000000u && (bits & 0xFF) <= 30) return static_cast<TColor>(bits);
    }
    return std::nullopt;
}

std::string ColorToHtml(TColor color) { return "#" + ColorToHex(color); }

}  // namespace zentrava
