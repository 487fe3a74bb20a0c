// SPDX-License-Identifier: MIT
// The size preview on a desktop: whatever the box, the window and the photo in
// it stay within what the screen leaves free.
#include "DisplaySupport.h"
#include "reduce/CViewPhotoSizesDlg.h"

#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace DisplaySupport;

namespace {

struct BoxRow
{
    const char* name;
    QSize box;
};

class SizePreview : public ::testing::TestWithParam<BoxRow>
{
};

TEST_P(SizePreview, WindowAndPhotoStayOnTheScreen)
{
    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(DisplaySupport::writePhoto(photo, 2000, 1500));
    CViewPhotoSizesDlg preview(GetParam().box, photo, {});
    ASSERT_TRUE(showActive(&preview));
    const QRect available = preview.screen()->availableGeometry();

    // Framed by the window manager, then fitted again: the box, or what the
    // screen leaves free.
    const QRect outer(available.topLeft(), GetParam().box.boundedTo(available.size()));
    EXPECT_TRUE(waitFor([&] { return preview.frameGeometry() == outer && preview.clientSize() == preview.size(); }))
        << preview.frameGeometry().width() << " x " << preview.frameGeometry().height();
    const QRect drawn(preview.mapToGlobal(preview.photoOrigin()), preview.photoSize());
    EXPECT_FALSE(preview.photoSize().isEmpty());
    EXPECT_TRUE(available.contains(drawn));
}

// Once placed, the preview leaves its position to the desktop: a window put
// elsewhere stays there instead of moving itself back on every move.
TEST_F(SizePreview, AWindowPutElsewhereStaysThere)
{
    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(DisplaySupport::writePhoto(photo, 2000, 1500));
    CViewPhotoSizesDlg preview(QSize(640, 480), photo, {});
    ASSERT_TRUE(showActive(&preview));
    const QPoint topLeft = preview.screen()->availableGeometry().topLeft();
    ASSERT_TRUE(waitFor([&] { return preview.frameGeometry().topLeft() == topLeft; }));
    QTest::qWait(200);

    const QPoint elsewhere = topLeft + QPoint(120, 90);
    preview.windowHandle()->setFramePosition(elsewhere);
    EXPECT_TRUE(waitFor([&] { return preview.frameGeometry().topLeft() == elsewhere; }));
    QTest::qWait(500);
    EXPECT_EQ(preview.frameGeometry().topLeft(), elsewhere);
}

const BoxRow kBoxes[] = {
    {"Size640", {640, 480}},
    {"NoChange", {5000, 5000}},
};
INSTANTIATE_TEST_SUITE_P(Boxes, SizePreview, ::testing::ValuesIn(kBoxes),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
