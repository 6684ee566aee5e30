#pragma once

#include <QtGlobal>
#include <functional>
#include <memory>

namespace isobra {

// Where the practice's voice goes: 16-bit mono PCM, pushed in as it is
// made. QtAudioOutput plays it on the sound device; the tests' stand-in
// only keeps it.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // Opens the sound device for this many samples a second; false when no
    // device can be opened.
    virtual bool Open(int sampleRate) = 0;
    // Bytes Write takes now without waiting.
    virtual qint64 BytesFree() const = 0;
    // Queues bytes behind those written before; returns how many it took.
    virtual qint64 Write(const char* data, qint64 bytes) = 0;
    // Bytes played so far, of those written.
    virtual qint64 PlayedBytes() const = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    // Silent at once; nothing more is played.
    virtual void Stop() = 0;
};

// Makes the output of each practice: the sound device, or a stand-in.
using AudioOutputFactory = std::function<std::unique_ptr<AudioOutput>()>;

}  // namespace isobra
