// The entry lists own the counts: a save or a computation takes them from the
// lists, and a load puts the lists back in step with the data it read.
#include "app/MainWindow.h"
#include "entry/Gyogyou.h"
#include "entry/Kaiyou1.h"
#include "entry/Tenki1.h"

namespace isobra {

void MainWindow::SyncCountsFromLists() {
    CreateEntryForms();
    ObservationSet& obs = state_.observations;
    obs.shipCount = static_cast<std::int16_t>(std::min(kaiyou1_->RowCount(), kSlotCount));
    obs.fisheryCount = static_cast<std::int16_t>(std::min(gyogyou_->RowCount(), kSlotCount));
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
    kaiyou1_->RebuildRowsFromData();
    gyogyou_->RebuildRowsFromData();
    kaiyou1_->SelectRow(-1);
    gyogyou_->SelectRow(-1);
}

}  // namespace isobra
