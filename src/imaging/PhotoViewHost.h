// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

class CPhotoImage;
class CPhotoProgressDlg;

// What the photo views (the thumbnail grid, the single-photo view and the
// colour correction working on its photo) read of the window that holds them
// and the photos: the view mode, the busy states, the photos themselves. What
// the views change goes out as CPhotoListView's signals instead. Implemented
// by the main view (MainPhotoViewHost); GUI thread only, except the two flags,
// which are atomic.
class PhotoViewHost
{
public:
    enum ViewMode { PhotoListMode = 0, FileListMode = 1, SinglePhotoMode = 2 };
    enum class PhotoMove { First, Previous, Next, Last };

    virtual ~PhotoViewHost() = default;

    virtual int viewMode() const = 0;
    virtual bool isLoading() const = 0;
    // Set while a view paints; a second paint or a click then does nothing.
    virtual bool areViewsBusy() const = 0;
    virtual void setViewsBusy(bool busy) = 0;
    virtual const QString& title() const = 0;

    virtual int photoCount() const = 0;
    // index in [0, photoCount()).
    virtual CPhotoImage& photo(int index) const = 0;
    // The photo at the current index; nullptr when the index reaches none.
    virtual CPhotoImage* currentPhoto() const = 0;
    // Whose caption a photo loaded from its file shows the path in.
    virtual CPhotoProgressDlg* photoProgressDlg() const = 0;
};
