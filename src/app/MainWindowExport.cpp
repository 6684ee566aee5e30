// The finished map leaving the program: saved as a picture (PNG pixel for
// pixel, SVG or PDF as vectors), printed, or copied to the clipboard.
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

#include "app/MainWindow.h"
#include "widgets/PictureFile.h"
#include "widgets/QImageCanvas.h"
#include "widgets/QtText.h"
#include "widgets/VectorReplay.h"

namespace isobra {

namespace {

enum ExportKind { kPng, kSvg, kPdf };

// The largest rectangle of the canvas's proportions inside `page`, centred.
QRectF Fitted(const QSizeF& canvas, const QRectF& page) {
    const QSizeF size = canvas.scaled(page.size(), Qt::KeepAspectRatio);
    return {page.x() + (page.width() - size.width()) / 2, page.y() + (page.height() - size.height()) / 2, size.width(),
            size.height()};
}

}  // namespace

QRect MainWindow::WholeCanvas() const { return QRect(0, 0, canvas_->width(), canvas_->height()); }

void MainWindow::ExportMap() {
    const QString title = QStringLiteral("地図を画像で保存");
    const auto target = AskSavePath(title, {QStringLiteral("*.png"), QStringLiteral("*.svg"), QStringLiteral("*.pdf")},
                                    {".png", ".svg", ".pdf"});
    if (!target) return;
    const VectorReplay replay(*canvas_);
    switch (target->kind) {
        case kSvg:
            WriteFile(ToQ(target->path), replay.Svg(WholeCanvas()));
            break;
        case kPdf:
            WriteFile(ToQ(target->path), replay.Pdf(WholeCanvas()));
            break;
        default:
            WriteFile(ToQ(target->path), EncodePngFile(canvas_->Composite()));
            break;
    }
}

void MainWindow::PrintMap() {
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
    VectorReplay(*canvas_).Paint(painter, WholeCanvas(), Fitted(QSizeF(WholeCanvas().size()), page));
    if (!painter.end())
        prompts_.Inform(QString::fromUtf8(kProgramTitle), QStringLiteral("印刷を終えられませんでした。"),
                        Prompts::Icon::Warning);
}

void MainWindow::CopyMap() { QGuiApplication::clipboard()->setImage(canvas_->Composite()); }

}  // namespace isobra
