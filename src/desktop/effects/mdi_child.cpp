#include "effects/mdi_child.h"

#include <algorithm>
#include <climits>
#include <exception>
#include <functional>

#include <QApplication>
#include <QCloseEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QKeyEvent>
#include <QSettings>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/interface_font.h"
#include "app/language.h"
#include "app/services.h"
#include "effects/controls.h"
#include "effects/registry.h"
#include "effects/shell.h"
#include "effects/typed_text.h"
#include "errors.h"
#include "output/insert_effect.h"
#include "output/page.h"
#include "output/system_colors.h"
#include "output/text_codec.h"

namespace zentrava::desktop {

namespace {

constexpr QRgb kTitleColor = 0x004080;  // colour value 8404992: red 0, green 64, blue 128

// A declared rectangle (classic pixels) at the interface scale.
QRect ToQRect(const Rect& r) { return Scaled(QRect(r.left, r.top, r.width, r.height)); }

QString Q(const std::string& text) { return FromBytes(text); }

// A caption as an accessible name: without its closing colon.
QString AccessibleLabel(QString label) {
    if (label.endsWith(QLatin1Char(':')) || label.endsWith(QChar(0xFF1A))) label.chop(1);
    return label;
}

// A typed-text warning's words in the interface language: the engine words
// them in English, naming the signs and characters one by one.
QString TranslatedList(const std::vector<std::string>& parts, const char* const names[][2]) {
    QStringList shown;
    for (const std::string& part : parts) {
        QString text = Q(part);
        for (int i = 0; names[i][0]; ++i) {
            if (part == names[i][0]) text = QCoreApplication::translate("TextWarning", names[i][1]);
        }
        shown << text;
    }
    return shown.join(QCoreApplication::translate("TextWarning", ", "));
}

constexpr const char* kNamed[][2] = {
    {"apostrophe (')", QT_TRANSLATE_NOOP("TextWarning", "apostrophe (')")},
    {"double quote (\")", QT_TRANSLATE_NOOP("TextWarning", "double quote (\")")},
    {"backquote (`)", QT_TRANSLATE_NOOP("TextWarning", "backquote (`)")},
    {"backslash (\\)", QT_TRANSLATE_NOOP("TextWarning", "backslash (\\)")},
    {"line break", QT_TRANSLATE_NOOP("TextWarning", "line break")},
    {nullptr, nullptr},
};

QString WarningBrief(const TextWarning& w) {
    const char* const kText = QT_TRANSLATE_NOOP("TextWarning", "%1 ends the string");
    const QString translated = QCoreApplication::translate("TextWarning", kText);
    if (translated == QLatin1String(kText)) return Q(w.brief);  // English: the engine's own words
    return translated.arg(TranslatedList(w.signs, kNamed));
}

QString WarningMessage(const TextWarning& w) {
    const char* const kText = QT_TRANSLATE_NOOP("TextWarning", "The %1 would end the script string early.");
    const QString translated = QCoreApplication::translate("TextWarning", kText);
    if (translated == QLatin1String(kText)) return Q(w.message);
    return translated.arg(TranslatedList(w.names, kNamed));
}

// A file filter ("Name|patterns|Name|patterns") with its names in the interface language.
QString TranslatedFilter(const std::string& filter) {
    QStringList parts = Q(filter).split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) parts[i] = FormText(ToBytes(parts[i]));
    return parts.join(QLatin1Char('|'));
}

// The widths of a list view's columns: sized columns keep their width, the
// others share what is left of the list's width.
void SizeColumns(QTreeWidget* view, const std::vector<Column>& columns, int listWidth) {
    int fixed = 0, shared = 0;
    for (const Column& c : columns) {
        if (c.width >= 0) fixed += Scaled(c.width);
        else ++shared;
    }
    const int room = std::max(0, listWidth - 2 * view->frameWidth() - fixed);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int width = columns[i].width >= 0 ? Scaled(columns[i].width) : (shared ? room / shared : 0);
        view->setColumnWidth(static_cast<int>(i), width);
    }
}

