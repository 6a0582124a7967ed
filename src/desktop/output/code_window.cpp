#include "output/code_window.h"

#include <algorithm>

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTextBlock>
#include <QUrl>

#include "app/interface_font.h"
#include "app/services.h"
#include "errors.h"
#include "output/code_view.h"
#include "output/generated_page.h"
#include "output/insert_effect.h"
#include "output/insert_page.h"
#include "output/page.h"
#include "output/page_messages.h"
#include "output/preview_file.h"
#include "output/save_page.h"
#include "output/preview_pane.h"
#include "output/text_codec.h"

namespace zentrava::desktop {

namespace {

QPlainTextEdit* NewMemo(const char* name, const QFont& font, QWidget* parent) {
    auto* memo = new CodeView(parent);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setFrameStyle(QFrame::Box | QFrame::Plain);
    memo->setLineWidth(1);
    QPalette pal = memo->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    memo->setPalette(pal);
    memo->setFont(font);
    return memo;
}

QFrame* NewSeparator(const char* name, int top, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(Scaled(QRect(488, top, 105, 3)));
    return line;
}

}  // namespace

CodeWindow::CodeWindow(UiServices& services, QString programDir, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      services_(services),
      programDir_(std::move(programDir)) {
    setObjectName(QStringLiteral("displayForm"));
    // The run ends when the main window closes, whether or not this is shown.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("JavaScript Codes"));
    setFixedSize(Scaled(QSize(601, 316)));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    QFont windowFont = font();
    windowFont.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    // 8 points in the classic window; the interface size now, as the rest is scaled with it.
    windowFont.setPointSizeF(std::max<qreal>(8, InterfaceFont().pointSizeF()));
    setFont(windowFont);

    // pagecontrol2: its tab row is never seen; the buttons change the page.
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("pagecontrol2"));
    pages_->setGeometry(Scaled(QRect(6, 8, 474, 248)));
    QFont pageFont = font();
    pageFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    pageFont.setPointSizeF(windowFont.pointSizeF());
    codememo_ = NewMemo("codememo", windowFont, pages_);
    htmlMemo_ = NewMemo("HtmlMemo", pageFont, pages_);
    preview_ = new PreviewPane(pages_);
    pages_->addWidget(codememo_);
    pages_->addWidget(htmlMemo_);
    pages_->addWidget(preview_);

    connect(AddButton("button_scriptcode", QT_TR_NOOP("JavaScript Codes"), QT_TR_NOOP("Show only Javascript codes"), 8),
            &QPushButton::clicked, this, &CodeWindow::button_scriptcodeClick);
    connect(AddButton("Button_htmlcode", QT_TR_NOOP("HTML Codes"), QT_TR_NOOP("Show whole HTML codes"), 40), &QPushButton::clicked,
            this, &CodeWindow::Button_htmlcodeClick);
    connect(AddButton("Button_copy_script", QT_TR_NOOP("Copy to Clipboard"), QT_TR_NOOP("Copy current codes to clipboard"), 72),
            &QPushButton::clicked, this, &CodeWindow::Button_copy_scriptClick);
    NewSeparator("Panel3", 112, this);
    connect(AddButton("button_run", QT_TR_NOOP("Preview"), QT_TR_NOOP("Preview the page, edits included, in the pane on the left"), 128),
            &QPushButton::clicked, this, &CodeWindow::button_runClick);
    connect(AddButton("XP_Button1", QT_TR_NOOP("Refresh"), nullptr, 160), &QPushButton::clicked, this,
            &CodeWindow::XP_Button1Click);
    NewSeparator("Panel2", 200, this);
    connect(AddButton("XP_Button2", QT_TR_NOOP("View In Browser"), nullptr, 216), &QPushButton::clicked, this,
            &CodeWindow::XP_Button2Click);
    connect(AddButton("SavePageButton", QT_TR_NOOP("Save Page..."), QT_TR_NOOP("Save the page with its pictures, to open anywhere"), 248),
            &QPushButton::clicked, this, &CodeWindow::SavePageClick);
    connect(AddButton("InsertButton", QT_TR_NOOP("&Insert into Page..."),
                      QT_TR_NOOP("Insert the effect into a page of your own, or replace it there"), 280),
            &QPushButton::clicked, this, &CodeWindow::InsertIntoPageClick);

    // The live preview, large and resizable, under the preview pane.
    static constexpr const char* kLiveCaption = QT_TR_NOOP("Live Preview");
    static constexpr const char* kLiveHint = QT_TR_NOOP("Show the page in a large window that follows the form (F5)");
    auto* live = new QPushButton(tr(kLiveCaption), this);
    live->setObjectName(QStringLiteral("LivePreviewButton"));
    live->setToolTip(tr(kLiveHint));
    captions_.push_back({live, kLiveCaption, kLiveHint});
    live->setGeometry(Scaled(QRect(373, 258, 107, 24)));
    live->setFont(InterfaceFont());
    live->setAutoDefault(false);
    connect(live, &QPushButton::clicked, this, &CodeWindow::livePreviewRequested);
    auto* liveKey = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(liveKey, &QShortcut::activated, this, &CodeWindow::livePreviewRequested);

    // The page's console messages: counted over the preview's lower right
    // corner, clear of the page's own scroll bars.
    messages_ = new PageMessages(this);
    messages_->setFont(pageFont);
    messages_->setGeometry(Scaled(QRect(380, 216, 82, 20)));
    connect(preview_, &PreviewPane::pageMessage, messages_, &PageMessages::Add);
    connect(messages_, &PageMessages::lineChosen, this, &CodeWindow::ShowPageLine);
    connect(pages_, &QStackedWidget::currentChanged, messages_,
            [this](int page) { messages_->SetPreviewShown(page == kPreviewPage); });
}

QPushButton* CodeWindow::AddButton(const char* name, const char* caption, const char* hint, int top) {
    auto* button = new QPushButton(tr(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint ? tr(hint) : QString());
    captions_.push_back({button, caption, hint});
    button->setGeometry(Scaled(QRect(488, top, 107, 24)));
    button->setFont(InterfaceFont());
    button->setAutoDefault(false);
    return button;
}

QString CodeWindow::PreviewFile() const {
    if (!previewFile_.isEmpty()) return previewFile_;
    return FromPath(JoinPath(ToPath(programDir_), kPreviewFileName));
}

int CodeWindow::CurrentPage() const { return pages_->currentIndex(); }

void CodeWindow::ShowPage(int page) { pages_->setCurrentIndex(page); }

void CodeWindow::ShowGenerated(TScriptCodeStrings& lines, const Tplugin& entry, std::vector<std::string>& skeleton) {
    if (!shownBefore_) {
        move(Scaled(QPoint(219, 326)));
        shownBefore_ = true;
    }
    show();
    raise();
    activateWindow();

    // FormActivate after a Generate: rewrite the header, fill both views.
    GeneratedPage result = AssemblePage(lines, entry, skeleton);
    sourceDir_ = entry.folder;  // a user's own effect is previewed and saved from its own folder
    codememo_->setPlainText(JoinToText(result.Script()));
    pageText_ = JoinToText(result.Page());
    htmlMemo_->setPlainText(pageText_);
    pageLines_ = std::move(result.view.page);
    SaveAndPreview();
}

std::vector<std::string> CodeWindow::CurrentPageLines() { return PageLines(); }

const std::vector<std::string>& CodeWindow::PageLines() {
    // Untouched, the page view holds the assembled page and is saved byte for
    // byte; once edited, its text is saved as it now stands.
    const QString text = htmlMemo_->toPlainText();
    if (text != pageText_) {
        pageLines_ = SplitText(text);
        pageText_ = text;
    }
    return pageLines_;
}

bool CodeWindow::SavePreviewFile() {
    try {
        // A user's own effect is previewed from its folder, where its pictures are.
        previewFile_ =
            FromPath(zentrava::SavePreviewFile(sourceDir_.empty() ? ToPath(programDir_) : sourceDir_, PageLines()));
    } catch (const EngineError& e) {
        services_.ShowError(this, ApplicationTitle(), ErrorText(e.what()), FromBytes(e.Reason()));
        return false;
    } catch (const std::exception& e) {
        services_.ShowError(this, ApplicationTitle(), ErrorText(e.what()));
        return false;
    }
    return true;
}

void CodeWindow::SaveAndPreview() {
    if (!SavePreviewFile()) return;
    messages_->Clear(PreviewFile());  // each page starts a new list
    preview_->Navigate(QFileInfo(PreviewFile()).absoluteFilePath());
    ShowPage(kPreviewPage);
}

void CodeWindow::button_scriptcodeClick() { ShowPage(kScriptPage); }

void CodeWindow::Button_htmlcodeClick() { ShowPage(kHtmlPage); }

void CodeWindow::Button_copy_scriptClick() {
    if (CurrentPage() != kScriptPage && CurrentPage() != kHtmlPage) ShowPage(kScriptPage);
    QPlainTextEdit* memo = CurrentPage() == kHtmlPage ? htmlMemo_ : codememo_;
    memo->setFocus();
    memo->selectAll();
    memo->copy();
}

void CodeWindow::button_runClick() { SaveAndPreview(); }

void CodeWindow::XP_Button1Click() { SaveAndPreview(); }

void CodeWindow::XP_Button2Click() { OpenWithDefaultHandler(services_, this, QUrl::fromLocalFile(PreviewFile())); }

void CodeWindow::SavePageClick() {
    const QString start = lastSaved_.isEmpty() ? QDir::homePath() + QStringLiteral("/page.html") : lastSaved_;
    std::optional<QString> file = services_.RunSaveDialog(
        this, tr("Save Page"), tr("Web pages (*.html *.htm);;All files (*)"), start);
    if (!file) return;
    // A name typed without an extension is a web page.
    if (QFileInfo(*file).suffix().isEmpty()) *file += QStringLiteral(".html");
    try {
        const std::vector<std::string>& page = PageLines();
        const PageSavePlan plan = PlanPageSave(page, sourceDir_.empty() ? ToPath(programDir_) : sourceDir_, ToPath(*file));
        if (!plan.replaced.empty()) {
            // One question for every file the save would replace, the page's included.
            QStringList names;
            for (const std::string& name : plan.replaced) names << QDir::toNativeSeparators(FromPath(name));
            if (!services_.AskYesNo(this, ApplicationTitle(),
                                    tr("%n file(s) already there will be replaced. Replace them?", nullptr,
                                       static_cast<int>(names.size())),
                                    names.join(QLatin1Char('\n')))) {
                return;
            }
        }
        const std::vector<std::string> copied = SavePageWithFiles(page, plan);
        lastSaved_ = *file;
        QString text = copied.empty() ? tr("Saved %1.").arg(QDir::toNativeSeparators(*file))
                                      : tr("Saved %1 and %n file(s) it shows beside it.", nullptr,
                                           static_cast<int>(copied.size()))
                                            .arg(QDir::toNativeSeparators(*file));
        for (const std::string& warning : plan.warnings) text += QLatin1Char('\n') + FromPath(warning);
        services_.ShowMessage(this, ApplicationTitle(), text);
    } catch (const EngineError& e) {
        services_.ShowError(this, ApplicationTitle(), ErrorText(e.what()), FromBytes(e.Reason()));
    } catch (const std::exception& e) {
        services_.ShowError(this, ApplicationTitle(), ErrorText(e.what()));
    }
}

void CodeWindow::SetInsertSource(InsertSource source) { insertSource_ = std::move(source); }

void CodeWindow::InsertIntoPageClick() {
    if (!insertSource_) {
        services_.ShowError(this, ApplicationTitle(), tr("Generate an effect first; then it can be inserted into a page."));
        return;
    }
    InsertSource& source = *insertSource_;
    QString start = !source.page.empty() ? FromPath(source.page) : lastInserted_;
    if (start.isEmpty()) start = QDir::homePath();
    const std::optional<QString> file = services_.RunOpenDialog(
        this, tr("Insert into Page"), tr("Web pages (*.html *.htm *.xhtml *.php);;All files (*)"), start);
    if (!file) return;
    const std::string path = ToPath(QFileInfo(*file).absoluteFilePath());
    // The page the form came from: its block is replaced, wherever it stands.
    const std::string name = path == source.page ? source.block : std::string();
    try {
        const PageEdit edit = PlanInsert(ToPath(programDir_), path, source.effect, name);
        const QString shownFile = QDir::toNativeSeparators(FromPath(path));
        if (edit.before == edit.after && edit.copies.empty()) {
            services_.ShowMessage(this, ApplicationTitle(),
                                  tr("%1 already holds this effect as %2; nothing was changed.")
                                      .arg(shownFile, FromBytes(edit.name)));
        } else {
            QString text = tr("Insert %1 into %2? The page as it is now is kept as %2.bak.")
                               .arg(FromBytes(edit.name), shownFile);
            for (const PageEdit::Copy& copy : edit.copies) {
                text += QLatin1Char('\n') + tr("%1 is copied beside the page.").arg(FromPath(copy.shown));
            }
            for (const std::string& note : edit.notes) text += QLatin1Char('\n') + FromBytes(note);
            const QString diff = FromBytes(UnifiedDiff(edit.before, edit.after, path, path));
            if (!services_.ConfirmChange(this, tr("Insert into Page"), text, diff)) return;
            CarryOut(edit);
            services_.ShowMessage(this, ApplicationTitle(),
                                  tr("Inserted %1 into %2.").arg(FromBytes(edit.name), shownFile));
        }
        lastInserted_ = FromPath(path);
        // A second insertion into the same page replaces this block.
        source.page = path;
        source.block = edit.name;
        Q_EMIT inserted(FromPath(path), FromBytes(edit.name));
    } catch (const std::exception& e) {
        services_.ShowError(this, ApplicationTitle(), FromBytes(ErrorBoxText(e.what())));
    }
}

void CodeWindow::ShowPageLine(int line) {
    ShowPage(kHtmlPage);
    htmlMemo_->setFocus();
    const QTextBlock block = htmlMemo_->document()->findBlockByNumber(line - 1);
    if (line < 1 || !block.isValid()) return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    htmlMemo_->setTextCursor(cursor);
    htmlMemo_->centerCursor();
}

void CodeWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(tr("JavaScript Codes"));
        for (const Caption& c : captions_) {
            c.button->setText(tr(c.caption));
            c.button->setToolTip(c.hint ? tr(c.hint) : QString());
        }
    }
    QWidget::changeEvent(event);
}

void CodeWindow::keyPressEvent(QKeyEvent* event) {
    // A tool window: Escape closes (hides) it, as its close button does.
    // Reaches here only when the focused control (the page in the preview,
    // say) has not used the key itself.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CodeWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

}  // namespace zentrava::desktop
