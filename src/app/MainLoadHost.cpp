// SPDX-License-Identifier: MIT
#include "app/MainLoadHost.h"

#include "app/CMainView.h"
#include "imaging/CPhotoListView.h"

CPhotoCollection& MainLoadHost::collection()
{
    return m_view.collection();
}

CollectionEditor& MainLoadHost::collectionEditor()
{
    return m_view.collectionEditor();
}

CFileProgressDlg* MainLoadHost::fileProgressDlg() const
{
    return m_view.fileProgressDlg();
}

CPhotoProgressDlg* MainLoadHost::photoProgressDlg() const
{
    return m_view.photoProgressDlg();
}

WorkerHost& MainLoadHost::worker()
{
    return m_view.worker();
}

bool MainLoadHost::isBusy() const
{
    return m_view.state().isBusy();
}

void MainLoadHost::setLoading(bool loading)
{
    m_view.state().setLoading(loading);
}

void MainLoadHost::loadEnded(bool gridTakesFocus)
{
    if (gridTakesFocus)
        m_view.photoListView()->setFocus();
    m_view.update();
}
