// Effect form declarations: every form is declared once, as the controls it
// shows (with their defaults and places) plus the generator that writes its
// script lines. The desktop renders a declaration as a form; the command-line
// generator fills the same values without a display.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/plugin.h"
#include "effects/script_lines.h"
#include "errors.h"
#include "output/color.h"

namespace zentrava {

enum class ControlKind {
    Edit,      // single-line text
    SpinEdit,  // numeric text with arrows, kept exactly as typed
    SizeBox,   // editable drop-down of sizes
    FontBox,   // drop-down of installed font names, starts empty
    Swatch,    // colour panel that opens the shared colour dialog
    ListBox,   // single-column list of entries, single selection
    ListView,  // multi-column report list of entries
    Button,    // runs an action on the form's controls
    Label,     // static text
    ChoiceBox, // drop-down of fixed items, one of them chosen
    CheckBox,  // yes or no, its text "yes" or "no"
};

const char* KindName(ControlKind kind);

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct Column {
    std::string caption;
    int width = -1;  // pixels; -1 shares the list's width with the other sized-to-fit columns
};

// What a button does, on the controls of its own form.
enum class ButtonAction {
    None,
    AddEntry,     // append an entry to `target`, its fields from `sources`
    RemoveEntry,  // delete the selected entry of `target`, if any
    ClearEntries, // delete every entry of `target`
    ChooseFile,   // shared file dialog with `filter`; on OK `target` edit gets the path
    BrowsePicture // shared picture dialog; on OK `target` edit gets the path
};

// One field of an added entry: the text of a control, or a fixed text.
struct FieldSource {
    std::string control;  // control whose text is taken, or empty
    std::string literal;  // used when control is empty
};

using ListEntry = std::vector<std::string>;  // one field per column

struct ControlDecl {
    std::string name;
    ControlKind kind = ControlKind::Edit;
    std::string label;     // shown right-aligned to the left of the control
    std::string text;      // default text; the caption of a button or label
    TColor color = 0;      // default colour of a swatch
    bool preset = false;   // swatch: the dialog opens with the swatch's colour
    std::string swatchTarget;  // swatch: a fixed control that receives the colour
    std::vector<std::string> items;     // size box: the drop-down items
    std::vector<Column> columns;        // list view: its columns
    bool editableCaptions = false;      // list view: captions edited in place
    std::vector<ListEntry> entries;     // list: the default entries
    std::size_t capacity = 0;           // list: the most entries its script has lines for; 0 for no limit
    ButtonAction action = ButtonAction::None;
    std::string target;                 // button: the list or edit it acts on
    std::vector<FieldSource> sources;   // button AddEntry: one per field
    std::string filter;                 // button ChooseFile: "Name(*.x)|*.x|..."
    std::string fontFamily;             // label or panel font, empty for the form's own
    int fontSize = 0;
    Rect rect;                          // in form client pixels
    int labelLeft = -1;                 // label's left edge; -1 puts it at the panel's left
    std::string unit;                   // a word shown right of the control (a spin edit's unit)
    bool ranged = false;                // spin edit: the number must lie from minimum to maximum
    double minimum = 0, maximum = 0;
};

// The values of a form's controls, by control name (letter case ignored).
struct ControlValue {
    std::string text;
    TColor color = 0;
    std::vector<ListEntry> entries;
};

class FormValues {
public:
    ControlValue& operator[](const std::string& name);
    const ControlValue* Find(const std::string& name) const;
    const std::string& Text(const std::string& name) const;
    std::string Hex(const std::string& name) const;  // ColorToHex of a swatch
    const std::vector<ListEntry>& Entries(const std::string& name) const;

private:
    const ControlValue& Get(const std::string& name) const;
    std::map<std::string, ControlValue> values_;  // lower-case name
};

// Where a generator writes its lines. Load reads the entry's script file
// (program directory + script + ".dat") and raises "Cannot open file";
// Put raises "List index out of bounds" for an index the file lacks, naming
// the loaded script file as the error's File().
// AddToSkeleton appends a line to the page skeleton that Generate built
// before the generator ran (a page effect that closes the body itself).
class ScriptWriter {
public:
    ScriptWriter(TScriptCodeStrings& lines, std::string scriptPath,
                 std::vector<std::string>* skeleton = nullptr)
        : lines_(lines), scriptPath_(std::move(scriptPath)), skeleton_(skeleton) {}
    void Load() {
        if (!refused_.empty()) ThrowCannotOpen(scriptPath_, refused_);
        lines_.LoadFromFile(scriptPath_);
        loaded_ = true;
    }
    // Makes Load fail with this reason (a script name that leads outside the program directory).
    void Refuse(std::string why) { refused_ = std::move(why); }
    void Clear() {
        lines_.Clear();
        loaded_ = false;
    }
    void Add(std::string line) { lines_.Add(std::move(line)); }
    void Put(long long index, std::string line);
    const std::string& Get(long long index) const;
    std::size_t Count() const { return lines_.Count(); }
    const std::string& ScriptPath() const { return scriptPath_; }
    void AddToSkeleton(std::string line);

private:
    TScriptCodeStrings& lines_;
    std::string scriptPath_;
    std::vector<std::string>* skeleton_;
    std::string refused_;
    bool loaded_ = false;  // the lines are the script file's
};

enum class FormStyle {
    Effect,   // title bar panel, black frame, fixed size
    Welcome,  // white, no title bar, no frame, resizable from its frame
};

using Generator = std::function<void(const FormValues&, ScriptWriter&)>;

struct FormDecl {
    std::string className;  // "TMouseForm6"
    std::string unit;       // "mouse6"
    FormStyle style = FormStyle::Effect;
    std::vector<ControlDecl> controls;  // every control but the title bar and Generate
    Rect panel;                         // the white parameter panel; width 0 for none
    Generator generate;                 // empty: the form has no Generate button

