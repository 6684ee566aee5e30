#pragma once

#include <QPointer>
#include <QWidget>
#include <map>

#include "isobar/GridHistory.h"
#include "state/AppState.h"
#include "state/MouseMode.h"

class QPlainTextEdit;
class QPushButton;
class QShortcut;

namespace isobra {

class CorrectionHost;
class MapView;
class Prompts;

// The correction window: its buttons choose what a click on the map does
// (read, raise or lower the pressure at the nearest node), smooth and
// redraw the field, change the spacing, save the isobar file, and undo or
// redo the corrections. The clicks themselves come to OnMapClick from the
// map's dispatch.
class Teisei : public QWidget {
    Q_OBJECT

public:
    // A window of the map's, which shares the spacing and the save with the menu.
    Teisei(AppState& state, Prompts& prompts, MapView& map, CorrectionHost& host);
    ~Teisei() override;

    // "等圧線の修正、保存" after the redraw: a closed window opens beside the
    // map in read mode; an open one only comes to the front.
    void Open();
    // A press on the map in mode "+", "-" or "?".
    void OnMapClick(Qt::MouseButton button, float x, float y);
    // Back in front of the map (out of the task bar too), without taking the
    // keyboard from it.
    void BringToFront();
    void Undo();
    void Redo();

    // What Text1 shows, with plain line feeds.
    QString text() const;

protected:
    // "もどる" and the close box: the correction ends. The close box does
    // nothing while the window is disabled.
    void closeEvent(QCloseEvent* event) override;

private:
    std::map<QString, QPushButton*> BuildControls();
    void ConnectButtons(const std::map<QString, QPushButton*>& buttons);
    void InstallShortcuts();
    void SetText(const QString& text);
    void ChooseMode(MouseMode mode, const QString& text);
    void Smooth();
    void ShowUndoState();
    // After an undo or redo: the pressure of the node put back, or nothing
    // after a smoothing.
    void ShowStep(const GridEdit* edit);

    AppState& state_;
    Prompts& prompts_;
    MapView& map_;
    CorrectionHost& host_;
    QPlainTextEdit* text1_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* redo_ = nullptr;
    // Ctrl+Z and Ctrl+Shift+Z on the map while this window is open.
    QPointer<QShortcut> mapUndo_;
    QPointer<QShortcut> mapRedo_;
};

}  // namespace isobra
