#include "entry/EntryForm.h"

#include <QCloseEvent>
#include <algorithm>

#include "entry/EditLineList.h"

namespace isobra {

EntryForm::EntryForm(AppState& state, Prompts& prompts, QWidget* parent, std::int16_t* listCount)
    : QWidget(parent, Qt::Window), state_(state), prompts_(prompts), listCount_(listCount) {}

int EntryForm::RowCount() const { return kansokuData_->count(); }

QString EntryForm::RowText(int row) const { return kansokuData_->itemText(row); }

int EntryForm::SelectedRow() const { return kansokuData_->selectedRow(); }

void EntryForm::SelectRow(int row) { kansokuData_->selectRow(row); }

void EntryForm::RemoveAllRows() {
    for (int r = RowCount() - 1; r >= 0; --r) kansokuData_->removeItem(r);
}

void EntryForm::RebuildRows(int count, const std::function<QString(int slot)>& rowOf) {
    RemoveAllRows();
    const int rows = std::clamp(count, 0, kSlotCount);
    for (int slot = 0; slot < rows; ++slot) kansokuData_->appendItem(rowOf(slot));
    SelectRow(-1);
}

void EntryForm::SyncCount() {
    if (listCount_) *listCount_ = static_cast<std::int16_t>(RowCount());
}

void EntryForm::OnModoruClicked() {
    SyncCount();
    hide();
}

void EntryForm::closeEvent(QCloseEvent* event) {
    SyncCount();
    QWidget::closeEvent(event);
}

}  // namespace isobra
