// The main window's side of the three entry forms: creating them hidden at
// start-up, showing them from the menu and erasing everything.
#include "app/MainWindow.h"

namespace isobra {

void MainWindow::CreateEntryForms() {}

void MainWindow::ShowLandForm() { state_.pressureGrid.MarkNotComputed(); }

void MainWindow::ShowShipForm() { state_.pressureGrid.MarkNotComputed(); }

void MainWindow::ShowFisheryForm() { state_.pressureGrid.MarkNotComputed(); }

void MainWindow::EraseAllObservations() {
    EraseObservationData(state_, 0, 0);
}

}  // namespace isobra
