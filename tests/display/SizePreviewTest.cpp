// The size preview on a desktop: whatever the box, the window and the photo in
// it stay within what the screen leaves free.
#include "DisplaySupport.h"
#include "reduce/CViewPhotoSizesDlg.h"

#include <QScreen>
#include <QTemporaryDir>
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

const BoxRow kBoxes[] = {
    {"Size640", {640, 480}},
    {"NoChange", {5000, 5000}},
};
INSTANTIATE_TEST_SUITE_P(Boxes, SizePreview, ::testing::ValuesIn(kBoxes),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
