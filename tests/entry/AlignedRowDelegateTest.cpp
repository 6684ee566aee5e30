#include <QListWidget>
#include <QStyledItemDelegate>
#include <memory>
#include <vector>

#include "entry/AlignedRowDelegate.h"
#include "entry/Gyogyou.h"
#include "entry/Kaiyou1.h"
#include "entry/Tenki1.h"
#include "model/EntryRows.h"
#include "support/ScriptedPrompts.h"
#include "support/TypistKit.h"

using namespace isobra;
using namespace typist;

namespace {

// Each row of the list as it is on screen, drawn by `delegate` if given.
std::vector<QImage> RowImages(QListWidget* list, QAbstractItemDelegate* delegate = nullptr) {
    QAbstractItemDelegate* own = list->itemDelegate();
    if (delegate) list->setItemDelegate(delegate);
    const QImage viewport = list->viewport()->grab().toImage();
    list->setItemDelegate(own);
    std::vector<QImage> rows;
    for (int r = 0; r < list->count(); ++r) rows.push_back(viewport.copy(list->visualItemRect(list->item(r))));
    return rows;
}

// Pixel columns in which `a` and `b` differ, or without `b` those in which
// `a` differs from its background at the right end; left to right.
std::vector<int> Columns(const QImage& a, const QImage* b = nullptr) {
    std::vector<int> xs;
    for (int x = 0; x < a.width(); ++x)
        for (int y = 0; y < a.height(); ++y)
            if (b ? a.pixel(x, y) != b->pixel(x, y) : a.pixel(x, y) != a.pixel(a.width() - 1, y)) {
                xs.push_back(x);
                break;
            }
    return xs;
}

}  // namespace

class AlignedRowDelegateTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppState> state_;
    std::unique_ptr<test::ScriptedPrompts> prompts_;
    std::unique_ptr<Tenki1> tenki1_;

    EditLineList* LandRows() { return Find<EditLineList>(tenki1_.get(), "KansokuData"); }

    // Station `slot` named `name` with a report typed on the form or rebuilt
    // from the data: the same report in either land layout.
    void TypeLandRow(
        int slot, const std::string& name,
        const LandRow& typed = {
            .direction = "北西", .force = "3", .weather = "くもり", .pressure = "1024", .temperature = "-5"}) {
        state_->observations.stationName(slot) = name;
        state_->lists.land.Enter(state_->observations, slot, {2, 3, 2, 1024, -5}, typed);
        tenki1_->ShowRows();
    }
    void RebuildLandRow(int slot, const std::string& name) {
        state_->observations.stationName(slot) = name;
        state_->observations.land(slot) = {2, 3, 2, 1024, -5};
        state_->lists.land.SetRowFromData(state_->observations, slot, LandWeather::Always);
        tenki1_->ShowRows();
    }

