// SPDX-License-Identifier: MIT
// The file progress dialog: its controls by id, Stop, and a worker driving it.
#include "photos/CFileProgressDlg.h"

#include "platform/WidgetId.h"
#include "res/ids.h"

#include "support/QtTestSupport.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

namespace fp = ids::fileProgress;

TEST(FileProgressDlg, StopHidesAtOnceAndOnlyStopDoes)
{
    CFileProgressDlg dialog(nullptr);
    ASSERT_NE(WidgetId::find<QProgressBar>(&dialog, fp::Bar), nullptr);
    ASSERT_NE(WidgetId::find<QLabel>(&dialog, fp::FileName), nullptr);
    auto* stop = WidgetId::find<QPushButton>(&dialog, fp::Stop);
    ASSERT_NE(stop, nullptr);
    EXPECT_EQ(stop->text(), QStringLiteral("&Stop"));

    dialog.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog, &escape);
    dialog.close();
    EXPECT_TRUE(dialog.isVisible()); // neither Escape nor closing ends a run
    EXPECT_EQ(dialog.m_bStop.load(), 0);

    stop->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.m_bStop.load(), 1);
}

TEST(FileProgressDlg, AWorkersChangesArriveInOrderAtTheirPaceAndTheBarKeepsLargeCounts)
{
    CFileProgressDlg dialog(nullptr);
    std::atomic<bool> done = false;
    std::thread worker([&] {
        dialog.SetRange(0, 70000);
        dialog.ShowDialog(CFileProgressDlg::kReductionPace);
        for (int i = 0; i <= 70000; i += 10000) {
            dialog.SetPosition(i);
            dialog.SetFileName(QStringLiteral("photo %1").arg(i));
        }
        dialog.SetCaption(QStringLiteral("70000 of 70000 loaded"));
        done = true;
    });
    worker.join();
    ASSERT_TRUE(snapwane::test::WaitUntil([&] { return done && dialog.windowTitle().startsWith(QStringLiteral("70000")); }));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.progressBar()->maximum(), 70000);
    EXPECT_EQ(dialog.progressBar()->value(), 70000);
    EXPECT_EQ(dialog.fileNameLine()->text(), QStringLiteral("photo 70000"));

    // Changes given right after a repaint wait for the pace, but a hide does not,
    // and brings them along.
    std::thread([&] {
        dialog.SetPosition(1);
        dialog.HideDialog();
    }).join();
    QCoreApplication::processEvents();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.progressBar()->value(), 1);
}

} // namespace
