// "等圧線の表示": checks the land pressures, builds the pressure grid when it
// is not computed yet and draws the isobars with the centre letters.
// "気圧の立体表示": the computed grid as a wire-frame surface.
#include "app/MainWindow.h"
#include "model/ReportRules.h"
#include "state/GridReplacement.h"
#include "state/IsobarLayer.h"
#include "state/MapLayers.h"
#include "widgets/QImageCanvas.h"
#include "widgets/QtText.h"

namespace isobra {

void MainWindow::ShowIsobars() {
    if (state_.field.pressureGrid.IsComputed()) {
        DrawIsobarLayer(*canvas_, state_);
        return;
    }
    const int count = CountLandPressures(state_.observations);
    if (count == 0) {
        prompts_.Inform(QStringLiteral("注　意"), QStringLiteral("気圧が入力されていません"));
        return;
    }
    if (FewLandPressures(count) &&
        !prompts_.AskYesNo(QString::fromUtf8(kProgramTitle),
                           QStringLiteral("データの数が少ないですが\r\n等圧線を描きますか"))) {
        return;
    }

    ShowPleaseWait(QStringLiteral("ちょっと待ってね。（計算中）"));
    const Result<GridConstructionReport> result = BuildPressureGrid(state_);
    if (result) DrawIsobarLayer(*canvas_, state_);
    HidePleaseWait();

    const std::vector<std::string> messages = result ? result->warnings : std::vector<std::string>{result.message()};
    for (const std::string& message : messages)
        prompts_.Inform(QString::fromUtf8(kProgramTitle), ToQ(message), Prompts::Icon::Warning);
}

void MainWindow::ShowPressureSurface() {
    if (!state_.field.pressureGrid.IsComputed()) {
        prompts_.Inform(QStringLiteral("注　意"),
                        QStringLiteral("「天気図」の「等圧線」で計算してから\r\n「立体表示」を選んでください。"));
        return;
    }
    // The drawing stays; only the satellite picture under it goes.
    RemoveSatelliteImage();
    ShowPleaseWait(QStringLiteral("ちょっと待ってね。（計算中）"));
    DrawSurfaceLayer(*canvas_, state_);
    HidePleaseWait();
}

}  // namespace isobra