QTreeWidgetItem* NewRow(const ListEntry& entry, int columns, bool editable) {
    auto* item = new QTreeWidgetItem;
    for (int i = 0; i < columns && i < static_cast<int>(entry.size()); ++i) {
        item->setText(i, Q(entry[static_cast<std::size_t>(i)]));
    }
    if (editable) item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

// Runs an action when a key without modifiers is pressed in the watched widget.
class KeyAction : public QObject {
public:
    KeyAction(int key, std::function<void()> action, QObject* parent)
        : QObject(parent), key_(key), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            auto* press = static_cast<QKeyEvent*>(event);
            if (press->key() == key_ && press->modifiers() == Qt::NoModifier) {
                action_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int key_;
    std::function<void()> action_;
};

}  // namespace

TMDIChild::TMDIChild(FormDecl decl, Shell& shell, QWidget* parent)
    : QWidget(parent), decl_(std::move(decl)), shell_(shell) {
    setObjectName(QString::fromStdString(decl_.className));
    setAutoFillBackground(true);
    setFixedSize(Scaled(QSize(kWidth, kHeight)));
    setFont(InterfaceFont());
    // The window background colour (a welcome form is white); the main
    // window's white is not inherited.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, decl_.style == FormStyle::Welcome
                                       ? QColor(Qt::white)
                                       : QApplication::palette().color(QPalette::Window));
    setPalette(pal);

    // FormCreate: the script lines start empty; the title shows the entry.
    if (decl_.style == FormStyle::Effect) {
        title_ = new QLabel(this);
        title_->setObjectName(QStringLiteral("TitlePanel"));
        title_->setTextFormat(Qt::PlainText);
        title_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        title_->setAutoFillBackground(true);
        QPalette titlePalette = title_->palette();
        titlePalette.setColor(QPalette::Window, QColor(kTitleColor));
        titlePalette.setColor(QPalette::WindowText, Qt::white);
        title_->setPalette(titlePalette);
        QFont titleFont = InterfaceFont();
        titleFont.setBold(true);
        title_->setFont(titleFont);
        title_->setGeometry(kFrameWidth, kFrameWidth, width() - 2 * kFrameWidth, Scaled(kTitleHeight));
    }

    if (decl_.panel.width > 0) {
        auto* panel = new QFrame(this);
        panel->setObjectName(QStringLiteral("ParameterPanel"));
        panel->setAutoFillBackground(true);
        QPalette panelPalette = panel->palette();
        panelPalette.setColor(QPalette::Window, Qt::white);
        panel->setPalette(panelPalette);
        panel->setGeometry(ToQRect(decl_.panel));
    }

    for (const ControlDecl& c : decl_.controls) {
        QWidget* widget = CreateControl(c);
        widget->setObjectName(Q(c.name));
        widget->setGeometry(ToQRect(c.rect));
        if (!c.fontFamily.empty() || c.fontSize > 0) {
            QFont f = widget->font();
            if (!c.fontFamily.empty()) f.setFamilies({Q(c.fontFamily)});
            if (c.fontSize > 0) f.setPointSize(c.fontSize);
            widget->setFont(f);
        }
        controls_[LowerAscii(c.name)] = widget;
        if (!c.label.empty()) {
            auto* label = new QLabel(this);
            label->setObjectName(Q(c.name) + QStringLiteral("Label"));
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setBuddy(widget);
        }
        if (!c.unit.empty()) {
            auto* unit = new QLabel(this);
            unit->setObjectName(Q(c.name) + QStringLiteral("Unit"));
            unit->setTextFormat(Qt::PlainText);
            unit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
    }

    for (const ControlDecl& c : decl_.controls) PlaceTextWarning(c);
    UpdateTextWarnings();
    for (const ControlDecl& c : decl_.controls) PlaceCapacityNote(c);
    ConnectListKeys();
    WatchParameters();

    if (decl_.generate) {
        auto* generate = new QPushButton(this);
        generate->setObjectName(QStringLiteral("XP_Button1"));
        generate->setGeometry(Scaled(QRect(384, 384, 99, 24)));
        generate->setDefault(true);
        connect(generate, &QPushButton::clicked, this, &TMDIChild::Generate);
        // A form with values to set can have its own defaults back; it
        // opens with the values the entry was last generated with.
        const bool hasValues = std::any_of(decl_.controls.begin(), decl_.controls.end(), [](const ControlDecl& c) {
            return c.kind != ControlKind::Button && c.kind != ControlKind::Label;
        });
        if (hasValues) {
            auto* reset = new QPushButton(tr("&Reset"), this);
            reset->setObjectName(QStringLiteral("ResetButton"));
            reset->setToolTip(tr("Restore the form's own default values"));
            reset->setGeometry(Scaled(QRect(278, 384, 99, 24)));
            reset->setAutoDefault(false);
            connect(reset, &QPushButton::clicked, this, &TMDIChild::ResetValues);
            // Tab reaches it after the parameters, before Generate.
            setTabOrder(reset, generate);
            RestoreLastValues();
        }
    }
    RetranslateUi();
}

void TMDIChild::RetranslateUi() {
    if (title_) title_->setText(QStringLiteral("  ") + Q(ShownName(shell_.CurrentEntry(), InterfaceNameScript())));
    for (const ControlDecl& c : decl_.controls) {
        QWidget* widget = Control(Q(c.name));
        if (!widget) continue;
        QString name;
        if (auto* label = findChild<QLabel*>(Q(c.name) + QStringLiteral("Label"), Qt::FindDirectChildrenOnly)) {
            label->setText(FormText(c.label));
            const int left = Scaled(c.labelLeft >= 0 ? c.labelLeft : decl_.panel.left);
            int width = std::max(0, Scaled(c.rect.left - 6) - left);
            // a caption wider than its room in this font takes it from the gap before its control
            const int need = label->sizeHint().width();
            if (need > width) width = std::min(need, std::max(0, Scaled(c.rect.left - 2) - left));
            const QRect box = ToQRect(c.rect);
            label->setGeometry(left, box.top(), width, box.height());
            name = AccessibleLabel(label->text());
        }
        if (auto* unit = findChild<QLabel*>(Q(c.name) + QStringLiteral("Unit"), Qt::FindDirectChildrenOnly)) {
            // The unit word stands right of the control and completes its name.
            unit->setText(FormText(c.unit));
            const QRect box = ToQRect(c.rect);
            unit->setGeometry(box.right() + 1 + Scaled(4), box.top(),
                              unit->fontMetrics().horizontalAdvance(unit->text()) + 4, box.height());
            name = name.isEmpty() ? unit->text() : name + QLatin1Char(' ') + unit->text();
        }
        if (!name.isEmpty()) widget->setAccessibleName(name);
        if (c.kind == ControlKind::Button) static_cast<QPushButton*>(widget)->setText(FormText(c.text));
        if (c.kind == ControlKind::Label) static_cast<QLabel*>(widget)->setText(FormText(c.text));
        if (c.kind == ControlKind::ListView) {
            QStringList captions;
            for (const Column& col : c.columns) captions << FormText(col.caption);
            static_cast<QTreeWidget*>(widget)->setHeaderLabels(captions);
        }
    }
    if (auto* generate = findChild<QPushButton*>(QStringLiteral("XP_Button1"), Qt::FindDirectChildrenOnly)) {
        generate->setText(tr("&Generate Codes..."));
    }
    for (auto& [name, w] : warnings_) w.fix->setText(tr("Fix"));
    UpdateTextWarnings();
}

void TMDIChild::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateUi();
    QWidget::changeEvent(event);
}

