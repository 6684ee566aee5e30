#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <string_view>
#include <vector>

#include "model/Result.h"
#include "report/ReadingPace.h"
#include "report/ReportScript.h"

namespace isobra {

// Where one sentence lies in the sound, in samples: the voice is
// [begin, end), the pause after it [end, next).
struct SpokenSentence {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

// A whole script spoken: 16-bit mono PCM and one entry per sentence.
struct SpokenReport {
    int sampleRate = 0;
    std::vector<std::int16_t> samples;
    std::vector<SpokenSentence> sentences;
    double Seconds() const { return sampleRate > 0 ? static_cast<double>(samples.size()) / sampleRate : 0.0; }
    // The sentence whose voice or pause holds the sample (the last one past
    // the end), for a player's progress; -1 when there are no sentences.
    int SentenceAt(std::size_t sample) const;
};

// The report read aloud by eSpeak NG's Japanese voice, into memory (no
// sound device is opened).
//
// At the broadcast's pace the voice reads about 135 words a minute (a land
// station takes about 6 seconds) and pauses 0.8 seconds after each
// sentence, 2 seconds before a new part of the report; the slow and the
// fast pace scale both, speech and pauses.
//
// The engine is not re-entrant: every call is serialised, so any thread
// may call, one at a time getting through. A stop request ends the work
// at the next block of samples; the call then fails with kSpeechStopped.
class ReportSpeech {
public:
    // The voice of one sentence in kana, without a pause around it.
    static Result<std::vector<std::int16_t>> Speak(std::string_view kana, ReadingPace pace, std::stop_token stop = {});

    // Every sentence of a kana script with its pause. `progress`, when
    // given, hears (sentences done, sentences in all) after each one.
    static Result<SpokenReport> SpeakScript(const std::vector<ScriptSentence>& kana, ReadingPace pace,
                                            std::stop_token stop = {},
                                            const std::function<void(int, int)>& progress = {});

    // Samples a second of what Speak gives (eSpeak NG's 22050), or a
    // failure when the engine or its Japanese voice cannot be started.
    static Result<int> SampleRate();

    // The pause after a sentence: longer where the next one starts another
    // part of the report (or the report ends).
    static double PauseSeconds(bool partEnds, ReadingPace pace);
};

inline constexpr std::string_view kSpeechStopped = "読み上げを中止しました";

}  // namespace isobra
