// SPDX-License-Identifier: MIT
// UserText: a text of the engine that reaches a user (why a photo was passed
// over, why a name cannot be used). The engine and the command-line tools use
// its English; the program translates the English template first and puts the
// arguments in after, so a translation may move them.
//
// SNAPWANE_TRANSLATE_NOOP(context, text) is the text itself. The translation
// tools read it as Qt's QT_TRANSLATE_NOOP (lupdate's -tr-function-alias), so the
// template lands in the translation files without the engine knowing Qt.
#pragma once

#include <string>
#include <utility>
#include <vector>

#define SNAPWANE_TRANSLATE_NOOP(context, text) text

namespace snapwane {

// The context of every engine text in the translation files.
inline constexpr char kEngineTextContext[] = "Engine";

struct UserText {
    UserText(const char* source = "", std::vector<std::string> arguments = {})
        : source(source), arguments(std::move(arguments))
    {
    }

    const char* source;                 // English, with %1 ... %9 where the arguments go; "" for no text
    std::vector<std::string> arguments; // in the order of their numbers

    bool Empty() const { return *source == '\0'; }
    std::string English() const; // the template with its arguments put in
};

// Puts arguments[k - 1] where %k stands (k from 1 to 9); any other '%' stays.
std::string FillTemplate(const char* text, const std::vector<std::string>& arguments);

} // namespace snapwane