void TMDIChild::WatchParameters() {
    const auto changed = [this] { Q_EMIT parametersChanged(); };
    for (const auto& [name, widget] : controls_) {
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            connect(edit, &QLineEdit::textChanged, this, changed);
        } else if (auto* spin = qobject_cast<TextSpinBox*>(widget)) {
            connect(spin, &TextSpinBox::textChanged, this, changed);
        } else if (auto* box = qobject_cast<QComboBox*>(widget)) {
            connect(box, box->isEditable() ? &QComboBox::editTextChanged : &QComboBox::currentTextChanged, this,
                    changed);
        } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
            connect(check, &QCheckBox::toggled, this, changed);
        } else if (auto* swatch = qobject_cast<ColorSwatch*>(widget)) {
            connect(swatch, &ColorSwatch::colorChanged, this, changed);
        } else if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
            // A list entry added, removed or edited in place.
            QAbstractItemModel* model = view->model();
            connect(model, &QAbstractItemModel::rowsInserted, this, changed);
            connect(model, &QAbstractItemModel::rowsRemoved, this, changed);
            connect(model, &QAbstractItemModel::dataChanged, this, changed);
            connect(model, &QAbstractItemModel::modelReset, this, changed);
        }
    }
}

std::vector<std::string> TMDIChild::GeneratePage() const {
    TScriptCodeStrings lines;
    std::vector<std::string> skeleton = shell_.PageSkeleton();
    zentrava::Generate(decl_, CollectValues(), shell_.CurrentEntry(), shell_.ProgramDir(), skeleton, lines);
    return ActivateCodeWindow(lines, shell_.CurrentEntry(), skeleton).page;
}

void TMDIChild::ConnectListKeys() {
    // Enter in an edit that feeds an entry button presses the first such
    // button; Delete in a list that has a remove button presses it.
    std::map<QWidget*, bool> taken;
    for (const ControlDecl& c : decl_.controls) {
        if (c.kind != ControlKind::Button) continue;
        if (c.action == ButtonAction::AddEntry) {
            for (const FieldSource& s : c.sources) {
                auto* edit = qobject_cast<QLineEdit*>(Control(Q(s.control)));
                if (!edit || taken[edit]) continue;
                taken[edit] = true;
                connect(edit, &QLineEdit::returnPressed, this, [this, &c] { RunButton(c); });
            }
        } else if (c.action == ButtonAction::RemoveEntry) {
            QWidget* list = Control(Q(c.target));
            if (!list || taken[list]) continue;
            taken[list] = true;
            // Only while the list itself has the focus, not a caption being edited in place.
            list->installEventFilter(new KeyAction(Qt::Key_Delete, [this, &c] { RunButton(c); }, list));
        }
    }
}

