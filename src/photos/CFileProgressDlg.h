// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>
#include <QString>

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <utility>

class QLabel;
class QProgressBar;
class QPushButton;

// The modeless progress window of every long file operation (the loaders and
// the reduction): bar (1024), file-name line (1025), the caption as the
// operation's status line, and a Stop button (1). Owned by CMainView for its
// whole life and created hidden; it does no work itself: the workers drive it
// and poll m_bStop between two files.
//
// Threads: the window belongs to the GUI thread. The Set/Show/Hide operations
// may be called from any thread. Called on the GUI thread they show at once;
// from a worker they are queued onto the GUI thread, and what a worker changes
// before the GUI thread gets to it is shown together, with the latest value of
// each: a GUI thread kept waiting by busy workers catches up with one repaint
// (and one title the window manager redraws) instead of one per change. A run
// may show the window with a pace (the reduction does): while it is shown, a
// worker's changes are then shown at most once per pace, since photos done
// faster than anyone can read their count would otherwise cost a repaint and a
// title per photo, taken from the cores doing the work. Showing and hiding go at
// once, and so does whatever comes after a hide.
class CFileProgressDlg : public QDialog
{
    Q_OBJECT

public:
    static QString readyCaption();   // "READY", the caption after a normal end
    static QString loadingCaption(); // "Loading photos...", until a loader has counted a photo

    explicit CFileProgressDlg(QWidget* parent);

    void SetCaption(const QString& text);
    void SetFileName(const QString& text);
    // The bar's range and position: the full int range, so it always shows the
    // true count.
    void SetRange(int low, int high);
    void SetPosition(int position);
    void ShowDialog(std::chrono::milliseconds pace = {});
    void HideDialog();

    static constexpr std::chrono::milliseconds kReductionPace{100};
    QProgressBar* progressBar() const { return m_progress; }
    QLabel* fileNameLine() const { return m_fileName; }

    // The Stop button: hides the window at once and asks the worker to stop.
    void OnStop();

    // 1 asks the running worker to stop. Set by Stop (and by a worker that must
    // end its own run); every worker resets it to 0 when it starts and when it
    // handles a stop.
    std::atomic<int> m_bStop{0};

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    struct Changes {
        std::optional<QString> caption;
        std::optional<QString> fileName;
        std::optional<std::pair<int, int>> range;
        std::optional<int> position;
        std::optional<bool> visible;
        std::chrono::milliseconds pace{}; // with visible: the pace while shown
    };

    template <class Change>
    void change(Change&& apply);
    void showChanges();

    std::mutex m_changesMutex;
    Changes m_changes;           // given, not yet shown
    bool m_changesPosted = false; // a showChanges is on its way to the GUI thread
    bool m_changesPaced = false;  // ... and waits for the pace
    std::optional<std::chrono::milliseconds> m_shownPace; // shown (as last asked), at this pace
    std::chrono::steady_clock::time_point m_changesShownAt; // the last showChanges

    QProgressBar* m_progress;
    QLabel* m_fileName;
    QPushButton* m_stop;
};
