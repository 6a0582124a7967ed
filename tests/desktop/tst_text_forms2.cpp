// The text forms TTextForm13 to TTextForm25 as the app shows them: opened on
// their shipped entries, edited with the keyboard and the list buttons, and
// generated from the shipped script files.
#include <QtTest>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/interface_font.h"
#include "catalogue/plugin.h"
#include "effects/controls.h"
#include "effects/forms.h"
#include "effects/mdi_child.h"
#include "effects/registry.h"
#include "effects/shell.h"
#include "errors.h"
#include "support.h"

using namespace zentrava;
using namespace zentrava::desktop;
using namespace zentrava::desktop::testing;

namespace {

// A shell without a main window, on the shipped text library.
struct LibraryShell : FakeShell {
    LibraryShell() { dir = ZENTRAVA_DATA_DIR; }
};

Tplugin Entry(const std::string& className) {
    for (const Tplugin& p : LoadCatalogue(std::string(ZENTRAVA_DATA_DIR) + "/text.ini")) {
        if (EqualsIgnoreCase(p.form, className)) return p;
    }
    return {};
}

const FormDecl& Decl(const char* className) { return *FormRegistry::Instance().Find(className); }

void Click(TMDIChild& form, const char* button) {
    QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

}  // namespace

class TextForms2Test : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The classic pixel layout, which the size checks compare with.
    void initTestCase() { SetInterfaceFont(QApplication::font(), 1.0); }

    void everyFormOpensAndGeneratesFromItsShippedEntry() {
        for (int n = 13; n <= 25; ++n) {
            const std::string name = "TTextForm" + std::to_string(n);
            LibraryShell shell;
            shell.entry = Entry(name);
            QVERIFY2(!shell.entry.script.empty(), name.c_str());
            TMDIChild form(Decl(name.c_str()), shell);
            form.Generate();
            QVERIFY2(shell.services.boxes.empty(), name.c_str());
            QCOMPARE(shell.codeWindowShown, 1);
            QVERIFY(shell.shownLines.size() > 3);
        }
    }

    void spinEditsTakeOnlyNumberSignsAndGoIntoTheirLines() {
        LibraryShell shell;
        shell.entry = Entry("TTextForm24");
        TMDIChild form(Decl("TTextForm24"), shell);
        auto* start = qobject_cast<TextSpinBox*>(form.Control(QStringLiteral("sSpinEdit1")));
        auto* width = qobject_cast<TextSpinBox*>(form.Control(QStringLiteral("sSpinEdit2")));
        QVERIFY(start && width);
        QCOMPARE(start->size(), QSize(57, 22));
        QCOMPARE(width->text(), QStringLiteral("400"));
        start->setText(QString());
        QTest::keyClicks(start, QStringLiteral("a-1b5"));
        QCOMPARE(start->text(), QStringLiteral("-15"));
        // An empty number box would leave "var scroll_length = ;": it is named instead.
        width->setText(QString());
        form.Generate();
        QCOMPARE(shell.services.boxes.size(), std::size_t(1));
        QVERIFY(shell.shownLines.empty());
        width->setText(QStringLiteral("400"));
        form.Generate();
        QCOMPARE(shell.shownLines.at(13), std::string(" var begin_pos = -15;"));
        QCOMPARE(shell.shownLines.at(11), std::string(" var scroll_length = 400;"));
    }

    void listButtonsEditTheDescriptionLines() {
        LibraryShell shell;
        shell.entry = Entry("TTextForm25");
        TMDIChild form(Decl("TTextForm25"), shell);
        auto* list = qobject_cast<QListWidget*>(form.Control(QStringLiteral("ListBox1")));
        QVERIFY(list);
        QCOMPARE(list->count(), 3);
        Click(form, "XP_Button2");  // Add with the empty description edit
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->item(3)->text(), QString());
        Click(form, "XP_Button4");  // Remove with nothing selected
        QCOMPARE(list->count(), 4);
        list->item(1)->setSelected(true);
        Click(form, "XP_Button4");
        QCOMPARE(list->count(), 3);
        QVERIFY(list->selectedItems().isEmpty());
        form.Generate();
        QCOMPARE(shell.shownLines.back(), std::string("<a href=\"") + forms::kDefaultLink +
                                               "\" title=\"Make your website colorful<BR>Zentrava is your tool.<BR>"
                                               "<BR>\">Zentrava</a>");
        Click(form, "XP_Button3");  // Clear
        QCOMPARE(list->count(), 0);
        form.Generate();
        QVERIFY(shell.shownLines.back().find("title=\"\"") != std::string::npos);
    }

    void entriesAddedToTheMessageListGetTheirOwnLine() {
        LibraryShell shell;
        shell.entry = Entry("TTextForm13");
        TMDIChild form(Decl("TTextForm13"), shell);
        auto* edit = qobject_cast<QLineEdit*>(form.Control(QStringLiteral("FlatEdit64")));
        QVERIFY(edit);
        edit->setText(QStringLiteral("it's"));
        Click(form, "XP_Button2");
        form.Generate();
        QCOMPARE(shell.shownLines.at(34), std::string("message[3]='it's'"));
        QCOMPARE(shell.shownLines.at(35), std::string("// (free message slot)"));
    }
};

QTEST_MAIN(TextForms2Test)
#include "tst_text_forms2.moc"
