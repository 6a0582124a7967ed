// The desktop app with a long menu list: the real main window (offscreen),
// the Menu category's first form, 10,000 entries added with "Add", 1,000
// removed with Delete, Generate to the code window and the saved preview,
// and "Clear". Prints the time of each step; not a test.
//
// Usage: bench_menu_list PROGRAM_DIR [ENTRIES]
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <cstdio>

#include "app/main_window.h"
#include "effects/mdi_child.h"
#include "heap.h"
#include "output/preview_pane.h"
#include "support.h"

using namespace zentrava::desktop;

int main(int argc, char** argv) {
    zentrava::KeepFreedMemoryForReuse();  // as the app runs
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_menu_list PROGRAM_DIR [ENTRIES]\n");
        return 2;
    }
    const int entries = argc > 2 ? std::atoi(argv[2]) : 10000;
    PreviewPane::SetModulePath(QStringLiteral("/nonexistent/libzentrava-preview.so"));  // no browser
    // A scratch copy of the program directory: the preview file is written there.
    QTemporaryDir dir;
    for (const QString& name : QDir(QString::fromLocal8Bit(argv[1])).entryList(QDir::Files)) {
        QFile::copy(QDir(QString::fromLocal8Bit(argv[1])).filePath(name), dir.filePath(name));
    }
    testing::FakeServices services;
    MainWindow window(dir.path(), services);
    window.show();
    window.CategoryButtonClick(1);  // Menu
    window.OpenFirstEntry();
    TMDIChild* form = window.CurrentForm();
    if (!form || form->Decl().className != "TMenuForm1") {
        std::fprintf(stderr, "the Menu category's first entry did not open TMenuForm1\n");
        return 1;
    }
    auto* view = qobject_cast<QTreeWidget*>(form->Control(QStringLiteral("ListView1")));
    auto* add = form->findChild<QPushButton*>(QStringLiteral("XP_Button2"));
    auto* clear = form->findChild<QPushButton*>(QStringLiteral("XP_Button3"));
    auto* caption = qobject_cast<QLineEdit*>(form->Control(QStringLiteral("FlatEdit5")));
    QElapsedTimer t;

    t.start();
    for (int i = 0; i < entries; ++i) {
        caption->setText(QStringLiteral("Entry %1").arg(i));
        add->click();
    }
    app.processEvents();
    const double addMs = t.nsecsElapsed() / 1e6;

    view->setFocus();
    t.restart();
    for (int i = 0; i < 1000; ++i) {
        view->setCurrentItem(view->topLevelItem(view->topLevelItemCount() / 2));
        QTest::keyClick(view, Qt::Key_Delete);
    }
    app.processEvents();
    const double removeMs = t.nsecsElapsed() / 1e6;

    t.restart();
    form->Generate();
    app.processEvents();
    const double generateMs = t.nsecsElapsed() / 1e6;
    const qint64 saved = QFileInfo(dir.filePath(QStringLiteral("temp.htm"))).size();

    t.restart();
    clear->click();
    app.processEvents();
    const double clearMs = t.nsecsElapsed() / 1e6;

    std::printf("entries added with Add: %d in %.1f ms (%.1f us each)\n", entries, addMs, addMs * 1000 / entries);
    std::printf("removed with Delete from the middle: 1000 in %.1f ms (%.1f us each)\n", removeMs, removeMs);
    std::printf("Generate to code window and saved preview (%d entries, %lld bytes): %.1f ms\n",
                view ? entries - 1000 : 0, static_cast<long long>(saved), generateMs);
    std::printf("Clear: %.1f ms\n", clearMs);
    std::printf("errors shown: %zu\n", services.boxes.size());
    return 0;
}
