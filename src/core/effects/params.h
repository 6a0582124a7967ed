// Effects that declare their own parameters.
//
// A script file may begin with a parameter block, an HTML comment that names
// one parameter a line:
//
//   <!--parameters
//   speed   number 1..20      "Speed:"       = 6
//   colour  colour            "Tab colour:"  = #3584E4
//   title   text              "Title:"       = Welcome
//   shape   choice box|round  "Shape:"       = round
//   face    font              "Font:"        = Georgia, serif
//   photo   picture           "Picture:"     = image/Dog.jpg
//   sound   yesno             "Play a sound" = yes
//   -->
//
// A name (letters, digits, '_'), a kind with its arguments, the caption in
// double quotes and, after '=', the default (spaces around it are not part
// of it). Blank lines and lines starting with '#' are passed over.
//
// In the script a marker comment, /*@name*/ or <!--@name-->, stands right
// before the parameter's default as written in the file (a yes/no default is
// written true or false). Where the default stands between quotes right
// after the marker (/*@title*/'Welcome'), the value goes between them.
// So the file is a working effect with its defaults as it stands; a value
// replaces the default's bytes and nothing else.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "effects/form.h"

namespace zentrava {

enum class ParamKind { Text, Colour, Number, Choice, Font, Picture, YesNo };

struct ParamDecl {
    std::string name;
    ParamKind kind = ParamKind::Text;
    std::string caption;
    std::string defaultText;           // as written after '='
    double minimum = 0, maximum = 0;   // number
    std::vector<std::string> choices;  // choice
    int line = 0;                      // 1-based line of the file
};

struct ParamBlock {
    std::vector<ParamDecl> params;
    std::size_t lines = 0;  // how many lines of the file the block takes; 0 without a block
};

// Whether the lines begin with a parameter block.
bool HasParamBlock(const std::vector<std::string>& lines);

// Reads the block at the start of `lines` and checks every marker of the
// script after it. A fault raises EngineError "<file>:<line>: <what>".
ParamBlock ParseParamBlock(const std::vector<std::string>& lines, const std::string& file);

// The text a value is written as in the script: what was typed, "#RRGGBB"
// for a colour, true or false for yes/no.
std::string ScriptValue(const ParamDecl& param, const FormValues& values);

// Takes the block out of `lines` and puts each value after its markers, the
// bytes of the default replaced by the value's. With every value at its
// default the lines are the file's after the block.
void SubstituteParams(std::vector<std::string>& lines, const ParamBlock& block, const FormValues& values);

// The form of an entry whose controls come from its script file's block, at
// the classic form's size and look.
FormDecl ParamForm(const ParamBlock& block);

// The registered class name of such forms.
inline constexpr const char* kParamFormClass = "TParamForm";

}  // namespace zentrava
