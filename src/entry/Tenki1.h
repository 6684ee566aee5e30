#pragma once

#include "entry/EntryForm.h"
#include "model/EntryRows.h"
#include "state/AppState.h"

class QPushButton;

namespace isobra {

class ClickableLineEdit;
class EditLineList;
class NumericEntryField;
class Prompts;

// The land-station entry window "気象データの入力": one row per station; the
// entry button stores the fields into the selected station's report, rewrites
// its row and selects the next station, so a whole report can be typed with
// the keyboard alone.
class Tenki1 : public EntryForm {
    Q_OBJECT

public:
    Tenki1(AppState& state, Prompts& prompts, QWidget* parent = nullptr);

    // Rows 0..count-1 rebuilt from the data, never beyond stationCount. The
    // observation file shows the weather of every station
    // (LandWeather::Always); the window itself hides it for stations without
    // a report.
    void RebuildRowsFromData(int count, LandWeather weather);

    // The controls' handlers, public so the main window and tests can press
    // them as the user does.
    void OnTugiClicked() override;

protected:
    HelpPage Help() const override;

private:
    QPushButton* tugi_;
    EditLineList* huukou_;
    NumericEntryField* huuryoku_;
    EditLineList* tenki_;
    NumericEntryField* kiatu_;
    NumericEntryField* ondo_;
};

}  // namespace isobra
