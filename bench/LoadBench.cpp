// SPDX-License-Identifier: MIT
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

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <ctime>
#include <functional>
#include <thread>
#include <vector>

namespace {

long long ClockMs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Times job and prints "LABEL: N photos in W ms, processor P ms, GUI thread G ms".
// Processor time is the whole process's (every thread): what a job costs
// whatever else the machine is doing. The GUI thread's share is the thread
// this runs on; on a machine whose cores the helpers keep busy, every ms of it
// is taken from decoding. job returns the number of photos it handled.
int Timed(const char* label, const std::function<int()>& job)
{
    QElapsedTimer clock;
    clock.start();
    const long long processor = ClockMs(CLOCK_PROCESS_CPUTIME_ID);
    const long long guiThread = ClockMs(CLOCK_THREAD_CPUTIME_ID);
    const int photos = job();
    const qint64 elapsed = clock.elapsed();
    std::printf("%s: %d photos in %lld ms, processor %lld ms, GUI thread %lld ms\n", label, photos,
                static_cast<long long>(elapsed), ClockMs(CLOCK_PROCESS_CPUTIME_ID) - processor,
                ClockMs(CLOCK_THREAD_CPUTIME_ID) - guiThread);
    return photos;
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

    // Runs the GUI thread's event loop as the program's own loop runs it, asleep
    // until an event comes, so that the worker's calls are answered at once and
    // waiting costs no processor time, until the load has ended: its end steps
    // clear the loading flag on the GUI thread, then its worker returns (no
    // event tells that, so the loop looks until it has). false after a minute.
    bool runEventsUntilTheLoadEnds()
    {
        const QDeadlineTimer guard(60'000);
        QTimer guardCheck; // wakes the loop now and then to look at the guard
        guardCheck.start(100);
        while (view()->state().isLoading() && !guard.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        while (view()->worker().isRunning() && !guard.hasExpired()) {
            QCoreApplication::processEvents();
            std::this_thread::yield();
        }
        return !guard.hasExpired();
    }
};

TEST_F(LoadBench, ChosenFilesThroughTheLoadCommand)
{
    const QStringList files = BenchPhotos();
    if (files.isEmpty())
        GTEST_SKIP() << "set SNAPWANE_LOAD_BENCH_DIR to a folder of JPEG photos";
    const int loaded = Timed("load command", [&] {
        prompts.fileAnswers.push_back(files);
        frame.onCommand(ids::cmd::LoadFiles);
        EXPECT_TRUE(runEventsUntilTheLoadEnds());
        return collection().count();
    });
    EXPECT_EQ(loaded, files.size());
    std::printf("memory: %d photos held, resident %lld MB\n", loaded, ResidentMb());
}

TEST_F(LoadBench, FolderThroughTheLoadFolderCommand)
{
    const QStringList files = BenchPhotos();
    if (files.isEmpty())
        GTEST_SKIP() << "set SNAPWANE_LOAD_BENCH_DIR to a folder of JPEG photos";
    prompts.folderAnswers = {qEnvironmentVariable("SNAPWANE_LOAD_BENCH_DIR")};
    const int loaded = Timed("load folder command", [&] {
        frame.onCommand(ids::cmd::LoadFolder);
        EXPECT_TRUE(runEventsUntilTheLoadEnds());
        return collection().count();
    });
    EXPECT_EQ(loaded, files.size());
}

TEST_F(LoadBench, ThumbnailsOnOneThreadAndOnEveryCore)
{
    const QStringList files = BenchPhotos();
    if (files.isEmpty())
        GTEST_SKIP() << "set SNAPWANE_LOAD_BENCH_DIR to a folder of JPEG photos";
    for (int threads : {1, 0}) {
        const int loaded = Timed(threads == 1 ? "thumbnails, one thread" : "thumbnails, every core", [&] {
            int taken = 0;
            const std::unique_ptr<PhotosAhead> ahead = loadPhotosAhead(files, nullptr, threads);
            for (std::size_t i = 0; i < ahead->size(); ++i)
                taken += ahead->Take(i).outcome == PhotoRecord::Outcome::Loaded ? 1 : 0;
            return taken;
        });
        EXPECT_EQ(loaded, files.size());
    }
}

TEST_F(LoadBench, ScaledDecodeFloorOnEveryCore)
{
    const QStringList files = BenchPhotos();
    if (files.isEmpty())
        GTEST_SKIP() << "set SNAPWANE_LOAD_BENCH_DIR to a folder of JPEG photos";
    std::atomic<int> byScale[9] = {};
    const int decoded = Timed("scaled decode, every core", [&] {
        std::atomic<int> next{0};
        std::atomic<int> done{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < snapwane::ThreadsPerCore(); ++t) {
            threads.emplace_back([&] {
                for (int i = next++; i < files.size(); i = next++) {
                    const int scale = DecodeAtThumbnailScale(files[i]);
                    done += scale > 0 ? 1 : 0;
                    ++byScale[scale];
                }
            });
        }
        for (std::thread& thread : threads)
            thread.join();
        return done.load();
    });
    EXPECT_EQ(decoded, files.size());
    std::printf("scales: 1/1 %d, 1/2 %d, 1/4 %d, 1/8 %d\n", byScale[1].load(), byScale[2].load(), byScale[4].load(),
                byScale[8].load());
}

} // namespace
