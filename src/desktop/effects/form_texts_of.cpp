#include "effects/form_texts.h"

#include "effects/control_kind.h"

namespace zentrava::desktop {

std::vector<std::string> TranslatableTexts(const FormDecl& form) {
    std::vector<std::string> texts;
    auto add = [&texts](const std::string& text) {
        if (!text.empty()) texts.push_back(text);
    };
    for (const ControlDecl& c : form.controls) {
        add(c.label);
        add(c.unit);
        if (HasCaption(c)) add(c.text);
        for (const Column& column : c.columns) add(column.caption);
        // "Name|patterns|Name|patterns": the names.
        std::size_t start = 0;
        for (int field = 0; start <= c.filter.size() && !c.filter.empty(); ++field) {
            const std::size_t bar = c.filter.find('|', start);
            const std::size_t end = bar == std::string::npos ? c.filter.size() : bar;
            if (field % 2 == 0 && bar != std::string::npos) add(c.filter.substr(start, end - start));
            if (bar == std::string::npos) break;
            start = bar + 1;
        }
    }
    return texts;
}

}  // namespace zentrava::desktop
