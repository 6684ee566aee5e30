// The main window's side of the entry forms: created hidden at start-up,
// shown from the menu, erased by "消えますよｏｋ？".
#include <QAction>
#include <functional>
#include <memory>
#include <vector>

#include "app/Commands.h"
#include "app/MainWindow.h"
#include "entry/Gyogyou.h"
#include "entry/Kaiyou1.h"
#include "entry/Tenki1.h"
#include "isobar/GridConstruction.h"
#include "support/ScriptedPrompts.h"
#include "support/TypistKit.h"

using namespace isobra;
using namespace typist;

class EntryMainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppState> state_;
    std::unique_ptr<test::ScriptedPrompts> prompts_;
    std::unique_ptr<MainWindow> window_;

    static QString EditText(QWidget* form) { return Find<EditLineList>(form, "KansokuData")->editText(); }

    void Trigger(const char* control) {
        QAction* action = window_->menuAction(QString::fromLatin1(control));
        QVERIFY2(action, control);
        action->trigger();
    }

private slots:
    void init() {
        state_ = std::make_unique<AppState>();
        prompts_ = std::make_unique<test::ScriptedPrompts>();
        window_ = std::make_unique<MainWindow>(*state_, *prompts_);
        window_->Start();
    }
    void cleanup() {
        window_.reset();
        prompts_.reset();
        state_.reset();
    }

    void formsAreCreatedHiddenInOrder() {
        QVERIFY(window_->commands().entry.landForm());
        QVERIFY(window_->commands().entry.shipForm());
        QVERIFY(window_->commands().entry.fisheryForm());
        QList<QWidget*> forms;
        for (QWidget* w : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w == window_->commands().entry.landForm() || w == window_->commands().entry.shipForm() ||
                w == window_->commands().entry.fisheryForm())
                forms << w;
        QCOMPARE(forms, (QList<QWidget*>{window_->commands().entry.landForm(), window_->commands().entry.shipForm(),
                                         window_->commands().entry.fisheryForm()}));
        for (QWidget* form : forms) QVERIFY(!form->isVisible());
        QCOMPARE(window_->commands().entry.landForm()->RowCount(), 54);
        Tenki1* land = window_->commands().entry.landForm();
        QCOMPARE(window_->commands().entry.landForm(), land);  // a second call makes nothing new
    }

    void menuItemsMarkTheGridAndShowTheForms() {
        const QList<std::pair<const char*, QWidget*>> items = {{"cntTenki", window_->commands().entry.landForm()},
                                                               {"cntSenpaku", window_->commands().entry.shipForm()},
                                                               {"cntGyogyou", window_->commands().entry.fisheryForm()}};
        for (const auto& [control, form] : items) {
            state_->field.pressureGrid.at(0, 0) = 101300;
            state_->field.pressureGrid.at(1, 0) = 101200;
            Trigger(control);
            QCOMPARE(state_->field.pressureGrid.at(0, 0), 0);
            QCOMPARE(state_->field.pressureGrid.at(1, 0), 101200);
            QTRY_VERIFY(form->isVisible());
        }
        QVERIFY(window_->isEnabled());  // nothing modal
    }

    void hidingKeepsTheRowsAndFields() {
        window_->commands().entry.ShowLandForm();
        Tenki1* land = window_->commands().entry.landForm();
        land->SelectRow(10);
        land->OnTugiClicked();
        const QString row = land->RowText(10);
        land->OnModoruClicked();
        QTRY_VERIFY(!land->isVisible());
        window_->commands().entry.ShowLandForm();
        QCOMPARE(land->RowText(10), row);
        QCOMPARE(land->SelectedRow(), 11);
    }

    void eraseAllEmptiesEverything() {
        ObservationSet& obs = state_->observations;
        Tenki1* land = window_->commands().entry.landForm();
        Kaiyou1* ship = window_->commands().entry.shipForm();
        Gyogyou* fishery = window_->commands().entry.fisheryForm();
        land->OnTugiClicked();
        land->OnTugiClicked();
        ship->OnTugiClicked();
        ship->OnTugiClicked();
        fishery->OnTugiClicked();
        fishery->OnTugiClicked();
        ship->SelectRow(0);
        fishery->SelectRow(0);
        obs.observationDate = "12月7日";
        state_->field.pressureGrid.at(0, 0) = 101300;
        state_->field.pressureGrid.at(25, 25) = 99600;
        state_->field.workGrid.at(3, 4) = 7;
        PlotTable& plot = state_->field.plotTable;
        plot.stationCount = 54;
        plot.shipCount = 2;
        plot.fisheryCount = 2;
        plot.lastPlotIndex = 58;

        Trigger("cntNew2");

        QCOMPARE(land->RowCount(), 54);
        QCOMPARE(land->RowText(0), QStringLiteral("石垣島"));
        QCOMPARE(land->RowText(1), QStringLiteral("那覇"));
        QCOMPARE(obs.land(0), LandReport{});
        QCOMPARE(ship->RowCount(), 0);
        QCOMPARE(fishery->RowCount(), 0);
        // No deleted row's text stays in the lists' edit lines.
        QCOMPARE(EditText(ship), QString());
        QCOMPARE(EditText(fishery), QString());
        QCOMPARE(obs.shipCount(), 0);
        QCOMPARE(obs.fisheryCount(), 0);
        // Positions and kinds stay in their slots; the values go.
        QCOMPARE(obs.ship(1), (ShipReport{34, 135, 0, 0, 0, 0}));
        QCOMPARE(obs.fishery(1), (FisheryEntry{"高気圧", 34, 135, 0}));
        QCOMPARE(obs.observationDate, std::string());
        QVERIFY(!state_->field.pressureGrid.IsComputed());
        QCOMPARE(state_->field.pressureGrid.at(25, 25), 0);
        QCOMPARE(state_->field.workGrid.at(3, 4), 0);
        // The plot table no longer holds erased ships or fishery items.
        QCOMPARE(plot.shipCount, 0);
        QCOMPARE(plot.fisheryCount, 0);
        QCOMPARE(plot.lastPlotIndex, 54);

        // Entering again starts a fresh list.
        ship->OnTugiClicked();
        QCOMPARE(ship->RowCount(), 1);
        QCOMPARE(obs.shipCount(), 1);
    }

    // A load shows the file's rows with none selected, and no row's text.
    void aLoadLeavesTheEditLinesEmpty() {
        Kaiyou1* ship = window_->commands().entry.shipForm();
        Gyogyou* fishery = window_->commands().entry.fisheryForm();
        for (int i = 0; i < 3; ++i) {
            ship->OnTugiClicked();
            fishery->OnTugiClicked();
        }
        ship->SelectRow(2);
        fishery->SelectRow(2);
        QVERIFY(!EditText(ship).isEmpty());
        QVERIFY(window_->commands().files.OpenObservationFile(QStringLiteral(ISOBRA_EXAMPLES "/winter.dat")));
        QVERIFY(ship->RowCount() > 0);
        QCOMPARE(ship->SelectedRow(), -1);
        QCOMPARE(EditText(ship), QString());
        QCOMPARE(EditText(fishery), QString());
        ship->SelectRow(1);
        QCOMPARE(EditText(ship), ship->RowText(1));
    }

    // Windows are made on first use. One made late shows what one made at the
    // start shows by then, and making it changes no list (the lists decide
    // what a save writes): after a load, after a construction of the grid
    // (which moves the last plot index the land window reads as it is made),
    // after an erase, and after rows typed in another window.
    void windowsMadeLateShowWhatWindowsMadeEarlyShow() {
        using Step = std::function<void(MainWindow&, AppState&)>;
        const Step load = [](MainWindow& w, AppState&) {
            QVERIFY(w.commands().files.OpenObservationFile(QStringLiteral(ISOBRA_EXAMPLES "/winter.dat")));
        };
        const Step grid = [](MainWindow&, AppState& s) { QVERIFY(ComputePressureGrid(s.observations, s.field).ok()); };
        const Step erase = [](MainWindow& w, AppState&) { w.commands().entry.EraseAllObservations(); };
        const Step typeShip = [](MainWindow& w, AppState&) { w.commands().entry.shipForm()->OnTugiClicked(); };
        const std::vector<std::pair<const char*, std::vector<Step>>> cases = {
            {"load", {load}},
            {"load, grid", {load, grid}},
            {"load, erase", {load, erase}},
            {"ship typed, grid", {typeShip, grid}},
            {"nothing", {}},
        };
        for (const auto& [what, steps] : cases) {
            AppState earlyState, lateState;
            test::ScriptedPrompts earlyPrompts, latePrompts;
            MainWindow early(earlyState, earlyPrompts), late(lateState, latePrompts);
            early.Start();
            late.Start();
            QVERIFY(!late.commands().entry.AnyMade());
            std::vector<EntryForm*> made = {early.commands().entry.landForm(), early.commands().entry.shipForm(),
                                            early.commands().entry.fisheryForm()};
            for (const Step& step : steps) {
                step(early, earlyState);
                step(late, lateState);
            }
            auto saved = [](const AppState& s) {
                const Result<std::string> file = s.lists.FileAsSaved(s.observations);
                return file ? *file : file.message();
            };
            const std::string before = saved(lateState);
            const std::vector<EntryForm*> lateForms = {late.commands().entry.landForm(),
                                                       late.commands().entry.shipForm(),
                                                       late.commands().entry.fisheryForm()};
            QVERIFY2(saved(lateState) == before, what);
            QVERIFY2(before == saved(earlyState), what);
            for (std::size_t i = 0; i < made.size(); ++i) {
                QCOMPARE(lateForms[i]->RowCount(), made[i]->RowCount());
                for (int row = 0; row < made[i]->RowCount(); ++row)
                    QVERIFY2(lateForms[i]->RowText(row) == made[i]->RowText(row), what);
                QVERIFY2(lateForms[i]->SelectedRow() == made[i]->SelectedRow(), what);
            }
        }
    }

    void eraseWithEmptyListsClearsLandDateAndGrids() {
        state_->observations.land(53) = LandReport{1, 2, 3, 4, 5};
        state_->observations.observationDate = "x";
        state_->field.plotTable.lastPlotIndex = 0;  // never plotted
        window_->commands().entry.EraseAllObservations();
        QCOMPARE(state_->observations.land(53), LandReport{});
        QCOMPARE(state_->observations.observationDate, std::string());
        QCOMPARE(state_->field.plotTable.lastPlotIndex, 0);
        QCOMPARE(window_->commands().entry.shipForm()->RowCount(), 0);
    }
};

QTEST_MAIN(EntryMainWindowTest)
#include "EntryMainWindowTest.moc"
