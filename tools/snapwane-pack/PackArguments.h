#pragma once
// The packer's command line: `a -ep1 [-ieml<address>] -sfx ARCHIVE FOLDER`,
// the same switches the program hands to the archiver on Windows.

#include <optional>
#include <string>
#include <vector>

struct PackArguments {
    std::string archive;
    std::string folder;
    bool sendByEmail = false;   // -ieml was given, with or without an address
    std::string emailAddress;   // may be empty: the composer then opens without a recipient

    // None when the arguments are not one of the two forms (switches in any order; "--"
    // ends the switches so an archive name may start with a dash).
    static std::optional<PackArguments> Parse(const std::vector<std::string>& arguments);
};
