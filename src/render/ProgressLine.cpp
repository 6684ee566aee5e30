#include "render/ProgressLine.h"

#include <utility>

namespace isobra {

namespace {

constexpr auto kEvery = std::chrono::milliseconds(100);

}  // namespace

ProgressLine::ProgressLine(bool shown, int total, Write write, std::function<Clock::time_point()> now)
    : shown_(shown), total_(total), write_(std::move(write)), now_(std::move(now)) {}

void ProgressLine::Clear() {
    if (onScreen_) write_("\r\x1b[K");  // back to the line's start, and erase it
    onScreen_ = false;
}

void ProgressLine::Print(const std::string& line) {
    Clear();
    write_(line + "\n");
    lastDone_ = -1;  // the count comes back with the next update that is due
}

void ProgressLine::Update(int done) {
    if (!shown_ || done == lastDone_) return;
    const Clock::time_point now = now_();
    if (drawnOnce_ && now - lastDrawn_ < kEvery) return;
    Clear();
    write_(std::to_string(done) + "/" + std::to_string(total_));
    onScreen_ = true;
    drawnOnce_ = true;
    lastDrawn_ = now;
    lastDone_ = done;
}

void ProgressLine::Finish() {
    Clear();
    shown_ = false;
}

}  // namespace isobra
