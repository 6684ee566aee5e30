// The real message boxes, built as the prompts show them but not run modally.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "app/QtPrompts.h"
#include "widgets/HelpTexts.h"

using namespace isobra;

Q_DECLARE_METATYPE(isobra::Prompts::Reply)

class QtPromptsTest : public QObject {
    Q_OBJECT

private slots:
    // The texts are laid out line by line: no line of theirs may be broken,
    // however narrow the screen (the offscreen one is 800 pixels wide).
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

QTEST_MAIN(QtPromptsTest)
#include "QtPromptsTest.moc"
