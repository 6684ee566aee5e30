#include "entry/EntryForm.h"

#include "entry/EditLineList.h"
#include "model/EntryList.h"
#include "widgets/QtText.h"

namespace isobra {

EntryForm::EntryForm(AppState& state, Prompts& prompts, const EntryList& rows, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), prompts_(prompts), rows_(rows) {}

int EntryForm::RowCount() const { return kansokuData_->count(); }

QString EntryForm::RowText(int row) const { return kansokuData_->itemText(row); }

int EntryForm::SelectedRow() const { return kansokuData_->selectedRow(); }

void EntryForm::SelectRow(int row) { kansokuData_->selectRow(row); }

void EntryForm::ShowRows() {
    // Only what changed, so an entry never redraws the whole list.
    const int rows = rows_.RowCount();
    while (kansokuData_->count() > rows) kansokuData_->removeItem(kansokuData_->count() - 1);
    for (int row = 0; row < rows; ++row) {
        const QString text = ToQ(rows_.Row(row));
        if (row >= kansokuData_->count())
            kansokuData_->appendItem(text);
        else if (kansokuData_->itemText(row) != text)
            kansokuData_->setItemText(row, text);
    }
}

void EntryForm::OnModoruClicked() { hide(); }

}  // namespace isobra
