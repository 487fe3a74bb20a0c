// SPDX-License-Identifier: MIT
#include "PhotoViewFixture.h"

#include "imaging/CPhotoImage.h"
#include "photos/CFileListView.h"
#include "photos/PhotoRecord.h"
#include "res/ids.h"
#include "support/QtTestSupport.h"

#include <QCoreApplication>

void PhotoViewFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_view = std::make_unique<CMainView>();
    m_view->resize(830, 620);
    m_view->show();
}

void PhotoViewFixture::TearDown()
{
    m_view.reset();
    QCoreApplication::processEvents();
}

void PhotoViewFixture::addPhotos(int count, int width, int height)
{
    for (int i = 0; i < count; ++i) {
        const int number = m_view->collection().count();
        const QString path = m_dir.filePath(QStringLiteral("photo%1.jpg").arg(number, 2, 10, QLatin1Char('0')));
        const QColor colour = QColor::fromHsv((number * 40) % 360, 200, 200);
        ASSERT_TRUE(snapwane::test::WriteJpeg(
            path, snapwane::test::MakeFilled(width, height, std::uint8_t(colour.red()), std::uint8_t(colour.green()),
                                             std::uint8_t(colour.blue()))));
        PhotoRecord record;
        ASSERT_EQ(PhotoRecord::Load(path, m_view->photoProgressDlg(), record), PhotoRecord::Outcome::Loaded);
        ASSERT_TRUE(m_view->collectionEditor().append(std::move(record)));
    }
}

void PhotoViewFixture::openPhoto(int index)
{
    m_view->fileList()->selectRow(index);
    ASSERT_TRUE(m_view->commands().onCommand(ids::cmd::ViewPhoto));
    ASSERT_EQ(m_view->state().viewMode(), PhotoViewHost::SinglePhotoMode);
    ASSERT_EQ(m_view->state().currentIndex(), index);
}

void PhotoViewFixture::pressKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}

void PhotoViewFixture::click(QWidget* target, QPoint at, Qt::MouseButton button)
{
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), button, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

void PhotoViewFixture::doubleClick(QWidget* target, QPoint at)
{
    click(target, at);
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &twice);
}

int PhotoViewFixture::selectedRow() const
{
    return m_view->fileList()->selectedRow();
}

QList<int> PhotoViewFixture::markedPhotos() const
{
    QList<int> marked;
    for (int i = 0; i < m_view->collection().count(); ++i) {
        if (m_view->collection().photo(i).isSelected())
            marked.append(i);
    }
    return marked;
}
