#include "practice/Renshuu.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "practice/PracticeHost.h"
#include "practice/ReportPlayer.h"
#include "practice/Saiten.h"
#include "practice/SoundKit.h"
#include "report/PracticeScore.h"
#include "report/WaveFile.h"
#include "widgets/Fonts.h"
#include "widgets/Prompts.h"
#include "widgets/QtText.h"
#include "widgets/WindowPlacement.h"

namespace isobra {

namespace {

// The bar moves in thousandths of a sentence.
constexpr int kBarSteps = 1000;
constexpr int kWaveCheckMs = 100;

const char* const kTitle = "聞き取りの練習";

QString FileName(const QString& path) { return QFileInfo(path).fileName(); }

// The kit lives as long as the process, so the stream may keep it.
SpeechStream::Speak SpeakerOf(SoundKit& kit) {
    return [&kit](std::string_view kana, ReadingPace pace, std::stop_token stop) {
        return kit.Speak(kana, pace, std::move(stop));
    };
}

}  // namespace

Renshuu::Renshuu(const AppState& state, Prompts& prompts, PracticeHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), prompts_(prompts), host_(host) {
    setObjectName(QStringLiteral("Renshuu"));
    setWindowTitle(QString::fromUtf8(kTitle));
    setFont(GothicFont(12));

    auto* layout = new QVBoxLayout(this);
    auto* fileRow = new QHBoxLayout;
    lblFile_ = new QLabel(this);
    lblFile_->setObjectName(QStringLiteral("lblFile"));
    lblFile_->setMinimumWidth(300);
    fileRow->addWidget(lblFile_, 1);
    cmdFile_ = AddButton("cmdFile", QStringLiteral("ﾌｧｲﾙ選択"), &Renshuu::ChooseFile);
    fileRow->addWidget(cmdFile_);
    layout->addLayout(fileRow);

    auto* paceRow = new QHBoxLayout;
    paceRow->addWidget(new QLabel(QStringLiteral("速さ："), this));
    pace_ = new QButtonGroup(this);
    const QString paceCaptions[] = {QStringLiteral("0.75倍"), QStringLiteral("1倍"), QStringLiteral("1.25倍")};
    for (int i = 0; i < static_cast<int>(kReadingPaces.size()); ++i) {
        auto* option = new QRadioButton(paceCaptions[i], this);
        option->setObjectName(QStringLiteral("optHayasa%1").arg(i));
        pace_->addButton(option, i);
        paceRow->addWidget(option);
    }
    paceRow->addStretch(1);
    layout->addLayout(paceRow);
    SetPace(ReadingPace::Broadcast);

    auto* buttons = new QHBoxLayout;
    cmdStart_ = AddButton("cmdStart", QStringLiteral("開　始"), &Renshuu::Start);
    cmdPause_ = AddButton("cmdPause", QString(), &Renshuu::PauseOrResume);
    cmdStop_ = AddButton("cmdStop", QStringLiteral("停　止(F6)"), &Renshuu::Stop);
    cmdSaiten_ = AddButton("cmdSaiten", QStringLiteral("採　点"), &Renshuu::ShowScore);
    for (QPushButton* b : {cmdStart_, cmdPause_, cmdStop_, cmdSaiten_}) buttons->addWidget(b);
    layout->addLayout(buttons);

    barSinkou_ = new QProgressBar(this);
    barSinkou_->setObjectName(QStringLiteral("barSinkou"));
    barSinkou_->setTextVisible(false);
    layout->addWidget(barSinkou_);
    lblJoutai_ = new QLabel(this);
    lblJoutai_->setObjectName(QStringLiteral("lblJoutai"));
    layout->addWidget(lblJoutai_);

    // From every window of the program, so the user can stay in the entry
    // window while listening.
    const struct {
        const char* name;
        Qt::Key key;
        void (Renshuu::*handler)();
    } keys[] = {{"actPause", Qt::Key_F5, &Renshuu::PauseOrResume}, {"actStop", Qt::Key_F6, &Renshuu::Stop}};
    for (const auto& k : keys) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromUtf8(k.name));
        action->setShortcut(QKeySequence(k.key));
        action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, this, k.handler);
        addAction(action);
    }

    waveTimer_.setInterval(kWaveCheckMs);
    connect(&waveTimer_, &QTimer::timeout, this, &Renshuu::CheckWave);
    ShowState();
}

Renshuu::~Renshuu() {
    // The player's stream and the WAV's stop their threads as they go.
    delete player_;
    wave_.reset();
    delete saiten_.data();
}

