#pragma once

#include <QString>
#include <QWidget>

#include "state/AppState.h"

namespace isobra {

class EditLineList;
class EntryList;
class Prompts;

// What the three entry windows share: the process-wide state, the prompts
// and the entry list `KansokuData`, which shows the rows of one of the
// core's entry lists. The rules of the list (which slot an entry goes to,
// the counts) are the core list's; the window shows its rows and forwards
// the selection.
class EntryForm : public QWidget {
    Q_OBJECT

public:
    int RowCount() const;
    QString RowText(int row) const;
    int SelectedRow() const;  // -1 when none
    void SelectRow(int row);  // -1 for none

    // The list shows the core list's rows again (after a load, say).
    void ShowRows();
    // "もどる": the window hides; it lives on.
    void OnModoruClicked();

protected:
    // The close box hides the window like "もどる" (Qt's default for a window
    // that is not deleted on close).
    EntryForm(AppState& state, Prompts& prompts, const EntryList& rows, QWidget* parent);

    AppState& state_;
    Prompts& prompts_;
    EditLineList* kansokuData_ = nullptr;  // created by the window's constructor

private:
    const EntryList& rows_;
};

}  // namespace isobra
