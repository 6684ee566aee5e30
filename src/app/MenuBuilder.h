#pragma once

#include <QString>
#include <functional>
#include <map>

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace isobra {

// Fills a menu bar with named items (the controls' given names, so tests and
// the view scale find them again) and keeps each one by its name.
class MenuBuilder {
public:
    // `context` owns the connections: no handler runs after it is gone.
    MenuBuilder(QMenuBar& bar, QObject& context);

    // A menu of the bar (no parent) or a submenu.
    QMenu* Submenu(QMenu* parent, const QString& caption, const QString& controlName);
    // An item that calls `handler` when chosen (none: the caller connects it).
    QAction* Item(QMenu* menu, const QString& caption, const QString& controlName, std::function<void()> handler = {});
    void Separator(QMenu* menu, const QString& controlName);
    // An action made elsewhere, kept by its name.
    void Keep(const QString& controlName, QAction* action);

    // The item (or submenu action) with this control name, or null.
    QAction* action(const QString& controlName) const;

private:
    QMenuBar& bar_;
    QObject& context_;
    std::map<QString, QAction*> actions_;
};

}  // namespace isobra
