// How long loading a folder of photos takes: the whole of command 130, the
// whole of command 131, the thumbnail pipeline alone on one thread and on
// every core, and the floor under all of them: each photo read and decoded at
// the scale its thumbnail starts from (1/8 for a 12 MP photo at a device pixel
// ratio of 1, 1/4 at 2; QT_SCALE_FACTOR sets the ratio), on every core. The
// load commands also report the memory the process holds once the photos are
// in. Runs only when
// SNAPWANE_LOAD_BENCH_DIR names a folder of JPEG files (bench/load_photos.sh);
// it reports times and checks only that every photo loaded.
#include "photos/LoaderFixture.h"

#include "core/Fitting.h"
#include "core/JpegCodec.h"
#include "core/Orientation.h"
#include "core/Threads.h"
#include "imaging/CPhotoImage.h"
#include "photos/PhotoRecord.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>

#include <atomic>
#include <cstdio>
#include <ctime>
#include <thread>
#include <vector>

namespace {

// Processor time of the whole process (every thread), in ms: what a job costs
// whatever else the machine is doing.
long long ProcessorMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

QStringList BenchPhotos()
{
    const QString folder = qEnvironmentVariable("SNAPWANE_LOAD_BENCH_DIR");
    if (folder.isEmpty())
        return {};
    QStringList files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")}, QDir::Files, QDir::Name))
        files.append(dir.filePath(name));
    return files;
}

// The resident memory of the process in MB (VmRSS).
long long ResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLongLong() / 1024;
    }
    return -1;
}

// Reads and decodes one photo at the scale its thumbnail starts from at the
// thumbnail ratio; the scale's divisor (8 for 1/8), 0 when it did not decode.
int DecodeAtThumbnailScale(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = file.readAll();
    const std::span<const std::uint8_t> jpeg(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                             std::size_t(bytes.size()));
    const auto header = snapwane::JpegCodec::ReadHeader(jpeg);
    if (!header)
        return 0;
    // The thumbnail box at the ratio, turned back to the stored photo as the
    // pipeline turns it.
    const qreal ratio = CPhotoImage::thumbnailPixelRatio();
    int boxWidth = int(snapwane::kThumbnailBoxWidth * ratio), boxHeight = int(snapwane::kThumbnailBoxHeight * ratio);
    snapwane::TurnSize(snapwane::TurnForPhoto(header->orientation), boxWidth, boxHeight);
    const snapwane::BoxSize box = snapwane::FitBoxToPhoto(header->width, header->height, boxWidth, boxHeight);
    const int scale = snapwane::ThumbnailDecodeScale(header->width, box.width);
    int width = 0, height = 0, channels = 0;
    return snapwane::JpegCodec::Decode(jpeg, scale, width, height, channels).empty() ? 0 : scale;
}

class LoadBench : public LoaderFixture
{
protected:
    void SetUp() override
    {
        CPhotoImage::setThumbnailPixelRatio(qGuiApp->devicePixelRatio());
        std::printf("device pixel ratio %.2f\n", CPhotoImage::thumbnailPixelRatio());
    }
};

TEST_F(LoadBench, ChosenFilesThroughTheLoadCommand)
{
    const QStringList files = BenchPhotos();
    if (files.isEmpty())
        GTEST_SKIP() << "set SNAPWANE_LOAD_BENCH_DIR to a folder of JPEG photos";
    QElapsedTimer clock;
    clock.start();
    const long long processor = ProcessorMs();
    load(files);
    const qint64 elapsed = clock.elapsed();
    EXPECT_EQ(collection().count(), files.size());
    std::printf("load command: %lld photos in %lld ms, processor %lld ms\n", static_cast<long long>(files.size()),
                static_cast<long long>(elapsed), ProcessorMs() - processor);
    std::printf("memory: %lld photos held, resident %lld MB\n", static_cast<long long>(files.size()),
                ResidentMb());
}

TEST_F(LoadBench, FolderThroughTheLoadFolderCommand)
{
    const QStringList files = BenchPhotos();
    if (files.isEmpty())
        GTEST_SKIP() << "set SNAPWANE_LOAD_BENCH_DIR to a folder of JPEG photos";
    prompts.folderAnswers = {qEnvironmentVariable("SNAPWANE_LOAD_BENCH_DIR")};
    QElapsedTimer clock;
    clock.start();
    const long long processor = ProcessorMs();
    frame.onCommand(ids::cmd::LoadFolder);
    ASSERT_TRUE(snapwane::test::WaitUntil([this] { return !view()->state().isLoading() && !view()->worker().isRunning(); }));
    const qint64 elapsed = clock.elapsed();
    EXPECT_EQ(collection().count(), files.size());
    std::printf("load folder command: %lld photos in %lld ms, processor %lld ms\n",
                static_cast<long long>(files.size()), static_cast<long long>(elapsed), ProcessorMs() - processor);
}

TEST_F(LoadBench, ThumbnailsOnOneThreadAndOnEveryCore)
{
    const QStringList files = BenchPhotos();
    if (files.isEmpty())
        GTEST_SKIP() << "set SNAPWANE_LOAD_BENCH_DIR to a folder of JPEG photos";
    for (int threads : {1, 0}) {
        QElapsedTimer clock;
        clock.start();
        const long long processor = ProcessorMs();
        int loaded = 0;
        {
            const std::unique_ptr<PhotosAhead> ahead = loadPhotosAhead(files, nullptr, threads);
            for (std::size_t i = 0; i < ahead->size(); ++i)
                loaded += ahead->Take(i).outcome == PhotoRecord::Outcome::Loaded ? 1 : 0;
        }
        const qint64 elapsed = clock.elapsed();
        EXPECT_EQ(loaded, files.size());
        std::printf("thumbnails, %s: %d photos in %lld ms, processor %lld ms\n",
                    threads == 1 ? "one thread" : "every core", loaded, static_cast<long long>(elapsed),
                    ProcessorMs() - processor);
    }
}

TEST_F(LoadBench, ScaledDecodeFloorOnEveryCore)
{
    const QStringList files = BenchPhotos();
    if (files.isEmpty())
        GTEST_SKIP() << "set SNAPWANE_LOAD_BENCH_DIR to a folder of JPEG photos";
    QElapsedTimer clock;
    clock.start();
    const long long processor = ProcessorMs();
    std::atomic<int> next{0};
    std::atomic<int> decoded{0};
    std::atomic<int> byScale[9] = {};
    std::vector<std::thread> threads;
    for (int t = 0; t < snapwane::ThreadsPerCore(); ++t) {
        threads.emplace_back([&] {
            for (int i = next++; i < files.size(); i = next++) {
                const int scale = DecodeAtThumbnailScale(files[i]);
                decoded += scale > 0 ? 1 : 0;
                ++byScale[scale];
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    const qint64 elapsed = clock.elapsed();
    EXPECT_EQ(decoded.load(), files.size());
    std::printf("scaled decode, every core: %d photos in %lld ms, processor %lld ms\n", decoded.load(),
                static_cast<long long>(elapsed), ProcessorMs() - processor);
    std::printf("scales: 1/1 %d, 1/2 %d, 1/4 %d, 1/8 %d\n", byScale[1].load(), byScale[2].load(), byScale[4].load(),
                byScale[8].load());
}

} // namespace
