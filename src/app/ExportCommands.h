#pragma once

#include <QRect>

#include "app/FilePrompts.h"

namespace isobra {

class Prompts;
class QImageCanvas;

// The finished map leaving the program: saved as a picture (PNG pixel for
// pixel, SVG or PDF as vectors), printed, or copied to the clipboard.
class ExportCommands {
public:
    ExportCommands(QImageCanvas& canvas, Prompts& prompts);

    void ExportMap();  // "地図を画像で保存": PNG, SVG or PDF by the name's extension
    void PrintMap();   // "地図を印刷": the print dialog, the map scaled to the page
    void CopyMap();    // Ctrl+C: the canvas as an image on the clipboard

private:
    QRect WholeCanvas() const;

    QImageCanvas& canvas_;
    Prompts& prompts_;
    FilePrompts files_;
};

}  // namespace isobra
