// Typed rows that no file holds are never replaced without a word: every
// command that loads observations asks first, and a report replaced after
// all lives on in the trash.
#include <QDir>
#include <QMimeData>
#include <QtTest>
#include <memory>

#include "app/Commands.h"
#include "app/MainWindow.h"
#include "app/RecoveryFile.h"
#include "entry/Tenki1.h"
#include "model/FileAccess.h"
#include "state/GridReplacement.h"
#include "support/MainWindowFixture.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"
#include "widgets/MoveToTrash.h"
#include "widgets/QtText.h"

using namespace isobra;
using test::ReadAll;

namespace {

const QString kQuestion =
    QStringLiteral("入力したデータはまだ保存されていません。読みこむと消えます。よろしいですか？");
const QString kOther = QStringLiteral(ISOBRA_TEST_DATA "/katakana-and-frost.dat");

// The observation file a fresh program holds after loading `path`.
QByteArray AsLoaded(const QString& path) {
    AppState fresh;
    const Result<std::string> bytes = ReadWholeFile(ToUtf8(path));
    const Result<ObservationFileData> data = ParseObservationFile(bytes ? *bytes : std::string());
    if (!data) return "<unreadable>";
    ApplyObservationData(*data, fresh);
    return QByteArray::fromStdString(*fresh.ObservationFileNow());
}

QStringList DatFiles(const QString& folder) { return QDir(folder).entryList({QStringLiteral("*.dat")}, QDir::Files); }

}  // namespace

class LoadOverUnsavedTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private:
    std::unique_ptr<test::TemporaryHome> home_;

    QByteArray FileNow() const { return QByteArray::fromStdString(*state_->ObservationFileNow()); }

private slots:
    void init() {
        home_ = std::make_unique<test::TemporaryHome>();
        QVERIFY(home_->isValid());
        CreateWindowWithFolder();
    }
    void cleanup() {
        DestroyWindow();
        home_.reset();
    }

    void eachLoadAsksBeforeUnsavedRowsGo_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("yes");
        for (const char* command : {"menu", "drop", "command line"})
            for (const char* before : {"unsaved", "saved", "empty"})
                for (const bool yes : {true, false})
                    QTest::newRow(qPrintable(QStringLiteral("%1, %2, %3").arg(command, before, yes ? "yes" : "no")))
                        << command << before << yes;
        // A report taken back at the start, then a file named on the command line.
        QTest::newRow("recovered, yes") << "command line"
                                        << "recovered" << true;
        QTest::newRow("recovered, no") << "command line"
                                       << "recovered" << false;
    }
    void eachLoadAsksBeforeUnsavedRowsGo() {
        QFETCH(QString, command);
        QFETCH(QString, before);
        QFETCH(bool, yes);
        const QString recovery = RecoveryFile::DefaultFolder();
        if (before == QLatin1String("recovered")) {
            QVERIFY(QDir().mkpath(recovery));
            QVERIFY(QFile::copy(kOther, recovery + QStringLiteral("/20231207-160200-000-1.dat")));
            prompts_->replies = {Prompts::Reply::Yes};
        }
        window_->commands().recovery.Offer();
        if (before == QLatin1String("unsaved") || before == QLatin1String("saved"))
            window_->commands().entry.landForm()->OnTugiClicked();
        if (before == QLatin1String("saved")) {
            prompts_->fileAnswers = {folder_->filePath(QStringLiteral("obs"))};
            window_->menuAction(QStringLiteral("cntSave"))->trigger();
        }
        const bool asked = before == QLatin1String("unsaved") || before == QLatin1String("recovered");
        QCOMPARE(state_->ObservationsUnsaved(), asked);
        const QByteArray old = FileNow();
        prompts_->shown.clear();
        prompts_->fileRequests.clear();

        prompts_->yesNoAnswers = {yes};
        if (command == QLatin1String("menu")) {
            prompts_->fileAnswers = {test::kExample};
            window_->menuAction(QStringLiteral("cntLoad"))->trigger();
            // No returns before the chooser opens.
            QCOMPARE(prompts_->fileRequests.size(), std::size_t(!asked || yes));
        } else if (command == QLatin1String("drop")) {
            // Two at once ask once; the last one stays.
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(kOther), QUrl::fromLocalFile(test::kExample)});
            QDragEnterEvent enter({100, 100}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window_.get(), &enter);
            QDropEvent drop({100, 100}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window_.get(), &drop);
            QVERIFY(drop.isAccepted());
            QCoreApplication::processEvents();
        } else {
            window_->commands().givenFiles.Open({test::kExample});
        }

        QCOMPARE(prompts_->shown.size(), std::size_t(asked));
        if (asked) QVERIFY(prompts_->shown[0].text == kQuestion && prompts_->shown[0].preferred == Prompts::Answer::No);
        const bool replaced = !asked || yes;
        QCOMPARE(FileNow(), replaced ? AsLoaded(test::kExample) : old);
        QCOMPARE(state_->ObservationsUnsaved(), !replaced);
        // The old report: in the trash after Yes, still kept after No.
        const QString trash = HomeTrashPath() + QStringLiteral("/files");
        QCOMPARE(DatFiles(trash).size(), qsizetype(asked && yes));
        if (asked && yes) QCOMPARE(ReadAll(trash + QLatin1Char('/') + DatFiles(trash)[0]), old);
        const QString own = window_->commands().recovery.file()->path();
        if (!replaced) QTRY_COMPARE(ReadAll(own), old);
        QCOMPARE(DatFiles(recovery), replaced ? QStringList() : QStringList{QFileInfo(own).fileName()});
    }
};

QTEST_MAIN(LoadOverUnsavedTest)
#include "LoadOverUnsavedTest.moc"
