#include "app/interface_font.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QFontMetricsF>

#include "effects/registry.h"
#include "output/text_codec.h"

namespace zentrava::desktop {

namespace {

constexpr int kGenerateWidth = 99;  // the Generate button, 99 x 24

bool Fits(const QFontMetricsF& metrics, const std::string& text, int width, int margin) {
    return std::ceil(metrics.horizontalAdvance(ShownCaption(FromBytes(text)))) + margin <= width;
}

bool FormFits(const QFontMetricsF& metrics, const FormDecl& form) {
    if (form.generate && !Fits(metrics, "&Generate Codes...", kGenerateWidth, 2 * kButtonMargin)) return false;
    for (const ControlDecl& c : form.controls) {
        if (!c.label.empty()) {
            const int left = c.labelLeft >= 0 ? c.labelLeft : form.panel.left;
            if (!Fits(metrics, c.label, c.rect.left - 6 - left, kLabelMargin)) return false;
        }
        if (!c.fontFamily.empty() || c.fontSize > 0) continue;
        if (c.kind == ControlKind::Button && !Fits(metrics, c.text, c.rect.width, 2 * kButtonMargin)) return false;
        if (c.kind == ControlKind::Label && !Fits(metrics, c.text, c.rect.width, kLabelMargin)) return false;
    }
    return true;
}

}  // namespace

QString ShownCaption(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;  // "&&" shows one '&'
        shown += text[i];
    }
    return shown;
}

qreal InterfacePointSize(const QFont& base, const std::vector<FormDecl>& forms) {
    constexpr qreal kLargest = 8.0, kSmallest = 6.5;
    for (qreal size = kLargest; size > kSmallest; size -= 0.5) {
        QFont font = base;
        font.setPointSizeF(size);
        const QFontMetricsF metrics(font);
        if (std::all_of(forms.begin(), forms.end(), [&](const FormDecl& f) { return FormFits(metrics, f); })) {
            return size;
        }
    }
    return kSmallest;
}

const QFont& InterfaceFont() {
    static const QFont font = [] {
        QFont f = QApplication::font();
        f.setPointSizeF(InterfacePointSize(f, FormRegistry::Instance().All()));
        return f;
    }();
    return font;
}

}  // namespace zentrava::desktop
