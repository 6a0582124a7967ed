// The code window: the script view, the page view, the preview
// file and the buttons, driven through the main window as a user does.
#include <QtTest>

#include <memory>

#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "app/main_window.h"
#include "effects/mdi_child.h"
#include "output/code_window.h"
#include "output/page_messages.h"
#include "output/preview_pane.h"
#include "output/system_colors.h"
#include "app/interface_font.h"
#include "support.h"

using namespace zentrava;
using namespace zentrava::desktop;
using namespace zentrava::desktop::testing;

namespace {

void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// The main window with the fixture's entry `row` selected and generated.
struct Generated {
    ProgramDir dir;
    FakeServices services;
    MainWindow window{dir.Path(), services};

    explicit Generated(int row) {
        Select(row);
        Generate();
    }
    void Select(int row) {
        window.ScriptList()->setCurrentRow(row);
        FlushDeletes();
    }
    void Generate() { QTest::mouseClick(Button(window.CurrentForm(), "XP_Button1"), Qt::LeftButton); }
    CodeWindow* Code() const { return window.CodeWindowIfCreated(); }
    static QPushButton* Button(QWidget* w, const char* name) {
        return w->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void Click(const char* name) const { QTest::mouseClick(Button(Code(), name), Qt::LeftButton); }
};

const char* kPlainPage =
    "<Html>\r\n<Head>\r\n<title>Plain</title>\r\n</Head>\r\n<Body  bgColor=\"#FFFFFF\">\r\n\r\n"
    "<!-- Insert following codes between <Body></Body>-->\r\n\r\n<p>plain \xe9</p>\r\n</Body>\r\n</Html>\r\n";

}  // namespace

class CodeWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        InstallSystemColorResolver();
        PreviewPane::SetModulePath(QStringLiteral("/nonexistent/libzentrava-preview.so"));
        // The classic pixel layout, which the geometry checks compare with.
        SetInterfaceFont(QApplication::font(), 1.0);
    }

    void windowLayout() {
        Generated g(0);
        CodeWindow* code = g.Code();
        QVERIFY(code);
        QVERIFY(code->isVisible());
        QVERIFY(code->isWindow());
        QCOMPARE(code->windowTitle(), QStringLiteral("JavaScript Codes"));
        QCOMPARE(code->size(), QSize(601, 316));
        QCOMPARE(code->pos(), QPoint(219, 326));
        const struct {
            const char* name;
            const char* caption;
            int top;
        } buttons[] = {{"button_scriptcode", "JavaScript Codes", 8}, {"Button_htmlcode", "HTML Codes", 40},
                       {"Button_copy_script", "Copy to Clipboard", 72}, {"button_run", "Preview", 128},
                       {"XP_Button1", "Refresh", 160}, {"XP_Button2", "View In Browser", 216},
                       {"SavePageButton", "Save Page...", 248}, {"InsertButton", "&Insert into Page...", 280}};
        for (const auto& b : buttons) {
            QPushButton* button = Generated::Button(code, b.name);
            QVERIFY2(button, b.name);
            QCOMPARE(button->text(), QString::fromLatin1(b.caption));
            QCOMPARE(button->geometry(), QRect(488, b.top, 107, 24));
        }
        QCOMPARE(Generated::Button(code, "button_scriptcode")->toolTip(), QStringLiteral("Show only Javascript codes"));
        // It previews in the pane, not in a browser.
        QCOMPARE(Generated::Button(code, "button_run")->toolTip(),
                 QStringLiteral("Preview the page, edits included, in the pane on the left"));
    }

    void generateFillsBothViewsSavesThePreviewAndShowsIt() {
        Generated g(0);
        CodeWindow* code = g.Code();
        QCOMPARE(code->CurrentPage(), int(CodeWindow::kPreviewPage));
        QCOMPARE(code->ScriptView()->toPlainText(),
                 QStringLiteral("<!-- Insert following codes between <Body></Body>-->\n\n<p>plain é</p>"));
        QVERIFY(code->PageView()->toPlainText().startsWith(QStringLiteral("<Html>\n<Head>\n<title>Plain</title>")));
        // The preview file holds the page byte for byte (the Latin-1 é too).
        QCOMPARE(g.dir.Read(QStringLiteral("temp.htm")), QByteArray(kPlainPage));
        QCOMPARE(code->PreviewFile(), g.dir.Path() + QStringLiteral("/temp.htm"));
        // Without the browser module the panel says so; nothing else fails.
        QVERIFY(!code->Preview()->Browser());
        QVERIFY(code->Preview()->findChild<QWidget*>(QStringLiteral("PreviewNotice")));
        QVERIFY(g.services.boxes.empty());
        // The effect form's script lines went into the page, not copied.
        QCOMPARE(g.window.CurrentForm()->ScriptLines().Count(), std::size_t(0));
    }

    void onloadEntryGetsItsCommentAndBodyAttribute() {
        Generated g(1);  // Message: onload=start()
        const QStringList script = g.Code()->ScriptView()->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(script.mid(0, 4), (QStringList{"<!-- Insert following codes between <Body></Body>-->",
                                                "<!-- Insert onload=\"start()\" into <Body> tag -->", "",
                                                "line 2"}));
        const QStringList page = g.Code()->PageView()->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(page[4], QStringLiteral("<Body  bgColor=\"#FFFFFF\" onload=\"start()\">"));
        QCOMPARE(page.back(), QStringLiteral("</Html>"));
    }

    void emptyBackgroundLeavesOutTheAttribute() {
        Generated g(8);  // Clock Colours: background= and onunload
        const QStringList page = g.Code()->PageView()->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(page[4], QStringLiteral("<Body  onunload=\"stop()\">"));
    }

    void pageButtonsSwitchPages() {
        Generated g(0);
        g.Click("button_scriptcode");
        QCOMPARE(g.Code()->CurrentPage(), 0);
        g.Click("Button_htmlcode");
        QCOMPARE(g.Code()->CurrentPage(), 1);
        g.Click("button_run");
        QCOMPARE(g.Code()->CurrentPage(), 2);
    }

    void copyWhilePreviewShownCopiesTheScript() {
        Generated g(0);
        QCOMPARE(g.Code()->CurrentPage(), 2);
        g.Click("Button_copy_script");
        QCOMPARE(g.Code()->CurrentPage(), 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), g.Code()->ScriptView()->toPlainText());
        g.Click("Button_htmlcode");
        g.Code()->PageView()->appendPlainText(QStringLiteral("<!-- edited -->"));
        g.Click("Button_copy_script");
        QCOMPARE(g.Code()->CurrentPage(), 1);
        QVERIFY(QGuiApplication::clipboard()->text().endsWith(QStringLiteral("</Html>\n<!-- edited -->")));
    }

    void previewAndRefreshSaveThePageViewAsEdited() {
        Generated g(0);
        QPlainTextEdit* page = g.Code()->PageView();
        page->setPlainText(page->toPlainText().replace(QStringLiteral("plain"), QStringLiteral("edited ✓")));
        g.Click("button_scriptcode");
        g.Click("button_run");
        QCOMPARE(g.Code()->CurrentPage(), 2);
        QByteArray expected(kPlainPage);
        expected.replace("plain \xe9", "edited \xe2\x9c\x93 \xc3\xa9");
        QCOMPARE(g.dir.Read(QStringLiteral("temp.htm")), expected);
        g.dir.Remove(QStringLiteral("temp.htm"));
        g.Click("XP_Button1");  // Refresh
        QCOMPARE(g.dir.Read(QStringLiteral("temp.htm")), expected);
    }

    void viewInBrowserOpensTheLastSavedFileWithoutSaving() {
        Generated g(0);
        g.Code()->PageView()->setPlainText(QStringLiteral("changed"));
        g.Click("XP_Button2");
        QCOMPARE(g.services.openedUrls.size(), std::size_t(1));
        QCOMPARE(g.services.openedUrls[0], QUrl::fromLocalFile(g.dir.Path() + QStringLiteral("/temp.htm")));
        QCOMPARE(g.dir.Read(QStringLiteral("temp.htm")), QByteArray(kPlainPage));
        QVERIFY(g.services.boxes.empty());
        // No browser: the error box names the file to open by hand.
        g.services.openStarts = false;
        g.Click("XP_Button2");
        QCOMPARE(g.services.boxes.size(), std::size_t(1));
        QVERIFY(g.services.boxes[0].error);
        QVERIFY(g.services.boxes[0].text.contains(g.dir.Path() + QStringLiteral("/temp.htm")));
    }

    void closingHidesAndTheNextGenerateShowsFreshContent() {
        Generated g(0);
        CodeWindow* code = g.Code();
        code->ScriptView()->setPlainText(QStringLiteral("scribbled"));
        QVERIFY(code->close() == false);
        QVERIFY(!code->isVisible());
        // Escape closes it too, from whatever control has the focus.
        g.Generate();
        QVERIFY(code->isVisible());
        code->activateWindow();
        code->ScriptView()->setFocus();
        QTest::keyClick(code->ScriptView(), Qt::Key_Escape);
        QVERIFY(!code->isVisible());
        g.Select(1);
        g.Generate();
        QCOMPARE(g.Code(), code);  // one window for the run
        QVERIFY(code->isVisible());
        QVERIFY(code->ScriptView()->toPlainText().contains(QStringLiteral("line 2")));
        QCOMPARE(code->CurrentPage(), 2);
        // Each Generate builds a fresh skeleton: one page, one tail.
        QCOMPARE(code->PageView()->toPlainText().count(QStringLiteral("</Html>")), 1);
        QCOMPARE(code->PageView()->toPlainText().count(QStringLiteral("<Html>")), 1);
    }

    void switchingWindowsChangesNothing() {
        Generated g(0);
        const QString script = g.Code()->ScriptView()->toPlainText();
        const QString page = g.Code()->PageView()->toPlainText();
        g.window.activateWindow();
        g.Code()->activateWindow();
        QCoreApplication::processEvents();
        QCOMPARE(g.Code()->ScriptView()->toPlainText(), script);
        QCOMPARE(g.Code()->PageView()->toPlainText(), page);
    }

    void unwritablePreviewFileIsReportedAndThePreviewSkipped() {
        ProgramDir dir;
        QVERIFY(QDir(dir.Path()).mkdir(QStringLiteral("temp.htm")));  // a folder cannot be written as a file
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.OpenFirstEntry();
        FlushDeletes();
        w.CurrentForm()->Generate();
        CodeWindow* code = w.CodeWindowIfCreated();
        QVERIFY(code && code->isVisible());
        QCOMPARE(services.boxes.size(), std::size_t(1));
        QVERIFY(services.boxes[0].error);
        QCOMPARE(services.boxes[0].title, w.windowTitle());
        QCOMPARE(services.boxes[0].text, QStringLiteral("Cannot create file ") + dir.Path() + QStringLiteral("/temp.htm."));
        // Both views are filled; the preview page is not shown.
        QVERIFY(!code->ScriptView()->toPlainText().isEmpty());
        QVERIFY(!code->PageView()->toPlainText().isEmpty());
        QVERIFY(code->CurrentPage() != CodeWindow::kPreviewPage);
    }

    void generateErrorLeavesTheCodeWindowHidden() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.ScriptList()->setCurrentRow(6);  // Missing Script
        FlushDeletes();
        w.CurrentForm()->Generate();
        QVERIFY(!w.CodeWindowIfCreated() || !w.CodeWindowIfCreated()->isVisible());
        QCOMPARE(services.boxes.size(), std::size_t(1));
        QCOMPARE(services.boxes[0].text,
                 QStringLiteral("Cannot open file ") + dir.Path() + QStringLiteral("/nosuchfile.dat."));
    }

    void savePageWritesThePreviewBytesAndThePicturesItNames() {
        Generated g(0);
        QDir(g.dir.Path()).mkpath(QStringLiteral("image"));
        g.dir.Write(QStringLiteral("image/Dog.jpg"), "dog");
        QPlainTextEdit* page = g.Code()->PageView();
        page->setPlainText(page->toPlainText().replace(QStringLiteral("<p>"), QStringLiteral("<img src=\"image\\Dog.jpg\"><p>")));
        QTemporaryDir out;
        g.services.saveAnswers.push_back(std::nullopt);  // Cancel: nothing is written
        g.Click("SavePageButton");
        QCOMPARE(QDir(out.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
        const QString target = out.filePath(QStringLiteral("site/page.html"));
        QDir(out.path()).mkpath(QStringLiteral("site"));
        g.services.saveAnswers.push_back(target);
        g.Click("SavePageButton");
        QCOMPARE(g.services.boxes.size(), std::size_t(1));
        QVERIFY(!g.services.boxes[0].error);
        g.Click("XP_Button1");  // Refresh writes the same bytes as the preview file
        QFile saved(target), picture(out.filePath(QStringLiteral("site/image/Dog.jpg")));
        QVERIFY(saved.open(QIODevice::ReadOnly) && picture.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), g.dir.Read(QStringLiteral("temp.htm")));
        QCOMPARE(picture.readAll(), QByteArray("dog"));

        // Files already there: one question lists them all; No writes nothing, Yes replaces them.
        QFile own(out.filePath(QStringLiteral("site/image/Dog.jpg")));
        QVERIFY(own.open(QIODevice::WriteOnly) && own.write("the user's own dog") > 0);
        own.close();
        page->setPlainText(page->toPlainText() + QStringLiteral("<p>edited</p>"));
        g.services.saveAnswers.push_back(out.filePath(QStringLiteral("site/page")));  // no extension: .html
        g.services.saveAnswers.push_back(out.filePath(QStringLiteral("site/page")));
        g.services.questionAnswers = {false, true};
        g.Click("SavePageButton");
        QCOMPARE(g.services.questions.size(), std::size_t(1));
        QCOMPARE(g.services.questions[0].detail, target + QStringLiteral("\n") + out.filePath(QStringLiteral("site/image/Dog.jpg")));
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), QByteArray("the user's own dog"));
        own.close();
        g.Click("SavePageButton");
        QCOMPARE(g.services.questions.size(), std::size_t(2));
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), QByteArray("dog"));
        QCOMPARE(g.services.boxes.size(), std::size_t(2));
        QVERIFY(!g.services.boxes[1].error);
        g.services.boxes.pop_back();

        // A file that cannot be written: the box says which, nothing half-written stays.
        g.services.saveAnswers.push_back(out.filePath(QStringLiteral("site/page.html/x.html")));
        g.Click("SavePageButton");
        QCOMPARE(g.services.boxes.size(), std::size_t(2));
        QVERIFY(g.services.boxes[1].error);
        QVERIFY(g.services.boxes[1].text.startsWith(QStringLiteral("Cannot create file ")));
        QCOMPARE(QDir(out.filePath(QStringLiteral("site"))).entryList(QDir::Files), QStringList{QStringLiteral("page.html")});
    }

    void insertIntoPageShowsTheDifferenceFirstAndKeepsTheOldPage() {
        Generated g(1);  // Message: onload=start()
        QTemporaryDir site;
        const QString page = site.filePath(QStringLiteral("index.html"));
        const QByteArray host = "<html>\r\n<head><title>Mine</title></head>\r\n<body onload=\"mine()\">\r\n"
                                "<p>mine</p>\r\n</body>\r\n</html>\r\n";
        auto read = [](const QString& file) {
            QFile f(file);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
        };
        {
            QFile f(page);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(host);
        }
        auto edit = [&g] { return g.window.CurrentForm()->findChild<QLineEdit*>(QStringLiteral("FlatEdit3")); };

        // Cancel on the difference writes nothing.
        g.services.fileAnswers.push_back(page);
        g.Click("InsertButton");
        QCOMPARE(g.services.confirmations.size(), size_t(1));
        QVERIFY(g.services.confirmations[0].diff.contains(
            QStringLiteral("+<!-- zentrava:begin msg category=mouse entry=Message")));
        QCOMPARE(read(page), host);
        QVERIFY(!QFile::exists(page + QStringLiteral(".bak")));

        // OK: the effect goes in before </body>, the page's own body tag and
        // line ends stay, the old page is kept beside it.
        edit()->setText(QStringLiteral("First"));
        g.Generate();
        g.services.fileAnswers.push_back(page);
        g.services.confirmAnswers.push_back(true);
        g.Click("InsertButton");
        QByteArray inserted = read(page);
        QVERIFY2(inserted.contains("set:FlatEdit3=First -->\r\n"), inserted.constData());
        QVERIFY(inserted.contains("var message='First'\r\n"));
        QVERIFY(inserted.contains("<body onload=\"mine()\">\r\n<p>mine</p>\r\n<!-- zentrava:begin msg "));
        QVERIFY(inserted.contains("addEventListener"));
        QVERIFY(inserted.endsWith("<!-- zentrava:end msg -->\r\n</body>\r\n</html>\r\n"));
        QCOMPARE(read(page + QStringLiteral(".bak")), host);

        // Other values inserted again replace that block.
        edit()->setText(QStringLiteral("Second"));
        g.Generate();
        g.services.fileAnswers.push_back(page);
        g.services.confirmAnswers.push_back(true);
        g.Click("InsertButton");
        QCOMPARE(g.services.fileRequests.back().start, page);
        inserted = read(page);
        QVERIFY(inserted.contains("var message='Second'"));
        QVERIFY(!inserted.contains("First"));
        QCOMPARE(inserted.count("zentrava:begin"), 1);
        // The form of another entry opened since is not tied to that block.
        g.Select(2);
        g.services.fileAnswers.push_back(page);
        g.services.confirmAnswers.push_back(true);
        g.Click("InsertButton");
        QVERIFY(g.window.CurrentForm()->InsertPage().empty());

        // A page that cannot be read: the error box says why; nothing asked.
        const size_t asked = g.services.confirmations.size();
        g.services.fileAnswers.push_back(site.filePath(QStringLiteral("missing.html")));
        g.Click("InsertButton");
        QVERIFY(!g.services.boxes.empty());
        QVERIFY(g.services.boxes.back().error);
        QVERIFY2(g.services.boxes.back().text.contains(QStringLiteral("missing.html: No such file")),
                 qPrintable(g.services.boxes.back().text));
        QCOMPARE(g.services.confirmations.size(), asked);
    }

    void pageMessagesAreCountedListedAndLeadToTheirLine() {
        Generated g(0);
        CodeWindow* code = g.Code();
        PageMessages* messages = code->Messages();
        QCOMPARE(code->CurrentPage(), int(CodeWindow::kPreviewPage));
        QVERIFY(!messages->isVisible());
        const QString page = QUrl::fromLocalFile(code->PreviewFile()).toString(QUrl::FullyEncoded);
        messages->Add(PageMessage::kError, QStringLiteral("Uncaught TypeError: x is null"), 3, page);
        messages->Add(PageMessage::kError, QStringLiteral("Uncaught TypeError: x is null"), 3, page);
        messages->Add(PageMessage::kWarning, QStringLiteral("old & odd"), 4, QStringLiteral("file:///lib/extra.js"));
        QCOMPARE(messages->Messages().size(), size_t(2));
        QCOMPARE(messages->Messages()[0].repeats, 2);
        QCOMPARE(messages->Messages()[0].source, QString());  // the page itself
        QVERIFY(messages->isVisible());
        QCOMPARE(messages->text(), QStringLiteral("2 errors, 1 warning"));
        QVERIFY(code->rect().contains(messages->geometry()));

        // An ordinary click opens the list and leaves it open, as Space does;
        // Escape closes it. (A list held open by the click itself would stop
        // the click here: it is closed after a while.)
        auto reached = std::make_shared<bool>(false);
        QTimer::singleShot(3000, messages, [messages, reached] {
            if (!*reached) messages->List()->close();
        });
        QTest::mouseClick(messages, Qt::LeftButton);
        *reached = true;
        QVERIFY(messages->List()->isVisible());
        QCOMPARE(messages->List()->actions().size(), 2);
        QTest::keyClick(messages->List(), Qt::Key_Escape);
        QVERIFY(!messages->List()->isVisible());
        messages->setFocus();
        QTest::keyClick(messages, Qt::Key_Space);
        QTRY_VERIFY(messages->List()->isVisible());
        messages->List()->close();

        messages->FillList();
        QList<QAction*> items = messages->List()->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->text(), QStringLiteral("Error, line 3: Uncaught TypeError: x is null (2 times)"));
        QCOMPARE(items[1]->text(), QStringLiteral("Warning, extra.js:4: old && odd"));
        // Another file's line is not the page view's: the view opens unselected.
        items[1]->trigger();
        QCOMPARE(code->CurrentPage(), int(CodeWindow::kHtmlPage));
        QVERIFY(!code->PageView()->textCursor().hasSelection());
        QVERIFY(!messages->isVisible());
        code->ShowPage(CodeWindow::kPreviewPage);
        QVERIFY(messages->isVisible());
        items[0]->trigger();
        QCOMPARE(code->PageView()->textCursor().selectedText(), QStringLiteral("<title>Plain</title>"));
        code->ShowPageLine(999);  // past the end: just the view
        QCOMPARE(code->CurrentPage(), int(CodeWindow::kHtmlPage));

        // A flood is counted in full but listed up to a limit.
        for (int i = 0; i < PageMessages::kMaxListed + 5; ++i)
            messages->Add(PageMessage::kInfo, QStringLiteral("tick %1").arg(i), 9, page);
        QCOMPARE(int(messages->Messages().size()), PageMessages::kMaxListed);
        QCOMPARE(messages->Count(PageMessage::kInfo), PageMessages::kMaxListed + 5);
        messages->FillList();
        items = messages->List()->actions();
        QCOMPARE(items.last()->text(), QStringLiteral("7 more not listed"));
        QVERIFY(!items.last()->isEnabled());

        // Refresh starts a new list.
        g.Click("XP_Button1");
        QVERIFY(messages->Messages().empty());
        QCOMPARE(messages->Summary(), QString());
        QVERIFY(!messages->isVisible());
    }
};

QTEST_MAIN(CodeWindowTest)
#include "tst_code_window.moc"
