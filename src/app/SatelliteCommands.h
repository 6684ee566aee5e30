#pragma once

#include <QPointer>
#include <QString>
#include <optional>

#include "app/FilePrompts.h"
#include "state/MouseMode.h"

namespace isobra {

class Danmen;
class MapView;
class Prompts;

// The "気象衛星画像" menu: a picture loaded under the map (or a plane set or
// a sensor file converted to a BMP beside it first), saved, deleted or
// removed, and the cloud cross-section window with its clicks.
class SatelliteCommands {
public:
    // `mode` is the map's mouse mode, which the cross-section window sets.
    SatelliteCommands(MouseMode& mode, Prompts& prompts, MapView& map);
    ~SatelliteCommands();
    SatelliteCommands(const SatelliteCommands&) = delete;
    SatelliteCommands& operator=(const SatelliteCommands&) = delete;

    void LoadSatelliteImage();    // "画像読みこみ": a picture, or a plane set or sensor file converted first
    void SaveSatelliteImage();    // "画像の保存": the background picture as BMP
    void DeleteImageFiles();      // "画像の削除"
    void RemoveSatelliteImage();  // "気象衛星画像も消します"
    // Shows the picture (any format, read by its content) under the
    // drawing; false after telling the user why the canvas kept what it had.
    bool OpenPicture(const QString& path);

    // "雲の断面図": shows Danmen, making it if needed.
    void ShowCrossSectionWindow();
    Danmen* crossSectionWindow() const;
    // A press on the map in a cross-section mode: the chart through the
    // pixel (x, y).
    void DrawCrossSectionAt(int x, int y);

private:
    // Converts a plane set or a sensor file with the line countdown in the
    // please-wait window; the BMP written, or nothing after telling the user.
    std::optional<QString> ConvertImageSource(int option, const QString& source);

    MouseMode& mode_;
    Prompts& prompts_;
    MapView& map_;
    FilePrompts files_;
    QPointer<Danmen> danmen_;
};

}  // namespace isobra
