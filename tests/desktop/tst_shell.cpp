// The application shell: start-up, the main window, the category
// buttons, the effect list and the opening of effect forms.
#include <QtTest>
#include <QFile>
#include <QDir>
#include <QTemporaryDir>
#include <QCheckBox>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QComboBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QPushButton>
#include <QTextDocument>

#include "output/insert_effect.h"
#include "app/find_box.h"
#include "app/form_manager.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/picture_button.h"
#include "effects/child_window.h"
#include "effects/controls.h"
#include "effects/mdi_child.h"
#include "output/code_window.h"
#include "output/preview_pane.h"
#include "output/system_colors.h"
#include "app/interface_font.h"
#include "support.h"

#if ZENTRAVA_TEST_XCB
#include <cstdint>
#include <cstdlib>

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

using namespace zentrava;
using namespace zentrava::desktop;
using namespace zentrava::desktop::testing;

namespace {

void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// The child windows open in the effect area: a closed one is hidden at once
// and deleted later.
int OpenWindows(const MainWindow& w) {
    int open = 0;
    for (const ChildWindow* c : w.EffectArea()->findChildren<ChildWindow*>(Qt::FindDirectChildrenOnly)) {
        open += c->isVisibleTo(w.EffectArea()) ? 1 : 0;
    }
    return open;
}

QStringList ListLines(const MainWindow& w) {
    QStringList lines;
    for (int i = 0; i < w.ScriptList()->count(); ++i) lines << w.ScriptList()->item(i)->text();
    return lines;
}

QString Title(const TMDIChild* form) {
    auto* title = form ? form->findChild<Caption*>(QStringLiteral("TitlePanel")) : nullptr;
    return title ? title->text() : QStringLiteral("<no title>");
}

// Clicks line `row` of the effect list as a user does: press, then release.
void ClickLine(MainWindow& w, int row) {
    QListWidget* list = w.ScriptList();
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    FlushDeletes();
}

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        InstallSystemColorResolver();
        PreviewPane::SetModulePath(QStringLiteral("/nonexistent/libzentrava-preview.so"));
        // The classic pixel layout, which the geometry checks compare with.
        SetInterfaceFont(QApplication::font(), 1.0);
        QStandardPaths::setTestModeEnabled(true);  // the remembered language goes to a scratch settings file
        SetTranslationsFolder(QStringLiteral(ZENTRAVA_TRANSLATIONS_DIR));
    }

    void startupListsMouseCatalogueAndOpensFirstEntry() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.OpenFirstEntry();
        FlushDeletes();

        QCOMPARE(ListLines(w), (QStringList{"Plain", "Message", "Cursor", "Welcome", "Bare", "Unknown Form",
                                            "Missing Script", "Short Script", "Clock Colours"}));
        QVERIFY(w.HasCurrentEntry());
        QCOMPARE(w.CurrentEntry().ename, std::string("Plain"));
        TMDIChild* form = w.CurrentForm();
        QVERIFY(form);
        QCOMPARE(form->objectName(), QStringLiteral("TNoParamForm"));
        QCOMPARE(Title(form), QStringLiteral("  Plain"));
        QVERIFY(form->isVisible());
        QCOMPARE(OpenWindows(w), 1);
        QVERIFY(services.boxes.empty());
        // The code window is created by the first Generate.
        QVERIFY(!w.CodeWindowIfCreated());
    }

    void startUpHidesTheWelcomePanelAndLeavesTheCodeWindowToTheFirstGenerate() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        QVERIFY(w.WelcomePanel()->isVisible());  // only while the window is created
        QVERIFY(!w.findChild<QWidget*>(QStringLiteral("Panel2"))->isVisible());
        w.FinishStartUp();
        FlushDeletes();
        QVERIFY(!w.WelcomePanel()->isVisible());
        QVERIFY(!w.CodeWindowIfCreated());  // nothing hidden is made before the first paint
        QCOMPARE(Title(w.CurrentForm()), QStringLiteral("  Plain"));
        QCOMPARE(w.Dialogs().fontPointSize, 10);
        w.CurrentForm()->Generate();
        QVERIFY(w.CodeWindowIfCreated() && w.CodeWindowIfCreated()->isVisible());
        QVERIFY(!w.CodeWindowIfCreated()->Preview()->Browser());  // no browser before the first preview
    }

    void captionAndApplicationTitleAgree() {
        ProgramDir dir;
        FakeServices services;
        QLocale::setDefault(QLocale::c());
        MainWindow w(dir.Path(), services);
        QCOMPARE(w.windowTitle(), QStringLiteral("Zentrava 2.3"));
        QCOMPARE(ApplicationTitle(), w.windowTitle());
    }

    void captionUsesTheLocaleDecimalSeparator() {
        ProgramDir dir;
        FakeServices services;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        MainWindow w(dir.Path(), services);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(w.windowTitle(), QStringLiteral("Zentrava 2,3"));
        QCOMPARE(ApplicationTitle(), w.windowTitle());
    }

    void windowHasFixedSizeAndNoMaximise() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        QCOMPARE(w.size(), QSize(708, 501));
        QCOMPARE(w.minimumSize(), QSize(708, 501));
        QCOMPARE(w.maximumSize(), QSize(708, 501));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        w.resize(800, 600);
        QCOMPARE(w.size(), QSize(708, 501));
        // The icon built into the program: the drawing's dark blue square
        // with its white letter and orange dot, on a clear corner.
        const QImage icon = w.windowIcon().pixmap(QSize(64, 64)).toImage();
        QCOMPARE(icon.size(), QSize(64, 64));
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(icon.pixelColor(6, 40), QColor(0x00, 0x40, 0x80));
        QVERIFY(qGray(icon.pixel(32, 32)) > 200);
        QCOMPARE(icon.pixelColor(49, 16).red() > 200 && icon.pixelColor(49, 16).blue() < 100, true);
    }

    // On X11 the window manager is told to offer moving, minimising and
    // closing, not resizing or maximising (run under Xvfb by its own test).
    void windowAsksX11ForNoMaximise() {
#if ZENTRAVA_TEST_XCB
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11 || !x11->connection()) QSKIP("not on X11");
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        xcb_connection_t* c = x11->connection();
        static const char kName[] = "_MOTIF_WM_HINTS";
        xcb_intern_atom_reply_t* atom =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof kName - 1, kName), nullptr);
        QVERIFY(atom);
        xcb_get_property_reply_t* hints = xcb_get_property_reply(
            c, xcb_get_property(c, 0, static_cast<xcb_window_t>(w.winId()), atom->atom, XCB_ATOM_ANY, 0, 5), nullptr);
        std::free(atom);
        QVERIFY(hints && xcb_get_property_value_length(hints) == 20);
        const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(hints));
        const std::uint32_t functions = values[1];
        std::free(hints);
        QCOMPARE(functions, std::uint32_t{0x4 | 0x8 | 0x20});  // move, minimise, close
