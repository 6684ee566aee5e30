#include "app/Teisei.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <map>

#include "app/CorrectionHost.h"
#include "app/MapView.h"
#include "isobar/CentreLetters.h"
#include "isobar/GridCorrection.h"
#include "state/IsobarCorrection.h"
#include "state/IsobarLayer.h"
#include "widgets/HelpTexts.h"
#include "widgets/Prompts.h"
#include "widgets/QImageCanvas.h"
#include "widgets/QtText.h"
#include "widgets/WindowPlacement.h"

namespace isobra {

namespace {

const QKeySequence kUndoKeys(Qt::CTRL | Qt::Key_Z);
const QKeySequence kRedoKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);

}  // namespace

Teisei::Teisei(AppState& state, Prompts& prompts, MapView& map, CorrectionHost& host)
    : QWidget(&map.frame(), Qt::Window), state_(state), prompts_(prompts), map_(map), host_(host) {
    setObjectName(QStringLiteral("Teisei"));
    setWindowTitle(QStringLiteral("等圧線の修正、保存"));
    ConnectButtons(BuildControls());
    InstallShortcuts();
    state_.correctionHistory.SetListener([this] { ShowUndoState(); });
    // A pressure read from a grid that has since been replaced is no longer there.
    state_.correctionHistory.SetClearListener([this] { SetText(QString()); });
    ShowUndoState();
}

std::map<QString, QPushButton*> Teisei::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* label1 = new QLabel(QStringLiteral("    等圧線の修正"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(label1);
    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    text1_->setFocusPolicy(Qt::NoFocus);
    text1_->setFixedHeight(text1_->fontMetrics().lineSpacing() * 4 + 12);
    layout->addWidget(text1_);

    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    struct Place {
        const char* name;
        QString caption;
        int row, column;
    };
    // Undo and redo go under the window's own buttons.
    const Place places[] = {
        {"cmdKiatu", QStringLiteral("気圧？"), 0, 0},        {"cmdPlus", QStringLiteral("気圧　＋"), 0, 1},
        {"cmdMinus", QStringLiteral("気圧　－"), 0, 2},      {"cmdKankaku", QStringLiteral("間隔"), 1, 0},
        {"cmdHeikin", QStringLiteral("データの平均"), 1, 1}, {"cmdDLine", QStringLiteral("等圧線を描く"), 1, 2},
        {"cmdSave", QStringLiteral("等圧線の保存"), 2, 0},   {"cmdHelp", QStringLiteral("説明"), 2, 1},
        {"cmdEnd", QStringLiteral("もどる"), 2, 2},          {"cmdUndo", QStringLiteral("元に戻す"), 3, 0},
        {"cmdRedo", QStringLiteral("やり直す"), 3, 1},
    };
    std::map<QString, QPushButton*> buttons;
    for (const Place& p : places) {
        auto* button = new QPushButton(p.caption, this);
        button->setObjectName(QString::fromLatin1(p.name));
        button->setAutoDefault(false);
        grid->addWidget(button, p.row, p.column);
        buttons[button->objectName()] = button;
    }
    undo_ = buttons[QStringLiteral("cmdUndo")];
    redo_ = buttons[QStringLiteral("cmdRedo")];
    undo_->setToolTip(kUndoKeys.toString(QKeySequence::NativeText));
    redo_->setToolTip(kRedoKeys.toString(QKeySequence::NativeText));
    return buttons;
}

void Teisei::ConnectButtons(const std::map<QString, QPushButton*>& buttons) {
    auto on = [&](const char* name, auto handler) {
        connect(buttons.at(QString::fromLatin1(name)), &QPushButton::clicked, this, handler);
    };
    on("cmdPlus", [this] { ChooseMode(MouseMode::Raise, QStringLiteral("気圧増    左 ｸﾘｯｸ 右+２    +.5")); });
    on("cmdMinus", [this] { ChooseMode(MouseMode::Lower, QStringLiteral("気圧減    左 ｸﾘｯｸ 右 -２    -.5")); });
    on("cmdKiatu",
       [this] { ChooseMode(MouseMode::Inspect, QStringLiteral("気圧を調べます　地図をクリックしてください。")); });
    on("cmdHelp", [this] {
        const HelpPage help = CorrectionHelp();
        prompts_.Inform(help.title, help.text);
    });
    on("cmdKankaku", [this] { host_.ChangeIsobarInterval(); });
    on("cmdHeikin", [this] { Smooth(); });
    on("cmdDLine", [this] { RedrawIsobarMap(map_.canvas(), state_); });
    on("cmdSave", [this] { host_.SaveIsobarsQuietly(); });
    on("cmdEnd", [this] { close(); });
    on("cmdUndo", [this] { Undo(); });
    on("cmdRedo", [this] { Redo(); });
}

void Teisei::InstallShortcuts() {
    for (QWidget* window : {static_cast<QWidget*>(this), &map_.frame()}) {
        auto* undoKeys = new QShortcut(kUndoKeys, window, this, [this] { Undo(); });
        auto* redoKeys = new QShortcut(kRedoKeys, window, this, [this] { Redo(); });
        if (window == &map_.frame()) {
            mapUndo_ = undoKeys;
            mapRedo_ = redoKeys;
        }
    }
    // The map's keys work only while this window is open.
    mapUndo_->setEnabled(false);
    mapRedo_->setEnabled(false);
}

Teisei::~Teisei() {
    state_.correctionHistory.SetListener({});
    state_.correctionHistory.SetClearListener({});
    // The map's shortcuts belong to the main window; they go with this window.
    delete mapUndo_.data();
    delete mapRedo_.data();
}

void Teisei::Open() {
    if (!isVisible()) {
        // A fresh start, as when the window is loaded: read mode.
        SetText(QStringLiteral("ボタンをクリック\r\nして下さい。\r\n"));
        state_.mouseMode = MouseMode::Inspect;
        if (!IsPlaced(this)) adjustSize();
        mapUndo_->setEnabled(true);
        mapRedo_->setEnabled(true);
    }
    ShowBesideMainWindow(this, &map_.frame());
}

void Teisei::BringToFront() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
}

