#include "PackArguments.h"

std::optional<PackArguments> PackArguments::Parse(const std::vector<std::string>& arguments)
{
    if (arguments.empty() || arguments.front() != "a")
        return std::nullopt;

    PackArguments parsed;
    bool bareNames = false;
    bool selfExtracting = false;
    std::vector<std::string> paths;
    bool switchesEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (switchesEnded || argument.empty() || argument.front() != '-') {
            paths.push_back(argument);
        } else if (argument == "--") {
            switchesEnded = true;
        } else if (argument == "-ep1") {
            bareNames = true;
        } else if (argument == "-sfx") {
            selfExtracting = true;
        } else if (argument.rfind("-ieml", 0) == 0) {
            parsed.sendByEmail = true;
            parsed.emailAddress = argument.substr(5);
        } else {
            return std::nullopt;
        }
    }
    // Only bare names in one archive file are made here.
    if (!bareNames || !selfExtracting || paths.size() != 2 || paths[0].empty() || paths[1].empty())
        return std::nullopt;
    parsed.archive = paths[0];
    parsed.folder = paths[1];
    return parsed;
}
