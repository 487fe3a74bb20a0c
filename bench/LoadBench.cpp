// How long loading a folder of photos takes: the whole of command 130, the
// whole of command 131, and the thumbnail pipeline alone on one thread and on
// every core. Runs only when
// SNAPWANE_LOAD_BENCH_DIR names a folder of JPEG files (bench/load_photos.sh);
// it reports times and checks only that every photo loaded.
#include "photos/LoaderFixture.h"

#include "photos/PhotoRecord.h"

#include <QDir>
#include <QElapsedTimer>

#include <cstdio>
#include <ctime>

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

class LoadBench : public LoaderFixture
{
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

} // namespace
