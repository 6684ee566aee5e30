// Files opened the desktop way: named on the command line or dropped on the
// main window, each opened by its extension as its menu command opens it.
#include <QMimeData>
#include <QtTest>

#include "app/MainWindow.h"
#include "support/MainWindowFixture.h"
#include "widgets/QImageCanvas.h"

using namespace isobra;
using Kind = test::ScriptedPrompts::Shown::Kind;

namespace {

const QString kExample = QStringLiteral(ISOBRA_EXAMPLES "/winter.dat");
const QString kIsobars = QStringLiteral(ISOBRA_TEST_DATA "/winter-isobars.cnt");

bool Copy(const QString& from, const QString& to) { return QFile::copy(from, to); }

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
        // Names as the system has them: Japanese, upper-case extensions.
        const QString dat = folder_->filePath(QStringLiteral("冬の朝.DAT"));
        const QString cnt = folder_->filePath(QStringLiteral("等圧線.Cnt"));
        const QString picture = folder_->filePath(QStringLiteral("ひまわり.jpeg"));
        QVERIFY(Copy(kExample, dat));
        QVERIFY(Copy(kIsobars, cnt));
        QImage sky(40, 30, QImage::Format_RGB32);
        sky.fill(QColor(10, 200, 30));
        QVERIFY(sky.save(picture, "PNG"));  // read by its content, not its name

        const QByteArray utf8[] = {"isobra", dat.toUtf8(), picture.toUtf8(), cnt.toUtf8()};
        std::vector<char*> argv;
        for (const QByteArray& a : utf8) argv.push_back(const_cast<char*>(a.constData()));
        const QStringList files = MainWindow::FileArguments(static_cast<int>(argv.size()), argv.data());
        QCOMPARE(files, (QStringList{dat, picture, cnt}));

        window_->OpenFiles(files);
        QVERIFY(prompts_->shown.empty());
        QVERIFY(LandPressures(*state_) > 20);  // the observations, not drawn
        QCOMPARE(window_->canvas().ReadPixel(5, 5), MakeColour(10, 200, 30));
        // The isobar file replaced the grid and drew its isobars, no map.
        QVERIFY(state_->field.pressureGrid.IsComputed());
        int isobarPixels = 0;
        for (int y = 30; y < 400; ++y)
            for (int x = 0; x < 400; ++x)
                isobarPixels += window_->canvas().ReadPixel(x, y) == state_->colours.ColorOf(kIsobarColour);
        QVERIFY(isobarPixels > 1000);
        QVERIFY(!window_->pleaseWait());
    }

    // A file that cannot be read is named as the menu command names it,
    // nothing of it is taken, and the next file opens all the same.
    void aFileThatCannotBeReadGivesTheMenuCommandsMessage_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("command");
        QTest::newRow("truncated isobar file") << ISOBRA_TEST_DATA "/truncated-grid.cnt"
                                               << "cntTLoad";
        QTest::newRow("observations not Shift-JIS") << ISOBRA_TEST_DATA "/not-shift-jis.dat"
                                                    << "cntLoad";
        QTest::newRow("no such observation file") << "gone.dat"
                                                  << "cntLoad";
        QTest::newRow("no such picture") << "missing.bmp"
                                         << "cntHimawari";
    }
    void aFileThatCannotBeReadGivesTheMenuCommandsMessage() {
        QFETCH(QString, file);
        QFETCH(QString, command);
        const QString path = QFileInfo(file).absoluteFilePath();
        prompts_->fileAnswers = {path};
        window_->menuAction(command)->trigger();
        QCOMPARE(prompts_->shown.size(), std::size_t{1});
        const QString fromMenu = prompts_->shown[0].text;
        prompts_->shown.clear();

        const QImage before = window_->canvas().Composite();
        window_->OpenFiles({file, kExample});
        QCOMPARE(prompts_->shown.size(), std::size_t{1});
        QCOMPARE(prompts_->shown[0].kind, Kind::Inform);
        QCOMPARE(prompts_->shown[0].text, fromMenu);
        QVERIFY(!state_->field.pressureGrid.IsComputed());
        QCOMPARE(window_->canvas().Composite(), before);
        QVERIFY(LandPressures(*state_) > 20);  // the next file
    }

    void droppedFilesOpenLikeTheCommandLine() {
        const QString cnt = folder_->filePath(QStringLiteral("dropped.cnt"));
        QVERIFY(Copy(kIsobars, cnt));
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(cnt)});
        const QPoint at(100, 100);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window_.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window_.get(), &drop);
        QTRY_VERIFY(state_->field.pressureGrid.IsComputed());
        QVERIFY(prompts_->shown.empty());

        // Something that is no local file is not taken.
        QMimeData text;
        text.setText(QStringLiteral("高気圧"));
        QDragEnterEvent refused(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window_.get(), &refused);
        QVERIFY(!refused.isAccepted());
    }
};

QTEST_MAIN(OpenFilesTest)
#include "OpenFilesTest.moc"
