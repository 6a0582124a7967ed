// Helpers of the desktop tests: services that never wait for a person, and
// a scratch copy of a fixture program directory.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include "app/services.h"
#include "effects/shell.h"

namespace zentrava::desktop::testing {

// Each test program keeps the user's settings (the values the forms were
// last generated with) in a folder of its own, empty when it starts, so that
// no run or other program changes what a form opens with.
inline const bool kOwnSettingsFolder = [] {
    static QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
    return true;
}();

// Records every request and answers with what the test queued (Cancel when
// nothing is queued).
class FakeServices final : public UiServices {
public:
    struct Box {
        bool error = false;
        QString title;
        QString text;
        QString detail;
    };
    struct FileRequest {
        QString caption, filter, start;
    };

    std::vector<Box> boxes;
    std::vector<QColor> colorRequests;     // the colour each colour dialog opened with
    std::deque<std::optional<QColor>> colorAnswers;
    std::vector<FileRequest> fileRequests;
    std::deque<std::optional<QString>> fileAnswers;
    std::vector<QUrl> openedUrls;
    std::vector<FileRequest> saveRequests;
    std::deque<std::optional<QString>> saveAnswers;
    struct Question {
        QString text, detail;
    };
    std::vector<Question> questions;
    std::deque<bool> questionAnswers;  // none left: No
    struct Confirmation {
        QString title, text, diff;
    };
    std::vector<Confirmation> confirmations;
    std::deque<bool> confirmAnswers;  // none left: Cancel
    struct Choice {
        QString title, label;
        QStringList items;
    };
    std::vector<Choice> choiceRequests;
    std::deque<std::optional<int>> choiceAnswers;  // none left: Cancel
    bool openStarts = true;    // whether a handler starts
    bool openFailsLater = false;  // whether the started handler then fails

    void ShowError(QWidget*, const QString& title, const QString& text, const QString& detail = QString()) override {
        boxes.push_back({true, title, text, detail});
    }
    void ShowMessage(QWidget*, const QString& title, const QString& text) override {
        boxes.push_back({false, title, text, QString()});
    }
    bool AskYesNo(QWidget*, const QString&, const QString& text, const QString& detail) override {
        questions.push_back({text, detail});
        if (questionAnswers.empty()) return false;
        const bool yes = questionAnswers.front();
        questionAnswers.pop_front();
        return yes;
    }
    std::optional<QColor> RunColorDialog(QWidget*, const QColor& initial) override {
        colorRequests.push_back(initial);
        if (colorAnswers.empty()) return std::nullopt;
        auto answer = colorAnswers.front();
        colorAnswers.pop_front();
        return answer;
    }
    // The next queued answer of a dialog; none left is a cancelled dialog.
    static std::optional<QString> NextAnswer(std::deque<std::optional<QString>>& answers) {
        if (answers.empty()) return std::nullopt;
        const bool chosen = answers.front().has_value();
        const QString file = chosen ? *answers.front() : QString();
        answers.pop_front();
        if (!chosen) return std::nullopt;
        return file;
    }
    std::optional<QString> RunOpenDialog(QWidget*, const QString& caption, const QString& filter,
                                         const QString& start) override {
        fileRequests.push_back({caption, filter, start});
        return NextAnswer(fileAnswers);
    }
    std::optional<QString> RunSaveDialog(QWidget*, const QString& caption, const QString& filter,
                                         const QString& start) override {
        saveRequests.push_back({caption, filter, start});
        return NextAnswer(saveAnswers);
    }
    bool ConfirmChange(QWidget*, const QString& title, const QString& text, const QString& diff) override {
        confirmations.push_back({title, text, diff});
        if (confirmAnswers.empty()) return false;
        const bool ok = confirmAnswers.front();
        confirmAnswers.pop_front();
        return ok;
    }
    std::optional<int> RunChoiceDialog(QWidget*, const QString& title, const QString& label,
                                       const QStringList& items) override {
        choiceRequests.push_back({title, label, items});
        if (choiceAnswers.empty()) return std::nullopt;
        const std::optional<int> answer = choiceAnswers.front();
        choiceAnswers.pop_front();
        return answer;
    }
    bool OpenUrl(const QUrl& url, QObject*, std::function<void()> failed) override {
        openedUrls.push_back(url);
        if (openStarts && openFailsLater) failed();
        return openStarts;
    }
};

// A scratch program directory filled with a copy of a fixture folder.
class ProgramDir {
public:
    explicit ProgramDir(const QString& fixture = QStringLiteral(ZENTRAVA_DESKTOP_FIXTURES "/app")) {
        const QDir from(fixture);
        for (const QString& name : from.entryList(QDir::Files)) QFile::copy(from.filePath(name), Path(name));
    }
    QString Path() const { return dir_.path(); }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QByteArray Read(const QString& name) const {
        QFile f(Path(name));
        if (!f.open(QIODevice::ReadOnly)) return {};
        return f.readAll();
    }
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile f(Path(name));
        if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    }
    void Remove(const QString& name) const { QFile::remove(Path(name)); }

private:
    QTemporaryDir dir_;
};

// A shell without a main window: it records what Generate asks of it.
class FakeShell : public Shell {
public:
    Tplugin entry;
    std::string dir;
    std::vector<std::string> skeleton;
    FakeServices services;
    SharedDialogs dialogs;
    int codeWindowShown = 0;
    std::vector<std::string> shownLines;

    const Tplugin& CurrentEntry() const override { return entry; }
    std::string ProgramDir() const override { return dir; }
    std::vector<std::string>& PageSkeleton() override { return skeleton; }
    UiServices& Services() override { return services; }
    SharedDialogs& Dialogs() override { return dialogs; }
    QWidget* DialogParent() override { return nullptr; }
    void ShowCodeWindow(TScriptCodeStrings& lines) override {
        ++codeWindowShown;
        shownLines = lines.Lines();
    }
};

}  // namespace zentrava::desktop::testing
