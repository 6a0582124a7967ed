#include "app/interface_font.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QFontMetricsF>
#include <QTranslator>

namespace zentrava::desktop {

namespace {

struct Interface {
    QFont font;
    qreal scale = 1;
};

Interface& Current() {
    static Interface current = [] {
        Interface i;
        i.font = QApplication::font();
        i.scale = InterfaceScaleFor(i.font);
        return i;
    }();
    return current;
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

qreal InterfaceScaleFor(const QFont& font) {
    // One line of text: no caption is measured, no other size tried.
    const QFontMetricsF metrics(font);
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const qreal width = metrics.horizontalAdvance(letters) / letters.size();
    return std::max({qreal(1), width / kClassicCharWidth, metrics.height() / kClassicLineHeight});
}

const QFont& InterfaceFont() { return Current().font; }

qreal InterfaceScale() { return Current().scale; }

void SetInterfaceFont(const QFont& font, qreal scale) {
    Current().font = font;
    Current().scale = scale > 0 ? scale : InterfaceScaleFor(font);
}

int Scaled(int classic) { return static_cast<int>(std::lround(classic * InterfaceScale())); }

QPoint Scaled(const QPoint& classic) { return {Scaled(classic.x()), Scaled(classic.y())}; }

QSize Scaled(const QSize& classic) { return {Scaled(classic.width()), Scaled(classic.height())}; }

QRect Scaled(const QRect& classic) {
    const int left = Scaled(classic.x()), top = Scaled(classic.y());
    return {left, top, Scaled(classic.x() + classic.width()) - left, Scaled(classic.y() + classic.height()) - top};
}

}  // namespace zentrava::desktop
