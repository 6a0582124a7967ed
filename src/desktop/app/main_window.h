// TMainForm: the main window with the category toolbar, the effect
// list and the effect area, and the shell state it holds: the catalogue list,
// the current entry, the page skeleton and the shared dialogs.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QWidget>

#include "app/services.h"
#include "catalogue/plugin.h"
#include "effects/shell.h"

class QComboBox;
class QLabel;
class QPushButton;
class QListWidget;

namespace zentrava::desktop {

class CodeWindow;
class FindBox;
class FocusMarker;
class FormManager;
class HelpWindow;
class LivePreview;
class PictureButton;
class TMDIChild;

class MainWindow : public QWidget, public Shell {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 708;
    static constexpr int kClientHeight = 501;
    // The effect area: left = list width + 10, top = toolbar height + 7.
    static constexpr int kEffectLeft = 185 + 10;
    static constexpr int kEffectTop = 63 + 7;

    // Creates and shows the main window (FormCreate): reads "mouse.ini" from
    // `programDir` and lists its effects. `services` must outlive the window.
    MainWindow(QString programDir, UiServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up steps after the main window's creation: the code window
    // is created hidden, the welcome panel hidden, and the first entry opened.
    void FinishStartUp();
    // The last start-up step before the message loop: entry 0 of the
    // catalogue becomes the current entry and its form opens.
    void OpenFirstEntry();

    // Shell.
    const Tplugin& CurrentEntry() const override;
    std::string ProgramDir() const override;
    std::vector<std::string>& PageSkeleton() override { return skeleton_; }
    UiServices& Services() override { return services_; }
    SharedDialogs& Dialogs() override { return dialogs_; }
    QWidget* DialogParent() override { return this; }
    void ShowCodeWindow(TScriptCodeStrings& lines) override;
    void OfferInsertion(const InsertSource& source) override;

    // State, for the effect forms and for tests.
    const CatalogueList& Catalogue() const { return catalogue_; }
    bool HasCurrentEntry() const { return currentEntry_.has_value(); }
    FormManager& Forms() const { return *forms_; }
    TMDIChild* CurrentForm() const;
    QListWidget* ScriptList() const { return scriptListBox_; }
    QWidget* EffectArea() const { return effectArea_; }
    PictureButton* SelectedButton() const { return selectedButton_; }
    PictureButton* CategoryButton(int index) const;
    // The code window, null until the first Generate (or an insertion) needed it.
    CodeWindow* CodeWindowIfCreated() const { return codeWindow_; }
    QWidget* WelcomePanel() const { return welcomePanel_; }
    // The app's own help window, null until Help needed it.
    HelpWindow* HelpWindowIfCreated() const { return helpWindow_; }
    // The Live Preview window (null until first opened): from the code window
    // (`fromCodeWindow`) it starts with the page view's page, from the form
    // (Ctrl+L) with the page made from the form's values.
    LivePreview* LivePreviewIfCreated() const { return livePreview_; }
    void ShowLivePreview(bool fromCodeWindow);
    // The hint shown in the effect area while no form is open.
    QLabel* EmptyAreaHint() const { return emptyHint_; }  // null until the area first empties
    // The find box, made at its first use (Ctrl+F).
    FindBox* Finder();
    // Switches to a category as its toolbar button does and selects a line
    // of the list as a click on it does (the entry's form opens).
    void ShowEntry(int category, int index);
    QString ProgramDirectory() const { return programDir_; }
    FocusMarker& Focus() const { return *focusMarker_; }
    // The interface language choice in the toolbar.
    QComboBox* LanguageBox() const { return languageBox_; }

    // The keyboard's round, in Tab order: the toolbar buttons, the effect
    // list, the current form's controls (its Generate button last).
    QList<QWidget*> FocusRing() const;
    // Tab (next) or Shift+Tab: the focus goes to the next or previous control
    // of the round, from the last back to the first.
    bool MoveFocus(bool next);

public Q_SLOTS:
    // The category buttons' handlers, all alike (index in toolbar order:
    // Mouse, Menu, Text, Page, Time, Image, Game, Others).
    void CategoryButtonClick(int index);
    void welcomeButtonClick();  // "Website"
    void helpButtonClick();     // "Help"
    // scriptListBoxClick and scriptListBoxMouseUp.
    void OpenSelectedEntry();
    // "Open Page..." (Ctrl+O): lists the effects inserted into a page the
    // user chooses; the one chosen opens in its form with the values it was
    // inserted with, and the form's next insertion into that page replaces it.
    void OpenPageClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void BuildToolbar();
    // The texts that follow the interface language.
    void RetranslateUi();
    // Those not set where their widget is made.
    void TranslateOwnTexts();
    void setButtonFont(PictureButton* button);
    void LoadCategory(const char* fileName);
    CodeWindow* EnsureCodeWindow();

    QString programDir_;
    UiServices& services_;
    SharedDialogs dialogs_;
    CatalogueList catalogue_;
    std::optional<Tplugin> currentEntry_;
    std::vector<std::string> skeleton_;

    std::vector<PictureButton*> categoryButtons_;
    std::vector<PictureButton*> toolbarButtons_;  // all ten, left to right
    PictureButton* selectedButton_ = nullptr;
    QListWidget* scriptListBox_ = nullptr;
    QWidget* effectArea_ = nullptr;
    FormManager* forms_ = nullptr;
    CodeWindow* codeWindow_ = nullptr;
    QWidget* welcomePanel_ = nullptr;
    QLabel* emptyHint_ = nullptr;  // over the effect area while no form is open (made then)
    FindBox* findBox_ = nullptr;
    QPushButton* openPageButton_ = nullptr;
    QComboBox* languageBox_ = nullptr;
    FocusMarker* focusMarker_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;  // made when the desktop cannot open the help
    LivePreview* livePreview_ = nullptr;  // made when first opened
    QString lastOpenedPage_;  // the page "Open Page..." opened last
};

// The product web site that "Website" opens.
inline constexpr const char* kWebsite = "https://www.example.com/zentrava/";

// What "Help" opens: "help.chm" in the working directory when it is there,
// otherwise the user guide in the program directory (few Linux desktops open
// the compiled help format): help/index.<language>.html in a translated
// interface where it exists, else help/index.html.
QString HelpFile(const QString& programDir, const QString& language = QStringLiteral("en"));

}  // namespace zentrava::desktop
