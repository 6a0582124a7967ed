// The Live Preview window without a browser (its page file, following the
// form, errors, widths and remembered place); tst_webengine shows it in the
// real browser.
#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>

#include "app/live_preview.h"
#include "app/main_window.h"
#include "effects/mdi_child.h"
#include "output/code_window.h"
#include "output/preview_pane.h"
#include "output/system_colors.h"
#include "support.h"

using namespace zentrava;
using namespace zentrava::desktop;
using namespace zentrava::desktop::testing;

namespace {

// The fixture's "Message" entry (a text that goes into the script) generated.
struct MessageGenerated {
    ProgramDir dir;
    FakeServices services;
    MainWindow window{dir.Path(), services};

    MessageGenerated() {
        window.ScriptList()->setCurrentRow(1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window.CurrentForm()->Generate();
    }
    QLineEdit* Text() const { return qobject_cast<QLineEdit*>(window.CurrentForm()->Control(QStringLiteral("FlatEdit3"))); }
    QByteArray LivePage() const { return dir.Read(QStringLiteral("live.htm")); }
};

}  // namespace

class LivePreviewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        InstallSystemColorResolver();
        PreviewPane::SetModulePath(QStringLiteral("/nonexistent/libzentrava-preview.so"));
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
    }

    // From the code window it shows the page view, hand edits included; then
    // each change in the form shows the page made again, a pause after the
    // last change, and the code window keeps what it showed.
    void followsTheFormAndLeavesTheCodeWindowAlone() {
        MessageGenerated g;
        CodeWindow* code = g.window.CodeWindowIfCreated();
        code->PageView()->appendPlainText(QStringLiteral("<!-- mine -->"));
        const QString pageView = code->PageView()->toPlainText();
        const QByteArray preview = g.dir.Read(QStringLiteral("temp.htm"));
        QVERIFY(!g.window.LivePreviewIfCreated());
        QTest::mouseClick(code->findChild<QPushButton*>(QStringLiteral("LivePreviewButton")), Qt::LeftButton);
        LivePreview* live = g.window.LivePreviewIfCreated();
        QVERIFY(live && live->isVisible());
        QVERIFY(live->Following());  // on by default
        QVERIFY(g.LivePage().contains("<!-- mine -->"));

        g.Text()->setText(QStringLiteral("Hel"));
        g.Text()->setText(QStringLiteral("Hello"));
        QVERIFY(!g.LivePage().contains("Hello"));  // not before the pause
        QTRY_VERIFY_WITH_TIMEOUT(g.LivePage().contains("var message='Hello'"), 5000);
        QVERIFY(!g.LivePage().contains("<!-- mine -->"));
        QCOMPARE(code->PageView()->toPlainText(), pageView);
        QCOMPARE(g.dir.Read(QStringLiteral("temp.htm")), preview);
        QVERIFY(g.services.boxes.empty());

        // Not following: changes wait for the user.
        live->FollowBox()->setChecked(false);
        g.Text()->setText(QStringLiteral("Later"));
        QTest::qWait(2 * LivePreview::kFollowDelay);
        QVERIFY(!g.LivePage().contains("Later"));
        // Ctrl+L from the form shows the form's page.
        QApplication::setActiveWindow(&g.window);
        g.Text()->setFocus();
        QTest::keyClick(g.Text(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(g.LivePage().contains("var message='Later'"));
        live->FollowBox()->setChecked(true);
    }

    // The form opened next, from the list, is the one followed.
    void followsTheFormOpenedNext() {
        MessageGenerated g;
        g.window.ShowLivePreview(false);
        g.window.ScriptList()->setCurrentRow(2);  // Cursor
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto* picture = qobject_cast<QLineEdit*>(g.window.CurrentForm()->Control(QStringLiteral("FlatEdit90")));
        QVERIFY(picture);
        picture->setText(QStringLiteral("Image/next.cur"));
        QTRY_VERIFY_WITH_TIMEOUT(g.LivePage().contains("url('Image/next.cur')"), 5000);
    }

    // A page that cannot be made says why inside the window, with no box,
    // and the page shown before stays.
    void aFailedPageShowsItsErrorInTheWindow() {
        MessageGenerated g;
        g.window.ShowLivePreview(false);
        LivePreview* live = g.window.LivePreviewIfCreated();
        const QByteArray shown = g.LivePage();
        QVERIFY(!shown.isEmpty());
        g.dir.Write(QStringLiteral("msg.dat"), "line 0\r\nline 1\r\n");  // too short for line 3
        g.Text()->setText(QStringLiteral("x"));
        QTRY_VERIFY_WITH_TIMEOUT(live->ErrorLine()->isVisible(), 5000);
        QVERIFY2(live->ErrorLine()->text().contains(QStringLiteral("msg.dat")), qPrintable(live->ErrorLine()->text()));
        QVERIFY(g.services.boxes.empty());
        QCOMPARE(g.LivePage(), shown);
        // Mended, the next change shows the page and the error goes.
        g.dir.Write(QStringLiteral("msg.dat"), QByteArray("line\r\n").repeated(20));
        g.Text()->setText(QStringLiteral("y"));
        QTRY_VERIFY_WITH_TIMEOUT(g.LivePage().contains("var message='y'"), 5000);
        QVERIFY(live->ErrorLine()->isHidden());
    }

    // The chosen width fits into a narrower window; size, place and width
    // are there again the next time.
    void widthsFitAndTheWindowIsRemembered() {
        MessageGenerated g;
        g.window.ShowLivePreview(false);
        LivePreview* live = g.window.LivePreviewIfCreated();
        live->resize(700, 500);
        QCoreApplication::processEvents();
        const int room = live->Pane()->contentsRect().width();
        live->Widths()->setCurrentIndex(live->Widths()->findData(1280));
        QCOMPARE(live->FitZoom(), qreal(room) / 1280);
        live->Widths()->setCurrentIndex(live->Widths()->findData(375));
        QCOMPARE(live->FitZoom(), 1.0);  // room enough
        live->Widths()->setCurrentIndex(live->Widths()->findData(0));
        QCOMPARE(live->FitZoom(), 1.0);
        live->Widths()->setCurrentIndex(live->Widths()->findData(768));
        live->resize(650, 430);
        live->close();
        LivePreview again(g.dir.Path());
        QCOMPARE(again.size(), QSize(650, 430));
        QCOMPARE(again.ChosenWidth(), 768);
    }

private:
    QTemporaryDir settingsDir_;
};

QTEST_MAIN(LivePreviewTest)
#include "tst_live_preview.moc"
