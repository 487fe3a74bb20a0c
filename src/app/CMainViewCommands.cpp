// CMainView: the command table, the command handlers and the enable rules.
#include "app/CAboutDlg.h"
#include "app/CMainView.h"
#include "app/CommandActions.h"
#include "imaging/CColorCorrectionDlg.h"
#include "imaging/CFullScreenDlg.h"
#include "imaging/CPhotoListView.h"
#include "photos/CFileListView.h"
#include "photos/FolderLoadJob.h"
#include "photos/FileLoader.h"
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
using M = CMainView;
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

const std::vector<CommandSpec>& CMainView::commandTable()
{
    namespace cmd = ids::cmd;
    // clang-format off
    static const std::vector<CommandSpec> table = {
        // id, menu text, status-bar prompt, tooltip, icon, mark, handler, enabled when, marked when, key
        {cmd::LoadFiles, "&Load JPEG photos...", "Load photos - JPEG files", "Load photos", "load-photos", kNone,
         &M::onLoadFiles, &M::isIdle, nullptr, standardKey(QKeySequence::Open, Qt::CTRL | Qt::Key_O)},
        {cmd::LoadFolder, "Load from &folder...", "Load JPEG photos from folder", "Load from folder", "load-folder", kNone,
         &M::onLoadFolder, &M::isIdle, nullptr},
        {cmd::LoadCamera, "Load from &camera...", "Load JPEG photos from camera", "Load from camera", "load-camera", kNone,
         &M::onLoadCamera, &M::isIdle, nullptr},
        {cmd::RemovePhoto, "Re&move photo", "Remove the selected photo", "Remove photo", "remove-photo", kNone,
         &M::onRemovePhoto, &M::hasMarkedPhotoAndIdle, nullptr, standardKey(QKeySequence::Delete, Qt::Key_Delete)},
        {cmd::RemoveAll, "Remove &all photos", "Remove all photos from the list", "Remove all photos", "remove-all", kNone,
         &M::onRemoveAll, &M::hasPhotosAndIdle, nullptr},
        {cmd::ViewPhoto, "&Photo", "View the selected photo", "View photo", "view-photo", kRadio,
         &M::onViewPhoto, &M::hasMarkedPhotoAndIdle, &M::isSinglePhotoMode},
        {cmd::FileList, "&File list", "List of files", "File list", "file-list", kRadio,
         &M::onFileList, &M::isIdle, &M::isFileListMode},
        {cmd::PhotoList, "Photo &list", "List of photos", "Photo list", "photo-list", kRadio,
         &M::onPhotoList, &M::isIdle, &M::isPhotoListMode},
        {cmd::FirstPhoto, "&First photo", "First photo", "First photo", "first", kNone,
         &M::onFirstPhoto, &M::canGoBack, nullptr},
        {cmd::PreviousPhoto, "&Previous photo", "Previous photo", "Previous photo", "previous", kNone,
         &M::onPreviousPhoto, &M::canGoBack, nullptr},
        {cmd::NextPhoto, "&Next photo", "Next photo", "Next photo", "next", kNone,
         &M::onNextPhoto, &M::canGoForward, nullptr},
        {cmd::LastPhoto, "&Last photo", "Last photo", "Last photo", "last", kNone,
         &M::onLastPhoto, &M::canGoForward, nullptr},
        {cmd::RotateLeft, "Rotate &-90 degrees", "Rotate photo -90", "Rotate -90", "rotate-left", kNone,
         &M::onRotateLeft, &M::inSinglePhotoAndIdle, nullptr},
        {cmd::RotateRight, "Rotate &+90 degrees", "Rotate photo +90", "Rotate +90", "rotate-right", kNone,
         &M::onRotateRight, &M::inSinglePhotoAndIdle, nullptr},
        {cmd::ColorCorrection, "&Color correction...", "Color correction", "Color correction", "color-correction", kCheck,
         &M::onColorCorrection, &M::inSinglePhotoAndIdle, &M::isColorCorrectionShown},
        {cmd::FullScreen, "F&ull screen", nullptr, nullptr, nullptr, kNone,
         &M::onFullScreen, &M::inSinglePhotoAndIdle, nullptr, QKeySequence(Qt::Key_F11)},
        {cmd::SlideShow, "&Slide show", nullptr, nullptr, nullptr, kCheck,
         &M::onSlideShow, &M::canSwitchSlideShow, &M::isSlideShowOn},
        {cmd::RunAndPrint, "&Run and print", "Run this file and print photo", "Run and Print", "run-print", kNone,
         &M::onRunAndPrint, &M::hasCurrentPhotoInView, nullptr},
        {cmd::Reduce, "&Start...", "Reduce photos", "Reduce photos", "reduce", kNone,
         &M::onReduce, &M::hasPhotosAndIdle, nullptr},
        {cmd::Stop, "S&top", "Stop", "Stop", "stop", kNone,
         &M::onStop, &M::canStop, nullptr},
        {cmd::HelpContents, "&Contents\tF1", "1", nullptr, nullptr, kNone,
         &M::onHelp, nullptr, nullptr},
        {cmd::Help, "Help", "Help", "Help", "help", kNone,
         &M::onHelp, nullptr, nullptr, QKeySequence::HelpContents},
        {cmd::HomePage, "&Home page", nullptr, nullptr, nullptr, kNone,
         &M::onHomePage, nullptr, nullptr},
        // Not the main view's: the frame and the application carry them out.
        {cmd::Exit, "E&xit", "Quit the application; prompts to save documents", "Exit", "exit", kNone,
         nullptr, &M::isIdle, nullptr, standardKey(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q)},
        {cmd::About, "&About Snapwane...", "Show the program's version and the maker's addresses", nullptr, nullptr, kNone,
         nullptr, nullptr, nullptr},
        {cmd::ViewToolBar, "&Toolbar", "Show or hide the toolbar", nullptr, nullptr, kCheck,
         nullptr, nullptr, nullptr},
        {cmd::ViewStatusBar, "Status &bar", "Show or hide the status bar", nullptr, nullptr, kCheck,
         nullptr, nullptr, nullptr},
    };
    // clang-format on
    return table;
}

