#include "isobar/IsobarDrawing.h"

#include "isobar/CentreLetters.h"
#include "isobar/IsobarSegments.h"

namespace isobra {

void DrawIsobars(MapCanvas& canvas, const PressureField& field, Colour colour, float interval, float halfInterval) {
    DrawIsobarSegments(canvas, TraceIsobarSegments(field.pressureGrid, field.grid, interval, halfInterval), colour);
    DrawCentreLetters(canvas, field.plotTable);
}

void DrawIsobars(MapCanvas& canvas, const PressureField& field, Colour colour) {
    DrawIsobars(canvas, field, colour, field.grid.isobarInterval, field.grid.isobarHalfInterval);
}

}  // namespace isobra
