// The effect form framework and the shared generator utilities
// as the desktop renders them from the form declarations.
#include <QtTest>

#include <algorithm>
#include <set>


#include <QComboBox>
#include <QAbstractItemView>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "app/main_window.h"
#include "app/picture_button.h"
#include "app/interface_font.h"
#include "app/language.h"
#include "app/services.h"
#include "effects/child_window.h"
#include "effects/control_kind.h"
#include "effects/controls.h"
#include "effects/form_texts.h"
#include "effects/mdi_child.h"
#include "effects/registry.h"
#include "effects/shell.h"
#include "output/code_window.h"
#include "output/preview_pane.h"
#include "output/system_colors.h"
#include "output/text_codec.h"
#include "support.h"

using namespace zentrava;
using namespace zentrava::desktop;
using namespace zentrava::desktop::testing;

namespace {

template <typename T>
T* Find(QWidget* form, const char* name) {
    return form->findChild<T*>(QString::fromLatin1(name));
}

// A form that shows every kind of control, with list buttons.
FormDecl KitchenSink() {
    FormDecl f;
    f.className = "TKitchenSink";
    f.unit = "sink";
    f.panel = ParameterPanel(300);
    ControlDecl list;
    list.name = "ListBox1";
    list.kind = ControlKind::ListBox;
    list.label = "Items:";
    list.entries = {{"one"}, {"two"}};
    list.rect = {96, 48, 150, 80};
    ControlDecl view;
    view.name = "ListView1";
    view.kind = ControlKind::ListView;
    view.label = "Menu:";
    view.columns = {{"Caption", 80}, {"Link", -1}, {"Target", -1}};
    view.editableCaptions = true;
    view.entries = {{"Home", "index.htm", "_self"}};
    view.rect = {96, 140, 300, 80};
    view.labelLeft = 20;
    ControlDecl add = Button("XP_Button2", "Add", ButtonAction::AddEntry, "ListView1", {400, 140, 60, 22});
    add.sources = {{"FlatEdit1", ""}, {"FlatEdit2", ""}, {"", "_blank"}};
    ControlDecl addItem = Button("XP_Button5", "Add item", ButtonAction::AddEntry, "ListBox1", {250, 48, 60, 22});
    addItem.sources = {{"FlatEdit1", ""}};
    f.controls = {
        list,
        view,
        Edit("FlatEdit1", "Caption:", "News", 7, 100),
        Edit("FlatEdit2", "Link:", "news.htm", 8, 100),
        add,
        addItem,
        Button("XP_Button4", "Remove", ButtonAction::RemoveEntry, "ListView1", {400, 166, 60, 22}),
        Button("XP_Button3", "Clear", ButtonAction::ClearEntries, "ListBox1", {250, 74, 60, 22}),
        Swatch("Panel1", "Face:", colors::kBtnFace, 9),
        Swatch("Panel2", "Preset:", colors::kRed, 10, /*preset=*/true),
        SpinEdit("sSpinEdit1", "Width:", "12", 11),
    };
    ControlDecl targeted = Swatch("Panel3", "Sets 2:", colors::kBlack, 9);
    targeted.rect.left = 300;
    targeted.swatchTarget = "Panel2";
    f.controls.push_back(targeted);
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Clear();
        out.Add("h");
        out.Add("");
        for (const ListEntry& e : v.Entries("ListBox1")) out.Add("item " + e.at(0));
        for (const ListEntry& e : v.Entries("ListView1")) out.Add("menu " + e.at(0) + "|" + e.at(1) + "|" + e.at(2));
        out.Add("face " + v.Hex("Panel1") + " preset " + v.Hex("Panel2") + " width " + v.Text("sSpinEdit1"));
    };
    return f;
}

}  // namespace

class EffectFormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        InstallSystemColorResolver();
        PreviewPane::SetModulePath(QStringLiteral("/nonexistent/libzentrava-preview.so"));
        // The classic pixel layout, which the geometry checks compare with.
        SetInterfaceFont(QApplication::font(), 1.0);
    }

    void titleFrameAndGenerateButtonFollowTheFramework() {
        FakeShell shell;
        shell.entry.ename = "Follow text";
        TMDIChild form(*FormRegistry::Instance().Find("TMouseForm6"), shell);
        QCOMPARE(form.size(), QSize(500, 423));
        auto* title = Find<Caption>(&form, "TitlePanel");
        QVERIFY(title);
        QCOMPARE(title->text(), QStringLiteral("  Follow text"));
        QCOMPARE(title->height(), 25);
        QCOMPARE(title->palette().color(QPalette::Window), QColor(0, 64, 128));
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(title->font().bold());
        QCOMPARE(title->font().pointSizeF(), InterfaceFont().pointSizeF());
        auto* generate = Find<QPushButton>(&form, "XP_Button1");
        QVERIFY(generate);
        QCOMPARE(generate->text(), QStringLiteral("&Generate Codes..."));
        QCOMPARE(generate->geometry(), QRect(384, 384, 99, 24));
        auto* panel = Find<QFrame>(&form, "ParameterPanel");
        QVERIFY(panel);
        QCOMPARE(panel->geometry(), QRect(8, 40, 481, 193));
        QCOMPARE(panel->palette().color(QPalette::Window), QColor(Qt::white));

        // The black two-pixel frame and the title's colour, as painted.
        const QImage image = form.grab().toImage();
        for (const QPoint& p : {QPoint(0, 0), QPoint(1, 1), QPoint(499, 422), QPoint(498, 421), QPoint(0, 200),
                                QPoint(499, 200), QPoint(250, 0), QPoint(250, 422)}) {
            QCOMPARE(image.pixelColor(p), QColor(Qt::black));
        }
        QCOMPARE(image.pixelColor(QPoint(2, 2)), QColor(0, 64, 128));
        QCOMPARE(image.pixelColor(QPoint(490, 20)), QColor(0, 64, 128));
        QCOMPARE(image.pixelColor(QPoint(480, 100)), QColor(Qt::white));  // the parameter panel
    }

    // Every caption and label of every registered form fits its box with a
    // margin in the font it is drawn in (forms added later included), with
    // the layout scaled for the desktop's font size, in every interface
    // language. The suite runs again at 1.5 and 2 device pixels per pixel
    // (QT_SCALE_FACTOR, see CMakeLists).
    void everyCaptionFitsItsBox_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<qreal>("points");
        for (const char* code : kLanguageCodes) {
            for (const qreal points : {9.0, 10.0, 11.0, 12.0}) {
                QTest::addRow("%s %g pt", code, points) << QString::fromLatin1(code) << points;
            }
        }
    }
    void everyCaptionFitsItsBox() {
        QFETCH(QString, language);
        QFETCH(qreal, points);
        SetTranslationsFolder(QStringLiteral(ZENTRAVA_TRANSLATIONS_DIR));
        QVERIFY2(SetInterfaceLanguage(language), qPrintable(language + QStringLiteral(" translation missing")));
        const auto english = qScopeGuard([] { SetInterfaceLanguage(QStringLiteral("en")); });
        QFont font = QApplication::font();
        font.setPointSizeF(points);
        SetInterfaceFont(font);
        const auto restore = qScopeGuard([] { SetInterfaceFont(QApplication::font(), 1.0); });
        const qreal scale = InterfaceScale();
        QVERIFY(scale > 1.0);
        auto fits = [](QWidget* w, const QString& text, int margin, const QString& where) {
            const int needed = w->fontMetrics().horizontalAdvance(text) + margin;
            QVERIFY2(needed <= w->width(), qPrintable(QStringLiteral("%1 %2 \"%3\": %4 pixels needed, %5 wide")
                                                          .arg(where, w->objectName(), text)
                                                          .arg(needed)
                                                          .arg(w->width())));
        };
        FakeShell shell;
        int checked = 0, translated = 0;
        for (const FormDecl& decl : FormRegistry::Instance().All()) {
            TMDIChild form(decl, shell);
            const QString where = QString::fromStdString(decl.className);
            QCOMPARE(form.size(), Scaled(QSize(TMDIChild::kWidth, TMDIChild::kHeight)));
            for (const ControlDecl& c : decl.controls) {
                QCOMPARE(form.Control(QString::fromStdString(c.name))->geometry(),
                         Scaled(QRect(c.rect.left, c.rect.top, c.rect.width, c.rect.height)));
            }
            for (QWidget* w : form.findChildren<QWidget*>()) {
                QVERIFY2(form.rect().contains(w->geometry()) || !w->isVisibleTo(&form),
                         qPrintable(where + QLatin1Char(' ') + w->objectName()));
                QString text;
                int margin = 0;
                if (auto* label = qobject_cast<QLabel*>(w)) {
                    text = label->text();
                    margin = kLabelMargin;
                } else if (auto* caption = qobject_cast<Caption*>(w);
                           caption && w->objectName() != QStringLiteral("TitlePanel")) {
                    text = caption->text();
                    margin = kLabelMargin;
                } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                    text = ShownCaption(button->text());
                    margin = 2 * kButtonMargin;
                }
                if (text.isEmpty()) continue;
                fits(w, text, margin, where);
                if (QTest::currentTestFailed()) return;
                ++checked;
                translated += std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x4E00; });
            }
        }
        QVERIFY(checked > 20);
        // The Chinese forms are drawn in Chinese.
        QCOMPARE(translated > checked / 2, language != QStringLiteral("en"));
        // The code window's buttons too, in a window the same factor larger.
        FakeServices services;
        CodeWindow code(services, QDir::tempPath());
        QCOMPARE(code.size(), Scaled(QSize(601, 316)));
        for (QPushButton* button : code.findChildren<QPushButton*>()) {
            fits(button, ShownCaption(button->text()), 2 * kButtonMargin, QStringLiteral("code window"));
            if (QTest::currentTestFailed()) return;
        }
        // And the main window's toolbar, each caption in bold as when it is selected.
        ProgramDir dir;
        MainWindow w(dir.Path(), services);
        QCOMPARE(w.size(), Scaled(QSize(MainWindow::kClientWidth, MainWindow::kClientHeight)));
        QVERIFY(w.minimumSize() == w.maximumSize());  // fixed: nothing to maximise
        for (int i = 0; w.CategoryButton(i); ++i) {
            QFont bold = w.CategoryButton(i)->font();
            bold.setBold(true);
            QVERIFY2(QFontMetrics(bold).horizontalAdvance(w.CategoryButton(i)->text()) <= w.CategoryButton(i)->width(),
                     qPrintable(w.CategoryButton(i)->text()));
        }
        qInfo("interface font: %s %.1f pt, scale %.3f", qPrintable(font.family()), points, scale);
    }

    // The forms' texts are listed for the translation tools, every one of
    // every registered form (a new form's texts are otherwise never translated).
    void everyFormTextIsListedForTranslation() {
        std::set<std::string> listed(ListedFormTexts().begin(), ListedFormTexts().end());
        QStringList missing;
        for (const FormDecl& decl : FormRegistry::Instance().All()) {
            for (const std::string& text : TranslatableTexts(decl)) {
                if (!listed.count(text)) missing << QString::fromStdString(decl.className + ": " + text);
            }
        }
        missing.removeDuplicates();
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("not listed (run build/tests/zentrava_form_texts > "
                                           "src/desktop/effects/form_texts.cpp, then the zentrava_lupdate target): ") +
                            missing.join(QStringLiteral("; "))));
        // Captions and labels, never default values (they go into the code).
        const std::vector<std::string> texts = TranslatableTexts(*FormRegistry::Instance().Find("TMouseForm6"));
        QVERIFY(std::find(texts.begin(), texts.end(), "Text:") != texts.end());
        for (const ControlDecl& c : FormRegistry::Instance().Find("TMouseForm6")->controls) {
            if (c.kind == ControlKind::Edit && !c.text.empty()) {
                QVERIFY(std::find(texts.begin(), texts.end(), c.text) == texts.end());
            }
        }
    }

    void emptyEnameGivesABlankTitle() {
        FakeShell shell;
        TMDIChild form(*FormRegistry::Instance().Find("TMDIChild"), shell);
        QCOMPARE(Find<Caption>(&form, "TitlePanel")->text(), QStringLiteral("  "));
        QVERIFY(!Find<QPushButton>(&form, "XP_Button1"));
    }

    void controlsStandAtTheirPlacesWithRightAlignedLabels() {
        FakeShell shell;
        const FormDecl& decl = *FormRegistry::Instance().Find("TMouseForm6");
        TMDIChild form(decl, shell);
        for (const ControlDecl& c : decl.controls) {
            QWidget* w = form.Control(QString::fromStdString(c.name));
            QVERIFY2(w, c.name.c_str());
            QCOMPARE(w->objectName(), QString::fromStdString(c.name));
            QCOMPARE(w->geometry(), QRect(c.rect.left, c.rect.top, c.rect.width, c.rect.height));
            auto* label = form.findChild<Caption*>(QString::fromStdString(c.name) + QStringLiteral("Label"));
            QVERIFY(label);
            QCOMPARE(label->text(), QString::fromStdString(c.label));
            QCOMPARE(label->geometry(), QRect(8, c.rect.top, c.rect.left - 6 - 8, c.rect.height));
            QCOMPARE(label->alignment(), Qt::AlignRight | Qt::AlignVCenter);
            QCOMPARE(label->buddy(), w);
        }
        QVERIFY(qobject_cast<QLineEdit*>(form.Control(QStringLiteral("flatedit3"))));  // letter case ignored
        QVERIFY(qobject_cast<ColorSwatch*>(form.Control(QStringLiteral("Panel18"))));
        QVERIFY(qobject_cast<QComboBox*>(form.Control(QStringLiteral("FontComboBox1"))));
        QVERIFY(qobject_cast<QComboBox*>(form.Control(QStringLiteral("ComboBox1"))));
    }

    void labelLeftIsHonoured() {
        FakeShell shell;
        TMDIChild form(*FormRegistry::Instance().Find("TMouseForm19"), shell);
        auto* label = Find<Caption>(&form, "Panel10Label");
        QCOMPARE(label->geometry().left(), 8);
    }

    // Every form that generates without a single parameter says so.
    void noParamFormShowsItsNote() {
        FakeShell shell;
        int forms = 0;
        for (const FormDecl& decl : FormRegistry::Instance().All()) {
            if (!decl.generate) continue;
            bool parameters = false;
            for (const ControlDecl& c : decl.controls) parameters = parameters || c.kind != ControlKind::Label;
            if (parameters) continue;
            ++forms;
            TMDIChild form(decl, shell);
            auto* note = Find<QLabel>(&form, "Label1");
            QVERIFY2(note, decl.className.c_str());
            QCOMPARE(note->text(), QStringLiteral("No Parameters to be set. Use it directly."));
            QCOMPARE(note->font().pointSize(), 10);
            QCOMPARE(Find<QFrame>(&form, "ParameterPanel")->geometry(), QRect(8, 40, 489, 41));
        }
        QVERIFY(forms >= 2);
    }

    void defaultsMatchTheDeclarationAndResetRestoresThem() {
        FakeShell shell;
        for (const FormDecl& decl : FormRegistry::Instance().All()) {
            TMDIChild form(decl, shell);
            const FormValues defaults = DefaultValues(decl);
            const FormValues shown = form.CollectValues();
            for (const ControlDecl& c : decl.controls) {
                if (c.kind == ControlKind::Button || c.kind == ControlKind::Label) continue;
                const ControlValue* a = defaults.Find(c.name);
                const ControlValue* b = shown.Find(c.name);
                QVERIFY(a && b);
                QCOMPARE(b->text, a->text);
                QCOMPARE(b->color, a->color);
                QCOMPARE(b->entries, a->entries);
            }
            // Reset, clear of every other control, brings the defaults back
            // after every value was changed.
            auto* reset = Find<QPushButton>(&form, "ResetButton");
            if (!reset) continue;
            for (QWidget* w : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                QVERIFY2(w == reset || !w->isVisibleTo(&form) || !w->geometry().intersects(reset->geometry()),
                         qPrintable(QString::fromStdString(decl.className) + QLatin1Char(' ') + w->objectName()));
            }
            FormValues changed = defaults;
            for (const ControlDecl& c : decl.controls) {
                if (c.kind == ControlKind::Button || c.kind == ControlKind::Label) continue;
                ControlValue& v = changed[c.name];
                v.text += "7x";
                v.color ^= 0x102030;
                v.entries = {{"changed", "1", "2", "3"}};
            }
            form.ApplyValues(changed);
            const FormValues typed = form.CollectValues();
            QTest::mouseClick(reset, Qt::LeftButton);
            const FormValues reset_ = form.CollectValues();
            for (const ControlDecl& c : decl.controls) {
                if (c.kind == ControlKind::Button || c.kind == ControlKind::Label) continue;
                const ControlValue* was = typed.Find(c.name);
                const ControlValue* now = reset_.Find(c.name);
                const ControlValue* def = defaults.Find(c.name);
                QVERIFY(was->text != def->text || was->color != def->color || was->entries != def->entries);
                QCOMPARE(now->text, def->text);
                QCOMPARE(now->color, def->color);
                QCOMPARE(now->entries, def->entries);
            }
        }
    }

    // Each kind's widget shows exactly the value it is given and gives it
    // back, on every registered form, and a form with values announces the
    // change.
    void everyControlGivesBackTheValueItShows() {
        FakeShell shell;
        int checked = 0;
        for (const FormDecl& decl : FormRegistry::Instance().All()) {
            TMDIChild form(decl, shell);
            QSignalSpy changes(&form, &TMDIChild::parametersChanged);
            FormValues changed = DefaultValues(decl);
            for (const ControlDecl& c : decl.controls) {
                if (!HoldsValue(c)) continue;
                ControlValue& v = changed[c.name];
                if (IsList(c)) {
                    ListEntry entry;
                    for (std::size_t i = 0; i < EntryFields(c); ++i) entry.push_back("\xe5\xad\x97 " + std::to_string(i));
                    v.entries = {entry, entry};
                } else if (ValueOf(c) == ValueKind::Colour) {
                    v.color ^= 0x102030;
                } else {
                    v.text = ValueOf(c) == ValueKind::Number ? "-12.5" : "it's \xe5\xad\x97";
                }
                ++checked;
            }
            form.ApplyValues(changed);
            const FormValues shown = form.CollectValues();
            for (const ControlDecl& c : decl.controls) {
                if (!HoldsValue(c)) continue;
                const QByteArray where = QByteArray::fromStdString(decl.className + " " + c.name);
                QVERIFY2(shown.Find(c.name)->text == changed.Find(c.name)->text, where);
                QVERIFY2(shown.Find(c.name)->color == changed.Find(c.name)->color, where);
                QVERIFY2(shown.Find(c.name)->entries == changed.Find(c.name)->entries, where);
            }
            const bool anyValue = std::any_of(decl.controls.begin(), decl.controls.end(),
                                              [](const ControlDecl& c) { return HoldsValue(c); });
            QCOMPARE(changes.isEmpty(), !anyValue);
        }
        QVERIFY(checked > 100);
    }

    void fontBoxStartsEmptyAndListsInstalledFamiliesOnce() {
        FakeShell shell;
        TMDIChild form(*FormRegistry::Instance().Find("TMouseForm6"), shell);
        auto* box = qobject_cast<QComboBox*>(form.Control(QStringLiteral("FontComboBox1")));
        QCOMPARE(box->currentText(), QString());
        QCOMPARE(form.CollectValues().Text("FontComboBox1"), std::string());
        // Every installed family, by the name a style rule takes, once, in
        // the form's font (no entry is drawn in its own font).
        QCOMPARE(box->count(), CssFamilyNames(QFontDatabase::families()).size());
        QSet<QString> seen;
        for (int i = 0; i < box->count(); ++i) {
            const QString name = box->itemText(i);
            QVERIFY2(!name.contains(QLatin1Char('[')), qPrintable(name));
            QVERIFY2(!seen.contains(name), qPrintable(name));
            seen.insert(name);
            QVERIFY(!box->itemData(i, Qt::FontRole).isValid());
        }
        QVERIFY(seen.contains(QStringLiteral("DejaVu Sans")));
        QCOMPARE(box->view()->font(), form.font());
        box->setCurrentIndex(box->findText(QStringLiteral("DejaVu Sans")));
        QCOMPARE(form.CollectValues().Text("FontComboBox1"), std::string("DejaVu Sans"));
    }

    void spinEditKeepsTextAsTypedAndStepsNumbers() {
        TextSpinBox spin;
        spin.setText(QStringLiteral("12"));
        spin.stepBy(1);
        QCOMPARE(spin.text(), QStringLiteral("13"));
        spin.stepBy(-3);
        QCOMPARE(spin.text(), QStringLiteral("10"));
        spin.setText(QStringLiteral(" 5px"));
        spin.stepBy(1);
        QCOMPARE(spin.text(), QStringLiteral(" 5px"));
        spin.setText(QString());
        QTest::keyClicks(&spin, QStringLiteral("0x1f abc"));  // only digits, signs and the separator
        QCOMPARE(spin.text(), QStringLiteral("01"));
        spin.setText(QString());
        QTest::keyClicks(&spin, QStringLiteral("-050") + spin.locale().decimalPoint() + QStringLiteral("5"));
        QCOMPARE(spin.text(), QStringLiteral("-050") + spin.locale().decimalPoint() + QStringLiteral("5"));
        QTest::keyClick(&spin, Qt::Key_Up);  // not a whole number: the arrows leave it
        QVERIFY(spin.text().startsWith(QStringLiteral("-050")));
        spin.setText(QStringLiteral("050"));
        QCOMPARE(spin.text(), QStringLiteral("050"));
        spin.setText(QString());
        QCOMPARE(spin.text(), QString());
    }

    void generateCollectsTypedValuesAndShowsTheCodeWindow() {
        ProgramDir dir;
        FakeShell shell;
        shell.dir = ToPath(dir.Path());
        shell.entry.ename = "Message";
        shell.entry.script = "msg";
        TMDIChild form(*FormRegistry::Instance().Find("TMouseForm6"), shell);
        qobject_cast<QLineEdit*>(form.Control(QStringLiteral("FlatEdit3")))->setText(QStringLiteral("Hi ü"));
        auto* font = qobject_cast<QComboBox*>(form.Control(QStringLiteral("FontComboBox1")));
        font->setEditText(QStringLiteral("Courier"));
        auto* size = qobject_cast<QComboBox*>(form.Control(QStringLiteral("ComboBox1")));
        // A number box left empty or half typed is named, and nothing is generated.
        for (const char* notANumber : {"", "-", "2x"}) {
            size->setEditText(QString::fromLatin1(notANumber));
            QTest::mouseClick(Find<QPushButton>(&form, "XP_Button1"), Qt::LeftButton);
            QCOMPARE(shell.services.boxes.size(), std::size_t(1));
            QVERIFY(shell.services.boxes[0].text.endsWith(QStringLiteral("takes a number.")));
            QCOMPARE(shell.codeWindowShown, 0);
            shell.services.boxes.clear();
        }
        size->setEditText(QStringLiteral("24"));
        QTest::mouseClick(Find<QPushButton>(&form, "XP_Button1"), Qt::LeftButton);
        QVERIFY(shell.services.boxes.empty());
        QCOMPARE(shell.codeWindowShown, 1);
        QCOMPARE(shell.shownLines.size(), std::size_t(20));
        QCOMPARE(shell.shownLines[3], std::string("var message='Hi \xc3\xbc'"));
        QCOMPARE(shell.shownLines[4], std::string("var messagecolor='FF0000'"));
        QVERIFY(shell.shownLines[17].find("font-family:Courier;font-size:24px") != std::string::npos);
        QCOMPARE(shell.skeleton.size(), std::size_t(5));
        QCOMPARE(shell.skeleton[2], std::string("<title>Message</title>"));
    }

    // A typed apostrophe that would end the script string gets a warning
    // beside its control (below the panel when the control leaves no room)
    // and a button that inserts the escape; nothing changes until it is pressed.
    void typedQuoteWarnsAndFixesOnlyOnRequest() {
        struct Case {
            const char* form;
            const char* script;
            const char* edit;
            bool beside;
        };
        for (const Case& c : {Case{"TMouseForm21", "textcircle", "FlatEdit109", true},
                              Case{"TMouseForm6", "followtext", "FlatEdit3", false}}) {
            FakeShell shell;
            shell.dir = ZENTRAVA_DATA_DIR;
            shell.entry.script = c.script;
            TMDIChild form(*FormRegistry::Instance().Find(c.form), shell);
            auto* edit = qobject_cast<QLineEdit*>(form.Control(QString::fromLatin1(c.edit)));
            const QString labelName = QString::fromLatin1(c.edit) + QStringLiteral("Warning");
            const QString fixName = QString::fromLatin1(c.edit) + QStringLiteral("Fix");
            QVERIFY(edit);
            QVERIFY(!form.findChild<QLabel*>(labelName) && !form.findChild<QPushButton*>(fixName));
            edit->clear();
            QTest::keyClicks(edit, QStringLiteral("Zentrava's"));
            auto* label = form.findChild<QLabel*>(labelName);
            auto* fix = form.findChild<QPushButton*>(fixName);
            QVERIFY(label && fix);
            QVERIFY(!label->isHidden() && !fix->isHidden());
            QCOMPARE(edit->nextInFocusChain(), fix);  // Tab reaches Fix straight from the text
            QCOMPARE(edit->text(), QStringLiteral("Zentrava's"));
            QCOMPARE(label->text(), c.beside ? QStringLiteral("' ends the string") : QStringLiteral("Text: ' ends the string"));
            const QRect e = edit->geometry(), f = fix->geometry();
            QVERIFY(c.beside ? f.left() > e.right() && f.top() == e.top() : f.top() > e.bottom());
            QVERIFY(form.rect().contains(label->geometry()));
            QTest::mouseClick(fix, Qt::LeftButton);
            QCOMPARE(edit->text(), QStringLiteral("Zentrava\\'s"));
            QVERIFY(label->isHidden() && fix->isHidden());
            form.Generate();
            QCOMPARE(shell.codeWindowShown, 1);
        }
    }

    void missingScriptFileShowsTheErrorBoxAndNoCodeWindow() {
        ProgramDir dir;
        FakeShell shell;
        shell.dir = ToPath(dir.Path());
        shell.entry.script = "nosuchfile";
        SetApplicationTitle(QStringLiteral("Zentrava 2.3"));
        TMDIChild form(*FormRegistry::Instance().Find("TNoParamForm"), shell);
        form.Generate();
        QCOMPARE(shell.codeWindowShown, 0);
        QCOMPARE(shell.services.boxes.size(), std::size_t(1));
        const FakeServices::Box& box = shell.services.boxes[0];
        QVERIFY(box.error);
        QCOMPARE(box.title, QStringLiteral("Zentrava 2.3"));
        QCOMPARE(box.text, QStringLiteral("Cannot open file ") + dir.Path() + QStringLiteral("/nosuchfile.dat."));
        QCOMPARE(box.detail, QString());  // the message names the file itself
        // The page skeleton was rebuilt before the failure.
        QCOMPARE(shell.skeleton.size(), std::size_t(5));
    }

    void shortScriptFileReportsTheListIndex() {
        ProgramDir dir;
        FakeShell shell;
        shell.dir = ToPath(dir.Path());
        shell.entry.script = "short";
        TMDIChild form(*FormRegistry::Instance().Find("TMouseForm6"), shell);
        form.Generate();
        QCOMPARE(shell.codeWindowShown, 0);
        QCOMPARE(shell.services.boxes.size(), std::size_t(1));
        QCOMPARE(shell.services.boxes[0].text, QStringLiteral("List index out of bounds (4)"));
        QCOMPARE(shell.services.boxes[0].detail, dir.Path() + QStringLiteral("/short.dat"));
        // The lines loaded so far stay in the script lines.
        QCOMPARE(form.ScriptLines().Lines(), (std::vector<std::string>{"0", "1", "2", "var message='https://www.example.com/'"}));
    }

    void presetSwatchOpensWithItsColourAndTakesTheChoice() {
        FakeShell shell;
        TMDIChild form(*FormRegistry::Instance().Find("TMouseForm6"), shell);
        auto* swatch = qobject_cast<ColorSwatch*>(form.Control(QStringLiteral("Panel18")));
        shell.services.colorAnswers.push_back(QColor(0, 0, 255));
        QTest::mouseClick(swatch, Qt::LeftButton);
        QCOMPARE(shell.services.colorRequests.back(), QColor(255, 0, 0));  // preset: the swatch's red
        QCOMPARE(swatch->colorValue(), colors::kBlue);
        QCOMPARE(form.CollectValues().Hex("Panel18"), std::string("0000FF"));
        // Cancel changes nothing.
        QTest::mouseClick(swatch, Qt::LeftButton);
        QCOMPARE(shell.services.colorRequests.back(), QColor(0, 0, 255));
        QCOMPARE(swatch->colorValue(), colors::kBlue);
    }

    void notPresetSwatchOpensWithTheDialogsLastColourAcrossForms() {
        FakeShell shell;
        auto first = std::make_unique<TMDIChild>(*FormRegistry::Instance().Find("TMouseForm12"), shell);
        auto* fg = qobject_cast<ColorSwatch*>(first->Control(QStringLiteral("Panel20")));
        QTest::mouseClick(fg, Qt::LeftButton);  // cancelled
        QCOMPARE(shell.services.colorRequests.back(), QColor(Qt::black));  // black before any choice
        QCOMPARE(fg->colorValue(), colors::kYellow);
        shell.services.colorAnswers.push_back(QColor(0, 0, 255));
        QTest::mouseClick(fg, Qt::LeftButton);
        QCOMPARE(fg->colorValue(), colors::kBlue);
        first.reset();
        // Another form's not-preset swatch opens on that blue.
        TMDIChild second(*FormRegistry::Instance().Find("TMouseForm21"), shell);
        auto* swatch = qobject_cast<ColorSwatch*>(second.Control(QStringLiteral("Panel10")));
        QTest::mouseClick(swatch, Qt::LeftButton);
        QCOMPARE(shell.services.colorRequests.back(), QColor(0, 0, 255));
        QCOMPARE(swatch->colorValue(), colors::kBlack);
    }

    void swatchWithTargetColoursItsTarget() {
        FakeShell shell;
        TMDIChild form(KitchenSink(), shell);
        auto* source = qobject_cast<ColorSwatch*>(form.Control(QStringLiteral("Panel3")));
        shell.services.colorAnswers.push_back(QColor(0x12, 0x34, 0x56));
        QTest::mouseClick(source, Qt::LeftButton);
        QCOMPARE(source->colorValue(), colors::kBlack);
        QCOMPARE(form.CollectValues().Hex("Panel2"), std::string("123456"));
    }

    void systemColourSwatchWritesThePaletteColour() {
        FakeShell shell;
        shell.dir = "/nonexistent";
        TMDIChild form(KitchenSink(), shell);
        const QColor face = QApplication::palette().color(QPalette::Active, QPalette::Button);
        const std::string hex = QStringLiteral("%1%2%3")
                                    .arg(face.red(), 2, 16, QLatin1Char('0'))
                                    .arg(face.green(), 2, 16, QLatin1Char('0'))
                                    .arg(face.blue(), 2, 16, QLatin1Char('0'))
                                    .toUpper()
                                    .toStdString();
        QCOMPARE(form.CollectValues().Hex("Panel1"), hex);
        QCOMPARE(qobject_cast<ColorSwatch*>(form.Control(QStringLiteral("Panel1")))->shownColor(), face);
        form.Generate();
        QVERIFY(shell.shownLines.back().find("face " + hex) != std::string::npos);
        QCOMPARE(ColorToHex(colors::kWindow), ToBytes(QApplication::palette().color(QPalette::Base).name().mid(1).toUpper()));
    }

    void listButtonsAddRemoveAndClearEntries() {
        FakeShell shell;
        TMDIChild form(KitchenSink(), shell);
        auto* view = qobject_cast<QTreeWidget*>(form.Control(QStringLiteral("ListView1")));
        auto* list = qobject_cast<QListWidget*>(form.Control(QStringLiteral("ListBox1")));
        QCOMPARE(view->columnCount(), 3);
        QCOMPARE(view->headerItem()->text(1), QStringLiteral("Link"));
        QCOMPARE(view->columnWidth(0), 80);
        QCOMPARE(view->columnWidth(1), view->columnWidth(2));
        QVERIFY(view->topLevelItem(0)->flags() & Qt::ItemIsEditable);
        QCOMPARE(form.findChild<Caption*>(QStringLiteral("ListView1Label"))->geometry().left(), 20);

        QTest::mouseClick(Find<QPushButton>(&form, "XP_Button2"), Qt::LeftButton);  // Add
        QCOMPARE(view->topLevelItemCount(), 2);
        QCOMPARE(view->topLevelItem(1)->text(0), QStringLiteral("News"));
        QCOMPARE(view->topLevelItem(1)->text(1), QStringLiteral("news.htm"));
        QCOMPARE(view->topLevelItem(1)->text(2), QStringLiteral("_blank"));
        list->item(0)->setSelected(true);
        QTest::mouseClick(Find<QPushButton>(&form, "XP_Button5"), Qt::LeftButton);  // Add item
        QCOMPARE(list->count(), 3);
        QVERIFY(list->selectedItems().isEmpty());  // the change cleared the selection
        QCOMPARE(list->item(2)->text(), QStringLiteral("News"));

        // Remove without a selection does nothing; with one, removes it.
        QTest::mouseClick(Find<QPushButton>(&form, "XP_Button4"), Qt::LeftButton);
        QCOMPARE(view->topLevelItemCount(), 2);
        view->topLevelItem(0)->setSelected(true);
        QTest::mouseClick(Find<QPushButton>(&form, "XP_Button4"), Qt::LeftButton);
        QCOMPARE(view->topLevelItemCount(), 1);
        QCOMPARE(view->topLevelItem(0)->text(0), QStringLiteral("News"));
        view->topLevelItem(0)->setText(0, QStringLiteral("Edited"));

        QTest::mouseClick(Find<QPushButton>(&form, "XP_Button3"), Qt::LeftButton);  // Clear the list box
        QCOMPARE(list->count(), 0);

        form.Generate();
        QCOMPARE(shell.shownLines, (std::vector<std::string>{"h", "", "menu Edited|news.htm|_blank",
                                                             shell.shownLines.back()}));
        QVERIFY(shell.shownLines.back().find("preset FF0000 width 12") != std::string::npos);
    }

    void unitWordsStandRightOfTheirControlsAndCompleteTheirNames() {
        FakeShell shell;
        TMDIChild form(*FormRegistry::Instance().Find("TTimeForm18"), shell);
        const std::vector<std::pair<QString, QString>> units = {
            {QStringLiteral("sSpinEdit1"), QStringLiteral("year")},
            {QStringLiteral("sSpinEdit2"), QStringLiteral("month")},
            {QStringLiteral("sSpinEdit3"), QStringLiteral("day")}};
        int right = 0;
        for (const auto& [name, word] : units) {
            QWidget* spin = form.Control(name);
            auto* unit = form.findChild<Caption*>(name + QStringLiteral("Unit"));
            QVERIFY(spin && unit);
            QCOMPARE(unit->text(), word);
            QCOMPARE(unit->geometry().left(), spin->geometry().right() + 1 + 4);
            QCOMPARE(unit->geometry().top(), spin->geometry().top());
            QVERIFY(spin->geometry().left() > right);  // nothing overlaps on the row
            right = unit->geometry().right();
        }
        QCOMPARE(form.Control(QStringLiteral("sSpinEdit1"))->accessibleName(), QStringLiteral("Date year"));
        QCOMPARE(form.Control(QStringLiteral("sSpinEdit2"))->accessibleName(), QStringLiteral("month"));
    }

    void everyListEntryCanBeSelectedAndRemovedBeyond256() {
        FakeShell shell;
        TMDIChild form(*FormRegistry::Instance().Find("TPageForm14"), shell);
        form.show();
        auto* list = qobject_cast<QListWidget*>(form.Control(QStringLiteral("FlatListBox4")));
        auto* edit = qobject_cast<QLineEdit*>(form.Control(QStringLiteral("FlatEdit87")));
        QCOMPARE(list->count(), 3);
        for (int i = 3; i < 300; ++i) {
            edit->setText(QString::number(i));
            QTest::mouseClick(Find<QPushButton>(&form, "XP_Button2"), Qt::LeftButton);  // Add
        }
        QCOMPARE(list->count(), 300);
        QListWidgetItem* late = list->item(290);
        list->scrollToItem(late);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(late).center());
        QVERIFY(late->isSelected());
        QTest::mouseClick(Find<QPushButton>(&form, "XP_Button4"), Qt::LeftButton);  // Remove
        QCOMPARE(list->count(), 299);
        QCOMPARE(list->item(290)->text(), QStringLiteral("291"));
    }

    void menuEditorButtonsAndKeys_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("names");  // caption, link, description (or empty), list
        QTest::addColumn<QString>("newLine");    // the line Generate writes for the added entry
        QTest::newRow("without a description") << "TMenuForm4" << "menu4"
                                                << QStringList{"FlatEdit11", "FlatEdit12", "", "ListView4"}
                                                << "addItem(\"News\", \"news.htm\", \"\");";
        QTest::newRow("with a description")
            << "TMenuForm17" << "menu17" << QStringList{"FlatEdit93", "FlatEdit94", "FlatEdit95", "ListView14"}
            << "<a href=\"news.htm\" onMouseOver=Show(div0) onMouseOut=Hide(div0) >News</a>";
        QTest::newRow("with slots for 100 entries")
            << "TMenuForm10" << "menu10" << QStringList{"FlatEdit53", "FlatEdit54", "", "ListView10"}
            << "selection[0]='<font face=\"MS sans arial\"><a href=\"news.htm\">News</a></font><br>'";
    }

    void menuEditorButtonsAndKeys() {
        QFETCH(QString, form);
        QFETCH(QString, script);
        QFETCH(QStringList, names);
        QFETCH(QString, newLine);
        const bool described = !names[2].isEmpty();
        FakeShell shell;
        shell.dir = ZENTRAVA_DATA_DIR;
        shell.entry.ename = "Menu";
        shell.entry.script = ToBytes(script);
        const FormDecl* decl = FormRegistry::Instance().Find(ToBytes(form));
        QVERIFY(decl);
        TMDIChild child(*decl, shell);
        auto* caption = qobject_cast<QLineEdit*>(child.Control(names[0]));
        auto* link = qobject_cast<QLineEdit*>(child.Control(names[1]));
        auto* view = qobject_cast<QTreeWidget*>(child.Control(names[3]));
        QVERIFY(caption && link && view);
        QCOMPARE(view->columnCount(), described ? 3 : 2);
        if (described) QCOMPARE(view->columnWidth(2), 100);
        QCOMPARE(view->columnWidth(0), view->columnWidth(1));
        QVERIFY(!(view->topLevelItem(0)->flags() & Qt::ItemIsEditable));
        QCOMPARE(view->topLevelItemCount(), 2);
        QCOMPARE(caption->text(), QStringLiteral("Zentrava"));

        caption->setText(QStringLiteral("News"));
        link->setText(QStringLiteral("news.htm"));
        if (described) qobject_cast<QLineEdit*>(child.Control(names[2]))->setText(QStringLiteral("Latest"));
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Return);  // Enter adds, the edits keep their text
        QCOMPARE(view->topLevelItemCount(), 3);
        QCOMPARE(view->topLevelItem(2)->text(0), QStringLiteral("News"));
        QCOMPARE(view->topLevelItem(2)->text(1), QStringLiteral("news.htm"));
        if (described) QCOMPARE(view->topLevelItem(2)->text(2), QStringLiteral("Latest"));
        QCOMPARE(link->text(), QStringLiteral("news.htm"));
        QTest::mouseClick(Find<QPushButton>(&child, "XP_Button2"), Qt::LeftButton);  // Add
        QCOMPARE(view->topLevelItemCount(), 4);

        // Remove and Delete act on the selected entry only.
        QTest::mouseClick(Find<QPushButton>(&child, "XP_Button4"), Qt::LeftButton);
        QCOMPARE(view->topLevelItemCount(), 4);
        view->setFocus();
        view->setCurrentItem(view->topLevelItem(0));
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(view->topLevelItemCount(), 3);
        QCOMPARE(view->topLevelItem(0)->text(0), QStringLiteral("Yahoo"));
        view->setCurrentItem(view->topLevelItem(0));
        QTest::mouseClick(Find<QPushButton>(&child, "XP_Button4"), Qt::LeftButton);
        QCOMPARE(view->topLevelItemCount(), 2);

        QTest::mouseClick(Find<QPushButton>(&child, "XP_Button3"), Qt::LeftButton);  // Clear
        QCOMPARE(view->topLevelItemCount(), 0);
        QTest::mouseClick(Find<QPushButton>(&child, "XP_Button3"), Qt::LeftButton);  // Clear on an empty list
        QCOMPARE(view->topLevelItemCount(), 0);
        QTest::mouseClick(Find<QPushButton>(&child, "XP_Button2"), Qt::LeftButton);
        bool header = false;
        if (auto* separator = Find<QPushButton>(&child, "XP_Button5")) {  // a header from the caption edit
            header = true;
            caption->setText(QStringLiteral("Group"));
            QTest::mouseClick(separator, Qt::LeftButton);
            QCOMPARE(view->topLevelItem(1)->text(0), QStringLiteral("Group"));
            QCOMPARE(view->topLevelItem(1)->text(1), QStringLiteral("<Seperator>"));
        }
        child.Generate();
        QCOMPARE(shell.codeWindowShown, 1);
        QCOMPARE(std::count(shell.shownLines.begin(), shell.shownLines.end(), ToBytes(newLine)), 1);
        if (header && !described) {
            QVERIFY(std::count(shell.shownLines.begin(), shell.shownLines.end(), "addHdr('Group');") == 1);
        }

        // A long list: each new entry comes into sight at its end; past the
        // entries its script has lines for, a note says how many it holds.
        child.show();
        QVERIFY(QTest::qWaitForWindowExposed(&child));
        const ControlDecl* listDecl = decl->Control(ToBytes(names[3]));
        const int room = listDecl->capacity ? static_cast<int>(listDecl->capacity) : 60;
        auto* note = child.findChild<QLabel*>(names[3] + QStringLiteral("Capacity"));
        QCOMPARE(note != nullptr, listDecl->capacity > 0);
        while (view->topLevelItemCount() < room) QTest::mouseClick(Find<QPushButton>(&child, "XP_Button2"), Qt::LeftButton);
        auto inSight = [view](int row) {
            const QRect r = view->visualItemRect(view->topLevelItem(row));
            return r.isValid() && r.top() >= 0 && r.bottom() <= view->viewport()->rect().bottom();
        };
        QTRY_VERIFY2(inSight(room - 1), "the last entry added is out of sight");
        if (!note) return;
        QVERIFY(note->isHidden());
        QTest::mouseClick(Find<QPushButton>(&child, "XP_Button2"), Qt::LeftButton);  // one too many
        QCOMPARE(view->topLevelItemCount(), room + 1);
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), QStringLiteral("This effect holds %1 entries; the list has %2.").arg(room).arg(room + 1));
        QVERIFY(child.rect().contains(note->geometry()));
        view->setCurrentItem(view->topLevelItem(0));
        QTest::keyClick(view, Qt::Key_Delete);
        QVERIFY(note->isHidden());
    }

    void chooseFileUsesTheSharedOpenDialog() {
        ProgramDir dir;
        QVERIFY(QDir(dir.Path()).mkdir(QStringLiteral("Image")));
        FakeShell shell;
        shell.dir = ToPath(dir.Path());
        TMDIChild form(*FormRegistry::Instance().Find("TMouseForm16"), shell);
        auto* edit = qobject_cast<QLineEdit*>(form.Control(QStringLiteral("FlatEdit90")));
        auto* choose = Find<QPushButton>(&form, "XP_Button2");
        QTest::mouseClick(choose, Qt::LeftButton);  // cancelled
        QCOMPARE(edit->text(), QStringLiteral("Image/cur.ani"));
        QCOMPARE(shell.services.fileRequests.back().filter,
                 QStringLiteral("静态鼠标(*.cur);;动态鼠标(*.ani);;All files (*)"));
        // The first time it starts among the pictures beside the program.
        QCOMPARE(shell.services.fileRequests.back().start, dir.Path() + QStringLiteral("/Image"));
        shell.services.fileAnswers.push_back(QStringLiteral("/home/u/arrow.cur"));
        QTest::mouseClick(choose, Qt::LeftButton);
        QCOMPARE(edit->text(), QStringLiteral("/home/u/arrow.cur"));
        QCOMPARE(shell.dialogs.lastFile, QStringLiteral("/home/u/arrow.cur"));
        QTest::mouseClick(choose, Qt::LeftButton);
        QCOMPARE(shell.services.fileRequests.back().start, QStringLiteral("/home/u/arrow.cur"));
    }

    void browsePictureUsesThePictureDialog() {
        FakeShell shell;
        FormDecl f;
        f.className = "TPictureForm";
        f.controls = {Edit("ImageEdit", "Picture:", "image/Dog.jpg", 0),
                      Button("XP_Button2", "Browse", ButtonAction::BrowsePicture, "ImageEdit", {320, 48, 60, 22})};
        TMDIChild form(f, shell);
        shell.services.fileAnswers.push_back(QStringLiteral("/pics/bear.jpg"));
        QTest::mouseClick(Find<QPushButton>(&form, "XP_Button2"), Qt::LeftButton);
        QCOMPARE(qobject_cast<QLineEdit*>(form.Control(QStringLiteral("ImageEdit")))->text(),
                 QStringLiteral("/pics/bear.jpg"));
        QVERIFY(shell.services.fileRequests.back().filter.contains(QStringLiteral("*.png")));
        QCOMPARE(shell.dialogs.lastPicture, QStringLiteral("/pics/bear.jpg"));
    }

    // The image forms' Browse: the shared picture dialog opens where its last
    // use left it (never preset from the edit); OK writes the chosen file's
    // full name byte for byte, Cancel changes nothing.
    void imageBrowseOkAndCancel() {
        QTemporaryDir dir;
        QFile script(dir.filePath(QStringLiteral("zoom.dat")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        for (int i = 0; i < 14; ++i) script.write(QByteArray("line ") + QByteArray::number(i) + "\r\n");
        script.close();
        FakeShell shell;
        shell.dir = ToPath(dir.path());
        shell.entry.script = "zoom";
        shell.dialogs.lastPicture = QStringLiteral("/srv/pictures/last.png");

        TMDIChild form(*FormRegistry::Instance().Find("TImageForm1"), shell);
        auto* edit = qobject_cast<QLineEdit*>(form.Control(QStringLiteral("ImageEdit")));
        QVERIFY(edit);
        QCOMPARE(edit->text(), QStringLiteral("image\\Dog.jpg"));
        auto* browse = Find<QPushButton>(&form, "XP_Button2");
        QCOMPARE(browse->text(), QStringLiteral("Browse"));

        QTest::mouseClick(browse, Qt::LeftButton);  // cancelled
        QCOMPARE(edit->text(), QStringLiteral("image\\Dog.jpg"));
        QCOMPARE(shell.services.fileRequests.back().start, QStringLiteral("/srv/pictures/last.png"));
        QVERIFY(shell.services.fileRequests.back().filter.contains(QStringLiteral("*.jpg")));

        const QString chosen = QStringLiteral("/home/zoë/My Pictures/小狗 1.jpg");
        shell.services.fileAnswers.push_back(chosen);
        QTest::mouseClick(browse, Qt::LeftButton);
        QCOMPARE(edit->text(), chosen);
        form.Generate();
        QCOMPARE(shell.codeWindowShown, 1);
        QCOMPARE(shell.shownLines[12], "<img src=\"" + chosen.toStdString() + "\" ");

        // Another image form's Browse starts from that file, not from its own default.
        TMDIChild bear(*FormRegistry::Instance().Find("TImageForm9"), shell);
        QCOMPARE(qobject_cast<QLineEdit*>(bear.Control(QStringLiteral("ImageEdit")))->text(),
                 QStringLiteral("Image\\bear.jpg"));
        QTest::mouseClick(Find<QPushButton>(&bear, "XP_Button2"), Qt::LeftButton);
        QCOMPARE(shell.services.fileRequests.back().start, chosen);
        QCOMPARE(qobject_cast<QLineEdit*>(bear.Control(QStringLiteral("ImageEdit")))->text(),
                 QStringLiteral("Image\\bear.jpg"));
    }

    void effectFormCannotBeMovedOrResized() {
        ProgramDir dir;
        FakeServices services;
        MainWindow w(dir.Path(), services);
        w.OpenFirstEntry();
        ChildWindow* sub = qobject_cast<ChildWindow*>(w.CurrentForm()->parentWidget());
        QVERIFY(sub);
        QCOMPARE(sub->minimumSize(), QSize(500, 423));
        QCOMPARE(sub->maximumSize(), QSize(500, 423));
        // A drag on the form's title does not move it.
        auto* title = w.CurrentForm()->findChild<Caption*>(QStringLiteral("TitlePanel"));
        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(50, 10));
        QTest::mouseMove(title, QPoint(150, 60));
        QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(150, 60));
        QCOMPARE(sub->pos(), QPoint(0, 0));
    }
};

QTEST_MAIN(EffectFormTest)
#include "tst_effect_form.moc"
