#pragma once

#include <QString>
#include <QWidget>

class QPushButton;

#include "state/AppState.h"
#include "widgets/HelpTexts.h"

namespace isobra {

class ClickableLineEdit;
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
    // -1 for none: the list's edit line then shows no row's text.
    void SelectRow(int row);

    // The list shows the core list's rows again (after a load, say).
    void ShowRows();
    // After a load: the rows shown, none selected.
    void ShowRowsWithoutSelection() {
        ShowRows();
        SelectRow(-1);
    }

    // The controls every entry window has: "データ入力", "説明" (the window's
    // help page), "もどる" (the window hides; it lives on) and the date
    // field, whose click asks for the date in the list's edit line.
    virtual void OnTugiClicked() = 0;
    void OnSetumeiClicked();
    void OnModoruClicked();
    virtual void OnKansokubiClicked();

signals:
    // The user changed the observations through this window: an entry, a
    // delete, a marker.
    void observationsChanged();

protected:
    // The close box hides the window like "もどる" (Qt's default for a window
    // that is not deleted on close).
    EntryForm(AppState& state, Prompts& prompts, const EntryList& rows, QWidget* parent);

    // Each time the window is shown, the focus starts at its first field,
    // which is thereby entered (a number field is emptied for typing).
    void showEvent(QShowEvent* event) override;

    // Where the controls every window has go: the date field and the buttons
    // "データ入力" (always in the Tab order), "説明" and "もどる".
    struct CommonPlaces {
        QRect date;
        bool dateInTabOrder;
        QRect tugi;
        QRect setumei;
        QRect modoru;
    };
    struct CommonButtons {
        QPushButton* tugi;
        QPushButton* modoru;
    };
    // Places and wires them; gives the buttons a window colours itself.
    CommonButtons AddCommonControls(const QColor& background, const CommonPlaces& at);
    virtual HelpPage Help() const = 0;
    // At creation: the first row's text in the edit line, the last row selected.
    void ShowFirstRowAndSelectLast();
    // After the user's operation on the core list: its rows shown, `row`
    // selected and observationsChanged() told.
    void ShowRowsAndSelect(int row);
    // The same, or the reason the list refused, titled `title`.
    void ShowOutcome(const Result<int>& next, const QString& title);

    AppState& state_;
    Prompts& prompts_;
    EditLineList* kansokuData_ = nullptr;     // created by the window's constructor
    QWidget* firstField_ = nullptr;           // the first of the Tab order, set likewise
    ClickableLineEdit* kansokubi_ = nullptr;  // the date field

private:
    const EntryList& rows_;
};

}  // namespace isobra
