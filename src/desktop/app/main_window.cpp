#include "app/main_window.h"

#include "app/find_box.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QListWidget>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QUrl>

#if ZENTRAVA_HAVE_XCB
#include <dlfcn.h>

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

#include "app/focus_marker.h"
#include "app/form_manager.h"
#include "app/help_window.h"
#include "app/live_preview.h"
#include "app/interface_font.h"
#include "app/language.h"
#include "app/picture_button.h"
#include "app/resources.h"
#include "effects/child_window.h"
#include "effects/mdi_child.h"
#include "errors.h"
#include "output/insert_effect.h"
#include "output/insert_page.h"
#include "output/code_window.h"
#include "output/text_codec.h"
#include "window_icon.h"  // made at build time from icons/zentrava.svg

namespace zentrava::desktop {

namespace {

// The white area the effect forms open in, one at a time.
class WhiteArea : public QWidget {
public:
    explicit WhiteArea(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent* event) override { QPainter(this).fillRect(event->rect(), Qt::white); }
};

struct ToolButtonDecl {
    const char* name;
    const char* caption;
    const char* hint;
    const char* picture;
    int left;
};

// The eight category buttons, in the order of Categories().
constexpr ToolButtonDecl kCategoryButtons[] = {
    {"MouseButton", QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Mouse"), QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Mouse scripts"), ":/icons/mouse.svg", 8},
    {"menuButton", QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Menu"), QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Menu scripts"), ":/icons/menu.svg", 66},
    {"textButton", QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Text"), QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Text scripts"), ":/icons/text.svg", 124},
    {"pageButton", QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Page"), QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "page scripts"), ":/icons/page.svg", 182},
    {"timeButton", QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Time"), QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Date and time scripts"), ":/icons/time.svg", 241},
    {"imageButton", QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Image"), QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Image scripts"), ":/icons/image.svg", 299},
    {"gameButton", QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Game"), QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "game scripts"), ":/icons/game.svg", 357},
    {"otherButton", QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Others"), QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Other scripts"), ":/icons/other.svg", 416},
};
constexpr ToolButtonDecl kWelcomeButton = {"welcomeButton", QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Website"), QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Zentrava on web"), ":/icons/website.svg", 592};
constexpr ToolButtonDecl kHelpButton = {"helpButton", QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Help"), QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Help"), ":/icons/help.svg", 648};
constexpr const char* kEmptyAreaHint = QT_TRANSLATE_NOOP(
    "zentrava::desktop::MainWindow",
    "No effect is open. Choose one in the list on the left; Enter or Space opens the selected one again.");
constexpr ToolButtonDecl kOpenPageButton = {"openPageButton", QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow", "Open Page..."),
                                            QT_TRANSLATE_NOOP("zentrava::desktop::MainWindow",
                                                              "Change the effects inserted into a page of yours (Ctrl+O)"),
                                            nullptr, 474};

// A fixed-size window needs no maximise button. Qt's window-manager hints
// already leave it out, but keep the resize function, which some window
// managers take as leave to offer maximising; on X11 the hints are set again
// without it.
//
// The X client library is the one Qt's X11 platform plug-in has loaded: the
// program is not linked with it, so that it is neither loaded on other
// platforms nor searched for every symbol the libraries look up at start-up.
void AskForNoMaximiseButton(QWidget* window) {
#if ZENTRAVA_HAVE_XCB
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    void* library = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (!library) return;
    const auto internAtom = reinterpret_cast<decltype(&xcb_intern_atom)>(dlsym(library, "xcb_intern_atom"));
    const auto internAtomReply =
        reinterpret_cast<decltype(&xcb_intern_atom_reply)>(dlsym(library, "xcb_intern_atom_reply"));
    const auto changeProperty = reinterpret_cast<decltype(&xcb_change_property)>(dlsym(library, "xcb_change_property"));
    const auto flush = reinterpret_cast<decltype(&xcb_flush)>(dlsym(library, "xcb_flush"));
    xcb_connection_t* connection = x11->connection();
    static const char kName[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom =
        internAtom && internAtomReply && changeProperty && flush
            ? internAtomReply(connection, internAtom(connection, 0, sizeof kName - 1, kName), nullptr)
            : nullptr;
    if (atom) {
        // flags: functions and decorations; functions: move, minimise, close;
        // decorations: border, title, window menu, minimise.
        const std::uint32_t hints[5] = {0x1 | 0x2, 0x4 | 0x8 | 0x20, 0x2 | 0x8 | 0x10 | 0x20, 0, 0};
        changeProperty(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()), atom->atom,
                       atom->atom, 32, 5, hints);
        flush(connection);
        std::free(atom);
    }
    dlclose(library);
#else
    (void)window;
#endif
}

