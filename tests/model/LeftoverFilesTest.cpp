// Temporary files and rename notes that a killed process leaves behind, and
// the next save that clears them away.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "model/FileAccess.h"
#include "model/LeftoverFiles.h"
#include "model/RenameNote.h"
#include "support/TempFolder.h"

namespace isobra {
namespace {

namespace fs = std::filesystem;

// The id of a process that has ended (and been waited for).
pid_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(LeftoverFiles, WhatEndedProcessesLeftGoesAtTheNextSaveIntoTheFolder) {
    const std::string ours = TemporaryFilePrefix();
    const FileOwner me = OwnerOfName(ours + "aaaaaa").value();
    EXPECT_EQ(me.pid, ::getpid());
    EXPECT_FALSE(HasEnded(me));
    const std::string dead = std::to_string(EndedProcess());
    const std::string pid = std::to_string(me.pid);
    const std::string host = me.host;
    const std::string elsewhere = host == "zzzz" ? "yyyy" : "zzzz";

    const struct {
        std::string name;
        bool stays;
        int ageHours = 0;
    } cases[] = {
        {".isobra-" + dead + "-5-" + host + "-aaaaaa", false},
        {".isobra-" + dead + "-5-" + host + "-bbbbbb.renames", false},
        {ours + "cccccc", true},                                                                  // this process's own
        {".isobra-" + pid + "-" + std::to_string(me.start + 1) + "-" + host + "-dddddd", false},  // its id used again
        {".isobra-" + dead + "-5-" + elsewhere + "-eeeeee", true},                                // another machine's
        {".isobra-k3x9q2", false, 25},  // an earlier version's, old
        {".isobra-k3x9q3", true, 1},
        {".isobra-notes.txt", true},
        {"obs.dat", true},
    };
    test::TempFolder folder("leftovers");
    for (const auto& c : cases) {
        folder.Write(c.name, "x");
        fs::last_write_time(folder.PathOf(c.name), fs::file_time_type::clock::now() - std::chrono::hours(c.ageHours));
    }
    ASSERT_TRUE(SaveFileAtomically(folder.PathOf("new.dat"), "new").ok());
    for (const auto& c : cases) EXPECT_EQ(fs::exists(folder.PathOf(c.name)), c.stays) << c.name;
}

// A process killed after the first of two renames: the next save into the
// folder puts the second file in place too, unless that file was changed
// meanwhile or the note was never whole.
TEST(LeftoverFiles, RenamesAKilledProcessLeftUnfinishedAreFinishedByTheNextSave) {
    enum class After { Nothing, TargetChanged, NoteCut };
    const struct {
        After after;
        const char* b;
    } cases[] = {{After::Nothing, "new b"}, {After::TargetChanged, "changed by hand"}, {After::NoteCut, "old b"}};
    int row = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(row);
        test::TempFolder folder("renames-" + std::to_string(row++));
        const std::string a = folder.PathOf("a.cnt"), b = folder.PathOf("b.png");
        folder.Write("a.cnt", "old a");
        folder.Write("b.png", "old b");
        const pid_t child = ::fork();
        if (child == 0) {
            Result<StagedFile> newA = StagedFile::Stage(a, "new a");
            Result<StagedFile> newB = StagedFile::Stage(b, "new b");
            if (!newA || !newB) ::_exit(1);
            const std::optional<RenameNote> note = RenameNote::Write({&*newA, &*newB});
            ::_exit(note && newA->Commit() ? 0 : 1);  // killed: nothing more happens
        }
        int status = -1;
        ::waitpid(child, &status, 0);
        ASSERT_EQ(status, 0);
        EXPECT_EQ(folder.Read("a.cnt"), "new a");
        EXPECT_EQ(folder.Read("b.png"), "old b");
        ASSERT_EQ(folder.Names().size(), 4u);  // a, b, b's temporary file and the note

        if (c.after == After::TargetChanged) std::ofstream(b, std::ios::binary) << "changed by hand";
        if (c.after == After::NoteCut)
            for (const std::string& name : folder.Names())
                if (name.ends_with(kRenameNoteEnding)) fs::resize_file(folder.PathOf(name), 20);
        ASSERT_TRUE(SaveFileAtomically(folder.PathOf("c.dat"), "c").ok());
        EXPECT_EQ(folder.Read("a.cnt"), "new a");
        EXPECT_EQ(folder.Read("b.png"), c.b);
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"a.cnt", "b.png", "c.dat"}));
    }
}

}  // namespace
}  // namespace isobra
