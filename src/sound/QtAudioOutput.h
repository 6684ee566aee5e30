#pragma once

#include <memory>

#include "practice/AudioOutput.h"

class QAudioSink;
class QIODevice;

namespace isobra {

// The system's default sound device through Qt Multimedia (QAudioSink, in
// push mode).
class QtAudioOutput : public AudioOutput {
public:
    QtAudioOutput();
    ~QtAudioOutput() override;

    bool Open(int sampleRate) override;
    qint64 BytesFree() const override;
    qint64 Write(const char* data, qint64 bytes) override;
    qint64 PlayedBytes() const override;
    void Pause() override;
    void Resume() override;
    void Stop() override;

private:
    std::unique_ptr<QAudioSink> sink_;
    QIODevice* device_ = nullptr;  // the sink's
    qint64 written_ = 0;
    qint64 bytesPerSecond_ = 0;
};

}  // namespace isobra
