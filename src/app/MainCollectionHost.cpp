// SPDX-License-Identifier: MIT
#include "app/MainCollectionHost.h"

#include "app/CMainView.h"

CPhotoCollection& MainCollectionHost::collection()
{
    return m_view.collection();
}

CFileListView* MainCollectionHost::fileList() const
{
    return m_view.fileList();
}

CPhotoListView* MainCollectionHost::photoListView() const
{
    return m_view.photoListView();
}

int MainCollectionHost::currentIndex() const
{
    return m_view.state().currentIndex();
}

void MainCollectionHost::setCurrentIndex(int index)
{
    m_view.state().setCurrentIndex(index);
}

int MainCollectionHost::viewMode() const
{
    return m_view.state().viewMode();
}

void MainCollectionHost::setViewMode(int mode)
{
    m_view.state().setViewMode(mode);
}

bool MainCollectionHost::isLoading() const
{
    return m_view.state().isLoading();
}

bool MainCollectionHost::areViewsBusy() const
{
    return m_view.state().areViewsBusy();
}

void MainCollectionHost::notifyStateChanged()
{
    m_view.notifyStateChanged();
}

void MainCollectionHost::redraw()
{
    m_view.update();
}