// An entry of the list. Long names are cut at the list's edge: its tip
// shows the whole English name and both Chinese names, made when asked for.
class EntryItem : public QListWidgetItem {
public:
    EntryItem(const QString& text, const Tplugin& entry, QListWidget* list)
        : QListWidgetItem(text, list), names_{entry.ename, entry.gbname, entry.bigname}, folder_(entry.folder) {}

    QVariant data(int role) const override {
        if (role != Qt::ToolTipRole) return QListWidgetItem::data(role);
        QStringList names;
        for (const std::string& name : names_) {
            if (!name.empty()) names << FromBytes(name).toHtmlEscaped();
        }
        if (!folder_.empty()) {
            names << QCoreApplication::translate("zentrava::desktop::MainWindow", "Your own effect, from %1")
                         .arg(FromPath(folder_))
                         .toHtmlEscaped();
        }
        return QStringLiteral("<p style=\"white-space:pre\">") + names.join(QStringLiteral("<br>")) +
               QStringLiteral("</p>");
    }

private:
    std::string names_[3];
    std::string folder_;
};

const Tplugin& NoEntry() {
    static const Tplugin none;
    return none;
}

}  // namespace

QString HelpFile(const QString& programDir, const QString& language) {
    const QFileInfo chm(QStringLiteral("help.chm"));
    if (chm.isFile()) return chm.absoluteFilePath();
    // The guide in the interface language, where there is one.
    if (language != QLatin1String("en")) {
        const QString translated = programDir + QStringLiteral("/help/index.") + language + QStringLiteral(".html");
        if (QFileInfo(translated).isFile()) return translated;
    }
    return programDir + QStringLiteral("/help/index.html");
}

