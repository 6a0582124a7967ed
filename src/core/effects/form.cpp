#include "effects/form.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "effects/control_kind.h"
#include "errors.h"
#include "output/page.h"

namespace zentrava {

const char* KindName(ControlKind kind) { return KindInfo(kind).name; }

bool TakesNumber(const ControlDecl& c) { return ValueOf(c) == ValueKind::Number; }

ControlValue& FormValues::operator[](const std::string& name) { return values_[LowerAscii(name)]; }

const ControlValue* FormValues::Find(const std::string& name) const {
    auto it = values_.find(LowerAscii(name));
    return it == values_.end() ? nullptr : &it->second;
}

const ControlValue& FormValues::Get(const std::string& name) const {
    if (const ControlValue* v = Find(name)) return *v;
    // A generator that names a control its form lacks is a fault in the form's declaration.
    throw std::logic_error("form has no control " + name);
}

const std::string& FormValues::Text(const std::string& name) const { return Get(name).text; }
std::string FormValues::Hex(const std::string& name) const { return ColorToHex(Get(name).color); }
const std::vector<ListEntry>& FormValues::Entries(const std::string& name) const {
    return Get(name).entries;
}

const ControlDecl* FormDecl::Control(const std::string& name) const {
    for (const ControlDecl& c : controls) {
        if (EqualsIgnoreCase(c.name, name)) return &c;
    }
    return nullptr;
}

FormValues DefaultValues(const FormDecl& form) {
    FormValues values;
    for (const ControlDecl& c : form.controls) {
        if (HoldsValue(c)) values[c.name] = DefaultValue(c);
    }
    return values;
}

std::string ScriptFilePath(const std::string& programDir, const Tplugin& entry) {
    return JoinPath(entry.folder.empty() ? programDir : entry.folder, entry.script + ".dat");
}

bool ScriptNameStaysInside(const std::string& script) {
    if (!script.empty() && script.front() == '/') return false;
    for (std::size_t start = 0;;) {
        const std::size_t slash = script.find('/', start);
        if (script.compare(start, slash == std::string::npos ? std::string::npos : slash - start, "..") == 0) {
            return false;
        }
        if (slash == std::string::npos) return true;
        start = slash + 1;
    }
}

bool IsNumberText(const std::string& text) {
    std::size_t i = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            digits = true;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

namespace {
std::string ShownNumber(double value) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("?");
}
}  // namespace

bool AcceptsText(const ControlDecl& c, const std::string& text) {
    if (c.kind == ControlKind::ChoiceBox) return std::find(c.items.begin(), c.items.end(), text) != c.items.end();
    if (c.kind == ControlKind::CheckBox) return text == "yes" || text == "no";
    if (!TakesNumber(c)) return true;
    if (!IsNumberText(text)) return false;
    if (!c.ranged) return true;
    std::string_view digits = text;
    if (digits.front() == '+') digits.remove_prefix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return ec == std::errc() && end == digits.data() + digits.size() && value >= c.minimum && value <= c.maximum;
}

std::string WhatItTakes(const ControlDecl& c) {
    if (c.kind == ControlKind::CheckBox) return "yes or no";
    if (c.kind == ControlKind::ChoiceBox) {
        std::string items;
        for (const std::string& item : c.items) items += (items.empty() ? "" : ", ") + item;
        return "one of: " + items;
    }
    if (c.ranged) return "a number from " + ShownNumber(c.minimum) + " to " + ShownNumber(c.maximum);
    return "a number";
}

void Generate(const FormDecl& form, const FormValues& values, const Tplugin& entry,
              const std::string& programDir, std::vector<std::string>& skeleton,
              TScriptCodeStrings& lines) {
    skeleton = BuildPageSkeleton(entry);
    ScriptWriter writer(lines, ScriptFilePath(programDir, entry), &skeleton);
    if (!ScriptNameStaysInside(entry.script)) {
        writer.Refuse("The script name '" + entry.script + "' leads outside " +
                      (entry.folder.empty() ? std::string("the program directory") : "the folder " + entry.folder));
    }
    if (form.generate) form.generate(values, writer);
}

void ScriptWriter::Put(long long index, std::string line) {
    try {
        lines_.Put(index, std::move(line));
    } catch (EngineError& e) {
        if (loaded_) e.SetFile(scriptPath_);
        throw;
    }
}

const std::string& ScriptWriter::Get(long long index) const {
    try {
        return lines_.Get(index);
    } catch (EngineError& e) {
        if (loaded_) e.SetFile(scriptPath_);
        throw;
    }
}

void ScriptWriter::AddToSkeleton(std::string line) {
    // Only Generate hands out a skeleton; a writer without one is a fault of its caller.
    if (!skeleton_) throw std::logic_error("this script writer has no page skeleton");
    skeleton_->push_back(std::move(line));
}

namespace {
ControlDecl Field(std::string name, ControlKind kind, std::string label, int row, int width, int height) {
    ControlDecl c;
    c.name = std::move(name);
    c.kind = kind;
    c.label = std::move(label);
    c.rect = {layout::kFieldLeft, layout::Row(row), width, height};
    return c;
}
}  // namespace

FormDecl NewForm(std::string className, std::string unit, int panelHeight) {
    FormDecl f;
    f.className = std::move(className);
    f.unit = std::move(unit);
    if (panelHeight > 0) f.panel = ParameterPanel(panelHeight);
    return f;
}

ControlDecl Edit(std::string name, std::string label, std::string text, int row, int width) {
    ControlDecl c = Field(std::move(name), ControlKind::Edit, std::move(label), row, width, 19);
    c.text = std::move(text);
    return c;
}

ControlDecl SpinEdit(std::string name, std::string label, std::string text, int row) {
    ControlDecl c = Field(std::move(name), ControlKind::SpinEdit, std::move(label), row, 65, 21);
    c.text = std::move(text);
    return c;
}

ControlDecl SizeBox(std::string name, std::string label, std::string text, int row) {
    ControlDecl c = Field(std::move(name), ControlKind::SizeBox, std::move(label), row, 65, 21);
    c.text = std::move(text);
    c.items = {"8", "10", "12", "14", "16", "18", "24", "36"};
    return c;
}

ControlDecl FontBox(std::string name, std::string label, int row) {
    return Field(std::move(name), ControlKind::FontBox, std::move(label), row, 185, 21);
}

ControlDecl Swatch(std::string name, std::string label, TColor color, int row, bool preset) {
    ControlDecl c = Field(std::move(name), ControlKind::Swatch, std::move(label), row, 65, 17);
    c.color = color;
    c.preset = preset;
    return c;
}

ControlDecl Label(std::string name, std::string text, Rect rect) {
    ControlDecl c;
    c.name = std::move(name);
    c.kind = ControlKind::Label;
    c.text = std::move(text);
    c.rect = rect;
    return c;
}

ControlDecl Button(std::string name, std::string caption, ButtonAction action, std::string target, Rect rect) {
    ControlDecl c;
    c.name = std::move(name);
    c.kind = ControlKind::Button;
    c.text = std::move(caption);
    c.action = action;
    c.target = std::move(target);
    c.rect = rect;
    return c;
}

}  // namespace zentrava
