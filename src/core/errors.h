// Errors raised by the engine's operations and the text the user sees for them.
#pragma once

#include <stdexcept>
#include <string>

namespace zentrava {

// An operation failed in a way the user is told about: a file that cannot be
// opened or created, a list index out of bounds. The message is the text of
// the error as the operation words it.
class EngineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    // The file the failed operation worked on, where the message does not
    // name it (the script file too short for a line its generator writes);
    // empty when unknown.
    const std::string& File() const { return file_; }
    void SetFile(std::string file) { file_ = std::move(file); }

    // Why the operation failed, in the system's words ("No space left on
    // device", "Permission denied"); empty when the message says it all.
    // Shown after the message: the error box's detail, a second line in
    // zentrava-cli.
    const std::string& Reason() const { return reason_; }
    void SetReason(std::string reason) { reason_ = std::move(reason); }

private:
    std::string file_;
    std::string reason_;
};

// The system's text for an errno value ("Permission denied").
std::string ReasonText(int error);

// "Cannot open file <path>", with the reason when one is known.
[[noreturn]] void ThrowCannotOpen(const std::string& path, const std::string& reason = {});
// "Cannot create file <path>", with the reason when one is known.
[[noreturn]] void ThrowCannotCreate(const std::string& path, const std::string& reason = {});
// "List index out of bounds (<index>)"
[[noreturn]] void ThrowListIndex(long long index);

// The text of the application's error message box: the message with a full
// stop appended, unless it is empty or its last character is a full stop or
// a character that sorts below one (a closing bracket, a blank, ...).
std::string ErrorBoxText(const std::string& message);

// ASCII letter case folding, as used for form class, control, section and key names.
std::string LowerAscii(std::string text);
bool EqualsIgnoreCase(const std::string& a, const std::string& b);

}  // namespace zentrava
