// SPDX-License-Identifier: MIT
// The main window from the keyboard.
#include "DisplaySupport.h"
#include "MainWindowFixture.h"
#include "app/CMainView.h"
#include "photos/CFileListView.h"
#include "res/ids.h"

#include <QApplication>

using namespace DisplaySupport;

namespace {

using MainWindowKeys = MainWindowFixture;

TEST_F(MainWindowKeys, FileListCommand_GivesTheListTheKeyboard)
{
    addPhotos(3);
    ASSERT_EQ(view()->fileList()->selectedRow(), 0);

    clickToolButton(ids::cmd::FileList);

    EXPECT_EQ(QApplication::focusWidget(), view()->fileList());
    ASSERT_TRUE(pressKey(Qt::Key_Down));
    EXPECT_EQ(view()->fileList()->selectedRow(), 1);
}

} // namespace
