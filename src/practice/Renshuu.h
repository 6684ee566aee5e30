#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

#include "practice/AudioOutput.h"
#include "practice/PracticeData.h"
#include "practice/SoundModule.h"
#include "report/ReadingPace.h"
#include "report/SpeechStream.h"

class QButtonGroup;
class QLabel;
class QProgressBar;
class QPushButton;

namespace isobra {

class AppState;
class PracticeHost;
class Prompts;
class ReportPlayer;
class Saiten;

// "聞き取りの練習": a saved report read aloud while the user takes it down in
// the entry windows, then the score. The file is chosen and read whole
// first; "開　始" empties the entry lists and starts the voice, which the
// buttons or F5 (pause, resume) and F6 (stop) control from any window of
// the program. At the end, or on "採　点", the score window opens.
class Renshuu : public QWidget {
    Q_OBJECT

public:
    // What the user typed is read from `state`; `host` empties it and saves
    // files.
    Renshuu(const AppState& state, Prompts& prompts, PracticeHost& host, QWidget* parent = nullptr);
    ~Renshuu() override;

    // Where the voice goes: the sound module's device unless set otherwise.
    void SetAudioOutputs(AudioOutputFactory outputs);
    // The sound module loaded from this file rather than from beside the
    // program.
    void SetSoundModule(const QString& file);

    void ChooseFile();  // "ﾌｧｲﾙ選択"
    // The report to be read: the file read whole, or (after telling the user
    // why not) the one chosen before.
    bool TakeFile(const QString& path);
    void Start();          // "開　始"
    void PauseOrResume();  // "一時停止" and "再　開"
    void Stop();           // "停　止"
    void ShowScore();      // "採　点"

    ReadingPace pace() const;
    void SetPace(ReadingPace pace);
    ReportPlayer* player() const { return player_; }
    Saiten* scoreWindow() const;
    // While the report is being saved as a WAV file.
    bool SavingWave() const { return wave_ != nullptr; }

protected:
    // Closing the window ends the practice.
    void closeEvent(QCloseEvent* event) override;

private:
    // Where no sound device can be opened: the report as a WAV file instead.
    void OfferWave(SoundKit& kit, int sampleRate);
    void CheckWave();
    void OnProgress(double position);
    void OnFinished();
    void ShowState();
    QPushButton* AddButton(const char* name, const QString& caption, void (Renshuu::*handler)());

    const AppState& state_;
    Prompts& prompts_;
    PracticeHost& host_;
    AudioOutputFactory outputs_;
    SoundModule sound_;

    std::optional<PracticeReport> report_;     // the file chosen
    std::optional<PracticeReport> practised_;  // the report last read aloud
    ReportPlayer* player_ = nullptr;
    QPointer<Saiten> saiten_;
    std::unique_ptr<SpeechStream> wave_;  // the report being made for a WAV file
    QString wavePath_;
    QTimer waveTimer_;

    QLabel* lblFile_ = nullptr;
    QLabel* lblJoutai_ = nullptr;
    QButtonGroup* pace_ = nullptr;
    QProgressBar* barSinkou_ = nullptr;
    QPushButton* cmdFile_ = nullptr;
    QPushButton* cmdStart_ = nullptr;
    QPushButton* cmdPause_ = nullptr;
    QPushButton* cmdStop_ = nullptr;
    QPushButton* cmdSaiten_ = nullptr;
};

}  // namespace isobra