QWidget* TMDIChild::CreateControl(const ControlDecl& c) {
    switch (c.kind) {
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(Q(c.text), this);
            edit->setCursorPosition(0);
            return edit;
        }
        case ControlKind::SpinEdit: {
            auto* spin = new TextSpinBox(this);
            spin->setText(Q(c.text));
            return spin;
        }
        case ControlKind::SizeBox: {
            auto* box = new QComboBox(this);
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            for (const std::string& item : c.items) box->addItem(Q(item));
            box->setEditText(Q(c.text));
            return box;
        }
        case ControlKind::FontBox: {
            // The family names as the generated style rules need them, drawn
            // in the form's own font (a symbol font's name stays readable).
            auto* box = new QComboBox(this);
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            box->addItems(InstalledFontFamilies());
            box->setCurrentIndex(-1);
            box->setEditText(Q(c.text));  // empty unless the form sets a font
            return box;
        }
        case ControlKind::Swatch: {
            auto* swatch = new ColorSwatch(this);
            swatch->setColorValue(c.color);
            connect(swatch, &ColorSwatch::clicked, this, [this, &c, swatch] { SwatchClick(c, swatch); });
            return swatch;
        }
        case ControlKind::ListBox: {
            auto* list = new QListWidget(this);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            for (const ListEntry& e : c.entries) list->addItem(Q(e.empty() ? std::string() : e.front()));
            return list;
        }
        case ControlKind::ListView: {
            auto* view = new QTreeWidget(this);
            view->setRootIsDecorated(false);
            view->setUniformRowHeights(true);
            view->setSelectionMode(QAbstractItemView::SingleSelection);
            view->setAllColumnsShowFocus(true);
            const int columns = static_cast<int>(c.columns.size());
            view->setColumnCount(std::max(1, columns));
            view->header()->setStretchLastSection(false);
            view->header()->setSectionsMovable(false);
            SizeColumns(view, c.columns, ToQRect(c.rect).width());
            if (c.editableCaptions) {
                view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                      QAbstractItemView::SelectedClicked);
            } else {
                view->setEditTriggers(QAbstractItemView::NoEditTriggers);
            }
            for (const ListEntry& e : c.entries) view->addTopLevelItem(NewRow(e, columns, c.editableCaptions));
            return view;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(this);
            connect(button, &QPushButton::clicked, this, [this, &c] { RunButton(c); });
            return button;
        }
        case ControlKind::ChoiceBox: {
            auto* box = new QComboBox(this);
            for (const std::string& item : c.items) box->addItem(Q(item));
            box->setCurrentText(Q(c.text));
            return box;
        }
        case ControlKind::CheckBox: {
            auto* check = new QCheckBox(this);
            check->setChecked(c.text == "yes");
            return check;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(this);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            return label;
        }
    }
    return new QWidget(this);
}

// A hidden warning line for a text control: beside it where the form has
// room on its right, otherwise below the parameter panel, named by the
// control's label.
void TMDIChild::PlaceTextWarning(const ControlDecl& c) {
    if (!decl_.generate) return;
    QWidget* widget = Control(Q(c.name));
    if (qobject_cast<QLineEdit*>(widget)) {
        connect(static_cast<QLineEdit*>(widget), &QLineEdit::textChanged, this, &TMDIChild::UpdateTextWarnings);
    } else if (auto* spin = qobject_cast<TextSpinBox*>(widget)) {
        connect(spin, &TextSpinBox::textChanged, this, &TMDIChild::UpdateTextWarnings);
    } else if (auto* box = qobject_cast<QComboBox*>(widget)) {
        connect(box, &QComboBox::editTextChanged, this, &TMDIChild::UpdateTextWarnings);
    } else {
        return;
    }
    Warning w;
    w.fix = new QPushButton(this);
    w.fix->setObjectName(Q(c.name) + QStringLiteral("Fix"));
    w.label = new QLabel(this);
    w.label->setObjectName(Q(c.name) + QStringLiteral("Warning"));
    w.label->setTextFormat(Qt::PlainText);
    QPalette warn = w.label->palette();
    warn.setColor(QPalette::WindowText, QColor(0xB0, 0x20, 0x20));
    w.label->setPalette(warn);
    constexpr int kFixWidth = 36, kGap = 6, kMinRoom = 140;
    const int right = c.rect.left + c.rect.width + kGap;
    const int room = kWidth - kFrameWidth - 4 - right;
    if (room >= kMinRoom) {
        w.fix->setGeometry(Scaled(QRect(right, c.rect.top, kFixWidth, c.rect.height)));
        w.label->setGeometry(Scaled(QRect(right + kFixWidth + 4, c.rect.top, room - kFixWidth - 4, c.rect.height)));
    } else {
        const int top = decl_.panel.top + decl_.panel.height + 6 + 24 * warningsBelow_++;
        w.fix->setGeometry(Scaled(QRect(layout::kFieldLeft, top, kFixWidth, 21)));
        w.label->setGeometry(
            Scaled(QRect(layout::kFieldLeft + kFixWidth + 4, top, kWidth - layout::kFieldLeft - kFixWidth - 12, 21)));
        w.label->setProperty("below", true);
    }
    w.fix->hide();
    w.label->hide();
    const QString name = Q(c.name);
    connect(w.fix, &QPushButton::clicked, this, [this, name] {
        auto it = warnings_.find(LowerAscii(ToBytes(name)));
        if (it != warnings_.end()) SetControlText(name, it->second.fixed);
    });
    warnings_[LowerAscii(c.name)] = w;
}

