// SPDX-License-Identifier: MIT
// The colour correction window: what it shows, what a release or a click
// stores in the current photo, and that hiding it undoes nothing.
#include "PhotoViewFixture.h"

#include "imaging/CColorCorrectionDlg.h"
#include "imaging/CPhotoImage.h"
#include "platform/WidgetId.h"
#include "res/ids.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace {

namespace cc = ids::colorCorrection;

class ColorCorrectionTest : public PhotoViewFixture
{
protected:
    void SetUp() override
    {
        PhotoViewFixture::SetUp();
        addPhotos(1, 640, 480);
        openPhoto(0);
        m_dialog = m_view->colorCorrectionDlg();
        m_view->commands().onCommand(ids::cmd::ColorCorrection);
        ASSERT_TRUE(m_dialog->isVisible());
        m_brightness = WidgetId::find<QSlider>(m_dialog, cc::Brightness);
        m_contrast = WidgetId::find<QSlider>(m_dialog, cc::Contrast);
        m_grey = WidgetId::find<QCheckBox>(m_dialog, cc::Grey);
        ASSERT_TRUE(m_brightness && m_contrast && m_grey);
    }

    // Moves the slider and lets go of it with the mouse.
    void release(QSlider* slider, int position)
    {
        slider->setValue(position);
        const QPoint at(slider->width() / 2, slider->height() / 2);
        QMouseEvent up(QEvent::MouseButtonRelease, at, slider->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                       Qt::NoModifier);
        QCoreApplication::sendEvent(slider, &up);
    }

    CPhotoImage& photo() { return m_view->collection().photo(0); }

    CColorCorrectionDlg* m_dialog = nullptr;
    QSlider* m_brightness = nullptr;
    QSlider* m_contrast = nullptr;
    QCheckBox* m_grey = nullptr;
};

// An uncorrected photo shows the middle positions; a release stores where the slider is.
TEST_F(ColorCorrectionTest, Release_StoresTheSliderValueAndRemakesTheThumbnail)
{
    EXPECT_EQ(m_brightness->value(), 63);
    EXPECT_EQ(m_contrast->value(), 63);
    EXPECT_FALSE(m_grey->isChecked());
    const std::uint8_t before = photo().pixels().data()[0];
    struct Row { const char* name; bool brightness; int position; int stored; };
    const Row rows[] = {
        {"brightness far right", true, 127, 64},
        {"brightness far left", true, 0, -63},
        {"contrast far right", false, 127, 64},
        {"contrast middle", false, 63, 0},
    };
    for (const Row& row : rows) {
        release(row.brightness ? m_brightness : m_contrast, row.position);
        EXPECT_EQ(row.brightness ? photo().corrections().brightness : photo().corrections().contrast, row.stored) << row.name;
        if (row.position == 127 && row.brightness) {
            EXPECT_GT(int(photo().pixels().data()[0]), int(before));
        }
    }
}

// A key moves the slider and the photo at once, and the number under the
// slider is the correction it stands for.
TEST_F(ColorCorrectionTest, KeyboardMove_IsStoredAndShownAtOnce)
{
    const auto valueShown = [&](const QString& text) {
        for (const QLabel* label : m_dialog->findChildren<QLabel*>())
            if (label->text() == text)
                return true;
        return false;
    };
    EXPECT_TRUE(valueShown(QStringLiteral("0")));
    const std::uint8_t before = photo().pixels().data()[0];
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(m_brightness, &right);
    EXPECT_EQ(photo().corrections().brightness, 1);
    EXPECT_TRUE(valueShown(QStringLiteral("+1")));
    QKeyEvent home(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
    QCoreApplication::sendEvent(m_contrast, &home);
    EXPECT_EQ(photo().corrections().contrast, -63);
    EXPECT_TRUE(valueShown(QStringLiteral("-63")));
    EXPECT_NE(photo().pixels().data()[0], before); // the thumbnail was made again
}

// A dragged handle stores where the mouse lets it go, not every step on the way.
TEST_F(ColorCorrectionTest, Drag_StoresOnRelease)
{
    m_brightness->setSliderDown(true);
    m_brightness->setValue(90);
    EXPECT_EQ(photo().corrections().brightness, 0);
    m_brightness->setSliderDown(false); // the mouse lets go
    EXPECT_EQ(photo().corrections().brightness, 27);
}

TEST_F(ColorCorrectionTest, GreyTickedAndCleared_RestoresTheColours)
{
    release(m_contrast, 80);
    const auto& pixels = photo().pixels();
    const std::vector<std::uint8_t> original(pixels.data(), pixels.data() + pixels.size());

    m_grey->click();
    EXPECT_TRUE(photo().corrections().grey);
    const std::uint8_t* grey = photo().pixels().data();
    EXPECT_TRUE(grey[0] == grey[1] && grey[1] == grey[2]);

    m_grey->click();
    EXPECT_FALSE(photo().corrections().grey);
    EXPECT_EQ(photo().corrections().contrast, 17);
    const auto& restored = photo().pixels();
    EXPECT_EQ(std::vector<std::uint8_t>(restored.data(), restored.data() + restored.size()), original);
}

TEST_F(ColorCorrectionTest, HideAndEscape_KeepTheCorrections)
{
    release(m_brightness, 100);
    auto* hide = WidgetId::find<QPushButton>(m_dialog, cc::Hide);
    ASSERT_NE(hide, nullptr);
    hide->click();
    EXPECT_FALSE(m_dialog->isVisible());
    EXPECT_EQ(photo().corrections().brightness, 37);

    m_view->commands().onCommand(ids::cmd::ColorCorrection);
    EXPECT_EQ(m_brightness->value(), 100);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(m_dialog, &escape);
    EXPECT_FALSE(m_dialog->isVisible());
    EXPECT_EQ(photo().corrections().brightness, 37);
}

} // namespace
