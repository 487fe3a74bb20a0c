// SPDX-License-Identifier: MIT
#pragma once
// A main view holding real photos made in a temporary folder, for the tests of
// the photo views, the navigation and the modeless windows.
#include "app/CMainView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

class PhotoViewFixture : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Appends count photos of the given size (different colours) to the collection.
    void addPhotos(int count, int width = 640, int height = 480);
    // Opens photo index in the single-photo mode, as a double click on its row does.
    void openPhoto(int index);
    void pressKey(QWidget* target, int key);
    void click(QWidget* target, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void doubleClick(QWidget* target, QPoint at);
    // The file list's selected row, -1 for none.
    int selectedRow() const;
    // Indexes of the photos whose selected flag is set.
    QList<int> markedPhotos() const;

    QTemporaryDir m_dir;
    std::unique_ptr<CMainView> m_view;
};
