// TMDIChild: an effect form rendered from its declaration, its controls
// made and read through their kinds' adapters (control_adapter.h). It
// shows the title bar panel, the white parameter panel with the declared
// controls, and the Generate button; it owns the form's script lines.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <QWidget>

#include "effects/form.h"
#include "effects/script_lines.h"

class QLabel;
class QPushButton;

namespace zentrava::desktop {

class Caption;
class ColorSwatch;
class Shell;

class TMDIChild : public QWidget {
    Q_OBJECT
public:
    // The form's outer size (the effect area).
    static constexpr int kWidth = 500;
    static constexpr int kHeight = 423;
    static constexpr int kTitleHeight = 25;
    static constexpr int kFrameWidth = 2;

    // Builds the form from `decl` (FormCreate: the script lines start empty
    // and the title shows two blanks and the current entry's ename).
    TMDIChild(FormDecl decl, Shell& shell, QWidget* parent = nullptr);
    ~TMDIChild() override;

    const FormDecl& Decl() const { return decl_; }
    TScriptCodeStrings& ScriptLines() { return lines_; }
    const TScriptCodeStrings& ScriptLines() const { return lines_; }

    // The widget of a declared control, by name (letter case ignored).
    QWidget* Control(const QString& name) const;
    // The values of the controls as they stand.
    FormValues CollectValues() const;

    // Puts values into the controls (the ones `values` names; lists are
    // filled anew).
    void ApplyValues(const FormValues& values);
    // The form's next insertion into `page` replaces its block `block` (the
    // form was opened from that page, or inserted there).
    void SetInsertTarget(std::string page, std::string block);
    const std::string& InsertPage() const { return insertPage_; }
    const std::string& InsertBlock() const { return insertBlock_; }

    // Shows, beside each text control whose text would end the script
    // string it is written into, a short warning and a button that inserts
    // the escapes; hides the others. Runs whenever a text changes.
    void UpdateTextWarnings();

    // The whole page that Generate would show for the values as they stand,
    // made without the code window and without changing the form's script
    // lines or the shell's skeleton. Raises the engine's errors.
    std::vector<std::string> GeneratePage() const;

Q_SIGNALS:
    // A parameter changed: a text typed, a colour, a number, a font, a list entry.
    void parametersChanged();

public Q_SLOTS:
    // XP_Button1Click: the Generate flow. An engine error is shown in the
    // application's error box and the code window is not shown.
    void Generate();
    // "Reset": the controls get the form's own defaults back.
    void ResetValues();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The captions, labels and names in the interface language.
    void RetranslateUi();
    void Activate(const ControlDecl& c);
    void ConnectListKeys();
    void WatchParameters();
    void RunButton(const ControlDecl& c);
    void SwatchClick(const ControlDecl& c, ColorSwatch* swatch);
    QString ControlText(const QString& name) const;
    void SetControlText(const QString& name, const QString& text);
    void PlaceCapacityNote(const ControlDecl& c);
    std::vector<QMetaObject::Connection> capacityWatch_;  // the lists' notes follow their rows
    void PlaceTextWarning(const ControlDecl& c);
    void ShowError(const QString& message, const QString& detail = QString());
    void RestoreLastValues();

    FormDecl decl_;
    Shell& shell_;
    TScriptCodeStrings lines_;
    Caption* title_ = nullptr;
    std::map<std::string, QWidget*> controls_;  // lower-case name -> widget
    // Its label and Fix button are made when it is first shown.
    struct Warning {
        QRect fixBox, labelBox;  // in the form's own units
        bool below = false;      // below the parameter panel, named by the control's caption
        QLabel* label = nullptr;
        QPushButton* fix = nullptr;
        QString fixed;
    };
    void MakeWarningWidgets(const std::string& name, Warning& w);
    std::map<std::string, Warning> warnings_;  // lower-case name of a text control -> its warning
    int warningsBelow_ = 0;  // warnings placed below the parameter panel so far
    std::string insertPage_, insertBlock_;
};

}  // namespace zentrava::desktop

// The subwindow that hosts a form, and its frame, are in files of their own.
#include "effects/child_window.h"
#include "effects/sizing_frame.h"
