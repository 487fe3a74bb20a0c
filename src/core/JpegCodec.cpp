// SPDX-License-Identifier: MIT
// The only file that talks to libjpeg. Every library call runs inside a
// "step": a plain function called through RunGuarded, which holds the setjmp.
// Library errors longjmp back to RunGuarded, so the frames the jump leaves are
// libjpeg's and the steps' own, and the steps hold nothing with a destructor.
// Buffers are allocated by the callers of RunGuarded, whose frames the jump
// never leaves.
#include "core/JpegCodec.h"

#include "core/Orientation.h"

#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include <jpeglib.h>
#include <jerror.h>

namespace snapwane {
namespace {

struct ErrorManager {
    jpeg_error_mgr base; // first member: libjpeg sees only this part
    std::jmp_buf jump;
};

void ExitThroughJump(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void IgnoreMessage(j_common_ptr, int) {}
void IgnoreOutput(j_common_ptr) {}

jpeg_error_mgr* InstallErrorManager(ErrorManager& errors)
{
    jpeg_std_error(&errors.base);
    errors.base.error_exit = ExitThroughJump;
    errors.base.emit_message = IgnoreMessage; // warnings (corrupt or cut data) are not failures
    errors.base.output_message = IgnoreOutput;
    return &errors.base;
}

// Ends the decode of a photo with more scans than kMaxScans: each scan is a pass
// over the whole photo, so a small file of thousands of empty scans would keep
// the decoder busy for minutes. Called by the library as it reads the scans.
void LimitScans(j_common_ptr info)
{
    if (info->is_decompressor && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > JpegCodec::kMaxScans) {
        info->err->msg_code = JERR_BAD_PROGRESSION;
        info->err->error_exit(info);
    }
}

// Set after jpeg_create_decompress, which clears the pointer.
void InstallScanLimit(jpeg_decompress_struct& info, jpeg_progress_mgr& progress)
{
    progress = {};
    progress.progress_monitor = LimitScans;
    info.progress = &progress;
}

// Why the last guarded step failed: the library reports running out of memory
// with its own code, every other error means the bytes are damaged.
JpegCodec::Failure FailureOf(const ErrorManager& errors)
{
    return errors.base.msg_code == JERR_OUT_OF_MEMORY ? JpegCodec::Failure::NoMemory : JpegCodec::Failure::Damaged;
}

// Runs step(context); false when the library raised an error on the way.
bool RunGuarded(ErrorManager& errors, void (*step)(void*), void* context)
{
    if (setjmp(errors.jump) != 0)
        return false;
    step(context);
    return true;
}

// ---- decoding -------------------------------------------------------------

struct DecodeSession {
    jpeg_decompress_struct info;
    ErrorManager errors;
    jpeg_progress_mgr scanLimit;
    const std::uint8_t* bytes;
    unsigned long byteCount;
    // Filled by the caller before ReadPixelsStep:
    std::uint8_t* pixels;      // width x height x channels
    std::uint8_t* scratchRow;  // whole decoded row, when it cannot go straight into pixels
    JDIMENSION decodedWidth;   // columns the library delivers
    int width;                 // columns kept (decodedWidth made even)
    int height;
    int channels;              // channels kept per pixel
    bool sizesMatch;
};

void ReadHeaderStep(void* context)
{
    auto& session = *static_cast<DecodeSession*>(context);
    jpeg_create_decompress(&session.info);
    InstallScanLimit(session.info, session.scanLimit);
    jpeg_mem_src(&session.info, session.bytes, session.byteCount);
    jpeg_read_header(&session.info, TRUE);
}

void ConvertCmykRow(const std::uint8_t* cmyk, std::uint8_t* rgb, int width, bool adobeInverted)
{
    for (int x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const unsigned k = adobeInverted ? cmyk[3] : 255u - cmyk[3];
        for (int c = 0; c < 3; ++c) {
            const unsigned ink = adobeInverted ? cmyk[c] : 255u - cmyk[c];
            rgb[c] = static_cast<std::uint8_t>((ink * k + 127u) / 255u);
        }
    }
}

void ReadPixelsStep(void* context)
{
    auto& session = *static_cast<DecodeSession*>(context);
    jpeg_decompress_struct& info = session.info;
    jpeg_start_decompress(&info);
    const int libraryChannels = session.channels == 1 ? 1 : (info.out_color_space == JCS_CMYK ? 4 : 3);
    session.sizesMatch = info.output_width == session.decodedWidth
        && info.output_height == JDIMENSION(session.height) && info.output_components == libraryChannels;
    if (!session.sizesMatch)
        return;
    const std::size_t rowBytes = std::size_t(session.width) * std::size_t(session.channels);
    while (info.output_scanline < info.output_height) {
        std::uint8_t* target = session.pixels + rowBytes * info.output_scanline;
        JSAMPROW row = session.scratchRow ? session.scratchRow : target;
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
            ERREXIT(&info, JERR_INPUT_EOF);
        if (libraryChannels == 4)
            ConvertCmykRow(row, target, session.width, info.saw_Adobe_marker);
        else if (session.scratchRow)
            std::memcpy(target, row, rowBytes);
    }
    jpeg_finish_decompress(&info);
}

// Channels the photo decodes to, or 0 for a header the codec does not accept.
int AcceptedChannels(const jpeg_decompress_struct& info)
{
    const std::int64_t w = info.image_width, h = info.image_height;
    if (w <= 0 || h <= 0 || w > JpegCodec::kMaxSide || h > JpegCodec::kMaxSide || w * h > JpegCodec::kMaxPixels)
        return 0;
    switch (info.num_components) {
    case 1: return 1;
    case 3: return 3;
    case 4: return 3; // CMYK or YCCK, converted to RGB
    default: return 0;
    }
}

J_COLOR_SPACE OutputColorSpace(const jpeg_decompress_struct& info)
{
    switch (info.num_components) {
    case 1: return JCS_GRAYSCALE;
    case 4: return JCS_CMYK; // the library turns YCCK into CMYK
    default: return JCS_RGB;
    }
}

int ShiftForScale(int scale)
{
    switch (scale) {
    case 1: return 0;
    case 2: return 1;
    case 4: return 2;
    case 8: return 3;
    default: return -1;
    }
}

bool FitsLibraryByteCount(std::size_t count)
{
    if constexpr (sizeof(std::size_t) > sizeof(unsigned long))
        return count <= ULONG_MAX;
    else
        return true;
}

// Lives in the frame that calls RunGuarded, which no jump ever leaves.
class DecompressGuard {
public:
    explicit DecompressGuard(jpeg_decompress_struct& info) : m_info(info) {}
    ~DecompressGuard() { jpeg_destroy_decompress(&m_info); }
    DecompressGuard(const DecompressGuard&) = delete;
    DecompressGuard& operator=(const DecompressGuard&) = delete;

private:
    jpeg_decompress_struct& m_info;
};

// Allocates the pixels (and a row of scratch when the library's rows cannot go
// straight into them) and decodes into them at 1/scale.
PixelBuffer ReadPixels(DecodeSession& session, int scale, JpegCodec::Failure& failure)
{
    PixelBuffer pixels = PixelBuffer::Allocate(session.width, session.height, session.channels);
    const bool cmyk = session.info.num_components == 4;
    const bool needsScratch = cmyk || session.decodedWidth != JDIMENSION(session.width);
    const std::size_t scratchBytes = std::size_t(session.decodedWidth) * std::size_t(cmyk ? 4 : session.channels);
    std::unique_ptr<std::uint8_t[]> scratch(needsScratch ? new (std::nothrow) std::uint8_t[scratchBytes] : nullptr);
    if (!pixels || (needsScratch && !scratch)) {
        // A photo one pixel wide keeps no column at an even width: nothing to allocate.
        const bool empty = session.width <= 0 || session.height <= 0;
        failure = empty ? JpegCodec::Failure::Damaged : JpegCodec::Failure::NoMemory;
        return {};
    }
    session.info.scale_num = 1;
    session.info.scale_denom = unsigned(scale);
    session.info.out_color_space = OutputColorSpace(session.info);
    session.pixels = pixels.data();
    session.scratchRow = scratch.get();
    if (!RunGuarded(session.errors, ReadPixelsStep, &session)) {
        failure = FailureOf(session.errors);
        return {};
    }
    if (!session.sizesMatch) {
        failure = JpegCodec::Failure::Damaged;
        return {};
    }
    return pixels;
}

// ---- the segments read with the header ----------------------------------------

constexpr unsigned kExifSegment = JPEG_APP0 + 1;
constexpr unsigned kProfileSegment = JPEG_APP0 + 2;
constexpr unsigned kLargestSegment = 0xFFFF;
constexpr std::size_t kProfileBytesPerSegment = 65519; // 65533 less the 14-byte ICC_PROFILE mark
constexpr std::size_t kProfileSegmentHeader = 18;      // marker, length and the ICC_PROFILE mark

// Called before jpeg_read_header: the library keeps these segments' bytes.
void KeepSegments(jpeg_decompress_struct& info, bool withProfile)
{
    jpeg_save_markers(&info, int(kExifSegment), kLargestSegment);
    if (withProfile)
        jpeg_save_markers(&info, int(kProfileSegment), kLargestSegment);
}

int OrientationOfSegments(const jpeg_decompress_struct& info)
{
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker; marker = marker->next) {
        static constexpr char kExif[] = "Exif";
        if (marker->marker == kExifSegment && marker->data_length >= 6
            && std::memcmp(marker->data, kExif, 5) == 0)
            return ReadExifOrientation({marker->data, marker->data_length});
    }
    return kOrientationAsStored;
}

struct ProfileRead {
    jpeg_decompress_struct* info;
    JOCTET* bytes = nullptr; // malloc'ed by the library
    unsigned int length = 0;
};

void ReadProfileStep(void* context)
{
    auto& read = *static_cast<ProfileRead*>(context);
    if (!jpeg_read_icc_profile(read.info, &read.bytes, &read.length)) {
        read.bytes = nullptr;
        read.length = 0;
    }
}

// The profile only when it describes RGB: the colour space sits at bytes 16 to 19
// of an ICC profile's header.
void ReadRgbProfile(jpeg_decompress_struct& info, ErrorManager& errors, std::vector<std::uint8_t>& profile)
{
    profile.clear();
    ProfileRead read{&info};
    const bool whole = RunGuarded(errors, ReadProfileStep, &read);
    if (whole && read.bytes && read.length >= 20 && std::memcmp(read.bytes + 16, "RGB ", 4) == 0)
        profile.assign(read.bytes, read.bytes + read.length);
    std::free(read.bytes);
}

struct HeaderSession {
    jpeg_decompress_struct info;
    ErrorManager errors;
    std::span<const std::uint8_t> jpeg;
    bool withProfile = false;
};

void ReadMarkedHeaderStep(void* context)
{
    auto& session = *static_cast<HeaderSession*>(context);
    jpeg_create_decompress(&session.info);
    jpeg_mem_src(&session.info, session.jpeg.data(), static_cast<unsigned long>(session.jpeg.size()));
    KeepSegments(session.info, session.withProfile);
    jpeg_read_header(&session.info, TRUE);
}

// ---- decoding row by row ----------------------------------------------------

struct RowSession {
    jpeg_decompress_struct info;
    ErrorManager errors;
    jpeg_progress_mgr scanLimit;
    std::span<const std::uint8_t> jpeg;
    int orientation = kOrientationAsStored;
    std::vector<std::uint8_t> colourProfile; // keeps its room for the next photo
    bool created = false;
    bool finished = false;
    bool started = false;
    // Filled by RowDecoder::Read before ReadRowsStep:
    std::uint8_t* rows = nullptr;
    std::size_t stride = 0;
    int maxRows = 0;
    int rowsRead = 0;
};

// A fresh library state for every photo. Resetting the old one would keep the
// previous photo's quantisation and Huffman tables, and a photo lacking its own
// would decode with them instead of failing as it does alone. Only the library's
// small bookkeeping is made again: the large buffers belong to each photo anyway.
void ReadRowHeaderStep(void* context)
{
    auto& session = *static_cast<RowSession*>(context);
    if (session.created) {
        session.created = false;
        jpeg_destroy_decompress(&session.info);
    }
    jpeg_create_decompress(&session.info);
    InstallScanLimit(session.info, session.scanLimit);
    session.created = true;
    jpeg_mem_src(&session.info, session.jpeg.data(), static_cast<unsigned long>(session.jpeg.size()));
    KeepSegments(session.info, true);
    jpeg_read_header(&session.info, TRUE);
}

void StartRowsStep(void* context)
{
    auto& session = *static_cast<RowSession*>(context);
    jpeg_decompress_struct& info = session.info;
    info.scale_num = 1;
    info.scale_denom = 1;
    info.out_color_space = JCS_EXT_RGBX; // the same values as JCS_RGB, one spare byte per pixel
    jpeg_start_decompress(&info);
    session.started = info.output_components == 4 && info.output_width == info.image_width
        && info.output_height == info.image_height;
}

void ReadRowsStep(void* context)
{
    auto& session = *static_cast<RowSession*>(context);
    jpeg_decompress_struct& info = session.info;
    while (session.rowsRead < session.maxRows && info.output_scanline < info.output_height) {
        JSAMPROW rows[16];
        const int wanted = std::min(session.maxRows - session.rowsRead, 16);
        for (int i = 0; i < wanted; ++i)
            rows[i] = session.rows + session.stride * std::size_t(session.rowsRead + i);
        const JDIMENSION got = jpeg_read_scanlines(&info, rows, JDIMENSION(wanted));
        if (got == 0)
            ERREXIT(&info, JERR_INPUT_EOF);
        session.rowsRead += int(got);
    }
    if (info.output_scanline == info.output_height && !session.finished) {
        jpeg_finish_decompress(&info);
        session.finished = true;
    }
}

// ---- encoding -------------------------------------------------------------

// A destination of fixed capacity: running out of room is an error.
void InitDestination(j_compress_ptr) {}
boolean OverflowDestination(j_compress_ptr info)
{
    ERREXIT(info, JERR_BUFFER_SIZE);
    return FALSE;
}
void TermDestination(j_compress_ptr) {}

struct EncodeSession {
    jpeg_compress_struct info;
    ErrorManager errors;
    jpeg_destination_mgr destination;
    const std::uint8_t* pixels;
    int width;
    int height;
    int channels;
    int quality;
    std::span<const std::uint8_t> colourProfile;
};

void CompressStep(void* context)
{
    auto& session = *static_cast<EncodeSession*>(context);
    jpeg_compress_struct& info = session.info;
    jpeg_create_compress(&info);
    info.dest = &session.destination;
    info.image_width = JDIMENSION(session.width);
    info.image_height = JDIMENSION(session.height);
    info.input_components = session.channels;
    info.in_color_space = session.channels == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info); // RGB becomes YCbCr with 2 x 2 chroma subsampling
    jpeg_set_quality(&info, session.quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    if (!session.colourProfile.empty())
        jpeg_write_icc_profile(&info, session.colourProfile.data(), unsigned(session.colourProfile.size()));
    const std::size_t rowBytes = std::size_t(session.width) * std::size_t(session.channels);
    while (info.next_scanline < info.image_height) {
        // libjpeg reads the rows only; its interface is not const-correct.
        JSAMPROW row = const_cast<std::uint8_t*>(session.pixels + rowBytes * info.next_scanline);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
}

} // namespace

PixelBuffer JpegCodec::Decode(std::span<const std::uint8_t> jpeg, int scale, int& width, int& height,
                              int& channels, Failure* failure)
{
    Failure ignored = Failure::None;
    Failure& why = failure ? *failure : ignored;
    why = Failure::None;
    DecodeSession session{};
    session.info.err = InstallErrorManager(session.errors);
    DecompressGuard guard(session.info);
    session.bytes = jpeg.data();
    session.byteCount = static_cast<unsigned long>(jpeg.size());
    const int keptChannels = FitsLibraryByteCount(jpeg.size()) && RunGuarded(session.errors, ReadHeaderStep, &session)
        ? AcceptedChannels(session.info)
        : 0;
    if (keptChannels == 0) {
        width = 0;
        height = 0;
        why = Failure::Damaged;
        return {};
    }
    const int fullWidth = int(session.info.image_width), fullHeight = int(session.info.image_height);
    if (scale == kHeaderOnly) {
        width = fullWidth;
        height = fullHeight;
        channels = 3;
        return {};
    }
    const int shift = ShiftForScale(scale);
    if (shift < 0) {
        why = Failure::Damaged;
        return {};
    }
    const int decodedWidth = (fullWidth + scale - 1) >> shift;
    width = decodedWidth & ~1; // even: the last column of an odd width is left out
    height = (fullHeight + scale - 1) >> shift;
    channels = keptChannels;

    session.decodedWidth = JDIMENSION(decodedWidth);
    session.width = width;
    session.height = height;
    session.channels = channels;
    return ReadPixels(session, scale, why);
}

std::optional<JpegCodec::Header> JpegCodec::ReadHeader(std::span<const std::uint8_t> jpeg, Parts parts)
{
    HeaderSession session{};
    session.info.err = InstallErrorManager(session.errors);
    DecompressGuard guard(session.info);
    session.jpeg = jpeg;
    session.withProfile = parts == Parts::WithColourProfile;
    if (!FitsLibraryByteCount(jpeg.size()) || !RunGuarded(session.errors, ReadMarkedHeaderStep, &session)
        || AcceptedChannels(session.info) == 0)
        return std::nullopt;
    Header header;
    header.width = int(session.info.image_width);
    header.height = int(session.info.image_height);
    header.orientation = OrientationOfSegments(session.info);
    if (session.withProfile)
        ReadRgbProfile(session.info, session.errors, header.colourProfile);
    return header;
}

std::optional<std::vector<std::uint8_t>> JpegCodec::Encode(const std::uint8_t* pixels, int width, int height,
                                                           int channels, int quality,
                                                           std::span<const std::uint8_t> colourProfile)
{
    if (!pixels || (channels != 1 && channels != 3) || width > JPEG_MAX_DIMENSION || height > JPEG_MAX_DIMENSION)
        return std::nullopt;
    const std::size_t pixelBytes = PixelBuffer::ByteCount(width, height, channels);
    const std::size_t profileSegments = (colourProfile.size() + kProfileBytesPerSegment - 1) / kProfileBytesPerSegment;
    if (pixelBytes == 0 || profileSegments > 255)
        return std::nullopt;
    const std::size_t capacity = pixelBytes + colourProfile.size() + profileSegments * kProfileSegmentHeader;
    // One spare byte: libjpeg reports a full buffer as soon as its last byte is
    // written, so a stream of exactly `capacity` bytes still fits. Left
    // uninitialised: only the written part is touched and copied out.
    std::unique_ptr<std::uint8_t[]> space(new (std::nothrow) std::uint8_t[capacity + 1]);
    if (!space)
        return std::nullopt;

    EncodeSession session{};
    session.info.err = InstallErrorManager(session.errors);
    session.destination.next_output_byte = space.get();
    session.destination.free_in_buffer = capacity + 1;
    session.destination.init_destination = InitDestination;
    session.destination.empty_output_buffer = OverflowDestination;
    session.destination.term_destination = TermDestination;
    session.pixels = pixels;
    session.width = width;
    session.height = height;
    session.channels = channels;
    session.quality = std::clamp(quality, 1, 100);
    session.colourProfile = colourProfile;
    const bool written = RunGuarded(session.errors, CompressStep, &session);
    const std::size_t used = capacity + 1 - session.destination.free_in_buffer;
    jpeg_destroy_compress(&session.info);
    if (!written)
        return std::nullopt;
    try {
        return std::vector<std::uint8_t>(space.get(), space.get() + used);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::optional<std::vector<std::uint8_t>> JpegCodec::Encode(const PixelBuffer& pixels, int quality,
                                                           std::span<const std::uint8_t> colourProfile)
{
    return Encode(pixels.data(), pixels.width(), pixels.height(), pixels.channels(), quality, colourProfile);
}

} // namespace snapwane

namespace snapwane {

struct JpegCodec::RowDecoder::Session : RowSession {};

JpegCodec::RowDecoder::RowDecoder() : m_session(std::make_unique<Session>())
{
    m_session->info.err = InstallErrorManager(m_session->errors);
}

JpegCodec::RowDecoder::~RowDecoder()
{
    if (m_session->created)
        jpeg_destroy_decompress(&m_session->info);
}

JpegCodec::RowDecoder::Start JpegCodec::RowDecoder::Begin(std::span<const std::uint8_t> jpeg)
{
    Session& session = *m_session;
    session.started = false;
    session.finished = false;
    session.jpeg = jpeg;
    session.orientation = kOrientationAsStored;
    session.colourProfile.clear();
    if (!FitsLibraryByteCount(jpeg.size())
        || !RunGuarded(session.errors, ReadRowHeaderStep, &session) || AcceptedChannels(session.info) == 0)
        return Start::Unreadable;
    session.orientation = OrientationOfSegments(session.info);
    ReadRgbProfile(session.info, session.errors, session.colourProfile);
    if (session.info.num_components == 4)
        return Start::NeedsWholeDecode;
    if (!RunGuarded(session.errors, StartRowsStep, &session)) {
        session.started = false;
        return FailureOf(session.errors) == Failure::NoMemory ? Start::NoMemory : Start::Unreadable;
    }
    if (!session.started)
        return Start::Unreadable;
    return Start::Decoding;
}

int JpegCodec::RowDecoder::width() const noexcept
{
    return m_session->started ? int(m_session->info.output_width) : 0;
}

int JpegCodec::RowDecoder::height() const noexcept
{
    return m_session->started ? int(m_session->info.output_height) : 0;
}

int JpegCodec::RowDecoder::orientation() const noexcept
{
    return m_session->orientation;
}

const std::vector<std::uint8_t>& JpegCodec::RowDecoder::colourProfile() const noexcept
{
    return m_session->colourProfile;
}

int JpegCodec::RowDecoder::Read(std::uint8_t* rows, std::size_t stride, int maxRows)
{
    Session& session = *m_session;
    if (!session.started)
        return -1;
    session.rows = rows;
    session.stride = stride;
    session.maxRows = maxRows;
    session.rowsRead = 0;
    if (!RunGuarded(session.errors, ReadRowsStep, &session)) {
        session.started = false;
        return -1;
    }
    return session.rowsRead;
}

} // namespace snapwane
