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
#include "report/SpokenReport.h"

namespace isobra {

// The report read aloud by eSpeak NG's Japanese voice, into memory (no
// sound device is opened).
//
// At the broadcast's pace the voice reads about 135 words a minute (a land
// station takes about 6 seconds) and pauses after each sentence as
// PauseSeconds says; the slow and the fast pace scale both, speech and
// pauses.
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
};

inline constexpr std::string_view kSpeechStopped = "読み上げを中止しました";

}  // namespace isobra