QPushButton* Renshuu::AddButton(const char* name, const QString& caption, void (Renshuu::*handler)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromUtf8(name));
    // Return presses the button that has the focus, as Space does.
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void Renshuu::SetAudioOutputs(AudioOutputFactory outputs) { outputs_ = std::move(outputs); }

void Renshuu::SetSoundModule(const QString& file) { sound_ = SoundModule(file); }

ReadingPace Renshuu::pace() const {
    const int id = pace_->checkedId();
    return id >= 0 ? kReadingPaces[static_cast<std::size_t>(id)] : ReadingPace::Broadcast;
}

void Renshuu::SetPace(ReadingPace pace) {
    for (std::size_t i = 0; i < kReadingPaces.size(); ++i)
        if (kReadingPaces[i] == pace) pace_->button(static_cast<int>(i))->setChecked(true);
}

void Renshuu::ChooseFile() {
    const std::optional<FileChoice> chosen =
        prompts_.ChooseFile({QString::fromUtf8(kTitle), QStringLiteral("*.dat"), FileRequest::Purpose::Open});
    if (chosen) TakeFile(chosen->path);
}

bool Renshuu::TakeFile(const QString& path) {
    Result<PracticeReport> read = ReadPracticeReport(path);
    if (!read) {
        prompts_.Inform(QString::fromUtf8(kProgramTitle), ToQ(read.message()), Prompts::Icon::Warning);
        return false;
    }
    report_ = std::move(*read);
    ShowState();
    return true;
}

void Renshuu::Start() {
    if (!report_ || SavingWave() ||
        (player_ &&
         (player_->state() == ReportPlayer::State::Playing || player_->state() == ReportPlayer::State::Paused)))
        return;
    const QString title = QString::fromUtf8(kTitle);
    if (report_->kana.empty()) {
        prompts_.Inform(title, QStringLiteral("「%1」には読み上げるデータがありません。").arg(FileName(report_->path)));
        return;
    }
    const Result<SoundKit*> kit = sound_.Kit();
    if (!kit) {
        prompts_.Inform(title, ToQ(kit.message()), Prompts::Icon::Warning);
        return;
    }
    const Result<int> rate = (*kit)->SampleRate();
    if (!rate) {
        prompts_.Inform(title, ToQ(rate.message()), Prompts::Icon::Warning);
        return;
    }
    std::unique_ptr<AudioOutput> output = outputs_ ? outputs_() : (*kit)->MakeOutput();
    if (!output || !output->Open(*rate)) {
        OfferWave(**kit, *rate);
        return;
    }
    if (!host_.MayReplaceObservations()) return;
    host_.EmptyObservations(report_->data.stationNames);

    // The score of the last practice goes with it; the next one holds what
    // was typed against this report, whatever file is chosen meanwhile.
    delete saiten_.data();
    practised_ = report_;
    delete player_;
    player_ = new ReportPlayer(std::make_unique<SpeechStream>(report_->kana, pace(), *rate, SpeakerOf(**kit)),
                               std::move(output), this);
    connect(player_, &ReportPlayer::progressed, this, &Renshuu::OnProgress);
    connect(player_, &ReportPlayer::finished, this, &Renshuu::OnFinished);
    connect(player_, &ReportPlayer::failed, this, [this](const QString& reason) {
        ShowState();
        prompts_.Inform(QString::fromUtf8(kTitle), reason, Prompts::Icon::Warning);
    });
    ShowState();
}

void Renshuu::PauseOrResume() {
    if (!player_) return;
    if (player_->state() == ReportPlayer::State::Playing)
        player_->Pause();
    else
        player_->Resume();
    ShowState();
}

void Renshuu::Stop() {
    if (wave_) {
        wave_.reset();
        waveTimer_.stop();
        ShowState();
        lblJoutai_->setText(QStringLiteral("WAVファイルの保存をやめました。"));
        return;
    }
    if (!player_) return;
    player_->Stop();
    ShowState();
}

void Renshuu::OfferWave(SoundKit& kit, int sampleRate) {
    const QString title = QString::fromUtf8(kTitle);
    if (!prompts_.AskYesNo(title, QStringLiteral("音を出す装置が見つかりません。\r\n"
                                                 "読み上げをWAVファイルに保存しますか？"))) {
        return;
    }
    const std::optional<QString> path =
        host_.AskSavePath(QStringLiteral("読み上げの保存"), QStringLiteral("*.wav"), ".WAV");
    if (!path) return;
    wavePath_ = *path;
    wave_ = std::make_unique<SpeechStream>(report_->kana, pace(), sampleRate, SpeakerOf(kit));
    waveTimer_.start();
    ShowState();
}

