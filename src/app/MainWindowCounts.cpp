// The entry lists own the counts: a save or a computation takes them from the
// lists, and a load puts the lists back in step with the data it read.
#include "app/MainWindow.h"
#include "entry/Gyogyou.h"
#include "entry/Kaiyou1.h"
#include "entry/Tenki1.h"

namespace isobra {

void MainWindow::SyncCountsFromLists() {
    CreateEntryForms();
    kaiyou1_->SyncCount();
    gyogyou_->SyncCount();
}

void MainWindow::SyncStationCountFromList() {
    CreateEntryForms();
    state_.observations.stationCount = static_cast<std::int16_t>(std::min(tenki1_->RowCount(), kSlotCount));
}

void MainWindow::RebuildEntryListsFromData() {
    CreateEntryForms();
    // Land rows replace their rows (or are appended); the rows of further
    // stations stay as they were.
    tenki1_->RebuildRowsFromData(state_.observations.stationCount, LandWeather::Always);
    // The ship and fishery lists are rebuilt whole and left without a selection.
    kaiyou1_->RebuildRowsFromData();
    gyogyou_->RebuildRowsFromData();
}

}  // namespace isobra
