#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/Commands.h"
#include "app/FrmOpenSave.h"
#include "app/MainWindow.h"
#include "app/Teisei.h"
#include "canvas/MapCanvas.h"
#include "entry/Gyogyou.h"
#include "entry/Kaiyou1.h"
#include "entry/Tenki1.h"
#include "model/ObservationFile.h"
#include "support/CurrentFolder.h"
#include "support/DrawnPixels.h"
#include "support/MainWindowFixture.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"
#include "widgets/MoveToTrash.h"
#include "widgets/QImageCanvas.h"

using namespace isobra;
using test::ReadAll;
using test::WriteAll;

namespace {

QStringList Rows(const Kaiyou1* form) {
    QStringList out;
    for (int i = 0; i < form->RowCount(); ++i) out << form->RowText(i);
    return out;
}
QStringList Rows(const Gyogyou* form) {
    QStringList out;
    for (int i = 0; i < form->RowCount(); ++i) out << form->RowText(i);
    return out;
}
QStringList Rows(const Tenki1* form) {
    QStringList out;
    for (int i = 0; i < form->RowCount(); ++i) out << form->RowText(i);
    return out;
}

}  // namespace

class FileCommandsTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() {
        cwd_ = std::make_unique<test::CurrentFolder>();
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        // Deleted files go to the trash of a home of the test's own.
        home_ = std::make_unique<test::TemporaryHome>();
        QVERIFY(home_->isValid());
        CreateWindow();
    }
    void cleanup() {
        DestroyWindow();
        cwd_.reset();
        home_.reset();
        dir_.reset();
    }

    void loadFillsTheListsAndSaveWritesTheSameBytes() {
        Load(test::kExample);
        QVERIFY2(prompts_->shown.empty(), qPrintable(prompts_->Titles().join(",")));
        const ObservationSet& obs = state_->observations;
        QCOMPARE(obs.stationCount(), 54);
        QVERIFY(obs.shipCount() > 0);
        QVERIFY(obs.fisheryCount() > 0);
        QCOMPARE(window_->commands().entry.shipForm()->RowCount(), int(obs.shipCount()));
        QCOMPARE(window_->commands().entry.fisheryForm()->RowCount(), int(obs.fisheryCount()));
        QVERIFY(window_->commands().entry.landForm()->RowText(0).startsWith(QStringLiteral("石垣島")));
        QVERIFY(!state_->field.pressureGrid.IsComputed());
        QVERIFY(!window_->pleaseWait());

        prompts_->fileAnswers = {dir_->filePath("copy.txt")};
        window_->menuAction("cntSave")->trigger();
        QVERIFY(!QFile::exists(dir_->filePath("copy.txt")));
        QCOMPARE(ReadAll(dir_->filePath("copy.DAT")), ReadAll(test::kExample));
        QCOMPARE(prompts_->fileRequests.back().title, QStringLiteral("観測データ保存"));
        QCOMPARE(prompts_->fileRequests.back().pattern, QStringLiteral("*.dat"));
        QVERIFY(prompts_->fileRequests.back().purpose == FileRequest::Purpose::Save);
        QVERIFY(!window_->pleaseWait());

        // Erase, reload the copy: every row and count comes back.
        const QStringList land = Rows(window_->commands().entry.landForm());
        const QStringList ships = Rows(window_->commands().entry.shipForm());
        const QStringList fishery = Rows(window_->commands().entry.fisheryForm());
        const ObservationSet before = obs;
        window_->menuAction("cntNew2")->trigger();
        QCOMPARE(window_->commands().entry.shipForm()->RowCount(), 0);
        Load(dir_->filePath("copy.DAT"));
        QCOMPARE(Rows(window_->commands().entry.landForm()), land);
        QCOMPARE(Rows(window_->commands().entry.shipForm()), ships);
        QCOMPARE(Rows(window_->commands().entry.fisheryForm()), fishery);
        QCOMPARE(obs.shipCount(), before.shipCount());
        QCOMPARE(obs.fisheryCount(), before.fisheryCount());
        for (int i = 0; i < obs.stationCount(); ++i) QVERIFY(obs.land(i) == before.land(i));
        for (int i = 0; i < obs.shipCount(); ++i) QVERIFY(obs.ship(i) == before.ship(i));
        for (int i = 0; i < obs.fisheryCount(); ++i) QVERIFY(obs.fishery(i) == before.fishery(i));
    }

    void anEntryAfterALoadAddsAReportInsteadOfReplacingOne() {
        Load(test::kExample);
        const QStringList ships = Rows(window_->commands().entry.shipForm());
        const QStringList fishery = Rows(window_->commands().entry.fisheryForm());
        QVERIFY(ships.size() >= 2);
        window_->commands().entry.shipForm()->OnTugiClicked();
        window_->commands().entry.fisheryForm()->OnTugiClicked();
        QCOMPARE(Rows(window_->commands().entry.shipForm()).mid(0, ships.size()), ships);
        QCOMPARE(window_->commands().entry.shipForm()->RowCount(), ships.size() + 1);
        QCOMPARE(Rows(window_->commands().entry.fisheryForm()).mid(0, fishery.size()), fishery);
        QCOMPARE(window_->commands().entry.fisheryForm()->RowCount(), fishery.size() + 1);
    }

    void savedDetailsSurviveTheRoundTrip() {
        ObservationSet& obs = state_->observations;
        obs.land(0) = {3, 0, 3, 0, 0};       // no report: written as "不明", direction empty
        obs.land(1) = {0, 2, 1, 1012, -5};   // minus five degrees
        obs.land(53) = {0, 1, 1, 640, -10};  // Fuji: the pressure is never written
        window_->commands().entry.landForm()->RebuildRowsFromData(54, LandWeather::Always);
        prompts_->fileAnswers = {dir_->filePath("edge")};
        window_->menuAction("cntSave")->trigger();
        const QByteArray bytes = ReadAll(dir_->filePath("edge.DAT"));
        QVERIFY(bytes.contains(QByteArray(" 0 \r\n")));  // zero ships: count " 0 "

        Load(dir_->filePath("edge.DAT"));
        QCOMPARE(obs.land(0).weather, 10);
        QCOMPARE(obs.land(0).windDirection, 0);
        QCOMPARE(obs.land(1).temperature, -5);
        QCOMPARE(obs.land(53).pressure, 0);
        QCOMPARE(obs.land(53).temperature, -10);
        QCOMPARE(obs.shipCount(), 0);
    }

    void extensionRules() {
        QVERIFY(QDir(dir_->path()).mkdir("a.b"));
        prompts_->fileAnswers = {dir_->filePath("a.b/obs")};
        window_->menuAction("cntSave")->trigger();
        QVERIFY(QFile::exists(dir_->filePath("a.b/obs.DAT")));

        prompts_->fileAnswers = {dir_->filePath("x.y.z")};
        window_->menuAction("cntSave")->trigger();
        QVERIFY(QFile::exists(dir_->filePath("x.DAT")));

        prompts_->fileAnswers = {dir_->filePath(".hidden")};
        window_->menuAction("cntSave")->trigger();
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"x.DAT"});
        QVERIFY(prompts_->shown.back().text.contains(QStringLiteral("「.」で始まる名前では保存できません")));

        // The isobar file takes ".CNT".
        FillSlantingField();
        prompts_->fileAnswers = {dir_->filePath("map.txt")};
        window_->menuAction("cntTSave")->trigger();
        QVERIFY(QFile::exists(dir_->filePath("map.CNT")));
    }

    void aSaveReplacesAFileThatDiffersOnlyInCase() {
        WriteAll(dir_->filePath("OBS.dat"), "old");
        prompts_->fileAnswers = {dir_->filePath("obs")};
        prompts_->yesNoAnswers = {true};
        window_->menuAction("cntSave")->trigger();
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"OBS.dat"});
        QVERIFY(ReadAll(dir_->filePath("OBS.dat")).startsWith(QByteArray("\x8a\x65", 2)));  // 各 in CP932
    }

    // After the extension rule, a file of that name (or its case twin) is
    // replaced only after a question that defaults to No; No shows the
    // chooser again with the name still typed.
    void aSaveOntoAnExistingFileAsksFirst() {
        QDir::setCurrent(dir_->path());  // where the chooser opens
        WriteAll(dir_->filePath("OBS.dat"), "old");
        prompts_->fileAnswers = {dir_->filePath("obs"), std::nullopt};
        window_->menuAction("cntSave")->trigger();  // No, then cancel
        QCOMPARE(ReadAll(dir_->filePath("OBS.dat")), QByteArray("old"));
        QCOMPARE(prompts_->shown.size(), size_t(1));
        const auto& question = prompts_->shown[0];
        QCOMPARE(question.kind, test::ScriptedPrompts::Shown::Kind::YesNo);
        QCOMPARE(question.title, QStringLiteral("観測データ保存"));
        QCOMPARE(question.text, QStringLiteral("「OBS.dat」はすでにあります。置きかえますか？"));
        QCOMPARE(question.preferred, Prompts::Answer::No);
        QCOMPARE(prompts_->fileRequests.size(), size_t(2));
        QCOMPARE(prompts_->fileRequests[0].initialName, QString());
        QCOMPARE(prompts_->fileRequests[1].initialName, QStringLiteral("obs"));
        QCOMPARE(prompts_->fileRequests[1].title, QStringLiteral("観測データ保存"));

        // No, then another name: that one is written and the old file stays.
        prompts_->shown.clear();
        prompts_->fileAnswers = {dir_->filePath("obs"), dir_->filePath("other")};
        window_->menuAction("cntSave")->trigger();
        QCOMPARE(ReadAll(dir_->filePath("OBS.dat")), QByteArray("old"));
        QVERIFY(QFile::exists(dir_->filePath("other.DAT")));
        QCOMPARE(prompts_->shown.size(), size_t(1));

        // The isobar file asks under its own caption; Yes replaces.
        FillSlantingField();
        WriteAll(dir_->filePath("map.CNT"), "old");
        prompts_->shown.clear();
        prompts_->fileAnswers = {dir_->filePath("map.txt")};
        prompts_->yesNoAnswers = {true};
        window_->menuAction("cntTSave")->trigger();
        QCOMPARE(prompts_->Titles(), QStringList{"等圧線データ保存"});
        QCOMPARE(prompts_->shown[0].text, QStringLiteral("「map.CNT」はすでにあります。置きかえますか？"));
        QVERIFY(ReadAll(dir_->filePath("map.CNT")) != QByteArray("old"));
    }

    // The real chooser: a new isobar file, and a new observation file, are
    // saved under the typed name; nothing is asked about a new name.
    void newFilesAreSavedThroughTheRealChooser() {
        QDir::setCurrent(dir_->path());
        Load(test::kExample);
        window_->menuAction("cntTouatu2")->trigger();
        prompts_->shown.clear();
        const auto typeAndOk = [](const QString& name) {
            return [name](FrmOpenSave& dialog) {
                auto* box = dialog.findChild<QLineEdit*>("txtOpenSave");
                QTest::keyClicks(box, name);
                QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOpenSave0"), Qt::LeftButton);
            };
        };
        prompts_->chooserScripts = {typeAndOk("newmap"), typeAndOk("newobs")};
        window_->menuAction("cntTSave")->trigger();
        window_->menuAction("cntSave")->trigger();
        QVERIFY2(prompts_->shown.empty(), qPrintable(prompts_->Titles().join(",")));
        QVERIFY(QFile::exists(dir_->filePath("newmap.CNT")));
        QVERIFY(QFile::exists(dir_->filePath("newobs.DAT")));
    }

    // The land list owns the station count a save writes: after a file with
    // fewer stations, the save writes every station of the list again.
    void aSaveTakesTheStationCountFromTheLandList() {
        Load(test::kExample);
        ObservationSet fewer = state_->observations;
        fewer.SetStationCount(50);
        const Result<std::string> bytes = WriteObservationFile(fewer);
        QVERIFY(bytes);
        WriteAll(dir_->filePath("fifty.dat"), QByteArray::fromStdString(*bytes));
        Load(dir_->filePath("fifty.dat"));
        QCOMPARE(state_->observations.stationCount(), 50);
        QCOMPARE(window_->commands().entry.landForm()->RowCount(), 54);

        prompts_->fileAnswers = {dir_->filePath("again")};
        window_->menuAction("cntSave")->trigger();
        const Result<ObservationFileData> saved =
            ParseObservationFile(ReadAll(dir_->filePath("again.DAT")).toStdString());
        QVERIFY(saved);
        QCOMPARE(saved->land.size(), size_t(54));
    }

    void aFailedSaveSaysSoAndLeavesWhatWasThere() {
        // A directory stands where the file must go; as root too, no rename can replace it.
        QVERIFY(QDir(dir_->path()).mkpath("blocked.DAT/keep"));
        prompts_->fileAnswers = {dir_->filePath("blocked")};
        window_->menuAction("cntSave")->trigger();
        QVERIFY(!window_->pleaseWait());
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QVERIFY(prompts_->shown[0].text.contains(QStringLiteral("「blocked.DAT」を保存できませんでした")));
        QVERIFY(QDir(dir_->filePath("blocked.DAT/keep")).exists());
        // No temporary file is left behind.
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
    }

    void aTruncatedFileChangesNothing() {
        Load(test::kExample);
        const ObservationSet before = state_->observations;
        const QStringList ships = Rows(window_->commands().entry.shipForm());
        const QStringList land = Rows(window_->commands().entry.landForm());
        state_->field.pressureGrid.at(0, 0) = 101000;  // computed

        QByteArray bytes = ReadAll(test::kExample);
        bytes.truncate(bytes.size() / 2);
        WriteAll(dir_->filePath("half.dat"), bytes);
        prompts_->shown.clear();
        Load(dir_->filePath("half.dat"));
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QVERIFY(prompts_->shown[0].text.contains(QStringLiteral("「half.dat」を読みこめませんでした")));
        QVERIFY(prompts_->shown[0].text.contains(QStringLiteral("行目")));
        QVERIFY(!window_->pleaseWait());
        QCOMPARE(Rows(window_->commands().entry.shipForm()), ships);
        QCOMPARE(Rows(window_->commands().entry.landForm()), land);
        QCOMPARE(state_->observations.shipCount(), before.shipCount());
        for (int i = 0; i < 54; ++i) QVERIFY(state_->observations.land(i) == before.land(i));
        QVERIFY(state_->field.pressureGrid.IsComputed());

        prompts_->shown.clear();
        Load(dir_->filePath("missing.dat"));
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QVERIFY(prompts_->shown[0].text.contains(QStringLiteral("「missing.dat」を読みこめませんでした")));
    }

    void deleteLoopsUntilCancel() {
        WriteAll(dir_->filePath("a.dat"), "a");
        WriteAll(dir_->filePath("b.dat"), "b");
        prompts_->fileAnswers = {dir_->filePath("a.dat"), dir_->filePath("gone.dat"), dir_->filePath("b.dat"),
                                 std::nullopt};
        window_->menuAction("cntDel")->trigger();
        QCOMPARE(prompts_->fileRequests.size(), size_t(4));
        for (const FileRequest& r : prompts_->fileRequests) {
            QCOMPARE(r.title, QStringLiteral("観測データ削除"));
            QVERIFY(r.purpose == FileRequest::Purpose::Delete);
        }
        QVERIFY(!QFile::exists(dir_->filePath("a.dat")));
        QVERIFY(!QFile::exists(dir_->filePath("b.dat")));
        // In the trash, to be brought back after a slip.
        QCOMPARE(QDir(HomeTrashPath() + "/files").entryList(QDir::Files, QDir::Name), (QStringList{"a.dat", "b.dat"}));
        QCOMPARE(ReadAll(HomeTrashPath() + "/files/b.dat"), QByteArray("b"));
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QVERIFY(prompts_->shown[0].text.contains(QStringLiteral("「gone.dat」を削除できませんでした")));

        WriteAll(dir_->filePath("m.cnt"), "m");
        prompts_->fileAnswers = {dir_->filePath("m.cnt")};
        window_->menuAction("cntTDel")->trigger();
        QVERIFY(!QFile::exists(dir_->filePath("m.cnt")));
        QCOMPARE(prompts_->fileRequests.back().title, QStringLiteral("等圧線データ削除"));
    }

    void isobarFilesSaveAndLoadTheField() {
        Load(test::kExample);
        window_->menuAction("cntTouatu2")->trigger();
        QVERIFY(state_->field.pressureGrid.IsComputed());
        const PressureGrid grid = state_->field.pressureGrid;
        const PlotTable plot = state_->field.plotTable;

        prompts_->fileAnswers = {dir_->filePath("map")};
        window_->menuAction("cntTSave")->trigger();
        QVERIFY(QFile::exists(dir_->filePath("map.CNT")));

        window_->menuAction("cntClsLine")->trigger();
        state_->field.pressureGrid.Fill(0);
        prompts_->fileAnswers = {dir_->filePath("map.CNT")};
        window_->menuAction("cntTLoad")->trigger();
        QVERIFY(!window_->pleaseWait());
        QVERIFY(state_->field.pressureGrid == grid);
        QCOMPARE(state_->field.plotTable.shipCount, 0);
        QVERIFY(state_->field.plotTable.fisheryCount > 0);
        QVERIFY(state_->field.plotTable.fisheryCount <= plot.fisheryCount);
        // The isobars are drawn, over the cleared canvas, without the map.
        const bool drawn = test::DrawnPixels(window_->canvas().DrawingLayer().copy(0, 0, kMapSize, kMapSize)) > 0;
        QVERIFY(drawn);
        // The entry lists still hold their ships.
        QCOMPARE(window_->commands().entry.shipForm()->RowCount(), int(state_->observations.shipCount()));

        // A broken isobar file changes nothing.
        WriteAll(dir_->filePath("bad.cnt"), ReadAll(dir_->filePath("map.CNT")).left(200));
        prompts_->shown.clear();
        prompts_->fileAnswers = {dir_->filePath("bad.cnt")};
        window_->menuAction("cntTLoad")->trigger();
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QVERIFY(state_->field.pressureGrid == grid);
    }

    // No grid, nothing to save: not at the start, nor after an erase-all
    // that followed a drawing. The reason instead of a file of zeros.
    void withoutAGridNoIsobarFileIsWritten_data() {
        QTest::addColumn<bool>("correctionWindow");
        QTest::addColumn<bool>("erased");
        QTest::newRow("menu, start") << false << false;
        QTest::newRow("menu, erased") << false << true;
        QTest::newRow("correction window, start") << true << false;
        QTest::newRow("correction window, erased") << true << true;
    }
    void withoutAGridNoIsobarFileIsWritten() {
        QFETCH(bool, correctionWindow);
        QFETCH(bool, erased);
        if (erased) {
            Load(test::kExample);
            window_->menuAction("cntTouatu2")->trigger();
            QVERIFY(state_->field.pressureGrid.IsComputed());
            window_->menuAction("cntNew2")->trigger();
        }
        prompts_->shown.clear();
        prompts_->fileAnswers = {dir_->filePath("map")};
        if (correctionWindow) {
            window_->menuAction("cntSyusei")->trigger();
            window_->commands().isobars.correctionWindow()->findChild<QPushButton*>("cmdSave")->click();
        } else {
            window_->menuAction("cntTSave")->trigger();
        }
        QVERIFY(prompts_->fileRequests.size() == std::size_t(erased));  // the load's only
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QCOMPARE(prompts_->shown[0].text,
                 QStringLiteral("等圧線が計算されていません。先に「等圧線の表示」をしてください。"));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList());
    }

private:
    void Load(const QString& path) {
        prompts_->fileAnswers = {path};
        window_->menuAction("cntLoad")->trigger();
    }

    std::unique_ptr<test::CurrentFolder> cwd_;
    std::unique_ptr<test::TemporaryHome> home_;
    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
