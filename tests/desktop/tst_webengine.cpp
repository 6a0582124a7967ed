// The code window's live preview in the embedded browser (Qt WebEngine,
// loaded from the preview module at the first preview).
#include <QtTest>

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/environment.h"
#include "app/main_window.h"
#include "effects/mdi_child.h"
#include "output/code_window.h"
#include "output/preview_pane.h"
#include "output/system_colors.h"
#include "support.h"

using namespace zentrava;
using namespace zentrava::desktop;
using namespace zentrava::desktop::testing;

class WebEngineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        InstallSystemColorResolver();
        PreviewPane::SetModulePath(QStringLiteral(ZENTRAVA_PREVIEW_MODULE));
    }

    void previewShowsTheGeneratedPageAndRefreshShowsEdits() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.OpenFirstEntry();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        w.CurrentForm()->Generate();
        CodeWindow* code = w.CodeWindowIfCreated();
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
        QVERIFY(services.boxes.empty());
    }
};

int main(int argc, char** argv) {
    // As the app does: the browser's environment before the application object.
    PrepareEnvironment();
    QApplication app(argc, argv);
    WebEngineTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webengine.moc"
