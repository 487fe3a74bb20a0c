// SPDX-License-Identifier: MIT
// CPhotoImage: which photos load, the fitted sizes, the sizes reported, the
// display names, what a failed load leaves behind, and drawing per display depth.
#include "imaging/CPhotoImage.h"
#include "core/DecodeMemory.h"

#include "support/QtTestSupport.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using snapwane::test::MakeJpeg;
using snapwane::test::PhotoFolder;

struct FitRow
{
    const char* name;
    int width, height, rotation;
    bool loads;
    int heldWidth, heldHeight;
};

void PrintTo(const FitRow& row, std::ostream* out)
{
    *out << row.name;
}

const FitRow kFits[] = {
    {"Smallest_320x240_Loads", 320, 240, 0, true, 192, 144},
    {"Narrower_319x240_Refused", 319, 240, 0, false, 0, 0},
    {"Lower_320x239_Refused", 320, 239, 0, false, 0, 0},
    {"Tall_250x400_Refused", 250, 400, 0, false, 0, 0},
    {"Camera_1600x1200_FillsTheBox", 1600, 1200, 0, true, 192, 144},
    {"Upright_1200x1600_TurnedQuarter_FillsTheBox", 1200, 1600, 90, true, 192, 144},
    {"Upright_1200x1600_Unturned_FitsTheHeight", 1200, 1600, 0, true, 108, 144},
    {"Turned180_KeepsItsShape", 1600, 1200, 180, true, 192, 144},
    // 30 rows at 1/8 for a target of 15 made even (14): more than twice the
    // target, halved first, then merged to exactly 14.
    {"Panorama_3000x240_OddTargetRoundedDown", 3000, 240, 0, true, 192, 14},
};

class PhotoImageFit : public ::testing::TestWithParam<FitRow>
{
};

TEST_P(PhotoImageFit, LoadsIntoTheThumbnailBox)
{
    const FitRow& row = GetParam();
    const auto jpeg = MakeJpeg(row.width, row.height);
    CPhotoImage photo;
    photo.setCorrections({.rotation = row.rotation});
    EXPECT_EQ(photo.LoadFromMemory(jpeg, 0, 0), row.loads);
    EXPECT_EQ(photo.GetSize(), QSize(row.heldWidth, row.heldHeight));
    EXPECT_EQ(photo.hasPixels(), row.loads);
    if (row.loads)
        EXPECT_EQ(photo.GetSourceSize(), QSize(row.width, row.height));
    else
        EXPECT_EQ(photo.GetSourceSize(), QSize(0, 0));
}

