#include "report/SpeechStream.h"

#include <algorithm>
#include <cmath>

namespace isobra {

SpeechStream::SpeechStream(std::vector<ScriptSentence> kana, ReadingPace pace, int sampleRate, Speak speak)
    : kana_(std::move(kana)),
      pace_(pace),
      sampleRate_(sampleRate),
      speak_(std::move(speak)),
      worker_([this](const std::stop_token& stop) { Run(stop); }) {}

SpeechStream::~SpeechStream() {
    worker_.request_stop();
    if (worker_.joinable()) worker_.join();
}

void SpeechStream::Run(const std::stop_token& stop) {
    {
        const std::lock_guard lock(mutex_);
        report_.sampleRate = sampleRate_;
    }
    const std::size_t total = kana_.size();
    for (std::size_t i = 0; i < total; ++i) {
        const Result<std::vector<std::int16_t>> voice = speak_(kana_[i].text, pace_, stop);
        if (!voice) {
            const std::lock_guard lock(mutex_);
            failure_ = voice.message();
            done_ = true;
            return;
        }
        const bool partEnds = i + 1 == total || kana_[i + 1].part == ScriptPart::Heading;
        const auto pause = static_cast<std::size_t>(std::lround(PauseSeconds(partEnds, pace_) * sampleRate_));
        const std::lock_guard lock(mutex_);
        SpokenSentence sentence;
        sentence.begin = report_.samples.size();
        report_.samples.insert(report_.samples.end(), voice->begin(), voice->end());
        sentence.end = report_.samples.size();
        report_.samples.resize(report_.samples.size() + pause, 0);
        sentence.next = report_.samples.size();
        report_.sentences.push_back(sentence);
    }
    const std::lock_guard lock(mutex_);
    done_ = true;
}

SpeechStream::Ready SpeechStream::Status() const {
    const std::lock_guard lock(mutex_);
    return {report_.samples.size(), report_.sentences.size(), done_, failure_};
}

std::vector<std::int16_t> SpeechStream::Samples(std::size_t from, std::size_t count) const {
    const std::lock_guard lock(mutex_);
    const std::size_t begin = std::min(from, report_.samples.size());
    const std::size_t end = begin + std::min(count, report_.samples.size() - begin);
    return {report_.samples.begin() + static_cast<std::ptrdiff_t>(begin),
            report_.samples.begin() + static_cast<std::ptrdiff_t>(end)};
}

std::vector<SpokenSentence> SpeechStream::Sentences(std::size_t from) const {
    const std::lock_guard lock(mutex_);
    if (from >= report_.sentences.size()) return {};
    return {report_.sentences.begin() + static_cast<std::ptrdiff_t>(from), report_.sentences.end()};
}

SpokenReport SpeechStream::Report() const {
    const std::lock_guard lock(mutex_);
    return report_;
}

}  // namespace isobra
