// SPDX-License-Identifier: MIT
#include "photos/CFileProgressDlg.h"

#include "platform/GuiThreadCall.h"
#include "platform/WidgetId.h"
#include "res/ids.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The line that shows the file in hand. Its size does not follow its text (a
// long path is cut at the edge; the height is one line), so a new name only
// repaints the line, where a plain label would lay the dialog out again, text
// measured and all, for every photo of a load.
class FileNameLine : public QLabel
{
public:
    using QLabel::QLabel;
    QSize sizeHint() const override { return oneLine(); }
    QSize minimumSizeHint() const override { return oneLine(); }

private:
    QSize oneLine() const
    {
        const QMargins frame = contentsMargins();
        return {1, fontMetrics().height() + 2 * margin() + frame.top() + frame.bottom()};
    }
};

} // namespace

QString CFileProgressDlg::readyCaption()
{
    return tr("READY");
}

QString CFileProgressDlg::loadingCaption()
{
    return tr("Loading photos...");
}

CFileProgressDlg::CFileProgressDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_progress(new QProgressBar(this))
    , m_fileName(new FileNameLine(tr("File"), this))
    , m_stop(new QPushButton(tr("&Stop"), this))
{
    WidgetId::set(this, ids::tmpl::FileProgress);
    WidgetId::set(m_progress, ids::fileProgress::Bar);
    WidgetId::set(m_fileName, ids::fileProgress::FileName);
    WidgetId::set(m_stop, ids::fileProgress::Stop);
    setModal(false);
    setWindowTitle(loadingCaption());
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(tr("Photos loaded"));
    m_fileName->setAlignment(Qt::AlignCenter);
    m_fileName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_stop->setAutoDefault(false);
    connect(m_stop, &QPushButton::clicked, this, &CFileProgressDlg::OnStop);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_stop);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_progress);
    layout->addWidget(m_fileName);
    layout->addLayout(buttons);
    resize(450, 110);
}

template <class Change>
void CFileProgressDlg::change(Change&& apply)
{
    using namespace std::chrono;
    bool post = false;
    milliseconds wait{0};
    {
        std::lock_guard lock(m_changesMutex);
        apply(m_changes);
        if (m_changes.visible)
            m_shownPace = *m_changes.visible ? std::optional(m_changes.pace) : std::nullopt;
        else if (m_shownPace)
            wait = std::max(milliseconds(0), ceil<milliseconds>(m_changesShownAt + *m_shownPace - steady_clock::now()));
        // A change that may not wait overtakes one that waits for the pace.
        post = !m_changesPosted || (m_changesPaced && wait.count() == 0);
        if (post) {
            m_changesPosted = true;
            m_changesPaced = wait.count() > 0;
        }
    }
    if (GuiThreadCall::isGuiThread())
        showChanges();
    else if (post && wait.count() == 0)
        GuiThreadCall::post(this, [this] { showChanges(); });
    else if (post)
        GuiThreadCall::post(this, [this, wait] { QTimer::singleShot(wait, this, [this] { showChanges(); }); });
}

void CFileProgressDlg::showChanges()
{
    Changes changes;
    {
        std::lock_guard lock(m_changesMutex);
        changes = std::exchange(m_changes, {});
        m_changesPosted = false;
        m_changesPaced = false;
        m_changesShownAt = std::chrono::steady_clock::now();
    }
    if (changes.range)
        m_progress->setRange(changes.range->first, changes.range->second);
    if (changes.position)
        m_progress->setValue(*changes.position);
    if (changes.caption)
        setWindowTitle(*changes.caption);
    if (changes.fileName)
        m_fileName->setText(*changes.fileName);
    if (changes.visible)
        setVisible(*changes.visible);
}

void CFileProgressDlg::SetCaption(const QString& text)
{
    change([&](Changes& changes) { changes.caption = text; });
}

void CFileProgressDlg::SetFileName(const QString& text)
{
    change([&](Changes& changes) { changes.fileName = text; });
}

void CFileProgressDlg::SetRange(int low, int high)
{
    change([&](Changes& changes) { changes.range = std::pair(low, high); });
}

void CFileProgressDlg::SetPosition(int position)
{
    change([&](Changes& changes) { changes.position = position; });
}

void CFileProgressDlg::ShowDialog(std::chrono::milliseconds pace)
{
    change([pace](Changes& changes) {
        changes.visible = true;
        changes.pace = pace;
    });
}

void CFileProgressDlg::HideDialog()
{
    change([](Changes& changes) { changes.visible = false; });
}

void CFileProgressDlg::OnStop()
{
    HideDialog();
    m_bStop = 1;
}

void CFileProgressDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

// No close box and no Escape: only Stop ends the window's part in a run.
void CFileProgressDlg::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void CFileProgressDlg::reject()
{
}
