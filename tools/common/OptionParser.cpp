// SPDX-License-Identifier: MIT
#include "OptionParser.h"

#include "core/FileNames.h"

#include <iostream>

namespace snapwane {

namespace {

// The long option of the argument getopt has just passed, without its value.
std::string LongOptionBefore(char* const* argv)
{
    const std::string argument = argv[optind - 1];
    return argument.substr(0, argument.find('='));
}

// Why getopt_long refused an option ('?' or ':'), naming it as the user wrote it.
// A missing value is always the last argument's; an unknown short letter needs
// no argument to be named (a bundle may not have been passed yet).
std::string Refusal(int code, char* const* argv, const std::string& shortOptions)
{
    const bool shortLetter = optopt > 0 && optopt < 256;
    if (code == ':') {
        const bool writtenLong = std::string(argv[optind - 1]).starts_with("--");
        return "option " + (writtenLong ? LongOptionBefore(argv) : std::string{'-', char(optopt)}) + " needs a value";
    }
    if (shortLetter && shortOptions.find(char(optopt)) == std::string::npos)
        return "unknown option " + std::string{'-', char(optopt)};
    if (optopt == 0)
        return "unknown option " + LongOptionBefore(argv);
    return "option " + LongOptionBefore(argv) + " takes no value";
}

}  // namespace

std::string OptionParser::Parse(const std::vector<std::string>& arguments, std::vector<std::string>& operands) const
{
    std::vector<std::string> copies = {"program"};
    copies.insert(copies.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : copies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const std::string optstring = std::string(":") + shortOptions; // ':' reports a missing value apart
    opterr = 0;
    optind = 0; // starts getopt afresh, also after an earlier parse
    for (;;) {
        const int code = getopt_long(int(argv.size() - 1), argv.data(), optstring.c_str(), longOptions, nullptr);
        if (code == -1)
            break;
        if (code == '?' || code == ':')
            return Refusal(code, argv.data(), shortOptions);
        const std::string error = apply(code, optarg ? optarg : "");
        if (!error.empty())
            return error;
    }
    for (int i = optind; i < int(argv.size() - 1); ++i)
        operands.emplace_back(argv[i]);
    return {};
}

void PrintRefusal(const char* program, const std::string& message)
{
    std::cerr << program << ": " << PrintableName(message) << "\nTry '" << program << " --help' for more information.\n";
}

}  // namespace snapwane