void Renshuu::CheckWave() {
    if (!wave_) return;
    const SpeechStream::Ready ready = wave_->Status();
    barSinkou_->setRange(0, std::max(1, wave_->sentenceCount()));
    barSinkou_->setValue(static_cast<int>(ready.sentences));
    lblJoutai_->setText(
        QStringLiteral("WAVファイルを作っています　%1／%2").arg(ready.sentences).arg(wave_->sentenceCount()));
    if (!ready.done) return;
    waveTimer_.stop();
    const SpokenReport spoken = wave_->Report();
    wave_.reset();
    ShowState();
    if (!ready.failure.empty()) {
        prompts_.Inform(QString::fromUtf8(kTitle), ToQ(ready.failure), Prompts::Icon::Warning);
        return;
    }
    if (host_.WriteFile(wavePath_, WaveFileBytes(spoken.samples, spoken.sampleRate)))
        lblJoutai_->setText(QStringLiteral("「%1」に保存しました。").arg(FileName(wavePath_)));
}

void Renshuu::OnProgress(double position) {
    barSinkou_->setValue(static_cast<int>(std::lround(position * kBarSteps)));
    ShowState();
}

void Renshuu::OnFinished() {
    ShowState();
    ShowScore();
}

void Renshuu::ShowScore() {
    if (!player_ || !practised_) return;
    player_->Stop();
    ShowState();
    const Result<ObservationFileData> typed = TypedData(state_);
    if (!typed) {
        prompts_.Inform(QString::fromUtf8(kTitle), ToQ(typed.message()), Prompts::Icon::Warning);
        return;
    }
    const int heard =
        player_->state() == ReportPlayer::State::Finished ? player_->sentenceCount() : player_->SentencesHeard();
    PracticeResult result;
    result.score =
        ScorePractice(ReadSoFar(practised_->observations, practised_->written, heard), ObservationsOf(*typed));
    result.typed = *typed;
    result.report = practised_->data;
    result.reportName = FileName(practised_->path);
    result.heard = heard;
    result.sentences = player_->sentenceCount();
    delete saiten_.data();
    saiten_ = new Saiten(state_, std::move(result), parentWidget());
    ShowBesideMainWindow(saiten_, parentWidget());
}

Saiten* Renshuu::scoreWindow() const { return saiten_.data(); }

void Renshuu::closeEvent(QCloseEvent* event) {
    Stop();
    QWidget::closeEvent(event);
}

void Renshuu::ShowState() {
    const bool saving = SavingWave();
    const ReportPlayer::State state = player_ ? player_->state() : ReportPlayer::State::Stopped;
    const bool running = player_ && (state == ReportPlayer::State::Playing || state == ReportPlayer::State::Paused);
    const bool busy = running || saving;

    lblFile_->setText(report_
                          ? QStringLiteral("ﾌｧｲﾙ：%1（%2文）").arg(FileName(report_->path)).arg(report_->kana.size())
                          : QStringLiteral("ﾌｧｲﾙ：（練習に使う観測データを選んでください）"));
    cmdFile_->setEnabled(!busy);
    for (QAbstractButton* option : pace_->buttons()) option->setEnabled(!busy);
    cmdStart_->setEnabled(report_.has_value() && !busy);
    cmdPause_->setEnabled(running);
    cmdPause_->setText(state == ReportPlayer::State::Paused && running ? QStringLiteral("再　開(F5)")
                                                                       : QStringLiteral("一時停止(F5)"));
    cmdStop_->setEnabled(busy);
    cmdSaiten_->setEnabled(player_ != nullptr && !saving);
    if (saving) return;  // CheckWave tells how far it is

    if (!player_) {
        barSinkou_->setRange(0, 1);
        barSinkou_->setValue(0);
        if (report_) lblJoutai_->setText(QStringLiteral("「開　始」で読み上げが始まります。"));
        return;
    }
    const int count = player_->sentenceCount();
    barSinkou_->setRange(0, std::max(1, count) * kBarSteps);
    const int sentence = std::min(count, static_cast<int>(player_->Position()) + 1);
    const QString where = QStringLiteral("　%1／%2").arg(sentence).arg(count);
    switch (state) {
        case ReportPlayer::State::Playing:
            lblJoutai_->setText(QStringLiteral("読み上げ中") + where);
            break;
        case ReportPlayer::State::Paused:
            lblJoutai_->setText(QStringLiteral("一時停止中") + where);
            break;
        case ReportPlayer::State::Stopped:
            lblJoutai_->setText(QStringLiteral("読み上げを止めました") + where);
            break;
        case ReportPlayer::State::Finished:
            lblJoutai_->setText(QStringLiteral("読み上げが終わりました。"));
            break;
    }
}

}  // namespace isobra
