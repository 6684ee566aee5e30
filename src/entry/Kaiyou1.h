#pragma once

#include "entry/EntryForm.h"
#include "state/AppState.h"

class QPushButton;

namespace isobra {

class EditLineList;
class NumericEntryField;
class Prompts;

// The ship and buoy report window "船舶からの報告データの入力". List row k
// always shows ship slot k; shipCount follows the number of rows.
class Kaiyou1 : public EntryForm {
    Q_OBJECT

public:
    Kaiyou1(AppState& state, Prompts& prompts, QWidget* parent = nullptr);

    // The list emptied and rebuilt from ship slots 0..shipCount-1, with no
    // row selected.
    void RebuildRowsFromData();

    void OnTugiClicked() override;
    void OnDeleteClicked();

protected:
    HelpPage Help() const override;

private:
    NumericEntryField* hokui_;
    NumericEntryField* toukei_;
    EditLineList* huukou_;
    NumericEntryField* huuryoku_;
    EditLineList* tenki_;
    NumericEntryField* kiatu_;
};

}  // namespace isobra
