#include "app/services.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "errors.h"

namespace zentrava::desktop {

namespace {
QString& TitleStore() {
    static QString title = QStringLiteral("Zentrava XP 2.1");
    return title;
}
}  // namespace

QString ApplicationTitle() { return TitleStore(); }

QString ErrorText(const std::string& message) {
    const QString english = QString::fromUtf8(ErrorBoxText(message));
    struct Known {
        const char* prefix;
        const char* suffix;
        const char* text;
    };
    static constexpr Known kKnown[] = {
        {"Cannot open file ", "", QT_TRANSLATE_NOOP("Errors", "Cannot open file %1.")},
        {"Cannot create file ", "", QT_TRANSLATE_NOOP("Errors", "Cannot create file %1.")},
        {"List index out of bounds (", ")", QT_TRANSLATE_NOOP("Errors", "List index out of bounds (%1)")},
    };
    for (const Known& k : kKnown) {
        const std::string_view prefix(k.prefix), suffix(k.suffix);
        if (!message.starts_with(prefix) || !message.ends_with(suffix) || message.size() < prefix.size() + suffix.size()) {
            continue;
        }
        const QString translated = QCoreApplication::translate("Errors", k.text);
        if (translated == QLatin1String(k.text)) return english;  // English, or not translated
        return translated.arg(QString::fromUtf8(message.substr(prefix.size(), message.size() - prefix.size() - suffix.size())));
    }
    return english;
}
void SetApplicationTitle(const QString& title) { TitleStore() = title; }

void DesktopServices::ShowError(QWidget* parent, const QString& title, const QString& text, const QString& detail) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    if (!detail.isEmpty()) box.setDetailedText(detail);
    box.exec();
}

void DesktopServices::ShowMessage(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool DesktopServices::AskYesNo(QWidget* parent, const QString& title, const QString& text, const QString& detail) {
    QMessageBox box(QMessageBox::Question, title, text + QStringLiteral("\n\n") + detail,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
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
    // The caller asks once about every file the save replaces, the page's included.
    const QString file =
        QFileDialog::getSaveFileName(parent, caption, start, filter, nullptr, QFileDialog::DontConfirmOverwrite);
    if (file.isEmpty()) return std::nullopt;
    return file;
}

bool DesktopServices::OpenUrl(const QUrl& url, QObject* context, std::function<void()> failed) {
    // The desktop's launcher says by its exit status whether a handler took
    // the address; Qt's own call only says whether the launcher started.
    const QString launcher = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (launcher.isEmpty()) return QDesktopServices::openUrl(url);
    // It may wait for the browser it starts; it deletes itself when it ends.
    auto* process = new QProcess;
    process->setProgram(launcher);
    process->setArguments({url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, context, [failed](int code, QProcess::ExitStatus status) {
        if ((status != QProcess::NormalExit || code != 0) && failed) failed();
    });
    QObject::connect(process, &QProcess::errorOccurred, context, [failed](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart && failed) failed();
    });
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) process->deleteLater();
    });
    process->start();
    return true;
}

bool DesktopServices::ConfirmChange(QWidget* parent, const QString& title, const QString& text, const QString& diff) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(text, &dialog);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* view = new QPlainTextEdit(diff, &dialog);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setAccessibleName(QCoreApplication::translate("zentrava::desktop::DesktopServices", "Difference"));
    layout->addWidget(view);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(720, 480);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
    return dialog.exec() == QDialog::Accepted;
}

std::optional<int> DesktopServices::RunChoiceDialog(QWidget* parent, const QString& title, const QString& label,
                                                    const QStringList& items) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* caption = new QLabel(label, &dialog);
    caption->setTextFormat(Qt::PlainText);
    caption->setWordWrap(true);
    layout->addWidget(caption);
    auto* list = new QListWidget(&dialog);
    list->addItems(items);
    list->setCurrentRow(0);
    caption->setBuddy(list);
    list->setAccessibleName(label);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.resize(560, 320);
    list->setFocus();
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
    return list->currentRow();
}

void OpenWithDefaultHandler(UiServices& services, QWidget* parent, const QUrl& url, bool tryFirst) {
    const QString where = url.isLocalFile() ? url.toLocalFile() : url.toString();
    QPointer<QWidget> owner(parent);
    auto failed = [&services, owner, where] {
        services.ShowError(owner, ApplicationTitle(),
                           QCoreApplication::translate("Services", "No program could be started to open\n%1\nPlease open it by hand.")
                               .arg(where));
    };
    if (!tryFirst || !services.OpenUrl(url, parent, failed)) failed();
}

QString QtFileFilter(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    bool everything = false;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        patterns = patterns.simplified();
        everything |= patterns.split(QLatin1Char(' ')).contains(QStringLiteral("*")) ||
                      patterns.split(QLatin1Char(' ')).contains(QStringLiteral("*.*"));
        // A name that shows its patterns already ("Cursors(*.cur)") keeps
        // them once; Qt reads the patterns from its last brackets.
        const qsizetype open = name.lastIndexOf(QLatin1Char('('));
        if (name.endsWith(QLatin1Char(')')) && open >= 0) {
            QString shown = name.mid(open + 1, name.size() - open - 2);
            shown.replace(QLatin1Char(';'), QLatin1Char(' '));
            if (shown.simplified() == patterns) {
                filters << name.left(open + 1) + patterns + QLatin1Char(')');
                continue;
            }
        }
        filters << name + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    if (parts.size() % 2 == 1 && !parts.back().isEmpty()) filters << parts.back();
    if (!filters.isEmpty() && !everything) filters << QCoreApplication::translate("Services", "All files (*)");
    return filters.join(QStringLiteral(";;"));
}

QString PictureFolder(const QString& programDir) {
    for (const char* name : {"Image", "image"}) {
        const QString folder = programDir + QLatin1Char('/') + QLatin1String(name);
        if (QFileInfo(folder).isDir()) return folder;
    }
    return programDir;
}

QString PictureFilter() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    }
    return QCoreApplication::translate("Services", "All pictures (%1)").arg(patterns.join(QLatin1Char(' '))) +
           QStringLiteral(";;") + QCoreApplication::translate("Services", "All files (*)");
}

}  // namespace zentrava::desktop
