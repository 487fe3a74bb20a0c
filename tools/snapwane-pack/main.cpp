// snapwane-pack: packs a folder's photos into one zip archive and, when asked,
// opens the mail composer with the archive attached. It takes the switches the
// program gives the archiver on Windows; -sfx is accepted as the request for one
// file, which here is a plain zip that every desktop opens. Started by the program
// (detached, its result ignored) and by snapwane-reduce; it prints nothing on failure.
//
//   snapwane-pack a -ep1 -sfx ARCHIVE FOLDER
//   snapwane-pack a -ep1 -ieml<address> -sfx ARCHIVE FOLDER
//
// Exit codes: 0 done, 1 the archive could not be made, 2 unusable arguments,
// 3 the archive was made but no mail composer could be opened.

#include "PackArguments.h"
#include "ZipArchiveWriter.h"

#include "common/ChildProcess.h"
#include "core/Version.h"

#include <filesystem>
#include <iostream>

namespace {

const char* const kUsage =
    "Usage: snapwane-pack a -ep1 [-ieml<address>] -sfx [--] ARCHIVE FOLDER\n"
    "Packs the files of FOLDER under their bare names into ARCHIVE, a plain zip file.\n"
    "Left out: subfolders, hidden files, and archives (the new one and any earlier\n"
    ".zip or .exe). With -ieml the mail composer opens afterwards with ARCHIVE attached.\n";

// xdg-email takes a plain address only when it looks like one; --to takes anything,
// including an address that starts with a dash, without reading it as an option.
bool OpenMailComposer(const std::string& archive, const std::string& address)
{
    std::vector<std::string> arguments = {"xdg-email", "--attach", std::filesystem::absolute(archive).string()};
    if (!address.empty()) {
        if (address.find('@') != std::string::npos && address.front() != '-')
            arguments.push_back(address);
        else
            arguments.insert(arguments.end(), {"--to", address});
    }
    return snapwane::ChildProcess{arguments, {}, {}, false}.Run() == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 1 && arguments[0] == "--help") {
        std::cout << kUsage;
        return 0;
    }
    if (arguments.size() == 1 && arguments[0] == "--version") {
        std::cout << "snapwane-pack " << snapwane::kVersion << "\n";
        return 0;
    }
    const std::optional<PackArguments> parsed = PackArguments::Parse(arguments);
    if (!parsed) {
        std::cerr << kUsage;
        return 2;
    }
    if (!ZipArchiveWriter::Write(parsed->archive, parsed->folder))
        return 1;
    if (parsed->sendByEmail && !OpenMailComposer(parsed->archive, parsed->emailAddress))
        return 3;
    return 0;
}
