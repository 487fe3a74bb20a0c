// SPDX-License-Identifier: MIT
// snapwane-pack: packs the photos of one run into one zip archive and, when
// asked, opens the mail composer with the archive attached. It takes the switches
// the program gives the archiver on Windows; -sfx is accepted as the request for
// one file, which here is a plain zip that every desktop opens. The names of the
// files to pack, bare names in FOLDER, come on standard input, each ended by a NUL
// byte. Started by the program and by snapwane-reduce, which both wait for it and
// read its exit code; the reason of a failure is one line on standard error.
//
//   snapwane-pack a -ep1 -sfx ARCHIVE FOLDER < NAMES
//   snapwane-pack a -ep1 -ieml<address> -sfx ARCHIVE FOLDER < NAMES
//
// Exit codes, as every tool's: 0 done, 1 the archive could not be made, 2 the
// command line was refused; and 3 the archive was made but no mail composer
// could be opened.

#include "PackArguments.h"
#include "ZipArchiveWriter.h"

#include "common/ChildProcess.h"
#include "common/OptionParser.h"
#include "core/FileNames.h"
#include "core/PackerCommand.h"
#include "core/Version.h"

#include <filesystem>
#include <iostream>

namespace {

const char* const kUsage =
    "Usage: snapwane-pack a -ep1 [-ieml<address>] -sfx [--] ARCHIVE FOLDER < NAMES\n"
    "Packs the files of FOLDER named on standard input (each name ended by a NUL byte),\n"
    "in that order and under their bare names, into ARCHIVE, a plain zip file.\n"
    "Left out: links, subfolders, hidden files, and archives (.zip, .exe).\n"
    "With -ieml the mail composer opens afterwards with ARCHIVE attached; the address\n"
    "must be a plain local@domain.\n"
    "  -ep1, --bare-names        pack the files under their bare names (required)\n"
    "  -sfx, --single-file       make one archive file (required)\n"
    "  -ieml[ADDRESS], --email=[ADDRESS]  open the mail composer afterwards\n"
    "  -h, --help                show this text\n"
    "  -V, --version             show the version\n"
    "Exit status: 0 done, 1 the archive could not be made, 2 the command line was\n"
    "refused, 3 the archive was made but no mail composer could be opened.\n";

// The address was checked to be plain: it can be neither an option nor a mailto:
// address carrying headers.
bool OpenMailComposer(const std::string& archive, const std::string& address)
{
    std::vector<std::string> arguments = {"xdg-email", "--attach", std::filesystem::absolute(archive).string()};
    if (!address.empty())
        arguments.push_back(address);
    return snapwane::ChildProcess{arguments, {}, {}, false, {}}.Run() == 0;
}

std::vector<std::string> NamesFromStandardInput()
{
    std::vector<std::string> names;
    for (std::string name; std::getline(std::cin, name, '\0');)
        names.push_back(name);
    return names;
}

}  // namespace

int main(int argc, char** argv)
{
    const PackArgumentsParse parse = PackArguments::Parse(std::vector<std::string>(argv + 1, argv + argc));
    const std::optional<PackArguments>& parsed = parse.arguments;
    if (!parsed) {
        snapwane::PrintRefusal("snapwane-pack", parse.error);
        return snapwane::kPackerRefused;
    }
    if (parsed->showHelp) {
        std::cout << kUsage;
        return snapwane::kPackerDone;
    }
    if (parsed->showVersion) {
        std::cout << "snapwane-pack " << snapwane::kVersion << "\n";
        return snapwane::kPackerDone;
    }
    if (!parsed->emailAddress.empty() && !snapwane::IsPlainEmailAddress(parsed->emailAddress)) {
        std::cerr << "snapwane-pack: not a plain e-mail address: " << snapwane::PrintableName(parsed->emailAddress)
                  << '\n';
        return snapwane::kPackerRefused;
    }
    const std::string fault = ZipArchiveWriter::Write(parsed->archive, parsed->folder, NamesFromStandardInput());
    if (!fault.empty()) {
        std::cerr << "snapwane-pack: " << snapwane::PrintableName(fault) << '\n';
        return snapwane::kPackerFailed;
    }
    if (parsed->sendByEmail && !OpenMailComposer(parsed->archive, parsed->emailAddress)) {
        std::cerr << "snapwane-pack: no mail program could be opened\n";
        return snapwane::kPackerMailNotOpened;
    }
    return snapwane::kPackerDone;
}
