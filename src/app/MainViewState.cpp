// SPDX-License-Identifier: MIT
#include "app/MainViewState.h"

void MainViewState::setViewMode(int mode)
{
    m_viewMode = mode;
    Q_EMIT viewModeChanged();
    Q_EMIT changed();
}

void MainViewState::setCurrentIndex(int index)
{
    m_currentIndex = index;
    Q_EMIT changed();
}

void MainViewState::setLoading(bool loading)
{
    m_loading = loading;
    if (!loading)
        Q_EMIT loadingEnded();
    Q_EMIT changed();
}

void MainViewState::setReducing(bool reducing)
{
    m_reducing = reducing;
    Q_EMIT changed();
}

void MainViewState::setSlideShow(bool on)
{
    const bool starts = on && !m_slideShow;
    m_slideShow = on;
    if (starts)
        Q_EMIT slideShowStarted();
    Q_EMIT changed();
}
