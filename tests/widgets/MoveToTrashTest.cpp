#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "support/CurrentFolder.h"
#include "support/TemporaryHome.h"
#include "support/TestFiles.h"
#include "widgets/MoveToTrash.h"

using namespace isobra;
using test::Entries;
using test::WriteAll;

// Each test runs with a HOME of its own that starts empty, as a new account's
// does, and with the observation folder as the current directory.
class MoveToTrashTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        cwd_ = std::make_unique<test::CurrentFolder>();
        home_ = std::make_unique<test::TemporaryHome>();
        work_ = std::make_unique<QTemporaryDir>();
        QVERIFY(home_->isValid() && work_->isValid());
        QDir::setCurrent(work_->path());
    }
    void cleanup() {
        cwd_.reset();
        home_.reset();
        work_.reset();
    }

    // No ~/.local/share yet: the file still reaches the home trash with its
    // record, and nothing is left in the observation folder.
    void aNewAccountsFileGoesToTheTrashInItsHome() {
        const QString trash = home_->path() + "/.local/share/Trash";
        QCOMPARE(HomeTrashPath(), trash);
        WriteAll(work_->filePath("obs.DAT"), "first");
        QVERIFY(MoveToTrash(work_->filePath("obs.DAT")));
        QCOMPARE(Entries(work_->path()), QStringList());
        QCOMPARE(Entries(trash + "/files"), QStringList{"obs.DAT"});
        QCOMPARE(Entries(trash + "/info"), QStringList{"obs.DAT.trashinfo"});

        // A second file of that name keeps the first in the trash.
        WriteAll(work_->filePath("obs.DAT"), "second");
        QVERIFY(MoveToTrash(work_->filePath("obs.DAT")));
        QCOMPARE(Entries(work_->path()), QStringList());
        QCOMPARE(Entries(trash + "/files").size(), 2);
    }

    void aMissingFileIsRefusedWithItsReason() {
        const Status trashed = MoveToTrash(work_->filePath("gone.dat"));
        QVERIFY(!trashed);
        QCOMPARE(QString::fromStdString(trashed.message()), QStringLiteral("ファイルが見つかりません"));
        QCOMPARE(Entries(work_->path()), QStringList());
    }

private:
    std::unique_ptr<test::CurrentFolder> cwd_;
    std::unique_ptr<test::TemporaryHome> home_;
    std::unique_ptr<QTemporaryDir> work_;
};

QTEST_MAIN(MoveToTrashTest)
#include "MoveToTrashTest.moc"
