// SPDX-License-Identifier: MIT
#include "core/ReducePhoto.h"

#include "core/FileIo.h"
#include "core/Fitting.h"
#include "core/JpegCodec.h"
#include "core/Orientation.h"
#include "core/PixelOps.h"
#include "core/StreamingReducer.h"
#include "core/TextFormat.h"

#include <new>
#include <optional>
#include <vector>

namespace snapwane {
namespace {

ReduceResult Outcome(ReduceOutcome outcome, int width = 0, int height = 0)
{
    ReduceResult result;
    result.outcome = outcome;
    result.width = width;
    result.height = height;
    switch (outcome) {
    case ReduceOutcome::Reduced: result.reason = "reduced to " + FormatDimensions(width, height); break;
    case ReduceOutcome::Copied: result.reason = "copied unchanged (" + FormatDimensions(width, height) + ")"; break;
    default: result.reason = DescribeReduceOutcome(outcome); break;
    }
    return result;
}

ReduceOutcome FromFileStatus(FileStatus status)
{
    switch (status) {
    case FileStatus::Ok: return ReduceOutcome::Reduced;
    case FileStatus::CannotOpen: return ReduceOutcome::CannotOpenSource;
    case FileStatus::ReadError:
    case FileStatus::TooLarge: return ReduceOutcome::ReadError;
    case FileStatus::NoMemory: return ReduceOutcome::NoMemory;
    case FileStatus::CannotCreate: return ReduceOutcome::CannotCreateOutput;
    case FileStatus::WriteError: return ReduceOutcome::WriteError;
    }
    return ReduceOutcome::WriteError;
}

PixelBuffer ApplyCorrections(PixelBuffer photo, const Corrections& corrections, int orientation)
{
    AdjustBrightness(photo, corrections.brightness);
    AdjustContrast(photo, corrections.contrast);
    if (corrections.grey)
        MakeGrayscale(photo);
    return ApplyTurn(std::move(photo), TurnForPhoto(orientation, corrections.rotation));
}

PreparedReduction PrepareUnguarded(std::span<const std::uint8_t> file, int targetWidth, int targetHeight,
                                   int quality, const Corrections& corrections)
{
    thread_local StreamingReducer reducer; // its decoder and row buffers serve the thread's next photo
    PreparedReduction prepared;
    const ReducedPixels reduced = reducer.Reduce(file, targetWidth, targetHeight, corrections);
    prepared.outcome = reduced.outcome;
    if (reduced.outcome == ReduceOutcome::Copied) {
        // The copy reports the size the photo is shown at: upright, before the user's turn.
        if (const std::optional<JpegCodec::Header> header = JpegCodec::ReadHeader(file)) {
            prepared.width = header->width;
            prepared.height = header->height;
            TurnSize(TurnForPhoto(header->orientation), prepared.width, prepared.height);
        }
        prepared.stream.assign(file.begin(), file.end());
    }
    if (reduced.outcome != ReduceOutcome::Reduced)
        return prepared;
    // Upright and without EXIF: of the source's metadata only its colour profile is kept.
    std::optional<std::vector<std::uint8_t>> stream = JpegCodec::Encode(reduced.pixels, quality, reducer.colourProfile());
    if (!stream) {
        prepared.outcome = ReduceOutcome::EncodeFailed;
        return prepared;
    }
    prepared.width = reduced.pixels.width();
    prepared.height = reduced.pixels.height();
    prepared.stream = std::move(*stream);
    return prepared;
}

} // namespace

PixelBuffer ShrinkIntoFittedBox(PixelBuffer photo, int fittedWidth, int fittedHeight)
{
    while (photo && photo.width() / fittedWidth >= 2)
        photo = HalveWidth(std::move(photo));
    if (photo && photo.width() > fittedWidth)
        photo = ShrinkWidth(std::move(photo), fittedWidth, OddTarget::RoundUp);
    while (photo && photo.height() / fittedHeight >= 2)
        photo = HalveHeight(std::move(photo));
    if (photo && photo.height() > fittedHeight)
        photo = ShrinkHeight(std::move(photo), fittedHeight, OddTarget::RoundUp);
    return photo;
}

ReducedPixels ReducePixels(PixelBuffer photo, int targetWidth, int targetHeight, const Corrections& corrections,
                           int orientation)
{
    ReducedPixels result;
    if (targetWidth <= 0 || targetHeight <= 0) {
        result.outcome = ReduceOutcome::InvalidTarget;
        return result;
    }
    photo = ApplyCorrections(std::move(photo), corrections, orientation);
    if (!photo)
        return result; // NoMemory
    if (!IsLargerThanBox(photo.width(), photo.height(), targetWidth, targetHeight)) {
        if (corrections.IsUntouched()) {
            result.outcome = ReduceOutcome::Copied;
            return result;
        }
        result.pixels = std::move(photo); // turned or corrected: at its own size
        result.outcome = ReduceOutcome::Reduced;
        return result;
    }
    const BoxSize fitted = FitBoxToPhoto(photo.width(), photo.height(), targetWidth, targetHeight);
    if (fitted.width <= 0 || fitted.height <= 0) {
        result.outcome = ReduceOutcome::DoesNotFit;
        return result;
    }
    result.pixels = ShrinkIntoFittedBox(std::move(photo), fitted.width, fitted.height);
    result.outcome = result.pixels ? ReduceOutcome::Reduced : ReduceOutcome::NoMemory;
    return result;
}

ReducedPixels ReduceJpegPlain(std::span<const std::uint8_t> jpeg, int targetWidth, int targetHeight,
                              const Corrections& corrections)
{
    if (targetWidth <= 0 || targetHeight <= 0)
        return {ReduceOutcome::InvalidTarget, {}};
    const std::optional<JpegCodec::Header> header = JpegCodec::ReadHeader(jpeg);
    int width = 0, height = 0, channels = 0;
    JpegCodec::Failure failure = JpegCodec::Failure::Damaged;
    PixelBuffer photo = header ? JpegCodec::Decode(jpeg, 1, width, height, channels, &failure) : PixelBuffer();
    if (!photo)
        return {failure == JpegCodec::Failure::NoMemory ? ReduceOutcome::NoMemory : ReduceOutcome::NotDecodable, {}};
    return ReducePixels(ExpandGreyToRgb(std::move(photo)), targetWidth, targetHeight, corrections,
                        header->orientation);
}

PreparedReduction PrepareReduction(std::span<const std::uint8_t> file, int targetWidth, int targetHeight,
                                   int quality, const Corrections& corrections)
{
    try {
        return PrepareUnguarded(file, targetWidth, targetHeight, quality, corrections);
    } catch (const std::bad_alloc&) {
        PreparedReduction prepared;
        prepared.outcome = ReduceOutcome::NoMemory;
        return prepared;
    }
}

ReduceResult CommitReduction(const PreparedReduction& prepared, const std::filesystem::path& source,
                             const std::filesystem::path& output)
{
    WriteResult written;
    if (prepared.outcome == ReduceOutcome::Copied)
        written = CopyFileReplacing(source, output, prepared.stream);
    else if (prepared.outcome == ReduceOutcome::Reduced)
        written = WriteFileReplacing(output, prepared.stream);
    else
        return Outcome(prepared.outcome);
    if (written.Ok())
        return Outcome(prepared.outcome, prepared.width, prepared.height);
    ReduceResult result = Outcome(FromFileStatus(written.status));
    result.systemError = written.error;
    result.outputFolderFailed = written.wholeFolder;
    if (written.error != 0)
        result.reason += ": " + written.Reason();
    return result;
}

PreparedReduction PrepareReductionOfFile(const std::filesystem::path& source, int targetWidth, int targetHeight,
                                         int quality, const Corrections& corrections)
{
    PreparedReduction prepared;
    prepared.outcome = ReduceOutcome::InvalidTarget;
    if (targetWidth <= 0 || targetHeight <= 0)
        return prepared;
    thread_local std::vector<std::uint8_t> file; // kept for the thread's next photo
    if (const FileStatus read = ReadWholeFile(source, file); read != FileStatus::Ok) {
        prepared.outcome = FromFileStatus(read);
        return prepared;
    }
    return PrepareReduction(file, targetWidth, targetHeight, quality, corrections);
}

ReduceResult ReducePhoto(const std::filesystem::path& source, const std::filesystem::path& output,
                         int targetWidth, int targetHeight, int quality, const Corrections& corrections)
{
    return CommitReduction(PrepareReductionOfFile(source, targetWidth, targetHeight, quality, corrections), source,
                           output);
}

UserText ReduceOutcomeText(ReduceOutcome outcome)
{
    switch (outcome) {
    case ReduceOutcome::Reduced: return {SNAPWANE_TRANSLATE_NOOP("Engine", "reduced")};
    case ReduceOutcome::Copied: return {SNAPWANE_TRANSLATE_NOOP("Engine", "copied unchanged")};
    case ReduceOutcome::CannotOpenSource: return {SNAPWANE_TRANSLATE_NOOP("Engine", "cannot open the file")};
    case ReduceOutcome::ReadError: return {SNAPWANE_TRANSLATE_NOOP("Engine", "read error")};
    case ReduceOutcome::NotDecodable: return {SNAPWANE_TRANSLATE_NOOP("Engine", "not a JPEG photo or damaged")};
    case ReduceOutcome::NoMemory: return {SNAPWANE_TRANSLATE_NOOP("Engine", "not enough memory")};
    case ReduceOutcome::TooLargeToDecode: return {SNAPWANE_TRANSLATE_NOOP("Engine", "too large to decode in the memory allowed")};
    case ReduceOutcome::InvalidTarget: return {SNAPWANE_TRANSLATE_NOOP("Engine", "the target size must be positive")};
    case ReduceOutcome::DoesNotFit: return {SNAPWANE_TRANSLATE_NOOP("Engine", "too narrow or too tall for the box")};
    case ReduceOutcome::EncodeFailed: return {SNAPWANE_TRANSLATE_NOOP("Engine", "cannot be encoded as JPEG")};
    case ReduceOutcome::CannotCreateOutput: return {SNAPWANE_TRANSLATE_NOOP("Engine", "cannot create the output file")};
    case ReduceOutcome::WriteError: return {SNAPWANE_TRANSLATE_NOOP("Engine", "write error")};
    case ReduceOutcome::Failed: return {SNAPWANE_TRANSLATE_NOOP("Engine", "failed unexpectedly")};
    }
    return {SNAPWANE_TRANSLATE_NOOP("Engine", "unknown outcome")};
}

std::string DescribeReduceOutcome(ReduceOutcome outcome)
{
    return ReduceOutcomeText(outcome).English();
}

} // namespace snapwane
