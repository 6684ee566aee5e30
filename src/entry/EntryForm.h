#pragma once

#include <QString>
#include <QWidget>

#include "model/AppState.h"

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

protected:
    EntryForm(AppState& state, Prompts& prompts, QWidget* parent);

    AppState& state_;
    Prompts& prompts_;
    EditLineList* kansokuData_ = nullptr;  // created by the window's constructor
};

}  // namespace isobra
