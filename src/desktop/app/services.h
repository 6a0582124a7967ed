// What the desktop asks of the user and of the desktop environment: message
// boxes, the colour and file dialogs, opening a document with its default
// handler. The app runs the real ones; tests install their own, so nothing
// ever waits for a person.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QColor>
#include <QString>
#include <QStringList>
#include <QUrl>

class QObject;
class QWidget;

namespace zentrava::desktop {

class UiServices {
public:
    virtual ~UiServices() = default;

    // The application's error box: critical icon, OK button; `detail`, when
    // given, is the box's detail text (the file a message does not name).
    virtual void ShowError(QWidget* parent, const QString& title, const QString& text,
                           const QString& detail = QString()) = 0;
    // A plain message box with an OK button.
    virtual void ShowMessage(QWidget* parent, const QString& title, const QString& text) = 0;
    // Runs a colour dialog that opens with `initial`; nothing on Cancel.
    virtual std::optional<QColor> RunColorDialog(QWidget* parent, const QColor& initial) = 0;
    // Runs a file open dialog (Qt filter syntax, "Name (*.x);;Other (*.y)"),
    // starting at `start` (a folder or a file); the chosen file's full path,
    // nothing on Cancel.
    virtual std::optional<QString> RunOpenDialog(QWidget* parent, const QString& caption, const QString& filter,
                                                 const QString& start) = 0;
    // Asks a question with Yes and No buttons, `detail` shown below the
    // text (a list of files); true for Yes. Without a person to ask, No.
    virtual bool AskYesNo(QWidget* parent, const QString& title, const QString& text, const QString& detail) {
        (void)parent, (void)title, (void)text, (void)detail;
        return false;
    }
    // Runs a file save dialog; the chosen file's full path, nothing on
    // Cancel. It does not ask about replacing a file: the caller asks once
    // about every file the save would replace.
    virtual std::optional<QString> RunSaveDialog(QWidget* parent, const QString& caption, const QString& filter,
                                                 const QString& start) = 0;
    // Opens a document or address with its default handler. False when no
    // handler can be started at all; a handler that starts and then fails
    // (a launcher with no browser behind it) calls `failed` later, unless
    // `context` is gone by then.
    virtual bool OpenUrl(const QUrl& url, QObject* context, std::function<void()> failed) = 0;
    // Shows a change about to be written (`text` says what, `diff` is its
    // unified difference) and asks for it: true for OK, false for Cancel.
    virtual bool ConfirmChange(QWidget* parent, const QString& title, const QString& text, const QString& diff) = 0;
    // Lets the user choose one of `items` from a list; its index, nothing on
    // Cancel.
    virtual std::optional<int> RunChoiceDialog(QWidget* parent, const QString& title, const QString& label,
                                               const QStringList& items) = 0;
};

// The real dialogs and message boxes.
class DesktopServices final : public UiServices {
public:
    void ShowError(QWidget* parent, const QString& title, const QString& text,
                   const QString& detail = QString()) override;
    void ShowMessage(QWidget* parent, const QString& title, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& title, const QString& text, const QString& detail) override;
    std::optional<QColor> RunColorDialog(QWidget* parent, const QColor& initial) override;
    std::optional<QString> RunOpenDialog(QWidget* parent, const QString& caption, const QString& filter,
                                         const QString& start) override;
    std::optional<QString> RunSaveDialog(QWidget* parent, const QString& caption, const QString& filter,
                                         const QString& start) override;
    bool OpenUrl(const QUrl& url, QObject* context, std::function<void()> failed) override;
    bool ConfirmChange(QWidget* parent, const QString& title, const QString& text, const QString& diff) override;
    std::optional<int> RunChoiceDialog(QWidget* parent, const QString& title, const QString& label,
                                       const QStringList& items) override;
};

// Opens `url` with its default handler; when none starts, or it fails, the
// error box names the address or file for the user to open by hand (at once,
// without trying, when `tryFirst` is false).
void OpenWithDefaultHandler(UiServices& services, QWidget* parent, const QUrl& url, bool tryFirst = true);

// The state of the main window's shared dialog components: one colour
// dialog, one font dialog, one picture open dialog, one file open dialog and
// one save dialog, whose last
// colour, folder and file carry over from one use to the next and from one
// effect form to another.
struct SharedDialogs {
    QColor color = Qt::black;  // ColorDialog1: black before its first use
    QString fontFamily = QStringLiteral("MS Sans Serif");  // FontDialog1's font,
    int fontPointSize = 10;                                //   10 points from start-up
    QString lastPicture;       // OpenPictureDialog: the last file chosen
    QString lastFile;          // OpenDialog1: the last file chosen
    QString lastSaved;         // SaveDialog: the last file saved
};

// The application title (the text the error boxes carry as their title).
QString ApplicationTitle();

// The text of an error box for an engine message ("Cannot open file <path>",
// ...): in English the message with its full stop, as ErrorBoxText words it;
// in another interface language its translation, the file name unchanged.
QString ErrorText(const std::string& message);
void SetApplicationTitle(const QString& title);

// "Name(*.x)|*.x|Other|*.y;*.z" (the declarations' filter form) in Qt's
// syntax, each pattern shown once and every file offered last:
// "Name(*.x);;Other (*.y *.z);;All files (*)".
QString QtFileFilter(const QString& pipeFilter);

// Where the file and picture dialogs start before their first use: the
// program directory's picture folder ("Image", or "image"), else the
// program directory.
QString PictureFolder(const QString& programDir);

// The standard filter of displayable pictures, from the image formats Qt reads.
QString PictureFilter();

}  // namespace zentrava::desktop
