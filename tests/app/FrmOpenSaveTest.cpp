#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/FrmOpenSave.h"
#include "support/CurrentFolder.h"
#include "support/ScriptedPrompts.h"
#include "support/TypistKit.h"

using namespace isobra;

namespace {

void Touch(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
}

}  // namespace

class FrmOpenSaveTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        cwd_ = std::make_unique<test::CurrentFolder>();
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        Touch(dir_->filePath("obs.DAT"));
        Touch(dir_->filePath("OBS2.dat"));
        Touch(dir_->filePath("map.CNT"));
        Touch(dir_->filePath("notes.txt"));
        QVERIFY(QDir(dir_->path()).mkdir("sub.dir"));
        Touch(dir_->filePath("sub.dir/inner.dat"));
        QDir::setCurrent(dir_->path());
        prompts_ = std::make_unique<test::ScriptedPrompts>();
    }
    void cleanup() {
        dialog_.reset();
        cwd_.reset();
        dir_.reset();
    }

    void patternsMatchWithoutRegardToCase() {
        Open({"観測データ読みこみ", "*.dat", FileRequest::Purpose::Open});
        QCOMPARE(dialog_->fileNames(), (QStringList{"obs.DAT", "OBS2.dat"}));
        QCOMPARE(dialog_->directory(), QDir(dir_->path()).canonicalPath());
        QCOMPARE(Name()->text(), QString());  // the caller empties the name box
        QCOMPARE(dialog_->palette().color(QPalette::Window), QColor(192, 192, 255));
        QVERIFY(FrmOpenSave::Matches("forg.00?", "FORG.001"));
        QVERIFY(!FrmOpenSave::Matches("forg.00?", "forg.0012"));
        QVERIFY(FrmOpenSave::Matches("*.*", "README"));
    }

    void typedPatternAndDirectoryKeepTheDialogOpen() {
        Open({"等圧線データ読みこみ", "*.dat", FileRequest::Purpose::Open});
        Type("*.cnt");
        QCOMPARE(dialog_->fileNames(), QStringList{"map.CNT"});
        QCOMPARE(Name()->text(), QStringLiteral("*.cnt"));
        QVERIFY(dialog_->isVisible());

        Type("sub.dir");
        QCOMPARE(dialog_->directory(), QDir(dir_->filePath("sub.dir")).canonicalPath());
        QCOMPARE(QDir::currentPath(), dialog_->directory());  // the process follows the display
        QCOMPARE(Name()->text(), QStringLiteral("*.cnt"));
        QVERIFY(dialog_->fileNames().isEmpty());
        QVERIFY(dialog_->isVisible());
        QVERIFY(prompts_->shown.empty());
    }

    void okWithNothingTypedOrSelectedStays() {
        Open({"観測データ読みこみ", "*.xyz", FileRequest::Purpose::Open});
        QTest::mouseClick(Button("cmdOpenSave0"), Qt::LeftButton);
        QCOMPARE(Name()->text(), QString());
        QVERIFY(dialog_->isVisible());
        QVERIFY(!dialog_->choice());
    }

    void openAcceptsListedFilesIgnoringCaseAndRefusesMissingOnes() {
        Open({"観測データ読みこみ", "*.dat", FileRequest::Purpose::Open});
        Type("nothere.dat");
        QVERIFY(dialog_->isVisible());
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QCOMPARE(prompts_->shown[0].text, QStringLiteral("ファイルが存在しません。"));

        Type("OBS.dat");  // the file is obs.DAT
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(Chosen(), QDir(dir_->path()).canonicalPath() + "/obs.DAT");
    }

    // A file the pattern hides, typed by name: taken by every open chooser
    // (the image loader with its bmp option too), whatever its extension;
    // a save or a delete stays open.
    void anExistingFileHiddenByThePatternIsOpenedAsTyped() {
        Touch(dir_->filePath("sat2.png"));
        const QString here = QDir(dir_->path()).canonicalPath();
        FileRequest image{"画像読みこみ", "*.bmp", FileRequest::Purpose::Open};
        image.showOptions = true;
        const struct {
            FileRequest request;
            QString typed;
            QString chosen;  // empty: the dialog stays open
        } cases[] = {
            {image, "sat2.png", here + "/sat2.png"},
            {image, here + "/SAT2.PNG", here + "/sat2.png"},
            {{"気象衛星画像の連続読みこみ", "*.Bmp", FileRequest::Purpose::Open}, "sat2.png", here + "/sat2.png"},
            {{"観測データ読みこみ", "*.dat", FileRequest::Purpose::Open}, "sub.dir/../notes.txt", here + "/notes.txt"},
            {{"観測データ保存", "*.dat", FileRequest::Purpose::Save}, "notes.txt", {}},
            {{"観測データ削除", "*.dat", FileRequest::Purpose::Delete}, "notes.txt", {}},
        };
        for (const auto& c : cases) {
            Open(c.request);
            Type(c.typed);
            QVERIFY2(dialog_->isVisible() == c.chosen.isEmpty(), qPrintable(c.typed));
            QCOMPARE(Chosen(), c.chosen);
            if (!c.chosen.isEmpty()) QCOMPARE(dialog_->choice()->option, 0);
        }
        QVERIFY(prompts_->shown.empty());
    }

    void saveAcceptsANewNameRelativeToTheDirectoryOnDisplay() {
        Open({"観測データ保存", "*.dat", FileRequest::Purpose::Save});
        QCOMPARE(dialog_->palette().color(QPalette::Window), QColor(255, 192, 192));
        Type("sub.dir");
        Type("new");
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(Chosen(), QDir(dir_->filePath("sub.dir")).canonicalPath() + "/new");

        // Shown again after "No" to replacing: the name still typed.
        FileRequest again{"観測データ保存", "*.dat", FileRequest::Purpose::Save};
        again.initialName = "obs";
        Open(again);
        QCOMPARE(Name()->text(), QStringLiteral("obs"));
    }

    void deleteRefusesNewNamesAndAMissingFolderIsNamed() {
        Open({"観測データ削除", "*.dat", FileRequest::Purpose::Delete});
        QCOMPARE(dialog_->palette().color(QPalette::Window), QColor(255, 192, 255));
        Type("new");
        QCOMPARE(prompts_->shown.back().text, QStringLiteral("ファイルが存在しません。"));
        Open({"観測データ保存", "*.dat", FileRequest::Purpose::Save});
        Type("nofolder/new");
        QVERIFY(dialog_->isVisible());
        QVERIFY(prompts_->shown.back().text.contains("が見つかりません"));
        Type(QString(300, QLatin1Char('a')));
        QVERIFY(dialog_->isVisible());
        QVERIFY(prompts_->shown.back().text.contains("ファイル名として使えません"));
    }

    void cancelTheCloseBoxAndEscapeChooseNothing() {
        Open({"観測データ読みこみ", "*.dat", FileRequest::Purpose::Open});
        Name()->setText(QStringLiteral("obs.DAT"));
        QTest::mouseClick(Button("cmdOpenSave1"), Qt::LeftButton);
        QVERIFY(!dialog_->isVisible());
        QVERIFY(!dialog_->choice());

        Open({"観測データ削除", "*.dat", FileRequest::Purpose::Delete});
        Name()->setText(QStringLiteral("obs.DAT"));
        dialog_->close();
        QVERIFY(!dialog_->choice());

        Open({"観測データ読みこみ", "*.dat", FileRequest::Purpose::Open});
        Name()->setText(QStringLiteral("obs.DAT"));
        QTest::keyClick(dialog_.get(), Qt::Key_Escape);
        QVERIFY(!dialog_->isVisible());
        QVERIFY(!dialog_->choice());
    }

    void clickingAndDoubleClickingFiles() {
        Open({"観測データ読みこみ", "*.dat", FileRequest::Purpose::Open});
        auto* list = dialog_->findChild<QListWidget*>("filOpenSave");
        QListWidgetItem* item = list->item(1);
        const QRect r = list->visualItemRect(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(Name()->text(), QStringLiteral("OBS2.dat"));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(Chosen(), QDir(dir_->path()).canonicalPath() + "/OBS2.dat");
    }

    // The list makes its first row current when Tab brings the focus to it;
    // that row is no choice of the user's. Return there is OK on the name box
    // as typed; only a file the user selected reaches the name box.
    void tabIntoTheListTakesNoFileTheUserDidNotChoose() {
        OpenActive({"観測データ保存", "*.dat", FileRequest::Purpose::Save});
        typist::Type("mynew");
        typist::Press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(List()));
        QCOMPARE(Name()->text(), QStringLiteral("mynew"));
        typist::Press(Qt::Key_Return);
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(Chosen(), QDir(dir_->path()).canonicalPath() + "/mynew");

        OpenActive({"観測データ削除", "*.dat", FileRequest::Purpose::Delete});
        typist::Type("zzz");
        typist::Press(Qt::Key_Tab);
        typist::Press(Qt::Key_Return);
        QVERIFY(dialog_->isVisible());
        QCOMPARE(prompts_->shown.back().text, QStringLiteral("ファイルが存在しません。"));
        QVERIFY(!dialog_->choice());

        // OK with the name box empty takes the selected file only.
        OpenActive({"観測データ読みこみ", "*.dat", FileRequest::Purpose::Open});
        typist::Press(Qt::Key_Tab);
        typist::Press(Qt::Key_Return);
        QVERIFY(dialog_->isVisible());
        QCOMPARE(Name()->text(), QString());
        // The arrow keys moving the selection are a choice.
        typist::Press(Qt::Key_Down);
        QCOMPARE(Name()->text(), QStringLiteral("OBS2.dat"));
        typist::Press(Qt::Key_Up);
        QCOMPARE(Name()->text(), QStringLiteral("obs.DAT"));
        typist::Press(Qt::Key_Return);
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(Chosen(), QDir(dir_->path()).canonicalPath() + "/obs.DAT");
    }

    void optionButtonsAreHiddenUnlessAskedFor() {
        Open({"観測データ読みこみ", "*.dat", FileRequest::Purpose::Open});
        for (const char* name : {"Option1", "Option2", "Option3"})
            QVERIFY(!dialog_->findChild<QRadioButton*>(name)->isVisible());

        FileRequest image{"画像読みこみ", "*.bmp", FileRequest::Purpose::Open};
        image.showOptions = true;
        image.optionCaptions = {"bmpﾌｧｲﾙ", "べたﾌｧｲﾙ", "ｳｪｻﾞｰｾﾝｻ"};
        Open(image);
        auto* option2 = dialog_->findChild<QRadioButton*>("Option2");
        QVERIFY(option2->isVisible());
        QCOMPARE(option2->text(), QStringLiteral("べたﾌｧｲﾙ"));
        Touch(dir_->filePath("a.B1"));
        QTest::mouseClick(option2, Qt::LeftButton, {}, QPoint(5, option2->height() / 2));
        QCOMPARE(dialog_->pattern(), QStringLiteral("*.b1"));
        QCOMPARE(dialog_->fileNames(), QStringList{"a.B1"});
        QCOMPARE(Name()->text(), QString());
        Type("a.B1");
        QCOMPARE(dialog_->choice()->option, 1);
        QVERIFY(!option2->isVisible());
    }

    // A save of several kinds: the list of patterns under the file list,
    // walked to with Tab and picked with the arrow keys, the name typed kept.
    void aListOfPatternsPicksTheKind() {
        Touch(dir_->filePath("old.png"));
        Touch(dir_->filePath("old.SVG"));
        FileRequest request{"地図を画像で保存", "*.png", FileRequest::Purpose::Save};
        request.patternChoices = {"*.png", "*.svg", "*.pdf"};
        OpenActive(request);
        QCOMPARE(dialog_->fileNames(), QStringList{"old.png"});
        typist::Type("chart");
        typist::Press(Qt::Key_Tab);
        typist::Press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Patterns()));
        typist::Press(Qt::Key_Down);
        QCOMPARE(dialog_->fileNames(), QStringList{"old.SVG"});
        typist::Press(Qt::Key_Return);
        QCOMPARE(Chosen(), QDir(dir_->path()).canonicalPath() + "/chart");
        QCOMPARE(dialog_->choice()->pattern, 1);
        Open(request);
        Type("*.pdf");  // a pattern typed that the list offers is picked there
        QCOMPARE(Patterns()->currentText(), QStringLiteral("*.pdf"));
    }

private:
    QComboBox* Patterns() { return dialog_->findChild<QComboBox*>("cboOpenSave"); }
    void Open(const FileRequest& request) {
        dialog_ = std::make_unique<FrmOpenSave>(*prompts_);
        dialog_->Prepare(request);
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
    }
    void OpenActive(const FileRequest& request) {
        Open(request);
        dialog_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Name()));
    }
    QListWidget* List() { return dialog_->findChild<QListWidget*>("filOpenSave"); }
    QLineEdit* Name() { return dialog_->findChild<QLineEdit*>("txtOpenSave"); }
    QPushButton* Button(const char* name) { return dialog_->findChild<QPushButton*>(name); }
    QString Chosen() const { return dialog_->choice() ? dialog_->choice()->path : QString(); }
    void Type(const QString& text) {
        Name()->clear();
        QTest::keyClicks(Name(), text);
        QTest::mouseClick(Button("cmdOpenSave0"), Qt::LeftButton);
    }

    std::unique_ptr<test::CurrentFolder> cwd_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<test::ScriptedPrompts> prompts_;
    std::unique_ptr<FrmOpenSave> dialog_;
};

QTEST_MAIN(FrmOpenSaveTest)
#include "FrmOpenSaveTest.moc"
