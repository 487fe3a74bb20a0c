// SPDX-License-Identifier: MIT
// The size preview: outer size = the box at the screen's top left, the first
// photo fitted into the client area above the Close button (never enlarged) and
// drawn centred; the caption names the box.
#include "ReduceTestSupport.h"

#include "reduce/CViewPhotoSizesDlg.h"

#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct PreviewRow
{
    const char* name;
    QSize photo;
    int rotation;
    QSize box;
};

void PrintTo(const PreviewRow& row, std::ostream* out)
{
    *out << row.name;
}

class PhotoSizesPreview : public ::testing::TestWithParam<PreviewRow>
{
protected:
    QTemporaryDir folder;
};

// The client area is the box less whatever frame the desktop adds; the photo,
// turned first, fills it above the Close button on one side at most, keeps its
// proportions and is never enlarged; the button covers no part of it.
TEST_P(PhotoSizesPreview, FitsTheFirstPhotoIntoTheWindowAndCentresIt)
{
    const PreviewRow& row = GetParam();
    const QString path = folder.filePath(QStringLiteral("first photo.jpg"));
    ASSERT_TRUE(snapwane::test::WriteJpeg(path, snapwane::test::MakePattern(row.photo.width(), row.photo.height())));
    snapwane::Corrections corrections;
    corrections.rotation = row.rotation;
    CViewPhotoSizesDlg preview(row.box, path, corrections);
    preview.show();

    EXPECT_EQ(preview.frameGeometry(), QRect(QPoint(0, 0), row.box));
    const QSize client = preview.photoArea();
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("%1 x %2").arg(row.box.width()).arg(row.box.height()));
    const QSize turned = row.rotation % 180 ? row.photo.transposed() : row.photo;
    const QSize shown = preview.photoSize();
    const QSize expected = turned.scaled(client, Qt::KeepAspectRatio).boundedTo(turned);
    EXPECT_TRUE(client.expandedTo(shown) == client) << shown.width() << " x " << shown.height();
    EXPECT_NEAR(shown.width(), expected.width(), 2);
    EXPECT_NEAR(shown.height(), expected.height(), 2);
    EXPECT_EQ(preview.photoOrigin(),
              QPoint((client.width() - shown.width()) / 2, (client.height() - shown.height()) / 2));
    EXPECT_FALSE(preview.closeButton()->geometry().intersects(QRect(preview.photoOrigin(), shown)));
    EXPECT_TRUE(QRect(QPoint(0, 0), preview.clientSize()).contains(preview.closeButton()->geometry()));
    preview.close();
}

const PreviewRow kPreviews[] = {
    {"LargerThanTheBox", {1600, 1200}, 0, {640, 480}},
    {"WiderThanTheBox", {1600, 900}, 0, {640, 480}},
    {"SmallerThanTheBoxIsNotEnlarged", {400, 300}, 0, {640, 480}},
    {"TurnedBeforeFitting", {800, 600}, 90, {640, 480}},
    {"OddCustomBox", {1600, 1200}, 0, {641, 479}},
};

INSTANTIATE_TEST_SUITE_P(Photos, PhotoSizesPreview, ::testing::ValuesIn(kPreviews),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PhotoSizesPreviewFailure, AMissingPhotoLeavesTheWindowEmptyWithItsCaption)
{
    CViewPhotoSizesDlg preview(QSize(320, 240), QStringLiteral("/no/such/photo.jpg"), {});
    preview.show();
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("320 x 240"));
    EXPECT_EQ(preview.frameGeometry().size(), QSize(320, 240));
    EXPECT_EQ(preview.photoSize(), QSize(0, 0));
    preview.close();
}

} // namespace
