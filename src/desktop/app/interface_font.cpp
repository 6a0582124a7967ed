#include "app/interface_font.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QFontMetricsF>
#include <QTranslator>

#include "app/language.h"
#include "effects/registry.h"
#include "output/text_codec.h"

namespace zentrava::desktop {

namespace {

constexpr int kGenerateWidth = 99;  // the Generate button, 99 x 24

bool Fits(const QFontMetricsF& metrics, const QString& text, int width, int margin) {
    return std::ceil(metrics.horizontalAdvance(ShownCaption(text))) + margin <= width;
}

bool FormFits(const QFontMetricsF& metrics, const FormDecl& form, const ShownText& shown) {
    if (form.generate && !Fits(metrics, shown("zentrava::desktop::TMDIChild", "&Generate Codes..."), kGenerateWidth,
                               2 * kButtonMargin)) {
        return false;
    }
    for (const ControlDecl& c : form.controls) {
        if (!c.label.empty()) {
            const int left = c.labelLeft >= 0 ? c.labelLeft : form.panel.left;
            if (!Fits(metrics, shown("Form", c.label), c.rect.left - 6 - left, kLabelMargin)) return false;
        }
        if (!c.fontFamily.empty() || c.fontSize > 0) continue;
        if (c.kind == ControlKind::Button && !Fits(metrics, shown("Form", c.text), c.rect.width, 2 * kButtonMargin)) {
            return false;
        }
        if (c.kind == ControlKind::Label && !Fits(metrics, shown("Form", c.text), c.rect.width, kLabelMargin)) {
            return false;
        }
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

qreal InterfacePointSize(const QFont& base, const std::vector<FormDecl>& forms, const ShownText& given) {
    const ShownText shown = given ? given : [](const char*, const std::string& text) { return FromBytes(text); };
    constexpr qreal kLargest = 8.0, kSmallest = 6.5;
    for (qreal size = kLargest; size > kSmallest; size -= 0.5) {
        QFont font = base;
        font.setPointSizeF(size);
        const QFontMetricsF metrics(font);
        if (std::all_of(forms.begin(), forms.end(), [&](const FormDecl& f) { return FormFits(metrics, f, shown); })) {
            return size;
        }
    }
    return kSmallest;
}

qreal InterfacePointSizeInEveryLanguage(const QFont& base, const std::vector<FormDecl>& forms) {
    qreal size = InterfacePointSize(base, forms);
    for (const char* code : kLanguageCodes) {
        const std::shared_ptr<QTranslator> translator = LoadTranslation(QLatin1String(code));
        if (!translator) continue;
        size = std::min(size, InterfacePointSize(base, forms, [translator](const char* context, const std::string& text) {
            const QString translated = translator->translate(context, text.c_str());
            return translated.isEmpty() ? FromBytes(text) : translated;
        }));
    }
    return size;
}

const QFont& InterfaceFont() {
    static const QFont font = [] {
        QFont f = QApplication::font();
        f.setPointSizeF(InterfacePointSizeInEveryLanguage(f, FormRegistry::Instance().All()));
        return f;
    }();
    return font;
}

}  // namespace zentrava::desktop
