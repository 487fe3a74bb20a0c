// SPDX-License-Identifier: MIT
#include "app/CMainFrame.h"

#include "app/CMainView.h"
#include "app/CPhotoApp.h"
#include "app/CommandActions.h"
#include "photos/PathLoadJob.h"
#include "platform/LockKeys.h"
#include "platform/WidgetId.h"
#include "res/ids.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int kSeparator = 0;

struct MenuLayout
{
    const char* title;
    std::vector<int> items; // command ids; kSeparator between groups
};

const std::vector<MenuLayout>& menuLayout()
{
    namespace cmd = ids::cmd;
    static const std::vector<MenuLayout> menus = {
        {QT_TRANSLATE_NOOP("CMainFrame", "&File"),
         {cmd::LoadCamera, cmd::LoadFolder, cmd::LoadFiles, kSeparator, cmd::RunAndPrint, kSeparator,
          cmd::RemovePhoto, cmd::RemoveAll, kSeparator, cmd::Exit}},
        {QT_TRANSLATE_NOOP("CMainFrame", "&View"),
         {cmd::ViewPhoto, cmd::PhotoList, cmd::FileList, kSeparator, cmd::FullScreen, kSeparator, cmd::SlideShow,
          kSeparator, cmd::ViewToolBar, cmd::ViewStatusBar}},
        {QT_TRANSLATE_NOOP("CMainFrame", "&Photo"),
         {cmd::RotateLeft, cmd::RotateRight, kSeparator, cmd::ColorCorrection}},
        {QT_TRANSLATE_NOOP("CMainFrame", "&Browse"),
         {cmd::FirstPhoto, cmd::PreviousPhoto, cmd::NextPhoto, cmd::LastPhoto}},
        {QT_TRANSLATE_NOOP("CMainFrame", "&Reduce"), {cmd::Reduce, cmd::Stop}},
        {QT_TRANSLATE_NOOP("CMainFrame", "&Help"), {cmd::HelpContents, cmd::HomePage, kSeparator, cmd::About}},
    };
    return menus;
}

const std::vector<int>& toolBarLayout()
{
    namespace cmd = ids::cmd;
    static const std::vector<int> buttons = {
        cmd::LoadCamera, cmd::LoadFolder, cmd::LoadFiles, kSeparator, cmd::RemovePhoto, cmd::RemoveAll, kSeparator,
        cmd::FileList, cmd::PhotoList, cmd::ViewPhoto, kSeparator, cmd::RotateLeft, cmd::RotateRight, kSeparator,
        cmd::ColorCorrection, kSeparator, cmd::RunAndPrint, kSeparator, cmd::FirstPhoto, cmd::PreviousPhoto,
        cmd::NextPhoto, cmd::LastPhoto, kSeparator, cmd::Reduce, cmd::Stop, kSeparator, cmd::Help, kSeparator,
        cmd::Exit,
    };
    return buttons;
}

// The local files and folders a drag carries; links to elsewhere are left out.
QStringList droppedPaths(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent)
{
    setMinimumSize(kMinWidth, kMinHeight);
    setDockOptions(QMainWindow::AnimatedDocks);
    setAcceptDrops(true);

    m_view = new CMainView(this);
    setCentralWidget(m_view);
    m_commands = new CommandActions(MainCommands::commandTable(), this);
    connect(m_commands, &CommandActions::commandTriggered, this, &CMainFrame::onCommand);
    createToolBar();
    createStatusBar();
    createMenus();

    connect(&m_view->commands(), &MainCommands::statusTextChanged, m_countPane, &QLabel::setText);
    m_view->commands().attachCommands(m_commands);
    m_countPane->setText(m_view->commands().statusText());
    showBarMarks();
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
}

