// SPDX-License-Identifier: MIT
#include "app/MainCommands.h"

#include "app/CAboutDlg.h"
#include "app/CMainView.h"
#include "app/CommandActions.h"
#include "app/MainViewState.h"
#include "app/PhotoNavigator.h"
#include "imaging/CColorCorrectionDlg.h"
#include "imaging/CPhotoListView.h"
#include "photos/CFileListView.h"
#include "photos/FileLoader.h"
#include "photos/FolderLoadJob.h"
#include "platform/NativePath.h"
#include "platform/RemovableMedia.h"
#include "platform/Shell.h"
#include "platform/UserGuide.h"
#include "res/ids.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

namespace {
using M = MainCommands;
constexpr CommandMark kNone = CommandMark::None;
constexpr CommandMark kCheck = CommandMark::Check;
constexpr CommandMark kRadio = CommandMark::Radio;

// The desktop's own key for a standard action, or the program's where the desktop
// has none (Quit has no key on Windows). F11 stays the program's own: the standard
// full-screen key is another one on some desktops.
QKeySequence standardKey(QKeySequence::StandardKey standard, QKeyCombination programKey)
{
    const QKeySequence key(standard);
    return key.isEmpty() ? QKeySequence(programKey) : key;
}
} // namespace

const std::vector<CommandSpec>& MainCommands::commandTable()
{
    namespace cmd = ids::cmd;
    // clang-format off
    static const std::vector<CommandSpec> table = {
        // id, menu text, status-bar prompt, tooltip, icon, mark, handler, enabled when, marked when, key
        {cmd::LoadFiles, QT_TR_NOOP("&Load JPEG photos..."), QT_TR_NOOP("Load photos - JPEG files"),
         QT_TR_NOOP("Load photos"), "load-photos", kNone,
         &M::onLoadFiles, &M::isIdle, nullptr, standardKey(QKeySequence::Open, Qt::CTRL | Qt::Key_O)},
        {cmd::LoadFolder, QT_TR_NOOP("Load from &folder..."), QT_TR_NOOP("Load JPEG photos from folder"),
         QT_TR_NOOP("Load from folder"), "load-folder", kNone,
         &M::onLoadFolder, &M::isIdle, nullptr},
        {cmd::LoadCamera, QT_TR_NOOP("Load from &camera..."), QT_TR_NOOP("Load JPEG photos from camera"),
         QT_TR_NOOP("Load from camera"), "load-camera", kNone,
         &M::onLoadCamera, &M::isIdle, nullptr},
        {cmd::RemovePhoto, QT_TR_NOOP("Re&move photo"), QT_TR_NOOP("Remove the selected photo"),
         QT_TR_NOOP("Remove photo"), "remove-photo", kNone,
         &M::onRemovePhoto, &M::hasMarkedPhotoAndIdle, nullptr, standardKey(QKeySequence::Delete, Qt::Key_Delete)},
        {cmd::RemoveAll, QT_TR_NOOP("Remove &all photos"), QT_TR_NOOP("Remove all photos from the list"),
         QT_TR_NOOP("Remove all photos"), "remove-all", kNone,
         &M::onRemoveAll, &M::hasPhotosAndIdle, nullptr},
        {cmd::ViewPhoto, QT_TR_NOOP("&Photo"), QT_TR_NOOP("View the selected photo"),
         QT_TR_NOOP("View photo"), "view-photo", kRadio,
         &M::onViewPhoto, &M::hasMarkedPhotoAndIdle, &M::isSinglePhotoMode},
        {cmd::FileList, QT_TR_NOOP("&File list"), QT_TR_NOOP("List of files"),
         QT_TR_NOOP("File list"), "file-list", kRadio,
         &M::onFileList, &M::isIdle, &M::isFileListMode},
        {cmd::PhotoList, QT_TR_NOOP("Photo &list"), QT_TR_NOOP("List of photos"),
         QT_TR_NOOP("Photo list"), "photo-list", kRadio,
         &M::onPhotoList, &M::isIdle, &M::isPhotoListMode},
        {cmd::FirstPhoto, QT_TR_NOOP("&First photo"), QT_TR_NOOP("First photo"),
         QT_TR_NOOP("First photo"), "first", kNone,
         &M::onFirstPhoto, &M::canGoBack, nullptr},
        {cmd::PreviousPhoto, QT_TR_NOOP("&Previous photo"), QT_TR_NOOP("Previous photo"),
         QT_TR_NOOP("Previous photo"), "previous", kNone,
         &M::onPreviousPhoto, &M::canGoBack, nullptr},
        {cmd::NextPhoto, QT_TR_NOOP("&Next photo"), QT_TR_NOOP("Next photo"), QT_TR_NOOP("Next photo"), "next", kNone,
         &M::onNextPhoto, &M::canGoForward, nullptr},
        {cmd::LastPhoto, QT_TR_NOOP("&Last photo"), QT_TR_NOOP("Last photo"), QT_TR_NOOP("Last photo"), "last", kNone,
         &M::onLastPhoto, &M::canGoForward, nullptr},
        {cmd::RotateLeft, QT_TR_NOOP("Rotate &-90 degrees"), QT_TR_NOOP("Rotate photo -90"),
         QT_TR_NOOP("Rotate -90"), "rotate-left", kNone,
         &M::onRotateLeft, &M::inSinglePhotoAndIdle, nullptr},
        {cmd::RotateRight, QT_TR_NOOP("Rotate &+90 degrees"), QT_TR_NOOP("Rotate photo +90"),
         QT_TR_NOOP("Rotate +90"), "rotate-right", kNone,
         &M::onRotateRight, &M::inSinglePhotoAndIdle, nullptr},
        {cmd::ColorCorrection, QT_TR_NOOP("&Color correction..."), QT_TR_NOOP("Color correction"),
         QT_TR_NOOP("Color correction"), "color-correction", kCheck,
         &M::onColorCorrection, &M::inSinglePhotoAndIdle, &M::isColorCorrectionShown},
        {cmd::FullScreen, QT_TR_NOOP("F&ull screen"), nullptr, nullptr, nullptr, kNone,
         &M::onFullScreen, &M::inSinglePhotoAndIdle, nullptr, QKeySequence(Qt::Key_F11)},
        {cmd::SlideShow, QT_TR_NOOP("&Slide show"), nullptr, nullptr, nullptr, kCheck,
         &M::onSlideShow, &M::canSwitchSlideShow, &M::isSlideShowOn},
        {cmd::RunAndPrint, QT_TR_NOOP("&Run and print"), QT_TR_NOOP("Run this file and print photo"),
         QT_TR_NOOP("Run and Print"), "run-print", kNone,
         &M::onRunAndPrint, &M::hasCurrentPhotoInView, nullptr},
        {cmd::Reduce, QT_TR_NOOP("&Start..."), QT_TR_NOOP("Reduce photos"),
         QT_TR_NOOP("Reduce photos"), "reduce", kNone,
         &M::onReduce, &M::hasPhotosAndIdle, nullptr},
        {cmd::Stop, QT_TR_NOOP("S&top"), QT_TR_NOOP("Stop"), QT_TR_NOOP("Stop"), "stop", kNone,
         &M::onStop, &M::canStop, nullptr},
        {cmd::HelpContents, QT_TR_NOOP("&Contents\tF1"), "1", nullptr, nullptr, kNone,
         &M::onHelp, nullptr, nullptr},
        {cmd::Help, QT_TR_NOOP("Help"), QT_TR_NOOP("Help"), QT_TR_NOOP("Help"), "help", kNone,
         &M::onHelp, nullptr, nullptr, QKeySequence::HelpContents},
        {cmd::HomePage, QT_TR_NOOP("&Home page"), nullptr, nullptr, nullptr, kNone,
         &M::onHomePage, nullptr, nullptr},
        // Not the main view's: the frame and the application carry them out.
        {cmd::Exit, QT_TR_NOOP("E&xit"), QT_TR_NOOP("Quit the application; prompts to save documents"),
         QT_TR_NOOP("Exit"), "exit", kNone,
         nullptr, &M::isIdle, nullptr, standardKey(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q)},
        {cmd::About, QT_TR_NOOP("&About Snapwane..."), QT_TR_NOOP("Show the program's version and the maker's addresses"),
         nullptr, nullptr, kNone,
         nullptr, nullptr, nullptr},
        {cmd::ViewToolBar, QT_TR_NOOP("&Toolbar"), QT_TR_NOOP("Show or hide the toolbar"), nullptr, nullptr, kCheck,
         nullptr, nullptr, nullptr},
        {cmd::ViewStatusBar, QT_TR_NOOP("Status &bar"), QT_TR_NOOP("Show or hide the status bar"),
         nullptr, nullptr, kCheck,
         nullptr, nullptr, nullptr},
    };
    // clang-format on
    return table;
}

