#pragma once

#include <QPointer>
#include <Qt>

#include "app/CorrectionHost.h"

namespace isobra {

class AppState;
class FileCommands;
class MapView;
class Prompts;
class Teisei;

// The isobars of the "天気図" menu: drawn (the grid built first when it is
// not computed), shown as a surface, spaced, and corrected by hand in the
// correction window.
class IsobarCommands : public CorrectionHost {
public:
    // The correction window saves through `files`.
    IsobarCommands(AppState& state, Prompts& prompts, MapView& map, FileCommands& files);
    ~IsobarCommands() override;
    IsobarCommands(const IsobarCommands&) = delete;
    IsobarCommands& operator=(const IsobarCommands&) = delete;

    // "等圧線の表示": checks the land pressures, builds the pressure grid when
    // it is not computed yet and draws the isobars with the centre letters.
    void ShowIsobars();
    // "気圧の立体表示": the computed grid as a wire-frame surface.
    void ShowPressureSurface();
    // "等圧線の間隔の変更" and the correction window's "間隔".
    void ChangeIsobarInterval() override;
    void SaveIsobarsQuietly() override;
    // "等圧線の修正、保存": the map and isobars redrawn, the correction window
    // opened (made on first use).
    void ShowCorrectionWindow();
    Teisei* correctionWindow() const;
    // A press on the map in mode "+", "-" or "?": the correction window acts
    // on it and comes to the front. Nothing while it was never opened.
    void OnMapClick(Qt::MouseButton button, float x, float y);

private:
    AppState& state_;
    Prompts& prompts_;
    MapView& map_;
    FileCommands& files_;
    QPointer<Teisei> teisei_;
};

}  // namespace isobra