void Teisei::OnMapClick(Qt::MouseButton button, float x, float y) {
    AppState& state = state_;
    const CorrectionClick click{state.mouseMode, button == Qt::LeftButton, x, y};
    const auto value = CorrectAtPoint(map_.canvas(), state.field, state.correctionHistory,
                                      state.colours.ColorOf(kIsobarColour), click);
    if (value) SetText(ToQ(PressureText(*value, state.field.grid.pressureScale)));
}

void Teisei::Undo() { ShowStep(UndoCorrection(map_.canvas(), state_)); }

void Teisei::Redo() { ShowStep(RedoCorrection(map_.canvas(), state_)); }

void Teisei::ShowStep(const GridEdit* edit) {
    if (!edit) return;
    const PressureField& field = state_.field;
    if (edit->kind == GridEdit::Kind::Node && !edit->changes.empty()) {
        const NodeChange& c = edit->changes.front();
        SetText(ToQ(PressureText(field.pressureGrid.at(c.ix, c.iy), field.grid.pressureScale)));
    } else {
        SetText(QString());
    }
}

QString Teisei::text() const { return text1_->toPlainText(); }

void Teisei::SetText(const QString& text) {
    QString shown = text;
    text1_->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void Teisei::ChooseMode(MouseMode mode, const QString& text) {
    state_.mouseMode = mode;
    SetText(text);
}

void Teisei::Smooth() {
    SetText(QStringLiteral("計算中"));
    text1_->repaint();
    SmoothCorrectedField(map_.canvas(), state_);
    SetText(QString());
}

void Teisei::ShowUndoState() {
    const GridHistory& history = state_.correctionHistory;
    undo_->setEnabled(history.CanUndo());
    redo_->setEnabled(history.CanRedo());
}

void Teisei::closeEvent(QCloseEvent* event) {
    // The close box does nothing while the window is disabled (during a
    // show), like everything else in it.
    if (event->spontaneous() && !isEnabled()) {
        event->ignore();
        return;
    }
    // A cross-section mode is not this window's to end.
    if (IsCorrectionMode(state_.mouseMode)) state_.mouseMode = MouseMode::None;
    mapUndo_->setEnabled(false);
    mapRedo_->setEnabled(false);
    QWidget::closeEvent(event);
}

}  // namespace isobra