// A hidden note for a list whose script has lines for only so many entries,
// shown below the parameter panel while the list holds more than that (the
// list still takes them; Generate then says which line is missing).
void TMDIChild::PlaceCapacityNote(const ControlDecl& c) {
    if (!decl_.generate || c.capacity == 0) return;
    auto* view = qobject_cast<QAbstractItemView*>(Control(Q(c.name)));
    if (!view) return;
    auto* note = new QLabel(this);
    note->setObjectName(Q(c.name) + QStringLiteral("Capacity"));
    note->setTextFormat(Qt::PlainText);
    QPalette warn = note->palette();
    warn.setColor(QPalette::WindowText, QColor(0xB0, 0x20, 0x20));
    note->setPalette(warn);
    const int top = decl_.panel.top + decl_.panel.height + 6 + 24 * warningsBelow_++;
    note->setGeometry(Scaled(QRect(layout::kPanelLeft, top, 384 - 8 - layout::kPanelLeft, 21)));
    note->hide();
    const auto capacity = static_cast<int>(std::min<std::size_t>(c.capacity, INT_MAX));
    auto update = [note, view, capacity] {
        const int count = view->model()->rowCount();
        note->setVisible(count > capacity);
        note->setText(tr("This effect holds %1 entries; the list has %2.").arg(capacity).arg(count));
        note->setAccessibleName(note->text());
    };
    capacityWatch_.push_back(connect(view->model(), &QAbstractItemModel::rowsInserted, note, update));
    capacityWatch_.push_back(connect(view->model(), &QAbstractItemModel::rowsRemoved, note, update));
    capacityWatch_.push_back(connect(view->model(), &QAbstractItemModel::modelReset, note, update));
    update();
}

TMDIChild::~TMDIChild() {
    // The lists empty themselves as they go, after this form's own part.
    for (const QMetaObject::Connection& c : capacityWatch_) disconnect(c);
    for (const auto& [name, widget] : controls_) {
        disconnect(widget, nullptr, this, nullptr);
        if (auto* view = qobject_cast<QAbstractItemView*>(widget)) disconnect(view->model(), nullptr, this, nullptr);
    }
}

void TMDIChild::UpdateTextWarnings() {
    if (warnings_.empty()) return;
    // Only text that may break the code is looked at further: the form's
    // values, lists and all, are collected only then, not on every key.
    bool suspect = false;
    for (const auto& [name, w] : warnings_) suspect = suspect || MayBreakCode(ToBytes(ControlText(Q(name))));
    std::map<std::string, TextWarning> found;
    if (suspect) {
        for (TextWarning& w : TypedTextWarnings(decl_, CollectValues(), shell_.CurrentEntry(), shell_.ProgramDir())) {
            found[LowerAscii(w.control)] = std::move(w);
        }
    }
    for (auto& [name, w] : warnings_) {
        auto it = found.find(name);
        const bool show = it != found.end();
        w.label->setVisible(show);
        w.fix->setVisible(show);
        if (!show) continue;
        const ControlDecl* c = decl_.Control(name);
        const QString label = c ? AccessibleLabel(FormText(c->label)) : QString();
        const QString brief = WarningBrief(it->second);
        w.label->setText(w.label->property("below").toBool() ? label + QStringLiteral(": ") + brief : brief);
        w.fixed = Q(it->second.fixed);
        const QString tip = WarningMessage(it->second) + QStringLiteral("\n") + tr("Fix writes: %1").arg(w.fixed);
        w.label->setToolTip(tip);
        w.fix->setToolTip(tip);
        w.fix->setAccessibleName(tr("Insert the escapes into %1").arg(label));
        w.label->setAccessibleName(WarningMessage(it->second));
    }
}

void TMDIChild::SetControlText(const QString& name, const QString& text) {
    QWidget* w = Control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->setText(text);
    else if (auto* spin = qobject_cast<TextSpinBox*>(w)) spin->setText(text);
    else if (auto* box = qobject_cast<QComboBox*>(w)) box->isEditable() ? box->setEditText(text) : box->setCurrentText(text);
    else if (auto* check = qobject_cast<QCheckBox*>(w)) check->setChecked(text == QLatin1String("yes"));
    UpdateTextWarnings();
}

QWidget* TMDIChild::Control(const QString& name) const {
    auto it = controls_.find(LowerAscii(ToBytes(name)));
    return it == controls_.end() ? nullptr : it->second;
}

