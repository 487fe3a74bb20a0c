#pragma once
#include <QString>

class CFileProgressDlg;

// The reduction's side of the main view's progress dialog: the worker thread
// drives it through calls that the GUI thread carries out while the worker
// waits, so what the dialog shows keeps step with the photo in hand. After a
// stop that releases waiting workers (the main window closing) the calls do
// nothing.
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
