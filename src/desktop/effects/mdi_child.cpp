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
#include "effects/control_adapter.h"
#include "effects/control_kind.h"
#include "effects/controls.h"
#include "effects/registry.h"
#include "effects/shell.h"
#include "effects/typed_text.h"
#include "errors.h"
#include "output/generated_page.h"
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
        title_ = new Caption(Qt::AlignLeft | Qt::AlignVCenter, this);
        title_->setObjectName(QStringLiteral("TitlePanel"));
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
        QWidget* widget = AdapterFor(c.kind).create(c, this, [this, &c] { Activate(c); });
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
            auto* label = new Caption(Qt::AlignRight | Qt::AlignVCenter, this);
            label->setObjectName(Q(c.name) + QStringLiteral("Label"));
            label->setBuddy(widget);
        }
        if (!c.unit.empty()) {
            auto* unit = new Caption(Qt::AlignLeft | Qt::AlignVCenter, this);
            unit->setObjectName(Q(c.name) + QStringLiteral("Unit"));
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
        const bool hasValues = std::any_of(decl_.controls.begin(), decl_.controls.end(),
                                           [](const ControlDecl& c) { return HoldsValue(c); });
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
        if (auto* label = findChild<Caption*>(Q(c.name) + QStringLiteral("Label"), Qt::FindDirectChildrenOnly)) {
            label->setText(FormText(c.label));
            const int left = Scaled(c.labelLeft >= 0 ? c.labelLeft : decl_.panel.left);
            int width = std::max(0, Scaled(c.rect.left - 6) - left);
            // a caption wider than its room in this font takes it from the gap before its control
            const int need = label->textWidth();
            if (need > width) width = std::min(need, std::max(0, Scaled(c.rect.left - 2) - left));
            const QRect box = ToQRect(c.rect);
            label->setGeometry(left, box.top(), width, box.height());
            name = AccessibleLabel(label->text());
        }
        if (auto* unit = findChild<Caption*>(Q(c.name) + QStringLiteral("Unit"), Qt::FindDirectChildrenOnly)) {
            // The unit word stands right of the control and completes its name.
            unit->setText(FormText(c.unit));
            const QRect box = ToQRect(c.rect);
            unit->setGeometry(box.right() + 1 + Scaled(4), box.top(), unit->textWidth() + 4, box.height());
            name = name.isEmpty() ? unit->text() : name + QLatin1Char(' ') + unit->text();
        }
        if (!name.isEmpty()) widget->setAccessibleName(name);
        if (const auto retranslate = AdapterFor(c.kind).retranslate) retranslate(c, widget);
    }
    if (auto* generate = findChild<QPushButton*>(QStringLiteral("XP_Button1"), Qt::FindDirectChildrenOnly)) {
        generate->setText(tr("&Generate Codes..."));
    }
    for (auto& [name, w] : warnings_) {
        if (w.fix) w.fix->setText(tr("Fix"));
    }
    UpdateTextWarnings();
}

void TMDIChild::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateUi();
    QWidget::changeEvent(event);
}

void TMDIChild::WatchParameters() {
    const auto changed = [this] { Q_EMIT parametersChanged(); };
    for (const ControlDecl& c : decl_.controls) {
        if (QWidget* widget = Control(Q(c.name))) AdapterFor(c.kind).watch(widget, this, changed);
    }
}