MainWindow::MainWindow(QString programDir, UiServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      programDir_(std::move(programDir)),
      services_(services) {
    InitResources();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Zentrava XP 2.1"));
    // Its pixels are part of the program: an icon loaded from a file would make
    // Qt probe every image-format plug-in during start-up.
    setWindowIcon(QIcon(QPixmap::fromImage(
        QImage(kWindowIcon, kWindowIconSize, kWindowIconSize, QImage::Format_ARGB32_Premultiplied))));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFont(InterfaceFont());

    BuildToolbar();

    scriptListBox_ = new QListWidget(this);
    scriptListBox_->setObjectName(QStringLiteral("scriptListBox"));
    scriptListBox_->setGeometry(Scaled(QRect(8, 72, 185, 423)));
    scriptListBox_->setSelectionMode(QAbstractItemView::SingleSelection);
    scriptListBox_->setFrameStyle(QFrame::Box | QFrame::Plain);
    scriptListBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scriptListBox_->setTextElideMode(Qt::ElideRight);
    {
        QPalette listPalette = scriptListBox_->palette();
        listPalette.setColor(QPalette::WindowText, QColor(0xA0, 0xA0, 0xA0));  // its flat border
        scriptListBox_->setPalette(listPalette);
    }
    connect(scriptListBox_, &QListWidget::itemSelectionChanged, this, &MainWindow::OpenSelectedEntry);
    scriptListBox_->installEventFilter(this);
    scriptListBox_->viewport()->installEventFilter(this);

    // welcomePanel, with its full-size rectangle Shape1: seen only while the
    // window is created. Panel2 is never shown.
    welcomePanel_ = new QFrame(this);
    welcomePanel_->setObjectName(QStringLiteral("welcomePanel"));
    welcomePanel_->setGeometry(Scaled(QRect(200, 70, 502, 425)));
    auto* shape = new QFrame(welcomePanel_);
    shape->setObjectName(QStringLiteral("Shape1"));
    shape->setGeometry(Scaled(QRect(0, 0, 502, 425)));
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setLineWidth(1);
    auto* panel2 = new QFrame(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setGeometry(Scaled(QRect(264, 144, 333, 262)));

    effectArea_ = new WhiteArea(this);
    effectArea_->setObjectName(QStringLiteral("EffectArea"));
    effectArea_->setGeometry(Scaled(QRect(kEffectLeft, kEffectTop, TMDIChild::kWidth, TMDIChild::kHeight)));
    forms_ = new FormManager(*this, *effectArea_, this);
    // The hint over the empty effect area is made when the area first
    // empties: at start-up a form is open.
    connect(forms_, &FormManager::currentChanged, this, [this](bool open) {
        if (!emptyHint_) {
            if (open) return;
            emptyHint_ = new QLabel(tr(kEmptyAreaHint), this);
            emptyHint_->setObjectName(QStringLiteral("EmptyAreaHint"));
            emptyHint_->setWordWrap(true);
            emptyHint_->setAlignment(Qt::AlignCenter);
            emptyHint_->setGeometry(Scaled(QRect(kEffectLeft + 40, kEffectTop + 160, TMDIChild::kWidth - 80, 80)));
        }
        emptyHint_->setVisible(!open);
        if (!open) emptyHint_->raise();
    });
    // Tab leaves a form at its ends for the toolbar and the list.
    forms_->SetTabHandler([this](bool next) { return MoveFocus(next); });
    focusMarker_ = new FocusMarker(this);
    focusMarker_->Watch(this);
    // The frame's keyboard command that closes the active child window.
    auto* closeChild = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4), this);
    connect(closeChild, &QShortcut::activated, this, [this] {
        if (ChildWindow* child = forms_->CurrentWindow()) child->close();
    });
    auto* live = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    connect(live, &QShortcut::activated, this, [this] { ShowLivePreview(false); });
    // The live preview follows whichever effect form is open.
    connect(forms_, &FormManager::currentChanged, this, [this] {
        if (livePreview_) livePreview_->Follow(CurrentForm());
    });
    auto* openPage = new QShortcut(QKeySequence::Open, this);
    connect(openPage, &QShortcut::activated, this, &MainWindow::OpenPageClick);
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] { Finder()->Open(); });
    // Alt+G, the Generate button's own key, works from the toolbar and the
    // list too (inside the form the button answers it itself).
    auto generate = [this] {
        TMDIChild* form = CurrentForm();
        auto* button = form ? form->findChild<QPushButton*>(QStringLiteral("XP_Button1")) : nullptr;
        if (button && button->isEnabled()) button->click();
    };
    auto* listGenerate = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_G), scriptListBox_);
    listGenerate->setContext(Qt::WidgetShortcut);
    connect(listGenerate, &QShortcut::activated, this, generate);
    auto* toolbarGenerate = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_G), findChild<QWidget*>(QStringLiteral("toolbarPanel")));
    toolbarGenerate->setContext(Qt::WidgetWithChildrenShortcut);
    connect(toolbarGenerate, &QShortcut::activated, this, generate);

    // FormCreate.
    // 1. The caption: the product name and the version, written by the
    //    general floating-point rule (shortest form, the locale's separator).
    const double version = QString::fromLatin1(ZENTRAVA_VERSION).toDouble();
    setWindowTitle(QStringLiteral("Zentrava ") + QLocale().toString(version, 'g', QLocale::FloatingPointShortest));
    // 2. The page skeleton starts empty. 3. The Mouse catalogue.
    skeleton_.clear();
    LoadCategory("mouse.ini");
    // 6. Panel2 stays hidden.
    panel2->hide();
    // 4. A fixed size: no resizing, no maximising.
    setFixedSize(Scaled(QSize(kClientWidth, kClientHeight)));
    // 7. Shown, centred on the desktop.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->availableGeometry();
        move(desktop.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    AskForNoMaximiseButton(this);
    // 8. The application title reads as the caption.
    SetApplicationTitle(windowTitle());
    // 9. Mouse is the selected category.
    setButtonFont(categoryButtons_.front());
    // The toolbar buttons and the list were made in the interface language.
    TranslateOwnTexts();
}

