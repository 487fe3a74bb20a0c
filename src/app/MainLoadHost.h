// SPDX-License-Identifier: MIT
#pragma once
#include "photos/LoadHost.h"

class CMainView;

// The loaders' host: the main view's collection and editor, progress windows,
// worker and loading flag. GUI thread only, except where LoadHost says.
class MainLoadHost : public LoadHost
{
public:
    explicit MainLoadHost(CMainView& view) : m_view(view) {}

    CPhotoCollection& collection() override;
    CollectionEditor& collectionEditor() override;
    CFileProgressDlg* fileProgressDlg() const override;
    CPhotoProgressDlg* photoProgressDlg() const override;
    WorkerHost& worker() override;
    bool isBusy() const override;
    void setLoading(bool loading) override;
    void loadEnded(bool gridTakesFocus) override;

private:
    CMainView& m_view;
};
