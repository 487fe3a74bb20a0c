// SPDX-License-Identifier: MIT
// Desktop actions: a program run gets its arguments exactly as given, with no
// shell in between, and its input; its exit status comes back. An empty path
// opens nothing; a path the desktop cannot open is reported with the path.
#include "platform/Shell.h"
#include "support/QtTestSupport.h"
#include "support/RecordingShell.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

TEST(Shell, ProgramGetsItsArgumentsUnparsedAndItsInput)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString written = dir.filePath(QStringLiteral("out put.txt"));
    const QString tricky = QStringLiteral("a \"b\" 'c' $HOME; ü");
    const Shell::ProgramResult result = Shell::runProgram(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), QStringLiteral("printf %s \"$1\" > \"$2\"; cat >> \"$2\"; echo why >&2; exit 3"),
         QStringLiteral("sh"), tricky, written},
        QByteArray("in\0put", 6));
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.errorOutput, QStringLiteral("why"));
    QFile file(written);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), tricky.toUtf8() + QByteArray("in\0put", 6));
}

TEST(Shell, MissingProgramIsNotStarted)
{
    EXPECT_EQ(Shell::runProgram(QStringLiteral("/nonexistent/snapwane-pack"), {QStringLiteral("a")}, {}).exitCode, -1);
}

// With no program for the address, xdg-open ends with a failure status: that is
// what the user hears of, with the path.
TEST(Shell, PathNoProgramOpensIsReportedWithThePath)
{
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    QFile fake(bin.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write("#!/bin/sh\nexit 3\n");
    fake.close();
    fake.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8() + ':' + oldPath);
    QString failed;
    Shell::openPath(QStringLiteral("/photos/out"), [&failed](const QString& shown) { failed = shown; });
    const bool reported = snapwane::test::WaitUntil([&failed] {
        QCoreApplication::processEvents();
        return !failed.isEmpty();
    });
    qputenv("PATH", oldPath);
    EXPECT_TRUE(reported);
    EXPECT_EQ(failed, QStringLiteral("/photos/out"));
}

TEST(Shell, EmptyPathOpensNothing)
{
    RecordingShell shell;
    Shell::openPath(QString());
    EXPECT_TRUE(shell.opened().isEmpty());
}

TEST(Shell, MailToCarriesAddressAndSubject)
{
    const QUrl url = Shell::mailTo(QStringLiteral("support@quenfield.com"), QStringLiteral("About Snapwane software"));
    EXPECT_EQ(url.toString(QUrl::FullyEncoded),
              QStringLiteral("mailto:support@quenfield.com?subject=About%20Snapwane%20software"));
}

} // namespace
