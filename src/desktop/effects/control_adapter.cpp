#include "effects/control_adapter.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include "app/interface_font.h"
#include "app/language.h"
#include "effects/controls.h"
#include "output/text_codec.h"

namespace zentrava::desktop {

namespace {

QString Q(const std::string& text) { return FromBytes(text); }

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

// What the kinds share.
void ReadNothing(const ControlDecl&, const QWidget*, ControlValue&) {}
void WriteNothing(const ControlDecl&, QWidget*, const ControlValue&) {}
QString Caption(const ControlDecl& c, const QWidget*) { return Q(c.text); }  // never the interface language
QString NoText(const ControlDecl&, const QWidget*) { return QString(); }
void WatchNothing(QWidget*, QObject*, std::function<void()>) {}
void ReadText(const ControlDecl& c, const QWidget* w, ControlValue& v) { v.text = ToBytes(AdapterFor(c.kind).text(c, w)); }
void WriteText(const ControlDecl& c, QWidget* w, const ControlValue& v) { AdapterFor(c.kind).setText(w, Q(v.text)); }
void WatchModel(QWidget* w, QObject* receiver, std::function<void()> changed) {
    // A list entry added, removed or edited in place.
    QAbstractItemModel* model = static_cast<QAbstractItemView*>(w)->model();
    QObject::connect(model, &QAbstractItemModel::rowsInserted, receiver, changed);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, receiver, changed);
    QObject::connect(model, &QAbstractItemModel::dataChanged, receiver, changed);
    QObject::connect(model, &QAbstractItemModel::modelReset, receiver, changed);
}

// Edit: one line of text.
const ControlAdapter kEdit{
    [](const ControlDecl& c, QWidget* parent, std::function<void()>) -> QWidget* {
        auto* edit = new QLineEdit(Q(c.text), parent);
        edit->setCursorPosition(0);
        return edit;
    },
    ReadText,
    [](const ControlDecl&, QWidget* w, const ControlValue& v) {
        auto* edit = static_cast<QLineEdit*>(w);
        edit->setText(Q(v.text));
        edit->setCursorPosition(0);
    },
    [](const ControlDecl&, const QWidget* w) { return static_cast<const QLineEdit*>(w)->text(); },
    [](QWidget* w, const QString& text) { static_cast<QLineEdit*>(w)->setText(text); },
    [](QWidget* w, QObject* receiver, std::function<void()> changed) {
        QObject::connect(static_cast<QLineEdit*>(w), &QLineEdit::textChanged, receiver, changed);
    },
    nullptr, nullptr, nullptr, nullptr};

// Spin edit: a number kept as typed.
const ControlAdapter kSpinEdit{
    [](const ControlDecl& c, QWidget* parent, std::function<void()>) -> QWidget* {
        auto* spin = new TextSpinBox(parent);
        spin->setText(Q(c.text));
        return spin;
    },
    ReadText,
    WriteText,
    [](const ControlDecl&, const QWidget* w) { return static_cast<const QAbstractSpinBox*>(w)->text(); },
    [](QWidget* w, const QString& text) { static_cast<TextSpinBox*>(w)->setText(text); },
    [](QWidget* w, QObject* receiver, std::function<void()> changed) {
        QObject::connect(static_cast<TextSpinBox*>(w), &TextSpinBox::textChanged, receiver, changed);
    },
    nullptr, nullptr, nullptr, nullptr};

QString ComboText(const ControlDecl&, const QWidget* w) { return static_cast<const QComboBox*>(w)->currentText(); }
void SetComboText(QWidget* w, const QString& text) { static_cast<QComboBox*>(w)->setEditText(text); }
void WatchCombo(QWidget* w, QObject* receiver, std::function<void()> changed) {
    QObject::connect(static_cast<QComboBox*>(w), &QComboBox::editTextChanged, receiver, changed);
}

// Size box: an editable drop-down of sizes.
const ControlAdapter kSizeBox{
    [](const ControlDecl& c, QWidget* parent, std::function<void()>) -> QWidget* {
        auto* box = new QComboBox(parent);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        for (const std::string& item : c.items) box->addItem(Q(item));
        box->setEditText(Q(c.text));
        return box;
    },
    ReadText, WriteText, ComboText, SetComboText, WatchCombo, nullptr, nullptr, nullptr, nullptr};

// Font box: the installed families.
const ControlAdapter kFontBox{
    [](const ControlDecl& c, QWidget* parent, std::function<void()>) -> QWidget* {
        // The family names as the generated style rules need them, drawn
        // in the form's own font (a symbol font's name stays readable).
        auto* box = new QComboBox(parent);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(InstalledFontFamilies());
        box->setCurrentIndex(-1);
        box->setEditText(Q(c.text));  // empty unless the form sets a font
        return box;
    },
    ReadText, WriteText, ComboText, SetComboText, WatchCombo, nullptr, nullptr, nullptr, nullptr};

// Swatch: a colour value; a click opens the colour dialog.
const ControlAdapter kSwatch{
    [](const ControlDecl& c, QWidget* parent, std::function<void()> activated) -> QWidget* {
        auto* swatch = new ColorSwatch(parent);
        swatch->setColorValue(c.color);
        QObject::connect(swatch, &ColorSwatch::clicked, parent, activated);
        return swatch;
    },
    [](const ControlDecl&, const QWidget* w, ControlValue& v) { v.color = static_cast<const ColorSwatch*>(w)->colorValue(); },
    [](const ControlDecl&, QWidget* w, const ControlValue& v) { static_cast<ColorSwatch*>(w)->setColorValue(v.color); },
    [](const ControlDecl&, const QWidget* w) {
        return QString::fromStdString(ColorToHex(static_cast<const ColorSwatch*>(w)->colorValue()));
    },
    nullptr,
    [](QWidget* w, QObject* receiver, std::function<void()> changed) {
        QObject::connect(static_cast<ColorSwatch*>(w), &ColorSwatch::colorChanged, receiver, changed);
    },
    nullptr, nullptr, nullptr, nullptr};

// List box: single-column entries.
void FillListBox(QListWidget* list, const std::vector<ListEntry>& entries) {
    for (const ListEntry& e : entries) list->addItem(Q(e.empty() ? std::string() : e.front()));
}
const ControlAdapter kListBox{
    [](const ControlDecl& c, QWidget* parent, std::function<void()>) -> QWidget* {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        FillListBox(list, c.entries);
        return list;
    },
    [](const ControlDecl&, const QWidget* w, ControlValue& v) {
        auto* list = static_cast<const QListWidget*>(w);
        v.entries.clear();
        for (int i = 0; i < list->count(); ++i) v.entries.push_back({ToBytes(list->item(i)->text())});
    },
    [](const ControlDecl&, QWidget* w, const ControlValue& v) {
        auto* list = static_cast<QListWidget*>(w);
        list->clear();
        FillListBox(list, v.entries);
    },
    NoText, nullptr, WatchModel, nullptr,
    [](const ControlDecl&, QWidget* w, const ListEntry& entry) {
        auto* list = static_cast<QListWidget*>(w);
        list->addItem(Q(entry.empty() ? std::string() : entry.front()));
        list->clearSelection();  // any change of a list box clears its selection
        list->scrollToItem(list->item(list->count() - 1));
    },
    [](QWidget* w) {
        auto* list = static_cast<QListWidget*>(w);
        const QList<QListWidgetItem*> selected = list->selectedItems();
        if (!selected.isEmpty()) delete list->takeItem(list->row(selected.front()));
        list->clearSelection();
    },
    [](QWidget* w) { static_cast<QListWidget*>(w)->clear(); }};

// List view: entries in columns, their captions perhaps edited in place.
const ControlAdapter kListView{
    [](const ControlDecl& c, QWidget* parent, std::function<void()>) -> QWidget* {
        auto* view = new QTreeWidget(parent);
        view->setRootIsDecorated(false);
        view->setUniformRowHeights(true);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setAllColumnsShowFocus(true);
        const int columns = static_cast<int>(c.columns.size());
        view->setColumnCount(std::max(1, columns));
        view->header()->setStretchLastSection(false);
        view->header()->setSectionsMovable(false);
        SizeColumns(view, c.columns, Scaled(QRect(c.rect.left, c.rect.top, c.rect.width, c.rect.height)).width());
        if (c.editableCaptions) {
            view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::SelectedClicked);
        } else {
            view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        }
        for (const ListEntry& e : c.entries) view->addTopLevelItem(NewRow(e, columns, c.editableCaptions));
        return view;
    },
    [](const ControlDecl& c, const QWidget* w, ControlValue& v) {
        auto* view = static_cast<const QTreeWidget*>(w);
        const int columns = static_cast<int>(c.columns.size());
        v.entries.clear();
        for (int i = 0; i < view->topLevelItemCount(); ++i) {
            ListEntry entry;
            for (int col = 0; col < columns; ++col) entry.push_back(ToBytes(view->topLevelItem(i)->text(col)));
            v.entries.push_back(std::move(entry));
        }
    },
    [](const ControlDecl& c, QWidget* w, const ControlValue& v) {
        auto* view = static_cast<QTreeWidget*>(w);
        view->clear();
        for (const ListEntry& e : v.entries) view->addTopLevelItem(NewRow(e, view->columnCount(), c.editableCaptions));
    },
    NoText, nullptr, WatchModel,
    [](const ControlDecl& c, QWidget* w) {
        QStringList captions;
        for (const Column& col : c.columns) captions << FormText(col.caption);
        static_cast<QTreeWidget*>(w)->setHeaderLabels(captions);
    },
    [](const ControlDecl& c, QWidget* w, const ListEntry& entry) {
        auto* view = static_cast<QTreeWidget*>(w);
        QTreeWidgetItem* row = NewRow(entry, view->columnCount(), c.editableCaptions);
        view->addTopLevelItem(row);
        view->scrollToItem(row);  // the new entry in sight, at the end of a long list
    },
    [](QWidget* w) {
        auto* view = static_cast<QTreeWidget*>(w);
        const QList<QTreeWidgetItem*> selected = view->selectedItems();
        if (!selected.isEmpty()) delete view->takeTopLevelItem(view->indexOfTopLevelItem(selected.front()));
    },
    [](QWidget* w) { static_cast<QTreeWidget*>(w)->clear(); }};

