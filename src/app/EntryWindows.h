#pragma once

class QWidget;

namespace isobra {

class AppState;
class Gyogyou;
class Kaiyou1;
class ObservationRecovery;
class Prompts;
class Tenki1;

// The three entry windows of the "データ入力" menu: made hidden at the start,
// shown beside the map from the menu, and shown their lists again when the
// observations are replaced or erased.
class EntryWindows {
public:
    // The windows belong to `frame` and open beside it; what is typed in them
    // reaches the recovery file.
    EntryWindows(AppState& state, Prompts& prompts, QWidget& frame, ObservationRecovery& recovery);
    ~EntryWindows();
    EntryWindows(const EntryWindows&) = delete;
    EntryWindows& operator=(const EntryWindows&) = delete;

    // In this order, so that the lists exist before anything touches them.
    // A second call makes nothing new.
    void Create();

    // "各地の天気", "船舶の報告", "漁業気象": the pressure grid is to be
    // computed again, and the window comes up.
    void ShowLandForm();
    void ShowShipForm();
    void ShowFisheryForm();
    // "消えますよｏｋ？": every report goes, and the lists show it; an
    // unsaved report's recovery file goes to the trash.
    void EraseAllObservations();
    // The lists again (after a load or an erase-all); the ship and fishery
    // lists are left without a selection.
    void ShowLists();

    Tenki1* landForm() const { return tenki1_; }
    Kaiyou1* shipForm() const { return kaiyou1_; }
    Gyogyou* fisheryForm() const { return gyogyou_; }

private:
    AppState& state_;
    Prompts& prompts_;
    QWidget& frame_;
    ObservationRecovery& recovery_;
    Tenki1* tenki1_ = nullptr;
    Kaiyou1* kaiyou1_ = nullptr;
    Gyogyou* gyogyou_ = nullptr;
};

}  // namespace isobra
