#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <stop_token>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "model/Result.h"
#include "report/ReadingPace.h"
#include "report/ReportScript.h"
#include "report/SpokenReport.h"

namespace isobra {

// A kana script spoken on a thread of its own, sentence by sentence, each
// with its pause: what is done can be played while the rest is still being
// made, so a report of several minutes starts to sound within a sentence.
//
// Any thread may ask what is ready. The worker starts at construction; the
// destructor stops it at the engine's next block and waits for it.
class SpeechStream {
public:
    // Speaks one sentence, without a pause around it: the voice engine, or
    // a stand-in in tests. Called on the stream's thread.
    using Speak =
        std::function<Result<std::vector<std::int16_t>>(std::string_view kana, ReadingPace pace, std::stop_token)>;

    SpeechStream(std::vector<ScriptSentence> kana, ReadingPace pace, int sampleRate, Speak speak);
    ~SpeechStream();
    SpeechStream(const SpeechStream&) = delete;
    SpeechStream& operator=(const SpeechStream&) = delete;

    struct Ready {
        std::size_t samples = 0;  // with the pause of the last sentence ready
        std::size_t sentences = 0;
        bool done = false;    // every sentence is ready, or it failed
        std::string failure;  // why not, when it failed
    };
    Ready Status() const;

    int sampleRate() const { return sampleRate_; }
    int sentenceCount() const { return static_cast<int>(kana_.size()); }

    // Up to `count` of the samples ready from `from` on.
    std::vector<std::int16_t> Samples(std::size_t from, std::size_t count) const;
    // The sentences ready from `from` on.
    std::vector<SpokenSentence> Sentences(std::size_t from) const;
    // Everything ready so far (the whole report once done).
    SpokenReport Report() const;

private:
    void Run(const std::stop_token& stop);

    const std::vector<ScriptSentence> kana_;
    const ReadingPace pace_;
    const int sampleRate_;
    const Speak speak_;

    mutable std::mutex mutex_;
    SpokenReport report_;
    bool done_ = false;
    std::string failure_;
    std::jthread worker_;  // last: starts once everything above exists
};

}  // namespace isobra
