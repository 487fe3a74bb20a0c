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
//
// Contract of Encode(pixels, width, height, channels, quality):
// - one complete baseline JPEG stream; 3 channels (RGB) are stored as YCbCr with
//   2 x 2 chroma subsampling, 1 channel as grey; other channel counts fail.
// - quality 10..100 rises with the value (values outside 1..100 are clamped).
// - fails (no result) when the stream would not fit into width x height x
//   channels bytes, the only space given to the encoder: a tiny image at
//   quality 100 fails.
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
    static constexpr int kHeaderOnly = -1;
    static constexpr int kMaxSide = 30000;                  // pixels, each side
    static constexpr std::int64_t kMaxPixels = 120'000'000; // width x height: above the largest cameras

    static PixelBuffer Decode(std::span<const std::uint8_t> jpeg, int scale,
                              int& width, int& height, int& channels);

    static std::optional<std::vector<std::uint8_t>> Encode(const std::uint8_t* pixels, int width,
                                                           int height, int channels, int quality);
    static std::optional<std::vector<std::uint8_t>> Encode(const PixelBuffer& pixels, int quality);

    class RowDecoder;
};

// Decodes photos at full size a few rows at a time, for work that never needs the
// whole photo in memory. The pixels are exactly those of Decode(jpeg, 1, ...)
// (same library settings), delivered 4 bytes per pixel: red, green, blue and one
// unused byte, `width()` pixels per row (odd widths included: the caller leaves
// out the last column as Decode does). Grey photos come as three equal bytes.
// One decoder serves photo after photo, each decoded exactly as it would be
// alone: nothing of one stream (its tables above all) serves the next. Not
// shared between threads. Nothing is printed or thrown.
class JpegCodec::RowDecoder {
public:
    enum class Start {
        Decoding,        // rows can be read
        Unreadable,      // the header cannot be read or is refused (as Decode refuses it)
        NeedsWholeDecode // CMYK or YCCK: use Decode
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