void CMainFrame::createToolBar()
{
    m_toolBar = new QToolBar(tr("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    WidgetId::set(m_toolBar, ids::ToolBar);
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int id : toolBarLayout()) {
        if (id == kSeparator)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(m_commands->action(id));
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    // The button that shows the commands a narrow window has no room for.
    if (auto* more = m_toolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More commands"));
    connect(m_toolBar, &QToolBar::visibilityChanged, this, &CMainFrame::showBarMarks);
}

QLabel* CMainFrame::addStatusPane(int id, const QString& widestText)
{
    auto* pane = new QLabel(m_statusBar);
    WidgetId::set(pane, id);
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(widestText) + 12);
    m_statusBar->addPermanentWidget(pane);
    return pane;
}

void CMainFrame::createStatusBar()
{
    m_statusBar = new QStatusBar(this);
    WidgetId::set(m_statusBar, ids::StatusBar);
    setStatusBar(m_statusBar);
    // The idle text stays under the prompts that the status bar shows on hover.
    m_messagePane = new QLabel(tr("Ready"), m_statusBar);
    m_statusBar->addWidget(m_messagePane, 1);
    m_countPane = addStatusPane(ids::pane::PhotoCount, tr("0000 photos loaded"));
    m_capsLockPane = addStatusPane(ids::pane::CapsLock, tr("CAP"));
    m_numLockPane = addStatusPane(ids::pane::NumLock, tr("NUM"));
    m_scrollLockPane = addStatusPane(ids::pane::ScrollLock, tr("SCRL"));
}

void CMainFrame::createMenus()
{
    for (const MenuLayout& layout : menuLayout()) {
        QMenu* menu = menuBar()->addMenu(tr(layout.title));
        for (int id : layout.items) {
            if (id == kSeparator)
                menu->addSeparator();
            else
                menu->addAction(m_commands->action(id));
        }
    }
}

void CMainFrame::onCommand(int id)
{
    if (!m_view->commands().onCommand(id) && !handleFrameCommand(id)) {
        if (auto* app = qobject_cast<CPhotoApp*>(QCoreApplication::instance()))
            app->onCommand(id, this);
    }
    m_view->commands().updateCommands();
    showBarMarks();
}

bool CMainFrame::handleFrameCommand(int id)
{
    switch (id) {
    case ids::cmd::ViewToolBar:
        m_toolBar->setVisible(m_toolBar->isHidden());
        return true;
    case ids::cmd::ViewStatusBar:
        m_statusBar->setVisible(m_statusBar->isHidden());
        return true;
    case ids::cmd::Exit:
        close();
        return true;
    default:
        return false;
    }
}

void CMainFrame::showBarMarks()
{
    m_commands->action(ids::cmd::ViewToolBar)->setChecked(!m_toolBar->isHidden());
    m_commands->action(ids::cmd::ViewStatusBar)->setChecked(!m_statusBar->isHidden());
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // A running worker must not outlive the collection it works on.
    m_view->stopWorkerAndWait();
    event->accept();
}

void CMainFrame::focusInEvent(QFocusEvent* event)
{
    QMainWindow::focusInEvent(event);
    m_view->setFocus();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        showLockKeys(LockKeys::fromKeyEvent(*static_cast<QKeyEvent*>(event)));
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::showLockKeys(const LockKeys& state)
{
    const auto show = [](QLabel* pane, const std::optional<bool>& on, const QString& text) {
        if (on)
            pane->setText(*on ? text : QString());
    };
    show(m_capsLockPane, state.capsLock, tr("CAP"));
    show(m_numLockPane, state.numLock, tr("NUM"));
    show(m_scrollLockPane, state.scrollLock, tr("SCRL"));
}

bool CMainFrame::openPaths(const QStringList& paths)
{
    return PathLoadJob::start(m_view->loadHost(), paths);
}

// A drop is offered only where the load commands are enabled.
void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!m_view->state().isBusy() && !droppedPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dragMoveEvent(QDragMoveEvent* event)
{
    if (!m_view->state().isBusy() && !droppedPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    if (openPaths(droppedPaths(event->mimeData())))
        event->acceptProposedAction();
    else
        event->ignore();
}
