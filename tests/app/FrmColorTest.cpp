#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "app/Commands.h"
#include "app/FrmColor.h"
#include "app/MainWindow.h"
#include "support/DrawnPixels.h"
#include "support/MainWindowFixture.h"
#include "widgets/QImageCanvas.h"

using namespace isobra;
using test::DrawnPixels;

class FrmColorTest : public QObject, protected test::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { CreateWindow(); }
    void cleanup() { DestroyWindow(); }

    void clickingACaptionOrSwatchSelectsItAndTheBarsEditIt() {
        FrmColor* dialog = Open();
        QCOMPARE(dialog->selectedItem(), int(kTextColour));  // item 1 on opening
        QVERIFY(Label(dialog, "Label1")->font().bold());

        QTest::mouseClick(Label(dialog, "Label13"), Qt::LeftButton);
        QCOMPARE(dialog->selectedItem(), int(kBackgroundColour));
        QVERIFY(Label(dialog, "Label13")->font().bold());
        QVERIFY(!Label(dialog, "Label1")->font().bold());
        QCOMPARE(Swatch(dialog, "Picture10")->frameShape(), QFrame::Box);
        QCOMPARE(Swatch(dialog, "Picture1")->frameShape(), QFrame::NoFrame);
        QCOMPARE(Bars(dialog), (QList<int>{255, 255, 255}));

        Bar(dialog, "VScroll3")->setValue(0);  // blue to 0: yellow
        QCOMPARE(dialog->SwatchColour(kBackgroundColour), MakeColour(255, 255, 0));
        QCOMPARE(Swatch(dialog, "Picture10")->palette().color(QPalette::Window), QColor(255, 255, 0));

        QTest::mouseClick(Swatch(dialog, "Picture6"), Qt::LeftButton);
        QCOMPARE(dialog->selectedItem(), int(kWarmFrontColour));
        QCOMPARE(Bars(dialog), (QList<int>{255, 0, 0}));
        QCOMPARE(dialog->SwatchColour(kBackgroundColour), MakeColour(255, 255, 0));  // kept in the dialog

        // "キャンセル" changes nothing.
        QTest::mouseClick(Button(dialog, "Command2"), Qt::LeftButton);
        QTRY_VERIFY(!window_->commands().display.colourDialog());
        QCOMPARE(state_->colours, ColorSettings{});
        QCOMPARE(window_->canvas().BackgroundColour(), MakeColour(255, 255, 255));
        QVERIFY(prompts_->shown.empty());
    }

    // Esc is "キャンセル", also from a scroll bar, which takes other keys.
    void escapeCancels() {
        FrmColor* dialog = Open();
        Bar(dialog, "VScroll2")->setValue(7);
        Bar(dialog, "VScroll2")->setFocus();
        QTest::keyClick(Bar(dialog, "VScroll2"), Qt::Key_Escape);
        QTRY_VERIFY(!window_->commands().display.colourDialog());
        QCOMPARE(state_->colours, ColorSettings{});
        QVERIFY(prompts_->shown.empty());
    }

    void doubleClickOnASwatchPicksTheColourAndTheBarsFollow() {
        FrmColor* dialog = Open();
        prompts_->colourAnswers = {MakeColour(10, 20, 30), std::nullopt};
        QTest::mouseDClick(Swatch(dialog, "Picture3"), Qt::LeftButton);
        QCOMPARE(dialog->selectedItem(), int(kIsobarColour));
        QCOMPARE(prompts_->colourStarts, std::vector<Colour>{PaletteColor(9)});
        QCOMPARE(prompts_->shown.back().title, QStringLiteral("等圧線の色"));
        QCOMPARE(Bars(dialog), (QList<int>{10, 20, 30}));
        QCOMPARE(dialog->SwatchColour(kIsobarColour), MakeColour(10, 20, 30));

        QTest::mouseDClick(Swatch(dialog, "Picture3"), Qt::LeftButton);  // cancelled: nothing changes
        QCOMPARE(dialog->SwatchColour(kIsobarColour), MakeColour(10, 20, 30));
        QCOMPARE(state_->colours.ColorOf(kIsobarColour), PaletteColor(9));
    }

    void startUpColoursAndOkRestoreEverything() {
        for (int item = 1; item <= kColourItemCount; ++item) state_->colours.SetColour(item, MakeColour(1, 2, item));
        window_->canvas().SetBackgroundColour(MakeColour(9, 9, 9));
        window_->canvas().SetForegroundColour(MakeColour(8, 8, 8));
        FrmColor* dialog = Open();
        QCOMPARE(dialog->SwatchColour(kMapColour), MakeColour(1, 2, kMapColour));
        QTest::mouseClick(Button(dialog, "Command3"), Qt::LeftButton);
        QCOMPARE(dialog->selectedItem(), int(kTextColour));                           // the selection stays
        QCOMPARE(Bars(dialog), (QList<int>{1, 2, 1}));                                // and the bars
        QCOMPARE(state_->colours.ColorOf(kMapColour), MakeColour(1, 2, kMapColour));  // not yet

        QTest::mouseClick(Button(dialog, "Command1"), Qt::LeftButton);
        QCOMPARE(state_->colours, ColorSettings{});
        QCOMPARE(window_->canvas().BackgroundColour(), MakeColour(255, 255, 255));
        QCOMPARE(window_->canvas().ForegroundColour(), MakeColour(0, 0, 0));
        QCOMPARE(prompts_->shown.size(), size_t(1));
        QCOMPARE(prompts_->shown[0].title, QStringLiteral("色の設定の確認"));
        QCOMPARE(prompts_->shown[0].text, QStringLiteral("色を変えましたので、画面を消去してもう一度描いて下さい。"));
        QTRY_VERIFY(!window_->commands().display.colourDialog());
    }

    void aChangedColourReachesTheNextDrawingNotTheLastOne() {
        window_->menuAction("cntTizu")->trigger();
        const QImage before = window_->canvas().DrawingLayer();
        FrmColor* dialog = Open();
        QTest::mouseClick(Label(dialog, "Label3"), Qt::LeftButton);  // isobars: red
        Bar(dialog, "VScroll1")->setValue(255);
        Bar(dialog, "VScroll3")->setValue(0);
        QTest::mouseClick(Label(dialog, "Label2"), Qt::LeftButton);  // map: green
        Bar(dialog, "VScroll2")->setValue(128);
        Bar(dialog, "VScroll3")->setValue(0);
        QTest::mouseClick(Button(dialog, "Command1"), Qt::LeftButton);
        QCOMPARE(window_->canvas().DrawingLayer(), before);  // nothing already drawn changes

        QVERIFY(window_->commands().files.OpenIsobarFile(QStringLiteral(ISOBRA_TEST_DATA "/winter-isobars.cnt")));
        const QImage after = window_->canvas().DrawingLayer();
        QVERIFY(DrawnPixels(after, qRgb(255, 0, 0)) > 500);  // the new isobars
        QCOMPARE(DrawnPixels(after, qRgb(0, 128, 0)), 0);    // the map is not drawn again
        window_->menuAction("cntClsLine")->trigger();
        window_->menuAction("cntTizu")->trigger();
        QCOMPARE(DrawnPixels(window_->canvas().DrawingLayer(), qRgb(0, 128, 0)), DrawnPixels(before, qRgb(0, 0, 255)));
    }

    void theMenuBringsBackTheOpenDialogAsItWas() {
        FrmColor* dialog = Open();
        QTest::mouseClick(Label(dialog, "Label5"), Qt::LeftButton);
        window_->menuAction("cntColor")->trigger();
        QCOMPARE(window_->commands().display.colourDialog(), dialog);
        QCOMPARE(dialog->selectedItem(), int(kWindSymbolColour));
    }

private:
    FrmColor* Open() {
        window_->menuAction("cntColor")->trigger();
        FrmColor* dialog = window_->commands().display.colourDialog();
        if (dialog) {
            [&] {
                QVERIFY(dialog->isVisible());
                QCOMPARE(dialog->windowTitle(), QStringLiteral("表示色の変更"));
            }();
        }
        return dialog;
    }
    static QLabel* Label(FrmColor* d, const char* name) { return d->findChild<QLabel*>(QString::fromUtf8(name)); }
    static QFrame* Swatch(FrmColor* d, const char* name) { return d->findChild<QFrame*>(QString::fromUtf8(name)); }
    static QScrollBar* Bar(FrmColor* d, const char* name) { return d->findChild<QScrollBar*>(QString::fromUtf8(name)); }
    static QPushButton* Button(FrmColor* d, const char* name) {
        return d->findChild<QPushButton*>(QString::fromUtf8(name));
    }
    static QList<int> Bars(FrmColor* d) {
        return {Bar(d, "VScroll1")->value(), Bar(d, "VScroll2")->value(), Bar(d, "VScroll3")->value()};
    }
};

QTEST_MAIN(FrmColorTest)
#include "FrmColorTest.moc"
