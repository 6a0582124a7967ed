// Writes src/desktop/effects/form_texts.cpp: every translatable text of every
// registered form, once, for lupdate to find. Run after adding or changing a
// form, then `lupdate` (the zentrava_lupdate target) and translate:
//   build/tests/zentrava_form_texts > src/desktop/effects/form_texts.cpp
#include <iostream>
#include <set>
#include <string>

#include "effects/form_texts.h"
#include "effects/registry.h"

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        if (c == '\n') {
            quoted += "\\n";
            continue;
        }
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

int main() {
    std::set<std::string> texts;
    for (const zentrava::FormDecl& form : zentrava::FormRegistry::Instance().All()) {
        for (std::string& text : zentrava::desktop::TranslatableTexts(form)) texts.insert(std::move(text));
    }
    std::cout << "// Written by tests/desktop/form_texts_tool.cpp from every registered form: do not edit.\n"
                 "#include <QtGlobal>\n\n"
                 "#include \"effects/form_texts.h\"\n\n"
                 "namespace zentrava::desktop {\n\n"
                 "namespace {\n"
                 "const char* const kFormTexts[] = {\n";
    for (const std::string& text : texts) std::cout << "    QT_TRANSLATE_NOOP(\"Form\", " << Quoted(text) << "),\n";
    std::cout << "};\n"
                 "}  // namespace\n\n"
                 "std::span<const char* const> ListedFormTexts() { return kFormTexts; }\n\n"
                 "}  // namespace zentrava::desktop\n";
    return 0;
}
