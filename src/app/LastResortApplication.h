#pragma once

#include <QApplication>
#include <functional>
#include <string>

namespace isobra {

class Prompts;

// The program's application object. Expected failures are results, never
// exceptions; anything that still throws out of an event (a slot, a click, a
// timer) ends here instead of aborting the program: the command that threw
// stops where it was, the user reads what happened, and the window goes on,
// so typed observations can still be saved. Nothing is written to disk:
// every save is staged, so one cut short leaves the old file in place.
class LastResortApplication : public QApplication {
public:
    LastResortApplication(int& argc, char** argv);

    // Where the message goes, and what tidies the window first (the
    // please-wait window a command left open). Until set, stderr only.
    void SetReporting(Prompts* prompts, std::function<void()> tidy);

    bool notify(QObject* receiver, QEvent* event) override;

    // The user's texts for an exception's description: the command stopped
    // and the program goes on, or the program cannot start or go on.
    static QString UnexpectedFailureText(const std::string& what);
    static QString UnexpectedFailureAtStartText(const std::string& what);

    // What any caught exception says about itself.
    static std::string DescribeCurrentException();

private:
    void Report(const std::string& what);

    Prompts* prompts_ = nullptr;
    std::function<void()> tidy_;
    bool reporting_ = false;
};

}  // namespace isobra
