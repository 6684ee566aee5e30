#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "model/RecoveryJournal.h"
#include "support/TempFolder.h"

namespace isobra {
namespace {

namespace fs = std::filesystem;

class RecoveryJournalTest : public ::testing::Test {
protected:
    std::string File() const { return folder_.PathOf("recovery.dat"); }
    // The file's bytes, or "<none>".
    std::string Contents() const {
        std::ifstream in(File(), std::ios::binary);
        if (!in) return "<none>";
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    test::TempFolder folder_{"journal"};
};

TEST_F(RecoveryJournalTest, TheFileHoldsWhatNoSaveHolds) {
    enum class Op { Record, Remove };
    struct Step {
        Op op;
        std::string bytes;
        std::string file;  // afterwards
    };
    const Step steps[] = {
        {Op::Record, "one row", "one row"},
        {Op::Record, "two rows", "two rows"},
        {Op::Remove, "", "<none>"},            // saved
        {Op::Record, "two rows", "two rows"},  // taken back from a recovery file: as before, yet unsaved
        {Op::Remove, "", "<none>"},            // erased
        {Op::Remove, "", "<none>"},            // and nothing to remove
        {Op::Record, "three rows", "three rows"},
    };
    RecoveryJournal journal(File());
    int n = 0;
    for (const Step& step : steps) {
        if (step.op == Op::Remove)
            journal.Remove();
        else
            journal.Record(step.bytes);
        EXPECT_TRUE(journal.Flush()) << "step " << n;
        EXPECT_EQ(Contents(), step.file) << "step " << n;
        ++n;
    }
    journal.Remove();
    journal.Flush();
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), {}), 0);  // no temporary left
}

ssize_t DiskFull(int, const void*, std::size_t) {
    errno = ENOSPC;
    return -1;
}

TEST_F(RecoveryJournalTest, AFailedWriteIsReportedAndKeepsTheLastSnapshot) {
    std::string reported;
    {
        RecoveryJournal journal(File());
        journal.Record("first");
    }
    FileSystemCalls full = FileSystemCalls::System();
    full.write = DiskFull;
    RecoveryJournal journal(
        File(), [&reported](const std::string& reason) { reported = reason; }, full);
    journal.Record("second");
    EXPECT_FALSE(journal.Flush());
    EXPECT_EQ(reported, "ディスクの空きが足りません");
    EXPECT_EQ(Contents(), "first");
}

// A disk that holds the first rename until the test lets it go.
std::atomic<int> renames{0};
std::atomic<bool> held{false};
std::atomic<bool> released{false};
int SlowRename(const char* from, const char* to) {
    if (renames.fetch_add(1) == 0) {
        held = true;
        while (!released) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return ::rename(from, to);
}

TEST_F(RecoveryJournalTest, OnASlowDiskOnlyTheNewestWaitingSnapshotIsWritten) {
    FileSystemCalls slow = FileSystemCalls::System();
    slow.rename = SlowRename;
    RecoveryJournal journal(File(), {}, slow);
    journal.Record("row 1");
    while (!held) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    // Entries go on while the disk is busy; none of them waits for it.
    for (const char* rows : {"rows 1-2", "rows 1-3", "rows 1-4"}) journal.Record(rows);
    released = true;
    journal.Flush();
    EXPECT_EQ(Contents(), "rows 1-4");
    EXPECT_EQ(renames.load(), 2);
}

}  // namespace
}  // namespace isobra
