#include "app/SatelliteCommands.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <array>

#include "app/Danmen.h"
#include "app/MapView.h"
#include "app/PleaseWaitScope.h"
#include "satellite/ConversionFiles.h"
#include "satellite/CrossSection.h"
#include "satellite/PlaneFileConversion.h"
#include "satellite/SensorConversion.h"
#include "widgets/PictureFile.h"
#include "widgets/Prompts.h"
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

SatelliteCommands::SatelliteCommands(MouseMode& mode, Prompts& prompts, MapView& map)
    : mode_(mode), prompts_(prompts), map_(map), files_(prompts) {}

SatelliteCommands::~SatelliteCommands() { delete danmen_.data(); }

void SatelliteCommands::LoadSatelliteImage() {
    FileRequest request{QStringLiteral("画像読みこみ"),
                        QStringLiteral("*.bmp"),
                        FileRequest::Purpose::Open,
                        true,
                        {},
                        {QStringLiteral("bmpﾌｧｲﾙ"), QStringLiteral("べたﾌｧｲﾙ"), QStringLiteral("ｳｪｻﾞｰｾﾝｻ")}};
    const std::optional<FileChoice> chosen = prompts_.ChooseFile(request);
    if (!chosen) return;
    if (chosen->option == 0) {
        OpenPicture(chosen->path);
        return;
    }
    if (!prompts_.AskYesNo(
            QString::fromUtf8(kConvertedSources[static_cast<std::size_t>(chosen->option - 1)].questionTitle),
            QStringLiteral("ＢＭＰファイルに変換してから読み込みます。\r\n時間がかかりますがよろしいですか？"),
            Prompts::Answer::Yes, Prompts::Icon::Exclamation))
        return;
    if (const auto converted = ConvertImageSource(chosen->option, chosen->path)) OpenPicture(*converted);
}

std::optional<QString> SatelliteCommands::ConvertImageSource(int option, const QString& source) {
    const ConvertedSource& kind = kConvertedSources[static_cast<std::size_t>(option - 1)];
    const Result<std::string> written = [&] {
        PleaseWaitScope wait(map_, ToQ(ConversionProgressCaption(kind.firstLine)), kind.waitColour);
        QElapsedTimer sinceCaption;
        sinceCaption.start();
        Result<std::string> bmp = kind.convert(ToUtf8(source), [&](int line) {
            if (line != 0 && sinceCaption.elapsed() < kCaptionIntervalMs) return;
            sinceCaption.restart();
            wait.SetCaption(ToQ(ConversionProgressCaption(line)));
        });
        if (bmp) wait.SetBackground(QColor(0, 0, 255));
        return bmp;
    }();
    if (!written) {
        prompts_.Inform(QString::fromUtf8(kProgramTitle), ToQ(written.message()), Prompts::Icon::Warning);
        return std::nullopt;
    }
    return ToQ(*written);
}

bool SatelliteCommands::OpenPicture(const QString& path) {
    const Result<QImage> picture = ReadPictureFile(path);
    if (!picture) {
        prompts_.Inform(QString::fromUtf8(kProgramTitle),
                        QStringLiteral("「%1」を画像として読みこめませんでした（%2）。地図の背景は前のままです。")
                            .arg(QFileInfo(path).fileName(), ToQ(picture.message())),
                        Prompts::Icon::Warning);
        return false;
    }
    map_.canvas().SetBackgroundPicture(ToRgbImage(*picture));
    return true;
}

void SatelliteCommands::SaveSatelliteImage() {
    const auto path = files_.AskSavePath(QStringLiteral("画像の保存"), QStringLiteral("*.bmp"), ".BMP");
    if (!path) return;
    const std::shared_ptr<const RgbImage> picture = map_.canvas().BackgroundPicture();
    if (!picture) {
        prompts_.Inform(
            QStringLiteral("画像の保存のエラー"),
            QStringLiteral(
                "画像として保存できるのは、読みこんだ気象衛星画像だけです。等圧線や天気記号の図は保存できません。"
                "等圧線や天気記号は「ＣＯＰＹ」キーを押してクリップボードから利用してください。"),
            Prompts::Icon::Exclamation);
        return;
    }
    files_.Write(*path, EncodeBmpFile(*picture));
}

void SatelliteCommands::DeleteImageFiles() {
    files_.DeleteChosenFiles(QStringLiteral("画像ファイル削除"), QStringLiteral("*.bmp"));
}

void SatelliteCommands::RemoveSatelliteImage() { map_.canvas().SetBackgroundPicture(nullptr); }

void SatelliteCommands::ShowCrossSectionWindow() {
    if (!danmen_) danmen_ = new Danmen(mode_, map_.canvas(), &map_.frame());
    ShowBesideMainWindow(danmen_, &map_.frame());
}

Danmen* SatelliteCommands::crossSectionWindow() const { return danmen_.data(); }

void SatelliteCommands::DrawCrossSectionAt(int x, int y) {
    if (!IsCrossSectionMode(mode_)) return;
    const CrossSectionDirection direction =
        mode_ == MouseMode::EastWest ? CrossSectionDirection::EastWest : CrossSectionDirection::NorthSouth;
    DrawCrossSection(map_.canvas(), direction, x, y);
    if (danmen_) danmen_->ShowInFront();
}

}  // namespace isobra
