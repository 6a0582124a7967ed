// The code window's live preview in the embedded browser (Qt WebEngine,
// loaded from the preview module at the first preview).
#include <QtTest>

#include <QElapsedTimer>
#include <QLabel>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>

#include "app/environment.h"
#include "app/help_window.h"
#include "app/live_preview.h"
#include "app/focus_marker.h"
#include "app/main_window.h"
#include "app/picture_button.h"
#include "effects/mdi_child.h"
#include "output/code_window.h"
#include "output/page_messages.h"
#include "output/preview_pane.h"
#include "output/system_colors.h"
#include "support.h"

using namespace zentrava;
using namespace zentrava::desktop;
using namespace zentrava::desktop::testing;

// A page of the test's own in its scratch folder.
bool WritePage(const QTemporaryDir& dir, const char* name, const QByteArray& html) {
    QFile f(dir.filePath(QString::fromLatin1(name)));
    return f.open(QIODevice::WriteOnly) && f.write(html) == html.size();
}

// The test library's first entry generated in a real main window.
struct FirstEntryGenerated {
    ProgramDir dir;
    FakeServices services;
    MainWindow window{dir.Path(), services};

    FirstEntryGenerated() {
        window.OpenFirstEntry();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window.CurrentForm()->Generate();
    }
    CodeWindow* Code() const { return window.CodeWindowIfCreated(); }
};

class WebEngineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        InstallSystemColorResolver();
        PreviewPane::SetModulePath(QStringLiteral(ZENTRAVA_PREVIEW_MODULE));
        // The Live Preview's remembered place goes to a scratch folder.
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
    }

    void previewShowsTheGeneratedPageAndRefreshShowsEdits() {
        FirstEntryGenerated g;
        CodeWindow* code = g.Code();
        QVERIFY(code);
        PreviewPane* preview = code->Preview();
        QVERIFY2(preview->Browser(), qPrintable(preview->LoadError()));
        QCOMPARE(preview->Browser()->objectName(), QStringLiteral("WebBrowser"));
        QCOMPARE(code->CurrentPage(), int(CodeWindow::kPreviewPage));

        QSignalSpy loaded(preview, &PreviewPane::loadFinished);
        QVERIFY(loaded.wait(60000));
        QCOMPARE(loaded.takeFirst().at(0).toBool(), true);
        QCOMPARE(preview->Browser()->property("url").toUrl(), QUrl::fromLocalFile(code->PreviewFile()));
        QTRY_COMPARE_WITH_TIMEOUT(preview->Browser()->property("title").toString(), QStringLiteral("Plain"), 10000);

        // An edited page view is saved and shown again by Refresh.
        QPlainTextEdit* page = code->PageView();
        page->setPlainText(page->toPlainText().replace(QStringLiteral("<title>Plain</title>"),
                                                       QStringLiteral("<title>Edited</title>")));
        QTest::mouseClick(code->findChild<QPushButton*>(QStringLiteral("XP_Button1")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(preview->Browser()->property("title").toString(), QStringLiteral("Edited"), 60000);
        QVERIFY(g.services.boxes.empty());
        QVERIFY(!preview->StallNotice() || preview->StallNotice()->isHidden());

        // The keyboard in the page: the preview is framed like any control.
        code->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(code));
        preview->Browser()->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(g.window.Focus().Marked());
        QVERIFY(g.window.Focus().Marked()->isAncestorOf(preview->Browser()));
        QVERIFY(g.window.Focus().Frame()->isVisible());
        QVERIFY(code->rect().contains(g.window.Focus().Frame()->geometry()));
    }

    // Help with neither help.chm nor a browser to open it: the user guide
    // shows in the app's own window, and its links work there.
    void helpShowsTheGuideInItsOwnWindowWhenNothingOpensIt() {
        ProgramDir dir;
        QVERIFY(QDir(dir.Path()).mkpath(QStringLiteral("help")));
        dir.Write(QStringLiteral("help/index.html"),
                  "<html><head><title>Guide</title></head><body style='margin:0'>"
                  "<a href='forms.html' style='display:block;position:fixed;left:0;top:0;right:0;bottom:0'>Forms</a>"
                  "</body></html>");
        dir.Write(QStringLiteral("help/forms.html"), "<html><head><title>Forms</title></head><body>f</body></html>");
        FakeServices services;
        services.openStarts = false;
        MainWindow w(dir.Path(), services);
        QTest::mouseClick(w.findChild<PictureButton*>(QStringLiteral("helpButton")), Qt::LeftButton);
        QVERIFY(services.boxes.empty());
        HelpWindow* help = w.HelpWindowIfCreated();
        QVERIFY(help && help->isVisible());
        QWidget* browser = help->Browser()->Browser();
        QVERIFY2(browser, qPrintable(help->Browser()->LoadError()));
        QTRY_COMPARE_WITH_TIMEOUT(browser->property("title").toString(), QStringLiteral("Guide"), 60000);
        QVERIFY(QTest::qWaitForWindowExposed(help));
        // A click anywhere on the page follows its one link.
        QWidget* surface = browser->focusProxy() ? browser->focusProxy() : browser;
        QTRY_VERIFY_WITH_TIMEOUT(surface->isVisible(), 10000);
        QTest::mouseClick(surface, Qt::LeftButton, {}, surface->rect().center());
        QTRY_COMPARE_WITH_TIMEOUT(browser->property("title").toString(), QStringLiteral("Forms"), 20000);
        // Website still says so in its error box.
        QTest::mouseClick(w.findChild<PictureButton*>(QStringLiteral("welcomeButton")), Qt::LeftButton);
        QCOMPARE(services.boxes.size(), std::size_t(1));
        QVERIFY(services.boxes[0].text.contains(QString::fromLatin1(kWebsite)));
    }

    // The live preview in the browser: a change in the form shows the new
    // page scrolled where the page before was, zoomed to fit its width.
    void livePreviewKeepsItsScrollPositionAcrossChanges() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.ScriptList()->setCurrentRow(1);  // "Message": its text goes into the script
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The message is written into the page: a tall one.
        auto* text = qobject_cast<QLineEdit*>(w.CurrentForm()->Control(QStringLiteral("FlatEdit3")));
        text->setText(QStringLiteral("<div style=\"height:5000px\">A</div>"));
        w.ShowLivePreview(false);
        LivePreview* live = w.LivePreviewIfCreated();
        QVERIFY(live);
        live->resize(600, 400);
        QSignalSpy loaded(live, &LivePreview::pageLoaded);
        QVERIFY(loaded.wait(60000));
        QWidget* browser = live->Pane()->Browser();
        QVERIFY(browser);
        QObject* page = browser->findChild<QObject*>(QStringLiteral("WebPage"));
        QVERIFY(page);
        QMetaObject::invokeMethod(page, "runScript", Q_ARG(QString, QStringLiteral("window.scrollTo(0, 1200);")));
        QTRY_COMPARE_WITH_TIMEOUT(page->property("scrollPosition").toPointF().y(), 1200.0, 10000);

        text->setText(QStringLiteral("<div style=\"height:5000px\">B</div>"));
        QVERIFY(loaded.wait(20000));
        QVERIFY(dir.Read(QStringLiteral("live.htm")).contains(">B</div>"));
        QTRY_COMPARE_WITH_TIMEOUT(page->property("scrollPosition").toPointF().y(), 1200.0, 10000);
        live->Widths()->setCurrentIndex(live->Widths()->findData(1280));
        QCOMPARE(browser->property("zoomFactor").toReal(), live->FitZoom());
        QVERIFY(live->FitZoom() < 0.5);
        QVERIFY(services.boxes.empty());
    }

    // A page whose script never yields holds the renderer; the next preview
    // still shows its page, in a fresh browser, and says why.
    void aBusyPageGivesWayToTheNextPreview() {
        QTemporaryDir dir;
        auto write = [&](const char* name, const QByteArray& html) { QVERIFY(WritePage(dir, name, html)); };
        write("first.htm", "<html><head><title>First</title></head><body>first</body></html>");
        write("busy.htm", "<html><head><title>Busy</title></head><body><script>for (;;) {}</script></body></html>");
        write("next.htm", "<html><head><title>Next</title></head><body>next</body></html>");
        PreviewPane::SetStallTimeout(3000);
        PreviewPane preview;
        preview.resize(480, 240);
        preview.show();
        QSignalSpy loaded(&preview, &PreviewPane::loadFinished);
        QVERIFY(preview.Navigate(dir.filePath(QStringLiteral("first.htm"))));
        QVERIFY(loaded.wait(60000));
        QPointer<QWidget> first = preview.Browser();
        QVERIFY(first);
        QVERIFY(preview.Navigate(dir.filePath(QStringLiteral("busy.htm"))));
        QTest::qWait(1500);  // its script runs for ever
        QVERIFY(preview.Navigate(dir.filePath(QStringLiteral("next.htm"))));
        QTRY_VERIFY_WITH_TIMEOUT(preview.Browser() && preview.Browser() != first.data() &&
                                     preview.Browser()->property("title").toString() == QStringLiteral("Next"),
                                 60000);
        QVERIFY(preview.StallNotice() && preview.StallNotice()->isVisible());
        QVERIFY(preview.StallNotice()->text().contains(QStringLiteral("previous page did not finish")));
        QTRY_VERIFY(first.isNull());  // the busy browser is gone
        // An ordinary page after it: no new browser, the note goes.
        QWidget* fresh = preview.Browser();
        loaded.clear();
        QVERIFY(preview.Navigate(dir.filePath(QStringLiteral("first.htm"))));
        QTRY_COMPARE_WITH_TIMEOUT(preview.Browser()->property("title").toString(), QStringLiteral("First"), 30000);
        QCOMPARE(preview.Browser(), fresh);
        QVERIFY(preview.StallNotice()->isHidden());
    }

    // A page that shows an alert while it loads waits for its user, not
    // busy: past the stall time it keeps its view (which runs the alert's
    // event loop), and once answered it finishes loading there.
    void aPageWaitingForItsUserKeepsItsView() {
        QTemporaryDir dir;
        auto write = [&](const char* name, const QByteArray& html) { QVERIFY(WritePage(dir, name, html)); };
        write("first.htm", "<html><head><title>First</title></head><body>first</body></html>");
        write("alert.htm", "<html><head><title>Asking</title></head>"
                           "<body onload=\"alert('Loaded'); document.title = 'Answered'\">page</body></html>");
        PreviewPane::SetStallTimeout(800);
        PreviewPane preview;
        preview.resize(480, 240);
        preview.show();
        QSignalSpy loaded(&preview, &PreviewPane::loadFinished);
        QVERIFY(preview.Navigate(dir.filePath(QStringLiteral("first.htm"))));
        QVERIFY(loaded.wait(60000));
        QPointer<QWidget> view = preview.Browser();

        // The alert is answered three stall times after it opened; this runs
        // inside the alert's own event loop.
        QString alertText;
        QElapsedTimer open;
        QTimer answer;
        connect(&answer, &QTimer::timeout, &answer, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            if (!open.isValid()) open.start();
            if (open.elapsed() < 3 * PreviewPane::StallTimeout()) return;
            alertText = box->text();
            box->accept();
        });
        answer.start(50);
        QVERIFY(preview.Navigate(dir.filePath(QStringLiteral("alert.htm"))));
        QTRY_VERIFY_WITH_TIMEOUT(!alertText.isEmpty(), 60000);
        answer.stop();
        QCOMPARE(alertText, QStringLiteral("Loaded"));
        QTRY_COMPARE_WITH_TIMEOUT(preview.Browser()->property("title").toString(), QStringLiteral("Answered"), 30000);
        QVERIFY(view);
        QCOMPARE(preview.Browser(), view.data());
        QVERIFY(!preview.StallNotice() || preview.StallNotice()->isHidden());
        QCOMPARE(view->property("waitingForUser").toInt(), 0);
        PreviewPane::SetStallTimeout(4000);
    }

    void pageErrorsAreListedWithTheirLines() {
        FirstEntryGenerated g;
        CodeWindow* code = g.Code();
        QVERIFY(code);
        PreviewPane* preview = code->Preview();
        QVERIFY2(preview->Browser(), qPrintable(preview->LoadError()));
        QTRY_COMPARE_WITH_TIMEOUT(preview->Browser()->property("title").toString(), QStringLiteral("Plain"), 60000);
        PageMessages* messages = code->Messages();
        QVERIFY(messages->Messages().empty());
        QVERIFY(!messages->isVisible());

        // An edited page with a warning on line 6 and an uncaught error on line 8.
        QPlainTextEdit* page = code->PageView();
        page->setPlainText(QStringLiteral("<html>\n<head><title>Broken</title></head>\n<body>\n<p>text</p>\n"
                                          "<script>\nconsole.warn('careful & slow');\nvar fine = 1;\n"
                                          "notDefinedAnywhere(fine);\n</script>\n</body>\n</html>\n"));
        QTest::mouseClick(code->findChild<QPushButton*>(QStringLiteral("XP_Button1")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(messages->Count(PageMessage::kError), 1, 60000);
        QTRY_COMPARE_WITH_TIMEOUT(messages->Count(PageMessage::kWarning), 1, 10000);
        QCOMPARE(preview->Browser()->property("title").toString(), QStringLiteral("Broken"));
        QVERIFY(messages->isVisible());
        QCOMPARE(messages->text(), QStringLiteral("1 error, 1 warning"));
        const PageMessage* error = nullptr;
        for (const PageMessage& m : messages->Messages()) {
            if (m.level == PageMessage::kError) error = &m;
            else QCOMPARE(m.line, 6);
        }
        QVERIFY(error);
        QCOMPARE(error->line, 8);
        QVERIFY2(error->message.contains(QLatin1String("notDefinedAnywhere")), qPrintable(error->message));
        QVERIFY2(error->source.isEmpty(), qPrintable(error->source));  // a line of the page itself

        // Chosen from the list: the page view with that line selected.
        messages->FillList();
        const QList<QAction*> items = messages->List()->actions();
        QCOMPARE(items.size(), 2);
        QAction* errorItem = nullptr;
        for (QAction* a : items)
            if (a->text().startsWith(QLatin1String("Error, line 8: "))) errorItem = a;
        QVERIFY(errorItem);
        errorItem->trigger();
        QCOMPARE(code->CurrentPage(), int(CodeWindow::kHtmlPage));
        QCOMPARE(page->textCursor().selectedText(), QStringLiteral("notDefinedAnywhere(fine);"));
        QCOMPARE(page->textCursor().blockNumber(), 7);
        QVERIFY(!messages->isVisible());  // the count belongs to the preview

        // A clean page starts an empty list.
        page->setPlainText(QStringLiteral("<html>\n<head><title>Clean</title></head>\n<body><p>ok</p>\n"
                                          "<script>\nvar fine = 1;\n</script>\n</body>\n</html>\n"));
        QTest::mouseClick(code->findChild<QPushButton*>(QStringLiteral("button_run")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(preview->Browser()->property("title").toString(), QStringLiteral("Clean"), 60000);
        QTest::qWait(300);
        QCOMPARE(code->CurrentPage(), int(CodeWindow::kPreviewPage));
        QVERIFY(messages->Messages().empty());
        QCOMPARE(messages->Summary(), QString());
        QVERIFY(!messages->isVisible());
        messages->FillList();
        QVERIFY(messages->List()->actions().isEmpty());
    }

private:
    QTemporaryDir settingsDir_;
};

int main(int argc, char** argv) {
    // As the app does: the browser's environment before the application object.
    PrepareEnvironment();
    QApplication app(argc, argv);
    WebEngineTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webengine.moc"
