// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes, taken as a photo file, go through everything the
// program and snapwane-reduce do with a file: the header rules, the thumbnail and
// view loads, the decodes at 1/8, 1/4, 1/2 and full size, the row-by-row reduction
// into a few boxes with turns and corrections (checked against the whole-photo
// pipeline, which must give the same outcome and the same pixels), and the encode.
//
// The input may hold several photos, separated by kNextPhoto. They go one after
// the other through one row-by-row reducer, after a good photo of our own, so
// that a decoder that carries anything from one photo to the next (tables, sizes,
// state after a failure) gives a result the whole-photo pipeline does not.
// Every input starts with a new reducer, so that each finding replays alone. The
// encoding step goes through the reducer each thread keeps for its photos, as in
// the batch reducer, across all inputs of the run.
#include "core/Corrections.h"
#include "core/DecodeMemory.h"
#include "core/Fitting.h"
#include "core/JpegCodec.h"
#include "core/PhotoRules.h"
#include "core/PixelBuffer.h"
#include "core/ReducePhoto.h"
#include "core/StreamingReducer.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

namespace {

using namespace snapwane;
using Bytes = std::span<const std::uint8_t>;

// Between two photos of one input (also in fuzz/jpeg.dict).
constexpr std::string_view kNextPhoto = "\xff\xd9NEXT-PHOTO";

// Declared sizes above this are only checked at the header: a few bytes can declare
// 100 megapixels, and decoding those would leave no time for anything else. The
// reducer's memory on such files is measured by bench/memory_budget.sh.
constexpr std::int64_t kLargestDecodedPixels = 2'000'000;

[[noreturn]] void Fail(const char* what, long a = 0, long b = 0)
{
    std::fprintf(stderr, "FUZZ FINDING: %s (%ld, %ld)\n", what, a, b);
    std::abort();
}

void Check(bool condition, const char* what, long a = 0, long b = 0)
{
    if (!condition)
        Fail(what, a, b);
}

std::uint32_t Mix(Bytes bytes)
{
    std::uint32_t hash = 2166136261u; // FNV-1a: the same input always picks the same boxes
    for (std::uint8_t byte : bytes)
        hash = (hash ^ byte) * 16777619u;
    return hash;
}

// A grainy 96 x 64 photo with its own tables, reduced before the input's photos.
const std::vector<std::uint8_t>& GoodPhoto()
{
    static const std::vector<std::uint8_t> photo = [] {
        PixelBuffer pixels = PixelBuffer::Allocate(96, 64, 3);
        std::uint32_t noise = 12345;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            noise = noise * 1103515245u + 12345u;
            pixels.data()[i] = static_cast<std::uint8_t>(i / 7 + (noise >> 24) % 64);
        }
        auto stream = JpegCodec::Encode(pixels, 90);
        if (!stream)
            Fail("the good photo does not encode");
        return *stream;
    }();
    return photo;
}

// Decode's size rules at every scale: the buffer matches the reported sizes, which
// follow from the header's.
void CheckScaledDecodes(Bytes jpeg, int fullWidth, int fullHeight)
{
    for (int scale : {8, 4, 2, 1}) {
        int width = -1, height = -1, channels = -1;
        const PixelBuffer pixels = JpegCodec::Decode(jpeg, scale, width, height, channels);
        if (!pixels)
            continue;
        const int expectedWidth = ((fullWidth + scale - 1) / scale) & ~1;
        const int expectedHeight = (fullHeight + scale - 1) / scale;
        Check(width == expectedWidth && height == expectedHeight, "decoded size differs from the header's", width,
              height);
        Check(pixels.width() == width && pixels.height() == height && pixels.channels() == channels,
              "buffer size differs from the reported size", pixels.width(), pixels.height());
        Check(channels == 1 || channels == 3, "decoded channel count", channels);
        volatile std::uint8_t sink = pixels.data()[pixels.size() - 1]; // the last byte is there
        (void)sink;
    }
}

void CheckThumbnailAndView(Bytes jpeg, std::uint32_t pick)
{
    const Corrections corrections{int(pick % 41) - 20, int(pick / 41 % 41) - 20, (pick & 256) != 0,
                                  int(pick / 1024 % 4) * 90};
    for (BoxSize box : {BoxSize{0, 0}, BoxSize{1024, 768}}) {
        const FittedPhoto photo = LoadFittedPhoto(jpeg, box.width, box.height, corrections);
        if (photo.check != PhotoCheck::Accepted)
            continue;
        Check(photo.pixels.channels() == 3, "fitted photo is not RGB", photo.pixels.channels());
        Check(photo.pixels.width() > 0 && photo.pixels.height() > 0, "fitted photo is empty");
        const int longest = std::max(photo.sourceWidth, photo.sourceHeight);
        Check(photo.pixels.width() <= longest && photo.pixels.height() <= longest, "fitted photo is larger",
              photo.pixels.width(), photo.pixels.height());
    }
}

