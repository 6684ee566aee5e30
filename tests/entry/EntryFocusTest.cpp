// Paths of the focus through the entry windows with mouse and keyboard mixed,
// the windows shown from the main window's menu as the user opens them.
#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <memory>

#include "app/Commands.h"
#include "app/MainWindow.h"
#include "entry/Gyogyou.h"
#include "entry/Kaiyou1.h"
#include "entry/Tenki1.h"
#include "support/MainWindowFixture.h"
#include "support/TypistKit.h"

using namespace isobra;
using namespace typist;

namespace {

// The control holding the focus, by name: a list's edit line goes by its list's.
QString FocusName() {
    QWidget* w = Focused();
    if (!w) return QStringLiteral("<none>");
    if (w->objectName().isEmpty() && w->parentWidget()) return w->parentWidget()->objectName();
    return w->objectName();
}

void ClickRow(EditLineList* list, int row) {
    QListWidget* view = list->list();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(view->item(row)).center());
}

// The up arrow of a scroll control (its number goes up).
void ClickUpArrow(QScrollBar* bar) { QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, 4)); }

}  // namespace

class EntryFocusTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private:
    // A window manager activates the main window when a child window goes
    // away; the offscreen platform leaves no window active.
    void BackToTheMainWindow(QWidget* form) {
        QTRY_VERIFY(!form->isVisible());
        window_->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(window_.get()));
    }
    // The window the menu item shows.
    QWidget* FormOf(const QString& menuItem) const {
        if (menuItem == QLatin1String("cntTenki")) return window_->commands().entry.landForm();
        if (menuItem == QLatin1String("cntSenpaku")) return window_->commands().entry.shipForm();
        return window_->commands().entry.fisheryForm();
    }
    // Shows the window as the menu item does; null if it does not become active.
    QWidget* Open(const QString& menuItem) {
        QWidget* form = FormOf(menuItem);
        window_->menuAction(menuItem)->trigger();
        // The main window counts as active for its child windows: wait for the form itself.
        if (!QTest::qWaitFor([form] { return QApplication::activeWindow() == form; })) return nullptr;
        return form;
    }