QString TMDIChild::ControlText(const QString& name) const {
    QWidget* w = Control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) return spin->text();
    if (auto* box = qobject_cast<QComboBox*>(w)) return box->currentText();
    if (auto* check = qobject_cast<QCheckBox*>(w)) return check->isChecked() ? QStringLiteral("yes") : QStringLiteral("no");
    // A caption as declared: the interface language never reaches the code.
    if (qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w)) {
        const ControlDecl* c = decl_.Control(ToBytes(name));
        return c ? Q(c->text) : QString();
    }
    if (auto* swatch = qobject_cast<ColorSwatch*>(w)) return QString::fromStdString(ColorToHex(swatch->colorValue()));
    return QString();
}

FormValues TMDIChild::CollectValues() const {
    FormValues values;
    for (const ControlDecl& c : decl_.controls) {
        if (c.kind == ControlKind::Button || c.kind == ControlKind::Label) continue;
        QWidget* w = Control(Q(c.name));
        ControlValue& v = values[c.name];
        v.text = c.text;
        v.color = c.color;
        switch (c.kind) {
            case ControlKind::Swatch:
                v.color = static_cast<ColorSwatch*>(w)->colorValue();
                break;
            case ControlKind::ListBox: {
                auto* list = static_cast<QListWidget*>(w);
                for (int i = 0; i < list->count(); ++i) v.entries.push_back({ToBytes(list->item(i)->text())});
                break;
            }
            case ControlKind::ListView: {
                auto* view = static_cast<QTreeWidget*>(w);
                const int columns = static_cast<int>(c.columns.size());
                for (int i = 0; i < view->topLevelItemCount(); ++i) {
                    ListEntry entry;
                    for (int col = 0; col < columns; ++col) entry.push_back(ToBytes(view->topLevelItem(i)->text(col)));
                    v.entries.push_back(std::move(entry));
                }
                break;
            }
            default:
                v.text = ToBytes(ControlText(Q(c.name)));
                break;
        }
    }
    return values;
}

void TMDIChild::ShowError(const QString& message, const QString& detail) {
    shell_.Services().ShowError(shell_.DialogParent(), ApplicationTitle(), ErrorText(ToBytes(message)), detail);
}

namespace {

// Keeps the values an entry was generated with in the user's settings, for
// zentrava-cli insert --last.
void RememberValues(const Tplugin& entry, const FormDecl& form, const FormValues& values) {
    const Category* category = FindCategory(entry.category);
    const std::string file = LastValuesFile();
    if (!category || file.empty() || entry.ename.empty()) return;
    const Recipe recipe{CategoryBase(*category), entry.ename, ChangesFromDefaults(form, values)};
    QSettings settings(FromPath(file), QSettings::IniFormat);
    settings.setValue(QStringLiteral("lastValues/") +
                          QString::fromLatin1(LastValuesKey(recipe.category, recipe.entry).c_str()),
                      QString::fromLatin1(EncodeSettingText(EncodeRecipe(recipe)).c_str()));
}

}  // namespace

// The values last generated with, kept by RememberValues; a recipe that no
// longer fits the form (the form changed since) is passed over.
void TMDIChild::RestoreLastValues() {
    const Tplugin& entry = shell_.CurrentEntry();
    const Category* category = FindCategory(entry.category);
    const std::string file = LastValuesFile();
    if (!category || file.empty() || entry.ename.empty()) return;
    const std::optional<Recipe> recipe = ReadLastValues(file, CategoryBase(*category), entry.ename);
    if (!recipe || recipe->changes.empty()) return;
    FormValues values = DefaultValues(decl_);
    try {
        ApplyChanges(decl_, values, recipe->changes);
    } catch (const EngineError&) {
        return;
    }
    ApplyValues(values);
}

void TMDIChild::ApplyValues(const FormValues& values) {
    for (const ControlDecl& c : decl_.controls) {
        const ControlValue* v = values.Find(c.name);
        QWidget* w = Control(Q(c.name));
        if (!v || !w) continue;
        switch (c.kind) {
            case ControlKind::Button:
            case ControlKind::Label:
                break;
            case ControlKind::Swatch:
                static_cast<ColorSwatch*>(w)->setColorValue(v->color);
                break;
            case ControlKind::ListBox: {
                auto* list = static_cast<QListWidget*>(w);
                list->clear();
                for (const ListEntry& e : v->entries) list->addItem(Q(e.empty() ? std::string() : e.front()));
                break;
            }
            case ControlKind::ListView: {
                auto* view = static_cast<QTreeWidget*>(w);
                view->clear();
                for (const ListEntry& e : v->entries) {
                    view->addTopLevelItem(NewRow(e, view->columnCount(), c.editableCaptions));
                }
                break;
            }
            case ControlKind::Edit:
                if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                    edit->setText(Q(v->text));
                    edit->setCursorPosition(0);
                }
                break;
            default:
                SetControlText(Q(c.name), Q(v->text));
                break;
        }
    }
    UpdateTextWarnings();
}

void TMDIChild::ResetValues() { ApplyValues(DefaultValues(decl_)); }

void TMDIChild::SetInsertTarget(std::string page, std::string block) {
    insertPage_ = std::move(page);
    insertBlock_ = std::move(block);
}

