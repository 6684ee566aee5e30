#include "app/MenuBuilder.h"

#include <QMenuBar>

namespace isobra {

MenuBuilder::MenuBuilder(QMenuBar& bar, QObject& context) : bar_(bar), context_(context) {}

QMenu* MenuBuilder::Submenu(QMenu* parent, const QString& caption, const QString& controlName) {
    QMenu* sub = parent ? parent->addMenu(caption) : bar_.addMenu(caption);
    sub->setObjectName(controlName);
    sub->menuAction()->setObjectName(controlName);
    actions_[controlName] = sub->menuAction();
    return sub;
}

QAction* MenuBuilder::Item(QMenu* menu, const QString& caption, const QString& controlName,
                           std::function<void()> handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(controlName);
    if (handler)
        QObject::connect(action, &QAction::triggered, &context_, [handler = std::move(handler)] { handler(); });
    actions_[controlName] = action;
    return action;
}

void MenuBuilder::Separator(QMenu* menu, const QString& controlName) {
    QAction* sep = menu->addSeparator();
    sep->setObjectName(controlName);
    actions_[controlName] = sep;
}

void MenuBuilder::Keep(const QString& controlName, QAction* action) { actions_[controlName] = action; }

QAction* MenuBuilder::action(const QString& controlName) const {
    auto it = actions_.find(controlName);
    return it == actions_.end() ? nullptr : it->second;
}

}  // namespace isobra
