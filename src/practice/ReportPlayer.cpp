#include "practice/ReportPlayer.h"

#include <algorithm>

#include "report/SpeechStream.h"
#include "widgets/QtText.h"

namespace isobra {

namespace {

constexpr int kPumpMs = 20;
constexpr qint64 kSampleBytes = 2;

}  // namespace

ReportPlayer::ReportPlayer(std::unique_ptr<SpeechStream> stream, std::unique_ptr<AudioOutput> output, QObject* parent)
    : QObject(parent), stream_(std::move(stream)), output_(std::move(output)) {
    sentenceCount_ = stream_->sentenceCount();
    pump_.setInterval(kPumpMs);
    connect(&pump_, &QTimer::timeout, this, &ReportPlayer::Pump);
    pump_.start();
}

ReportPlayer::~ReportPlayer() {
    if (output_) output_->Stop();
}

void ReportPlayer::Pause() {
    if (state_ != State::Playing) return;
    state_ = State::Paused;
    output_->Pause();
}

void ReportPlayer::Resume() {
    if (state_ != State::Paused) return;
    state_ = State::Playing;
    output_->Resume();
}

void ReportPlayer::Stop() {
    if (state_ == State::Playing || state_ == State::Paused) End(State::Stopped);
}

void ReportPlayer::End(State state) {
    state_ = state;
    pump_.stop();
    output_->Stop();
    // Waits for the engine's next block at most.
    stream_.reset();
}

void ReportPlayer::Fetch() {
    const SpeechStream::Ready ready = stream_->Status();
    if (ready.sentences > sentences_.size()) {
        const std::vector<SpokenSentence> more = stream_->Sentences(sentences_.size());
        sentences_.insert(sentences_.end(), more.begin(), more.end());
    }
    // Only whole sentences with their pauses: the samples of those fetched.
    ready_ = sentences_.empty() ? 0 : sentences_.back().next;
    allReady_ = ready.done && ready.failure.empty() && sentences_.size() == ready.sentences;
    if (ready.done && !ready.failure.empty()) {
        const QString reason = ToQ(ready.failure);
        End(State::Stopped);
        emit failed(reason);
    }
}

void ReportPlayer::Pump() {
    if (!stream_) return;
    Fetch();
    if (state_ != State::Playing && state_ != State::Paused) return;

    const auto room = static_cast<std::size_t>(std::max<qint64>(0, output_->BytesFree()) / kSampleBytes);
    const std::size_t count = std::min(room, ready_ - written_);
    if (count > 0) {
        const std::vector<std::int16_t> samples = stream_->Samples(written_, count);
        const qint64 taken = output_->Write(reinterpret_cast<const char*>(samples.data()),
                                            static_cast<qint64>(samples.size()) * kSampleBytes);
        written_ += static_cast<std::size_t>(taken / kSampleBytes);
    }

    const std::size_t played =
        std::min(written_, static_cast<std::size_t>(std::max<qint64>(0, output_->PlayedBytes()) / kSampleBytes));
    if (played != played_) {
        played_ = played;
        emit progressed(Position());
    }
    if (allReady_ && written_ == ready_ && played_ >= ready_) {
        End(State::Finished);
        emit finished();
    }
}

double ReportPlayer::Position() const {
    if (state_ == State::Finished) return sentenceCount_;
    const auto at = std::upper_bound(sentences_.begin(), sentences_.end(), played_,
                                     [](std::size_t sample, const SpokenSentence& s) { return sample < s.next; });
    if (at == sentences_.end()) return static_cast<double>(sentences_.size());
    const double within = static_cast<double>(played_ - at->begin) / static_cast<double>(at->next - at->begin);
    return static_cast<double>(at - sentences_.begin()) + within;
}

int ReportPlayer::SentencesHeard() const {
    return static_cast<int>(std::count_if(sentences_.begin(), sentences_.end(),
                                          [this](const SpokenSentence& s) { return s.end <= played_; }));
}

}  // namespace isobra