private slots:
    void init() {
        CreateWindow();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { DestroyWindow(); }

    // A click in a list, or on a scroll control, leaves the keyboard focus
    // in that control's own field: Tab goes on from there.
    void tabAfterAClickGoesOnFromTheClickedControl_data() {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("row");  // -1: a scroll control's up arrow
        QTest::addColumn<QString>("focusAfterClick");
        QTest::addColumn<QString>("focusAfterTab");
        struct Case {
            const char* name;
            const char* menuItem;
            const char* control;
            int row;
            const char* focusAfterClick;
            const char* focusAfterTab;
        };
        const Case cases[] = {
            {"land weather", "cntTenki", "Tenki", 1, "Tenki", "Kiatu"},
            {"land stations", "cntTenki", "KansokuData", 5, "KansokuData", "Huukou"},
            {"land direction", "cntTenki", "Huukou", 3, "Huukou", "Huuryoku"},
            {"land force control", "cntTenki", "HuuryokuVS", -1, "Huuryoku", "Tenki"},
            {"land pressure control", "cntTenki", "KiatuVS", -1, "Kiatu", "Ondo"},
            {"ship direction", "cntSenpaku", "Huukou", 2, "Huukou", "Huuryoku"},
            {"ship weather", "cntSenpaku", "Tenki", 4, "Tenki", "Kiatu"},
            {"ship latitude control", "cntSenpaku", "HokuiVS", -1, "Hokui", "Toukei"},
            {"fishery kind", "cntGyogyou", "Syurui", 4, "Syurui", "Tugi"},
            {"fishery pressure control", "cntGyogyou", "KiatuVS", -1, "Kiatu", "Syurui"},
        };
        for (const Case& c : cases)
            QTest::newRow(c.name) << QString::fromLatin1(c.menuItem) << QString::fromLatin1(c.control) << c.row
                                  << QString::fromLatin1(c.focusAfterClick) << QString::fromLatin1(c.focusAfterTab);
    }
    void tabAfterAClickGoesOnFromTheClickedControl() {
        QFETCH(QString, menuItem);
        QFETCH(QString, control);
        QFETCH(int, row);
        QFETCH(QString, focusAfterClick);
        QFETCH(QString, focusAfterTab);
        QWidget* form = Open(menuItem);
        QVERIFY(form);
        if (row >= 0) {
            auto* list = Find<EditLineList>(form, qPrintable(control));
            ClickRow(list, row);
            QCOMPARE(list->selectedRow(), row);
        } else {
            auto* field = Find<NumericEntryField>(form, qPrintable(focusAfterClick));
            const int before = field->scrollValue();
            ClickUpArrow(Find<QScrollBar>(form, qPrintable(control)));
            QCOMPARE(field->text(), QString::number(before + 1));
        }
        QCOMPARE(FocusName(), focusAfterClick);
        Tab();
        QCOMPARE(FocusName(), focusAfterTab);
    }

    // After a click into a form's list of reports, the page keys, Home and
    // End move its selection, and the focus stays for Tab to go on from.
    void pageKeysHomeAndEndMoveTheClickedList() {
        QVERIFY(window_->commands().files.OpenObservationFile(QStringLiteral(ISOBRA_EXAMPLES "/winter.dat")));
        for (const char* menuItem : {"cntTenki", "cntSenpaku", "cntGyogyou"}) {
            QWidget* form = Open(QString::fromLatin1(menuItem));
            QVERIFY(form);
            auto* list = Find<EditLineList>(form, "KansokuData");
            const int last = list->count() - 1;
            QVERIFY2(last >= 3, menuItem);
            ClickRow(list, 1);
            Press(Qt::Key_End);
            QCOMPARE(list->selectedRow(), last);
            Press(Qt::Key_PageUp);
            QVERIFY2(list->selectedRow() < last, menuItem);
            Press(Qt::Key_Home);
            QCOMPARE(list->selectedRow(), 0);
            Press(Qt::Key_PageDown);
            QVERIFY2(list->selectedRow() > 0, menuItem);
            QCOMPARE(list->editText(), list->itemText(list->selectedRow()));
            QCOMPARE(FocusName(), QStringLiteral("KansokuData"));
            form->hide();
            BackToTheMainWindow(form);
        }
    }

    // The land window's fault as met: "晴れ" clicked, Tab, a pressure typed.
    // The direction keeps its item and the pressure gets the digits.
    void aPressureTypedAfterClickingTheWeatherGoesToThePressure() {
        QWidget* land = Open(QStringLiteral("cntTenki"));
        QVERIFY(land);
        ClickRow(Find<EditLineList>(land, "Tenki"), 1);
        Tab();
        Type("8");
        Tab();
        Tab();
        Return();
        QCOMPARE(state_->observations.land(0), (LandReport{7, 0, 1, 1008, 20}));
    }

    // A click on the scroll control while a value is being typed takes the
    // value first: the control moves on from it.
    void aScrollClickTakesTheValueBeingTyped() {
        QWidget* ship = Open(QStringLiteral("cntSenpaku"));
        QVERIFY(ship);
        Tab();
        Tab();
        Tab();
        Tab();
        Tab();
        QCOMPARE(FocusName(), QStringLiteral("Kiatu"));
        Type("96");
        ClickUpArrow(Find<QScrollBar>(ship, "KiatuVS"));
        QCOMPARE(FocusName(), QStringLiteral("Kiatu"));
        QCOMPARE(Find<NumericEntryField>(ship, "Kiatu")->text(), QStringLiteral("997"));
    }

    // Each showing from the menu enters the window's first field: emptied,
    // so a click into it and typing give the typed value alone.
    void theFirstFieldIsEmptiedEachTimeTheWindowIsShown_data() {
        QTest::addColumn<QString>("menuItem");
        QTest::newRow("ship") << "cntSenpaku";
        QTest::newRow("fishery") << "cntGyogyou";
    }
    void theFirstFieldIsEmptiedEachTimeTheWindowIsShown() {
        QFETCH(QString, menuItem);
        QWidget* form = FormOf(menuItem);
        auto* latitude = Find<NumericEntryField>(form, "Hokui");
        const auto openAndExpectEntered = [&] {
            QVERIFY(Open(menuItem));
            QTRY_VERIFY(latitude->hasFocus());
            QCOMPARE(latitude->text(), QString());
        };
        openAndExpectEntered();
        QTest::mouseClick(latitude, Qt::LeftButton, {}, QPoint(5, latitude->height() / 2));
        Type("38");
        Tab();
        QCOMPARE(latitude->text(), QStringLiteral("38"));

        QTest::mouseClick(Find<QPushButton>(form, "Modoru"), Qt::LeftButton);
        BackToTheMainWindow(form);
        openAndExpectEntered();
        // Half a value typed, then the close box: the value is taken as Tab
        // would take it, and the next showing enters the field afresh.
        Type("5");
        form->close();
        BackToTheMainWindow(form);
        QCOMPARE(latitude->text(), QStringLiteral("15"));
        openAndExpectEntered();
        Tab();
        QCOMPARE(latitude->text(), QStringLiteral("15"));
    }
};

QTEST_MAIN(EntryFocusTest)
#include "EntryFocusTest.moc"
