// SPDX-License-Identifier: MIT
#pragma once
#include "reduce/ReductionHost.h"

class CMainView;

// The reduction run's host: the main view's photos, worker, progress dialog,
// reducing flag and window. GUI thread only, except the flag, which is atomic.
class MainReductionHost : public ReductionHost
{
public:
    explicit MainReductionHost(CMainView& view) : m_view(view) {}

    const CPhotoCollection& collection() const override;
    WorkerHost& worker() override;
    CFileProgressDlg* fileProgressDlg() const override;
    bool isReducing() const override;
    void setReducing(bool reducing) override;
    QWidget* mainWindow() const override;

private:
    CMainView& m_view;
};
