// The listening practice through the menu, as the user goes through it:
// a short saved report, the voice into the fake sound device, the land
// entry window typed into while it plays, and the score.
#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <memory>

#include "app/Commands.h"
#include "entry/EditLineList.h"
#include "entry/Tenki1.h"
#include "model/FileAccess.h"
#include "model/ObservationFile.h"
#include "model/StationTable.h"
#include "practice/PracticeData.h"
#include "practice/Renshuu.h"
#include "practice/ReportPlayer.h"
#include "practice/Saiten.h"
#include "practice/Seikai.h"
#include "support/FakeSpeaker.h"
#include "support/MainWindowFixture.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"
#include "support/TypistKit.h"
#include "widgets/QImageCanvas.h"

using namespace isobra;
using namespace typist;

namespace {

const LandReport kIshigaki{0, 3, 1, 1012, 25};  // 北, 3, 晴れ
const LandReport kIzuhara{2, 5, 4, 1003, -2};
const ShipReport kShip{30, 135, 8, 4, 2, 1008};

// 石垣島 and 厳原, one ship: five sentences with the two headings.
ObservationSet ShortReport() {
    ObservationSet set;
    InitStationTable(set);
    set.SetStationCount(kBuiltInStationCount);
    set.land(0) = kIshigaki;
    set.land(6) = kIzuhara;
    set.SetShipCount(1);
    set.ship(0) = kShip;
    return set;
}

ObservationFileData DataOf(const ObservationSet& set) { return *ParseObservationFile(*WriteObservationFile(set)); }

QString Cell(QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

// A tally row: "right/wrong/missed".
QString Tally(QTableWidget* table, ScoreField field) {
    const int row = static_cast<int>(field);
    return Cell(table, row, 1) + "/" + Cell(table, row, 2) + "/" + Cell(table, row, 3);
}

}  // namespace

class RenshuuTest : public QObject, public test::MainWindowFixture {
    Q_OBJECT

private:
    std::unique_ptr<test::TemporaryHome> home_;
    std::unique_ptr<test::FakeSpeaker> speaker_;
    QString report_;

    Renshuu* Practice() { return window_->commands().practice.practiceWindow(); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(Practice(), name); }
    ReportPlayer* Player() { return Practice()->player(); }

    // The window from the menu, the short report chosen, at 1.25x.
    void OpenWithReport() {
        window_->menuAction(QStringLiteral("cntRenshuu"))->trigger();
        QVERIFY(Practice() && Practice()->isVisible());
        prompts_->fileAnswers.push_back(report_);
        QTest::mouseClick(Button("cmdFile"), Qt::LeftButton);
        QCOMPARE(prompts_->fileRequests.back().pattern, QStringLiteral("*.dat"));
        QVERIFY(Button("cmdStart")->isEnabled());
        Practice()->SetPace(ReadingPace::Fast);
    }

    // Plays until `sentences` have been heard to the end of their voice.
    void PlayUntilHeard(int sentences) {
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                speaker_->Play(4000);
                return Player()->SentencesHeard() >= sentences;
            }(),
            20000);
    }

    bool NothingEntered() const {
        for (int slot = 0; slot < state_->observations.stationCount(); ++slot)
            if (HasReport(state_->observations.land(slot))) return false;
        return state_->observations.shipCount() == 0 && state_->observations.fisheryCount() == 0;
    }

