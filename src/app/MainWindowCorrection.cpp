// The isobar spacing and the hand correction of the pressure field: the
// spacing dialog, and the correction window with its clicks on the map.
#include "app/MainWindow.h"
#include "app/Teisei.h"
#include "isobar/IsobarInterval.h"
#include "state/IsobarLayer.h"
#include "widgets/QImageCanvas.h"
#include "widgets/QtText.h"

namespace isobra {

void MainWindow::ChangeIsobarInterval() {
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
    RedrawIsobarMap(*canvas_, state_);
}

void MainWindow::ShowCorrectionWindow() {
    RedrawIsobarMap(*canvas_, state_);
    if (!teisei_) {
        teisei_ = new Teisei(*this);
        SetCorrectionHandler([this](Qt::MouseButton button, Qt::KeyboardModifiers, float x, float y) {
            if (!teisei_) return;
            teisei_->OnMapClick(button, x, y);
            teisei_->BringToFront();
        });
    }
    teisei_->Open();
}

Teisei* MainWindow::correctionWindow() const { return teisei_.data(); }

}  // namespace isobra
