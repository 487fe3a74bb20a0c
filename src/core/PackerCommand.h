// SPDX-License-Identifier: MIT
#pragma once
// The packer's command line: after a reduction the output folder can be packed
// into one file, optionally handed to the mail composer. On Windows that file is
// the archiver's self-extracting .exe; elsewhere it is a plain zip (a Linux
// executable opens for no recipient, and mail services refuse .exe attachments),
// and "--" ends the switches before the two paths. The packer packs only the
// files it is given on its standard input (the names of this run's outputs),
// never whatever else lies in the folder.
// The program's reduction worker and the batch reducer both build it here, and
// both check the archive name and the e-mail address with the rules below.

#include "core/UserText.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace snapwane {

// Which packer runs: Windows' archiver, or elsewhere our own snapwane-pack.
enum class Packer { WindowsArchiver, ZipPacker };

#ifdef _WIN32
inline constexpr char kNativeSeparator = '\\';
inline constexpr Packer kNativePacker = Packer::WindowsArchiver;
#else
inline constexpr char kNativeSeparator = '/';
inline constexpr Packer kNativePacker = Packer::ZipPacker;
#endif

// What the packed file's name ends with: ".exe" (Windows) or ".zip".
const char* ArchiveExtension(Packer packer = kNativePacker);

// What the user asked for in the wizard's output step (or on the batch reducer's command line).
struct PackerRequest {
    std::string outputFolder;   // used as stored: nothing added or removed at its end
    std::string archiveName;    // ArchiveExtension() is always appended, even when it already ends with it
    bool makeSingleFile = false;
    bool makeEmail = false;
    std::string emailAddress;   // spaces are removed before it reaches the packer
    // The bare names of the files this run wrote or copied into outputFolder, in list order.
    std::vector<std::string> fileNames;
};

class PackerCommand {
public:
    // The command for the request, or none when no single file was asked for or the
    // archive name is empty. `program` is the packer's path (see PackerProgramPath);
    // the packer decides the separator ("\\" or "/"), the extension and the "--".
    static std::optional<PackerCommand> Build(const std::string& program, const PackerRequest& request,
                                              Packer packer = kNativePacker);

    const std::string& Program() const { return m_program; }
    // The arguments as the packer receives them, one by one (no shell, no quoting),
    // so a quote inside a folder name cannot shift them.
    const std::vector<std::string>& Arguments() const { return m_arguments; }
    // What the packer reads on its standard input: each file name followed by a NUL
    // byte, so that any name a file system allows (a newline too) arrives whole.
    const std::string& Input() const { return m_input; }

private:
    std::string m_program;
    std::vector<std::string> m_arguments;
    std::string m_input;
};

// The packer's exit codes, read by the program and the batch reducer.
inline constexpr int kPackerDone = 0;
inline constexpr int kPackerFailed = 1;           // no archive was made
inline constexpr int kPackerRefused = 2;          // unusable arguments
inline constexpr int kPackerMailNotOpened = 3;    // the archive was made, no mail program opened

// Why an archive name cannot be used as a file name, as the end of a sentence
// ("a file name cannot hold \"/\""); empty when it can. The extension that is
// appended counts towards the length.
UserText ArchiveNameFaultText(std::string_view name, Packer packer = kNativePacker);
std::string ArchiveNameFault(std::string_view name, Packer packer = kNativePacker); // its English

// A plain address, local@domain, and nothing else: no second "@", no "?", "&",
// ",", "%", blanks, quotes or control characters that a mail program could read
// as more recipients or as headers (an attachment among them), and no leading
// dash that could be read as an option.
bool IsPlainEmailAddress(std::string_view address);

// Where the packer lives: on Windows rar.exe in the Windows directory; elsewhere the
// project's own snapwane-pack beside the program, whose folder is given, or else where
// the install puts it relative to the program (libexec/snapwane); the path beside the
// program when neither exists.
std::string PackerProgramPath(const std::string& programFolder);

}  // namespace snapwane
