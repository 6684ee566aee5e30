#include "app/ExportCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

#include "state/AppState.h"
#include "state/GeoJsonMap.h"
#include "widgets/PictureFile.h"
#include "widgets/Prompts.h"
#include "widgets/QImageCanvas.h"
#include "widgets/QtText.h"
#include "widgets/VectorReplay.h"

namespace isobra {

namespace {

enum ExportKind { kPng, kSvg, kPdf, kGeoJson };

// The largest rectangle of the canvas's proportions inside `page`, centred.
QRectF Fitted(const QSizeF& canvas, const QRectF& page) {
    const QSizeF size = canvas.scaled(page.size(), Qt::KeepAspectRatio);
    return {page.x() + (page.width() - size.width()) / 2, page.y() + (page.height() - size.height()) / 2, size.width(),
            size.height()};
}

}  // namespace

ExportCommands::ExportCommands(const AppState& state, QImageCanvas& canvas, Prompts& prompts)
    : state_(state), canvas_(canvas), prompts_(prompts), files_(prompts) {}

QRect ExportCommands::WholeCanvas() const { return QRect(0, 0, canvas_.width(), canvas_.height()); }

void ExportCommands::ExportMap() {
    const QString title = QStringLiteral("地図を画像で保存");
    const auto target = files_.AskSavePath(
        title, {QStringLiteral("*.png"), QStringLiteral("*.svg"), QStringLiteral("*.pdf"), QStringLiteral("*.geojson")},
        {".png", ".svg", ".pdf", ".geojson"});
    if (!target) return;
    if (target->kind == kGeoJson) {
        files_.Write(ToQ(target->path), WriteGeoJson(state_.observations, state_.field));
        return;
    }
    const VectorReplay replay(canvas_);
    switch (target->kind) {
        case kSvg:
            files_.Write(ToQ(target->path), replay.Svg(WholeCanvas()));
            break;
        case kPdf:
            files_.Write(ToQ(target->path), replay.Pdf(WholeCanvas()));
            break;
        default:
            files_.Write(ToQ(target->path), EncodePngFile(canvas_.Composite()));
            break;
    }
}

void ExportCommands::PrintMap() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Isobra"));
    printer.setPageOrientation(QPageLayout::Landscape);  // the map is wider than tall
    if (!prompts_.ChoosePrinter(QStringLiteral("地図を印刷"), printer)) return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        prompts_.Inform(QString::fromUtf8(kProgramTitle),
                        QStringLiteral("印刷を始められませんでした（プリンタまたは出力先のファイルを開けません）。"),
                        Prompts::Icon::Warning);
        return;
    }
    const QRectF page(0, 0, printer.width(), printer.height());
    VectorReplay(canvas_).Paint(painter, WholeCanvas(), Fitted(QSizeF(WholeCanvas().size()), page));
    if (!painter.end())
        prompts_.Inform(QString::fromUtf8(kProgramTitle), QStringLiteral("印刷を終えられませんでした。"),
                        Prompts::Icon::Warning);
}

void ExportCommands::CopyMap() { QGuiApplication::clipboard()->setImage(canvas_.Composite()); }

}  // namespace isobra
