// The widget of each control kind, in one table: how the form creates it,
// reads and writes its value, follows its changes and shows its captions.
// The effect form, its typed-text warnings and its list buttons work through
// it; a new kind is added here and in the core's table (effects/control_kind.h).
#pragma once

#include <functional>

#include <QString>

#include "effects/form.h"

class QObject;
class QWidget;

namespace zentrava::desktop {

struct ControlAdapter {
    // Makes the widget with the declared defaults; `activated` runs when the
    // control is clicked (a button, a swatch).
    QWidget* (*create)(const ControlDecl& c, QWidget* parent, std::function<void()> activated);
    // The value as the widget holds it, into the part of `value` that its kind holds.
    void (*read)(const ControlDecl& c, const QWidget* widget, ControlValue& value);
    // Shows a value (lists are filled anew).
    void (*write)(const ControlDecl& c, QWidget* widget, const ControlValue& value);
    // The text that an entry button takes from the control: a typed text, a
    // caption as declared, a swatch's colour in hex; empty for a list.
    QString (*text)(const ControlDecl& c, const QWidget* widget);
    // Replaces a typed text as the user would; null for kinds without one.
    void (*setText)(QWidget* widget, const QString& text);
    // Runs `changed` whenever the value changes (typed, chosen, an entry
    // added, removed or edited); the connections belong to `receiver`.
    void (*watch)(QWidget* widget, QObject* receiver, std::function<void()> changed);
    // The captions in the interface language; null for kinds without any.
    void (*retranslate)(const ControlDecl& c, QWidget* widget);
    // A list's entries: one appended (and shown), the selected one removed, all removed.
    void (*addEntry)(const ControlDecl& c, QWidget* widget, const ListEntry& entry);
    void (*removeSelected)(QWidget* widget);
    void (*clearEntries)(QWidget* widget);
};

const ControlAdapter& AdapterFor(ControlKind kind);

}  // namespace zentrava::desktop
