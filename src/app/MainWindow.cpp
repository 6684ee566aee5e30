#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>

#include "app/CanvasView.h"
#include "app/Commands.h"
#include "app/FileDropList.h"
#include "app/MenuBuilder.h"
#include "app/PleaseWait.h"
#include "app/ViewScale.h"
#include "state/AppState.h"
#include "state/MapLayers.h"
#include "state/PointerReadout.h"
#include "widgets/HelpTexts.h"
#include "widgets/Prompts.h"
#include "widgets/QImageCanvas.h"

namespace isobra {

namespace {

// "説明する？": the pages of the menu's help, the next only after Yes.
void ShowMenuHelp(Prompts& prompts) {
    for (int page = 1; page < kMenuHelpPages; ++page) {
        if (!prompts.AskYesNo(MenuHelpTitle(page), MenuHelpText(page))) return;
    }
    prompts.Inform(MenuHelpTitle(kMenuHelpPages), MenuHelpText(kMenuHelpPages), Prompts::Icon::None);
}

}  // namespace

MainWindow::MainWindow(AppState& state, Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), state_(state), prompts_(prompts) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Isobra"));

    canvas_ = new QImageCanvas(this);
    auto* workspace = new QScrollArea(this);
    workspace->setObjectName(QStringLiteral("workspace"));
    workspace->setFrameShape(QFrame::NoFrame);
    workspace->setWidgetResizable(true);
    // The application-workspace grey around the canvas.
    QPalette pal = workspace->viewport()->palette();
    pal.setColor(QPalette::Window, CanvasView::kWorkspace);
    workspace->viewport()->setPalette(pal);
    workspace->viewport()->setAutoFillBackground(true);
    view_ = new CanvasView(*canvas_);
    workspace->setWidget(view_);
    setCentralWidget(workspace);
    setAcceptDrops(true);
    connect(view_, &CanvasView::pressed, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers m, float x, float y) { OnCanvasMouseDown(b, m, x, y); });

    BuildStatusLine();

    commands_ = std::make_unique<Commands>(state_, prompts_, *this);
    viewScale_ = std::make_unique<ViewScale>(*this, *view_, QSize(QImageCanvas::kWidth, kClientHeight));
    menus_ = std::make_unique<MenuBuilder>(*menuBar(), *this);
    BuildMenus();
    // The status line adds its height to the window; the canvas keeps its room.
    resize(QImageCanvas::kWidth, kClientHeight + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
}

void MainWindow::BuildStatusLine() {
    auto* line = new QLabel(this);
    line->setObjectName(QStringLiteral("Genzaiti"));  // 現在地
    // As wide as the bar gives, whatever the text: a new text never lays
    // the window out again.
    line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(line, 1);
    statusBar()->setSizeGripEnabled(false);
    connect(view_, &CanvasView::hovered, line, [this, line](double x, double y) {
        line->setText(
            QString::fromStdString(PointerReadout(MapPoint{x, y}, state_.field, canvas_->BackgroundPicture().get())));
    });
    connect(view_, &CanvasView::leftImage, line, &QLabel::clear);
}

MainWindow::~MainWindow() {
    // Before the rest of the window goes: the commands' windows reach into it.
    commands_.reset();
    if (pleaseWait_) delete pleaseWait_;
}

void MainWindow::Start() {
    // Grid settings, counts, interval, colours and the station table.
    state_.ApplyStartupSettings();
    // The canvas starts in the window colours; the colour settings reach it
    // only when the colour dialog is confirmed.
    canvas_->SetBackgroundColour(MakeColour(255, 255, 255));
    canvas_->SetForegroundColour(MakeColour(0, 0, 0));
    state_.coastline = CoastlineTable{};
}

void MainWindow::StartUp() {
    Start();
    // At the top left of the screen, so that the entry, correction and other
    // windows find room beside the map instead of over it.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().topLeft());
    show();
}

void MainWindow::ShowIntroduction(Prompts& prompts) {
    prompts.Inform(IntroductionTitle(), IntroductionText(), Prompts::Icon::None);
}

QAction* MainWindow::menuAction(const QString& controlName) const { return menus_->action(controlName); }

