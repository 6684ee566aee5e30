#include "app/EntryWindows.h"

#include "app/ObservationRecovery.h"
#include "entry/Gyogyou.h"
#include "entry/Kaiyou1.h"
#include "entry/Tenki1.h"
#include "state/GridReplacement.h"
#include "widgets/WindowPlacement.h"

namespace isobra {

EntryWindows::EntryWindows(AppState& state, Prompts& prompts, QWidget& frame, ObservationRecovery& recovery)
    : state_(state), prompts_(prompts), frame_(frame), recovery_(recovery) {}

EntryWindows::~EntryWindows() {
    // While what they tell of their changes is still there.
    delete tenki1_;
    delete kaiyou1_;
    delete gyogyou_;
}

void EntryWindows::Create() {
    auto made = [this](EntryForm* form) {
        QObject::connect(form, &EntryForm::observationsChanged, form, [this] { recovery_.NoteChange(); });
    };
    if (!tenki1_) made(tenki1_ = new Tenki1(state_, prompts_, &frame_));
    if (!kaiyou1_) made(kaiyou1_ = new Kaiyou1(state_, prompts_, &frame_));
    if (!gyogyou_) made(gyogyou_ = new Gyogyou(state_, prompts_, &frame_));
}

void EntryWindows::ShowLandForm() {
    state_.field.pressureGrid.MarkNotComputed();
    Create();
    ShowBesideMainWindow(tenki1_, &frame_);
}

void EntryWindows::ShowShipForm() {
    state_.field.pressureGrid.MarkNotComputed();
    Create();
    ShowBesideMainWindow(kaiyou1_, &frame_);
}

void EntryWindows::ShowFisheryForm() {
    state_.field.pressureGrid.MarkNotComputed();
    Create();
    ShowBesideMainWindow(gyogyou_, &frame_);
}

void EntryWindows::EraseAllObservations() {
    Create();
    recovery_.SetAsideUnsaved();
    isobra::EraseAllObservations(state_);
    ShowLists();
    recovery_.MarkSaved();
}

void EntryWindows::ShowLists() {
    Create();
    tenki1_->ShowRows();
    for (EntryForm* form : {static_cast<EntryForm*>(kaiyou1_), static_cast<EntryForm*>(gyogyou_)})
        form->ShowRowsWithoutSelection();
}

}  // namespace isobra
