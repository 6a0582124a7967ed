// A list form in the shape of the menu forms, for tests and benchmarks of
// very long lists: a two-column list whose generator writes one script line
// per entry after the lines of its template, then closes the script.
#pragma once

#include <string>
#include <vector>

#include "effects/form.h"

namespace zentrava::testing {

inline FormDecl LongListForm() {
    FormDecl f;
    f.className = "synthetic list form";
    ControlDecl list;
    list.name = "ListView1";
    list.kind = ControlKind::ListView;
    list.columns = {{"Text", 120}, {"Link", -1}};
    list.rect = {8, 40, 300, 200};
    f.controls.push_back(list);
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        for (const ListEntry& e : v.Entries("ListView1")) out.Add("menu.add('" + e[0] + "','" + e[1] + "');");
        out.Add("</script>");
    };
    return f;
}

// The template the form reads.
inline constexpr const char* kLongListTemplate = "<!--h-->\r\n\r\n<script>\r\nvar menu=new Menu();\r\n";

// n entries "entry <i>" with a link "page<i>.htm" in every further column.
inline std::vector<ListEntry> ManyEntries(long n, std::size_t columns) {
    std::vector<ListEntry> entries;
    entries.reserve(static_cast<std::size_t>(n));
    for (long i = 0; i < n; ++i) {
        ListEntry e{"entry " + std::to_string(i)};
        for (std::size_t c = 1; c < columns; ++c) e.push_back("page" + std::to_string(i) + ".htm");
        entries.push_back(std::move(e));
    }
    return entries;
}

// Gives every list of the form n entries.
inline void FillLists(const FormDecl& form, FormValues& values, long n) {
    for (const ControlDecl& c : form.controls) {
        if (c.kind == ControlKind::ListBox) values[c.name].entries = ManyEntries(n, 1);
        if (c.kind == ControlKind::ListView) values[c.name].entries = ManyEntries(n, c.columns.size());
    }
}

}  // namespace zentrava::testing
