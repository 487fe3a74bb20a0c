// SPDX-License-Identifier: MIT
#include "app/MainReductionHost.h"

#include "app/CMainView.h"

const CPhotoCollection& MainReductionHost::collection() const
{
    return m_view.collection();
}

WorkerHost& MainReductionHost::worker()
{
    return m_view.worker();
}

CFileProgressDlg* MainReductionHost::fileProgressDlg() const
{
    return m_view.fileProgressDlg();
}

bool MainReductionHost::isReducing() const
{
    return m_view.state().isReducing();
}

void MainReductionHost::setReducing(bool reducing)
{
    m_view.state().setReducing(reducing);
}

QWidget* MainReductionHost::mainWindow() const
{
    return m_view.window();
}
