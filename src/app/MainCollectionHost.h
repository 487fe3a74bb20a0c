// SPDX-License-Identifier: MIT
#pragma once
#include "photos/CollectionHost.h"

class CMainView;

// CollectionEditor's host: the main view's collection, file list and grid, and
// the state that moves with the selection. GUI thread only.
class MainCollectionHost : public CollectionHost
{
public:
    explicit MainCollectionHost(CMainView& view) : m_view(view) {}

    CPhotoCollection& collection() override;
    CFileListView* fileList() const override;
    CPhotoListView* photoListView() const override;
    int currentIndex() const override;
    void setCurrentIndex(int index) override;
    int viewMode() const override;
    void setViewMode(int mode) override;
    bool isLoading() const override;
    bool areViewsBusy() const override;
    void notifyStateChanged() override;
    void redraw() override;

private:
    CMainView& m_view;
};
