// SPDX-License-Identifier: MIT
// Snapwane: quickly prepares your photos for sending by e-mail or via the Internet.
#include "app/CPhotoApp.h"
#include "core/PackerCommand.h"
#include "core/ReductionRules.h"
#include "core/Version.h"
#include "platform/Logging.h"
#include "platform/UserGuide.h"

#include <cstdio>

namespace {

const char* const kUsage =
    "Usage: snapwane [OPTION]... [PATH]...\n"
    "Quickly prepares your photos for sending by email or via the Internet.\n"
    "Each PATH is loaded once the window is open, in the order given: a file as\n"
    "Load photos loads it, a folder as Load from folder loads it.\n"
    "\n"
    "  -h, --help       show this text\n"
    "  -v, --version    show the version, and where the packer and the guide are\n"
    "      --verbose    log every photo passed over, file refused and action failed,\n"
    "                   with the reason, on standard error (as QT_LOGGING_RULES=\"snapwane.*=true\")\n"
    "  --               take every later argument as a PATH\n"
    "Qt's own options (-platform, -style, ...) are taken too.\n"
    "\n"
    "Exit status: 0 when the program ends normally, 1 when it cannot start,\n"
    "2 for an unknown option.\n";

QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// The version, then where this copy finds its packer and its guide.
void printVersion(const char* argv0)
{
    const std::string folder = snapwane::ProgramFolder(argv0).string();
    std::printf("snapwane %s\npacker: %s\nguide: %s\n", snapwane::kVersion,
                snapwane::PackerProgramPath(folder).c_str(),
                qPrintable(UserGuide::path(QString::fromStdString(folder))));
}

} // namespace

int main(int argc, char** argv)
{
    // Answered before the application object exists, so they need no display.
    const CPhotoApp::StartArguments start = CPhotoApp::parseArguments(argumentsOf(argc, argv));
    switch (start.action) {
    case CPhotoApp::StartArguments::Help:
        std::fputs(kUsage, stdout);
        return 0;
    case CPhotoApp::StartArguments::Version:
        printVersion(argv[0]);
        return 0;
    case CPhotoApp::StartArguments::Refused:
        std::fprintf(stderr, "snapwane: %s\nTry 'snapwane --help' for more information.\n", qPrintable(start.error));
        return 2;
    case CPhotoApp::StartArguments::Run:
        break;
    }
    Logging::routeEngineLog();
    if (start.verbose)
        Logging::enableAll();
    CPhotoApp app(argc, argv);
    app.initInstance();
    app.openPaths(start.paths);
    return app.exec();
}
