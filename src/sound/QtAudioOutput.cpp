#include "sound/QtAudioOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>

namespace isobra {

QtAudioOutput::QtAudioOutput() = default;

QtAudioOutput::~QtAudioOutput() { Stop(); }

bool QtAudioOutput::Open(int sampleRate) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return false;
    auto sink = std::make_unique<QAudioSink>(device, format);
    // Half a second ahead of the voice: enough for a busy moment of the
    // window, and what is queued goes silent at once on a pause anyway.
    sink->setBufferSize(sampleRate);
    QIODevice* input = sink->start();
    if (!input || sink->error() != QAudio::NoError) return false;
    sink_ = std::move(sink);
    device_ = input;
    written_ = 0;
    bytesPerSecond_ = 2LL * sampleRate;
    return true;
}

qint64 QtAudioOutput::BytesFree() const { return device_ ? sink_->bytesFree() : 0; }

qint64 QtAudioOutput::Write(const char* data, qint64 bytes) {
    if (!device_) return 0;
    const qint64 taken = std::max<qint64>(0, device_->write(data, bytes));
    written_ += taken;
    return taken;
}

qint64 QtAudioOutput::PlayedBytes() const {
    if (!sink_) return 0;
    // Idle: everything written has been played.
    if (sink_->state() == QAudio::IdleState) return written_;
    const qint64 played = sink_->processedUSecs() * bytesPerSecond_ / 1'000'000;
    return std::min(written_, played & ~qint64{1});
}

void QtAudioOutput::Pause() {
    if (sink_) sink_->suspend();
}

void QtAudioOutput::Resume() {
    if (sink_) sink_->resume();
}

void QtAudioOutput::Stop() {
    if (sink_) sink_->stop();
    device_ = nullptr;
}

}  // namespace isobra