MainCommands::MainCommands(CMainView& view, MainViewState& state)
    : m_view(view)
    , m_state(state)
{
}

void MainCommands::attachCommands(CommandActions* actions)
{
    m_actions = actions;
    updateCommands();
}

bool MainCommands::onCommand(int id)
{
    for (const CommandSpec& spec : commandTable()) {
        if (spec.id != id)
            continue;
        if (!spec.execute)
            return false;
        // The state may have changed since the menu was drawn: check again.
        if (!spec.isEnabled || (this->*spec.isEnabled)())
            (this->*spec.execute)();
        updateCommands();
        return true;
    }
    return false;
}

void MainCommands::updateCommands()
{
    const int count = photoCount();
    const QString status = count == 0 ? tr("Empty") : tr("%n photo(s) loaded", nullptr, count);
    if (status != m_statusText) {
        m_statusText = status;
        Q_EMIT statusTextChanged(m_statusText);
    }
    if (!m_actions)
        return;
    for (const CommandSpec& spec : commandTable()) {
        QAction* action = m_actions->action(spec.id);
        if (!action)
            continue;
        if (spec.isEnabled)
            action->setEnabled((this->*spec.isEnabled)());
        if (spec.isMarked)
            action->setChecked((this->*spec.isMarked)());
    }
}

