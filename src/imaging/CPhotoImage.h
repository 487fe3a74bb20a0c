// SPDX-License-Identifier: MIT
#pragma once
#include <QSize>
#include <QtGlobal>
#include <QString>

#include <cstdint>
#include <functional>
#include <span>

#include "core/Corrections.h"
#include "core/PhotoRules.h"
#include "core/PixelBuffer.h"

class CPhotoProgressDlg;
class QPainter;

// One photo of the program: its file's real path, its size as stored in the
// file, the user's turn and corrections, and a small copy of it fitted into a
// box (192 x 144 for the collection's thumbnails) with them applied. A change
// of the turn or the corrections goes through a setter, which makes the held
// copy again from the file and tells the observer (the collection, which
// tells the views): nobody reloads a photo by hand.
//
// Threads: a photo is loaded on a loader's worker thread before it joins the
// collection; after that it is used on the GUI thread alone (the reduction
// reads its path and corrections there, before its worker starts).
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
    // Draws the held pixels at (x, y), one held pixel on each device pixel (the
    // photo covers drawnSize() in the painter's own pixels), cut to cx x cy held
    // pixels (callers pass GetSize()), converted to the format of the painter's
    // device depth: 32, 24 or 16 bits. false when there are no pixels or the
    // depth is another one.
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
    // Releases the held pixels; sizes, path and corrections stay. The
    // collection calls it before it destroys a photo.
    void ReleasePixels();

    bool hasPixels() const { return !m_pixels.empty(); }
    // The held pixels (RGB, rows from the top).
    const snapwane::PixelBuffer& pixels() const { return m_pixels; }
    // The small progress window whose caption LoadFromFile writes the path into.
    void setOwner(CPhotoProgressDlg* owner) { m_owner = owner; }

    // The user's turn (clockwise degrees: 0, 90, 180, 270), brightness,
    // contrast and grey scale.
    snapwane::Corrections corrections() const { return m_corrections; }
    // Keeps the new values; when they differ from the old ones and the photo
    // was loaded from a file, its copy is made again from the file, in the
    // same box, and the observer is told. A photo without a file (not
    // loaded yet, or from memory) only keeps them, for its next load.
    void setCorrections(const snapwane::Corrections& corrections);
    // Turns the photo by degrees (a multiple of 90; negative: counter-clockwise).
    void turn(int degrees);
    // Called after every change of the held copy that a setter made.
    void setObserver(std::function<void(const CPhotoImage&)> observer) { m_observer = std::move(observer); }

    // Marked in the thumbnail view and the file list (the selected row's photo).
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected) { m_selected = selected; }

private:
    bool loadFromMemory(std::span<const std::uint8_t> jpeg, int boxWidth, int boxHeight, snapwane::PhotoCheck& check);
    void showReadingPath(const QString& path) const;

    snapwane::PixelBuffer m_pixels;
    int m_heldWidth = 0;
    int m_sourceWidth = 0;
    int m_heldHeight = 0;
    int m_sourceHeight = 0;
    qreal m_devicePixelRatio = 1.0; // for the next load with a box
    qreal m_heldPixelRatio = 1.0;   // device pixels per painter pixel of the held pixels
    QString m_path;
    QSize m_box; // of the last load from the file
    snapwane::Corrections m_corrections;
    bool m_selected = false;
    CPhotoProgressDlg* m_owner = nullptr; // not owned; may be null
    std::function<void(const CPhotoImage&)> m_observer;
};