void MainWindow::RetranslateUi() {
    const auto decls = [](std::size_t i) -> const ToolButtonDecl& {
        return i < std::size(kCategoryButtons) ? kCategoryButtons[i] : i == std::size(kCategoryButtons) ? kWelcomeButton
                                                                                                       : kHelpButton;
    };
    for (std::size_t i = 0; i < toolbarButtons_.size(); ++i) {
        toolbarButtons_[i]->setText(tr(decls(i).caption));
        toolbarButtons_[i]->setToolTip(tr(decls(i).hint));
        toolbarButtons_[i]->setAccessibleName(tr(decls(i).caption));
        toolbarButtons_[i]->update();
    }
    TranslateOwnTexts();
    languageBox_->setCurrentIndex(languageBox_->findData(InterfaceLanguage()));
    // The list shows the names in the interface's script; the selection stays.
    const std::vector<std::string> lines = FillScriptList(catalogue_, InterfaceNameScript());
    for (int i = 0; i < scriptListBox_->count() && i < static_cast<int>(lines.size()); ++i) {
        scriptListBox_->item(i)->setText(FromBytes(lines[static_cast<std::size_t>(i)]));
    }
}

void MainWindow::TranslateOwnTexts() {
    scriptListBox_->setAccessibleName(tr("Effects"));
    if (emptyHint_) emptyHint_->setText(tr(kEmptyAreaHint));
    openPageButton_->setText(tr(kOpenPageButton.caption));
    openPageButton_->setToolTip(tr(kOpenPageButton.hint));
    languageBox_->setAccessibleName(tr("Language"));
    languageBox_->setToolTip(tr("The language of the interface (the generated code stays the same)"));
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateUi();
    QWidget::changeEvent(event);
}

MainWindow::~MainWindow() {
    // The children go after this window's own part: what they say on the
    // way out (the last form closing) must not reach it.
    forms_->disconnect();
}