// --- Enable rules and marks ---

int MainCommands::photoCount() const
{
    return m_view.collection().count();
}

bool MainCommands::isIdle() const
{
    return !m_state.isBusy();
}

bool MainCommands::hasPhotosAndIdle() const
{
    return photoCount() > 0 && isIdle();
}

// Remove photo and View photo act on the selected row, the photo marked on the
// screen: with none marked they would do nothing.
bool MainCommands::hasMarkedPhotoAndIdle() const
{
    return hasPhotosAndIdle() && m_view.fileList()->selectedRow() >= 0;
}

bool MainCommands::inSinglePhotoAndIdle() const
{
    return hasPhotosAndIdle() && isSinglePhotoMode();
}

bool MainCommands::canGoBack() const
{
    return inSinglePhotoAndIdle() && m_state.currentIndex() > 0;
}

bool MainCommands::canGoForward() const
{
    return inSinglePhotoAndIdle() && m_state.currentIndex() < photoCount() - 1;
}

// A running show can always be switched off, on its last photo too.
bool MainCommands::canSwitchSlideShow() const
{
    if (m_state.isSlideShow())
        return inSinglePhotoAndIdle();
    const int current = m_state.currentIndex();
    return inSinglePhotoAndIdle() && current >= 0 && current < photoCount() - 1;
}

// A current index left behind by a removal never reaches a photo.
bool MainCommands::hasCurrentPhotoInView() const
{
    const int current = m_state.currentIndex();
    return inSinglePhotoAndIdle() && current >= 0 && current < photoCount();
}

bool MainCommands::canStop() const
{
    return m_state.isReducing() && !m_state.isLoading();
}

