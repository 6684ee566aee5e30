// The player between the speaking thread and the sound device, with a
// stand-in voice (each sentence a run of its own sample value) and the
// fake device.
#include <QSignalSpy>
#include <QtTest>
#include <condition_variable>
#include <mutex>

#include "practice/ReportPlayer.h"
#include "report/SpeechStream.h"
#include "support/FakeSpeaker.h"

using namespace isobra;

namespace {

constexpr int kRate = 1000;  // samples a second: pauses of 800 and 2000 samples
constexpr int kVoice = 100;  // samples of each sentence's voice
constexpr int kHeldAt = 3;   // the sentence the voice waits at until let go

// Sentence i says "i+1"; the ship's heading starts a part, so the land
// sentence before it has the long pause.
const std::vector<ScriptSentence> kScript = {{ScriptPart::Heading, 0, 0, "1"},
                                             {ScriptPart::Land, 0, 1, "2"},
                                             {ScriptPart::Land, 6, 1, "3"},
                                             {ScriptPart::Heading, 0, 0, "4"},
                                             {ScriptPart::Ship, 0, 1, "5"}};

// A voice that stops at sentence kHeldAt until let go, and gives up when
// asked to stop meanwhile.
class HeldVoice {
public:
    SpeechStream::Speak Speaker() {
        return [this](std::string_view kana, ReadingPace, std::stop_token stop) -> Result<std::vector<std::int16_t>> {
            const int value = std::stoi(std::string(kana));
            if (value == kHeldAt) {
                std::unique_lock lock(mutex_);
                if (!released_.wait(lock, stop, [this] { return let_; }))
                    return Result<std::vector<std::int16_t>>::Fail("stopped");
            }
            return std::vector<std::int16_t>(kVoice, static_cast<std::int16_t>(value));
        };
    }
    void LetGo() {
        std::lock_guard lock(mutex_);
        let_ = true;
        released_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable_any released_;
    bool let_ = false;
};

// What the device should hear of sentences [0, n): each voice, then its pause.
QByteArray Expected(int n) {
    std::vector<std::int16_t> samples;
    for (int i = 0; i < n; ++i) {
        samples.insert(samples.end(), kVoice, static_cast<std::int16_t>(i + 1));
        const bool partEnds = i + 1 == static_cast<int>(kScript.size()) || kScript[i + 1].part == ScriptPart::Heading;
        samples.insert(samples.end(), partEnds ? 2 * kRate : 8 * kRate / 10, 0);
    }
    return QByteArray(reinterpret_cast<const char*>(samples.data()), static_cast<qsizetype>(samples.size() * 2));
}

}  // namespace

class ReportPlayerTest : public QObject {
    Q_OBJECT

private:
    test::FakeSpeaker speaker_;
    std::unique_ptr<HeldVoice> voice_;

    std::unique_ptr<ReportPlayer> MakePlayer() {
        speaker_.capacity = 1 << 20;
        std::unique_ptr<AudioOutput> output = speaker_.Outputs()();
        output->Open(kRate);
        return std::make_unique<ReportPlayer>(
            std::make_unique<SpeechStream>(kScript, ReadingPace::Broadcast, kRate, voice_->Speaker()),
            std::move(output));
    }

private slots:
    void init() { voice_ = std::make_unique<HeldVoice>(); }

    // The voice starts while later sentences are still being made, and the
    // device hears every sentence in order with its pause, then the end.
    void playsWhatIsReadyInOrderUntilTheEnd() {
        auto player = MakePlayer();
        QSignalSpy progressed(player.get(), &ReportPlayer::progressed);
        QSignalSpy finished(player.get(), &ReportPlayer::finished);

        // Two sentences are ready, the third is held: they are played already.
        QTRY_COMPARE(speaker_.heard, Expected(2));
        speaker_.Play(2 * 1350);  // the first sentence is 900 samples with its pause, the second as long
        QTRY_COMPARE(player->Position(), 1.5);
        QCOMPARE(player->SentencesHeard(), 2);
        QCOMPARE(player->state(), ReportPlayer::State::Playing);

        voice_->LetGo();
        QTRY_COMPARE(speaker_.heard, Expected(5));
        QVERIFY(finished.isEmpty());
        speaker_.Play(speaker_.heard.size());
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(player->state(), ReportPlayer::State::Finished);
        QCOMPARE(player->Position(), 5.0);
        QVERIFY(speaker_.stopped);
        double last = 0;
        for (const QList<QVariant>& signal : progressed) {
            QVERIFY(signal[0].toDouble() >= last);
            last = signal[0].toDouble();
        }
    }

    // Paused, the device plays nothing and the position stays; stopped, the
    // voice gives up the sentence it waits at, and no end is told.
    void pauseResumeAndStop() {
        auto player = MakePlayer();
        QSignalSpy finished(player.get(), &ReportPlayer::finished);
        QTRY_COMPARE(speaker_.heard, Expected(2));

        player->Pause();
        QVERIFY(speaker_.paused);
        speaker_.Play(1000);
        QTest::qWait(50);
        QCOMPARE(player->Position(), 0.0);
        player->Resume();
        speaker_.Play(kVoice * 2);
        QTRY_COMPARE(player->SentencesHeard(), 1);

        const double position = player->Position();
        player->Stop();  // waits for the held voice to give up
        QCOMPARE(player->state(), ReportPlayer::State::Stopped);
        QVERIFY(speaker_.stopped);
        QCOMPARE(player->Position(), position);
        player->Resume();
        QCOMPARE(player->state(), ReportPlayer::State::Stopped);
        QTest::qWait(50);
        QVERIFY(finished.isEmpty());
    }
};

QTEST_MAIN(ReportPlayerTest)
#include "ReportPlayerTest.moc"
