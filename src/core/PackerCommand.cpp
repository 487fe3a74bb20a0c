#include "core/PackerCommand.h"

#include <algorithm>
#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

namespace snapwane {

namespace {

std::string WithoutSpaces(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

}  // namespace

const char* ArchiveExtension(Packer packer)
{
    return packer == Packer::WindowsArchiver ? ".exe" : ".zip";
}

std::optional<PackerCommand> PackerCommand::Build(const std::string& program, const PackerRequest& request,
                                                  Packer packer)
{
    if (!request.makeSingleFile || request.archiveName.empty())
        return std::nullopt;

    // The e-mail form is chosen before the spaces are removed: an address of spaces
    // alone still gives "-ieml" with nothing after it.
    const bool byEmail = request.makeEmail && !request.emailAddress.empty();
    const char separator = packer == Packer::WindowsArchiver ? '\\' : '/';
    const std::string archivePath = request.outputFolder + separator + request.archiveName + ArchiveExtension(packer);

    PackerCommand command;
    command.m_program = program;
    command.m_arguments = {"a", "-ep1"};
    if (byEmail) {
        const std::string emailSwitch = "-ieml" + WithoutSpaces(request.emailAddress);
        command.m_argumentText = "a -ep1 " + emailSwitch + " -sfx ";
        command.m_arguments.push_back(emailSwitch);
    } else {
        command.m_argumentText = "a -ep1 -sfx ";
    }
    command.m_arguments.push_back("-sfx");
    if (packer == Packer::ZipPacker) {
        // Our packer ends its switches here: a relative folder may start with a dash.
        command.m_argumentText += "-- ";
        command.m_arguments.push_back("--");
    }
    command.m_argumentText += "\"" + archivePath + "\" \"" + request.outputFolder + "\"";
    command.m_arguments.insert(command.m_arguments.end(), {archivePath, request.outputFolder});
    return command;
}

std::string PackerProgramPath(const std::string& programFolder)
{
#ifdef _WIN32
    (void)programFolder;
    char windowsDirectory[255] = {};
    const UINT length = GetWindowsDirectoryA(windowsDirectory, sizeof windowsDirectory);
    if (length == 0 || length >= sizeof windowsDirectory)
        windowsDirectory[0] = '\0';
    return std::string(windowsDirectory) + "\\rar.exe";
#else
    const std::string beside = programFolder.empty() || programFolder.back() != '/'
                                   ? programFolder + "/snapwane-pack"
                                   : programFolder + "snapwane-pack";
    // A build tree keeps the packer beside the program; an installed tree keeps it in
    // libexec, found relative to the program so that any install prefix works.
    std::error_code error;
    if (std::filesystem::exists(beside, error))
        return beside;
    const std::filesystem::path installed =
        (std::filesystem::path(programFolder) / SNAPWANE_PACKER_DIR_FROM_BINDIR / "snapwane-pack").lexically_normal();
    if (std::filesystem::exists(installed, error))
        return installed.string();
    return beside;
#endif
}

std::vector<std::string> SplitCommandLine(std::string_view line)
{
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;  // true once a character or a quote has started an argument
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if (!quoted && (c == ' ' || c == '\t' || c == '\n' || c == '\r')) {
            if (inArgument)
                arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.push_back(std::move(current));
    return arguments;
}

}  // namespace snapwane
