// SPDX-License-Identifier: MIT
#include "app/MainPhotoViewHost.h"

#include "app/CMainView.h"

int MainPhotoViewHost::viewMode() const
{
    return m_view.state().viewMode();
}

bool MainPhotoViewHost::isLoading() const
{
    return m_view.state().isLoading();
}

bool MainPhotoViewHost::areViewsBusy() const
{
    return m_view.state().areViewsBusy();
}

void MainPhotoViewHost::setViewsBusy(bool busy)
{
    m_view.state().setViewsBusy(busy);
}

const QString& MainPhotoViewHost::title() const
{
    return m_view.title();
}

int MainPhotoViewHost::photoCount() const
{
    return m_view.collection().count();
}

CPhotoImage& MainPhotoViewHost::photo(int index) const
{
    return m_view.collection().photo(index);
}

CPhotoImage* MainPhotoViewHost::currentPhoto() const
{
    return m_view.currentPhoto();
}

CPhotoProgressDlg* MainPhotoViewHost::photoProgressDlg() const
{
    return m_view.photoProgressDlg();
}
