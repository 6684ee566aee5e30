// Speech through eSpeak NG, on a short report (a whole one takes seconds).
#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include "model/StationTable.h"
#include "report/ReportScript.h"
#include "speech/ReportSpeech.h"

namespace isobra {
namespace {

std::vector<ScriptSentence> ShortReport() {
    ObservationSet set;
    InitStationTable(set);
    set.land(0) = {0, 3, 1, 1012, 25};
    set.land(6) = {2, 5, 4, 1003, -2};
    return MakeReportScript(set, ScriptForm::Kana);
}

double Rms(const std::vector<std::int16_t>& samples, std::size_t begin, std::size_t end) {
    double sum = 0;
    for (std::size_t i = begin; i < end; ++i) sum += double(samples[i]) * samples[i];
    return end > begin ? std::sqrt(sum / double(end - begin)) : 0.0;
}

// At the broadcast's pace a land station and its pause take about 7
// seconds; slower paces take longer, the sentences follow one another
// without a gap, and between the voices there is silence.
TEST(ReportSpeech, AShortReportIsVoicedAndGrowsAsThePaceSlows) {
    const std::vector<ScriptSentence> script = ShortReport();
    ASSERT_EQ(script.size(), 3u);
    double previous = 1e9;
    for (ReadingPace pace : kReadingPaces) {
        const Result<SpokenReport> spoken = ReportSpeech::SpeakScript(script, pace);
        ASSERT_TRUE(spoken) << spoken.message();
        ASSERT_EQ(spoken->sentences.size(), script.size());
        std::size_t at = 0;
        for (const SpokenSentence& s : spoken->sentences) {
            const int index = static_cast<int>(&s - spoken->sentences.data());
            EXPECT_EQ(spoken->SentenceAt(s.begin), index);
            EXPECT_EQ(spoken->SentenceAt(s.next - 1), index);
            EXPECT_EQ(s.begin, at);
            EXPECT_LT(s.begin, s.end);
            EXPECT_LT(s.end, s.next);
            EXPECT_GT(Rms(spoken->samples, s.begin, s.end), 1000.0);
            EXPECT_EQ(Rms(spoken->samples, s.end, s.next), 0.0);
            at = s.next;
        }
        EXPECT_EQ(at, spoken->samples.size());
        EXPECT_LT(spoken->Seconds(), previous * 0.9) << PaceText(pace);
        previous = spoken->Seconds();
        if (pace == ReadingPace::Broadcast) {
            const SpokenSentence& ishigaki = spoken->sentences[1];
            const double seconds = double(ishigaki.next - ishigaki.begin) / spoken->sampleRate;
            EXPECT_GT(seconds, 6.0);
            EXPECT_LT(seconds, 8.0);
        }
    }
}

// The engine is one for the process: workers that speak at once each get
// the whole sentence, as one alone gets it. (Not the same samples: the
// voice's pitch flutter runs on from one sentence to the next.)
TEST(ReportSpeech, WorkersSpeakingAtOnceGetWhatOneAloneGets) {
    const std::string sentence = ShortReport()[1].text;
    const Result<std::vector<std::int16_t>> alone = ReportSpeech::Speak(sentence, ReadingPace::Fast);
    ASSERT_TRUE(alone);
    std::vector<Result<std::vector<std::int16_t>>> results(3, Result<std::vector<std::int16_t>>::Fail(""));
    {
        std::vector<std::jthread> workers;
        for (auto& result : results)
            workers.emplace_back([&result, &sentence] { result = ReportSpeech::Speak(sentence, ReadingPace::Fast); });
    }
    for (const auto& result : results) {
        ASSERT_TRUE(result);
        EXPECT_NEAR(double(result->size()), double(alone->size()), 0.02 * double(alone->size()));
    }

    std::stop_source stop;
    stop.request_stop();
    const Result<SpokenReport> stopped = ReportSpeech::SpeakScript(ShortReport(), ReadingPace::Fast, stop.get_token());
    EXPECT_EQ(stopped.message(), kSpeechStopped);
}

}  // namespace
}  // namespace isobra
