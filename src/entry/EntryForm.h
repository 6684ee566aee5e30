#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <QWidget>

#include "state/AppState.h"

namespace isobra {

class EditLineList;
class Prompts;

// What the three entry windows share: the process-wide state, the prompts
// and the entry list `KansokuData`, whose rows the main window and the file
// commands read and rebuild.
class EntryForm : public QWidget {
    Q_OBJECT

public:
    int RowCount() const;
    QString RowText(int row) const;
    int SelectedRow() const;  // -1 when none
    void SelectRow(int row);  // -1 for none
    // Empties the list only; the reports are the caller's to clear.
    void RemoveAllRows();

    // The count this list owns (ships, fishery entries) set to its number
    // of rows; nothing for the fixed station rows.
    void SyncCount();
    // "もどる": the count follows the list and the window hides; it lives on.
    void OnModoruClicked();

protected:
    // `listCount` is the observation count that follows this list (ships,
    // fishery entries), or null when the list has fixed rows (stations).
    EntryForm(AppState& state, Prompts& prompts, QWidget* parent, std::int16_t* listCount = nullptr);

    // The list emptied and rebuilt from slots 0..count-1, no row selected.
    void RebuildRows(int count, const std::function<QString(int slot)>& rowOf);
    // The close box hides the window like "もどる".
    void closeEvent(QCloseEvent* event) override;

    AppState& state_;
    Prompts& prompts_;
    EditLineList* kansokuData_ = nullptr;  // created by the window's constructor

private:
    std::int16_t* listCount_;
};

}  // namespace isobra