void MainWindow::BuildToolbar() {
    auto* toolbarPanel = new QWidget(this);
    toolbarPanel->setObjectName(QStringLiteral("toolbarPanel"));
    toolbarPanel->setGeometry(Scaled(QRect(-1, 2, 712, 63)));
    auto make = [&](const ToolButtonDecl& d) {
        auto* button = new PictureButton(tr(d.caption), tr(d.hint), QString::fromLatin1(d.picture), toolbarPanel);
        button->setObjectName(QString::fromLatin1(d.name));
        button->setGeometry(Scaled(QRect(d.left, 2, 52, 52)));
        toolbarButtons_.push_back(button);
        return button;
    };
    for (int i = 0; i < static_cast<int>(std::size(kCategoryButtons)); ++i) {
        PictureButton* button = make(kCategoryButtons[i]);
        connect(button, &PictureButton::clicked, this, [this, i] { CategoryButtonClick(i); });
        categoryButtons_.push_back(button);
    }
    connect(make(kWelcomeButton), &PictureButton::clicked, this, &MainWindow::welcomeButtonClick);
    connect(make(kHelpButton), &PictureButton::clicked, this, &MainWindow::helpButtonClick);

    // In the toolbar's gap, one above the other: Open Page... and the
    // interface language, each language by its own name.
    openPageButton_ = new QPushButton(toolbarPanel);
    openPageButton_->setObjectName(QString::fromLatin1(kOpenPageButton.name));
    openPageButton_->setGeometry(Scaled(QRect(474, 4, 112, 22)));
    openPageButton_->setFont(InterfaceFont());
    openPageButton_->setAutoDefault(false);
    connect(openPageButton_, &QPushButton::clicked, this, &MainWindow::OpenPageClick);
    languageBox_ = new QComboBox(toolbarPanel);
    languageBox_->setObjectName(QStringLiteral("languageBox"));
    languageBox_->setGeometry(Scaled(QRect(474, 30, 112, 22)));
    languageBox_->setFocusPolicy(Qt::StrongFocus);
    for (const char* code : kLanguageCodes) languageBox_->addItem(LanguageName(QLatin1String(code)), QLatin1String(code));
    languageBox_->setCurrentIndex(languageBox_->findData(InterfaceLanguage()));
    connect(languageBox_, &QComboBox::activated, this, [this](int index) {
        const QString code = languageBox_->itemData(index).toString();
        if (code == InterfaceLanguage()) return;
        if (SetInterfaceLanguage(code)) {
            RememberLanguage(code);
        } else {
            languageBox_->setCurrentIndex(languageBox_->findData(InterfaceLanguage()));
            services_.ShowError(this, ApplicationTitle(),
                                tr("The %1 translation is missing from\n%2").arg(LanguageName(code), TranslationsFolder()));
        }
    });

    // A thin line under the toolbar.
    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("toolbarRule"));
    rule->setGeometry(Scaled(8), Scaled(64), Scaled(kClientWidth - 16), 1);
    rule->setAutoFillBackground(true);
    QPalette rulePalette = rule->palette();
    rulePalette.setColor(QPalette::Window, QColor(0xD5, 0xDF, 0xEA));
    rule->setPalette(rulePalette);
}

PictureButton* MainWindow::CategoryButton(int index) const {
    if (index < 0 || index >= static_cast<int>(categoryButtons_.size())) return nullptr;
    return categoryButtons_[static_cast<std::size_t>(index)];
}

void MainWindow::LoadCategory(const char* fileName) {
    // The catalogue list is replaced; the current entry is a copy and survives.
    // The shipped entries, then the user's own from their effects folder.
    const Category* category = FindCategory(fileName);
    catalogue_ = category ? LoadCategoryEntries(ProgramDir(), *category, UserEffectsDir())
                          : LoadCatalogue(JoinPath(ProgramDir(), fileName));
    // FillScriptList.
    scriptListBox_->clear();
    const std::vector<std::string> lines = FillScriptList(catalogue_, InterfaceNameScript());
    // Names in plain ASCII are one line of one font, all as high as the
    // first: the list lays them out without measuring each. Other names may
    // need a taller fallback font, so they are measured one by one.
    const bool plain = std::all_of(lines.begin(), lines.end(), [](const std::string& line) {
        return std::all_of(line.begin(), line.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
    });
    scriptListBox_->setUniformItemSizes(plain);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i < catalogue_.size()) {
            new EntryItem(FromBytes(lines[i]), catalogue_[i], scriptListBox_);
        } else {
            new QListWidgetItem(FromBytes(lines[i]), scriptListBox_);
        }
    }
}

void MainWindow::setButtonFont(PictureButton* button) {
    if (selectedButton_) selectedButton_->setBold(false);
    button->setBold(true);
    selectedButton_ = button;
}

void MainWindow::CategoryButtonClick(int index) {
    const auto& categories = Categories();
    if (index < 0 || index >= static_cast<int>(categories.size())) return;
    LoadCategory(categories[static_cast<std::size_t>(index)].fileName);
    setButtonFont(categoryButtons_[static_cast<std::size_t>(index)]);
}

