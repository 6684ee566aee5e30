// The real message and input boxes, built as the prompts show them but not
// run modally, on a screen of 1280 x 1024.
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "app/QtPrompts.h"
#include "support/BigScreen.h"
#include "widgets/HelpTexts.h"

using namespace isobra;

Q_DECLARE_METATYPE(isobra::Prompts::Reply)

class QtPromptsTest : public QObject {
    Q_OBJECT

private slots:
    // The texts are laid out line by line: no line of theirs may be broken.
    void noLineOfTheHelpTextsIsBroken_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("yesNo");
        QTest::newRow("introduction") << IntroductionTitle() << IntroductionText() << false;
        for (int page = 1; page <= kMenuHelpPages; ++page)
            QTest::newRow(qPrintable(QStringLiteral("menu page %1").arg(page)))
                << MenuHelpTitle(page) << MenuHelpText(page) << (page < kMenuHelpPages);
        for (const HelpPage& help : {LandFormHelp(), ShipFormHelp(), FisheryFormHelp()})
            QTest::newRow(qPrintable(help.title)) << help.title << help.text << false;
    }
    void noLineOfTheHelpTextsIsBroken() {
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(bool, yesNo);
        const auto box = QtPrompts::MakeBox(nullptr, title, text, Prompts::Icon::None, yesNo, Prompts::Answer::Yes);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCoreApplication::processEvents();  // the layout requests of the first showing
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        const QFontMetrics metrics(label->font());
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        for (const QString& line : lines)
            QVERIFY2(metrics.horizontalAdvance(line) <= label->contentsRect().width(), qPrintable(line));
        // The whole text on unbroken lines, in the box's font.
        QLabel unbroken(label->text());
        unbroken.setFont(label->font());
        QVERIFY2(label->height() < unbroken.sizeHint().height() + metrics.lineSpacing(), "a line was broken in two");
        QVERIFY(box->screen()->availableGeometry().contains(box->frameGeometry()));
    }

    // However long a line, the box stays on the screen with its OK button;
    // a long line is broken, a path after one of its "/".
    void longLinesBreakAndTheBoxStaysOnTheScreen_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString folder = QStringLiteral(
            "/home/someone/気象衛星/2024年/冬の画像/ひまわり/赤外/"
            "とても長いフォルダの名前がここにも続いています/");
        QTest::newRow("picture save")
            << "画像の保存のエラー"
            << "画像として保存できるのは、読みこんだ気象衛星画像だけです。等圧線や天気記号の図は保存できません。"
               "等圧線や天気記号は「ＣＯＰＹ」キーを押してクリップボードから利用してください。";
        QTest::newRow("long path") << "Isobra"
                                   << "「" + folder + folder + "sat2.bmp」を画像として読みこめませんでした。";
        QTest::newRow("300 characters") << "観測データ保存"
                                        << "「" + QString(300, QLatin1Char('a')) +
                                               "」はファイル名として使えません（名前が長すぎます）。";
    }
    void longLinesBreakAndTheBoxStaysOnTheScreen() {
        QFETCH(QString, title);
        QFETCH(QString, text);
        const auto box = QtPrompts::MakeBox(nullptr, title, text, Prompts::Icon::Warning, false, Prompts::Answer::Yes);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCoreApplication::processEvents();
        const QRect screen = box->screen()->availableGeometry();
        QVERIFY(screen.contains(box->frameGeometry()));
        const QAbstractButton* ok = box->button(QMessageBox::Ok);
        QVERIFY(screen.contains(QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size())));
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        const QStringList lines = label->text().split(QLatin1Char('\n'));
        for (const QString& line : lines)
            QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(line) <= label->contentsRect().width(),
                     qPrintable(line));
        QVERIFY(lines.size() > 1);
        QCOMPARE(lines.join(QString()), text);  // nothing lost or added
        if (text.contains(QLatin1Char('/')))
            for (int i = 0; i + 1 < lines.size(); ++i)
                QVERIFY2(lines[i].endsWith(QLatin1Char('/')), qPrintable(lines[i]));
    }

    // The input box shows its title whole (the window manager adds its
    // buttons beside it) and Esc cancels it.
    void theInputBoxShowsItsTitleAndEscCancels() {
        const QString title = QStringLiteral("等圧線の間隔（かんかく）の変更");
        const auto box = QtPrompts::MakeInputBox(nullptr, title, QStringLiteral("何hPaごとにしますか？"), "2");
        box->show();
        QVERIFY(QTest::qWaitForWindowActive(box.get()));
        QVERIFY(box->width() >
                QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(title) + 100);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(box->result(), int(QDialog::Rejected));
    }

    // Return gives the preferred answer, Escape always No.
    void aQuestionAnswersAsPreferred() {
        for (const Prompts::Answer preferred : {Prompts::Answer::Yes, Prompts::Answer::No}) {
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
                const auto box = QtPrompts::MakeBox(nullptr, QStringLiteral("観測データ保存"),
                                                    QStringLiteral("「a.DAT」はすでにあります。置きかえますか？"),
                                                    Prompts::Icon::None, true, preferred);
                box->show();
                QVERIFY(QTest::qWaitForWindowActive(box.get()));
                QTest::keyClick(QApplication::focusWidget(), key);
                const bool yes = key == Qt::Key_Return && preferred == Prompts::Answer::Yes;
                QCOMPARE(box->result(), int(yes ? QMessageBox::Yes : QMessageBox::No));
            }
        }
    }

    // A question that may be put off tells Escape and the close box from No.
    void aQuestionPutOffIsNoAnswer_data() {
        QTest::addColumn<QString>("exit");
        QTest::addColumn<Prompts::Reply>("reply");
        QTest::newRow("Return") << "Return" << Prompts::Reply::Yes;
        QTest::newRow("the No button") << "No" << Prompts::Reply::No;
        QTest::newRow("Escape") << "Escape" << Prompts::Reply::Dismissed;
        QTest::newRow("the close box") << "close" << Prompts::Reply::Dismissed;
    }
    void aQuestionPutOffIsNoAnswer() {
        QFETCH(QString, exit);
        QFETCH(Prompts::Reply, reply);
        const auto box = QtPrompts::MakeBox(nullptr, QStringLiteral("Isobra"), QStringLiteral("読みこみますか？"),
                                            Prompts::Icon::Question, true, Prompts::Answer::Yes);
        box->show();
        QVERIFY(QTest::qWaitForWindowActive(box.get()));
        if (exit == QLatin1String("Return") || exit == QLatin1String("Escape"))
            QTest::keyClick(QApplication::focusWidget(),
                            exit == QLatin1String("Return") ? Qt::Key_Return : Qt::Key_Escape);
        else if (exit == QLatin1String("No"))
            box->button(QMessageBox::No)->click();
        else
            box->close();
        QVERIFY(!box->isVisible());
        QCOMPARE(QtPrompts::ReplyOf(*box), reply);
    }
};

int main(int argc, char** argv) { return isobra::test::RunOnBigScreen<QtPromptsTest>(argc, argv); }
#include "QtPromptsTest.moc"
