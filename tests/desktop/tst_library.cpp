// Smoke check of the shipped effect library through the desktop: every entry
// of every category opens its form, and Generate with the form's defaults
// ends in the code window without an error box. (Exact behaviour is tested
// against the fixtures; this only sees that the shipped data and the forms
// fit together.)
#include <QtTest>

#include <QDirIterator>
#include <QListWidget>
#include <QPlainTextEdit>

#include "app/interface_font.h"
#include "app/main_window.h"
#include "app/picture_button.h"
#include "effects/controls.h"
#include "effects/mdi_child.h"
#include "effects/registry.h"
#include "output/code_window.h"
#include "output/page.h"
#include "output/preview_pane.h"
#include "output/system_colors.h"
#include "output/text_codec.h"
#include "support.h"

using namespace zentrava;
using namespace zentrava::desktop;
using namespace zentrava::desktop::testing;

class LibraryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        InstallSystemColorResolver();
        PreviewPane::SetModulePath(QStringLiteral("/nonexistent/libzentrava-preview.so"));
    }

    void everyShippedEntryGenerates() {
        ProgramDir dir(QStringLiteral(ZENTRAVA_DATA_DIR));  // the catalogues and script files
        FakeServices services;
        MainWindow w(dir.Path(), services);
        int generated = 0;
        for (int category = 0; category < static_cast<int>(Categories().size()); ++category) {
            QTest::mouseClick(w.CategoryButton(category), Qt::LeftButton);
            for (int row = 0; row < w.ScriptList()->count(); ++row) {
                w.ScriptList()->setCurrentRow(row);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                const Tplugin& entry = w.Catalogue()[static_cast<std::size_t>(row)];
                const QString where = QStringLiteral("%1 entry %2 (%3, %4)")
                                          .arg(QString::fromLatin1(Categories()[category].fileName))
                                          .arg(row)
                                          .arg(FromBytes(entry.ename), FromBytes(entry.form));
                const FormDecl* decl = FormRegistry::Instance().Find(entry.form);
                if (!decl) {
                    qInfo("%s names no registered form yet; skipped", qPrintable(where));
                    continue;
                }
                TMDIChild* form = w.CurrentForm();
                QVERIFY2(form && form->objectName() == QString::fromStdString(decl->className), qPrintable(where));
                if (!decl->generate) continue;
                services.boxes.clear();
                form->Generate();
                QVERIFY2(services.boxes.empty(),
                         qPrintable(where + QStringLiteral(": ") +
                                    (services.boxes.empty() ? QString() : services.boxes[0].text)));
                CodeWindow* code = w.CodeWindowIfCreated();
                QVERIFY2(code && code->isVisible(), qPrintable(where));
                QVERIFY2(code->ScriptView()->toPlainText().startsWith(QString::fromLatin1(kBodyHeaderComment)),
                         qPrintable(where));
                ++generated;
            }
        }
        qInfo("%d entries generated", generated);
        QVERIFY(generated > 0);
    }

    // The layout's scale is display only: every shipped entry's page is the
    // same byte for byte whether the forms are drawn at the classic pixels or twice as large.
    void generatedPagesDoNotDependOnTheScale() {
        ProgramDir dir(QStringLiteral(ZENTRAVA_DATA_DIR));
        FakeServices services;
        std::vector<QString> pages[2];
        for (const qreal scale : {1.0, 2.0}) {
            SetInterfaceFont(QApplication::font(), scale);
            MainWindow w(dir.Path(), services);
            for (int category = 0; category < static_cast<int>(Categories().size()); ++category) {
                QTest::mouseClick(w.CategoryButton(category), Qt::LeftButton);
                for (int row = 0; row < w.ScriptList()->count(); ++row) {
                    w.ScriptList()->setCurrentRow(row);
                    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                    TMDIChild* form = w.CurrentForm();
                    if (!form || !form->Decl().generate) continue;
                    form->Generate();
                    pages[scale > 1 ? 1 : 0].push_back(w.CodeWindowIfCreated()->PageView()->toPlainText());
                }
            }
        }
        SetInterfaceFont(QApplication::font());  // the desktop's own again
        QVERIFY(pages[0].size() > 50);
        QCOMPARE(pages[1], pages[0]);
    }

    // The text forms' captions ("Fluorescence Color:", "Shine Color:") are wide
    // for their rows in today's fonts: each still shows whole beside its control.
    void textFormCaptionsShowWhole() {
        ProgramDir dir(QStringLiteral(ZENTRAVA_DATA_DIR));
        FakeServices services;
        MainWindow w(dir.Path(), services);
        int category = 0;
        while (std::string(Categories()[static_cast<std::size_t>(category)].fileName) != "text.ini") ++category;
        QTest::mouseClick(w.CategoryButton(category), Qt::LeftButton);
        int captions = 0;
        for (int row = 0; row < w.ScriptList()->count(); ++row) {
            w.ScriptList()->setCurrentRow(row);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            TMDIChild* form = w.CurrentForm();
            QVERIFY(form);
            for (Caption* label : form->findChildren<Caption*>()) {
                if (!label->buddy()) continue;
                const QString where = form->objectName() + QStringLiteral(" ") + label->text();
                // As wide as the caption is drawn, shaped as a line.
                const int drawn = label->fontMetrics()
                                      .boundingRect(QRect(0, 0, 2000, 2000), Qt::TextShowMnemonic, label->text())
                                      .width();
                QVERIFY2(label->width() >= drawn, qPrintable(where));
                QVERIFY2(label->geometry().right() < label->buddy()->geometry().left(), qPrintable(where));
                QVERIFY2(label->x() >= 2, qPrintable(where));  // clear of the form's frame
                ++captions;
            }
        }
        QVERIFY(captions >= 20);
    }
};

QTEST_MAIN(LibraryTest)
#include "tst_library.moc"