// Button: runs its action on the form.
const ControlAdapter kButton{
    [](const ControlDecl&, QWidget* parent, std::function<void()> activated) -> QWidget* {
        auto* button = new QPushButton(parent);
        QObject::connect(button, &QPushButton::clicked, parent, activated);
        return button;
    },
    ReadNothing, WriteNothing, Caption, nullptr, WatchNothing,
    [](const ControlDecl& c, QWidget* w) { static_cast<QPushButton*>(w)->setText(FormText(c.text)); },
    nullptr, nullptr, nullptr};

// Label: static text.
const ControlAdapter kLabel{
    [](const ControlDecl&, QWidget* parent, std::function<void()>) -> QWidget* {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    },
    ReadNothing, WriteNothing, Caption, nullptr, WatchNothing,
    [](const ControlDecl& c, QWidget* w) { static_cast<QLabel*>(w)->setText(FormText(c.text)); },
    nullptr, nullptr, nullptr};

// Choice box: one of fixed items.
const ControlAdapter kChoiceBox{
    [](const ControlDecl& c, QWidget* parent, std::function<void()>) -> QWidget* {
        auto* box = new QComboBox(parent);
        for (const std::string& item : c.items) box->addItem(Q(item));
        box->setCurrentText(Q(c.text));
        return box;
    },
    ReadText, WriteText, ComboText,
    [](QWidget* w, const QString& text) { static_cast<QComboBox*>(w)->setCurrentText(text); },
    [](QWidget* w, QObject* receiver, std::function<void()> changed) {
        QObject::connect(static_cast<QComboBox*>(w), &QComboBox::currentTextChanged, receiver, changed);
    },
    nullptr, nullptr, nullptr, nullptr};

