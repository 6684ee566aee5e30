#pragma once

#include <cstdint>
#include <memory>
#include <stop_token>
#include <string_view>
#include <vector>

#include "model/Result.h"
#include "practice/AudioOutput.h"
#include "report/ReadingPace.h"

namespace isobra {

// The practice's voice and sound device. They live in a module of their own
// beside the program (SoundModule loads it), so that the voice engine, Qt
// Multimedia and the sound libraries under them are read into memory only
// when a practice first needs them.
class SoundKit {
public:
    virtual ~SoundKit() = default;

    // Samples a second of the voice, or why the engine cannot start.
    virtual Result<int> SampleRate() = 0;
    // The voice of one sentence in kana, without a pause around it; any
    // thread may call. A stop request ends it early, as a failure.
    virtual Result<std::vector<std::int16_t>> Speak(std::string_view kana, ReadingPace pace, std::stop_token stop) = 0;
    // The system's default sound device, not yet open.
    virtual std::unique_ptr<AudioOutput> MakeOutput() = 0;
};

// The module's one export, by this name: its kit, which lives as long as the
// process, or null when the module was built for another version of this
// interface.
using SoundKitEntry = SoundKit* (*)(int version);
inline constexpr char kSoundKitEntry[] = "isobra_sound_kit";
// Raised whenever SoundKit or AudioOutput changes.
inline constexpr int kSoundKitVersion = 1;

}  // namespace isobra
