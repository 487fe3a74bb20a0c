// SPDX-License-Identifier: MIT
#pragma once
// Splits a command line written as a test's expected text into arguments:
// blanks separate arguments outside double quotes; a double quote opens or
// closes a quoted stretch and is dropped; "" gives an empty argument;
// backslashes are ordinary characters (a Windows folder may end with one).

#include <string>
#include <string_view>
#include <vector>

namespace snapwane::test {

inline std::vector<std::string> SplitCommandLine(std::string_view line)
{
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false; // true once a character or a quote has started an argument
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if (!quoted && (c == ' ' || c == '\t' || c == '\n' || c == '\r')) {
            if (inArgument)
                arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.push_back(std::move(current));
    return arguments;
}

} // namespace snapwane::test
