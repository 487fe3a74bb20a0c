// SPDX-License-Identifier: MIT
// The engine's log: a photo the batch passes over or fails at is logged with its
// reason, and an unexpected error is reported as one (not as lack of memory),
// its description logged before the photo's run ends.
#include "core/Log.h"
#include "core/ReduceBatch.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <mutex>
#include <stdexcept>

namespace {

using namespace snapwane;
namespace fs = std::filesystem;

struct Entry {
    LogArea area;
    LogLevel level;
    std::string message;
};

std::mutex g_entriesMutex;
std::vector<Entry> g_entries;

void Record(LogArea area, LogLevel level, const std::string& message)
{
    std::lock_guard lock(g_entriesMutex);
    g_entries.push_back({area, level, message});
}

class EngineLog : public testing::Test {
protected:
    void SetUp() override
    {
        g_entries.clear();
        SetLogSink(&Record);
    }
    void TearDown() override { SetLogSink(nullptr); }
};

class OutcomeRecorder : public BatchObserver {
public:
    bool Finished(std::size_t, const BatchOutcome& outcome) override
    {
        outcomes.push_back(outcome.result.outcome);
        return true;
    }
    std::vector<ReduceOutcome> outcomes;
};

TEST_F(EngineLog, PhotoPassedOverIsLoggedWithItsReason)
{
    test::TempFolder folder;
    const fs::path notes = folder / "notes.jpg";
    std::ofstream(notes) << "not a photo";
    BatchSettings settings;
    settings.applyLoadingRules = true;
    OutcomeRecorder observer;

    ReduceBatch({{notes, folder / "out" / "notes.jpg", {}}}, settings).Run(observer);

    ASSERT_EQ(g_entries.size(), 1u);
    EXPECT_EQ(g_entries[0].area, LogArea::Reduce);
    EXPECT_EQ(g_entries[0].level, LogLevel::Info);
    EXPECT_EQ(g_entries[0].message, notes.string() + ": " + DescribePhotoCheck(PhotoCheck::NotJpeg));
}

TEST_F(EngineLog, UnexpectedErrorIsReportedAsSuchAndLoggedWithItsDescription)
{
    test::TempFolder folder;
    OutcomeRecorder observer;
    const ReduceBatch batch({{folder / "a.jpg", folder / "out" / "a.jpg", {}}}, {});

    batch.Run(observer, [](const BatchPhoto&) -> ReduceResult { throw std::logic_error("index out of step"); });

    EXPECT_EQ(observer.outcomes, std::vector<ReduceOutcome>{ReduceOutcome::Failed});
    ASSERT_FALSE(g_entries.empty());
    EXPECT_EQ(g_entries[0].level, LogLevel::Warning);
    EXPECT_NE(g_entries[0].message.find("index out of step"), std::string::npos) << g_entries[0].message;
}

} // namespace
