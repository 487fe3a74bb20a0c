// SPDX-License-Identifier: MIT
#pragma once
// The packer's command line: `a -ep1 [-ieml<address>] -sfx ARCHIVE FOLDER`,
// the same switches the program hands to the archiver on Windows, read by
// getopt_long like every tool's (--bare-names, --single-file and
// --email=ADDRESS are the same switches), with -h/--help and -V/--version.

#include <optional>
#include <string>
#include <vector>

struct PackArgumentsParse;

struct PackArguments {
    std::string archive;
    std::string folder;
    bool sendByEmail = false;   // -ieml was given, with or without an address
    std::string emailAddress;   // may be empty: the composer then opens without a recipient
    bool showHelp = false;
    bool showVersion = false;

    // Refused unless help or the version is asked for, or the arguments are one
    // of the two forms (switches in any order; "--" ends the switches so an
    // archive name may start with a dash).
    static PackArgumentsParse Parse(const std::vector<std::string>& arguments);
};

// Either arguments, or why the command line was refused.
struct PackArgumentsParse {
    std::optional<PackArguments> arguments;
    std::string error;
};
