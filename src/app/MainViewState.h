// SPDX-License-Identifier: MIT
#pragma once
#include <QObject>

#include <atomic>

#include "imaging/PhotoViewHost.h"

// The main view's state that the commands' rules, the layout and the views
// read: the view mode (PhotoViewHost::ViewMode), the current index, the loading
// and reducing flags, the slide show and the views' painting flag. The setters
// are the only way to change it, and each change that a rule or the layout
// reads is announced by changed().
//
// Threads: GUI thread, except the loading and reducing flags, which a worker
// may set too, and the painting flag; those three are atomic. Signals sent from
// a worker reach the main view queued, on the GUI thread.
class MainViewState : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    int viewMode() const { return m_viewMode; }
    void setViewMode(int mode);
    // May name no photo: -1, or an index a removal left behind.
    int currentIndex() const { return m_currentIndex; }
    void setCurrentIndex(int index);
    bool isLoading() const { return m_loading.load(); }
    void setLoading(bool loading);
    bool isReducing() const { return m_reducing.load(); }
    void setReducing(bool reducing);
    // Loading or reducing: the worker holds the collection.
    bool isBusy() const { return isLoading() || isReducing(); }
    bool isSlideShow() const { return m_slideShow; }
    void setSlideShow(bool on);
    // Set and cleared around every paint of a photo view; no command depends
    // on it, so its changes are not announced.
    bool areViewsBusy() const { return m_viewsBusy.load(); }
    void setViewsBusy(bool busy) { m_viewsBusy = busy; }

Q_SIGNALS:
    // Any change the commands' rules or the layout read.
    void changed();
    // Sent before changed(), for the layout that must follow at once.
    void viewModeChanged();
    // The loading flag was cleared: the photo views drew nothing while it was set.
    void loadingEnded();
    // The slide show was switched on (not sent when it was on already).
    void slideShowStarted();

private:
    int m_viewMode = PhotoViewHost::PhotoListMode;
    int m_currentIndex = -1;
    std::atomic<bool> m_loading{false};
    std::atomic<bool> m_reducing{false};
    bool m_slideShow = false;
    std::atomic<bool> m_viewsBusy{false};
};