    const ControlDecl* Control(const std::string& name) const;
};

// The values of a freshly created form.
FormValues DefaultValues(const FormDecl& form);

// The script file of an entry: program directory + script + ".dat".
std::string ScriptFilePath(const std::string& programDir, const Tplugin& entry);

// Whether a script name stays inside the program directory: not absolute,
// no ".." among its parts. Generate refuses to load any other.
bool ScriptNameStaysInside(const std::string& script);

// Whether a numeric control (spin edit, size box) takes the text: an
// optional sign, digits and at most one decimal point. Anything else would
// leave a gap in the script ("var speed=,").
bool IsNumberText(const std::string& text);
bool TakesNumber(const ControlDecl& c);
// Whether a control takes the text as its value: a number (within its range
// where it has one), one of a choice box's items, yes or no for a check box.
bool AcceptsText(const ControlDecl& c, const std::string& text);
// What a control takes, for a message: "a number from 1 to 20", "one of: a, b".
std::string WhatItTakes(const ControlDecl& c);

// The Generate flow: rebuild the page skeleton from the entry, then fill the
// script lines. Errors propagate as EngineError after the skeleton has been
// rebuilt, with whatever lines were written so far left in place.
void Generate(const FormDecl& form, const FormValues& values, const Tplugin& entry,
              const std::string& programDir, std::vector<std::string>& skeleton,
              TScriptCodeStrings& lines);

// Layout of the parameter rows on the white panel at left 8, top 40.
namespace layout {
inline constexpr int kPanelLeft = 8;
inline constexpr int kPanelTop = 40;
inline constexpr int kPanelWidth = 481;
inline constexpr int kFieldLeft = kPanelLeft + 88;  // controls right of the labels
inline constexpr int kRow = 28;                      // rows 28 pixels apart
inline constexpr int Row(int n) { return kPanelTop + 8 + n * kRow; }
}  // namespace layout

// The parameter panel of the given height at its usual place.
inline Rect ParameterPanel(int height) { return {layout::kPanelLeft, layout::kPanelTop, layout::kPanelWidth, height}; }

// A form with its parameter panel of the given height (0: no panel).
FormDecl NewForm(std::string className, std::string unit, int panelHeight);

// Builders used by the form units.
ControlDecl Edit(std::string name, std::string label, std::string text, int row, int width = 217);
ControlDecl SpinEdit(std::string name, std::string label, std::string text, int row);
ControlDecl SizeBox(std::string name, std::string label, std::string text, int row);
ControlDecl FontBox(std::string name, std::string label, int row);
ControlDecl Swatch(std::string name, std::string label, TColor color, int row, bool preset = false);
ControlDecl Label(std::string name, std::string text, Rect rect);
ControlDecl Button(std::string name, std::string caption, ButtonAction action, std::string target, Rect rect);

}  // namespace zentrava
