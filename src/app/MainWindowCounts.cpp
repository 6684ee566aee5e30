#include "app/MainWindow.h"

namespace isobra {

void MainWindow::SyncCountsFromLists() {}

}  // namespace isobra
