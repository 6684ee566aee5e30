#pragma once

class QWidget;

namespace isobra {

class AppState;
struct EntryLists;
class Gyogyou;
class Kaiyou1;
class ObservationRecovery;
class Prompts;
class Tenki1;

// The three entry windows of the "データ入力" menu: each made when it is
// first wanted (most runs open one or none, and each costs start-up time and
// fonts), shown beside the map from the menu, and shown their lists again
// when the observations are replaced or erased. A window made later shows
// the observations as they stand then.
class EntryWindows {
public:
    // The windows belong to `frame` and open beside it; what is typed in them
    // reaches the recovery file.
    EntryWindows(AppState& state, Prompts& prompts, QWidget& frame, ObservationRecovery& recovery);
    ~EntryWindows();
    EntryWindows(const EntryWindows&) = delete;
    EntryWindows& operator=(const EntryWindows&) = delete;

    // "各地の天気", "船舶の報告", "漁業気象": the pressure grid is to be
    // computed again, and the window comes up.
    void ShowLandForm();
    void ShowShipForm();
    void ShowFisheryForm();
    // "消えますよｏｋ？": every report goes, and the lists show it; an
    // unsaved report's recovery file goes to the trash.
    void EraseAllObservations();
    // The lists again (after a load or an erase-all) of the windows made so
    // far; the ship and fishery lists are left without a selection.
    void ShowLists();

    // Each window, made on this first call.
    Tenki1* landForm();
    Kaiyou1* shipForm();
    Gyogyou* fisheryForm();
    // Whether any window has been made yet.
    bool AnyMade() const { return tenki1_ || kaiyou1_ || gyogyou_; }

private:
    template <class Form, class List>
    Form* Make(Form*& form, List EntryLists::*list);

    AppState& state_;
    Prompts& prompts_;
    QWidget& frame_;
    ObservationRecovery& recovery_;
    Tenki1* tenki1_ = nullptr;
    Kaiyou1* kaiyou1_ = nullptr;
    Gyogyou* gyogyou_ = nullptr;
    bool listsReplaced_ = false;  // ShowLists has shown replaced lists
};

}  // namespace isobra
