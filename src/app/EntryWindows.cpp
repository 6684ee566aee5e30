#include "app/EntryWindows.h"

#include "app/ObservationRecovery.h"
#include "entry/Gyogyou.h"
#include "entry/Kaiyou1.h"
#include "entry/Tenki1.h"
#include "model/EntryLists.h"
#include "state/AppState.h"
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

template <class Form, class List>
Form* EntryWindows::Make(Form*& form, List EntryLists::*list) {
    if (form) return form;
    // A form sets up its list from the observations as it is made, which
    // suits the start. Made later it must change nothing: its list keeps
    // what was typed or loaded since, shown as a load shows it once the
    // observations were replaced, else with the row the form chose.
    const List before = state_.lists.*list;
    form = new Form(state_, prompts_, &frame_);
    QObject::connect(form, &EntryForm::observationsChanged, form, [this] { recovery_.NoteChange(); });
    const int selected = form->SelectedRow();
    state_.lists.*list = before;
    form->ShowRows();
    form->SelectRow(listsReplaced_ ? -1 : selected);
    return form;
}

Tenki1* EntryWindows::landForm() { return Make(tenki1_, &EntryLists::land); }

Kaiyou1* EntryWindows::shipForm() { return Make(kaiyou1_, &EntryLists::ships); }

Gyogyou* EntryWindows::fisheryForm() { return Make(gyogyou_, &EntryLists::fishery); }

void EntryWindows::ShowLandForm() {
    state_.field.pressureGrid.MarkNotComputed();
    ShowBesideMainWindow(landForm(), &frame_);
}

void EntryWindows::ShowShipForm() {
    state_.field.pressureGrid.MarkNotComputed();
    ShowBesideMainWindow(shipForm(), &frame_);
}

void EntryWindows::ShowFisheryForm() {
    state_.field.pressureGrid.MarkNotComputed();
    ShowBesideMainWindow(fisheryForm(), &frame_);
}

void EntryWindows::EraseAllObservations() {
    recovery_.SetAsideUnsaved();
    isobra::EraseAllObservations(state_);
    ShowLists();
    recovery_.MarkSaved();
}

void EntryWindows::ShowLists() {
    listsReplaced_ = true;
    if (tenki1_) tenki1_->ShowRows();
    for (EntryForm* form : {static_cast<EntryForm*>(kaiyou1_), static_cast<EntryForm*>(gyogyou_)})
        if (form) form->ShowRowsWithoutSelection();
}

}  // namespace isobra