FindBox* MainWindow::Finder() {
    if (!findBox_) {
        findBox_ = new FindBox(programDir_, this);
        connect(findBox_, &FindBox::chosen, this, &MainWindow::ShowEntry);
    }
    return findBox_;
}

void MainWindow::ShowEntry(int category, int index) {
    CategoryButtonClick(category);
    if (index < 0 || index >= scriptListBox_->count()) return;
    // The press selects the line, the release opens it again: one opening
    // when the selection changes, as the mouse-up of a click re-opens it.
    if (scriptListBox_->currentRow() == index && scriptListBox_->item(index)->isSelected()) {
        OpenSelectedEntry();
    } else {
        scriptListBox_->setCurrentRow(index);
    }
    scriptListBox_->setFocus();
}

void MainWindow::OpenSelectedEntry() {
    for (int i = 0; i < scriptListBox_->count(); ++i) {
        if (!scriptListBox_->item(i)->isSelected()) continue;
        if (i >= static_cast<int>(catalogue_.size())) return;
        currentEntry_ = catalogue_[static_cast<std::size_t>(i)];
        welcomePanel_->hide();
        // The form is shown, but the list keeps the focus, so that the arrow
        // keys go on browsing; Tab leads into the form.
        const bool fromList = focusWidget() == scriptListBox_;
        forms_->OpenEffectForm(*currentEntry_);
        if (fromList) scriptListBox_->setFocus(Qt::OtherFocusReason);
        return;
    }
}