INSTANTIATE_TEST_SUITE_P(Photos, PhotoImageFit, ::testing::ValuesIn(kFits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PhotoImage, SizesAreReportedForAnyHeldPhotoHoweverWide)
{
    CPhotoImage empty;
    EXPECT_EQ(empty.GetSize(), QSize(0, 0));
    EXPECT_EQ(empty.GetSourceSize(), QSize(0, 0));

    // A full screen of a 5K display holds more than 5000 pixels a row: it is
    // drawn and its title gives the file's size.
    CPhotoImage wide;
    ASSERT_TRUE(wide.LoadFromMemory(MakeJpeg(5120, 320), 5120, 2880));
    EXPECT_EQ(wide.GetSize(), QSize(5120, 320));
    EXPECT_EQ(wide.GetSourceSize(), QSize(5120, 320));
}

TEST(PhotoImage, BoxIsCutToThePhotoAndNeverEnlargesIt)
{
    CPhotoImage photo;
    ASSERT_TRUE(photo.LoadFromMemory(MakeJpeg(640, 480), 4000, 3000));
    EXPECT_EQ(photo.GetSize(), QSize(640, 480));
    ASSERT_TRUE(photo.LoadFromMemory(MakeJpeg(640, 480), 320, 320));
    EXPECT_EQ(photo.GetSize(), QSize(320, 240));
}

TEST(PhotoImage, PhotoOfAPhonesSize_Loads)
{
    PhotoFolder folder;
    std::vector<std::uint8_t> jpeg = MakeJpeg(320, 240);
    jpeg.resize(6'000'000, 0); // bytes after the end of the photo are not decoded
    const QString phone = folder.write(QStringLiteral("phone.jpg"), jpeg);

    CPhotoImage photo;
    EXPECT_TRUE(photo.LoadFromFile(phone, 0, 0));
    EXPECT_EQ(photo.GetPath(), phone);
}

TEST(PhotoImage, RefusalBeforeDecodingKeepsThePhotoAndLaterFailureDropsIt)
{
    PhotoFolder folder;
    const QString good = folder.writeJpeg(QStringLiteral("Good Photo.JPG"), 640, 480);
    const QString empty = folder.write(QStringLiteral("empty.jpg"), {});
    // More bytes than the decode memory budget: refused unread (a sparse file).
    const QString tooLarge = folder.write(QStringLiteral("large.jpg"), MakeJpeg(320, 240));
    std::filesystem::resize_file(tooLarge.toStdString(), snapwane::kDecodeMemoryBudget + 1);
    const QString text = folder.write(QStringLiteral("text.jpg"), {'n', 'o', 't', ' ', 'a', ' ', 'p', 'h', 'o', 't', 'o'});

    CPhotoImage photo;
    ASSERT_TRUE(photo.LoadFromFile(good, 0, 0));
    EXPECT_EQ(photo.GetPath(), good); // the real path, case kept
    for (const QString& refused : {empty, tooLarge, folder.path(QStringLiteral("missing.jpg"))}) {
        EXPECT_FALSE(photo.LoadFromFile(refused, 0, 0));
        EXPECT_EQ(photo.GetSize(), QSize(192, 144)) << refused.toStdString();
    }
    EXPECT_FALSE(photo.LoadFromFile(text, 0, 0));
    EXPECT_FALSE(photo.hasPixels());
    EXPECT_EQ(photo.GetSize(), QSize(0, 0));
    EXPECT_EQ(photo.GetPath(), good); // only a good load moves the path
}

TEST(PhotoImage, GreyPhotoHoldsThreeEqualBytesPerPixel)
{
    CPhotoImage photo;
    ASSERT_TRUE(photo.LoadFromMemory(MakeJpeg(400, 300, 1), 0, 0));
    const snapwane::PixelBuffer& pixels = photo.pixels();
    ASSERT_EQ(pixels.channels(), 3);
    for (int y = 0; y < pixels.height(); y += 13) {
        const std::uint8_t* px = pixels.row(y);
        for (int x = 0; x < pixels.width(); ++x, px += 3)
            ASSERT_TRUE(px[0] == px[1] && px[1] == px[2]) << x << "," << y;
    }
}

TEST(PhotoImage, CorrectionsAreAppliedAfterTheFit)
{
    const auto jpeg = MakeJpeg(640, 480);
    CPhotoImage plain;
    ASSERT_TRUE(plain.LoadFromMemory(jpeg, 0, 0));
    CPhotoImage grey;
    grey.setCorrections({.brightness = 40, .grey = true});
    ASSERT_TRUE(grey.LoadFromMemory(jpeg, 0, 0));
    const std::uint8_t* a = plain.pixels().row(50) + 60 * 3;
    const std::uint8_t* b = grey.pixels().row(50) + 60 * 3;
    const int expected = std::min(255, a[0] + 40) + std::min(255, a[1] + 40) + std::min(255, a[2] + 40);
    EXPECT_EQ(b[0], expected / 3);
    EXPECT_TRUE(b[0] == b[1] && b[1] == b[2]);
}

struct NameRow
{
    const char* name;
    const char* fileName;
    const char* shown;
};

void PrintTo(const NameRow& row, std::ostream* out)
{
    *out << row.name;
}

const NameRow kNames[] = {
    {"TwelveCharacters_Unchanged", "abcdefgh.jpg", "abcdefgh.jpg"},
    {"EighteenCharacters_Unchanged", "abcdefghijklmn.jpg", "abcdefghijklmn.jpg"},
    {"NineteenCharacters_GetDots", "abcdefghijklmno.jpg", "abcdefghijklmno.jpg..."},
    {"TwentyFiveCharacters_CutTo19", "abcdefghijklmnopqrstu.jpg", "abcdefghijklmnopqrs..."},
};

class PhotoImageDisplayName : public ::testing::TestWithParam<NameRow>
{
};

TEST_P(PhotoImageDisplayName, IsTheFileNameShortened)
{
    PhotoFolder folder;
    const QString path = folder.writeJpeg(QString::fromUtf8(GetParam().fileName), 320, 240);
    CPhotoImage photo;
    ASSERT_TRUE(photo.LoadFromFile(path, 0, 0));
    EXPECT_EQ(photo.GetDisplayName(), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Names, PhotoImageDisplayName, ::testing::ValuesIn(kNames),
                         [](const auto& info) { return std::string(info.param.name); });

// The display word of 16-bit screens, from the held pixel.
quint16 Rgb565(const std::uint8_t* px)
{
    return static_cast<quint16>(((px[0] & 0xF8) << 8) | ((px[1] & 0xFC) << 3) | (px[2] >> 3));
}

struct DepthRow
{
    const char* name;
    QImage::Format target;
};

void PrintTo(const DepthRow& row, std::ostream* out)
{
    *out << row.name;
}

const DepthRow kDepths[] = {
    {"Depth32", QImage::Format_RGB32},
    {"Depth24", QImage::Format_BGR888},
    {"Depth16", QImage::Format_RGB16},
};

class PhotoImageDraw : public ::testing::TestWithParam<DepthRow>
{
};

TEST_P(PhotoImageDraw, CopiesTheHeldPixelsUnscaled)
{
    CPhotoImage photo;
    ASSERT_TRUE(photo.LoadFromMemory(MakeJpeg(640, 480), 0, 0));
    QImage screen(300, 200, GetParam().target);
    screen.fill(Qt::black);
    {
        QPainter painter(&screen);
        const QSize size = photo.GetSize();
        EXPECT_TRUE(photo.Draw(painter, 10, 20, size.width(), size.height()));
    }
    const snapwane::PixelBuffer& pixels = photo.pixels();
    for (auto [x, y] : {std::pair{0, 0}, std::pair{191, 143}, std::pair{77, 31}}) {
        const std::uint8_t* px = pixels.row(y) + x * 3;
        if (GetParam().target == QImage::Format_RGB16) {
            EXPECT_EQ(reinterpret_cast<const quint16*>(screen.constScanLine(20 + y))[10 + x], Rgb565(px));
        } else {
            EXPECT_EQ(screen.pixel(10 + x, 20 + y), qRgb(px[0], px[1], px[2])) << x << "," << y;
        }
    }
    EXPECT_EQ(screen.pixel(10 + 192, 20), qRgb(0, 0, 0)); // nothing beyond the photo
}

INSTANTIATE_TEST_SUITE_P(Depths, PhotoImageDraw, ::testing::ValuesIn(kDepths),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PhotoImage, DrawsNothingWithoutPixelsOrOnAnotherDepth)
{
    QImage screen(200, 200, QImage::Format_RGB32);
    QPainter painter(&screen);
    CPhotoImage empty;
    EXPECT_FALSE(empty.Draw(painter, 0, 0, 192, 144));

    CPhotoImage photo;
    ASSERT_TRUE(photo.LoadFromMemory(MakeJpeg(640, 480), 0, 0));
    photo.ReleasePixels();
    EXPECT_FALSE(photo.Draw(painter, 0, 0, 192, 144));
    EXPECT_EQ(photo.GetSize(), QSize(192, 144)); // sizes stay

    ASSERT_TRUE(photo.LoadFromMemory(MakeJpeg(640, 480), 0, 0));
    QImage grey(200, 200, QImage::Format_Grayscale8);
    QPainter greyPainter(&grey);
    ASSERT_TRUE(greyPainter.isActive());
    EXPECT_FALSE(photo.Draw(greyPainter, 0, 0, 192, 144));
}

TEST(PhotoImage, DrawNeverReadsPastTheHeldPixels)
{
    CPhotoImage photo;
    ASSERT_TRUE(photo.LoadFromMemory(MakeJpeg(640, 480), 0, 0));
    QImage screen(400, 400, QImage::Format_RGB32);
    screen.fill(Qt::black);
    QPainter painter(&screen);
    EXPECT_TRUE(photo.Draw(painter, 0, 0, 400, 400));
    painter.end();
    EXPECT_EQ(screen.pixel(250, 50), qRgb(0, 0, 0));
}

} // namespace
