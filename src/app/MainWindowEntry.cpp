// The main window's side of the three entry forms: creating them hidden at
// start-up, showing them from the menu and erasing everything.
#include "app/MainWindow.h"
#include "entry/Gyogyou.h"
#include "entry/Kaiyou1.h"
#include "entry/Tenki1.h"
#include "state/GridReplacement.h"
#include "widgets/WindowPlacement.h"

namespace isobra {

void MainWindow::CreateEntryForms() {
    if (tenki1_ && kaiyou1_ && gyogyou_) return;
    // In this order, so that the lists exist before anything touches them.
    if (!tenki1_) tenki1_ = new Tenki1(state_, prompts_, this);
    if (!kaiyou1_) kaiyou1_ = new Kaiyou1(state_, prompts_, this);
    if (!gyogyou_) gyogyou_ = new Gyogyou(state_, prompts_, this);
    for (EntryForm* form :
         {static_cast<EntryForm*>(tenki1_), static_cast<EntryForm*>(kaiyou1_), static_cast<EntryForm*>(gyogyou_)})
        connect(form, &EntryForm::observationsChanged, this, &MainWindow::NoteObservationsChanged,
                Qt::UniqueConnection);
}

void MainWindow::ShowLandForm() {
    state_.field.pressureGrid.MarkNotComputed();
    CreateEntryForms();
    ShowBesideMainWindow(tenki1_, this);
}

void MainWindow::ShowShipForm() {
    state_.field.pressureGrid.MarkNotComputed();
    CreateEntryForms();
    ShowBesideMainWindow(kaiyou1_, this);
}

void MainWindow::ShowFisheryForm() {
    state_.field.pressureGrid.MarkNotComputed();
    CreateEntryForms();
    ShowBesideMainWindow(gyogyou_, this);
}

void MainWindow::EraseAllObservations() {
    CreateEntryForms();
    isobra::EraseAllObservations(state_);
    ShowEntryLists();
    MarkObservationsClean();
}

void MainWindow::ShowEntryLists() {
    CreateEntryForms();
    tenki1_->ShowRows();
    for (EntryForm* form : {static_cast<EntryForm*>(kaiyou1_), static_cast<EntryForm*>(gyogyou_)})
        form->ShowRowsWithoutSelection();
}

}  // namespace isobra
