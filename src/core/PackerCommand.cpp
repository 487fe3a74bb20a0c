// SPDX-License-Identifier: MIT
#include "core/PackerCommand.h"

#include <algorithm>
#include <cctype>
#include <cstring>
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
    if (byEmail)
        command.m_arguments.push_back("-ieml" + WithoutSpaces(request.emailAddress));
    command.m_arguments.push_back("-sfx");
    // Our packer ends its switches here: a relative folder may start with a dash.
    if (packer == Packer::ZipPacker)
        command.m_arguments.push_back("--");
    command.m_arguments.insert(command.m_arguments.end(), {archivePath, request.outputFolder});
    for (const std::string& name : request.fileNames) {
        command.m_input += name;
        command.m_input += '\0';
    }
    return command;
}

UserText ArchiveNameFaultText(std::string_view name, Packer packer)
{
    constexpr std::size_t kLongestFileName = 255; // bytes, on every common file system
    if (name.empty())
        return {SNAPWANE_TRANSLATE_NOOP("Engine", "the name is empty")};
    if (name == "." || name == "..")
        return {SNAPWANE_TRANSLATE_NOOP("Engine", "\"%1\" names a folder"), {std::string(name)}};
    const std::string_view forbidden = packer == Packer::WindowsArchiver ? "/\\:*?\"<>|" : "/";
    for (const char c : name) {
        if (forbidden.find(c) != std::string_view::npos)
            return {SNAPWANE_TRANSLATE_NOOP("Engine", "a file name cannot hold \"%1\""), {std::string(1, c)}};
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return {SNAPWANE_TRANSLATE_NOOP("Engine", "a file name cannot hold control characters")};
    }
    if (name.size() + std::strlen(ArchiveExtension(packer)) > kLongestFileName)
        return {SNAPWANE_TRANSLATE_NOOP("Engine", "the name is longer than %1 bytes"),
                {std::to_string(kLongestFileName)}};
    return {};
}

std::string ArchiveNameFault(std::string_view name, Packer packer)
{
    return ArchiveNameFaultText(name, packer).English();
}

bool IsPlainEmailAddress(std::string_view address)
{
    // Letters and digits of any script (bytes from 0x80 up) and a few marks that
    // mean nothing to a mail program.
    const auto plain = [](char c, std::string_view marks) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x80 || std::isalnum(byte) != 0 || marks.find(c) != std::string_view::npos;
    };
    const std::size_t at = address.find('@');
    if (at == std::string_view::npos || at == 0 || at + 1 == address.size())
        return false;
    const std::string_view local = address.substr(0, at);
    const std::string_view domain = address.substr(at + 1);
    if (local.front() == '-' || local.front() == '.' || domain.front() == '-' || domain.front() == '.'
        || domain.back() == '.' || domain.find("..") != std::string_view::npos)
        return false;
    return std::all_of(local.begin(), local.end(), [&](char c) { return plain(c, ".-_+="); })
        && std::all_of(domain.begin(), domain.end(), [&](char c) { return plain(c, ".-"); });
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

}  // namespace snapwane
