// The satellite-image commands: a picture loaded under the map (or a plane
// set or a sensor file converted to a BMP beside it first), saved, deleted,
// removed, and the cloud cross-section window with its clicks.
#include <QElapsedTimer>
#include <QFileInfo>
#include <array>

#include "app/Danmen.h"
#include "app/MainWindow.h"
#include "app/PleaseWait.h"
#include "model/FileAccess.h"
#include "satellite/ConversionFiles.h"
#include "satellite/CrossSection.h"
#include "satellite/PlaneFileConversion.h"
#include "satellite/SensorConversion.h"
#include "widgets/PictureFile.h"
#include "widgets/QImageCanvas.h"
#include "widgets/QtText.h"
#include "widgets/WindowPlacement.h"

namespace isobra {

namespace {

// The two sources that are converted before they load, by chooser option.
struct ConvertedSource {
    const char* questionTitle;
    QColor waitColour;
    int firstLine;  // the countdown starts here
    Result<std::string> (*convert)(const std::string&, const ConversionProgress&);
};

const std::array<ConvertedSource, 2> kConvertedSources = {{
    {"べたファイルの読み込みの注意", QColor(255, 0, 0), kPlaneLines - 1, &ConvertPlaneFile},
    {"ウェザーセンサの読み込みの注意", QColor(255, 136, 0), kSensorLines - 2, &ConvertSensorFile},
}};

// Repainting the caption for every line would cost more than the conversion.
constexpr qint64 kCaptionIntervalMs = 50;

}  // namespace

void MainWindow::LoadSatelliteImage() {
    FileRequest request{QStringLiteral("画像読みこみ"),
                        QStringLiteral("*.bmp"),
                        FileRequest::Purpose::Open,
                        true,
                        {},
                        {QStringLiteral("bmpﾌｧｲﾙ"), QStringLiteral("べたﾌｧｲﾙ"), QStringLiteral("ｳｪｻﾞｰｾﾝｻ")}};
    const auto chosen = AskFile(request);
    if (!chosen) return;
    const int option = state_.fileChooser.SelectedOption();
    if (option == 0) {
        OpenPicture(*chosen);
        return;
    }
    if (!prompts_.AskYesNo(
            QString::fromUtf8(kConvertedSources[static_cast<std::size_t>(option - 1)].questionTitle),
            QStringLiteral("ＢＭＰファイルに変換してから読み込みます。\r\n時間がかかりますがよろしいですか？"),
            Prompts::Answer::Yes, Prompts::Icon::Exclamation))
        return;
    if (const auto converted = ConvertImageSource(option, *chosen)) OpenPicture(*converted);
}

std::optional<QString> MainWindow::ConvertImageSource(int option, const QString& source) {
    const ConvertedSource& kind = kConvertedSources[static_cast<std::size_t>(option - 1)];
    ShowPleaseWait(ToQ(ConversionProgressCaption(kind.firstLine)), kind.waitColour);
    QElapsedTimer sinceCaption;
    sinceCaption.start();
    const Result<std::string> written = kind.convert(ToUtf8(source), [&](int line) {
        if (line != 0 && sinceCaption.elapsed() < kCaptionIntervalMs) return;
        sinceCaption.restart();
        ShowPleaseWait(ToQ(ConversionProgressCaption(line)));
    });
    if (!written) {
        HidePleaseWait();
        prompts_.Inform(QString::fromUtf8(kProgramTitle), ToQ(written.message()), Prompts::Icon::Warning);
        return std::nullopt;
    }
    if (pleaseWait_) pleaseWait_->SetBackground(QColor(0, 0, 255));
    HidePleaseWait();
    // The BMP is now the current image, as if the user had chosen it.
    state_.fileChooser.chosenPath = *written;
    return ToQ(*written);
}

bool MainWindow::OpenPicture(const QString& path) {
    const Result<QImage> picture = ReadPictureFile(path);
    if (!picture) {
        prompts_.Inform(QString::fromUtf8(kProgramTitle),
                        QStringLiteral("「%1」を画像として読みこめませんでした（%2）。地図の背景は前のままです。")
                            .arg(QFileInfo(path).fileName(), ToQ(picture.message())),
                        Prompts::Icon::Warning);
        return false;
    }
    canvas_->SetBackgroundPicture(ToRgbImage(*picture));
    return true;
}

void MainWindow::SaveSatelliteImage() {
    const auto path = AskSavePath(QStringLiteral("画像の保存"), QStringLiteral("*.bmp"), ".BMP");
    if (!path) return;
    const std::shared_ptr<const RgbImage> picture = canvas_->BackgroundPicture();
    if (!picture) {
        prompts_.Inform(
            QStringLiteral("画像の保存のエラー"),
            QStringLiteral(
                "画像として保存できるのは、読みこんだ気象衛星画像だけです。等圧線や天気記号の図は保存できません。"
                "等圧線や天気記号は「ＣＯＰＹ」キーを押してクリップボードから利用してください。"),
            Prompts::Icon::Exclamation);
        return;
    }
    WriteFile(*path, EncodeBmpFile(*picture));
}

void MainWindow::DeleteImageFiles() { DeleteFilesLoop(QStringLiteral("画像ファイル削除"), QStringLiteral("*.bmp")); }

void MainWindow::RemoveSatelliteImage() { canvas_->SetBackgroundPicture(nullptr); }

void MainWindow::ShowCrossSectionWindow() {
    if (!danmen_) danmen_ = new Danmen(state_.mouseMode, *canvas_, this);
    ShowBesideMainWindow(danmen_, this);
}

Danmen* MainWindow::crossSectionWindow() const { return danmen_.data(); }

void MainWindow::DrawCrossSectionAt(int x, int y) {
    if (!IsCrossSectionMode(state_.mouseMode)) return;
    const CrossSectionDirection direction =
        state_.mouseMode == MouseMode::EastWest ? CrossSectionDirection::EastWest : CrossSectionDirection::NorthSouth;
    DrawCrossSection(*canvas_, direction, x, y);
    if (danmen_) danmen_->ShowInFront();
}

}  // namespace isobra