// Check box: yes or no.
const ControlAdapter kCheckBox{
    [](const ControlDecl& c, QWidget* parent, std::function<void()>) -> QWidget* {
        auto* check = new QCheckBox(parent);
        check->setChecked(c.text == "yes");
        return check;
    },
    ReadText, WriteText,
    [](const ControlDecl&, const QWidget* w) {
        return static_cast<const QCheckBox*>(w)->isChecked() ? QStringLiteral("yes") : QStringLiteral("no");
    },
    [](QWidget* w, const QString& text) { static_cast<QCheckBox*>(w)->setChecked(text == QLatin1String("yes")); },
    [](QWidget* w, QObject* receiver, std::function<void()> changed) {
        QObject::connect(static_cast<QCheckBox*>(w), &QCheckBox::toggled, receiver, changed);
    },
    nullptr, nullptr, nullptr, nullptr};

}  // namespace

const ControlAdapter& AdapterFor(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit: return kEdit;
        case ControlKind::SpinEdit: return kSpinEdit;
        case ControlKind::SizeBox: return kSizeBox;
        case ControlKind::FontBox: return kFontBox;
        case ControlKind::Swatch: return kSwatch;
        case ControlKind::ListBox: return kListBox;
        case ControlKind::ListView: return kListView;
        case ControlKind::Button: return kButton;
        case ControlKind::Label: return kLabel;
        case ControlKind::ChoiceBox: return kChoiceBox;
        case ControlKind::CheckBox: return kCheckBox;
    }
    return kLabel;
}

}  // namespace zentrava::desktop
