#include "entry/EntryForm.h"

#include "entry/EditLineList.h"

namespace isobra {

EntryForm::EntryForm(AppState& state, Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), prompts_(prompts) {}

int EntryForm::RowCount() const { return kansokuData_->count(); }

QString EntryForm::RowText(int row) const { return kansokuData_->itemText(row); }

int EntryForm::SelectedRow() const { return kansokuData_->selectedRow(); }

void EntryForm::SelectRow(int row) { kansokuData_->selectRow(row); }

void EntryForm::RemoveAllRows() {
    for (int r = RowCount() - 1; r >= 0; --r) kansokuData_->removeItem(r);
}

}  // namespace isobra
