// SPDX-License-Identifier: MIT
// JpegCodec: JPEG bytes in memory to pixels and back, over libjpeg-turbo.
//
// Contract of Decode(jpeg, scale, width, height, channels):
// - scale -1 reads the header only: width, height = the stored size (odd widths
//   stay odd), channels = 3 whatever the component count; returns no buffer.
// - scale 1, 2, 4, 8 decodes through the library's scaled IDCT (never a full
//   decode for 1/2, 1/4, 1/8): width = ceil(W / s) made even by leaving out the
//   last column, height = ceil(H / s). Three-component photos give channels 3
//   (RGB); grey photos give channels 1 and a buffer of exactly width x height
//   bytes (callers expand it with ExpandGreyToRgb); CMYK and YCCK photos
//   (Adobe-inverted or plain) are converted to RGB, channels 3.
// - any other scale returns no buffer and leaves the three outputs untouched
//   (after a readable header; unreadable bytes report 0 x 0 first).
// - Bytes whose header cannot be read (not a JPEG, empty, cut inside the
//   header, an unsupported component count, or a size beyond the bounds below)
//   give no buffer with width and height 0; channels is then left as it was.
//   When the header was read but the decode fails later, width, height and
//   channels hold the sizes the buffer would have had.
// - Sizes beyond kMaxSide on either side or kMaxPixels in all are refused as
//   undecodable, before anything large is allocated: a few hundred bytes that
//   claim 60000 x 60000 fail at once, while a 50-megapixel photo decodes.
// - Truncated photos: the library fills the missing part with grey and the
//   decode succeeds, so a cut-off camera photo still shows what is there.
//   A stream cut before its first scan has no readable header and fails.
// - A photo of more than kMaxScans scans fails as damaged. When no buffer comes
//   back, `failure` (when given) says whether memory ran out (NoMemory: the
//   same bytes may decode when more is free) or the bytes are at fault.
//
// Contract of Encode(pixels, width, height, channels, quality):
// - one complete baseline JPEG stream; 3 channels (RGB) are stored as YCbCr with
//   2 x 2 chroma subsampling, 1 channel as grey; other channel counts fail.
// - quality 10..100 rises with the value (values outside 1..100 are clamped).
// - fails (no result) when the stream would not fit into width x height x
//   channels bytes, the only space given to the encoder: a tiny image at
//   quality 100 fails.
//
// Contract of ReadHeader(jpeg, parts):
// - the header rules of Decode (a header Decode refuses gives none); the size
//   as stored; the EXIF Orientation tag of the first APP1 segment that holds
//   EXIF (1 when there is none or it is damaged or unknown, see Orientation.h);
// - with Parts::WithColourProfile, the ICC profile of the APP2 segments when it
//   is whole and describes RGB (the only colour space a reduced photo has);
//   empty otherwise. Without it, the APP2 segments are not even kept.
// The segments come from the one read of the header; the bytes are not read
// again for them.
//
// Encode(..., colourProfile): a non-empty profile is written into APP2
// segments; the space given to the encoder grows by the profile and its
// segment headers. Nothing else (no EXIF, no comment) is ever written: the
// stream has the JFIF header, the profile and the picture.
//
// Nothing is printed and nothing is thrown: library errors come back through
// setjmp/longjmp inside the codec and end as "no result". Stateless and safe to
// call from several threads at once.
#pragma once

#include "core/PixelBuffer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace snapwane {

class JpegCodec {
public:
    struct Header {
        int width = 0;  // as stored
        int height = 0;
        int orientation = 1; // EXIF value 1..8
        std::vector<std::uint8_t> colourProfile; // ICC, RGB only; empty when none
    };
    enum class Parts { SizeAndOrientation, WithColourProfile };

    // Why a decode gave no pixels.
    enum class Failure { None, Damaged, NoMemory };

    static constexpr int kHeaderOnly = -1;
    // Scans a photo may have: photos are made of about ten; a photo of more is
    // refused as damaged (each scan is a pass over the whole photo).
    static constexpr int kMaxScans = 500;
    static constexpr int kMaxSide = 30000;                  // pixels, each side
    static constexpr std::int64_t kMaxPixels = 120'000'000; // width x height: above the largest cameras

    static PixelBuffer Decode(std::span<const std::uint8_t> jpeg, int scale,
                              int& width, int& height, int& channels, Failure* failure = nullptr);

    static std::optional<Header> ReadHeader(std::span<const std::uint8_t> jpeg,
                                            Parts parts = Parts::SizeAndOrientation);

    static std::optional<std::vector<std::uint8_t>> Encode(const std::uint8_t* pixels, int width,
                                                           int height, int channels, int quality,
                                                           std::span<const std::uint8_t> colourProfile = {});
    static std::optional<std::vector<std::uint8_t>> Encode(const PixelBuffer& pixels, int quality,
                                                           std::span<const std::uint8_t> colourProfile = {});

    class RowDecoder;
};

// Decodes photos at full size a few rows at a time, for work that never needs the
// whole photo in memory. The pixels are exactly those of Decode(jpeg, 1, ...)
// (same library settings), delivered 4 bytes per pixel: red, green, blue and one
// unused byte, `width()` pixels per row (odd widths included: the caller leaves
// out the last column as Decode does). Grey photos come as three equal bytes.
// Begin also reads what ReadHeader(jpeg, Parts::WithColourProfile) reads, from
// the same read of the header.
// One decoder serves photo after photo, each decoded exactly as it would be
// alone: nothing of one stream (its tables above all) serves the next. Not
// shared between threads. Nothing is printed or thrown.
class JpegCodec::RowDecoder {
public:
    enum class Start {
        Decoding,        // rows can be read
        Unreadable,      // the header cannot be read or is refused (as Decode refuses it)
        NeedsWholeDecode, // CMYK or YCCK: use Decode
        NoMemory          // the header reads, but the decoder's memory could not be had
    };

    RowDecoder();
    ~RowDecoder();
    RowDecoder(const RowDecoder&) = delete;
    RowDecoder& operator=(const RowDecoder&) = delete;

    // Reads the header and starts the decode. `jpeg` must stay valid until the
    // last row is read or the next Begin.
    Start Begin(std::span<const std::uint8_t> jpeg);

    int width() const noexcept;  // as stored in the header
    int height() const noexcept;
    // Of the photo of the last Begin that read a header (1 and empty otherwise).
    int orientation() const noexcept;
    const std::vector<std::uint8_t>& colourProfile() const noexcept;

    // Decodes up to `maxRows` next rows into `rows`, `stride` bytes apart (at
    // least 4 x width()). Returns the number of rows decoded; 0 once every row is
    // read and the stream is finished; -1 when the library failed on the way
    // (the decode is over then, as Decode would have failed).
    int Read(std::uint8_t* rows, std::size_t stride, int maxRows);

private:
    struct Session;
    std::unique_ptr<Session> m_session;
};

} // namespace snapwane
