// A report typed and never saved outlives the program: killed, crashed or
// ended by a slip, the next start offers it back. The killed program is this
// test program itself, started again as a helper that types the rows.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSysInfo>
#include <QtTest>
#include <cstdio>
#include <memory>

#include "app/Commands.h"
#include "app/MainWindow.h"
#include "app/RecoveryFile.h"
#include "entry/EditLineList.h"
#include "entry/Tenki1.h"
#include "support/MainWindowFixture.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"
#include "support/TypistKit.h"
#include "widgets/MoveToTrash.h"

using namespace isobra;
using test::ReadAll;

Q_DECLARE_METATYPE(isobra::Prompts::Reply)

namespace {

const QString kQuestion = QStringLiteral("前回入力したデータが保存されていません。読みこみますか？");
const QString kInDoubt = QStringLiteral("\r\n（別のIsobraが使っている可能性があります）");
const QString kLeftoverData = QStringLiteral(ISOBRA_TEST_DATA "/katakana-and-frost.dat");

// Three stations as the typist gives them, and as they are stored.
struct TypedRow {
    int direction;
    int force;
    int weather;
    QString pressure;
    QString temperature;
    LandReport stored;
};
const TypedRow kRows[] = {
    {1, 3, 1, QStringLiteral("8"), QStringLiteral("25"), {1, 3, 1, 1008, 25}},
    {2, 4, 2, QStringLiteral("96"), QStringLiteral("-5"), {2, 4, 2, 996, -5}},
    {3, 5, 3, QStringLiteral("13"), QStringLiteral("12"), {3, 5, 3, 1013, 12}},
};

QByteArray FileAsSaved(const AppState& state) {
    const auto bytes = state.lists.FileAsSaved(state.observations);
    return bytes ? QByteArray::fromStdString(*bytes) : QByteArray("<cannot be written>");
}

// One station by keyboard from the direction list: arrows, digits, Tab,
// Return on "データ入力", Tab round to the direction list.
bool TypeLandRow(Tenki1* form, const TypedRow& row) {
    auto* direction = form->findChild<EditLineList*>(QStringLiteral("Huukou"));
    auto* weather = form->findChild<EditLineList*>(QStringLiteral("Tenki"));
    if (QApplication::focusWidget() != static_cast<QWidget*>(direction->editLine())) return false;
    typist::ArrowTo(direction, row.direction);
    typist::Tab();
    typist::Type(QString::number(row.force));
    typist::Tab();
    typist::ArrowTo(weather, row.weather);
    typist::Tab();
    typist::Type(row.pressure);
    typist::Tab();
    typist::Type(row.temperature);
    typist::Tab();
    typist::Return();
    typist::Tab();
    return true;
}

// The helper: a program of the user's that types three stations ("type"),
// saves them too ("save"), or takes a leftover back ("recover"); once its
// recovery file is as it should be, it says "ready" and waits to be killed.
int RunHelper(const QString& scenario, const QString& savePath) {
    AppState state;
    test::ScriptedPrompts prompts;
    MainWindow window(state, prompts);
    window.Start();
    if (scenario == QLatin1String("recover")) prompts.replies = {Prompts::Reply::Yes};
    window.commands().recovery.Offer();
    const QString recovery = window.commands().recovery.file()->path();
    if (scenario != QLatin1String("recover")) {
        window.show();
        window.menuAction(QStringLiteral("cntTenki"))->trigger();
        if (!QTest::qWaitFor([&window] { return QApplication::activeWindow() == window.commands().entry.landForm(); }))
            return 2;
        for (const TypedRow& row : kRows)
            if (!TypeLandRow(window.commands().entry.landForm(), row)) return 3;
    }
    if (!QTest::qWaitFor([&] { return ReadAll(recovery) == FileAsSaved(state); }, 10000)) return 4;
    if (scenario == QLatin1String("save")) {
        prompts.fileAnswers = {savePath};
        window.menuAction(QStringLiteral("cntSave"))->trigger();
        if (!QTest::qWaitFor([&] { return !QFile::exists(recovery); }, 10000)) return 5;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QApplication::exec();
}

}  // namespace

class RecoveryTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private:
    std::unique_ptr<test::TemporaryHome> home_;