private slots:
    void init() {
        home_ = std::make_unique<test::TemporaryHome>();
        speaker_ = std::make_unique<test::FakeSpeaker>();
        CreateWindowWithFolder();
        window_->commands().practice.SetAudioOutputs(speaker_->Outputs());
        window_->commands().practice.SetSoundModule(QStringLiteral(ISOBRA_SOUND_MODULE));
        report_ = folder_->filePath(QStringLiteral("short.dat"));
        test::WriteAll(report_, QByteArray::fromStdString(*WriteObservationFile(ShortReport())));
    }
    void cleanup() {
        DestroyWindow();
        speaker_.reset();
        home_.reset();
    }

    // Observations typed and saved nowhere are replaced only after a Yes;
    // saved, loaded or none at all, they go without a question. Those that
    // stay stay whole, and nothing is read.
    void startEmptiesTheListsUnlessTheUserKeepsThem_data() {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("started");
        QTest::newRow("nothing entered") << false << false << false << false << true;
        QTest::newRow("as loaded") << true << false << false << false << true;
        QTest::newRow("changed, kept") << true << true << false << true << false;
        QTest::newRow("changed, let go") << true << true << true << true << true;
    }
    void startEmptiesTheListsUnlessTheUserKeepsThem() {
        QFETCH(bool, loaded);
        QFETCH(bool, changed);
        QFETCH(bool, answer);
        QFETCH(bool, asked);
        QFETCH(bool, started);
        window_->commands().recovery.Offer();
        if (loaded) QVERIFY(window_->commands().files.OpenObservationFile(test::kExample));
        if (changed) state_->observations.land(3).pressure = 999;
        const ObservationSet before = state_->observations;
        OpenWithReport();
        prompts_->yesNoAnswers.push_back(answer);
        QTest::mouseClick(Button("cmdStart"), Qt::LeftButton);

        const QString question =
            QStringLiteral("入力したデータはまだ保存されていません。読みこむと消えます。よろしいですか？");
        QCOMPARE(!prompts_->shown.empty() && prompts_->shown.back().text == question, asked);
        QCOMPARE(Player() != nullptr, started);
        if (!started) {
            QCOMPARE(state_->observations.land(3), before.land(3));
            QCOMPARE(state_->observations.shipCount(), before.shipCount());
            return;
        }
        QVERIFY(NothingEntered());
        QCOMPARE(window_->commands().entry.landForm()->RowText(0), QStringLiteral("石垣島"));
        QCOMPARE(window_->commands().entry.landForm()->SelectedRow(), 0);
        QTRY_VERIFY(!speaker_->heard.isEmpty());
        QCOMPARE(speaker_->sampleRate, 22050);
    }

    // Buttons pause, resume and stop the voice; the bar follows it; the
    // score of a practice stopped half-way counts only what was read.
    void pauseResumeStopAndTheScoreSoFar() {
        OpenWithReport();
        QTest::mouseClick(Button("cmdStart"), Qt::LeftButton);
        QVERIFY(!Button("cmdStart")->isEnabled() && !Button("cmdFile")->isEnabled());
        QTRY_VERIFY(!speaker_->heard.isEmpty());

        QTest::mouseClick(Button("cmdPause"), Qt::LeftButton);
        QVERIFY(speaker_->paused);
        QCOMPARE(Button("cmdPause")->text(), QStringLiteral("再　開(F5)"));
        QVERIFY(Find<QLabel>(Practice(), "lblJoutai")->text().startsWith(QStringLiteral("一時停止中")));
        QTest::mouseClick(Button("cmdPause"), Qt::LeftButton);
        QVERIFY(!speaker_->paused);

        PlayUntilHeard(2);  // the heading and 石垣島
        auto* bar = Find<QProgressBar>(Practice(), "barSinkou");
        // In 石垣島's pause: the second fifth of the bar.
        QVERIFY(bar->value() > bar->maximum() / 5 && bar->value() < 2 * bar->maximum() / 5);
        QTest::mouseClick(Button("cmdStop"), Qt::LeftButton);
        QVERIFY(speaker_->stopped);
        QCOMPARE(Player()->state(), ReportPlayer::State::Stopped);
        QVERIFY(Button("cmdStart")->isEnabled());

        QTest::mouseClick(Button("cmdSaiten"), Qt::LeftButton);
        Saiten* score = Practice()->scoreWindow();
        QVERIFY(score && score->isVisible());
        QVERIFY(Find<QLabel>(score, "lblKekka")->text().contains(QStringLiteral("5文のうち読み上げた2文まで")));
        auto* tallies = Find<QTableWidget>(score, "tblSyukei");
        QCOMPARE(Tally(tallies, ScoreField::Pressure), QStringLiteral("0/0/1"));
        QCOMPARE(Tally(tallies, ScoreField::ShipPosition), QStringLiteral("0/0/0"));
    }

    // Typed into the land window while the voice plays, every key lands; F5
    // there pauses and resumes the voice. At the end the score opens by
    // itself.
    void typingWhilePlayingLosesNoKey() {
        OpenWithReport();
        QTest::mouseClick(Button("cmdStart"), Qt::LeftButton);
        speaker_->PlayOnTimer(4);
        window_->commands().entry.ShowLandForm();
        Tenki1* form = window_->commands().entry.landForm();
        ShowActive(form);
        auto* direction = Find<EditLineList>(form, "Huukou");
        auto* weather = Find<EditLineList>(form, "Tenki");
        QTRY_COMPARE(Focused(), direction->editLine());
        QTRY_VERIFY(Player()->Position() > 0);

        const double before = Player()->Position();
        const auto step = [](const std::function<void()>& keys) {
            keys();
            QTest::qWait(20);
        };
        step([&] { ArrowTo(direction, kIshigaki.windDirection); });
        step([] { Tab(); });
        step([] { Type(QStringLiteral("3")); });
        step([] { Press(Qt::Key_F5); });
        QCOMPARE(Player()->state(), ReportPlayer::State::Paused);
        step([] { Tab(); });
        step([&] { ArrowTo(weather, kIshigaki.weather); });
        step([] { Press(Qt::Key_F5); });
        QCOMPARE(Player()->state(), ReportPlayer::State::Playing);
        step([] { Tab(); });
        step([] { Type(QStringLiteral("12")); });
        step([] { Tab(); });
        step([] { Type(QStringLiteral("25")); });
        step([] { Tab(); });
        step([] { Return(); });
        QCOMPARE(state_->observations.land(0), kIshigaki);
        QVERIFY(Player()->Position() > before);

        speaker_->PlayOnTimer(100);
        QTRY_VERIFY_WITH_TIMEOUT(Practice()->scoreWindow() != nullptr, 20000);
        QCOMPARE(Player()->state(), ReportPlayer::State::Finished);
        auto* tallies = Find<QTableWidget>(Practice()->scoreWindow(), "tblSyukei");
        QCOMPARE(Tally(tallies, ScoreField::Pressure), QStringLiteral("1/0/1"));
        QCOMPARE(Tally(tallies, ScoreField::Weather), QStringLiteral("1/0/2"));
        QCOMPARE(Tally(tallies, ScoreField::ShipPosition), QStringLiteral("0/0/1"));
    }

    // Without its sound module the practice says which file it misses, and
    // nothing is emptied or played.
    void withoutTheSoundModuleThePracticeSaysSo() {
        const QString module = folder_->filePath(QStringLiteral("gone/libisobra-sound.so"));
        window_->commands().practice.SetSoundModule(module);
        state_->observations.land(3).pressure = 999;
        OpenWithReport();
        QTest::mouseClick(Button("cmdStart"), Qt::LeftButton);
        QVERIFY(!prompts_->shown.empty());
        QCOMPARE(prompts_->shown.back().kind, test::ScriptedPrompts::Shown::Kind::Inform);
        QCOMPARE(
            prompts_->shown.back().text,
            QStringLiteral("読み上げに使う部品「%1」が見つからないため、聞き取りの練習を始められません。").arg(module));
        QCOMPARE(Player(), nullptr);
        QCOMPARE(state_->observations.land(3).pressure, 999);
        QVERIFY(Button("cmdStart")->isEnabled());
    }

    // With no sound device the report can be had as a WAV file instead;
    // the observations stay as they are.
    void withoutASoundDeviceTheReportIsSavedAsWave() {
        speaker_->missing = true;
        state_->observations.land(3).pressure = 999;
        OpenWithReport();
        prompts_->yesNoAnswers.push_back(true);
        prompts_->fileAnswers.push_back(folder_->filePath(QStringLiteral("report")));
        QTest::mouseClick(Button("cmdStart"), Qt::LeftButton);
        QCOMPARE(prompts_->shown.front().text,
                 QStringLiteral("音を出す装置が見つかりません。\r\n読み上げをWAVファイルに保存しますか？"));
        QVERIFY(Practice()->SavingWave());

        const QString wave = folder_->filePath(QStringLiteral("report.WAV"));
        QTRY_VERIFY_WITH_TIMEOUT(!Practice()->SavingWave(), 20000);
        const QByteArray bytes = test::ReadAll(wave);
        QVERIFY(bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE");
        QVERIFY(bytes.size() > 44 + 2 * 22050 * 10);  // five sentences at 1.25x: well over ten seconds
        QVERIFY(bytes.mid(44).count('\0') < bytes.size() - 44);
        QCOMPARE(state_->observations.land(3).pressure, 999);
        QCOMPARE(Practice()->player(), nullptr);
        QCOMPARE(test::Entries(folder_->path()), (QStringList{"report.WAV", "short.dat"}));
    }

    // A hand-made pair: one pressure wrong, a station and a ship's pressure
    // missed, a station typed that was not read.
    void theScoreListsWhatWasSaidAndTyped() {
        const ObservationSet truth = ShortReport();
        ObservationSet typed = ShortReport();
        typed.land(0).pressure = 1008;
        typed.land(6) = {};
        typed.ship(0).pressure = 0;
        typed.land(10) = {4, 1, 2, 1010, 8};
        PracticeResult result;
        result.score = ScorePractice(truth, typed);
        result.typed = DataOf(typed);
        result.report = DataOf(truth);
        result.heard = result.sentences = 5;
        Saiten score(*state_, std::move(result));

        QVERIFY(Find<QLabel>(&score, "lblKekka")
                    ->text()
                    .endsWith(QStringLiteral("正解 8　まちがい 1　聞きもらし 6　余分な行 1")));
        auto* tallies = Find<QTableWidget>(&score, "tblSyukei");
        QCOMPARE(Cell(tallies, static_cast<int>(ScoreField::Pressure), 0), QStringLiteral("気圧"));
        QCOMPARE(Tally(tallies, ScoreField::Pressure), QStringLiteral("0/1/1"));
        QCOMPARE(Tally(tallies, ScoreField::Direction), QStringLiteral("2/0/1"));
        QCOMPARE(Tally(tallies, ScoreField::ShipPressure), QStringLiteral("0/0/1"));
        auto* items = Find<QTableWidget>(&score, "tblItems");
        QCOMPARE(items->rowCount(), 8);
        const QStringList first = {Cell(items, 0, 0), Cell(items, 0, 1), Cell(items, 0, 2), Cell(items, 0, 3)};
        QCOMPARE(first, (QStringList{"石垣島", "気圧", "1012ヘクトパスカル", "1008ヘクトパスカル"}));
        QCOMPARE(Cell(items, 1, 0), QStringLiteral("厳原"));
        QCOMPARE(Cell(items, 1, 3), QStringLiteral("（聞きもらし）"));
        QCOMPARE(Cell(items, 7, 1), QStringLiteral("余分な行"));
        QVERIFY(Cell(items, 7, 3).startsWith(QStringLiteral("浜田では")));
    }

    // The two maps: the same drawing for the same data, another where one
    // pressure was taken down wrong, a word where too few pressures were
    // taken down to fill the map; the program's own map is left alone.
    void theMapsOfWhatWasTypedAndWhatWasRead() {
        const ObservationFileData winter = DataOf(ReadPracticeReport(test::kExample)->observations);
        ObservationFileData slip = winter;
        slip.land[20].pressure -= 12;
        ObservationFileData few = winter;  // 石垣島 and 那覇 alone
        for (std::size_t k = 2; k < few.land.size(); ++k) few.land[k] = {};
        few.ships.clear();
        few.fishery.clear();
        const struct {
            const ObservationFileData& typed;
            bool same;
            bool note;
        } cases[] = {{winter, true, false}, {slip, false, false}, {few, false, true}};
        const QImage before = window_->canvas().Composite();
        for (const auto& c : cases) {
            PracticeResult result;
            result.typed = c.typed;
            result.report = winter;
            Saiten score(*state_, std::move(result), window_.get());
            QTest::mouseClick(Find<QPushButton>(&score, "cmdSeikai"), Qt::LeftButton);
            Seikai* maps = score.mapWindow();
            QVERIFY(maps && maps->isVisible());
            const QImage typed = Find<QLabel>(maps, "picNyuuryoku")->pixmap().toImage();
            const QImage read = Find<QLabel>(maps, "picSeikai")->pixmap().toImage();
            QCOMPARE(read.size(), QSize(kMapSize, kMapSize));
            QCOMPARE(typed == read, c.same);
            QCOMPARE(Find<QLabel>(maps, "picNyuuryokuNote")->text().isEmpty(), !c.note);
            QVERIFY(Find<QLabel>(maps, "picSeikaiNote")->text().isEmpty());
        }
        QCOMPARE(window_->canvas().Composite(), before);
        QVERIFY(!state_->field.pressureGrid.IsComputed());
    }
};

QTEST_MAIN(RenshuuTest)
#include "RenshuuTest.moc"
