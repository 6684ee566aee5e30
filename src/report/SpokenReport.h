#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "report/ReadingPace.h"

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

// The pause after a sentence: 0.8 seconds at the broadcast's pace, 2 seconds
// where the next one starts another part of the report (or the report
// ends); the slow and the fast pace scale it as they scale the voice.
double PauseSeconds(bool partEnds, ReadingPace pace);

}  // namespace isobra
