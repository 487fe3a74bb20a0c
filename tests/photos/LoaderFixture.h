// SPDX-License-Identifier: MIT
#pragma once
// A main window with scripted prompts and a folder of test photos; loads
// chosen files through command 130 and records what the progress dialog shows.
#include "app/CMainFrame.h"
#include "app/CMainView.h"
#include "app/CommandActions.h"
#include "photos/CFileListView.h"
#include "photos/CFileProgressDlg.h"
#include "photos/CPhotoCollection.h"
#include "res/ids.h"
#include "support/QtTestSupport.h"
#include "support/ScriptedPrompts.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QProgressBar>
#include <QStringList>

#include <gtest/gtest.h>

// Records every caption the progress dialog is given.
class CaptionRecorder : public QObject
{
public:
    QStringList captions;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowTitleChange)
            captions.append(static_cast<QWidget*>(watched)->windowTitle());
        return false;
    }
};

class LoaderFixture : public ::testing::Test
{
protected:
    LoaderFixture()
    {
        progress()->installEventFilter(&recorder);
        QObject::connect(progress()->progressBar(), &QProgressBar::valueChanged,
                         [this](int value) { positions.append(value); });
    }

    CMainView* view() { return frame.view(); }
    CPhotoCollection& collection() { return view()->collection(); }
    CFileProgressDlg* progress() { return view()->fileProgressDlg(); }

    // Chooses files in the open-file dialog of command 130 and waits for the end.
    void load(const QStringList& files)
    {
        prompts.fileAnswers.push_back(files);
        recorder.captions.clear();
        positions.clear();
        frame.onCommand(ids::cmd::LoadFiles);
        waitForTheEnd();
    }

    void waitForTheEnd()
    {
        ASSERT_TRUE(snapwane::test::WaitUntil([this] { return !view()->state().isLoading() && !view()->worker().isRunning(); }));
        QCoreApplication::processEvents();
    }

    QStringList names() const
    {
        QStringList shown;
        const CPhotoCollection& held = frame.view()->collection();
        for (int i = 0; i < held.count(); ++i)
            shown.append(held.record(i).name);
        return shown;
    }

    ScriptedPrompts prompts;
    snapwane::test::PhotoFolder folder;
    CMainFrame frame;
    CaptionRecorder recorder;
    QList<int> positions;
};