void ExpectSameReduction(const ReducedPixels& fast, const ReducedPixels& plain)
{
    Check(fast.outcome == plain.outcome, "row-by-row outcome differs from the whole-photo one", int(fast.outcome),
          int(plain.outcome));
    if (!plain.pixels) {
        Check(!fast.pixels, "row-by-row gave pixels where the whole-photo pipeline gave none");
        return;
    }
    Check(fast.pixels.width() == plain.pixels.width() && fast.pixels.height() == plain.pixels.height()
              && fast.pixels.channels() == plain.pixels.channels(),
          "row-by-row size differs", fast.pixels.width(), fast.pixels.height());
    Check(std::memcmp(fast.pixels.data(), plain.pixels.data(), plain.pixels.size()) == 0,
          "row-by-row pixels differ from the whole-photo pipeline's");
}

struct Reduction {
    BoxSize box;
    Corrections corrections;
};

// Two of the user's choices, picked by the input's bytes.
std::vector<Reduction> PickReductions(std::uint32_t pick)
{
    static const BoxSize kBoxes[] = {{50, 50}, {51, 37}, {64, 48}, {97, 333}, {320, 240}, {5000, 50}};
    static const int kTurns[] = {0, 90, 180, 270};
    std::vector<Reduction> reductions;
    for (int i = 0; i < 2; ++i, pick = pick * 2654435761u + 1) {
        const std::uint32_t p = pick >> 8;
        reductions.push_back({kBoxes[p % 6],
                              {int(p / 6 % 7) * 13 - 39, int(p / 42 % 5) * 11 - 22, (p / 210 % 3) == 0,
                               kTurns[p / 630 % 4]}});
    }
    return reductions;
}

// The written file: PrepareReduction's outcome is the reduction's, and what it
// encodes decodes again to the reduced size.
void CheckPreparedFile(Bytes jpeg, const Reduction& reduction, const ReducedPixels& plain)
{
    const PreparedReduction prepared =
        PrepareReduction(jpeg, reduction.box.width, reduction.box.height, 75, reduction.corrections);
    if (prepared.outcome == ReduceOutcome::EncodeFailed) {
        Check(plain.outcome == ReduceOutcome::Reduced, "encode failed without a reduction");
        return;
    }
    Check(prepared.outcome == plain.outcome, "written outcome differs from the reduction's", int(prepared.outcome),
          int(plain.outcome));
    if (prepared.outcome != ReduceOutcome::Reduced)
        return;
    Check(prepared.width == plain.pixels.width() && prepared.height == plain.pixels.height(),
          "written size differs from the reduction's", prepared.width, prepared.height);
    int width = 0, height = 0, channels = 0;
    const PixelBuffer again = JpegCodec::Decode(prepared.stream, 1, width, height, channels);
    Check(bool(again) && channels == 3, "the written photo does not decode");
    Check(width == (prepared.width & ~1) && height == prepared.height, "the written photo has another size", width,
          height);
}

void FuzzOnePhoto(Bytes jpeg, StreamingReducer& reducer)
{
    int width = 0, height = 0;
    const PhotoCheck check = CheckPhotoBytes(jpeg, width, height);
    int headerWidth = 0, headerHeight = 0, headerChannels = 0;
    JpegCodec::Decode(jpeg, JpegCodec::kHeaderOnly, headerWidth, headerHeight, headerChannels);
    Check(headerWidth == width && headerHeight == height, "header sizes differ between readers");
    if (width <= 0 || height <= 0) {
        Check(check == PhotoCheck::Empty || check == PhotoCheck::NotJpeg, "unreadable header accepted",
              int(check));
        // Still run the reducers: they must refuse it the same way.
    } else {
        Check(width <= JpegCodec::kMaxSide && height <= JpegCodec::kMaxSide
                  && std::int64_t(width) * height <= JpegCodec::kMaxPixels,
              "header beyond the bounds was read", width, height);
        // Whatever the decoder reads, the memory estimate sees too: a photo never
        // passes the decode budget at no cost.
        Check(EstimateDecodeMemory(jpeg) > 0, "the memory estimate missed a header the decoder read", width, height);
        if (std::int64_t(width) * height > kLargestDecodedPixels)
            return;
        CheckScaledDecodes(jpeg, width, height);
        CheckThumbnailAndView(jpeg, Mix(jpeg));
    }
    for (const Reduction& reduction : PickReductions(Mix(jpeg))) {
        const ReducedPixels plain =
            ReduceJpegPlain(jpeg, reduction.box.width, reduction.box.height, reduction.corrections);
        ExpectSameReduction(reducer.Reduce(jpeg, reduction.box.width, reduction.box.height, reduction.corrections),
                            plain);
        CheckPreparedFile(jpeg, reduction, plain);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    StreamingReducer reducer;
    const Bytes good = GoodPhoto();
    if (reducer.Reduce(good, 50, 50, {}).outcome != ReduceOutcome::Reduced)
        Fail("the good photo does not reduce");

    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    for (int photos = 0; photos < 4; ++photos) {
        const std::size_t end = std::min(input.find(kNextPhoto, start), input.size());
        FuzzOnePhoto(Bytes(data + start, end - start), reducer);
        if (end == input.size())
            break;
        start = end + kNextPhoto.size();
    }
    return 0;
}
