// SPDX-License-Identifier: MIT
#pragma once
// The program's main window on the screen, holding real photos of one colour
// each made in a temporary folder, with the prompts and the desktop answered.
#include "../support/RecordingShell.h"
#include "../support/ScriptedPrompts.h"
#include "app/CMainFrame.h"

#include <QColor>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

class CMainView;
class QAction;

class MainWindowFixture : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    CMainView* view() const;
    // Appends count photos as a load does and ends as a load does (row 0 current).
    void addPhotos(int count, int width = 640, int height = 480);
    // The one colour photo number is made of.
    static QColor colourOf(int number);
    QString pathOf(int number) const;
    // A click on the command's toolbar button.
    void clickToolButton(int command);
    QAction* action(int command) const;

    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;
    RecordingShell m_shell;
    std::unique_ptr<CMainFrame> m_frame;
};
