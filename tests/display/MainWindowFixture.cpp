// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"

#include "DisplaySupport.h"
#include "app/CMainView.h"
#include "app/CommandActions.h"
#include "photos/PhotoRecord.h"

#include <QAction>
#include <QApplication>
#include <QToolBar>
#include <QtTest/QTest>

void MainWindowFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_frame = std::make_unique<CMainFrame>();
    m_frame->setGeometry(40, 40, 900, 700);
    ASSERT_TRUE(DisplaySupport::showActive(m_frame.get()));
}

void MainWindowFixture::TearDown()
{
    m_frame.reset();
    QApplication::processEvents();
}

CMainView* MainWindowFixture::view() const
{
    return m_frame->view();
}

QColor MainWindowFixture::colourOf(int number)
{
    return QColor::fromHsv((number * 67) % 360, 220, 210);
}

QString MainWindowFixture::pathOf(int number) const
{
    return m_dir.filePath(QStringLiteral("photo%1.jpg").arg(number, 2, 10, QLatin1Char('0')));
}

void MainWindowFixture::addPhotos(int count, int width, int height)
{
    const int first = view()->collection().count();
    view()->state().setLoading(true);
    for (int number = first; number < first + count; ++number) {
        ASSERT_TRUE(DisplaySupport::writePhoto(pathOf(number), width, height, colourOf(number)));
        PhotoRecord record;
        ASSERT_EQ(PhotoRecord::Load(pathOf(number), view()->photoProgressDlg(), record), PhotoRecord::Outcome::Loaded);
        ASSERT_TRUE(view()->collectionEditor().append(std::move(record)));
    }
    view()->collectionEditor().selectFirstRow();
    view()->state().setLoading(false);
}

QAction* MainWindowFixture::action(int command) const
{
    return m_frame->commands()->action(command);
}

void MainWindowFixture::clickToolButton(int command)
{
    auto* toolBar = m_frame->findChild<QToolBar*>();
    ASSERT_NE(toolBar, nullptr);
    QWidget* button = toolBar->widgetForAction(action(command));
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}
