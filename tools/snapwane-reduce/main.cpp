// SPDX-License-Identifier: MIT
// snapwane-reduce: Snapwane's main job without a window, for scripts and benchmarks.
// Reduces photos exactly as the program does, then optionally packs the output folder.

#include "BatchReducer.h"
#include "BatchReport.h"
#include "OutputFolder.h"
#include "core/Version.h"
#include "PhotoJobList.h"
#include "ReduceOptions.h"

#include "common/ChildProcess.h"
#include "common/OptionParser.h"
#include "core/FileIo.h"
#include "core/FileNames.h"
#include "core/Log.h"
#include "core/PackerCommand.h"
#include "core/ReductionRules.h"
#include "core/TextFormat.h"

#include <filesystem>
#include <iostream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using snapwane::kExitDone;
using snapwane::kExitFailed;
using snapwane::kExitRefused;

// Packs the files this run wrote, in list order, through the same command the
// program builds; false when no archive was made or no mail program opened.
bool Pack(const ReduceOptions& options, const fs::path& outputFolder, const std::vector<fs::path>& written,
          const char* argv0)
{
    snapwane::PackerRequest request;
    request.outputFolder = outputFolder.string();
    request.archiveName = options.archiveName;
    request.makeSingleFile = true;
    request.makeEmail = !options.emailAddress.empty();
    request.emailAddress = options.emailAddress;
    for (const fs::path& file : written)
        request.fileNames.push_back(file.filename().string());
    const auto command =
        snapwane::PackerCommand::Build(snapwane::PackerProgramPath(snapwane::ProgramFolder(argv0).string()), request);
    if (!command)
        return true;
    const fs::path archive = command->Arguments()[command->Arguments().size() - 2];
    if (written.empty()) {
        std::cerr << "snapwane-reduce: no photo was written, so " << snapwane::PrintableName(archive.string())
                  << " was not made\n";
        return false;
    }

    std::vector<std::string> arguments = {command->Program()};
    arguments.insert(arguments.end(), command->Arguments().begin(), command->Arguments().end());
    // The packer says why it failed on its standard error, which is ours.
    const int exitCode = snapwane::ChildProcess{arguments, {}, {}, true, command->Input()}.Run();
    if (exitCode == snapwane::kPackerDone || exitCode == snapwane::kPackerMailNotOpened)
        std::cout << "Packed into " << snapwane::PrintableName(archive.string()) << '\n';
    if (exitCode == snapwane::kPackerMailNotOpened)
        std::cerr << "snapwane-reduce: no mail program could be opened for "
                  << snapwane::PrintableName(options.emailAddress) << '\n';
    else if (exitCode != snapwane::kPackerDone)
        std::cerr << "snapwane-reduce: could not pack the photos into " << snapwane::PrintableName(archive.string())
                  << '\n';
    return exitCode == snapwane::kPackerDone;
}

// An existing file is written over only when the command line allows it: a
// photo's own source with --replace-originals, any other with --overwrite.
bool MayReplaceWhatExists(const BatchReducer& reducer, const ReduceOptions& options, const fs::path& outputFolder)
{
    const std::vector<fs::path>& replaced = reducer.Replaced();
    const std::size_t originals = reducer.SourcesReplaced();
    const bool othersRefused = replaced.size() > originals && !options.overwrite;
    const bool originalsRefused = originals > 0 && !options.replaceOriginals;
    if (!othersRefused && !originalsRefused)
        return true;
    std::cerr << "snapwane-reduce: "
              << snapwane::DescribeReplacedFiles(replaced.size(), originals,
                                                 snapwane::PrintableName(outputFolder.string()))
              << "; nothing was written:\n";
    for (const fs::path& file : replaced)
        std::cerr << "  " << snapwane::PrintableName(file.string()) << '\n';
    std::cerr << "Give " << (othersRefused ? "--overwrite" : "") << (othersRefused && originalsRefused ? " and " : "")
              << (originalsRefused ? "--replace-originals" : "")
              << " to replace them, or choose another output folder with -o.\n";
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    const ReduceOptionsParse parsed = ReduceOptionsParse::Parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        snapwane::PrintRefusal("snapwane-reduce", parsed.error);
        return kExitRefused;
    }
    const ReduceOptions& options = *parsed.options;
    if (options.showHelp) {
        std::cout << kReduceUsage;
        return kExitDone;
    }
    if (options.oldArchiveOption)
        std::cerr << "snapwane-reduce: --sfx is now --zip; the archive is " << options.archiveName << ".zip\n";

    if (options.showVersion) {
        std::cout << "snapwane-reduce " << snapwane::kVersion << "\n";
        return kExitDone;
    }
    if (options.verbose)
        snapwane::LogToStandardError("snapwane-reduce");

    std::string reason;
    const fs::path outputFolder = OutputFolder::Prepare(options.outputFolder, reason);
    if (outputFolder.empty()) {
        std::cerr << "snapwane-reduce: the output folder cannot be created: " << reason << '\n';
        return kExitFailed;
    }
    snapwane::RemoveStaleTemporaryFiles(outputFolder); // left by a run that was killed
    std::vector<UnlistedFolder> unlisted;
    const std::vector<PhotoJob> jobs = PhotoJobList::Collect(options.paths, options.recursive, outputFolder, unlisted);
    const fs::path archive =
        options.archiveName.empty() ? fs::path() : outputFolder / (options.archiveName + snapwane::ArchiveExtension());
    const BatchReducer reducer(jobs, options, archive);
    if (!MayReplaceWhatExists(reducer, options, outputFolder))
        return kExitRefused;
    BatchReport report(std::cout, isatty(STDOUT_FILENO) == 1, jobs.size());
    report.FoldersNotRead(unlisted);
    const std::vector<fs::path> written = reducer.Run(report);
    report.Close();
    if (!report.FolderFailure().empty()) {
        std::cerr << "snapwane-reduce: the photos cannot be written into "
                  << snapwane::PrintableName(outputFolder.string()) << ": " << report.FolderFailure()
                  << "; the run stopped after " << report.FinishedCount() << " of " << jobs.size() << " photos.\n";
        return kExitFailed;
    }

    bool ok = !report.AnyFailed();
    if (!options.archiveName.empty())
        ok = Pack(options, outputFolder, written, argv[0]) && ok;
    return ok ? kExitDone : kExitFailed;
}
