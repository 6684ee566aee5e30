#include "app/MainWindow.h"

namespace isobra {

void MainWindow::SyncCountsFromLists() {}

void MainWindow::RebuildEntryListsFromData() {}

}  // namespace isobra