std::vector<std::string> TMDIChild::GeneratePage() const {
    return MakePage(decl_, CollectValues(), shell_.CurrentEntry(), shell_.ProgramDir()).view.page;
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

// A click on a swatch or a button.
void TMDIChild::Activate(const ControlDecl& c) {
    if (c.kind == ControlKind::Button) {
        RunButton(c);
    } else if (auto* swatch = qobject_cast<ColorSwatch*>(Control(Q(c.name)))) {
        SwatchClick(c, swatch);
    }
}

// The place of the warning line of a text control: beside it where the form
// has room on its right, otherwise below the parameter panel, named by the
// control's label. Its widgets are made only when text needs the warning.
void TMDIChild::PlaceTextWarning(const ControlDecl& c) {
    if (!decl_.generate || !HoldsText(c)) return;
    QWidget* widget = Control(Q(c.name));
    if (!widget) return;
    AdapterFor(c.kind).watch(widget, this, [this] { UpdateTextWarnings(); });
    Warning w;
    constexpr int kFixWidth = 36, kGap = 6, kMinRoom = 140;
    const int right = c.rect.left + c.rect.width + kGap;
    const int room = kWidth - kFrameWidth - 4 - right;
    if (room >= kMinRoom) {
        w.fixBox = QRect(right, c.rect.top, kFixWidth, c.rect.height);
        w.labelBox = QRect(right + kFixWidth + 4, c.rect.top, room - kFixWidth - 4, c.rect.height);
    } else {
        const int top = decl_.panel.top + decl_.panel.height + 6 + 24 * warningsBelow_++;
        w.fixBox = QRect(layout::kFieldLeft, top, kFixWidth, 21);
        w.labelBox = QRect(layout::kFieldLeft + kFixWidth + 4, top, kWidth - layout::kFieldLeft - kFixWidth - 12, 21);
        w.below = true;
    }
    warnings_[LowerAscii(c.name)] = w;
}

void TMDIChild::MakeWarningWidgets(const std::string& name, Warning& w) {
    const ControlDecl* c = decl_.Control(name);
    w.fix = new QPushButton(tr("Fix"), this);
    w.fix->setObjectName(Q(c ? c->name : name) + QStringLiteral("Fix"));
    w.fix->setGeometry(Scaled(w.fixBox));
    w.label = new QLabel(this);
    w.label->setObjectName(Q(c ? c->name : name) + QStringLiteral("Warning"));
    w.label->setTextFormat(Qt::PlainText);
    QPalette warn = w.label->palette();
    warn.setColor(QPalette::WindowText, QColor(0xB0, 0x20, 0x20));
    w.label->setPalette(warn);
    w.label->setGeometry(Scaled(w.labelBox));
    // Tab goes from the text to its Fix button.
    if (QWidget* control = Control(Q(name)); control && (control->focusPolicy() & Qt::TabFocus)) {
        setTabOrder(control, w.fix);
    }
    connect(w.fix, &QPushButton::clicked, this, [this, name] {
        auto it = warnings_.find(name);
        if (it != warnings_.end()) SetControlText(Q(name), it->second.fixed);
    });
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
        if (show && !w.label) MakeWarningWidgets(name, w);
        if (!w.label) continue;
        w.label->setVisible(show);
        w.fix->setVisible(show);
        if (!show) continue;
        const ControlDecl* c = decl_.Control(name);
        const QString label = c ? AccessibleLabel(FormText(c->label)) : QString();
        const QString brief = WarningBrief(it->second);
        w.label->setText(w.below ? label + QStringLiteral(": ") + brief : brief);
        w.fixed = Q(it->second.fixed);
        const QString tip = WarningMessage(it->second) + QStringLiteral("\n") + tr("Fix writes: %1").arg(w.fixed);
        w.label->setToolTip(tip);
        w.fix->setToolTip(tip);
        w.fix->setAccessibleName(tr("Insert the escapes into %1").arg(label));
        w.label->setAccessibleName(WarningMessage(it->second));
    }
}

void TMDIChild::SetControlText(const QString& name, const QString& text) {
    const ControlDecl* c = decl_.Control(ToBytes(name));
    QWidget* w = Control(name);
    if (c && w && AdapterFor(c->kind).setText) AdapterFor(c->kind).setText(w, text);
    UpdateTextWarnings();
}

QWidget* TMDIChild::Control(const QString& name) const {
    auto it = controls_.find(LowerAscii(ToBytes(name)));
    return it == controls_.end() ? nullptr : it->second;
}

QString TMDIChild::ControlText(const QString& name) const {
    const ControlDecl* c = decl_.Control(ToBytes(name));
    QWidget* w = Control(name);
    return c && w ? AdapterFor(c->kind).text(*c, w) : QString();
}

FormValues TMDIChild::CollectValues() const {
    FormValues values;
    for (const ControlDecl& c : decl_.controls) {
        if (!HoldsValue(c)) continue;
        ControlValue& v = values[c.name];
        v.text = c.text;
        v.color = c.color;
        if (QWidget* w = Control(Q(c.name))) AdapterFor(c.kind).read(c, w, v);
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
        if (v && w) AdapterFor(c.kind).write(c, w, *v);
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
    // The list an entry button works on.
    const ControlDecl* targetDecl = decl_.Control(c.target);
    const ControlAdapter* list = target && targetDecl && IsList(*targetDecl) ? &AdapterFor(targetDecl->kind) : nullptr;
    switch (c.action) {
        case ButtonAction::None:
            return;
        case ButtonAction::AddEntry: {
            ListEntry entry;
            for (const FieldSource& s : c.sources) {
                entry.push_back(s.control.empty() ? s.literal : ToBytes(ControlText(Q(s.control))));
            }
            if (list) list->addEntry(*targetDecl, target, entry);
            return;
        }
        case ButtonAction::RemoveEntry: {
            if (list) list->removeSelected(target);
            return;
        }
        case ButtonAction::ClearEntries: {
            if (list) list->clearEntries(target);
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

}  // namespace zentrava::desktop
