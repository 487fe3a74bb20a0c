// SPDX-License-Identifier: MIT
#include "app/CMainView.h"

#include "core/Version.h"
#include "imaging/CColorCorrectionDlg.h"
#include "imaging/CFullScreenDlg.h"
#include "imaging/CPhotoImage.h"
#include "imaging/CPhotoListView.h"
#include "imaging/CPhotoProgressDlg.h"
#include "photos/CFileListView.h"
#include "photos/CFileProgressDlg.h"
#include "platform/GuiThreadCall.h"
#include "platform/NativePath.h"
#include "platform/WidgetId.h"
#include "res/AppResources.h"
#include "res/ids.h"

#include <QDir>
#include <QItemSelectionModel>
#include <QKeyEvent>

const QString CMainView::kTitle = QStringLiteral("Quenfield Snapwane v") + QLatin1String(snapwane::kShortVersion);
const QString CMainView::kHelpFileName = QStringLiteral("swhelp.chm");

CMainView::CMainView(QWidget* parent)
    : QWidget(parent)
{
    WidgetId::set(this, ids::MainViewPane);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);

    m_photoListView = new CPhotoListView(this);
    WidgetId::set(m_photoListView, ids::PhotoListView);
    m_singlePhotoView = new CPhotoListView(this);
    WidgetId::set(m_singlePhotoView, ids::SinglePhotoView);
    createFileList();
    watchCollection();
    window()->setWindowIcon(AppResources::appIcon());
    createModelessWindows();
    connectPhotoView(m_photoListView);
    connectPhotoView(m_singlePhotoView);
    watchState();
    m_startFolder = NativePath::toNative(QDir::currentPath());
    m_title = kTitle;
    window()->setWindowTitle(m_title);
    layOutViews();
}

CMainView::~CMainView()
{
    // Nothing is laid out or repainted any more, whatever the worker's end changes.
    disconnect(&m_state, nullptr, this, nullptr);
    stopWorkerAndWait();
    // The photos go while every window that draws them is still there, and
    // their going repaints nothing: the views are about to go too.
    disconnect(&m_collection, nullptr, this, nullptr);
    m_collection.releaseAll();
    delete m_photoProgressDlg;
    delete m_fileProgressDlg;
    delete m_colorCorrectionDlg;
    delete m_fullScreenDlg;
}

// Every change of the state shows in the layout and the commands.
void CMainView::watchState()
{
    connect(&m_state, &MainViewState::viewModeChanged, this, &CMainView::layOutViews);
    connect(&m_state, &MainViewState::changed, this, &CMainView::notifyStateChanged);
    connect(&m_state, &MainViewState::loadingEnded, this, &CMainView::repaintPhotoViews);
}

void CMainView::createFileList()
{
    m_fileList = new CFileListView(&m_collection, this);
    connect(m_fileList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CMainView::onFileListSelectionChanged);
    connect(m_fileList, &QAbstractItemView::doubleClicked, this, &CMainView::onFileListDoubleClicked);
}

// Every change of the collection shows at once in the views that draw it: the
// photo views paint opaque over this window, so repainting it is not enough.
void CMainView::watchCollection()
{
    connect(&m_collection, &QAbstractItemModel::rowsInserted, this, &CMainView::repaintPhotoViews);
    connect(&m_collection, &QAbstractItemModel::rowsRemoved, this, &CMainView::repaintPhotoViews);
    connect(&m_collection, &QAbstractItemModel::modelReset, this, &CMainView::repaintPhotoViews);
    connect(&m_collection, &QAbstractItemModel::dataChanged, this, &CMainView::repaintPhotoViews);
    connect(&m_collection, &QAbstractItemModel::layoutChanged, this, &CMainView::repaintPhotoViews);
}

void CMainView::repaintPhotoViews()
{
    m_photoListView->viewport()->update();
    m_singlePhotoView->repaintSinglePhoto();
}

// The photo marked in the views is always the one of the selected row, the
// one Remove photo and View photo act on, however the selection moved.
void CMainView::onFileListSelectionChanged()
{
    m_collectionEditor.markSelectedRow(); // ignored while a load runs
    notifyStateChanged();
}

