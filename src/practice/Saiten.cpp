#include "practice/Saiten.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "practice/Seikai.h"
#include "widgets/Fonts.h"
#include "widgets/QtText.h"
#include "widgets/WindowPlacement.h"

namespace isobra {

namespace {

QTableWidget* AddTable(QWidget* window, const char* name, const QStringList& columns) {
    auto* table = new QTableWidget(0, static_cast<int>(columns.size()), window);
    table->setObjectName(QString::fromUtf8(name));
    table->setHorizontalHeaderLabels(columns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

void SetRow(QTableWidget* table, int row, const QStringList& cells) {
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (column > 0 && table->objectName() == QStringLiteral("tblSyukei"))
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column, item);
    }
}

}  // namespace

Saiten::Saiten(const AppState& program, PracticeResult result, QWidget* parent)
    : QWidget(parent, Qt::Window), program_(program), result_(std::move(result)) {
    setObjectName(QStringLiteral("Saiten"));
    setWindowTitle(QStringLiteral("採点"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(GothicFont(12));

    int right = 0;
    int wrong = 0;
    int missed = 0;
    for (const ScoreTally& t : result_.score.tallies) {
        right += t.right;
        wrong += t.wrong;
        missed += t.missed;
    }
    auto* layout = new QVBoxLayout(this);
    QString heading = QStringLiteral("「%1」").arg(result_.reportName);
    if (result_.heard < result_.sentences)
        heading += QStringLiteral("（%1文のうち読み上げた%2文まで）").arg(result_.sentences).arg(result_.heard);
    auto* kekka = new QLabel(heading + QStringLiteral("\n正解 %1　まちがい %2　聞きもらし %3　余分な行 %4")
                                           .arg(right)
                                           .arg(wrong)
                                           .arg(missed)
                                           .arg(result_.score.extras.size()),
                             this);
    kekka->setObjectName(QStringLiteral("lblKekka"));
    layout->addWidget(kekka);

    QTableWidget* tallies = AddTable(
        this, "tblSyukei",
        {QStringLiteral("項目"), QStringLiteral("正解"), QStringLiteral("まちがい"), QStringLiteral("聞きもらし")});
    FillTallies(tallies);
    tallies->resizeColumnsToContents();
    tallies->setMinimumHeight(tallies->horizontalHeader()->height() + tallies->rowCount() * tallies->rowHeight(0) + 4);
    layout->addWidget(tallies);

    layout->addWidget(new QLabel(QStringLiteral("まちがい、聞きもらし、余分な行："), this));
    QTableWidget* items =
        AddTable(this, "tblItems",
                 {QStringLiteral("場所"), QStringLiteral("項目"), QStringLiteral("放送"), QStringLiteral("入力")});
    FillItems(items);
    items->resizeColumnsToContents();
    items->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(items, 1);

    auto* buttons = new QHBoxLayout;
    auto* maps = new QPushButton(QStringLiteral("正解の天気図"), this);
    maps->setObjectName(QStringLiteral("cmdSeikai"));
    maps->setAutoDefault(true);
    connect(maps, &QPushButton::clicked, this, &Saiten::ShowMaps);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("cmdEnd"));
    close->setAutoDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(maps);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(560, 600);
}

Saiten::~Saiten() { delete seikai_.data(); }

void Saiten::FillTallies(QTableWidget* table) const {
    table->setRowCount(kScoreFieldCount);
    for (int f = 0; f < kScoreFieldCount; ++f) {
        const auto field = static_cast<ScoreField>(f);
        const ScoreTally& t = result_.score.Of(field);
        SetRow(table, f,
               {ToQ(ScoreFieldName(field)), QString::number(t.right), QString::number(t.wrong),
                QString::number(t.missed)});
    }
}

void Saiten::FillItems(QTableWidget* table) const {
    const PracticeScore& score = result_.score;
    table->setRowCount(static_cast<int>(score.items.size() + score.extras.size()));
    int row = 0;
    for (const ScoreItem& item : score.items)
        SetRow(table, row++,
               {ToQ(item.where), ToQ(ScoreFieldName(item.field)), ToQ(item.said),
                item.missed ? QStringLiteral("（聞きもらし）") : ToQ(item.typed)});
    for (const ExtraRow& extra : score.extras)
        SetRow(table, row++, {QString(), QStringLiteral("余分な行"), QString(), ToQ(extra.typed)});
}

Seikai* Saiten::mapWindow() const { return seikai_.data(); }

void Saiten::ShowMaps() {
    if (!seikai_) seikai_ = new Seikai(program_, result_.typed, result_.report, result_.reportName, parentWidget());
    ShowBesideMainWindow(seikai_, parentWidget());
}

}  // namespace isobra