private slots:
    void init() {
        state_ = std::make_unique<AppState>();
        prompts_ = std::make_unique<test::ScriptedPrompts>();
        tenki1_ = std::make_unique<Tenki1>(*state_, *prompts_);
        ShowActive(tenki1_.get());
    }
    void cleanup() {
        tenki1_.reset();
        prompts_.reset();
        state_.reset();
    }

    // Every field after the name, the pressure digits among them, is drawn
    // exactly as in a row with no name, typed or rebuilt; and a name stays
    // where it was as a bare row.
    void fieldsLineUpWhateverTheName() {
        EditLineList* rows = LandRows();
        QCOMPARE(rows->itemText(2), QStringLiteral("南大東島"));
        TypeLandRow(0, "");
        TypeLandRow(1, "南大東島");
        RebuildLandRow(3, "ﾎﾟﾛﾅｲｽｸ");
        RebuildLandRow(4, "");
        RebuildLandRow(5, "ﾁｪｼﾞｭ島");

        const std::vector<QImage> images = RowImages(rows->list());
        QVERIFY(images[0] == images[4]);
        const int fieldsStart = Columns(images[0]).front();
        for (int r : {1, 3, 5}) {
            const std::vector<int> differ = Columns(images[0], &images[static_cast<std::size_t>(r)]);
            QVERIFY(!differ.empty());
            QVERIFY2(differ.back() < fieldsStart, qPrintable(QString::number(r)));
        }
        const QRect nameArea(0, 0, fieldsStart, images[1].height());
        QCOMPARE(images[1].copy(nameArea), images[2].copy(nameArea));

        // Drawn as plain text the same rows do not line up.
        QStyledItemDelegate plain;
        const std::vector<QImage> asText = RowImages(rows->list(), &plain);
        QVERIFY(Columns(asText[1]).back() != Columns(asText[3]).back());
    }

    // A row with a field too wide for its column is never cut: it is drawn
    // as plain text, as the list draws it without the table.
    void rowsThatDoNotFitAreDrawnAsPlainText() {
        EditLineList* rows = LandRows();
        // Too many characters: the temperature keeps its decimals.
        TypeLandRow(0, "石垣島",
                    {.direction = "北", .force = "3", .weather = "晴れ", .pressure = "1013", .temperature = "12.5"});
        // Few enough characters, but too wide for the weather column.
        TypeLandRow(
            1, "那覇",
            {.direction = "北", .force = "3", .weather = "くもり時々雨", .pressure = "1013", .temperature = "5"});
        QStyledItemDelegate plain;
        const std::vector<QImage> table = RowImages(rows->list());
        const std::vector<QImage> asText = RowImages(rows->list(), &plain);
        QVERIFY(table[0] == asText[0]);
        QVERIFY(table[1] == asText[1]);
    }

    void aSelectedRowIsHighlightedWithItsTextInTheHighlightColour() {
        TypeLandRow(1, "那覇");
        tenki1_->SelectRow(1);
        const QImage row = RowImages(LandRows()->list())[1];
        const QPalette palette = LandRows()->list()->palette();
        QCOMPARE(QColor(row.pixel(row.width() - 2, row.height() / 2)), palette.color(QPalette::Highlight));
        // Antialiased text: far lighter than the highlight.
        const int background = qGray(palette.color(QPalette::Highlight).rgb());
        int textPixels = 0;
        for (int y = 0; y < row.height(); ++y)
            for (int x = 0; x < row.width(); ++x) textPixels += qGray(row.pixel(x, y)) > background + 80;
        QVERIFY(textPixels > 50);
    }

    // The widest values of each form are drawn as a table within its list.
    void everyFormsWidestRowsFitItsList() {
        ObservationSet& obs = state_->observations;
        for (int i = 0; i < obs.stationCount(); ++i) obs.land(i) = {15, 12, 5, 1100, -40};
        tenki1_->RebuildRowsFromData(obs.stationCount(), LandWeather::Always);
        for (int k = 0; k < 20; ++k) obs.ship(k) = {60, 168, 15, 12, 5, 1100};
        for (int k = 0; k < 20; ++k) obs.fishery(k) = {k % 2 ? "中心から" : "低気圧", 15, 168, k % 2 ? 0 : 1100};
        obs.SetShipCount(20);
        obs.SetFisheryCount(20);
        Kaiyou1 kaiyou1(*state_, *prompts_);
        Gyogyou gyogyou(*state_, *prompts_);

        for (QWidget* form : std::initializer_list<QWidget*>{tenki1_.get(), &kaiyou1, &gyogyou}) {
            form->show();
            QVERIFY(QTest::qWaitForWindowExposed(form));
            QListWidget* list = Find<EditLineList>(form, "KansokuData")->list();
            QVERIFY2(qobject_cast<AlignedRowDelegate*>(list->itemDelegate()), qPrintable(form->objectName()));
            for (int r = 0; r < list->count(); ++r) {
                const auto cells = list->item(r)->data(AlignedRowDelegate::kCellsRole).value<RowCells>();
                QVERIFY2(AlignedRowDelegate::Cells(cells, list->fontMetrics()), qPrintable(list->item(r)->text()));
            }
            QVERIFY2(list->sizeHintForColumn(0) <= list->viewport()->width(), qPrintable(form->objectName()));
        }
    }
};

QTEST_MAIN(AlignedRowDelegateTest)
#include "AlignedRowDelegateTest.moc"
