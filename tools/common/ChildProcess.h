// SPDX-License-Identifier: MIT
#pragma once
// Runs another program with an argument vector and waits for it. No shell is
// involved, so names with blanks, quotes or leading dashes reach it unchanged.

#include <string>
#include <vector>

namespace snapwane {

struct ChildProcess {
    std::vector<std::string> arguments;  // [0] is the program: a path, or a name looked up in PATH
    std::string workingFolder;           // empty: the caller's current folder
    std::string outputPath;              // standard output and error go to this file (created or
                                         // truncated); empty: discarded
    bool keepOutput = false;             // share the caller's standard output and error instead
    std::string input;                   // what the program reads on its standard input (empty: nothing)

    // The program's exit code, or -1 when it could not be started or did not exit normally.
    int Run() const;
};

}  // namespace snapwane
