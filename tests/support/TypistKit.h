#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

#include "entry/EditLineList.h"
#include "entry/NumericEntryField.h"

// Drives an entry window the way the user does: keys go to whatever has the
// focus, Tab moves on, Return presses the focused button.
namespace typist {

inline QWidget* Focused() { return QApplication::focusWidget(); }

inline void Type(const QString& text) {
    QWidget* w = Focused();
    QVERIFY(w);
    QTest::keyClicks(w, text);
}

// Characters beyond Latin-1 (kana, kanji), as an input method delivers them.
inline void TypeText(QWidget* w, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* w = Focused();
    QVERIFY(w);
    QTest::keyClick(w, key, modifiers);
}

inline void Tab() { Press(Qt::Key_Tab); }
inline void BackTab() { Press(Qt::Key_Backtab, Qt::ShiftModifier); }
inline void Return() { Press(Qt::Key_Return); }

// Up or Down in a list's edit line until the wanted item is selected.
inline void ArrowTo(isobra::EditLineList* list, int row) {
    int guard = 0;
    while (list->selectedRow() != row && guard++ < 40) Press(list->selectedRow() < row ? Qt::Key_Down : Qt::Key_Up);
}

inline void ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

template <typename T>
T* Find(QWidget* form, const char* name) {
    T* child = form->findChild<T*>(QString::fromLatin1(name));
    if (!child) qWarning("no control named %s", name);
    return child;
}

// A field of the form, entered with Tab the way a typist reaches it.
inline void EnterByTab(QWidget* field) { field->setFocus(Qt::TabFocusReason); }

}  // namespace typist
