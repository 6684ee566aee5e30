// The module the practice loads for its voice and its sound device: eSpeak
// NG and Qt Multimedia are linked here and nowhere in the window program.
#include <QtGlobal>
#include <memory>

#include "practice/SoundKit.h"
#include "sound/QtAudioOutput.h"
#include "speech/ReportSpeech.h"

namespace isobra {

namespace {

class SystemSoundKit : public SoundKit {
public:
    Result<int> SampleRate() override { return ReportSpeech::SampleRate(); }
    Result<std::vector<std::int16_t>> Speak(std::string_view kana, ReadingPace pace, std::stop_token stop) override {
        return ReportSpeech::Speak(kana, pace, std::move(stop));
    }
    std::unique_ptr<AudioOutput> MakeOutput() override { return std::make_unique<QtAudioOutput>(); }
};

}  // namespace

}  // namespace isobra

extern "C" Q_DECL_EXPORT isobra::SoundKit* isobra_sound_kit(int version) {
    static isobra::SystemSoundKit kit;
    return version == isobra::kSoundKitVersion ? &kit : nullptr;
}
