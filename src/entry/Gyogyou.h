#pragma once

#include "entry/EntryForm.h"
#include "state/AppState.h"

class QLineEdit;

namespace isobra {

class EditLineList;
class NumericEntryField;
class Prompts;

// The fishery weather window "漁業気象データの入力": highs, lows, typhoons,
// isobar points and front points, one fishery slot per row. The two marker
// buttons insert a pending front point at the low or front entered before;
// the next front entry turns it into that front's first point, any other
// entry takes its place.
class Gyogyou : public EntryForm {
    Q_OBJECT

public:
    Gyogyou(AppState& state, Prompts& prompts, QWidget* parent = nullptr);

    // The list emptied and rebuilt from fishery slots 0..fisheryCount-1, with
    // no row selected.
    void RebuildRowsFromData();

    void OnTugiClicked() override;
    void OnTyuusinClicked();  // "中心から"
    void OnSokoClicked();     // "そこから"
    void OnDeleteClicked();
    void OnKansokubiClicked() override;

protected:
    HelpPage Help() const override;

private:
    NumericEntryField* hokui_;
    NumericEntryField* toukei_;
    NumericEntryField* kiatu_;
    EditLineList* syurui_;
};

}  // namespace isobra
