#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "widgets/Prompts.h"
#include "state/FileChooserState.h"

namespace isobra::test {

// Answers prompts from queues and records every one, so a test can check the
// exact Japanese text without a modal loop.
class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        enum class Kind { Inform, YesNo, Input, Colour } kind;
        QString title;
        QString text;
    };

    std::vector<Shown> shown;
    std::deque<bool> yesNoAnswers;                    // default: No
    std::deque<std::optional<QString>> inputAnswers;  // default: cancel
    std::deque<std::optional<QString>> fileAnswers;   // default: cancel
    std::deque<std::optional<Colour>> colourAnswers;  // default: cancel
    std::vector<Colour> colourStarts;                 // the colour each picker started at
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
        return Next(inputAnswers);
    }

    void ChooseFile(const FileRequest& request, FileChooserState& chooser) override {
        fileRequests.push_back(request);
        const std::optional<QString> a = Next(fileAnswers);
        if (a) {
            chooser.chosenPath = a->toStdString();
        } else {
            chooser.cancelled = true;
        }
    }

    std::optional<Colour> PickColour(const QString& title, Colour initial) override {
        shown.push_back({Shown::Kind::Colour, title, QString()});
        colourStarts.push_back(initial);
        return Next(colourAnswers);
    }

    // The next queued answer; none (cancel) when the queue is empty.
    template <class T>
    static std::optional<T> Next(std::deque<std::optional<T>>& queue) {
        std::optional<T> answer;
        if (!queue.empty()) {
            answer.swap(queue.front());
            queue.pop_front();
        }
        return answer;
    }

    QStringList Titles() const {
        QStringList out;
        for (const auto& s : shown) out << s.title;
        return out;
    }
};

}  // namespace isobra::test