bool MainCommands::isPhotoListMode() const
{
    return m_state.viewMode() == PhotoViewHost::PhotoListMode;
}

bool MainCommands::isFileListMode() const
{
    return m_state.viewMode() == PhotoViewHost::FileListMode;
}

bool MainCommands::isSinglePhotoMode() const
{
    return m_state.viewMode() == PhotoViewHost::SinglePhotoMode;
}

bool MainCommands::isColorCorrectionShown() const
{
    return m_view.colorCorrectionDlg() && m_view.colorCorrectionDlg()->isVisible();
}

bool MainCommands::isSlideShowOn() const
{
    return m_state.isSlideShow();
}

// --- Handlers ---

void MainCommands::onLoadFiles()
{
    FileLoader::start(m_view.loadHost());
}

void MainCommands::onLoadFolder()
{
    FolderLoadJob::start(m_view.loadHost());
}

void MainCommands::onLoadCamera()
{
    FolderLoadJob::start(m_view.loadHost(), 0, RemovableMedia::cameraFolder());
}

void MainCommands::onRemovePhoto()
{
    m_view.collectionEditor().removeSelected();
}

void MainCommands::onRemoveAll()
{
    m_view.collectionEditor().removeAll();
}

void MainCommands::onViewPhoto()
{
    m_view.navigator().viewPhoto();
}

void MainCommands::onFileList()
{
    m_state.setViewMode(PhotoViewHost::FileListMode);
    m_view.fileList()->setFocus();
}

void MainCommands::onPhotoList()
{
    m_state.setViewMode(PhotoViewHost::PhotoListMode);
    m_view.photoListView()->setFocus();
}

void MainCommands::onFirstPhoto()
{
    m_view.navigator().moveCurrentPhoto(PhotoViewHost::PhotoMove::First);
}

void MainCommands::onPreviousPhoto()
{
    m_view.navigator().moveCurrentPhoto(PhotoViewHost::PhotoMove::Previous);
}

void MainCommands::onNextPhoto()
{
    m_view.navigator().moveCurrentPhoto(PhotoViewHost::PhotoMove::Next);
}

void MainCommands::onLastPhoto()
{
    m_view.navigator().moveCurrentPhoto(PhotoViewHost::PhotoMove::Last);
}

void MainCommands::onRotateLeft()
{
    m_view.navigator().rotateCurrentPhoto(-90);
}

void MainCommands::onRotateRight()
{
    m_view.navigator().rotateCurrentPhoto(90);
}

void MainCommands::onColorCorrection()
{
    if (!isSinglePhotoMode())
        return;
    CColorCorrectionDlg* dialog = m_view.colorCorrectionDlg();
    dialog->setVisible(!dialog->isVisible());
}

void MainCommands::onFullScreen()
{
    m_view.navigator().showFullScreen();
}

void MainCommands::onSlideShow()
{
    m_state.setSlideShow(!m_state.isSlideShow());
}

void MainCommands::onRunAndPrint()
{
    Shell::openPath(m_view.currentPhotoPath());
}

void MainCommands::onReduce()
{
    m_view.reduction().start();
}

// The run sees the cleared flag between two photos and ends.
void MainCommands::onStop()
{
    m_state.setReducing(false);
}

// The start folder's help file when there is one, else the user guide. With
// neither, the help file's path goes to the desktop, which says it cannot open
// it. A guide no browser opens is shown in the program's own window.
void MainCommands::onHelp()
{
    const QString helpFile = NativePath::join(m_view.startFolder(), CMainView::kHelpFileName);
    const QString guide = UserGuide::path(QCoreApplication::applicationDirPath());
    if (QFileInfo::exists(helpFile) || guide.isEmpty()) {
        Shell::openPath(helpFile);
        return;
    }
    QPointer<CMainView> view(&m_view);
    Shell::openPath(guide, [view, guide](const QString&) { UserGuide::showInWindow(guide, view ? view->window() : nullptr); });
}

void MainCommands::onHomePage()
{
    CAboutDlg::openHomePage();
}