void TMDIChild::Generate() {
    if (!decl_.generate) return;
    const FormValues values = CollectValues();
    // A number box left empty or half typed would leave a gap in the script.
    for (const ControlDecl& c : decl_.controls) {
        if (!TakesNumber(c) || AcceptsText(c, values.Text(c.name))) continue;
        QString label = FormText(c.label).trimmed();
        while (label.endsWith(u':') || label.endsWith(u'\uff1a')) label.chop(1);
        const QString name = label.isEmpty() ? Q(c.name) : label;
        if (c.ranged && IsNumberText(values.Text(c.name))) {
            ShowError(tr("%1 takes a number from %2 to %3.")
                          .arg(name, QString::number(c.minimum), QString::number(c.maximum)));
        } else {
            ShowError(tr("%1 takes a number.").arg(name));
        }
        if (QWidget* w = Control(Q(c.name))) w->setFocus(Qt::OtherFocusReason);
        return;
    }
    try {
        zentrava::Generate(decl_, values, shell_.CurrentEntry(), shell_.ProgramDir(), shell_.PageSkeleton(), lines_);
    } catch (const EngineError& e) {
        // Why a file could not be read, or the file that is too short, goes into the detail text.
        ShowError(Q(e.what()), e.Reason().empty() ? FromPath(e.File()) : Q(e.Reason()));
        return;
    } catch (const std::exception& e) {
        ShowError(Q(e.what()));
        return;
    }
    RememberValues(shell_.CurrentEntry(), decl_, values);
    if (const Category* category = FindCategory(shell_.CurrentEntry().category)) {
        const FormDecl* form = nullptr;
        try {
            form = FormForEntry(shell_.CurrentEntry(), shell_.ProgramDir());
        } catch (const EngineError&) {
            // The script file changed since the form opened; the code is still shown.
        }
        if (form && form->className == decl_.className) {
            shell_.OfferInsertion(
                {ChosenEffect{CategoryBase(*category), shell_.CurrentEntry(), form, values}, insertPage_, insertBlock_});
        }
    }
    shell_.ShowCodeWindow(lines_);
}

void TMDIChild::SwatchClick(const ControlDecl& c, ColorSwatch* swatch) {
    ColorSwatch* target = swatch;
    if (!c.swatchTarget.empty()) target = qobject_cast<ColorSwatch*>(Control(Q(c.swatchTarget)));
    SharedDialogs& dialogs = shell_.Dialogs();
    if (c.preset && target) dialogs.color = target->shownColor();
    const std::optional<QColor> chosen = shell_.Services().RunColorDialog(shell_.DialogParent(), dialogs.color);
    if (!chosen) return;
    dialogs.color = *chosen;
    if (target) target->setColorValue(FromQColor(*chosen));
}

void TMDIChild::RunButton(const ControlDecl& c) {
    QWidget* target = Control(Q(c.target));
    switch (c.action) {
        case ButtonAction::None:
            return;
        case ButtonAction::AddEntry: {
            ListEntry entry;
            for (const FieldSource& s : c.sources) {
                entry.push_back(s.control.empty() ? s.literal : ToBytes(ControlText(Q(s.control))));
            }
            if (auto* list = qobject_cast<QListWidget*>(target)) {
                list->addItem(Q(entry.empty() ? std::string() : entry.front()));
                list->clearSelection();  // any change of a list box clears its selection
                list->scrollToItem(list->item(list->count() - 1));
            } else if (auto* view = qobject_cast<QTreeWidget*>(target)) {
                const ControlDecl* decl = decl_.Control(c.target);
                const bool editable = decl && decl->editableCaptions;
                QTreeWidgetItem* row = NewRow(entry, view->columnCount(), editable);
                view->addTopLevelItem(row);
                view->scrollToItem(row);  // the new entry in sight, at the end of a long list
            }
            return;
        }
        case ButtonAction::RemoveEntry: {
            if (auto* list = qobject_cast<QListWidget*>(target)) {
                const QList<QListWidgetItem*> selected = list->selectedItems();
                if (!selected.isEmpty()) delete list->takeItem(list->row(selected.front()));
                list->clearSelection();
            } else if (auto* view = qobject_cast<QTreeWidget*>(target)) {
                const QList<QTreeWidgetItem*> selected = view->selectedItems();
                if (!selected.isEmpty()) delete view->takeTopLevelItem(view->indexOfTopLevelItem(selected.front()));
            }
            return;
        }
        case ButtonAction::ClearEntries: {
            if (auto* list = qobject_cast<QListWidget*>(target)) list->clear();
            else if (auto* view = qobject_cast<QTreeWidget*>(target)) view->clear();
            return;
        }
        case ButtonAction::ChooseFile:
        case ButtonAction::BrowsePicture: {
            SharedDialogs& dialogs = shell_.Dialogs();
            const bool picture = c.action == ButtonAction::BrowsePicture;
            QString& last = picture ? dialogs.lastPicture : dialogs.lastFile;
            const QString filter = picture ? PictureFilter() : QtFileFilter(TranslatedFilter(c.filter));
            // The first time, the dialog starts among the pictures beside the program.
            const QString start = last.isEmpty() ? PictureFolder(FromPath(shell_.ProgramDir())) : last;
            const std::optional<QString> file = shell_.Services().RunOpenDialog(
                shell_.DialogParent(), picture ? tr("Open Picture") : tr("Open"), filter, start);
            if (!file) return;
            last = *file;
            if (auto* edit = qobject_cast<QLineEdit*>(target)) edit->setText(*file);
            return;
        }
    }
}

