#include "app/Cont.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "app/FileDropList.h"
#include "entry/EntryFormKit.h"
#include "widgets/Fonts.h"
#include "widgets/PictureFile.h"
#include "widgets/Prompts.h"
#include "widgets/QtText.h"
#include "widgets/Twips.h"

namespace isobra {

namespace {

struct KindTexts {
    const char* caption;
    const char* line2;
    const char* line3;
    const char* chooserTitle;
    const char* pattern;
    const char* notThisKind;  // why dropped files are refused
};

const KindTexts& TextsOf(DisplayKind kind) {
    // clang-format off
    static const KindTexts kIsobars{"等圧線連続表示", "表示をクリックすると連続で等圧", "線を表示します。",
                                    "等圧線データ連続読みこみ", "*.cnt", "等圧線データではありません"};
    static const KindTexts kImages{"気象衛星画像の連続表示", "表示をクリックすると連続で気象", "衛星画像を表示します。",
                                   "気象衛星画像の連続読みこみ", "*.Bmp", "画像ではありません"};
    // clang-format on
    return kind == DisplayKind::Images ? kImages : kIsobars;
}

// A dropped file fits the list when it is a picture for an image show, and
// any regular file but a picture for an isobar show (a malformed one is
// skipped when its turn comes).
bool FitsKind(const QString& path, DisplayKind kind) {
    if (!QFileInfo(path).isFile()) return false;
    return IsPictureFile(path) == (kind == DisplayKind::Images);
}

}  // namespace

Cont::Cont(AppState& state, Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), prompts_(prompts) {
    setObjectName(QStringLiteral("Cont"));
    using entry_form::AddButton;
    using entry_form::AddNamedLabel;

    AddNamedLabel(this, QStringLiteral("Label1"), QStringLiteral("「登録」でファイルを選んでから"),
                  Twips(120, 120, 5160, 270));
    label2_ = AddNamedLabel(this, QStringLiteral("Label2"), QString(), Twips(120, 420, 5160, 270));
    label3_ = AddNamedLabel(this, QStringLiteral("Label3"), QString(), Twips(120, 720, 5160, 270));

    lstFiles_ = new FileDropList(this);
    lstFiles_->setObjectName(QStringLiteral("lstFiles"));
    lstFiles_->setGeometry(Twips(120, 1080, 5160, 2040));
    lstFiles_->setFont(GothicFont(entry_form::kFontPixels));
    lstFiles_->setTextElideMode(Qt::ElideMiddle);
    lstFiles_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(lstFiles_, &FileDropList::filesDropped, this, &Cont::AddDroppedFiles);

    const struct {
        const char* name;
        const char* caption;
        QRect where;
        void (Cont::*handler)();
    } buttons[] = {
        {"cmdLoad", "表示ﾌｧｲﾙの登録", Twips(120, 3240, 1935, 495), &Cont::OnLoadClicked},
        {"cmdDelete", "削　除", Twips(2160, 3240, 1455, 495), &Cont::OnDeleteClicked},
        {"cmdHZikan", "時間設定", Twips(3720, 3240, 1560, 495), &Cont::OnHZikanClicked},
        {"cmdHyouzi", "表　示", Twips(120, 3840, 1935, 495), &Cont::OnHyouziClicked},
        {"cmdEnd", "もどる", Twips(3720, 3840, 1560, 495), nullptr},
    };
    for (const auto& b : buttons) {
        QPushButton* button = AddButton(this, QString::fromUtf8(b.name), QString::fromUtf8(b.caption), b.where, true);
        if (b.handler) {
            connect(button, &QPushButton::clicked, this, b.handler);
        } else {
            connect(button, &QPushButton::clicked, this, &QWidget::hide);
        }
    }
    entry_form::FinishWindow(this, QString(), palette().color(QPalette::Window));
    ShowKind();
}

void Cont::ShowKind() {
    const KindTexts& texts = TextsOf(state_.display.kind());
    setWindowTitle(QString::fromUtf8(texts.caption));
    label2_->setText(QString::fromUtf8(texts.line2));
    label3_->setText(QString::fromUtf8(texts.line3));
    ShowRows(std::min(SelectedRow(), state_.display.FileCount() - 1));
}

QStringList Cont::Rows() const {
    QStringList rows;
    for (int i = 0; i < lstFiles_->count(); ++i) rows << lstFiles_->item(i)->text();
    return rows;
}

int Cont::SelectedRow() const {
    const QList<QListWidgetItem*> selected = lstFiles_->selectedItems();
    return selected.isEmpty() ? -1 : lstFiles_->row(selected.first());
}

void Cont::SelectRow(int row) {
    lstFiles_->clearSelection();
    if (row < 0 || row >= lstFiles_->count()) return;
    lstFiles_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    lstFiles_->scrollToItem(lstFiles_->item(row));
}

void Cont::ShowRows(int select) {
    lstFiles_->clear();
    for (const std::string& path : state_.display.Files()) {
        auto* item = new QListWidgetItem(ToQ(path), lstFiles_);
        item->setToolTip(ToQ(path));
    }
    SelectRow(select);
}

void Cont::OnLoadClicked() {
    const KindTexts& texts = TextsOf(state_.display.kind());
    const FileRequest request{QString::fromUtf8(texts.chooserTitle), QString::fromUtf8(texts.pattern),
                              FileRequest::Purpose::Open, false};
    // The chooser comes back after every file until the user cancels.
    while (const std::optional<FileChoice> chosen = prompts_.ChooseFile(request))
        ShowRows(state_.display.Register(SelectedRow(), ToUtf8(chosen->path)));
    BackToFront();
}

void Cont::BackToFront() {
    // The dialogs belong to the main window, which comes up with them.
    raise();
    activateWindow();
}

void Cont::OnDeleteClicked() { ShowRows(state_.display.Remove(SelectedRow())); }

void Cont::OnHZikanClicked() {
    for (;;) {
        const std::optional<QString> answer =
            prompts_.InputText(QStringLiteral("表示時間の設定"), ToQ(DisplayTimePrompt(state_.display.displayTime())),
                               QStringLiteral("1"));
        if (!answer || answer->isEmpty()) break;
        if (const std::optional<float> seconds = DisplayTimeFromAnswer(ToUtf8(*answer))) {
            state_.display.SetDisplayTime(*seconds);
            break;
        }
        prompts_.Inform(QString::fromUtf8(kNoticeTitle), QStringLiteral("正しい数値を入力して下さい（０～１０）"),
                        Prompts::Icon::Warning);
    }
    BackToFront();
}

void Cont::OnHyouziClicked() {
    if (state_.display.FileCount() > 0) emit showRequested();
}

void Cont::AddDroppedFiles(const QStringList& paths) {
    const DisplayKind kind = state_.display.kind();
    std::vector<std::string> taken;
    QStringList refused;
    for (const QString& path : paths) {
        if (FitsKind(path, kind)) {
            taken.push_back(ToUtf8(path));
        } else {
            refused << QStringLiteral("「%1」").arg(QFileInfo(path).fileName());
        }
    }
    ShowRows(state_.display.Append(taken, SelectedRow()));
    if (refused.isEmpty()) return;
    prompts_.Inform(QString::fromUtf8(kNoticeTitle),
                    QStringLiteral("次のファイルは%1ので、登録しませんでした。\r\n%2")
                        .arg(QString::fromUtf8(TextsOf(kind).notThisKind), refused.join(QStringLiteral("\r\n"))),
                    Prompts::Icon::Warning);
    BackToFront();
}

}  // namespace isobra
