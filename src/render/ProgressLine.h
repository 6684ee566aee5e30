#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace isobra {

// "37/1000" on a terminal's stderr, rewritten in place at most ten times a
// second, and the tool's messages printed above it. When off (stderr is not
// a terminal), only the messages go out.
class ProgressLine {
public:
    using Clock = std::chrono::steady_clock;
    using Write = std::function<void(const std::string& text)>;

    ProgressLine(bool shown, int total, Write write, std::function<Clock::time_point()> now = Clock::now);

    // A whole line of its own (without its line end).
    void Print(const std::string& line);
    // `done` of the total are finished.
    void Update(int done);
    // Takes the progress away for good.
    void Finish();

private:
    void Clear();

    bool shown_;
    int total_;
    Write write_;
    std::function<Clock::time_point()> now_;
    bool onScreen_ = false;
    bool drawnOnce_ = false;
    int lastDone_ = -1;
    Clock::time_point lastDrawn_{};
};

}  // namespace isobra
