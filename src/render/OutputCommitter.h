#pragma once

#include <chrono>
#include <vector>

#include "render/MapRenderer.h"
#include "render/ProgressLine.h"

namespace isobra {

// Puts the staged outputs in place, input by input in the order given,
// prints each input's messages and counts the maps written and the inputs
// that failed.
//
// For one map (no folder) each file was flushed when it was staged and is
// renamed at once. For many maps into one folder the files were written
// without a flush: they are held for up to a quarter of a second, then one
// flush of the whole file system makes them durable together, they are
// renamed, and the folder is flushed. A flush per file would cost far more
// than a map takes to draw. Whenever more than one file is renamed, a rename
// note (model/RenameNote.h) stands beside them meanwhile, so that a kill
// among the renames leaves no input half new, half old once the next write
// into the folder has finished them.
class OutputCommitter {
public:
    // `folder` is the open output folder of many maps, or -1.
    OutputCommitter(int folder, ProgressLine& progress);

    void Add(std::vector<JobOutcome>& outcomes);
    // Commits whatever is still held.
    void Finish();

    int written() const { return written_; }
    int failed() const { return failed_; }

private:
    void CommitHeld();

    int folder_;
    ProgressLine& progress_;
    std::vector<JobOutcome> held_;
    std::chrono::steady_clock::time_point lastFlush_;
    int written_ = 0;
    int failed_ = 0;
};

}  // namespace isobra
