// SPDX-License-Identifier: MIT
// A screen of device pixel ratio 2 (ctest runs this suite with QT_SCALE_FACTOR=2):
// a thumbnail shows its photo's own pixels, one on each screen pixel, rather
// than a thumbnail of the logical size stretched, and the size preview shows
// the reduced photo at its size in screen pixels.
#include "DisplaySupport.h"
#include "MainWindowFixture.h"
#include "app/CMainView.h"
#include "core/JpegCodec.h"
#include "imaging/CPhotoListView.h"
#include "imaging/GridGeometry.h"
#include "photos/PhotoRecord.h"
#include "reduce/CViewPhotoSizesDlg.h"
#include "support/TestJpeg.h"

#include <QFile>
#include <QScreen>

#include <cstdlib>

using namespace DisplaySupport;

namespace {

// Columns of one pixel, dark and light by turns, on a slope of colour: what
// stretching a smaller copy would lose.
snapwane::PixelBuffer finelyStriped(int width, int height)
{
    snapwane::PixelBuffer pixels = snapwane::test::MakeFilled(width, height, 0, 0, 0);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = pixels.row(y);
        for (int x = 0; x < width; ++x) {
            const auto level = std::uint8_t(x % 2 ? 220 : 40);
            row[3 * x] = level;
            row[3 * x + 1] = std::uint8_t(level / 2 + y * 100 / height);
            row[3 * x + 2] = std::uint8_t(255 - level);
        }
    }
    return pixels;
}

class HighDpiOnScreen : public MainWindowFixture
{
};

TEST_F(HighDpiOnScreen, Thumbnail_ShowsEveryPixelOfItsPhoto)
{
    CPhotoListView* grid = view()->photoListView();
    ASSERT_EQ(grid->devicePixelRatioF(), 2.0) << "run with QT_SCALE_FACTOR=2";
    // Exactly the thumbnail box at ratio 2: the thumbnail is the photo itself.
    const QString path = m_dir.filePath(QStringLiteral("striped.jpg"));
    ASSERT_TRUE(snapwane::test::WriteJpeg(path, finelyStriped(384, 288), 95));
    view()->state().setLoading(true);
    PhotoRecord record;
    ASSERT_EQ(PhotoRecord::Load(path, view()->photoProgressDlg(), record), PhotoRecord::Outcome::Loaded);
    ASSERT_TRUE(view()->collectionEditor().append(std::move(record)));
    view()->state().setLoading(false);
    ASSERT_EQ(view()->collection().photo(0).GetSize(), QSize(384, 288));
    ASSERT_EQ(view()->collection().photo(0).drawnSize(), QSize(192, 144));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    int width = 0, height = 0, channels = 0;
    const snapwane::PixelBuffer source = snapwane::JpegCodec::Decode(
        {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())}, 1, width, height,
        channels);
    ASSERT_EQ(channels, 3);

    const QRect area = GridGeometry::thumbnailArea(GridGeometry::cellOrigin(0, GridGeometry::columns(grid->viewport()->width())));
    int unlike = -1;
    QImage shown;
    // Pixel by pixel the screen is the photo; a stretched 192 x 144 copy has
    // lost the stripes and differs nearly everywhere.
    const bool same = waitFor([&] {
        shown = grabScreen(grid->viewport(), area);
        if (shown.size() != QSize(384, 288))
            return false;
        unlike = 0;
        for (int y = 0; y < 288; ++y) {
            const std::uint8_t* row = source.row(y);
            for (int x = 0; x < 384; ++x) {
                const QColor pixel = shown.pixelColor(x, y);
                if (std::abs(pixel.red() - row[3 * x]) > 8 || std::abs(pixel.green() - row[3 * x + 1]) > 8
                    || std::abs(pixel.blue() - row[3 * x + 2]) > 8)
                    ++unlike;
            }
        }
        return unlike < 384 * 288 / 100;
    });
    EXPECT_TRUE(same) << "grabbed " << shown.width() << " x " << shown.height() << ", " << unlike
                      << " pixels unlike the photo";
}

TEST_F(HighDpiOnScreen, SizePreview_IsTheBoxInScreenPixels)
{
    const QString path = m_dir.filePath(QStringLiteral("large.jpg"));
    ASSERT_TRUE(writePhoto(path, 2000, 1500));
    CViewPhotoSizesDlg preview(QSize(640, 480), path, {});
    ASSERT_TRUE(showActive(&preview));
    const qreal ratio = preview.devicePixelRatioF();
    ASSERT_EQ(ratio, 2.0);
    // The frame and the client area together: 640 x 480 screen pixels.
    EXPECT_TRUE(waitFor([&] { return preview.frameGeometry().size() * ratio == QSize(640, 480); }))
        << preview.frameGeometry().width() << " x " << preview.frameGeometry().height();
    // The photo fills its area in screen pixels, one photo pixel on each.
    ASSERT_TRUE(waitFor([&] { return preview.clientSize() == preview.size(); }));
    const QSize area = preview.photoArea() * ratio;
    const QSize photo = preview.photoSize();
    EXPECT_TRUE(area.boundedTo(photo) == photo && (photo.width() == area.width() || photo.height() == area.height()))
        << photo.width() << " x " << photo.height() << " in " << area.width() << " x " << area.height();
}

} // namespace