void CMainView::attachCommands(CommandActions* actions)
{
    m_actions = actions;
    updateCommands();
}

bool CMainView::onCommand(int id)
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

void CMainView::updateCommands()
{
    const int count = photoCount();
    const QString status = count == 0 ? QStringLiteral("Empty")
        : count == 1                  ? QStringLiteral("%1 photo loaded").arg(count)
                                      : QStringLiteral("%1 photos loaded").arg(count);
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

bool CMainView::isIdle() const
{
    return !isBusy();
}

bool CMainView::hasPhotosAndIdle() const
{
    return photoCount() > 0 && isIdle();
}

// Remove photo and View photo act on the selected row, the photo marked on the
// screen: with none marked they would do nothing.
bool CMainView::hasMarkedPhotoAndIdle() const
{
    return hasPhotosAndIdle() && m_fileList->selectedRow() >= 0;
}

bool CMainView::inSinglePhotoAndIdle() const
{
    return hasPhotosAndIdle() && m_viewMode == SinglePhotoMode;
}

bool CMainView::canGoBack() const
{
    return inSinglePhotoAndIdle() && m_currentIndex > 0;
}

bool CMainView::canGoForward() const
{
    return inSinglePhotoAndIdle() && m_currentIndex < photoCount() - 1;
}

// A running show can always be switched off, on its last photo too.
bool CMainView::canSwitchSlideShow() const
{
    if (m_slideShow)
        return inSinglePhotoAndIdle();
    return inSinglePhotoAndIdle() && m_currentIndex >= 0 && m_currentIndex < photoCount() - 1;
}

// A current index left behind by a removal never reaches a photo.
bool CMainView::hasCurrentPhotoInView() const
{
    return inSinglePhotoAndIdle() && m_currentIndex >= 0 && m_currentIndex < photoCount();
}

bool CMainView::canStop() const
{
    return isReducing() && !isLoading();
}

bool CMainView::isColorCorrectionShown() const
{
    return m_colorCorrectionDlg && m_colorCorrectionDlg->isVisible();
}

// --- Handlers ---

void CMainView::onLoadFiles()
{
    FileLoader::start(*this);
}

void CMainView::onLoadFolder()
{
    FolderLoadJob::start(*this);
}

void CMainView::onLoadCamera()
{
    FolderLoadJob::start(*this, 0, RemovableMedia::cameraFolder());
}

void CMainView::onRemovePhoto()
{
    m_collectionEditor.removeSelected();
}

void CMainView::onRemoveAll()
{
    m_collectionEditor.removeAll();
}

void CMainView::onFileList()
{
    setViewMode(FileListMode);
    m_fileList->setFocus();
}

void CMainView::onPhotoList()
{
    setViewMode(PhotoListMode);
    m_photoListView->setFocus();
}

void CMainView::onColorCorrection()
{
    if (m_viewMode != SinglePhotoMode)
        return;
    m_colorCorrectionDlg->setVisible(!m_colorCorrectionDlg->isVisible());
}

void CMainView::onSlideShow()
{
    setSlideShow(!m_slideShow);
}

void CMainView::onRunAndPrint()
{
    Shell::openPath(currentPhotoPath());
}

void CMainView::onReduce()
{
    m_reduction.start();
}

void CMainView::onStop()
{
    m_reducing = false;
}

// The start folder's help file when there is one, else the user guide. With
// neither, the help file's path goes to the desktop, which says it cannot open
// it. A guide no browser opens is shown in the program's own window.
void CMainView::onHelp()
{
    const QString helpFile = NativePath::join(m_startFolder, kHelpFileName);
    const QString guide = UserGuide::path(QCoreApplication::applicationDirPath());
    if (QFileInfo::exists(helpFile) || guide.isEmpty()) {
        Shell::openPath(helpFile);
        return;
    }
    QPointer<CMainView> view(this);
    Shell::openPath(guide, [view, guide](const QString&) { UserGuide::showInWindow(guide, view ? view->window() : nullptr); });
}

void CMainView::onHomePage()
{
    CAboutDlg::openHomePage();
}
