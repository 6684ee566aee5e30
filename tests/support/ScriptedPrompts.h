#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "widgets/Prompts.h"

namespace isobra {
class FrmOpenSave;
}

namespace isobra::test {

// Answers prompts from queues and records every one, so a test can check the
// exact Japanese text without a modal loop.
class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        enum class Kind { Inform, YesNo, Input, Colour, Print } kind;
        QString title;
        QString text;
        Answer preferred = Answer::Yes;  // of a Yes/No question: what Return gives
        Icon icon = Icon::None;
    };

    std::vector<Shown> shown;
    std::deque<bool> yesNoAnswers;                    // default: No
    std::deque<Reply> replies;                        // of AskYesNoOrDismiss; default: dismissed
    std::deque<std::optional<QString>> inputAnswers;  // default: cancel
    std::deque<std::optional<QString>> fileAnswers;   // default: cancel
    std::deque<int> optionAnswers;                    // the option chosen where options show; default: the first
    std::deque<int> patternAnswers;  // the pattern picked where several are offered; default: the first
    std::deque<std::optional<Colour>> colourAnswers;  // default: cancel
    std::vector<Colour> colourStarts;                 // the colour each picker started at
    std::vector<FileRequest> fileRequests;
    std::vector<QString> inputDefaults;  // the default text of each input box

    // Called with each prompt as it is shown, to look at the program's state then.
    std::function<void(const Shown&)> onShow;

    void Inform(const QString& title, const QString& text, Icon icon) override {
        shown.push_back({Shown::Kind::Inform, title, text, Answer::Yes, icon});
        if (onShow) onShow(shown.back());
    }
    bool AskYesNo(const QString& title, const QString& text, Answer preferred = Answer::Yes,
                  Icon icon = Icon::Question) override {
        shown.push_back({Shown::Kind::YesNo, title, text, preferred, icon});
        return NextOr(yesNoAnswers, false);
    }
    Reply AskYesNoOrDismiss(const QString& title, const QString& text, Answer preferred = Answer::Yes,
                            Icon icon = Icon::Question) override {
        shown.push_back({Shown::Kind::YesNo, title, text, preferred, icon});
        return NextOr(replies, Reply::Dismissed);
    }
    std::optional<QString> InputText(const QString& title, const QString& prompt, const QString& defaultText) override {
        shown.push_back({Shown::Kind::Input, title, prompt});
        inputDefaults.push_back(defaultText);
        return Next(inputAnswers);
    }

    // The real chooser instead of a queued answer: each script is given the
    // dialog, prepared and shown (not modal), and works its widgets as the
    // user would; a dialog its script leaves open is cancelled.
    using ChooserScript = std::function<void(FrmOpenSave&)>;
    std::deque<ChooserScript> chooserScripts;

    std::optional<FileChoice> ChooseFile(const FileRequest& request) override {
        fileRequests.push_back(request);
        if (const ChooserScript script = NextOr(chooserScripts, ChooserScript())) return RunChooser(request, script);
        const std::optional<QString> path = Next(fileAnswers);
        const int option = request.showOptions ? NextOr(optionAnswers, 0) : 0;
        const int pattern = request.patternChoices.size() > 1 ? NextOr(patternAnswers, 0) : 0;
        if (!path) return std::nullopt;
        return FileChoice{*path, pattern, option};
    }

    std::optional<FileChoice> RunChooser(const FileRequest& request, const ChooserScript& script);

    std::optional<Colour> PickColour(const QString& title, Colour initial) override {
        shown.push_back({Shown::Kind::Colour, title, QString()});
        colourStarts.push_back(initial);
        return Next(colourAnswers);
    }

    // Recorded and cancelled: no test prints.
    bool ChoosePrinter(const QString& title, QPrinter&) override {
        shown.push_back({Shown::Kind::Print, title, QString()});
        return false;
    }

    // The next queued answer; `otherwise` when the queue is empty.
    template <class T>
    static T NextOr(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) return otherwise;
        T answer = std::move(queue.front());
        queue.pop_front();
        return answer;
    }
    // The next queued answer; none (cancel) when the queue is empty.
    template <class T>
    static std::optional<T> Next(std::deque<std::optional<T>>& queue) {
        return NextOr(queue, std::optional<T>());
    }

    QStringList Titles() const {
        QStringList out;
        for (const auto& s : shown) out << s.title;
        return out;
    }
};

}  // namespace isobra::test
