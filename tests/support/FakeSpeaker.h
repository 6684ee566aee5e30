#pragma once

#include <QByteArray>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "practice/AudioOutput.h"

namespace isobra::test {

// A sound device in memory: keeps every byte it is given, in order, and
// plays them when told, by hand or on a timer. Outputs() hands the practice
// window outputs that play into it.
class FakeSpeaker {
public:
    bool missing = false;    // no device can be opened
    qint64 capacity = 8000;  // bytes it holds unplayed
    int sampleRate = 0;
    QByteArray heard;  // every byte written since the last Open
    qint64 played = 0;
    bool paused = false;
    bool stopped = false;

    // Plays up to `bytes` more of what it holds, unless paused or stopped.
    void Play(qint64 bytes) {
        if (!paused && !stopped) played = std::min<qint64>(heard.size(), played + bytes);
    }
    // Plays by itself every 10 ms, `speed` times as fast as a real device.
    void PlayOnTimer(double speed) {
        timer_.disconnect();
        QObject::connect(&timer_, &QTimer::timeout,
                         [this, speed] { Play(static_cast<qint64>(2 * sampleRate * speed / 100) & ~qint64{1}); });
        timer_.start(10);
    }

    AudioOutputFactory Outputs() {
        return [this] { return std::make_unique<Output>(*this); };
    }

private:
    class Output : public AudioOutput {
    public:
        explicit Output(FakeSpeaker& speaker) : s_(speaker) {}
        bool Open(int rate) override {
            if (s_.missing) return false;
            s_.sampleRate = rate;
            s_.heard.clear();
            s_.played = 0;
            s_.paused = s_.stopped = false;
            return true;
        }
        qint64 BytesFree() const override { return s_.stopped ? 0 : s_.capacity - (s_.heard.size() - s_.played); }
        qint64 Write(const char* data, qint64 bytes) override {
            const qint64 taken = std::min(bytes, BytesFree());
            s_.heard.append(data, taken);
            return taken;
        }
        qint64 PlayedBytes() const override { return s_.played; }
        void Pause() override { s_.paused = true; }
        void Resume() override { s_.paused = false; }
        void Stop() override { s_.stopped = true; }

    private:
        FakeSpeaker& s_;
    };

    QTimer timer_;
};

}  // namespace isobra::test
