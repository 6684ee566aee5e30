// Exceptions that escape an event reach the application's last resort: a
// message, the window tidied, and the program goes on.
#include <QTimer>
#include <QtTest>
#include <new>
#include <stdexcept>

#include "app/LastResortApplication.h"
#include "support/ScriptedPrompts.h"

namespace isobra {

class Thrower : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw std::bad_alloc();
        return QObject::event(e);
    }
};

class LastResortApplicationTest : public QObject {
    Q_OBJECT

private:
    LastResortApplication& app() { return *static_cast<LastResortApplication*>(QCoreApplication::instance()); }

private slots:
    void init() {
        prompts_ = test::ScriptedPrompts{};
        tidied_ = 0;
        app().SetReporting(&prompts_, [this] { ++tidied_; });
    }
    void cleanup() { app().SetReporting(nullptr, {}); }

    void aThrowingSlotBecomesAMessageAndTheProgramGoesOn() {
        bool later = false;
        QTimer::singleShot(0, [] { throw std::runtime_error("grid index 31"); });
        QTimer::singleShot(5, [&later] { later = true; });
        QTRY_COMPARE(prompts_.shown.size(), std::size_t{1});
        QCOMPARE(prompts_.shown[0].text, LastResortApplication::UnexpectedFailureText("grid index 31"));
        QVERIFY(prompts_.shown[0].text.contains(QStringLiteral("ファイルには何も書きこんでいません")));
        QCOMPARE(tidied_, 1);
        QTRY_VERIFY(later);
    }

    void anEventThatThrowsIsNotHandled() {
        Thrower thrower;
        QEvent event(QEvent::User);
        QVERIFY(!QCoreApplication::sendEvent(&thrower, &event));
        QCOMPARE(prompts_.shown.size(), std::size_t{1});
        QCOMPARE(prompts_.shown[0].text, LastResortApplication::UnexpectedFailureText("メモリが足りません"));
    }

    void aFailureWhileTheMessageIsUpGivesNoSecondMessage() {
        Thrower thrower;
        prompts_.onShow = [&thrower](const test::ScriptedPrompts::Shown&) {
            QEvent again(QEvent::User);
            QCoreApplication::sendEvent(&thrower, &again);
        };
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&thrower, &event);
        QCOMPARE(prompts_.shown.size(), std::size_t{1});
    }

    void somethingNotAnExceptionIsNamedAsUnknown() {
        QTimer::singleShot(0, [] { throw 42; });
        QTRY_COMPARE(prompts_.shown.size(), std::size_t{1});
        QCOMPARE(prompts_.shown[0].text, LastResortApplication::UnexpectedFailureText("不明な例外"));
    }

private:
    test::ScriptedPrompts prompts_;
    int tidied_ = 0;
};

}  // namespace isobra

int main(int argc, char** argv) {
    isobra::LastResortApplication app(argc, argv);
    isobra::LastResortApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LastResortApplicationTest.moc"