void TMDIChild::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (decl_.style != FormStyle::Effect) return;
    // FormPaint: a solid black frame, 2 pixels wide, round the whole form.
    QPainter p(this);
    p.setPen(QPen(Qt::black, kFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(kFrameWidth / 2.0, kFrameWidth / 2.0, -kFrameWidth / 2.0, -kFrameWidth / 2.0));
}

void TMDIChild::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (title_) title_->setGeometry(kFrameWidth, kFrameWidth, width() - 2 * kFrameWidth, Scaled(kTitleHeight));
}

ChildWindow::ChildWindow(TMDIChild* form, QWidget* parent) : QMdiSubWindow(parent), form_(form) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(form->objectName() + QStringLiteral("Window"));
    // No caption bar in either style (the window style rule of effect forms).
    setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
    if (form->Decl().style == FormStyle::Effect) {
        setWidget(form);
        setFixedSize(Scaled(QSize(TMDIChild::kWidth, TMDIChild::kHeight)));
    } else {
        // A welcome form keeps a thick frame that resizes it.
        form->setMinimumSize(0, 0);
        form->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWidget(new SizingFrame(form));
        setMinimumSize(4 * SizingFrame::kBorder, 4 * SizingFrame::kBorder);
        resize(Scaled(QSize(TMDIChild::kWidth, TMDIChild::kHeight)));
    }
}

bool ChildWindow::focusNextPrevChild(bool next) {
    if (tabHandler_) return tabHandler_(next);
    return QMdiSubWindow::focusNextPrevChild(next);
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) Q_EMIT closed(this);
}

}  // namespace zentrava::desktop

namespace zentrava::desktop {

SizingFrame::SizingFrame(QWidget* content, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SizingFrame"));
    setMouseTracking(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    layout->addWidget(content);
}

Qt::Edges SizingFrame::EdgesAt(const QPoint& pos) const {
    Qt::Edges edges;
    if (pos.x() < kBorder) edges |= Qt::LeftEdge;
    if (pos.x() >= width() - kBorder) edges |= Qt::RightEdge;
    if (pos.y() < kBorder) edges |= Qt::TopEdge;
    if (pos.y() >= height() - kBorder) edges |= Qt::BottomEdge;
    return edges;
}

void SizingFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SizingFrame::mousePressEvent(QMouseEvent* event) {
    dragging_ = EdgesAt(event->position().toPoint());
    pressGlobal_ = event->globalPosition().toPoint();
    if (QWidget* window = parentWidget()) pressGeometry_ = window->geometry();
}

void SizingFrame::mouseMoveEvent(QMouseEvent* event) {
    QWidget* window = parentWidget();
    if (!dragging_ || !(event->buttons() & Qt::LeftButton) || !window) {
        const Qt::Edges edges = EdgesAt(event->position().toPoint());
        const bool diagonal1 = edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge);
        const bool diagonal2 = edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge);
        if (diagonal1) setCursor(Qt::SizeFDiagCursor);
        else if (diagonal2) setCursor(Qt::SizeBDiagCursor);
        else if (edges & (Qt::LeftEdge | Qt::RightEdge)) setCursor(Qt::SizeHorCursor);
        else if (edges & (Qt::TopEdge | Qt::BottomEdge)) setCursor(Qt::SizeVerCursor);
        else unsetCursor();
        return;
    }
    const QPoint delta = event->globalPosition().toPoint() - pressGlobal_;
    QRect g = pressGeometry_;
    const QSize minimum = window->minimumSize();
    if (dragging_ & Qt::LeftEdge) g.setLeft(std::min(g.left() + delta.x(), g.right() - minimum.width() + 1));
    if (dragging_ & Qt::RightEdge) g.setRight(std::max(g.right() + delta.x(), g.left() + minimum.width() - 1));
    if (dragging_ & Qt::TopEdge) g.setTop(std::min(g.top() + delta.y(), g.bottom() - minimum.height() + 1));
    if (dragging_ & Qt::BottomEdge) g.setBottom(std::max(g.bottom() + delta.y(), g.top() + minimum.height() - 1));
    window->setGeometry(g);
}

void SizingFrame::mouseReleaseEvent(QMouseEvent*) { dragging_ = {}; }

}  // namespace zentrava::desktop
