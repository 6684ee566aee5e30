#pragma once

#include <QObject>
#include <QTimer>
#include <cstddef>
#include <memory>
#include <vector>

#include "practice/AudioOutput.h"
#include "report/SpokenReport.h"

namespace isobra {

class SpeechStream;

// Plays a report while it is still being spoken: the stream makes the
// sentences on its thread, and every few milliseconds the player hands the
// output what is ready and the output can take, so the voice starts as soon
// as the first sentence is made and the window goes on taking keys.
class ReportPlayer : public QObject {
    Q_OBJECT

public:
    enum class State { Playing, Paused, Stopped, Finished };

    // `output` is open at the stream's sample rate.
    ReportPlayer(std::unique_ptr<SpeechStream> stream, std::unique_ptr<AudioOutput> output, QObject* parent = nullptr);
    ~ReportPlayer() override;

    State state() const { return state_; }
    void Pause();
    void Resume();
    // Silent at once, the speaking given up; the position stays.
    void Stop();

    int sentenceCount() const { return sentenceCount_; }
    // Where the voice is, in sentences: 2.5 is halfway through the third
    // (its voice and the pause after it); sentenceCount() at the end.
    double Position() const;
    // The sentences heard to the end of their voice.
    int SentencesHeard() const;

signals:
    // The position moved.
    void progressed(double position);
    // The last pause has been played.
    void finished();
    // The report could not be spoken; the player has stopped.
    void failed(const QString& reason);

private:
    void Pump();
    void Fetch();
    void End(State state);

    std::unique_ptr<SpeechStream> stream_;
    std::unique_ptr<AudioOutput> output_;
    QTimer pump_;
    State state_ = State::Playing;
    int sentenceCount_ = 0;
    std::vector<SpokenSentence> sentences_;  // those ready, as far as fetched
    std::size_t ready_ = 0;                  // samples ready
    bool allReady_ = false;
    std::size_t written_ = 0;  // samples handed to the output
    std::size_t played_ = 0;   // samples heard
};

}  // namespace isobra