    QString Folder() const { return RecoveryFile::DefaultFolder(); }
    bool Asked() const {
        for (const auto& shown : prompts_->shown)
            if (shown.kind == test::ScriptedPrompts::Shown::Kind::YesNo && shown.text.startsWith(kQuestion))
                return true;
        return false;
    }
    // A new start of the program, answering the question with `yes`.
    void Restart(bool yes) { Restart(yes ? Prompts::Reply::Yes : Prompts::Reply::No); }
    void Restart(Prompts::Reply reply) {
        DestroyWindow();
        CreateWindow();
        prompts_->replies = {reply};
        window_->commands().recovery.Offer();
    }
    // The helper run in this test's home to the point of its scenario, then
    // killed as a crash or a logout kills it.
    void RunAndKill(const QString& scenario) {
        QProcess helper;
        helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        helper.start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--helper"), scenario, QDir(home_->path()).filePath(QStringLiteral("obs"))});
        QVERIFY(helper.waitForStarted());
        QByteArray out;
        QVERIFY(QTest::qWaitFor(
            [&] {
                helper.waitForReadyRead(50);
                out += helper.readAll();
                return out.contains("ready") || helper.state() == QProcess::NotRunning;
            },
            60000));
        QVERIFY2(out.contains("ready"), qPrintable(QStringLiteral("helper ended with %1").arg(helper.exitCode())));
        helper.kill();  // SIGKILL: nothing of the program runs any more
        QVERIFY(helper.waitForFinished());
        QCOMPARE(helper.exitStatus(), QProcess::CrashExit);
    }
    // A recovery file as a program that ended on 7 December at 16:02 left
    // it, with the lock `lock` beside it (none when null).
    QString PlantLeftover(const char* lock = nullptr) {
        const QString path = Folder() + QStringLiteral("/20231207-160200-000-4242.dat");
        if (!QDir().mkpath(Folder()) || !QFile::copy(kLeftoverData, path)) return {};
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite) ||
            !file.setFileTime(QDateTime(QDate(2023, 12, 7), QTime(16, 2, 30)), QFileDevice::FileModificationTime))
            return {};
        if (lock) test::WriteAll(path + QStringLiteral(".lock"), lock);
        return path;
    }
    QStringList Files(const QString& folder, const QString& pattern) const {
        return QDir(folder).entryList({pattern}, QDir::Files | QDir::System);
    }
    void VerifyNothingEntered() {
        for (int slot = 0; slot < state_->observations.stationCount(); ++slot) {
            QCOMPARE(state_->observations.land(slot), LandReport{});
            QCOMPARE(window_->commands().entry.landForm()->RowText(slot),
                     QString::fromStdString(state_->observations.stationName(slot)));
        }
    }

