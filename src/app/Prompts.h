#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace isobra {

// Every message box and input box goes through this interface, so tests can
// answer them with scripted replies instead of a modal loop.
class Prompts {
public:
    enum class Icon { None, Information, Warning, Exclamation };

    virtual ~Prompts() = default;

    // A message box with an OK button.
    virtual void Inform(const QString& title, const QString& text, Icon icon = Icon::Exclamation) = 0;
    // A Yes/No message box; true for Yes.
    virtual bool AskYesNo(const QString& title, const QString& text) = 0;
    // An input box; the typed text, or nothing on cancel.
    virtual std::optional<QString> InputText(const QString& title, const QString& prompt,
                                             const QString& defaultText) = 0;
};

// The real thing: Qt message boxes over `parent`.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Inform(const QString& title, const QString& text, Icon icon) override;
    bool AskYesNo(const QString& title, const QString& text) override;
    std::optional<QString> InputText(const QString& title, const QString& prompt,
                                     const QString& defaultText) override;

private:
    QWidget* parent_;
};

// The default title of the program's message boxes.
inline const char* const kProgramTitle = "Isobra";

}  // namespace isobra
