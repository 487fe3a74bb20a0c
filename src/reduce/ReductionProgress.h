// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

class CFileProgressDlg;

// The reduction's side of the main view's progress dialog. The worker thread
// never waits for the window: each change is queued onto the GUI thread, which
// carries them out in the order they were made (every photo's count and the name
// of the photo the run waits for), while the run goes on with its photos. The
// window lives as long as the main view, which waits for the worker before it
// goes.
class ReductionProgress
{
public:
    explicit ReductionProgress(CFileProgressDlg* dialog) : m_dialog(dialog) {}

    // Clears the dialog's stop flag, shows it with the bar at 0 of count.
    void begin(int count);
    void showFileName(const QString& name);
    // "i of count prepared", the bar at i.
    void showPrepared(int prepared, int count);
    // The dialog's Stop was pressed.
    bool stopRequested() const;
    // A stop ends the run: the flag is cleared, the caption emptied, the dialog hidden.
    void endStopped();
    // After the last photo: the caption emptied, the dialog hidden.
    void endPhotos();
    // The end of every run that was not stopped: the bar at 0, no file name, "READY".
    void showReady();

private:
    CFileProgressDlg* m_dialog;
};