private slots:
    void init() {
        home_ = std::make_unique<test::TemporaryHome>();
        QVERIFY(home_->isValid());
        CreateWindow();
    }
    void cleanup() {
        DestroyWindow();
        home_.reset();
    }

    void rowsOfAKilledProgramComeBackOnYes() {
        RunAndKill(QStringLiteral("type"));
        // A start that took them back, killed too before anything was saved.
        RunAndKill(QStringLiteral("recover"));
        Restart(true);
        QVERIFY(Asked());
        for (int slot = 0; slot < 3; ++slot) {
            QCOMPARE(state_->observations.land(slot), kRows[slot].stored);
            QVERIFY(window_->commands().entry.landForm()->RowText(slot).contains(
                QString::number(kRows[slot].stored.pressure)));
        }
        QCOMPARE(state_->observations.land(3).pressure, 0);
        // This program's file holds them at once; both leftovers are gone.
        const QString own = window_->commands().recovery.file()->path();
        QCOMPARE(ReadAll(own), FileAsSaved(*state_));
        QCOMPARE(QDir(Folder()).entryList({QStringLiteral("*.dat")}), QStringList{QFileInfo(own).fileName()});
    }

    void noLeavesEverythingEmptyAndTheFileInTheTrash() {
        RunAndKill(QStringLiteral("type"));
        Restart(false);
        QVERIFY(Asked());
        VerifyNothingEntered();
        QCOMPARE(QDir(HomeTrashPath() + QStringLiteral("/files")).entryList({QStringLiteral("*.dat")}).size(), 1);
        Restart(true);
        QVERIFY(!Asked());
    }

    void aSavedReportAsksNothing() {
        RunAndKill(QStringLiteral("save"));
        QVERIFY(QFile::exists(QDir(home_->path()).filePath(QStringLiteral("obs.DAT"))));
        Restart(true);
        QVERIFY(prompts_->shown.empty());
        VerifyNothingEntered();
        // The killed program's lock is cleared away; this program's own stays.
        QCOMPARE(QDir(Folder()).entryList(QDir::Files).size(), 1);
    }

    // The program ends by "終了ｏｋ？" or its close box right after the last
    // step, before the recovery file was due; the next start asks or not.
    void whatTheNextStartOffers_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("asked");
        QTest::newRow("typed") << QStringList{"type"} << true;
        QTest::newRow("typed, saved") << QStringList{"type", "save"} << false;
        QTest::newRow("typed, saved, typed") << QStringList{"type", "save", "type"} << true;
        QTest::newRow("loaded") << QStringList{"load"} << false;
        QTest::newRow("loaded, typed") << QStringList{"load", "type"} << true;
        QTest::newRow("typed, erased") << QStringList{"type", "erase"} << false;
    }
    void whatTheNextStartOffers() {
        QFETCH(QStringList, steps);
        QFETCH(bool, asked);
        window_->commands().recovery.Offer();
        for (const QString& step : steps) {
            if (step == QLatin1String("type")) {
                window_->commands().entry.landForm()->OnTugiClicked();
            } else if (step == QLatin1String("save")) {
                prompts_->fileAnswers = {QDir(home_->path()).filePath(QStringLiteral("obs"))};
                window_->menuAction(QStringLiteral("cntSave"))->trigger();
            } else if (step == QLatin1String("load")) {
                prompts_->fileAnswers = {QStringLiteral(ISOBRA_EXAMPLES "/winter.dat")};
                window_->menuAction(QStringLiteral("cntLoad"))->trigger();
            } else {
                window_->menuAction(QStringLiteral("cntNew2"))->trigger();
            }
        }
        QVERIFY2(prompts_->shown.empty(), qPrintable(prompts_->Titles().join(',')));
        const QByteArray before = FileAsSaved(*state_);
        Restart(true);
        QCOMPARE(Asked(), asked);
        if (asked) QCOMPARE(FileAsSaved(*state_), before);  // all of it, as a save would have kept it
    }

    // Only an answer decides: Escape and the close box leave the report to
    // the next start.
    void theQuestionDecidesOnlyOnAnAnswer_data() {
        QTest::addColumn<Prompts::Reply>("reply");
        QTest::newRow("yes") << Prompts::Reply::Yes;
        QTest::newRow("no") << Prompts::Reply::No;
        QTest::newRow("put off") << Prompts::Reply::Dismissed;
    }
    void theQuestionDecidesOnlyOnAnAnswer() {
        QFETCH(Prompts::Reply, reply);
        const QString leftover = PlantLeftover();
        QVERIFY(!leftover.isEmpty());
        Restart(reply);
        QCOMPARE(prompts_->shown.size(), std::size_t{1});
        QCOMPARE(prompts_->shown[0].text, kQuestion + QStringLiteral("（12月7日 16:02 に入力）"));
        const QByteArray kept = ReadAll(kLeftoverData);
        const QString trash = HomeTrashPath() + QStringLiteral("/files");
        if (reply == Prompts::Reply::Yes) {
            QCOMPARE(state_->observations.stationCount(), 5);
            QVERIFY(state_->ObservationsUnsaved());
            QVERIFY(!QFile::exists(leftover));
        } else {
            VerifyNothingEntered();
            QCOMPARE(ReadAll(leftover), reply == Prompts::Reply::No ? QByteArray() : kept);
            QCOMPARE(Files(trash, QStringLiteral("*.dat")).size(), qsizetype(reply == Prompts::Reply::No));
        }
        // Taken back, the report is kept again as unsaved; put off, it stays.
        Restart(Prompts::Reply::Dismissed);
        QCOMPARE(Asked(), reply != Prompts::Reply::No);
    }

    // A lock that cannot be judged keeps its report on the disk for ever
    // unless it is offered: it is, with the doubt said, and Yes takes it over.
    void aLockInDoubtIsOfferedWithTheDoubtSaid_data() {
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<bool>("inDoubt");
        QTest::newRow("no lock") << QByteArray("<none>") << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("unreadable") << QByteArray("<link to nowhere>") << true;
        QTest::newRow("another host") << QByteArray("4242\nisobra\nanother-host\n") << true;
        QTest::newRow("another machine of the same name")
            << "4242\nisobra\n" + host + "\nanother-machine\n" + QSysInfo::bootUniqueId() + "\n"
            << true;
    }
    void aLockInDoubtIsOfferedWithTheDoubtSaid() {
        QFETCH(QByteArray, lock);
        QFETCH(bool, inDoubt);
        const QString leftover = PlantLeftover(lock.startsWith('<') ? nullptr : lock.constData());
        QVERIFY(!leftover.isEmpty());
        if (lock.startsWith("<link"))
            QVERIFY(QFile::link(Folder() + QStringLiteral("/nowhere"), leftover + QStringLiteral(".lock")));
        Restart(Prompts::Reply::Yes);
        QCOMPARE(prompts_->shown.size(), std::size_t{1});
        QCOMPARE(prompts_->shown[0].text.endsWith(kInDoubt), inDoubt);
        QCOMPARE(state_->observations.stationCount(), 5);
        // Taken over, then let go with the report: only this program's lock is left.
        const QString own = window_->commands().recovery.file()->path();
        const QString name = QFileInfo(own).fileName();
        QCOMPARE(Files(Folder(), QStringLiteral("*")), (QStringList{name, name + QStringLiteral(".lock")}));
    }

    void aRunningProgramsReportIsNotOffered() {
        window_->commands().recovery.Offer();
        window_->commands().entry.landForm()->OnTugiClicked();
        QTRY_VERIFY(QFile::exists(window_->commands().recovery.file()->path()));
        AppState otherState;
        test::ScriptedPrompts otherPrompts;
        {
            MainWindow other(otherState, otherPrompts);
            other.Start();
            other.commands().recovery.Offer();
        }
        QVERIFY(otherPrompts.shown.empty());
    }

    void aFolderThatCannotBeMadeIsTold() {
        const QString programFolder = QFileInfo(Folder()).path();
        QVERIFY(QDir().mkpath(QFileInfo(programFolder).path()));
        QFile blocker(programFolder);  // a file where the program's data folder goes
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        window_->commands().recovery.Offer();
        window_->commands().entry.landForm()->OnTugiClicked();
        QCOMPARE(prompts_->shown.size(), std::size_t{1});
        const QString text = prompts_->shown[0].text;
        QVERIFY2(text.startsWith(QStringLiteral("入力したデータの控えを書けませんでした（フォルダ「")),
                 qPrintable(text));
        QVERIFY(text.endsWith(QStringLiteral("」を作れません）。「気象観測データ保存」で保存しておいてください。")));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc > 3 && QByteArray(argv[1]) == "--helper")
        return RunHelper(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    RecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RecoveryTest.moc"
