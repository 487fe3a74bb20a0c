// SPDX-License-Identifier: MIT
#pragma once
#include "imaging/PhotoViewHost.h"

class CMainView;

// The photo views' host: the main view's state and photos, read through the
// main view. GUI thread only, except the flags, which are atomic.
class MainPhotoViewHost : public PhotoViewHost
{
public:
    explicit MainPhotoViewHost(CMainView& view) : m_view(view) {}

    int viewMode() const override;
    bool isLoading() const override;
    bool areViewsBusy() const override;
    void setViewsBusy(bool busy) override;
    const QString& title() const override;
    int photoCount() const override;
    CPhotoImage& photo(int index) const override;
    CPhotoImage* currentPhoto() const override;
    CPhotoProgressDlg* photoProgressDlg() const override;

private:
    CMainView& m_view;
};
