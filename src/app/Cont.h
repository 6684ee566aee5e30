#pragma once

#include <QStringList>
#include <QWidget>

#include "state/AppState.h"

class QLabel;

namespace isobra {

class FileDropList;
class Prompts;

// The window of the show: the registered files (lstFiles), the display time
// and the button that starts the show. One window serves both kinds; its
// caption and explanation follow the kind each time it is shown. The list's
// rules are the core's (AppState::display); the window shows its rows and
// keeps the selection. "もどる" and the close box only hide it.
class Cont : public QWidget {
    Q_OBJECT

public:
    // The title of the show's warnings, here and when the show ends.
    static constexpr const char* kNoticeTitle = "連続表示の注意";

    Cont(AppState& state, Prompts& prompts, QWidget* parent = nullptr);

    // The caption and the two lines of the current kind, the rows again.
    void ShowKind();

    QStringList Rows() const;
    int SelectedRow() const;  // -1 for none
    void SelectRow(int row);  // -1 for none

    // The buttons.
    void OnLoadClicked();    // cmdLoad: the chooser until it is cancelled
    void OnDeleteClicked();  // cmdDelete
    void OnHZikanClicked();  // cmdHZikan: the display time
    void OnHyouziClicked();  // cmdHyouzi: asks for the show when files are registered
    // Files dragged onto the list: those of this kind are appended in the
    // order given; the others are named in one message.
    void AddDroppedFiles(const QStringList& paths);

signals:
    void showRequested();

private:
    void ShowRows(int select);
    void BackToFront();

    AppState& state_;
    Prompts& prompts_;
    FileDropList* lstFiles_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
};

}  // namespace isobra