QList<QWidget*> MainWindow::FocusRing() const {
    QList<QWidget*> ring;
    auto tabStop = [this](QWidget* w) {
        return (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isEnabled() && w->isVisibleTo(this);
    };
    for (PictureButton* button : toolbarButtons_) {
        if (button == toolbarButtons_[categoryButtons_.size()]) {
            for (QWidget* gap : {static_cast<QWidget*>(openPageButton_), static_cast<QWidget*>(languageBox_)}) {
                if (tabStop(gap)) ring << gap;
            }
        }
        if (tabStop(button)) ring << button;
    }
    if (tabStop(scriptListBox_)) ring << scriptListBox_;
    if (TMDIChild* form = CurrentForm()) {
        // The form's own Tab order, which is the order of its declaration.
        QWidget* w = form->nextInFocusChain();
        for (int guard = 0; w && w != form && guard < 10000; w = w->nextInFocusChain(), ++guard) {
            if (form->isAncestorOf(w) && tabStop(w)) ring << w;
        }
    }
    return ring;
}

bool MainWindow::MoveFocus(bool next) {
    const QList<QWidget*> ring = FocusRing();
    if (ring.isEmpty()) return false;
    qsizetype at = -1;
    for (QWidget* w = QApplication::focusWidget(); w && at < 0; w = w->parentWidget()) at = ring.indexOf(w);
    const qsizetype n = ring.size();
    const qsizetype to = at < 0 ? (next ? 0 : n - 1) : (at + (next ? 1 : n - 1)) % n;
    ring[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool MainWindow::focusNextPrevChild(bool next) { return MoveFocus(next); }

void MainWindow::FinishStartUp() {
    // 3. The code window is made by the first Generate (or insertion), not
    //    here: hidden until then, it would only cost start-up time and memory
    //    (its two code views load a font of their own). Its browser is made
    //    at the first preview.
    // 4. The welcome panel is hidden.
    welcomePanel_->hide();
    // 6. Entry 0 of the catalogue becomes the current entry; its form opens.
    OpenFirstEntry();
    // The keyboard starts on the effect list.
    scriptListBox_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::OpenFirstEntry() {
    if (catalogue_.empty()) return;
    currentEntry_ = catalogue_.front();
    forms_->OpenEffectForm(*currentEntry_);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scriptListBox_->viewport()) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseButtonRelease: {
                // Only a line answers the mouse: a press or release over the
                // empty part of the list neither clears the selection nor
                // opens the form again (what the user typed stays).
                const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
                if (!scriptListBox_->itemAt(pos)) return true;
                // scriptListBoxMouseUp (the list selects on the press, before this).
                if (event->type() == QEvent::MouseButtonRelease) OpenSelectedEntry();
                break;
            }
            default:
                break;
        }
    } else if (watched == scriptListBox_ && event->type() == QEvent::KeyPress) {
        // Down (or Up) on a list without a selection selects its first line.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && scriptListBox_->count() > 0 &&
            scriptListBox_->selectedItems().isEmpty()) {
            scriptListBox_->setCurrentRow(0);
            return true;
        }
        // Enter or Space on the selected line opens its form again once it was closed.
        const bool opens = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
        if (opens && !CurrentForm() && !scriptListBox_->selectedItems().isEmpty()) {
            OpenSelectedEntry();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::welcomeButtonClick() { OpenWithDefaultHandler(services_, this, QUrl(QString::fromLatin1(kWebsite))); }

void MainWindow::helpButtonClick() {
    const QString guide = HelpFile(programDir_, InterfaceLanguage());
    const QUrl help = QUrl::fromLocalFile(guide);
    // When nothing on the desktop opens it, the user guide shows in the app's
    // own help window; the error box is left for when even that cannot be.
    QPointer<MainWindow> self(this);
    auto failed = [self, help, guide] {
        if (!self) return;
        if (!self->helpWindow_) self->helpWindow_ = new HelpWindow(self);
        if (self->helpWindow_->ShowGuide(guide)) return;
        OpenWithDefaultHandler(self->services_, self, help, /*tryFirst=*/false);
    };
    if (!services_.OpenUrl(help, this, failed)) failed();
}

const Tplugin& MainWindow::CurrentEntry() const { return currentEntry_ ? *currentEntry_ : NoEntry(); }

std::string MainWindow::ProgramDir() const { return ToPath(programDir_); }

TMDIChild* MainWindow::CurrentForm() const { return forms_->CurrentForm(); }

CodeWindow* MainWindow::EnsureCodeWindow() {
    if (!codeWindow_) {
        codeWindow_ = new CodeWindow(services_, programDir_, this);
        // The form of the effect inserted goes on replacing the block it
        // inserted (not the form of another entry opened since).
        connect(codeWindow_, &CodeWindow::inserted, this, [this](const QString& page, const QString& block) {
            TMDIChild* form = CurrentForm();
            const auto& source = codeWindow_->CurrentInsertSource();
            if (form && form->InsertPage().empty() && source && HasCurrentEntry() &&
                source->effect.entry.ename == currentEntry_->ename && source->effect.form &&
                source->effect.form->className == form->Decl().className) {
                form->SetInsertTarget(ToPath(page), ToBytes(block));
            }
        });
        focusMarker_->Watch(codeWindow_);
        connect(codeWindow_, &CodeWindow::livePreviewRequested, this, [this] { ShowLivePreview(true); });
    }
    return codeWindow_;
}

void MainWindow::ShowLivePreview(bool fromCodeWindow) {
    if (!livePreview_) {
        livePreview_ = new LivePreview(programDir_, this);
        livePreview_->SetSource([this]() -> std::vector<std::string> {
            TMDIChild* form = CurrentForm();
            if (!form || !form->Decl().generate) {
                throw std::runtime_error(tr("The open effect has no code to show.").toStdString());
            }
            return form->GeneratePage();
        }, [this] { return currentEntry_ ? currentEntry_->folder : std::string(); });
    }
    livePreview_->Follow(CurrentForm());
    livePreview_->show();
    livePreview_->raise();
    livePreview_->activateWindow();
    if (fromCodeWindow && codeWindow_) livePreview_->ShowPage(codeWindow_->CurrentPageLines(), codeWindow_->SourceDir());
    else livePreview_->Regenerate();
}

void MainWindow::OfferInsertion(const InsertSource& source) { EnsureCodeWindow()->SetInsertSource(source); }

namespace {

// One line of "Open Page...": the block's name, its entry and category and
// what was changed from the form's defaults.
QString DescribeBlock(const PageBlock& block) {
    const QString name = FromBytes(block.name);
    if (!block.recipe) return MainWindow::tr("%1 (its recipe cannot be read)").arg(name);
    QStringList changes;
    for (const RecipeChange& c : block.recipe->changes) {
        QString value = FromBytes(c.value);
        value.replace(QLatin1Char('\t'), QStringLiteral(" | "));
        if (c.kind == RecipeChange::Clear) changes << MainWindow::tr("%1 emptied").arg(FromBytes(c.control));
        else if (c.kind == RecipeChange::Add) changes << FromBytes(c.control) + QStringLiteral(" + ") + value;
        else changes << FromBytes(c.control) + QLatin1Char('=') + value;
    }
    const QString recipe = changes.isEmpty() ? MainWindow::tr("default values") : changes.join(QStringLiteral(", "));
    return MainWindow::tr("%1: %2 (%3) with %4")
        .arg(name, FromBytes(block.recipe->entry), FromBytes(block.recipe->category), recipe);
}

}  // namespace

void MainWindow::OpenPageClick() {
    const QString start = lastOpenedPage_.isEmpty() ? QDir::homePath() : lastOpenedPage_;
    const std::optional<QString> file = services_.RunOpenDialog(
        this, tr("Open Page"), tr("Web pages (*.html *.htm *.xhtml *.php);;All files (*)"), start);
    if (!file) return;
    const std::string path = ToPath(QFileInfo(*file).absoluteFilePath());
    lastOpenedPage_ = FromPath(path);
    try {
        const std::vector<PageBlock> blocks = ListBlocks(ReadPageFile(path));
        const QString shownFile = QDir::toNativeSeparators(FromPath(path));
        if (blocks.empty()) {
            services_.ShowMessage(this, ApplicationTitle(),
                                  tr("%1 holds no inserted effects. Generate an effect and use \"Insert into Page...\" "
                                     "in the code window to insert one.")
                                      .arg(shownFile));
            return;
        }
        QStringList items;
        for (const PageBlock& block : blocks) items << DescribeBlock(block);
        const std::optional<int> chosen =
            services_.RunChoiceDialog(this, tr("Open Page"), tr("Effects inserted into %1:").arg(shownFile), items);
        if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(blocks.size())) return;
        const PageBlock& block = blocks[static_cast<std::size_t>(*chosen)];
        if (!block.recipe) {
            throw EngineError("The recipe of the inserted effect " + block.name + " cannot be read");
        }
        const ChosenEffect effect = ResolveRecipe(ProgramDir(), *block.recipe);
        // Its category, its line of the list, its form.
        const auto& categories = Categories();
        int category = -1;
        for (std::size_t i = 0; i < categories.size(); ++i) {
            if (CategoryBase(categories[i]) == effect.category) category = static_cast<int>(i);
        }
        CategoryButtonClick(category);
        int index = -1;
        for (std::size_t i = 0; i < catalogue_.size() && index < 0; ++i) {
            if (catalogue_[i].ename == effect.entry.ename) index = static_cast<int>(i);
        }
        ShowEntry(category, index);
        TMDIChild* form = CurrentForm();
        if (!form || !HasCurrentEntry() || currentEntry_->ename != effect.entry.ename) return;
        form->ApplyValues(effect.values);
        form->SetInsertTarget(path, block.name);
    } catch (const std::exception& e) {
        services_.ShowError(this, ApplicationTitle(), FromBytes(ErrorBoxText(e.what())));
    }
}

void MainWindow::ShowCodeWindow(TScriptCodeStrings& lines) {
    EnsureCodeWindow();
    codeWindow_->ShowGenerated(lines, CurrentEntry(), skeleton_);
}

}  // namespace zentrava::desktop
