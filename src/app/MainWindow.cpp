#include "app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <cmath>

#include "app/CanvasView.h"
#include "app/PleaseWait.h"
#include "app/RecoveryFile.h"
#include "app/Teisei.h"
#include "state/MapLayers.h"
#include "widgets/HelpTexts.h"
#include "widgets/QImageCanvas.h"

namespace isobra {

MainWindow::MainWindow(AppState& state, Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), state_(state), prompts_(prompts) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Isobra"));

    canvas_ = new QImageCanvas(this);
    workspace_ = new QScrollArea(this);
    workspace_->setObjectName(QStringLiteral("workspace"));
    workspace_->setFrameShape(QFrame::NoFrame);
    workspace_->setWidgetResizable(true);
    // The application-workspace grey around the canvas.
    QPalette pal = workspace_->viewport()->palette();
    pal.setColor(QPalette::Window, CanvasView::kWorkspace);
    workspace_->viewport()->setPalette(pal);
    workspace_->viewport()->setAutoFillBackground(true);
    view_ = new CanvasView(*canvas_);
    workspace_->setWidget(view_);
    setCentralWidget(workspace_);
    setAcceptDrops(true);
    connect(view_, &CanvasView::pressed, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers m, float x, float y) { OnCanvasMouseDown(b, m, x, y); });
    // A chart samples whole pixels: the pixel the click fell in.
    SetCrossSectionHandler([this](Qt::MouseButton, Qt::KeyboardModifiers, float x, float y) {
        DrawCrossSectionAt(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
    });

    BuildMenus();
    resize(QImageCanvas::kWidth, kClientHeight + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() {
    // Before the rest of the window goes: it reaches into the main window.
    delete teisei_.data();
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
    CreateEntryForms();
}

void MainWindow::StartUp() {
    Start();
    ShowIntroduction();
    // At the top left of the screen, so that the entry, correction and other
    // windows find room beside the map instead of over it.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().topLeft());
    show();
}

void MainWindow::ShowIntroduction() { prompts_.Inform(IntroductionTitle(), IntroductionText(), Prompts::Icon::None); }

QAction* MainWindow::menuAction(const QString& controlName) const {
    auto it = actions_.find(controlName);
    return it == actions_.end() ? nullptr : it->second;
}

QAction* MainWindow::AddItem(QMenu* menu, const QString& caption, const QString& controlName,
                             std::function<void()> handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(controlName);
    if (handler) connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    actions_[controlName] = action;
    return action;
}

QMenu* MainWindow::AddSubmenu(QMenu* parent, const QString& caption, const QString& controlName) {
    QMenu* sub = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    sub->setObjectName(controlName);
    sub->menuAction()->setObjectName(controlName);
    actions_[controlName] = sub->menuAction();
    return sub;
}

void MainWindow::AddSeparator(QMenu* menu, const QString& controlName) {
    QAction* sep = menu->addSeparator();
    sep->setObjectName(controlName);
    actions_[controlName] = sep;
}

void MainWindow::BuildMenus() {
    QMenu* file = AddSubmenu(nullptr, QStringLiteral("ファイル"), QStringLiteral("cntFile"));
    AddItem(file, QStringLiteral("気象観測データ読みこみ"), QStringLiteral("cntLoad"), [this] { LoadObservations(); });
    AddItem(file, QStringLiteral("気象観測データ保存"), QStringLiteral("cntSave"), [this] { SaveObservations(); });
    AddItem(file, QStringLiteral("気象観測データ削除"), QStringLiteral("cntDel"), [this] { DeleteObservationFiles(); });
    AddSeparator(file, QStringLiteral("cntS1"));
    AddItem(file, QStringLiteral("等圧線データ読みこみ"), QStringLiteral("cntTLoad"), [this] { LoadIsobars(); });
    AddItem(file, QStringLiteral("等圧線データ保存"), QStringLiteral("cntTSave"), [this] { SaveIsobars(); });
    AddItem(file, QStringLiteral("等圧線データ削除"), QStringLiteral("cntTDel"), [this] { DeleteIsobarFiles(); });
    AddSeparator(file, QStringLiteral("cntS7"));
    AddItem(file, QStringLiteral("地図を画像で保存"), QStringLiteral("cntTizuHozon"), [this] { ExportMap(); });
    AddItem(file, QStringLiteral("地図を印刷"), QStringLiteral("cntInsatu"), [this] { PrintMap(); });

    QMenu* input = AddSubmenu(nullptr, QStringLiteral("データ入力"), QStringLiteral("cntInput"));
    AddItem(input, QStringLiteral("各地の天気"), QStringLiteral("cntTenki"), [this] { ShowLandForm(); });
    AddItem(input, QStringLiteral("船舶の報告"), QStringLiteral("cntSenpaku"), [this] { ShowShipForm(); });
    AddItem(input, QStringLiteral("漁業気象"), QStringLiteral("cntGyogyou"), [this] { ShowFisheryForm(); });
    AddSeparator(input, QStringLiteral("cntS2"));
    QMenu* erase = AddSubmenu(input, QStringLiteral("データを消す"), QStringLiteral("cntNew"));
    AddItem(erase, QStringLiteral("消えますよｏｋ？"), QStringLiteral("cntNew2"), [this] { EraseAllObservations(); });

    QMenu* chart = AddSubmenu(nullptr, QStringLiteral("天気図"), QStringLiteral("cntLine"));
    AddItem(chart, QStringLiteral("地図を表示"), QStringLiteral("cntTizu"), [this] { DrawMap(); });
    AddItem(chart, QStringLiteral("等圧線の表示"), QStringLiteral("cntTouatu2"), [this] { ShowIsobars(); });
    AddItem(chart, QStringLiteral("天気記号の表示"), QStringLiteral("cntKigou"),
            [this] { DrawSymbolLayer(*canvas_, state_); });
    AddItem(chart, QStringLiteral("風力の表示"), QStringLiteral("cntHuuryoku"),
            [this] { DrawWindLayer(*canvas_, state_); });
    AddItem(chart, QStringLiteral("前線の表示"), QStringLiteral("cntZensen"),
            [this] { DrawFrontLayer(*canvas_, state_); });
    QMenu* cls = AddSubmenu(chart, QStringLiteral("画面の消去"), QStringLiteral("cntCls"));
    AddItem(cls, QStringLiteral("地図、等圧線や記号を消す"), QStringLiteral("cntClsLine"), [this] { ClearMap(); });
    AddSeparator(cls, QStringLiteral("cntS5"));
    AddItem(cls, QStringLiteral("気象衛星画像も消します"), QStringLiteral("cntClsBMP"),
            [this] { RemoveSatelliteImage(); });
    AddSeparator(chart, QStringLiteral("cntS4"));
    AddItem(chart, QStringLiteral("気圧の立体表示"), QStringLiteral("cntRittai"), [this] { ShowPressureSurface(); });
    AddItem(chart, QStringLiteral("等圧線の間隔の変更"), QStringLiteral("cntTKankaku"),
            [this] { ChangeIsobarInterval(); });
    AddItem(chart, QStringLiteral("等圧線の修正、保存"), QStringLiteral("cntSyusei"),
            [this] { ShowCorrectionWindow(); });
    AddItem(chart, QStringLiteral("等圧線の連続表示"), QStringLiteral("cntRenzoku"),
            [this] { ShowContinuousDisplay(DisplayKind::Isobars); });
    AddItem(chart, QStringLiteral("表示色の指定"), QStringLiteral("cntColor"), [this] { ShowColorDialog(); });
    AddSeparator(chart, QStringLiteral("cntS6"));
    // Read by every full isobar drawing from then on; nothing is redrawn now.
    QAction* labels = AddItem(chart, QStringLiteral("気圧の数値を入れる"), QStringLiteral("cntSuuti"));
    labels->setCheckable(true);
    labels->setChecked(state_.labelIsobars);
    connect(labels, &QAction::toggled, this, [this](bool on) { state_.labelIsobars = on; });
    BuildViewMenu(chart);

    QMenu* himawari = AddSubmenu(nullptr, QStringLiteral("気象衛星画像"), QStringLiteral("cntHim"));
    AddItem(himawari, QStringLiteral("雲の断面図"), QStringLiteral("cntDanmen"), [this] { ShowCrossSectionWindow(); });
    AddItem(himawari, QStringLiteral("画像の連続表示"), QStringLiteral("cntGRenzoku"),
            [this] { ShowContinuousDisplay(DisplayKind::Images); });
    AddSeparator(himawari, QStringLiteral("cntS3"));
    AddItem(himawari, QStringLiteral("画像読みこみ"), QStringLiteral("cntHimawari"), [this] { LoadSatelliteImage(); });
    AddItem(himawari, QStringLiteral("画像の保存"), QStringLiteral("cntGazou"), [this] { SaveSatelliteImage(); });
    AddItem(himawari, QStringLiteral("画像の削除"), QStringLiteral("cntGDel"), [this] { DeleteImageFiles(); });

    QMenu* end = AddSubmenu(nullptr, QStringLiteral("終了"), QStringLiteral("cntEnd"));
    AddItem(end, QStringLiteral("終了ｏｋ？"), QStringLiteral("entEnd2"), [this] { EndProgram(); });

    // Ctrl+C copies the map. A shortcut of this window only: in the entry
    // windows it keeps copying the field's text.
    auto* copy = new QAction(this);
    copy->setObjectName(QStringLiteral("actCopy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, [this] { CopyMap(); });
    addAction(copy);

    QAction* help = menuBar()->addAction(QStringLiteral("説明する？"));
    help->setObjectName(QStringLiteral("cntHelp"));
    connect(help, &QAction::triggered, this, [this] { ShowMenuHelp(); });
    actions_[QStringLiteral("cntHelp")] = help;
}

void MainWindow::ShowMenuHelp() {
    for (int page = 1; page < kMenuHelpPages; ++page) {
        if (!prompts_.AskYesNo(MenuHelpTitle(page), MenuHelpText(page))) return;
    }
    prompts_.Inform(MenuHelpTitle(kMenuHelpPages), MenuHelpText(kMenuHelpPages), Prompts::Icon::None);
}

void MainWindow::ShowPleaseWait(const QString& caption) {
    if (!pleaseWait_) pleaseWait_ = new PleaseWait(nullptr);
    pleaseWait_->ShowCaption(caption);
}

void MainWindow::ShowPleaseWait(const QString& caption, const QColor& background) {
    if (!pleaseWait_) pleaseWait_ = new PleaseWait(nullptr);
    pleaseWait_->SetBackground(background);
    pleaseWait_->ShowCaption(caption);
}

PleaseWait* MainWindow::pleaseWait() const { return pleaseWait_.data(); }

void MainWindow::HidePleaseWait() {
    if (pleaseWait_) {
        pleaseWait_->hide();
        pleaseWait_->deleteLater();
        pleaseWait_ = nullptr;
    }
}

void MainWindow::OnCanvasMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y) {
    if (ShowRunning()) return;  // during a show the map only shows
    const MouseMode mode = state_.mouseMode;
    if (IsCorrectionMode(mode)) {
        if (correctionHandler_) correctionHandler_(button, shift, x, y);
    } else if (IsCrossSectionMode(mode)) {
        if (crossSectionHandler_) crossSectionHandler_(button, shift, x, y);
    }
    // No mode: a click does nothing.
}

void MainWindow::DrawMap() { DrawMapLayer(*canvas_, state_); }

void MainWindow::ClearMap() { canvas_->ClearCanvas(); }

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) EndProgram();
}

void MainWindow::EndProgram() {
    if (ending_) return;
    ending_ = true;
    // Ends at once: nothing is saved and nothing is asked.
    HidePleaseWait();
    emit ended();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

}  // namespace isobra
