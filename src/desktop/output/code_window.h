// TdisplayForm: the code window with the script view, the page
// view and the preview, and its buttons. One instance for the run; closing
// it only hides it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QWidget>

#include "catalogue/plugin.h"
#include "effects/script_lines.h"
#include "effects/shell.h"

class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace zentrava::desktop {

class PageMessages;
class PreviewPane;
class UiServices;

class CodeWindow : public QWidget {
    Q_OBJECT
public:
    enum Page { kScriptPage = 0, kHtmlPage = 1, kPreviewPage = 2 };

    // `programDir` holds the preview file "temp.htm" (or, when it cannot be
    // written, the user's preview folder does).
    CodeWindow(UiServices& services, QString programDir, QWidget* parent = nullptr);

    // Shows the window after a Generate; its activation rewrites the script
    // header of `lines` in place, fills both views from `lines` and
    // `skeleton` (which gets the page tail), saves the preview file and
    // shows the preview.
    void ShowGenerated(TScriptCodeStrings& lines, const Tplugin& entry, std::vector<std::string>& skeleton);

    // What "Insert into Page..." inserts from now on (the last Generate's effect).
    void SetInsertSource(InsertSource source);
    const std::optional<InsertSource>& CurrentInsertSource() const { return insertSource_; }

    int CurrentPage() const;
    void ShowPage(int page);
    QString PreviewFile() const;

    QPlainTextEdit* ScriptView() const { return codememo_; }
    QPlainTextEdit* PageView() const { return htmlMemo_; }
    PreviewPane* Preview() const { return preview_; }
    // The count of the previewed page's console messages and their list.
    PageMessages* Messages() const { return messages_; }

    // The page view's lines as they would be saved (edits included).
    std::vector<std::string> CurrentPageLines();
    // The folder of the shown effect when it is the user's own, else empty.
    const std::string& SourceDir() const { return sourceDir_; }

Q_SIGNALS:
    // "Live Preview" (or F5): the main window opens its live preview.
    void livePreviewRequested();

public Q_SLOTS:
    void button_scriptcodeClick();
    void Button_htmlcodeClick();
    void Button_copy_scriptClick();
    void button_runClick();   // "Preview"
    void XP_Button1Click();   // "Refresh"
    void XP_Button2Click();   // "View In Browser"
    void SavePageClick();     // "Save Page..."
    // "Insert into Page...": inserts the generated effect into a page the
    // user chooses, after showing the difference; the old page is kept as
    // FILE.bak.
    void InsertIntoPageClick();
    // Shows the page view with line `line` (from 1) selected; just the page
    // view when the line is 0 or past its end.
    void ShowPageLine(int line);

Q_SIGNALS:
    // An effect went into `page` as block `block`.
    void inserted(const QString& page, const QString& block);

protected:
    void closeEvent(QCloseEvent* event) override;  // FormCloseQuery: hide only
    void changeEvent(QEvent* event) override;      // retranslates the captions
    void keyPressEvent(QKeyEvent* event) override;  // Escape closes

private:
    // `caption` and `hint` (none: null) are untranslated; they follow the interface language.
    QPushButton* AddButton(const char* name, const char* caption, const char* hint, int top);
    bool SavePreviewFile();
    void SaveAndPreview();
    // The page view's lines: as assembled until the user edits the text.
    const std::vector<std::string>& PageLines();

    UiServices& services_;
    QString programDir_;
    std::string sourceDir_;  // the shown effect's folder when it is the user's own, else empty
    QStackedWidget* pages_ = nullptr;
    QPlainTextEdit* codememo_ = nullptr;
    QPlainTextEdit* htmlMemo_ = nullptr;
    PreviewPane* preview_ = nullptr;
    PageMessages* messages_ = nullptr;
    // The page as last saved (or assembled): its lines byte for byte, and
    // the text the page view showed for them.
    std::vector<std::string> pageLines_;
    QString pageText_;
    bool shownBefore_ = false;
    QString previewFile_;  // where the preview file went last
    QString lastSaved_;    // the page saved last with "Save Page..."
    struct Caption {
        QPushButton* button;
        const char* caption;
        const char* hint;
    };
    std::vector<Caption> captions_;
    std::optional<InsertSource> insertSource_;
    QString lastInserted_;  // the page inserted into last
};

}  // namespace zentrava::desktop
