// SPDX-License-Identifier: MIT
#pragma once

class CFileListView;
class CPhotoCollection;
class CPhotoListView;

// What CollectionEditor works on besides the collection: the file list, the
// thumbnail grid and the state that moves with the selection (current index,
// view mode). Implemented by MainCollectionHost; GUI thread only, except the two flags,
// which are atomic.
class CollectionHost
{
public:
    virtual ~CollectionHost() = default;

    virtual CPhotoCollection& collection() = 0;
    virtual CFileListView* fileList() const = 0;
    virtual CPhotoListView* photoListView() const = 0;
    virtual int currentIndex() const = 0;
    virtual void setCurrentIndex(int index) = 0;
    // PhotoViewHost::ViewMode.
    virtual int viewMode() const = 0;
    virtual void setViewMode(int mode) = 0;
    virtual bool isLoading() const = 0;
    virtual bool areViewsBusy() const = 0;
    // The commands' rules and the layout follow the changed state.
    virtual void notifyStateChanged() = 0;
    // Repaints the window and the view it shows.
    virtual void redraw() = 0;
};
