// The main window by keyboard alone: the Tab round through the toolbar, the
// effect list and the form, browsing the list with the arrow keys, and the
// mark on the focused control.
#include <QtTest>

#include <cstdlib>

#include <QAccessible>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/focus_marker.h"
#include "app/main_window.h"
#include "app/picture_button.h"
#include "effects/controls.h"
#include "effects/mdi_child.h"
#include "effects/registry.h"
#include "output/code_window.h"
#include "output/preview_pane.h"
#include "output/system_colors.h"
#include "app/interface_font.h"
#include "support.h"

using namespace zentrava;
using namespace zentrava::desktop;
using namespace zentrava::desktop::testing;

namespace {

void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
    FlushDeletes();
}

// The name of the control that holds the focus, as the mark shows it.
QString Marked(const MainWindow& w) {
    QWidget* marked = w.Focus().Marked();
    return marked ? marked->objectName() : QStringLiteral("<none>");
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        InstallSystemColorResolver();
        PreviewPane::SetModulePath(QStringLiteral("/nonexistent/libzentrava-preview.so"));
        // The classic pixel layout, which the geometry checks compare with.
        SetInterfaceFont(QApplication::font(), 1.0);
    }

    // A caption with a control takes the focus there by its mnemonic and is
    // read as that control's label; without one, an ampersand is plain text.
    void aCaptionsMnemonicTakesTheFocusToItsControl() {
        QWidget window;
        auto* first = new QLineEdit(&window);
        auto* edit = new QLineEdit(&window);
        auto* caption = new Caption(Qt::AlignRight | Qt::AlignVCenter, &window);
        caption->setText(QStringLiteral("&Width:"));
        caption->setBuddy(edit);
        auto* plain = new Caption(Qt::AlignLeft | Qt::AlignVCenter, &window);
        plain->setText(QStringLiteral("Fish & chips"));
        edit->move(0, 40);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        QTest::keyClick(first, Qt::Key_W, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), edit);
        QTest::keyClick(edit, Qt::Key_C, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), edit);

        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(caption);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::StaticText);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Width:"));
        const auto labelled = iface->relations(QAccessible::Labelled);
        QVERIFY(
            std::any_of(labelled.begin(), labelled.end(), [edit](const auto& r) { return r.first->object() == edit; }));
        QCOMPARE(QAccessible::queryAccessibleInterface(plain)->text(QAccessible::Name), QStringLiteral("Fish & chips"));
        // Measured without the mnemonic's ampersand, no narrower than drawn.
        QVERIFY(caption->textWidth() >= caption->fontMetrics().horizontalAdvance(QStringLiteral("Width:")));
        QVERIFY(caption->textWidth() < caption->fontMetrics().horizontalAdvance(QStringLiteral("&Width:")));
    }

    void tabGoesRoundToolbarListAndFormBothWays() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.FinishStartUp();
        FlushDeletes();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(Marked(w), QStringLiteral("scriptListBox"));  // the keyboard starts on the list

        // The arrow keys browse the list; each line opens its form and the
        // list keeps the focus. Down without a selection selects the first.
        QVERIFY(w.ScriptList()->selectedItems().isEmpty());
        Key(Qt::Key_Down);
        QCOMPARE(w.ScriptList()->currentRow(), 0);
        QVERIFY(w.ScriptList()->item(0)->isSelected());
        Key(Qt::Key_Down);
        QCOMPARE(w.CurrentForm()->objectName(), QStringLiteral("TMouseForm6"));
        QCOMPARE(QApplication::focusWidget(), w.ScriptList());
        Key(Qt::Key_Down);
        QCOMPARE(w.CurrentForm()->objectName(), QStringLiteral("TMouseForm16"));
        Key(Qt::Key_Up);
        QCOMPARE(w.CurrentForm()->objectName(), QStringLiteral("TMouseForm6"));
        QCOMPARE(Marked(w), QStringLiteral("scriptListBox"));

        // Tab: the form's controls in their declared order, Reset, Generate,
        // the eleven toolbar buttons with the language choice before Website,
        // the list, and into the form again.
        QStringList round;
        for (const ControlDecl& c : w.CurrentForm()->Decl().controls) {
            if (c.kind != ControlKind::Label) round << QString::fromStdString(c.name);
        }
        round << QStringLiteral("ResetButton") << QStringLiteral("XP_Button1");
        for (const char* b : {"MouseButton", "menuButton", "textButton", "pageButton", "timeButton", "imageButton",
                              "gameButton", "otherButton", "openPageButton", "languageBox", "welcomeButton",
                              "helpButton"}) {
            round << QString::fromLatin1(b);
        }
        round << QStringLiteral("scriptListBox");
        QStringList walked;
        for (int i = 0; i < round.size(); ++i) {
            Key(Qt::Key_Tab);
            walked << Marked(w);
        }
        QCOMPARE(walked, round);
        QVERIFY(w.Focus().Frame()->isVisible());

        // Shift+Tab walks the same round backwards.
        QStringList back;
        for (int i = 0; i < round.size(); ++i) {
            Key(Qt::Key_Tab, Qt::ShiftModifier);
            back << Marked(w);
        }
        QStringList expected;
        for (qsizetype i = round.size() - 2; i >= 0; --i) expected << round[i];
        expected << round.back();
        QCOMPARE(back, expected);

        // From the list, Tab, typing and Alt+G: the typed text is generated.
        Key(Qt::Key_Tab);
        QCOMPARE(Marked(w), QStringLiteral("FlatEdit3"));
        Key(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("typed"));
        // Alt+G generates from the form and from the list alike.
        Key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(Marked(w), QStringLiteral("scriptListBox"));
        Key(Qt::Key_G, Qt::AltModifier);
        QVERIFY(services.boxes.empty());
        QVERIFY(w.CodeWindowIfCreated() && w.CodeWindowIfCreated()->isVisible());
        QVERIFY(w.CodeWindowIfCreated()->ScriptView()->toPlainText().contains(QStringLiteral("var message='typed'")));
    }

    void shiftTabFromTheToolbarWithoutAFormGoesToTheList() {
        ProgramDir dir;
        dir.Remove(QStringLiteral("mouse.ini"));
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.FinishStartUp();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(!w.CurrentForm());
        Key(Qt::Key_Tab);
        QCOMPARE(Marked(w), QStringLiteral("MouseButton"));
        Key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(Marked(w), QStringLiteral("scriptListBox"));
        Key(Qt::Key_Down);  // an empty list: nothing to select
        QVERIFY(!w.CurrentForm());
        // Space on a focused category button presses it.
        Key(Qt::Key_Tab);
        Key(Qt::Key_Tab);
        QCOMPARE(Marked(w), QStringLiteral("menuButton"));
        Key(Qt::Key_Space);
        QCOMPARE(w.SelectedButton(), w.CategoryButton(1));
    }

    void theFocusedControlIsFramed() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.FinishStartUp();
        FlushDeletes();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // The list (8, 72, 185 x 423) has a frame round it, outside its own edge.
        QImage image = w.grab().toImage();
        QCOMPARE(image.pixelColor(6, 200), FocusFrame::Color());
        QCOMPARE(image.pixelColor(194, 200), FocusFrame::Color());
        // On Generate, the frame follows; the list is no longer framed.
        QWidget* generate = w.CurrentForm()->findChild<QPushButton*>(QStringLiteral("XP_Button1"));
        for (int i = 0; i < 20 && QApplication::focusWidget() != generate; ++i) Key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), generate);
        image = w.grab().toImage();
        QVERIFY(image.pixelColor(6, 200) != FocusFrame::Color());
        const QPoint corner = generate->mapTo(&w, QPoint(-2, generate->height() / 2));
        QCOMPARE(image.pixelColor(corner), FocusFrame::Color());

        // Round a control of the frame's own colour (a blue swatch), a light
        // line keeps the frame apart from it.
        QWidget window;
        window.resize(120, 60);
        FocusMarker marker;
        marker.Watch(&window);
        auto* swatch = new QWidget(&window);
        swatch->setGeometry(20, 20, 40, 20);
        swatch->setFocusPolicy(Qt::StrongFocus);
        swatch->setAutoFillBackground(true);
        QPalette blue = swatch->palette();
        blue.setColor(QPalette::Window, FocusFrame::Color());
        swatch->setPalette(blue);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        swatch->setFocus();
        QCOMPARE(marker.Marked(), swatch);
        image = window.grab().toImage();
        QCOMPARE(image.pixelColor(25, 30), FocusFrame::Color());  // the swatch
        QCOMPARE(image.pixelColor(17, 30), FocusFrame::Color());  // the frame
        for (const QPoint& beside : {QPoint(19, 30), QPoint(60, 30), QPoint(30, 19), QPoint(30, 40)}) {
            QVERIFY2(std::abs(image.pixelColor(beside).lightness() - FocusFrame::Color().lightness()) > 100,
                     qPrintable(image.pixelColor(beside).name()));
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
