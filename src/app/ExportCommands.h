#pragma once

#include <QRect>

#include "app/FilePrompts.h"

namespace isobra {

class AppState;
class Prompts;
class QImageCanvas;

// The finished map leaving the program: saved as a picture (PNG pixel for
// pixel, SVG or PDF as vectors) or as GeoJSON for GIS programs, printed, or
// copied to the clipboard.
class ExportCommands {
public:
    ExportCommands(const AppState& state, QImageCanvas& canvas, Prompts& prompts);

    // "地図を画像で保存": PNG, SVG, PDF or GeoJSON by the name's extension
    void ExportMap();
    void PrintMap();  // "地図を印刷": the print dialog, the map scaled to the page
    void CopyMap();   // Ctrl+C: the canvas as an image on the clipboard

private:
    QRect WholeCanvas() const;

    const AppState& state_;
    QImageCanvas& canvas_;
    Prompts& prompts_;
    FilePrompts files_;
};

}  // namespace isobra
