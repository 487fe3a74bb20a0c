// SPDX-License-Identifier: MIT
#pragma once
// The command-line conventions the tools share: getopt_long's parsing (bundled
// short options, -s800x600, --size=800x600 and --size 800x600, "--" ends the
// options, options and operands in any order), one exit status for each kind
// of end, and one way to refuse a command line.

#include <getopt.h>

#include <functional>
#include <string>
#include <vector>

namespace snapwane {

inline constexpr int kExitDone = 0;    // nothing failed (also after --help and --version)
inline constexpr int kExitFailed = 1;  // the work was done, but part of it failed
inline constexpr int kExitRefused = 2; // the command line was refused; nothing was done

struct OptionParser {
    const char* shortOptions;          // as getopt's optstring, without a leading ':' or '+'
    const struct option* longOptions;  // ended by a zero row
    // Takes one option: its code (the short letter or the long option's val) and
    // its value (empty for an option without one); returns why it is refused, or nothing.
    std::function<std::string(int code, const std::string& value)> apply;

    // The operands in order, or the reason the command line was refused
    // ("unknown option --fast", "option -q needs a value", or what apply said).
    std::string Parse(const std::vector<std::string>& arguments, std::vector<std::string>& operands) const;
};

// "program: message" and the hint to --help on standard error.
void PrintRefusal(const char* program, const std::string& message);

}  // namespace snapwane
