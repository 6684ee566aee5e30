// Files opened the desktop way: named on the command line or dropped on the
// main window, each opened by its extension as its menu command opens it.
#include <sys/stat.h>

#include <QMimeData>
#include <QtTest>

#include "app/Commands.h"
#include "app/GivenFiles.h"
#include "app/MainWindow.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"
#include "widgets/QImageCanvas.h"

using namespace isobra;
using test::kExample;

namespace {

const QString kIsobars = QStringLiteral(ISOBRA_TEST_DATA "/winter-isobars.cnt");

int LandPressures(const AppState& state) {
    int n = 0;
    for (int i = 0; i < state.observations.stationCount(); ++i) n += state.observations.land(i).pressure != 0;
    return n;
}

}  // namespace

class OpenFilesTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { CreateWindowWithFolder(); }
    void cleanup() { DestroyWindow(); }

    void eachKindOpensAsItsMenuCommandOpensIt() {
        const QString dat = folder_->filePath(QStringLiteral("冬の朝.DAT"));
        const QString cnt = folder_->filePath(QStringLiteral("等圧線.Cnt"));
        const QString picture = folder_->filePath(QStringLiteral("ひまわり.jpeg"));
        QVERIFY(QFile::copy(kExample, dat) && QFile::copy(kIsobars, cnt));
        test::WritePicture(picture, QColor(10, 200, 30), "PNG", {40, 30});  // read by its content, not its name
        QByteArray args[] = {"isobra", dat.toUtf8(), picture.toUtf8(), cnt.toUtf8()};
        char* argv[] = {args[0].data(), args[1].data(), args[2].data(), args[3].data()};
        const QStringList files = GivenFiles::FromArguments(4, argv);
        QCOMPARE(files, (QStringList{dat, picture, cnt}));

        window_->commands().givenFiles.Open(files);
        QVERIFY(prompts_->shown.empty());
        QVERIFY(LandPressures(*state_) > 20);
        QCOMPARE(window_->canvas().ReadPixel(5, 5), MakeColour(10, 200, 30));
        QVERIFY(state_->field.pressureGrid.IsComputed());  // the isobar file's grid, drawn
        QCOMPARE(window_->canvas().RetainedCalls().front().colour, state_->colours.ColorOf(kIsobarColour));
    }

    // A file that cannot be read is named as its menu command names it,
    // nothing of it is taken, and the next file opens all the same.
    void aFileThatCannotBeReadGivesTheMenuCommandsMessage_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("command");
        QTest::newRow("truncated isobar file") << ISOBRA_TEST_DATA "/truncated-grid.cnt"
                                               << "cntTLoad";
        QTest::newRow("observations not Shift-JIS") << ISOBRA_TEST_DATA "/not-shift-jis.dat"
                                                    << "cntLoad";
        QTest::newRow("no such picture") << "missing.bmp"
                                         << "cntHimawari";
    }
    void aFileThatCannotBeReadGivesTheMenuCommandsMessage() {
        QFETCH(QString, file);
        QFETCH(QString, command);
        prompts_->fileAnswers = {QFileInfo(file).absoluteFilePath()};
        window_->menuAction(command)->trigger();
        QCOMPARE(prompts_->shown.size(), std::size_t{1});
        window_->commands().givenFiles.Open({file, kExample});
        QCOMPARE(prompts_->shown.size(), std::size_t{2});
        QCOMPARE(prompts_->shown[1].text, prompts_->shown[0].text);
        QVERIFY(!state_->field.pressureGrid.IsComputed() && window_->canvas().RetainedCalls().empty());
        QVERIFY(LandPressures(*state_) > 20);  // the next file
    }

    void droppedFilesOpenLikeTheCommandLine() {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(kIsobars)});
        QDragEnterEvent enter({100, 100}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window_.get(), &enter);
        QDropEvent drop({100, 100}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window_.get(), &drop);
        QVERIFY(enter.isAccepted() && drop.isAccepted());
        QTRY_VERIFY(state_->field.pressureGrid.IsComputed());
    }

    // The desktop knows an observation file by its title line, whatever its
    // name; a pipe is not waited on to find out.
    void anObservationFileOfAnyNameOpensByItsTitle() {
        const QString report = folder_->filePath(QStringLiteral("report"));
        const QString pipe = folder_->filePath(QStringLiteral("pipe"));
        QVERIFY(QFile::copy(kExample, report) && ::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        window_->commands().givenFiles.Open({pipe, report});
        QCOMPARE(prompts_->shown.size(), size_t(1));  // the pipe, refused as a picture
        QVERIFY(LandPressures(*state_) > 20);
    }
};

QTEST_MAIN(OpenFilesTest)
#include "OpenFilesTest.moc"
