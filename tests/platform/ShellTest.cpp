// Desktop actions: a started program gets its arguments exactly as given, with
// no shell in between; an empty path opens nothing.
#include "platform/Shell.h"
#include "support/RecordingShell.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

TEST(Shell, DetachedProgramGetsItsArgumentsUnparsed)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString written = dir.filePath(QStringLiteral("out put.txt"));
    const QString tricky = QStringLiteral("a \"b\" 'c' $HOME; ü");
    Shell::startDetached(QStringLiteral("/bin/sh"),
                         {QStringLiteral("-c"), QStringLiteral("printf %s \"$1\" > \"$2.tmp\" && mv \"$2.tmp\" \"$2\""),
                          QStringLiteral("sh"), tricky, written});
    // The program is never waited for by the program; the test waits for its file.
    for (int polls = 0; polls < 6000 && !QFile::exists(written); ++polls)
        QThread::msleep(5);
    QFile file(written);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), tricky);
}

TEST(Shell, MissingProgramFailsSilently)
{
    Shell::startDetached(QStringLiteral("/nonexistent/snapwane-pack"), {QStringLiteral("a")});
    SUCCEED();
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
