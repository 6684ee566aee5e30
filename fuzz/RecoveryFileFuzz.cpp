// The recovery file as the journal keeps it and as a later start reads it
// back. The input is a list of requests: a byte's low three bits choose
// Record(snapshot), Remove, Flush or how the disk
// behaves from then on (writes that stop short, a flush or a rename that
// fails); a snapshot is the bytes that follow, their count given by the
// next two bytes (up to 32 KiB; with the top bit set, what there is is
// stretched to the count). After every Flush the file is one
// whole snapshot that was asked for, or none; when the flush reports
// success it is exactly the last one asked for (or gone, when a Remove
// came last); no temporary file is left beside it. What the
// file holds at the end is loaded as a leftover is: it is read, or refused
// naming a line and a reason.
#include <atomic>
#include <optional>
#include <set>

#include "FuzzSupport.h"
#include "model/FileAccess.h"
#include "model/ObservationFile.h"
#include "model/RecoveryJournal.h"

using namespace isobra;

namespace {

// How the disk behaves: 0 well, 1 writes stop short, 2 flushes fail,
// 3 renames fail. Read on the journal's thread.
std::atomic<int> trouble{0};

ssize_t Write(int fd, const void* data, std::size_t size) {
    if (trouble == 1 && size > 1) return ::write(fd, data, size / 2) < 0 ? -1 : (errno = ENOSPC, -1);
    return ::write(fd, data, size);
}
int Fsync(int) {
    if (trouble == 2) {
        errno = EIO;
        return -1;
    }
    return 0;  // in memory: nothing to wait for
}
int Rename(const char* from, const char* to) {
    if (trouble == 3) {
        errno = EACCES;
        return -1;
    }
    return ::rename(from, to);
}

// Reads the file as a leftover is loaded: the observation reader takes it,
// or refuses it naming a line and a reason.
void CheckReadsBack(const std::string& path) {
    const Result<std::string> file = ReadWholeFile(path);
    if (!file) return;
    const Result<ObservationFileData> loaded = ParseObservationFile(*file);
    fuzz::Require(loaded.ok() || (loaded.line() >= 1 && !loaded.message().empty()),
                  "a recovery file loads or is refused with a line and a reason", loaded.message());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::RunFolder folder("recovery-fuzz");
    const std::string path = folder.PathOf("recovery.dat");
    folder.Empty();
    trouble = 0;
    std::string_view in = fuzz::Bytes(data, size);
    auto take = [&in](std::size_t n) {
        const std::string_view part = in.substr(0, std::min(n, in.size()));
        in.remove_prefix(part.size());
        return part;
    };
    auto snapshot = [&]() {
        const std::string_view count = take(2);
        const std::size_t n =
            count.size() < 2 ? 0
                             : (static_cast<std::uint8_t>(count[0]) & 0x7f) << 8 | static_cast<std::uint8_t>(count[1]);
        const std::string_view bytes = take(n);
        // The high bit stretches what there is to the count, as a long report would be.
        return count.size() == 2 && (count[0] & 0x80) ? fuzz::Repeat(bytes, n) : std::string(bytes);
    };

    std::set<std::string> asked;      // every snapshot the file may hold
    std::optional<std::string> last;  // nothing: no file
    {
        RecoveryJournal journal(path, {}, FileSystemCalls{Write, Fsync, Rename});
        for (int requests = 0; !in.empty() && requests < 64; ++requests) {
            const auto op = static_cast<std::uint8_t>(take(1)[0]);
            switch (op & 7) {
                case 0:
                case 1:
                case 2: {
                    std::string s = snapshot();
                    last = s;
                    asked.insert(s);
                    journal.Record(std::move(s));
                    break;
                }
                case 3:
                    last.reset();
                    journal.Remove();
                    break;
                case 4:
                case 5: {
                    const bool done = journal.Flush();
                    fuzz::Require(!folder.HoldsTemporaryFiles(), "no temporary file is left");
                    const Result<std::string> file = ReadWholeFile(path);
                    if (done && !last) fuzz::Require(!file, "the file goes when it is removed");
                    if (done && last) fuzz::Require(file && *file == *last, "the file is the last snapshot");
                    if (file) fuzz::Require(asked.count(*file) == 1, "the file is a whole snapshot that was asked for");
                    break;
                }
                default:
                    trouble = op >> 3 & 3;
            }
        }
    }
    fuzz::Require(!folder.HoldsTemporaryFiles(), "no temporary file is left at the end");
    CheckReadsBack(path);
    return 0;
}
