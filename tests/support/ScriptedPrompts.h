#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "widgets/Prompts.h"
#include "state/FileChooserState.h"

// GCC 12 warns, wrongly, that a moved std::optional<QString> may be used
// uninitialised.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

namespace isobra::test {

// Answers prompts from queues and records every one, so a test can check the
// exact Japanese text without a modal loop.
class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        enum class Kind { Inform, YesNo, Input } kind;
        QString title;
        QString text;
    };

    std::vector<Shown> shown;
    std::deque<bool> yesNoAnswers;                    // default: No
    std::deque<std::optional<QString>> inputAnswers;  // default: cancel
    std::deque<std::optional<QString>> fileAnswers;   // default: cancel
    std::vector<FileRequest> fileRequests;

    // Called with each prompt as it is shown, to look at the program's state then.
    std::function<void(const Shown&)> onShow;

    void Inform(const QString& title, const QString& text, Icon) override {
        shown.push_back({Shown::Kind::Inform, title, text});
        if (onShow) onShow(shown.back());
    }
    bool AskYesNo(const QString& title, const QString& text) override {
        shown.push_back({Shown::Kind::YesNo, title, text});
        if (yesNoAnswers.empty()) return false;
        bool a = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return a;
    }
    std::optional<QString> InputText(const QString& title, const QString& prompt, const QString&) override {
        shown.push_back({Shown::Kind::Input, title, prompt});
        if (inputAnswers.empty()) return std::nullopt;
        std::optional<QString> a = std::move(inputAnswers.front());
        inputAnswers.pop_front();
        return a;
    }

    void ChooseFile(const FileRequest& request, FileChooserState& chooser) override {
        fileRequests.push_back(request);
        std::optional<QString> a;
        if (!fileAnswers.empty()) {
            a = fileAnswers.front();
            fileAnswers.pop_front();
        }
        if (a) {
            chooser.chosenPath = a->toStdString();
        } else {
            chooser.cancelFlag = -1;
        }
    }

    QStringList Titles() const {
        QStringList out;
        for (const auto& s : shown) out << s.title;
        return out;
    }
};

}  // namespace isobra::test
