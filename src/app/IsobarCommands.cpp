#include "app/IsobarCommands.h"

#include "app/FileCommands.h"
#include "app/MapView.h"
#include "app/PleaseWaitScope.h"
#include "app/Teisei.h"
#include "isobar/IsobarInterval.h"
#include "state/GridReplacement.h"
#include "state/IsobarLayer.h"
#include "state/MapLayers.h"
#include "widgets/Prompts.h"
#include "widgets/QImageCanvas.h"
#include "widgets/QtText.h"

namespace isobra {

IsobarCommands::IsobarCommands(AppState& state, Prompts& prompts, MapView& map, FileCommands& files)
    : state_(state), prompts_(prompts), map_(map), files_(files) {}

IsobarCommands::~IsobarCommands() {
    // Before the map's window goes: the correction window reaches into it.
    delete teisei_.data();
}

void IsobarCommands::ShowIsobars() {
    if (state_.field.pressureGrid.IsComputed()) {
        DrawIsobarLayer(map_.canvas(), state_);
        return;
    }
    const PressureSupply supply = LandPressureSupply(state_);
    if (supply == PressureSupply::None) {
        prompts_.Inform(QStringLiteral("注　意"), QStringLiteral("気圧が入力されていません"));
        return;
    }
    if (supply == PressureSupply::Few &&
        !prompts_.AskYesNo(QString::fromUtf8(kProgramTitle),
                           QStringLiteral("データの数が少ないですが\r\n等圧線を描きますか"))) {
        return;
    }

    const Result<GridConstructionReport> result = [&] {
        const PleaseWaitScope wait(map_, QStringLiteral("ちょっと待ってね。（計算中）"));
        Result<GridConstructionReport> built = BuildPressureGrid(state_);
        if (built) DrawIsobarLayer(map_.canvas(), state_);
        return built;
    }();

    const std::vector<std::string> messages = result ? result->warnings : std::vector<std::string>{result.message()};
    for (const std::string& message : messages)
        prompts_.Inform(QString::fromUtf8(kProgramTitle), ToQ(message), Prompts::Icon::Warning);
}

void IsobarCommands::ShowPressureSurface() {
    if (!state_.field.pressureGrid.IsComputed()) {
        prompts_.Inform(QStringLiteral("注　意"), QString::fromUtf8(kSurfaceNeedsGrid));
        return;
    }
    const PleaseWaitScope wait(map_, QStringLiteral("ちょっと待ってね。（計算中）"));
    DrawSurfaceLayer(map_.canvas(), state_);
}

void IsobarCommands::ChangeIsobarInterval() {
    GridSettings& grid = state_.field.grid;
    const QString prompt = QStringLiteral("等圧線は%1hPaごとに描いています。\r\n何hPaごとにしますか？\r\n（0.5から10）")
                               .arg(ToQ(IntervalText(grid)));
    // The default is always 2, whatever the spacing is now.
    const std::optional<QString> answer =
        prompts_.InputText(QStringLiteral("等圧線の間隔（かんかく）の変更"), prompt, QStringLiteral("2"));
    if (!answer || answer->isEmpty()) return;
    const std::optional<double> hpa = IntervalFromAnswer(ToUtf8(*answer));
    if (!hpa) {
        prompts_.Inform(QStringLiteral("注意"), QStringLiteral("正しい入力をしてください！"));
        return;
    }
    SetIsobarInterval(grid, *hpa);
    RedrawIsobarMap(map_.canvas(), state_);
}

void IsobarCommands::SaveIsobarsQuietly() { files_.SaveIsobars(FileCommands::PleaseWaitShown::No); }

void IsobarCommands::ShowCorrectionWindow() {
    RedrawIsobarMap(map_.canvas(), state_);
    if (!teisei_) teisei_ = new Teisei(state_, prompts_, map_, *this);
    teisei_->Open();
}

Teisei* IsobarCommands::correctionWindow() const { return teisei_.data(); }

void IsobarCommands::OnMapClick(Qt::MouseButton button, float x, float y) {
    if (!teisei_) return;
    teisei_->OnMapClick(button, x, y);
    teisei_->BringToFront();
}

}  // namespace isobra
