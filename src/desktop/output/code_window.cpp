#include "output/code_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBlock>
#include <QUrl>

#include "app/interface_font.h"
#include "app/services.h"
#include "errors.h"
#include "output/page.h"
#include "output/page_messages.h"
#include "output/preview_file.h"
#include "output/save_page.h"
#include "output/preview_pane.h"
#include "output/text_codec.h"

namespace zentrava::desktop {

namespace {

QPlainTextEdit* NewMemo(const char* name, const QFont& font, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
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
    line->setGeometry(488, top, 105, 3);
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
    setWindowTitle(QStringLiteral("JavaScript Codes"));
    setFixedSize(601, 284);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    QFont windowFont = font();
    windowFont.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    windowFont.setPointSize(8);
    setFont(windowFont);

    // pagecontrol2: its tab row is never seen; the buttons change the page.
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("pagecontrol2"));
    pages_->setGeometry(6, 8, 474, 248);
    QFont pageFont = font();
    pageFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    pageFont.setPointSize(8);
    codememo_ = NewMemo("codememo", windowFont, pages_);
    htmlMemo_ = NewMemo("HtmlMemo", pageFont, pages_);
    preview_ = new PreviewPane(pages_);
    pages_->addWidget(codememo_);
    pages_->addWidget(htmlMemo_);
    pages_->addWidget(preview_);

    connect(AddButton("button_scriptcode", tr("JavaScript Codes"), tr("Show only Javascript codes"), 8),
            &QPushButton::clicked, this, &CodeWindow::button_scriptcodeClick);
    connect(AddButton("Button_htmlcode", tr("HTML Codes"), tr("Show whole HTML codes"), 40), &QPushButton::clicked,
            this, &CodeWindow::Button_htmlcodeClick);
    connect(AddButton("Button_copy_script", tr("Copy to Clipboard"), tr("Copy current codes to clipboard"), 72),
            &QPushButton::clicked, this, &CodeWindow::Button_copy_scriptClick);
    NewSeparator("Panel3", 112, this);
    connect(AddButton("button_run", tr("Preview"), tr("Preview the page, edits included, in the pane on the left"), 128),
            &QPushButton::clicked, this, &CodeWindow::button_runClick);
    connect(AddButton("XP_Button1", tr("Refresh"), QString(), 160), &QPushButton::clicked, this,
            &CodeWindow::XP_Button1Click);
    NewSeparator("Panel2", 200, this);
    connect(AddButton("XP_Button2", tr("View In Browser"), QString(), 216), &QPushButton::clicked, this,
            &CodeWindow::XP_Button2Click);
    connect(AddButton("SavePageButton", tr("Save Page..."), tr("Save the page with its pictures, to open anywhere"), 248),
            &QPushButton::clicked, this, &CodeWindow::SavePageClick);

    // The page's console messages: counted over the preview's lower right
    // corner, clear of the page's own scroll bars.
    messages_ = new PageMessages(this);
    messages_->setFont(pageFont);
    messages_->setGeometry(380, 216, 82, 20);
    connect(preview_, &PreviewPane::pageMessage, messages_, &PageMessages::Add);
    connect(messages_, &PageMessages::lineChosen, this, &CodeWindow::ShowPageLine);
    connect(pages_, &QStackedWidget::currentChanged, messages_,
            [this](int page) { messages_->SetPreviewShown(page == kPreviewPage); });
}

QPushButton* CodeWindow::AddButton(const char* name, const QString& caption, const QString& hint, int top) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setGeometry(488, top, 107, 24);
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
        move(219, 326);
        shownBefore_ = true;
    }
    show();
    raise();
    activateWindow();

    // FormActivate after a Generate: rewrite the header, fill both views.
    CodeWindowResult result = ActivateCodeWindow(lines, entry, skeleton);
    codememo_->setPlainText(JoinToText(result.Script()));
    pageText_ = JoinToText(result.page);
    htmlMemo_->setPlainText(pageText_);
    pageLines_ = std::move(result.page);
    SaveAndPreview();
}

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
        previewFile_ = FromPath(zentrava::SavePreviewFile(ToPath(programDir_), PageLines()));
    } catch (const std::exception& e) {
        services_.ShowError(this, ApplicationTitle(), FromBytes(ErrorBoxText(e.what())));
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
    const std::optional<QString> file = services_.RunSaveDialog(
        this, tr("Save Page"), tr("Web pages (*.html *.htm);;All files (*)"), start);
    if (!file) return;
    try {
        const std::vector<std::string> copied = SavePageWithFiles(PageLines(), ToPath(programDir_), ToPath(*file));
        lastSaved_ = *file;
        services_.ShowMessage(this, ApplicationTitle(),
                              copied.empty() ? tr("Saved %1.").arg(QDir::toNativeSeparators(*file))
                                             : tr("Saved %1 and %n file(s) it shows beside it.", nullptr,
                                                  static_cast<int>(copied.size()))
                                                   .arg(QDir::toNativeSeparators(*file)));
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