void MainWindow::BuildMenus() {
    Commands& c = *commands_;
    MenuBuilder& m = *menus_;
    QMenu* file = m.Submenu(nullptr, QStringLiteral("ファイル"), QStringLiteral("cntFile"));
    m.Item(file, QStringLiteral("気象観測データ読みこみ"), QStringLiteral("cntLoad"),
           [&c] { c.files.LoadObservations(); });
    m.Item(file, QStringLiteral("気象観測データ保存"), QStringLiteral("cntSave"), [&c] { c.files.SaveObservations(); });
    m.Item(file, QStringLiteral("気象観測データ削除"), QStringLiteral("cntDel"),
           [&c] { c.files.DeleteObservationFiles(); });
    m.Separator(file, QStringLiteral("cntS1"));
    m.Item(file, QStringLiteral("等圧線データ読みこみ"), QStringLiteral("cntTLoad"), [&c] { c.files.LoadIsobars(); });
    m.Item(file, QStringLiteral("等圧線データ保存"), QStringLiteral("cntTSave"), [&c] { c.files.SaveIsobars(); });
    m.Item(file, QStringLiteral("等圧線データ削除"), QStringLiteral("cntTDel"), [&c] { c.files.DeleteIsobarFiles(); });
    m.Separator(file, QStringLiteral("cntS7"));
    m.Item(file, QStringLiteral("地図を画像で保存"), QStringLiteral("cntTizuHozon"), [&c] { c.exporting.ExportMap(); });
    m.Item(file, QStringLiteral("地図を印刷"), QStringLiteral("cntInsatu"), [&c] { c.exporting.PrintMap(); });

    QMenu* input = m.Submenu(nullptr, QStringLiteral("データ入力"), QStringLiteral("cntInput"));
    m.Item(input, QStringLiteral("各地の天気"), QStringLiteral("cntTenki"), [&c] { c.entry.ShowLandForm(); });
    m.Item(input, QStringLiteral("船舶の報告"), QStringLiteral("cntSenpaku"), [&c] { c.entry.ShowShipForm(); });
    m.Item(input, QStringLiteral("漁業気象"), QStringLiteral("cntGyogyou"), [&c] { c.entry.ShowFisheryForm(); });
    m.Item(input, QStringLiteral("聞き取りの練習"), QStringLiteral("cntRenshuu"),
           [&c] { c.practice.ShowPracticeWindow(); });
    m.Separator(input, QStringLiteral("cntS2"));
    QMenu* erase = m.Submenu(input, QStringLiteral("データを消す"), QStringLiteral("cntNew"));
    m.Item(erase, QStringLiteral("消えますよｏｋ？"), QStringLiteral("cntNew2"),
           [&c] { c.entry.EraseAllObservations(); });

    BuildChartMenu();

    QMenu* himawari = m.Submenu(nullptr, QStringLiteral("気象衛星画像"), QStringLiteral("cntHim"));
    m.Item(himawari, QStringLiteral("雲の断面図"), QStringLiteral("cntDanmen"),
           [&c] { c.satellite.ShowCrossSectionWindow(); });
    m.Item(himawari, QStringLiteral("画像の連続表示"), QStringLiteral("cntGRenzoku"),
           [&c] { c.display.ShowContinuousDisplay(DisplayKind::Images); });
    m.Separator(himawari, QStringLiteral("cntS3"));
    m.Item(himawari, QStringLiteral("画像読みこみ"), QStringLiteral("cntHimawari"),
           [&c] { c.satellite.LoadSatelliteImage(); });
    m.Item(himawari, QStringLiteral("画像の保存"), QStringLiteral("cntGazou"),
           [&c] { c.satellite.SaveSatelliteImage(); });
    m.Item(himawari, QStringLiteral("画像の削除"), QStringLiteral("cntGDel"), [&c] { c.satellite.DeleteImageFiles(); });

    QMenu* end = m.Submenu(nullptr, QStringLiteral("終了"), QStringLiteral("cntEnd"));
    m.Item(end, QStringLiteral("終了ｏｋ？"), QStringLiteral("entEnd2"), [this] { EndProgram(); });

    // Ctrl+C copies the map. A shortcut of this window only: in the entry
    // windows it keeps copying the field's text.
    auto* copy = new QAction(this);
    copy->setObjectName(QStringLiteral("actCopy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, [&c] { c.exporting.CopyMap(); });
    addAction(copy);

    QAction* help = menuBar()->addAction(QStringLiteral("説明する？"));
    help->setObjectName(QStringLiteral("cntHelp"));
    connect(help, &QAction::triggered, this, [this] { ShowMenuHelp(prompts_); });
    m.Keep(QStringLiteral("cntHelp"), help);
}

void MainWindow::BuildChartMenu() {
    Commands& c = *commands_;
    MenuBuilder& m = *menus_;
    QMenu* chart = m.Submenu(nullptr, QStringLiteral("天気図"), QStringLiteral("cntLine"));
    m.Item(chart, QStringLiteral("地図を表示"), QStringLiteral("cntTizu"), [this] { DrawMapLayer(*canvas_, state_); });
    m.Item(chart, QStringLiteral("等圧線の表示"), QStringLiteral("cntTouatu2"), [&c] { c.isobars.ShowIsobars(); });
    m.Item(chart, QStringLiteral("天気記号の表示"), QStringLiteral("cntKigou"),
           [this] { DrawSymbolLayer(*canvas_, state_); });
    m.Item(chart, QStringLiteral("風力の表示"), QStringLiteral("cntHuuryoku"),
           [this] { DrawWindLayer(*canvas_, state_); });
    m.Item(chart, QStringLiteral("前線の表示"), QStringLiteral("cntZensen"),
           [this] { DrawFrontLayer(*canvas_, state_); });
    QMenu* cls = m.Submenu(chart, QStringLiteral("画面の消去"), QStringLiteral("cntCls"));
    m.Item(cls, QStringLiteral("地図、等圧線や記号を消す"), QStringLiteral("cntClsLine"),
           [this] { canvas_->ClearCanvas(); });
    m.Separator(cls, QStringLiteral("cntS5"));
    m.Item(cls, QStringLiteral("気象衛星画像も消します"), QStringLiteral("cntClsBMP"),
           [&c] { c.satellite.RemoveSatelliteImage(); });
    m.Separator(chart, QStringLiteral("cntS4"));
    m.Item(chart, QStringLiteral("気圧の立体表示"), QStringLiteral("cntRittai"),
           [&c] { c.isobars.ShowPressureSurface(); });
    m.Item(chart, QStringLiteral("等圧線の間隔の変更"), QStringLiteral("cntTKankaku"),
           [&c] { c.isobars.ChangeIsobarInterval(); });
    m.Item(chart, QStringLiteral("等圧線の修正、保存"), QStringLiteral("cntSyusei"),
           [&c] { c.isobars.ShowCorrectionWindow(); });
    m.Item(chart, QStringLiteral("等圧線の連続表示"), QStringLiteral("cntRenzoku"),
           [&c] { c.display.ShowContinuousDisplay(DisplayKind::Isobars); });
    m.Item(chart, QStringLiteral("表示色の指定"), QStringLiteral("cntColor"), [&c] { c.display.ShowColorDialog(); });
    m.Separator(chart, QStringLiteral("cntS6"));
    // Read by every full isobar drawing from then on; nothing is redrawn now.
    QAction* labels = m.Item(chart, QStringLiteral("気圧の数値を入れる"), QStringLiteral("cntSuuti"));
    labels->setCheckable(true);
    labels->setChecked(state_.labelIsobars);
    connect(labels, &QAction::toggled, this, [this](bool on) { state_.labelIsobars = on; });
    viewScale_->AddMenu(m, chart);
}

PleaseWait& MainWindow::pleaseWaitWindow() {
    if (!pleaseWait_) pleaseWait_ = new PleaseWait(nullptr);
    return *pleaseWait_;
}

PleaseWait* MainWindow::pleaseWait() const { return pleaseWait_.data(); }

void MainWindow::HidePleaseWait() {
    if (pleaseWait_) {
        pleaseWait_->hide();
        pleaseWait_->deleteLater();
        pleaseWait_ = nullptr;
    }
}

void MainWindow::HoldStill(bool hold) {
    menuBar()->setEnabled(!hold);
    view_->setEnabled(!hold);
}

void MainWindow::OnCanvasMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y) {
    if (commands_->display.ShowRunning()) return;  // during a show the map only shows
    commands_->clicks.Press(button, shift, x, y);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) EndProgram();
}

void MainWindow::EndProgram() {
    if (ending_) return;
    ending_ = true;
    HidePleaseWait();
    emit ended();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (commands_->display.ShowRunning() || FileDropList::LocalFiles(event->mimeData()).isEmpty()) return;
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QStringList paths = FileDropList::LocalFiles(event->mimeData());
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    // After the drop has ended, so the messages do not hold up the other program.
    QMetaObject::invokeMethod(
        this, [this, paths] { commands_->givenFiles.Open(paths); }, Qt::QueuedConnection);
}

}  // namespace isobra
