#include "output/system_colors.h"

#include <QApplication>
#include <QPalette>

namespace zentrava::desktop {

QColor SystemColor(int index) {
    const QPalette palette = QApplication::palette();
    using R = QPalette::ColorRole;
    auto active = [&](R role) { return palette.color(QPalette::Active, role); };
    auto inactive = [&](R role) { return palette.color(QPalette::Inactive, role); };
    switch (index) {
        case 0: return active(R::Button);              // scroll bar
        case 1: return active(R::Dark);                // desktop background
        case 2: return active(R::Highlight);           // active caption
        case 3: return inactive(R::Highlight);         // inactive caption
        case 4: return active(R::Window);              // menu
        case 5: return active(R::Base);                // window
        case 6: return active(R::Shadow);              // window frame
        case 7: return active(R::WindowText);          // menu text
        case 8: return active(R::Text);                // window text
        case 9: return active(R::HighlightedText);     // caption text
        case 10: return active(R::Window);             // active border
        case 11: return inactive(R::Window);           // inactive border
        case 12: return active(R::Dark);               // application workspace
        case 13: return active(R::Highlight);          // highlight
        case 14: return active(R::HighlightedText);    // highlighted text
        case 15: return active(R::Button);             // button face
        case 16: return active(R::Dark);               // button shadow
        case 17: return palette.color(QPalette::Disabled, R::Text);  // grey text
        case 18: return active(R::ButtonText);         // button text
        case 19: return inactive(R::HighlightedText);  // inactive caption text
        case 20: return active(R::Light);              // button highlight
        case 21: return active(R::Shadow);             // 3-D dark shadow
        case 22: return active(R::Midlight);           // 3-D light
        case 23: return active(R::ToolTipText);        // tooltip text
        case 24: return active(R::ToolTipBase);        // tooltip background
        case 26: return active(R::Link);               // hot-tracked item
        case 27: return active(R::Highlight);          // gradient active caption
        case 28: return inactive(R::Highlight);        // gradient inactive caption
        case 29: return active(R::Highlight);          // menu highlight
        case 30: return active(R::Window);             // menu bar
        default: return QColor(Qt::black);
    }
}

void InstallSystemColorResolver() {
    SetSystemColorResolver([](int index) { return FromQColor(SystemColor(index)); });
}

QColor ToQColor(TColor color) {
    const auto rgb = static_cast<std::uint32_t>(ResolveColor(color));
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>((rgb >> 16) & 0xFF));
}

TColor FromQColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<TColor>(rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16));
}

}  // namespace zentrava::desktop
