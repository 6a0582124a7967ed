// zentrava_screenshots: drives the real app through a few steps and saves
// screenshots of the screen (the preview included) for the README.
// Run it on an X display, e.g.:
//   xvfb-run -a -s "-screen 0 1280x900x24" build/tests/zentrava_screenshots build/bin docs/screenshots [ROW]
// ROW is the Mouse entry generated for the preview.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "app/environment.h"
#include "app/find_box.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/picture_button.h"
#include "effects/mdi_child.h"
#include "output/code_window.h"
#include "output/page_messages.h"
#include "output/preview_pane.h"
#include "output/system_colors.h"

using namespace zentrava::desktop;

namespace {

QString outDir;

void Save(const QString& name, QRect area) {
    QScreen* screen = QGuiApplication::primaryScreen();
    QPixmap shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    const QString file = QDir(outDir).filePath(name);
    shot.toImage().convertToFormat(QImage::Format_RGB888).save(file, "PNG", 9);
    std::printf("%s\n", qPrintable(file));
}

void Select(MainWindow& w, int row) {
    w.ScriptList()->setCurrentRow(row);
    QTest::qWait(300);
}

}  // namespace

int main(int argc, char** argv) {
    PrepareEnvironment();
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: zentrava_screenshots PROGRAM_DIR OUT_DIR [ROW]\n");
        return 2;
    }
    const QString programDir = QString::fromLocal8Bit(argv[1]);
    outDir = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(outDir);
    PreviewPane::SetModulePath(programDir + QStringLiteral("/libzentrava-preview.so"));
    InstallSystemColorResolver();
    SetTranslationsFolder(programDir + QStringLiteral("/translations"));

    DesktopServices services;
    MainWindow w(programDir, services);
    w.FinishStartUp();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w)) std::fprintf(stderr, "the main window did not become active\n");
    QTest::qWait(800);
    const QRect main = w.frameGeometry().adjusted(-12, -12, 12, 12);

    // A form with many kinds of controls.
    Select(w, 6);  // Scrolling message box at the mouse pointer
    QTest::qWait(300);  // the list keeps the focus
    Save(QStringLiteral("main-window.png"), main);

    // Generate: the code window with the live preview.
    const int effect = argc > 3 ? std::atoi(argv[3]) : 10;  // default: the analogue clock
    Select(w, effect);
    w.CurrentForm()->Generate();
    CodeWindow* code = w.CodeWindowIfCreated();
    if (code && code->Preview()->Browser()) {
        QSignalSpy loaded(code->Preview(), &PreviewPane::loadFinished);
        loaded.wait(30000);
    }
    QTest::qWait(1500);  // let the effect run
    const QRect both = main.united(code ? code->frameGeometry().adjusted(-12, -12, 12, 12) : main);
    Save(QStringLiteral("code-window-preview.png"), both);
    if (!code) return 1;
    // The script view and the page view, switched by their buttons.
    const QRect window = code->frameGeometry().adjusted(-8, -8, 8, 8);
    QTest::mouseClick(code->findChild<QPushButton*>(QStringLiteral("button_scriptcode")), Qt::LeftButton);
    QTest::qWait(300);
    Save(QStringLiteral("code-window-script.png"), window);
    QTest::mouseClick(code->findChild<QPushButton*>(QStringLiteral("Button_htmlcode")), Qt::LeftButton);
    QTest::qWait(300);
    Save(QStringLiteral("code-window-page.png"), window);

    // An edit with a typo, refreshed: the count of the page's errors and its list.
    QPlainTextEdit* page = code->PageView();
    QString text = page->toPlainText();
    const int tail = text.lastIndexOf(QStringLiteral("</Body>"), -1, Qt::CaseInsensitive);
    text.insert(tail < 0 ? text.size() : tail,
                QStringLiteral("<script>\nconsole.warn(\"Clock: no room for the date\");\n"
                               "documnet.title = \"My clock\";\n</script>\n"));
    page->setPlainText(text);
    if (code->Preview()->Browser()) {
        QSignalSpy loaded(code->Preview(), &PreviewPane::loadFinished);
        QTest::mouseClick(code->findChild<QPushButton*>(QStringLiteral("XP_Button1")), Qt::LeftButton);
        loaded.wait(30000);
    }
    QTest::qWait(1500);
    PageMessages* messages = code->Messages();
    messages->setFocus();
    messages->FillList();
    messages->List()->popup(messages->mapToGlobal(QPoint(0, messages->height())));
    QTest::qWait(500);
    Save(QStringLiteral("code-window-errors.png"), window.united(messages->List()->geometry().adjusted(-8, -8, 8, 8)));
    messages->List()->close();

    // The find box over the main window, with a few letters typed.
    code->hide();
    w.activateWindow();
    QTest::qWait(300);
    FindBox* finder = w.Finder();
    finder->Open();
    finder->move(w.frameGeometry().topLeft() + QPoint(220, 110));
    QTest::qWait(300);
    QTest::keyClicks(finder->Edit(), QStringLiteral("clock"));
    QTest::qWait(500);
    Save(QStringLiteral("find-box.png"), main.united(finder->frameGeometry().adjusted(-8, -8, 8, 8)));
    finder->hide();

    // The main window and the code window in Chinese, switched live.
    for (const char* language : {"zh_CN", "zh_TW"}) {
        const QString suffix = QLatin1Char('.') + QLatin1String(language) + QStringLiteral(".png");
        if (!SetInterfaceLanguage(QLatin1String(language))) {
            std::fprintf(stderr, "no %s translation\n", language);
            return 1;
        }
        w.activateWindow();
        QTest::qWait(300);
        Select(w, 6);
        QTest::qWait(300);
        Save(QStringLiteral("main-window") + suffix, main);
        Select(w, effect);
        if (code->Preview()->Browser()) {
            QSignalSpy loaded(code->Preview(), &PreviewPane::loadFinished);
            w.CurrentForm()->Generate();
            loaded.wait(30000);
        } else {
            w.CurrentForm()->Generate();
        }
        QTest::qWait(1500);
        Save(QStringLiteral("code-window-preview") + suffix, both);
        code->hide();
    }
    return 0;
}
