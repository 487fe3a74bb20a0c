// SPDX-License-Identifier: MIT
#include "PackArguments.h"

#include "common/OptionParser.h"

namespace {

enum LongOnly : int { BareNames = 256, SingleFile, Email };

const struct option kLongOptions[] = {
    {"bare-names", no_argument, nullptr, BareNames},
    {"single-file", no_argument, nullptr, SingleFile},
    {"email", required_argument, nullptr, Email},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};

// The archiver's switches, written as getopt_long reads them: -ep1 is
// --bare-names, -sfx --single-file, -ieml<address> --email=<address>. Those
// after "--" are operands and stay.
std::vector<std::string> InGetoptSpelling(const std::vector<std::string>& arguments)
{
    std::vector<std::string> spelled;
    bool ended = false;
    for (const std::string& argument : arguments) {
        ended = ended || argument == "--";
        if (!ended && argument == "-ep1")
            spelled.push_back("--bare-names");
        else if (!ended && argument == "-sfx")
            spelled.push_back("--single-file");
        else if (!ended && argument.starts_with("-ieml"))
            spelled.push_back("--email=" + argument.substr(5));
        else
            spelled.push_back(argument);
    }
    return spelled;
}

}  // namespace

PackArgumentsParse PackArguments::Parse(const std::vector<std::string>& arguments)
{
    PackArguments parsed;
    bool bareNames = false;
    bool selfExtracting = false;
    const snapwane::OptionParser parser{"hV", kLongOptions, [&](int code, const std::string& value) {
        switch (code) {
        case BareNames: bareNames = true; break;
        case SingleFile: selfExtracting = true; break;
        case Email:
            parsed.sendByEmail = true;
            parsed.emailAddress = value;
            break;
        case 'h': parsed.showHelp = true; break;
        case 'V': parsed.showVersion = true; break;
        }
        return std::string();
    }};
    std::vector<std::string> operands;
    if (std::string error = parser.Parse(InGetoptSpelling(arguments), operands); !error.empty())
        return {std::nullopt, error};
    if (parsed.showHelp || parsed.showVersion)
        return {parsed, {}};
    if (operands.empty() || operands.front() != "a")
        return {std::nullopt, "the command must be a (add)"};
    // Only bare names in one archive file are made here.
    if (!bareNames || !selfExtracting)
        return {std::nullopt, "-ep1 and -sfx are required"};
    if (operands.size() != 3 || operands[1].empty() || operands[2].empty())
        return {std::nullopt, "an archive and a folder are required"};
    parsed.archive = operands[1];
    parsed.folder = operands[2];
    return {parsed, {}};
}