void CMainView::onFileListDoubleClicked()
{
    if (!m_state.isLoading())
        m_commands.onCommand(ids::cmd::ViewPhoto);
}

void CMainView::connectPhotoView(CPhotoListView* view)
{
    view->setHost(&m_photoViewHost);
    view->setFullScreenDlg(m_fullScreenDlg);
    connect(view, &CPhotoListView::photoClicked, this, &CMainView::onPhotoClicked);
    connect(view, &CPhotoListView::photoDoubleClicked, this, &CMainView::onPhotoDoubleClicked);
    connect(view, &CPhotoListView::backToGrid, this, &CMainView::onBackToGrid);
    connect(view, &CPhotoListView::moveRequested, &m_navigator, &PhotoNavigator::moveCurrentPhoto);
    connect(view, &CPhotoListView::selectionSyncRequested, this,
            [this] { m_collectionEditor.markCurrentPhoto(); });
}

void CMainView::onPhotoClicked(int index)
{
    m_fileList->selectRow(index);
    m_state.setCurrentIndex(index);
}

void CMainView::onPhotoDoubleClicked(int index)
{
    m_fileList->selectRow(index);
    m_state.setCurrentIndex(index);
    m_commands.onCommand(ids::cmd::ViewPhoto);
}

void CMainView::onBackToGrid()
{
    m_state.setViewMode(PhotoViewHost::PhotoListMode);
    m_photoListView->setFocus();
    m_photoListView->viewport()->update();
}

void CMainView::createModelessWindows()
{
    m_photoProgressDlg = new CPhotoProgressDlg(this);
    m_photoProgressDlg->hide();
    m_fileProgressDlg = new CFileProgressDlg(this);
    m_fileProgressDlg->hide();
    m_colorCorrectionDlg = new CColorCorrectionDlg(m_singlePhotoView, this);
    m_colorCorrectionDlg->hide();
    connect(m_colorCorrectionDlg, &CColorCorrectionDlg::shownChanged, &m_commands, &MainCommands::updateCommands);
    m_fullScreenDlg = new CFullScreenDlg(m_singlePhotoView, this);
    m_fullScreenDlg->hide();
}

void CMainView::stopWorkerAndWait()
{
    if (m_fileProgressDlg)
        m_fileProgressDlg->m_bStop = 1;
    m_state.setReducing(false);
    m_worker.stopAndWait();
}

CPhotoImage* CMainView::currentPhoto() const
{
    const int current = m_state.currentIndex();
    return current >= 0 && current < m_collection.count() ? &m_collection.photo(current) : nullptr;
}

QString CMainView::currentPhotoPath() const
{
    return m_collection.pathOf(m_state.currentIndex());
}

void CMainView::notifyStateChanged()
{
    GuiThreadCall::post(this, [this] {
        layOutViews();
        m_commands.updateCommands();
    });
}

// --- Layout ---

void CMainView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOutViews();
}

// The window of the view mode fills the client area; the other two stay
// created and visible, collapsed to an empty rectangle. The views follow the
// window's size during a load too (a window maximised while a load starts
// would show a stale rectangle otherwise); only the caption stays as it is.
void CMainView::layOutViews()
{
    const QRect client = rect();
    const QRect empty(0, 0, 0, 0);
    const int mode = m_state.viewMode();
    m_fileList->setGeometry(mode == PhotoViewHost::FileListMode ? client : empty);
    m_photoListView->setGeometry(mode == PhotoViewHost::PhotoListMode ? client : empty);
    if (mode == PhotoViewHost::SinglePhotoMode) {
        if (m_singlePhotoView->geometry() != client)
            m_singlePhotoView->setGeometry(client);
        return; // the caption belongs to the single-photo view in this mode
    }
    m_singlePhotoView->setGeometry(empty);
    if (m_state.isLoading())
        return;
    m_colorCorrectionDlg->hide();
    window()->setWindowTitle(m_title);
}

// --- Keys ---

void CMainView::keyPressEvent(QKeyEvent* event)
{
    m_singlePhotoView->handleKeyDown(event);
    QWidget::keyPressEvent(event);
}
