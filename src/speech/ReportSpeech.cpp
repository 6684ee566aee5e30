#include "speech/ReportSpeech.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <string>

namespace isobra {

namespace {

// Words a minute at the broadcast's pace; the others scale it.
constexpr double kBroadcastRate = 190.0;

// The engine's state is global: one lock for every call into it.
std::mutex& EngineLock() {
    static std::mutex lock;
    return lock;
}

struct Collecting {
    std::vector<std::int16_t>* samples = nullptr;
    std::stop_token stop;
};
Collecting* collecting = nullptr;  // while a sentence is synthesised, under the lock

int Collect(short* wav, int count, espeak_EVENT*) {
    if (!collecting) return 1;
    if (collecting->stop.stop_requested()) return 1;
    if (wav && count > 0) collecting->samples->insert(collecting->samples->end(), wav, wav + count);
    return 0;
}

// Starts the engine once; its sample rate, or why it could not start.
// Call under the lock.
Result<int> Started() {
    static Result<int> started = [] {
        const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate <= 0) return Result<int>::Fail("音声合成を始められませんでした（espeak-ng のデータが見つかりません）");
        espeak_SetSynthCallback(Collect);
        if (espeak_SetVoiceByName("ja") != EE_OK)
            return Result<int>::Fail("音声合成を始められませんでした（espeak-ng に日本語の声がありません）");
        return Result<int>(rate);
    }();
    return started;
}

int RateFor(ReadingPace pace) { return static_cast<int>(std::lround(kBroadcastRate * PaceFactor(pace))); }

}  // namespace

Result<std::vector<std::int16_t>> ReportSpeech::Speak(std::string_view kana, ReadingPace pace, std::stop_token stop) {
    const std::lock_guard lock(EngineLock());
    const Result<int> started = Started();
    if (!started) return started.failure();
    std::vector<std::int16_t> samples;
    Collecting job{&samples, stop};
    collecting = &job;
    espeak_SetParameter(espeakRATE, RateFor(pace), 0);
    const std::string text(kana);
    const espeak_ERROR error =
        espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    collecting = nullptr;
    if (stop.stop_requested()) return Result<std::vector<std::int16_t>>::Fail(std::string(kSpeechStopped));
    if (error != EE_OK) return Result<std::vector<std::int16_t>>::Fail("音声を合成できませんでした");
    return samples;
}

Result<SpokenReport> ReportSpeech::SpeakScript(const std::vector<ScriptSentence>& kana, ReadingPace pace,
                                               std::stop_token stop, const std::function<void(int, int)>& progress) {
    const Result<int> rate = SampleRate();
    if (!rate) return rate.failure();
    SpokenReport report;
    report.sampleRate = *rate;
    const int total = static_cast<int>(kana.size());
    for (int i = 0; i < total; ++i) {
        const Result<std::vector<std::int16_t>> voice = Speak(kana[static_cast<std::size_t>(i)].text, pace, stop);
        if (!voice) return voice.failure();
        SpokenSentence sentence;
        sentence.begin = report.samples.size();
        report.samples.insert(report.samples.end(), voice->begin(), voice->end());
        sentence.end = report.samples.size();
        const bool partEnds = i + 1 == total || kana[static_cast<std::size_t>(i + 1)].part == ScriptPart::Heading;
        const auto pause = static_cast<std::size_t>(std::lround(PauseSeconds(partEnds, pace) * report.sampleRate));
        report.samples.resize(report.samples.size() + pause, 0);
        sentence.next = report.samples.size();
        report.sentences.push_back(sentence);
        if (progress) progress(i + 1, total);
    }
    return report;
}

Result<int> ReportSpeech::SampleRate() {
    const std::lock_guard lock(EngineLock());
    return Started();
}

}  // namespace isobra
