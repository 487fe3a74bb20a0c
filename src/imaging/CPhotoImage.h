#pragma once
#include <QSize>
#include <QtGlobal>
#include <QString>

#include <atomic>
#include <cstdint>
#include <span>

#include "core/Corrections.h"
#include "core/PhotoRules.h"
#include "core/PixelBuffer.h"

class CPhotoProgressDlg;
class QPainter;

// One photo of the program: its file's real path, its size as stored in the
// file, the user's corrections, and a small copy of it fitted into a box
// (192 x 144 for the collection's thumbnails) with the corrections applied.
// A correction is never applied to the held copy alone: the user's change goes
// into the correction fields and the photo is loaded again from its file.
//
// Threads: a photo is loaded on a loader's worker thread before it joins the
// collection, and reloaded and drawn on the GUI thread afterwards. A load and a
// draw of the same object keep apart through the busy flag: both test and set
// it in one atomic step, and whoever finds it set gives up at once (a draw draws
// nothing, a load returns false). Nothing ever waits for it.
class CPhotoImage
{
public:
    static constexpr int kSmallestWidth = snapwane::kSmallestPhotoWidth;   // 320
    static constexpr int kSmallestHeight = snapwane::kSmallestPhotoHeight; // 240
    static constexpr int kDefaultBoxWidth = snapwane::kThumbnailBoxWidth;   // 192
    static constexpr int kDefaultBoxHeight = snapwane::kThumbnailBoxHeight; // 144
    static constexpr int kDisplayNameLength = 19;

    CPhotoImage() = default;
    CPhotoImage(const CPhotoImage&) = delete;
    CPhotoImage& operator=(const CPhotoImage&) = delete;
    ~CPhotoImage();

    // Reads the file whole and loads it fitted into boxWidth x boxHeight (0 x 0:
    // the thumbnail box). A file that cannot be read, is empty or too large for
    // the memory allowed is refused before anything changes; any later failure
    // leaves the object without pixels. On success the path is kept as given
    // (the real path, case and all). The owner, the small progress window, shows
    // the path while the file is read. On failure `refusal`, when given, receives
    // the rule that refused the file.
    bool LoadFromFile(const QString& path, int boxWidth, int boxHeight, snapwane::PhotoCheck* refusal = nullptr);
    // The same from bytes in memory: photos under 320 x 240 are refused; the box
    // 0 x 0 is 192 x 144 (or the photo's own size when it is smaller), any other
    // box is first cut to the photo's size. Rotation, brightness, contrast and
    // grey scale are applied after the fit.
    bool LoadFromMemory(std::span<const std::uint8_t> jpeg, int boxWidth, int boxHeight,
                        snapwane::PhotoCheck* refusal = nullptr);
    // The photo fitted into the box (turned for rotation 90 / 270), without
    // corrections; sets the held size. Empty when the bytes do not decode.
    snapwane::PixelBuffer DecodeToFit(std::span<const std::uint8_t> jpeg, int boxWidth, int boxHeight);

    // Draws the held pixels at (x, y), one held pixel on each device pixel (the
    // photo covers drawnSize() in the painter's own pixels), cut to cx x cy held
    // pixels (callers pass GetSize()), converted to the format of the painter's
    // device depth: 32, 24 or 16 bits. false when there are no pixels, the
    // object is busy or the depth is another one.
    bool Draw(QPainter& painter, int x, int y, int cx, int cy);

    // The device pixel ratio of the screen the photo is drawn on (1 unless
    // set): a later load with a box holds up to box x ratio pixels, and Draw
    // shows them at box size. A high-DPI screen so gets the photo's detail
    // instead of stretched pixels.
    void setDevicePixelRatio(qreal ratio);
    // The same for the collection's thumbnails (the 0 x 0 box), whichever
    // thread loads them: the ratio of the screen the grid is on.
    static void setThumbnailPixelRatio(qreal ratio);
    static qreal thumbnailPixelRatio();
    // The held size in the painter's pixels: GetSize() divided by the device
    // pixel ratio the pixels were made for (rounded).
    QSize drawnSize() const;

    // The held size, whatever the box it was fitted into (a full screen of a 5K
    // display holds more than 5000 pixels a row); 0 x 0 without pixels.
    QSize GetSize() const;
    // The size stored in the file, or 0 x 0 when no pixels are held.
    QSize GetSourceSize() const;
    // The source size as the views show the photo: turned by the user's
    // rotation (sides swapped for 90 and 270). 0 x 0 as for GetSourceSize.
    QSize GetShownSize() const;
    QString GetPath() const { return m_path; }
    // The file name of the path; names of 19 characters or more are cut to 19
    // and get "...".
    QString GetDisplayName() const;
    // Releases the held pixels (under the busy flag); sizes, path and
    // corrections stay. The collection calls it before it destroys a photo.
    void ReleasePixels();

    bool hasPixels() const { return !m_pixels.empty(); }
    // The held pixels (RGB, rows from the top); read them only while no load of
    // this object can run.
    const snapwane::PixelBuffer& pixels() const { return m_pixels; }
    snapwane::Corrections corrections() const;
    // The small progress window whose caption LoadFromFile writes the path into.
    void setOwner(CPhotoProgressDlg* owner) { m_owner = owner; }

    // Written directly by their users (the thumbnail view's mark, rotation and
    // colour correction), who then load the photo again from GetPath().
    int m_selected = 0;   // 1: marked in the thumbnail view and the file list
    int m_brightness = 0; // signed offset; 0 = none
    int m_contrast = 0;   // signed amount; 0 = none
    int m_grey = 0;       // non-zero: grey scale
    int m_rotation = 0;   // clockwise degrees: 0, 90, 180, 270

private:
    bool tryMarkBusy() { return !m_busy.exchange(true, std::memory_order_acquire); }
    void clearBusy() { m_busy.store(false, std::memory_order_release); }
    bool loadFromMemory(std::span<const std::uint8_t> jpeg, int boxWidth, int boxHeight, snapwane::PhotoCheck& check);
    void showReadingPath(const QString& path) const;

    snapwane::PixelBuffer m_pixels;
    int m_heldWidth = 0;
    int m_sourceWidth = 0;
    int m_heldHeight = 0;
    int m_sourceHeight = 0;
    int m_bytesPerPixel = 0;
    qreal m_devicePixelRatio = 1.0; // for the next load with a box
    qreal m_heldPixelRatio = 1.0;   // device pixels per painter pixel of the held pixels
    std::uint64_t m_bufferLength = 0; // W x H x bytes per pixel after a good load
    QString m_path;
    std::atomic<bool> m_busy{false};
    CPhotoProgressDlg* m_owner = nullptr; // not owned; may be null
};
