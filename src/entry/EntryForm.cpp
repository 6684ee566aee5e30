#include "entry/EntryForm.h"

#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

#include "entry/AlignedRowDelegate.h"
#include "entry/ClickableLineEdit.h"
#include "entry/EditLineList.h"
#include "entry/EntryFormKit.h"
#include "model/EntryList.h"
#include "widgets/Prompts.h"
#include "widgets/QtText.h"

namespace isobra {

EntryForm::EntryForm(AppState& state, Prompts& prompts, const EntryList& rows, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), prompts_(prompts), rows_(rows) {}

int EntryForm::RowCount() const { return kansokuData_->count(); }

QString EntryForm::RowText(int row) const { return kansokuData_->itemText(row); }

int EntryForm::SelectedRow() const { return kansokuData_->selectedRow(); }

void EntryForm::SelectRow(int row) {
    kansokuData_->selectRow(row);
    if (kansokuData_->selectedRow() < 0) kansokuData_->setEditText(QString());
}

void EntryForm::showEvent(QShowEvent* event) {
    // The window is not active yet: the field receives the focus, with it
    // the window's, when it becomes active.
    if (!event->spontaneous() && firstField_) firstField_->setFocus(Qt::OtherFocusReason);
    QWidget::showEvent(event);
}

void EntryForm::ShowRows() {
    // Only what changed, so an entry never redraws the whole list.
    const int rows = rows_.RowCount();
    while (kansokuData_->count() > rows) kansokuData_->removeItem(kansokuData_->count() - 1);
    for (int row = 0; row < rows; ++row) {
        const RowCells cells = rows_.Cells(row);
        const QString text = ToQ(isobra::RowText(cells));
        if (row >= kansokuData_->count())
            kansokuData_->appendItem(text);
        else if (kansokuData_->itemText(row) != text)
            kansokuData_->setItemText(row, text);
        AlignedRowDelegate::SetCells(kansokuData_->list()->item(row), cells);
    }
}

void EntryForm::OnModoruClicked() { hide(); }

void EntryForm::OnSetumeiClicked() {
    const HelpPage help = Help();
    prompts_.Inform(help.title, help.text);
}

void EntryForm::OnKansokubiClicked() { kansokuData_->setEditText(QStringLiteral("観測日を入力してください")); }

void EntryForm::ShowFirstRowAndSelectLast() {
    kansokuData_->setEditText(kansokuData_->itemText(0));
    SelectRow(RowCount() - 1);
}

void EntryForm::ShowRowsAndSelect(int row) {
    ShowRows();
    SelectRow(row);
    emit observationsChanged();
}

void EntryForm::ShowOutcome(const Result<int>& next, const QString& title) {
    if (next)
        ShowRowsAndSelect(*next);
    else
        prompts_.Inform(title, ToQ(next.message()));
}

EntryForm::CommonButtons EntryForm::AddCommonControls(const QColor& background, const CommonPlaces& at) {
    using namespace entry_form;
    kansokubi_ = AddDateField(this, background, at.date, at.dateInTabOrder);
    auto* tugi = AddButton(this, QStringLiteral("Tugi"), QStringLiteral("データ入力"), at.tugi, true);
    auto* setumei = AddButton(this, QStringLiteral("Setumei"), QStringLiteral("説明"), at.setumei);
    auto* modoru = AddButton(this, QStringLiteral("Modoru"), QStringLiteral("もどる"), at.modoru);
    connect(tugi, &QPushButton::clicked, this, [this] { OnTugiClicked(); });
    connect(setumei, &QPushButton::clicked, this, &EntryForm::OnSetumeiClicked);
    connect(modoru, &QPushButton::clicked, this, &EntryForm::OnModoruClicked);
    connect(kansokubi_, &ClickableLineEdit::clicked, this, [this] { OnKansokubiClicked(); });
    return {tugi, modoru};
}

}  // namespace isobra
