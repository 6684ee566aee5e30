#pragma once

#include <QWidget>
#include <array>

#include "model/ColourSwatches.h"

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

namespace isobra {

class MapCanvas;
class Prompts;

// frmColor "表示色の変更": a swatch for each of the ten colour items, three
// bars for red, green and blue, "はじめの色", "Ｏ　Ｋ" and "キャンセル". A click
// on an item's caption or swatch selects it; the bars then edit its swatch.
// A double click on a swatch also opens the platform's colour picker. The
// swatches are a working copy: the settings and the canvas change only on
// "Ｏ　Ｋ". The dialog goes away on "Ｏ　Ｋ", "キャンセル" (or Esc) or its close
// box.
class FrmColor : public QWidget {
    Q_OBJECT

public:
    FrmColor(ColorSettings& colours, MapCanvas& canvas, Prompts& prompts, QWidget* parent = nullptr);

    void SelectItem(int item);
    int selectedItem() const { return swatches_.selected(); }
    Colour SwatchColour(int item) const { return swatches_.Swatch(item); }
    // A double click on the item's swatch.
    void PickColourFor(int item);
    void OnResetClicked();  // Command3 "はじめの色"
    void OnOkClicked();     // Command1 "Ｏ　Ｋ"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnBarMoved();
    void ShowSwatch(int item);
    int ItemOf(const QObject* control) const;  // 0 for none

    ColorSettings& colours_;
    MapCanvas& canvas_;
    Prompts& prompts_;
    ColourSwatches swatches_;
    std::array<QLabel*, kColourItemCount + 1> labels_{};    // by item; [0] unused
    std::array<QFrame*, kColourItemCount + 1> pictures_{};  // by item; [0] unused
    std::array<QScrollBar*, 3> bars_{};                     // red, green, blue
    QPushButton* cancel_ = nullptr;
};

}  // namespace isobra
