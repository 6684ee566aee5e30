#pragma once

#include <QPointer>
#include <QWidget>

#include "model/ObservationFile.h"
#include "report/PracticeScore.h"

class QLabel;
class QTableWidget;

namespace isobra {

class AppState;
class Seikai;

// A practice scored: the score, what was typed and the report read.
struct PracticeResult {
    PracticeScore score;
    ObservationFileData typed;
    ObservationFileData report;
    QString reportName;
    int heard = 0;  // sentences heard, of
    int sentences = 0;
};

// "採点": for each kind of value how many were right, wrong and missed,
// then every wrong or missed value with what was said and what was typed,
// and the rows typed that nothing read matches. "正解の天気図" draws both
// maps side by side.
class Saiten : public QWidget {
    Q_OBJECT

public:
    // The maps take their colours and settings from `program`.
    Saiten(const AppState& program, PracticeResult result, QWidget* parent = nullptr);
    ~Saiten() override;

    void ShowMaps();  // "正解の天気図"
    Seikai* mapWindow() const;

private:
    void FillTallies(QTableWidget* table) const;
    void FillItems(QTableWidget* table) const;

    const AppState& program_;
    const PracticeResult result_;
    QPointer<Seikai> seikai_;
};

}  // namespace isobra
