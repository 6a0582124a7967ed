#include "app/services.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QImageReader>
#include <QMessageBox>
#include <QStringList>

namespace zentrava::desktop {

namespace {
QString& TitleStore() {
    static QString title = QStringLiteral("Zentrava XP 2.1");
    return title;
}
}  // namespace

QString ApplicationTitle() { return TitleStore(); }
void SetApplicationTitle(const QString& title) { TitleStore() = title; }

void DesktopServices::ShowError(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void DesktopServices::ShowMessage(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QColor> DesktopServices::RunColorDialog(QWidget* parent, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

std::optional<QString> DesktopServices::RunOpenDialog(QWidget* parent, const QString& caption, const QString& filter,
                                                      const QString& start) {
    const QString file = QFileDialog::getOpenFileName(parent, caption, start, filter);
    if (file.isEmpty()) return std::nullopt;
    return file;
}

std::optional<QString> DesktopServices::RunSaveDialog(QWidget* parent, const QString& caption, const QString& filter,
                                                      const QString& start) {
    // The dialog asks before it replaces a file.
    const QString file = QFileDialog::getSaveFileName(parent, caption, start, filter);
    if (file.isEmpty()) return std::nullopt;
    return file;
}

bool DesktopServices::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

QString QtFileFilter(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + patterns.trimmed() + QLatin1Char(')');
    }
    if (parts.size() % 2 == 1 && !parts.back().isEmpty()) filters << parts.back();
    return filters.join(QStringLiteral(";;"));
}

QString PictureFilter() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    }
    return QStringLiteral("All pictures (") + patterns.join(QLatin1Char(' ')) +
           QStringLiteral(");;All files (*)");
}

}  // namespace zentrava::desktop