#else
        QSKIP("built without the X client headers");
#endif
    }

    void layoutFollowsTheMainWindowTable() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.OpenFirstEntry();
        QCOMPARE(w.ScriptList()->geometry(), QRect(8, 72, 185, 423));
        QCOMPARE(w.EffectArea()->geometry(), QRect(195, 70, 500, 423));
        const struct {
            const char* name;
            const char* caption;
            const char* hint;
            int left;
        } buttons[] = {{"MouseButton", "Mouse", "Mouse scripts", 8},
                       {"menuButton", "Menu", "Menu scripts", 66},
                       {"textButton", "Text", "Text scripts", 124},
                       {"pageButton", "Page", "page scripts", 182},
                       {"timeButton", "Time", "Date and time scripts", 241},
                       {"imageButton", "Image", "Image scripts", 299},
                       {"gameButton", "Game", "game scripts", 357},
                       {"otherButton", "Others", "Other scripts", 416},
                       {"welcomeButton", "Website", "Zentrava on web", 592},
                       {"helpButton", "Help", "Help", 648}};
        auto* toolbar = w.findChild<QWidget*>(QStringLiteral("toolbarPanel"));
        QVERIFY(toolbar);
        QCOMPARE(toolbar->geometry(), QRect(-1, 2, 712, 63));
        for (const auto& b : buttons) {
            auto* button = w.findChild<PictureButton*>(QString::fromLatin1(b.name));
            QVERIFY2(button, b.name);
            QCOMPARE(button->text(), QString::fromLatin1(b.caption));
            QCOMPARE(button->toolTip(), QString::fromLatin1(b.hint));
            QCOMPARE(button->geometry(), QRect(b.left, 2, 52, 52));
            QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
            // Its picture is drawn above the caption (the SVG icon engine is there).
            const QImage face = button->grab().toImage();
            int inked = 0;
            for (int y = 4; y < 32; ++y) {
                for (int x = 0; x < face.width(); ++x) inked += qGray(face.pixel(x, y)) < 160 ? 1 : 0;
            }
            QVERIFY2(inked > 20, b.name);
        }
        // The effect form fills the effect area: 500 x 423 at its top left.
        ChildWindow* sub = w.Forms().CurrentWindow();
        QVERIFY(sub);
        QCOMPARE(sub->geometry(), QRect(0, 0, 500, 423));
        QCOMPARE(sub->mapTo(&w, QPoint(0, 0)), QPoint(195, 70));
    }

    void mouseButtonIsBoldAtStartAndCategoriesSwitch() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.OpenFirstEntry();
        QCOMPARE(w.SelectedButton(), w.CategoryButton(0));
        QVERIFY(w.CategoryButton(0)->isBold());

        QTest::mouseClick(w.CategoryButton(7), Qt::LeftButton);  // Others
        QCOMPARE(ListLines(w), QStringList{"Add to Favourites"});
        QVERIFY(w.CategoryButton(7)->isBold());
        QVERIFY(!w.CategoryButton(0)->isBold());
        QCOMPARE(w.SelectedButton(), w.CategoryButton(7));
        // A category switch keeps the form and the current entry.
        QCOMPARE(w.CurrentForm()->objectName(), QStringLiteral("TNoParamForm"));
        QCOMPARE(w.CurrentEntry().ename, std::string("Plain"));
        QCOMPARE(w.Catalogue().size(), std::size_t(1));
    }

    void usersOwnEffectsFollowTheShippedOnesAndTakeTheirFormFromTheirScript() {
        ProgramDir dir;
        QTemporaryDir data;
        QVERIFY(data.isValid());
        QDir(data.path()).mkpath(QStringLiteral("zentrava"));
        const auto write = [&](const QString& name, const QByteArray& bytes) {
            QFile f(data.path() + QStringLiteral("/zentrava/") + name);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        write(QStringLiteral("other.ini"),
              "[a]\nename=Banner\nform=TParamForm\nscript=banner\n[b]\nename=Broken\nform=TParamForm\nscript=broken\n");
        const QByteArray banner =
            "<!--parameters\nsize number 8..72 \"Size:\" = 24\nshape choice box|round \"Shape:\" = round\n"
            "bold yesno \"Bold\" = yes\n-->\n<!--Insert following codes between <Body></Body>-->\n\n"
            "<p style=\"font-size:/*@size*/24px\">x</p><script>var s=/*@shape*/'round', b=/*@bold*/true;</script>\n";
        write(QStringLiteral("banner.dat"), banner);
        write(QStringLiteral("broken.dat"), QByteArray(banner).replace("8..72", "8..."));
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        FakeServices services;
        MainWindow w(dir.Path(), services);
        QTest::mouseClick(w.CategoryButton(7), Qt::LeftButton);  // Others
        QCOMPARE(ListLines(w), (QStringList{"Add to Favourites", "Banner", "Broken"}));
        QVERIFY(!w.ScriptList()->item(0)->toolTip().contains(QStringLiteral("Your own effect")));
        QVERIFY(w.ScriptList()->item(1)->toolTip().contains(QStringLiteral("Your own effect")));

        w.ShowEntry(7, 1);
        FlushDeletes();
        TMDIChild* form = w.CurrentForm();
        QVERIFY(form);
        QCOMPARE(form->objectName(), QStringLiteral("TParamForm"));
        QVERIFY(qobject_cast<QComboBox*>(form->findChild<QWidget*>(QStringLiteral("shape"))));
        QVERIFY(qobject_cast<QCheckBox*>(form->findChild<QWidget*>(QStringLiteral("bold"))));
        QCOMPARE(qobject_cast<QCheckBox*>(form->findChild<QWidget*>(QStringLiteral("bold")))->isChecked(), true);
        QCOMPARE(qobject_cast<QComboBox*>(form->findChild<QWidget*>(QStringLiteral("shape")))->currentText(),
                 QStringLiteral("round"));
        QVERIFY(services.boxes.empty());

        // A faulty block: an error box naming the file and line, and the form before it stays.
        w.ShowEntry(7, 2);
        FlushDeletes();
        QCOMPARE(services.boxes.size(), std::size_t(1));
        QVERIFY(services.boxes[0].error);
        QVERIFY2(services.boxes[0].text.contains(QStringLiteral("broken.dat:2: a number needs its range")),
                 qPrintable(services.boxes[0].text));
        qunsetenv("XDG_DATA_HOME");
    }

    void emptyCategoryLeavesTheFormOpenAndUsable() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.OpenFirstEntry();
        QTest::mouseClick(w.CategoryButton(1), Qt::LeftButton);  // Menu: an empty file
        QCOMPARE(w.ScriptList()->count(), 0);
        QVERIFY(w.Catalogue().empty());
        QTest::mouseClick(w.CategoryButton(4), Qt::LeftButton);  // Time: no file at all
        QCOMPARE(w.ScriptList()->count(), 0);
        TMDIChild* form = w.CurrentForm();
        QVERIFY(form && form->isVisible());
        form->Generate();
        QVERIFY(services.boxes.empty());
        QVERIFY(w.CodeWindowIfCreated() && w.CodeWindowIfCreated()->isVisible());
    }

    void pressingTheSameCategoryTwiceReloadsItsFile() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        QTest::mouseClick(w.CategoryButton(7), Qt::LeftButton);
        QCOMPARE(ListLines(w), QStringList{"Add to Favourites"});
        dir.Write(QStringLiteral("other.ini"), "[x]\nename=Changed\nform=TOtherForm2\n");
        QTest::mouseClick(w.CategoryButton(7), Qt::LeftButton);
        QCOMPARE(ListLines(w), QStringList{"Changed"});
        QVERIFY(w.CategoryButton(7)->isBold());
    }

    void missingMouseCatalogueStartsEmptyAndSilently() {
        ProgramDir dir;
        dir.Remove(QStringLiteral("mouse.ini"));
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.OpenFirstEntry();
        QCOMPARE(w.ScriptList()->count(), 0);
        QVERIFY(!w.HasCurrentEntry());
        QVERIFY(!w.CurrentForm());
        QCOMPARE(OpenWindows(w), 0);
        QVERIFY(services.boxes.empty());
        // Another category with entries works normally.
        QTest::mouseClick(w.CategoryButton(2), Qt::LeftButton);  // Text
        ClickLine(w, 1);
        QVERIFY(w.CurrentForm());
        QCOMPARE(w.CurrentForm()->objectName(), QStringLiteral("TMouseForm21"));
        QCOMPARE(Title(w.CurrentForm()), QStringLiteral("  Text Two"));
    }

    void selectingALineOpensItsFormAndReplacesThePrevious() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.OpenFirstEntry();
        QPointer<TMDIChild> first = w.CurrentForm();
        ClickLine(w, 1);
        QVERIFY(first.isNull());  // closed and released
        QCOMPARE(w.CurrentEntry().ename, std::string("Message"));
        QCOMPARE(w.CurrentForm()->objectName(), QStringLiteral("TMouseForm6"));
        QCOMPARE(Title(w.CurrentForm()), QStringLiteral("  Message"));
        QCOMPARE(OpenWindows(w), 1);
    }

    void keyboardSelectionOpensTheForm() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.OpenFirstEntry();
        w.ScriptList()->setCurrentRow(2);
        FlushDeletes();
        QCOMPARE(w.CurrentForm()->objectName(), QStringLiteral("TMouseForm16"));
        QTest::keyClick(w.ScriptList(), Qt::Key_Up);
        FlushDeletes();
        QCOMPARE(w.CurrentForm()->objectName(), QStringLiteral("TMouseForm6"));
        QCOMPARE(w.CurrentEntry().ename, std::string("Message"));
    }

    void releasingOverTheSelectedLineRecreatesTheFormWithDefaults() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        ClickLine(w, 1);
        auto* edit = qobject_cast<QLineEdit*>(w.CurrentForm()->Control(QStringLiteral("FlatEdit3")));
        QVERIFY(edit);
        const QString def = edit->text();
        edit->setText(QStringLiteral("typed"));
        QPointer<TMDIChild> before = w.CurrentForm();
        ClickLine(w, 1);  // the same line: only the release opens it again
        QVERIFY(before.isNull());
        edit = qobject_cast<QLineEdit*>(w.CurrentForm()->Control(QStringLiteral("FlatEdit3")));
        QCOMPARE(edit->text(), def);
    }

    void releaseOverTheEmptyPartOfTheListChangesNothing() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        ClickLine(w, 1);
        auto* edit = qobject_cast<QLineEdit*>(w.CurrentForm()->Control(QStringLiteral("FlatEdit3")));
        edit->setText(QStringLiteral("typed"));
        QPointer<TMDIChild> before = w.CurrentForm();
        QListWidget* list = w.ScriptList();
        const QRect last = list->visualItemRect(list->item(list->count() - 1));
        const QPoint empty(last.center().x(), last.bottom() + 40);
        QVERIFY(!list->itemAt(empty));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, empty);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, empty);
        FlushDeletes();
        QCOMPARE(w.CurrentForm(), before.data());
        QCOMPARE(edit->text(), QStringLiteral("typed"));
        QCOMPARE(list->selectedItems().size(), 1);
        QVERIFY(list->item(1)->isSelected());
        // A press on a line and the release below the lines: the line opened on the press.
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        FlushDeletes();
        QPointer<TMDIChild> pressed = w.CurrentForm();
        QCOMPARE(pressed->objectName(), QStringLiteral("TNoParamForm"));
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, empty);
        FlushDeletes();
        QCOMPARE(w.CurrentForm(), pressed.data());
    }

    void eachLineTellsItsFullNamesInItsTip() {
        ProgramDir dir;
        dir.Write(QStringLiteral("other.ini"),
                  "[a]\nename=A name far too long for the list to show <in full> & more\n"
                  "gbname=\xe9\x95\xbf\xe5\x90\x8d\nbigname=\xe9\x95\xb7\xe5\x90\x8d\nform=TOtherForm2\n"
                  "[b]\nename=Short\nform=TOtherForm2\n");
        FakeServices services;
        MainWindow w(dir.Path(), services);
        QTest::mouseClick(w.CategoryButton(7), Qt::LeftButton);
        QTextDocument tip;
        tip.setHtml(w.ScriptList()->item(0)->toolTip());
        QCOMPARE(tip.toPlainText(), QStringLiteral("A name far too long for the list to show <in full> & more\n长名\n長名"));
        tip.setHtml(w.ScriptList()->item(1)->toolTip());
        QCOMPARE(tip.toPlainText(), QStringLiteral("Short"));
    }

    void unknownFormIsIgnoredButBecomesTheCurrentEntry() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        ClickLine(w, 1);  // Message
        QPointer<TMDIChild> form = w.CurrentForm();
        ClickLine(w, 5);  // Unknown Form
        QVERIFY(!form.isNull());
        QCOMPARE(w.CurrentForm(), form.data());
        QCOMPARE(w.CurrentEntry().ename, std::string("Unknown Form"));
        QVERIFY(services.boxes.empty());
        // Generate on the previous form builds the page from the new entry
        // (and reads the new entry's script file).
        dir.Write(QStringLiteral("other.dat"), QByteArray("x\n").repeated(20));
        form->Generate();
        QVERIFY(services.boxes.empty());
        const QByteArray page = dir.Read(QStringLiteral("temp.htm"));
        QVERIFY(page.startsWith("<Html>\r\n<Head>\r\n<title>Unknown Form</title>\r\n</Head>\r\n"
                                "<Body  bgColor=\"#000000\">\r\n"));
    }

    void welcomeFormIsAWhiteChildWithoutTitleBar() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        ClickLine(w, 3);
        TMDIChild* form = w.CurrentForm();
        QVERIFY(form);
        QCOMPARE(form->objectName(), QStringLiteral("TwelcomeForm"));
        QVERIFY(!form->findChild<QWidget*>(QStringLiteral("TitlePanel")));
        QVERIFY(!form->findChild<QPushButton*>(QStringLiteral("XP_Button1")));
        QCOMPARE(form->palette().color(QPalette::Window), QColor(Qt::white));
        ChildWindow* sub = w.Forms().CurrentWindow();
        QCOMPARE(sub->pos(), QPoint(0, 0));
        QCOMPARE(sub->size(), QSize(500, 423));
        // Its thick frame resizes it: drag the right edge 40 pixels left.
        auto* frame = sub->findChild<QWidget*>(QStringLiteral("SizingFrame"));
        QVERIFY(frame);
        const QPoint edge(frame->width() - 2, 200);
        QTest::mousePress(frame, Qt::LeftButton, {}, edge);
        QMouseEvent move(QEvent::MouseMove, QPointF(edge - QPoint(40, 0)), QPointF(frame->mapToGlobal(edge - QPoint(40, 0))),
                         Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(frame, &move);
        QTest::mouseRelease(frame, Qt::LeftButton, {}, edge - QPoint(40, 0));
        QCOMPARE(sub->size(), QSize(460, 423));
        QCOMPARE(sub->pos(), QPoint(0, 0));
        // The next selection replaces it.
        ClickLine(w, 0);
        QCOMPARE(w.CurrentForm()->objectName(), QStringLiteral("TNoParamForm"));
        QCOMPARE(OpenWindows(w), 1);
    }

    void bareChildHasATitleBarAndNoControls() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        ClickLine(w, 4);
        TMDIChild* form = w.CurrentForm();
        QCOMPARE(form->objectName(), QStringLiteral("TMDIChild"));
        QCOMPARE(Title(form), QStringLiteral("  Bare"));
        QVERIFY(!form->findChild<QPushButton*>());
        QVERIFY(!form->findChild<QLineEdit*>());
    }

    void formClassIsFoundIgnoringLetterCase() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        ClickLine(w, 8);  // form=tmousEform19
        QCOMPARE(w.CurrentForm()->objectName(), QStringLiteral("TMouseForm19"));
    }

    void closingTheFormOtherwiseClearsTheCurrentForm() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.OpenFirstEntry();
        QVERIFY(w.CurrentForm());
        w.Forms().CurrentWindow()->close();
        QVERIFY(!w.CurrentForm());
        QVERIFY(!w.Forms().CurrentWindow());
        FlushDeletes();
        QCOMPARE(OpenWindows(w), 0);
        // Selecting an entry opens a form again.
        ClickLine(w, 1);
        QVERIFY(w.CurrentForm());
    }

    void ctrlF4ClosesTheActiveChildWindow() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.OpenFirstEntry();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.activateWindow();
        QTest::keyClick(&w, Qt::Key_F4, Qt::ControlModifier);
        QVERIFY(!w.CurrentForm());
        FlushDeletes();
        QCOMPARE(OpenWindows(w), 0);

        // The empty area says what to do; Enter or Space on the line still
        // selected opens its form again.
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
            ClickLine(w, 1);
            QVERIFY(w.CurrentForm());
            QVERIFY(w.EmptyAreaHint() && w.EmptyAreaHint()->isHidden());
            QTest::keyClick(&w, Qt::Key_F4, Qt::ControlModifier);
            FlushDeletes();
            QVERIFY(!w.CurrentForm());
            QVERIFY(w.EmptyAreaHint()->isVisible());
            QVERIFY(w.EffectArea()->geometry().contains(w.EmptyAreaHint()->geometry()));
            QVERIFY(w.ScriptList()->item(1)->isSelected());
            w.ScriptList()->setFocus();
            QTest::keyClick(w.ScriptList(), key);
            QVERIFY(w.CurrentForm());
            QVERIFY(w.EmptyAreaHint()->isHidden());
        }
    }

    void closingTheMainWindowEndsTheRunWhileTheCodeWindowIsOpen() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.OpenFirstEntry();
        w.CurrentForm()->Generate();
        QVERIFY(w.CodeWindowIfCreated()->isVisible());
        // The message loop ends when the main window closes.
        QTimer::singleShot(0, &w, &QWidget::close);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }

    void websiteAndHelpAskTheDesktopToOpenThem() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        QTest::mouseClick(w.findChild<PictureButton*>(QStringLiteral("welcomeButton")), Qt::LeftButton);
        QTest::mouseClick(w.findChild<PictureButton*>(QStringLiteral("helpButton")), Qt::LeftButton);
        QCOMPARE(services.openedUrls.size(), std::size_t(2));
        QCOMPARE(services.openedUrls[0], QUrl(QString::fromLatin1(kWebsite)));
        QCOMPARE(services.openedUrls[1], QUrl::fromLocalFile(dir.Path() + QStringLiteral("/help/index.html")));

        // A help.chm in the working directory is what Help opens when it is there.
        const QString previous = QDir::currentPath();
        QTemporaryDir cwd;
        QFile chm(cwd.filePath(QStringLiteral("help.chm")));
        QVERIFY(chm.open(QIODevice::WriteOnly));
        chm.close();
        QVERIFY(QDir::setCurrent(cwd.path()));
        QTest::mouseClick(w.findChild<PictureButton*>(QStringLiteral("helpButton")), Qt::LeftButton);
        QDir::setCurrent(previous);
        QCOMPARE(services.openedUrls.size(), std::size_t(3));
        QCOMPARE(QFileInfo(services.openedUrls[2].toLocalFile()).canonicalFilePath(),
                 QFileInfo(chm.fileName()).canonicalFilePath());
        QVERIFY(services.boxes.empty());
    }

    void websiteAndHelpSayWhenNothingOpensThem() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        services.openStarts = false;  // no launcher, no browser
        QTest::mouseClick(w.findChild<PictureButton*>(QStringLiteral("welcomeButton")), Qt::LeftButton);
        QCOMPARE(services.boxes.size(), std::size_t(1));
        QVERIFY(services.boxes[0].error);
        QCOMPARE(services.boxes[0].title, w.windowTitle());
        QVERIFY(services.boxes[0].text.contains(QString::fromLatin1(kWebsite)));
        services.openStarts = true;
        services.openFailsLater = true;  // a launcher with nothing behind it
        QTest::mouseClick(w.findChild<PictureButton*>(QStringLiteral("helpButton")), Qt::LeftButton);
        QCOMPARE(services.boxes.size(), std::size_t(2));
        QVERIFY(services.boxes[1].text.contains(dir.Path() + QStringLiteral("/help/index.html")));
    }

    void findBoxFindsAnyNameAndOpensTheEntryAsTheListWould() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.OpenFirstEntry();
        // Written after start-up: the box reads the catalogues when it opens.
        dir.Write(QStringLiteral("other.ini"), dir.Read(QStringLiteral("other.ini")) +
                                                   "\n[cafe]\nename=Caf\xc3\xa9 Corner\ngbname=\xe5\x92\x96\xe5\x95\xa1\n"
                                                   "bigname=\xe5\x92\x96\xe5\x95\xa1\nform=TOtherForm1\nscript=other1\n");
        FindBox* box = w.Finder();
        box->Open();
        QVERIFY(box->isVisible());
        QTest::keyClicks(box->Edit(), QStringLiteral("CAFE"));
        QCOMPARE(box->Results()->count(), 1);
        QTest::keyClick(box->Edit(), Qt::Key_Return);
        FlushDeletes();
        QVERIFY(!box->isVisible());
        QCOMPARE(w.SelectedButton(), w.CategoryButton(7));
        QCOMPARE(w.ScriptList()->currentRow(), w.ScriptList()->count() - 1);
        QCOMPARE(w.CurrentEntry().ename, std::string("Caf\xc3\xa9 Corner"));
        QVERIFY(w.CurrentForm());
        QCOMPARE(w.CurrentForm()->objectName(), QStringLiteral("TOtherForm1"));

        // Chinese names are found; Down moves through the results; Escape closes.
        box->Open();
        box->Edit()->setText(QString::fromUtf8("\xe5\x92\x96"));  // typed through an input method
        QCOMPARE(box->Results()->count(), 1);
        box->Edit()->setText(QStringLiteral("e"));
        QVERIFY(box->Results()->count() > 2);
        QCOMPARE(box->Results()->currentRow(), 0);
        QTest::keyClick(box->Edit(), Qt::Key_Down);
        QTest::keyClick(box->Edit(), Qt::Key_Down);
        QCOMPARE(box->Results()->currentRow(), 2);
        QTest::keyClick(box->Edit(), Qt::Key_Up);
        QCOMPARE(box->Results()->currentRow(), 1);
        QTest::keyClick(box->Edit(), Qt::Key_Escape);
        QVERIFY(!box->isVisible());
        QCOMPARE(w.CurrentEntry().ename, std::string("Caf\xc3\xa9 Corner"));  // nothing chosen
    }

    // The Language choice retranslates every open window at once, keeps what
    // the user typed, shows the Chinese names and is remembered; the
    // generated code is the same in every language.
    void languageChoiceSwitchesLiveAndLeavesTheCodeAlone() {
        ProgramDir dir;
        dir.Write(QStringLiteral("mouse.ini"),
                  dir.Read(QStringLiteral("mouse.ini"))
                      .replace("ename=Message\n", "ename=Message\ngbname=\xe6\xb6\x88\xe6\x81\xaf\n"
                                                  "bigname=\xe8\xa8\x8a\xe6\x81\xaf\n"));
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.FinishStartUp();
        ClickLine(w, 1);
        TMDIChild* form = w.CurrentForm();
        auto* text = form->findChild<QLineEdit*>(QStringLiteral("FlatEdit3"));
        text->setText(QStringLiteral("Typed"));
        auto* generate = form->findChild<QPushButton*>(QStringLiteral("XP_Button1"));
        generate->click();
        const QString english = w.CodeWindowIfCreated()->ScriptView()->toPlainText();
        QVERIFY(english.contains(QStringLiteral("Typed")));

        auto choose = [&w](const char* code) {
            QComboBox* box = w.LanguageBox();
            const int index = box->findData(QString::fromLatin1(code));
            box->setCurrentIndex(index);
            Q_EMIT box->activated(index);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        };
        auto label = [&w](const char* name) {
            return w.CurrentForm()->findChild<Caption*>(QString::fromLatin1(name))->text();
        };
        auto button = [](QWidget* window, const char* name) {
            return window->findChild<QAbstractButton*>(QString::fromLatin1(name))->text();
        };
        struct Row {
            const char* code;
            QString mouse, message, textLabel, generate, preview;
        };
        const Row rows[] = {
            {"zh_CN", u"鼠标"_qs, u"消息"_qs, u"文字："_qs, u"生成代码(&G)..."_qs, u"预览"_qs},
            {"zh_TW", u"滑鼠"_qs, u"訊息"_qs, u"文字："_qs, u"產生程式碼(&G)..."_qs, u"預覽"_qs},
            {"en", u"Mouse"_qs, u"Message"_qs, u"Text:"_qs, u"&Generate Codes..."_qs, u"Preview"_qs},
        };
        for (const Row& row : rows) {
            choose(row.code);
            QCOMPARE(InterfaceLanguage(), QString::fromLatin1(row.code));
            QCOMPARE(RememberedLanguage(), QString::fromLatin1(row.code));
            QCOMPARE(button(&w, "MouseButton"), row.mouse);
            QCOMPARE(ListLines(w).mid(0, 2), (QStringList{u"Plain"_qs, row.message}));  // English where none
            QCOMPARE(w.CurrentForm(), form);  // the same form, retranslated
            QCOMPARE(Title(form), QStringLiteral("  ") + row.message);
            QCOMPARE(label("FlatEdit3Label"), row.textLabel);
            QCOMPARE(text->text(), QStringLiteral("Typed"));
            QCOMPARE(generate->text(), row.generate);
            QCOMPARE(button(w.CodeWindowIfCreated(), "button_run"), row.preview);
            generate->click();
            QCOMPARE(w.CodeWindowIfCreated()->ScriptView()->toPlainText(), english);
        }
        QVERIFY(services.boxes.empty());

        // Help opens the guide in the chosen language where there is one.
        QVERIFY(QDir(dir.Path()).mkpath(QStringLiteral("help")));
        dir.Write(QStringLiteral("help/index.zh_TW.html"), "guide");
        QCOMPARE(HelpFile(dir.Path(), u"zh_TW"_qs), dir.Path() + QStringLiteral("/help/index.zh_TW.html"));
        QCOMPARE(HelpFile(dir.Path(), u"zh_CN"_qs), dir.Path() + QStringLiteral("/help/index.html"));
    }

    // A form opens with the values it was last generated with; Reset gives
    // it its own defaults back; an entry never generated opens with them.
    void formsOpenWithTheirLastValuesAndResetRestoresTheDefaults() {
        QFile::remove(QString::fromStdString(LastValuesFile()));  // what earlier tests generated
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        auto text = [&w] {
            auto* edit = w.CurrentForm()->findChild<QLineEdit*>(QStringLiteral("FlatEdit3"));
            return edit ? edit->text() : QStringLiteral("<no edit>");
        };
        ClickLine(w, 1);  // Message
        const QString defaults = text();
        w.CurrentForm()->findChild<QLineEdit*>(QStringLiteral("FlatEdit3"))->setText(QStringLiteral("kept"));
        QTest::mouseClick(w.CurrentForm()->findChild<QPushButton*>(QStringLiteral("XP_Button1")), Qt::LeftButton);
        ClickLine(w, 2);  // Cursor: not generated, its defaults
        QVERIFY(w.CurrentForm()->findChild<QPushButton*>(QStringLiteral("ResetButton")));
        ClickLine(w, 1);
        QCOMPARE(text(), QStringLiteral("kept"));
        QPushButton* reset = w.CurrentForm()->findChild<QPushButton*>(QStringLiteral("ResetButton"));
        QVERIFY(reset);
        QCOMPARE(reset->text(), QStringLiteral("&Reset"));
        QTest::mouseClick(reset, Qt::LeftButton);
        QCOMPARE(text(), defaults);
        QVERIFY(defaults != QStringLiteral("kept"));
    }

    // "Open Page..." lists what a page holds; the effect chosen opens in its
    // category and form with the values it was inserted with (not the ones
    // generated last), and the form's next insertion replaces its block.
    void openPageReopensAnInsertedEffectForItsNextInsertion() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        QTemporaryDir site;
        const QString page = site.filePath(QStringLiteral("page.htm"));
        {
            QFile f(page);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<p>mine</p>\n");
        }
        auto edit = [&w] { return w.CurrentForm()->findChild<QLineEdit*>(QStringLiteral("FlatEdit3")); };
        auto generate = [&w] {
            QTest::mouseClick(w.CurrentForm()->findChild<QPushButton*>(QStringLiteral("XP_Button1")), Qt::LeftButton);
        };
        auto insert = [&] {
            services.fileAnswers.push_back(page);
            services.confirmAnswers.push_back(true);
            QTest::mouseClick(w.CodeWindowIfCreated()->findChild<QPushButton*>(QStringLiteral("InsertButton")),
                              Qt::LeftButton);
        };
        auto openPage = [&] {
            services.fileAnswers.push_back(page);
            services.choiceAnswers.push_back(0);
            w.findChild<QAbstractButton*>(QStringLiteral("openPageButton"))->click();
            FlushDeletes();
        };
        ClickLine(w, 1);
        edit()->setText(QStringLiteral("In the page"));
        generate();
        insert();
        edit()->setText(QStringLiteral("Generated last"));
        generate();
        w.CategoryButtonClick(1);
        ClickLine(w, 0);

        openPage();
        QCOMPARE(services.choiceRequests.size(), size_t(1));
        QCOMPARE(services.choiceRequests[0].items,
                 QStringList{QStringLiteral("msg: Message (mouse) with FlatEdit3=In the page")});
        QCOMPARE(w.SelectedButton(), w.CategoryButton(0));
        QCOMPARE(w.ScriptList()->currentRow(), 1);
        QCOMPARE(edit()->text(), QStringLiteral("In the page"));

        // Inserted again: its block is replaced, none added.
        edit()->setText(QStringLiteral("Changed"));
        generate();
        insert();
        QFile f(page);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QCOMPARE(bytes.count("zentrava:begin"), 1);
        QVERIFY(bytes.contains("set:FlatEdit3=Changed -->"));

        // A page without effects says so; Cancel in the list changes nothing.
        const QString empty = site.filePath(QStringLiteral("empty.html"));
        QFile e(empty);
        QVERIFY(e.open(QIODevice::WriteOnly));
        e.close();
        services.fileAnswers.push_back(empty);
        w.OpenPageClick();
        QVERIFY(!services.boxes.back().error);
        QVERIFY(services.boxes.back().text.contains(QStringLiteral("holds no inserted effects")));
        QCOMPARE(services.choiceRequests.size(), size_t(1));
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
