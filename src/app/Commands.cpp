#include "app/Commands.h"

#include <cmath>

#include "app/MapView.h"
#include "state/AppState.h"

namespace isobra {

Commands::Commands(AppState& state, Prompts& prompts, MapView& map)
    : recovery(state, prompts, [this](const QString& path) { return files.OpenObservationFile(path); }),
      unsaved(state, prompts),
      entry(state, prompts, map.frame(), recovery),
      files(state, prompts, map, entry, recovery, unsaved),
      isobars(state, prompts, map, files),
      satellite(state.mouseMode, prompts, map),
      display(state, prompts, map),
      exporting(state, map.canvas(), prompts),
      // The show does not share the map.
      givenFiles(files, satellite, unsaved, [this] { return display.ShowRunning(); }),
      clicks(state.mouseMode),
      practice(state, prompts, map, entry, unsaved) {
    clicks.SetCorrectionHandler(
        [this](Qt::MouseButton button, Qt::KeyboardModifiers, float x, float y) { isobars.OnMapClick(button, x, y); });
    // A chart samples whole pixels: the pixel the click fell in.
    clicks.SetCrossSectionHandler([this](Qt::MouseButton, Qt::KeyboardModifiers, float x, float y) {
        satellite.DrawCrossSectionAt(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
    });
}

}  // namespace isobra
