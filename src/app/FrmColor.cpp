#include "app/FrmColor.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "canvas/MapCanvas.h"
#include "entry/EntryFormKit.h"
#include "widgets/Fonts.h"
#include "widgets/Prompts.h"
#include "widgets/QImageCanvas.h"
#include "widgets/Twips.h"

namespace isobra {

namespace {

// The rows from the top: the background first, then items 1..9.
struct ItemRow {
    int item;
    const char* label;
    const char* picture;
    const char* caption;
};
constexpr std::array<ItemRow, kColourItemCount> kRows = {{
    {kBackgroundColour, "Label13", "Picture10", "背景の色"},
    {kTextColour, "Label1", "Picture1", "文字の色"},
    {kMapColour, "Label2", "Picture2", "地図の色"},
    {kIsobarColour, "Label3", "Picture3", "等圧線の色"},
    {kWeatherSymbolColour, "Label4", "Picture4", "天気記号の色"},
    {kWindSymbolColour, "Label5", "Picture5", "風力記号の色"},
    {kWarmFrontColour, "Label6", "Picture6", "温暖前線の色"},
    {kColdFrontColour, "Label7", "Picture7", "寒冷前線の色"},
    {kStationaryFrontColour, "Label8", "Picture8", "停滞前線の色"},
    {kOccludedFrontColour, "Label9", "Picture9", "閉塞前線の色"},
}};

}  // namespace

FrmColor::FrmColor(ColorSettings& colours, MapCanvas& canvas, Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window), colours_(colours), canvas_(canvas), prompts_(prompts), swatches_(colours) {
    setObjectName(QStringLiteral("frmColor"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("表示色の変更"));
    setFont(GothicFont(entry_form::kFontPixels));
    using entry_form::AddNamedLabel;

    for (std::size_t row = 0; row < kRows.size(); ++row) {
        const ItemRow& r = kRows[row];
        const int top = 120 + 360 * static_cast<int>(row);
        QLabel* label =
            AddNamedLabel(this, QString::fromUtf8(r.label), QString::fromUtf8(r.caption), Twips(120, top, 1620, 255));
        label->installEventFilter(this);
        auto* picture = new QFrame(this);
        picture->setObjectName(QString::fromUtf8(r.picture));
        picture->setGeometry(Twips(1800, top, 615, 255));
        picture->setAutoFillBackground(true);
        picture->installEventFilter(this);
        labels_[static_cast<std::size_t>(r.item)] = label;
        pictures_[static_cast<std::size_t>(r.item)] = picture;
        ShowSwatch(r.item);
    }

    QLabel* text1 =
        AddNamedLabel(this, QStringLiteral("Text1"),
                      QStringLiteral("　変更するものを左から選び、下のスクロールバーで色を変えてください。"),
                      Twips(2640, 120, 2295, 1215));
    text1->setWordWrap(true);
    text1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    entry_form::SetColour(text1, QPalette::Window, QColor(255, 255, 255));
    text1->setAutoFillBackground(true);

    const char* const barNames[] = {"VScroll1", "VScroll2", "VScroll3"};
    const char* const barLabels[] = {"Label10", "Label11", "Label12"};
    const char* const barCaptions[] = {"赤", "緑", "青"};
    for (int i = 0; i < 3; ++i) {
        const int left = 3240 + 600 * i;
        AddNamedLabel(this, QString::fromUtf8(barLabels[i]), QString::fromUtf8(barCaptions[i]),
                      Twips(left, 1440, 255, 255))
            ->setAlignment(Qt::AlignCenter);
        auto* bar = new QScrollBar(Qt::Vertical, this);
        bar->setObjectName(QString::fromUtf8(barNames[i]));
        bar->setGeometry(Twips(left, 1800, 255, 1815));
        bar->setRange(0, 255);
        bar->setInvertedAppearance(true);  // 255 at the top
        bar->setPageStep(16);
        connect(bar, &QScrollBar::valueChanged, this, &FrmColor::OnBarMoved);
        bars_[static_cast<std::size_t>(i)] = bar;
    }

    using entry_form::AddButton;
    connect(
        AddButton(this, QStringLiteral("Command3"), QStringLiteral("はじめの色"), Twips(5040, 480, 1455, 495), true),
        &QPushButton::clicked, this, &FrmColor::OnResetClicked);
    connect(AddButton(this, QStringLiteral("Command1"), QStringLiteral("Ｏ　Ｋ"), Twips(5040, 2040, 1455, 495), true),
            &QPushButton::clicked, this, &FrmColor::OnOkClicked);
    cancel_ =
        AddButton(this, QStringLiteral("Command2"), QStringLiteral("キャンセル"), Twips(5040, 2880, 1455, 495), true);
    connect(cancel_, &QPushButton::clicked, this, &QWidget::close);

    setFixedSize(Twips(6675), Twips(3765));
    SelectItem(kTextColour);
}

void FrmColor::SelectItem(int item) {
    if (item < 1 || item > kColourItemCount) return;
    const ColourBars bars = swatches_.Select(item);
    for (int other = 1; other <= kColourItemCount; ++other) {
        QLabel* label = labels_[static_cast<std::size_t>(other)];
        QFont font = label->font();
        font.setBold(other == item);
        label->setFont(font);
        pictures_[static_cast<std::size_t>(other)]->setFrameStyle(other == item ? QFrame::Box | QFrame::Plain
                                                                                : QFrame::NoFrame);
    }
    // Each bar that moves writes the swatch again, as a user's move would.
    bars_[0]->setValue(bars.red);
    bars_[1]->setValue(bars.green);
    bars_[2]->setValue(bars.blue);
}

void FrmColor::OnBarMoved() {
    swatches_.SetBars({bars_[0]->value(), bars_[1]->value(), bars_[2]->value()});
    ShowSwatch(swatches_.selected());
}

void FrmColor::ShowSwatch(int item) {
    if (item < 1 || item > kColourItemCount) return;
    entry_form::SetColour(pictures_[static_cast<std::size_t>(item)], QPalette::Window,
                          QImageCanvas::ToQColor(swatches_.Swatch(item)));
}

void FrmColor::PickColourFor(int item) {
    SelectItem(item);
    if (swatches_.selected() != item) return;
    const std::optional<Colour> picked =
        prompts_.PickColour(labels_[static_cast<std::size_t>(item)]->text(), swatches_.Swatch(item));
    // The picker belongs to the main window, which comes up with it.
    raise();
    activateWindow();
    if (!picked) return;
    const ColourBars bars = BarsOf(*picked);
    bars_[0]->setValue(bars.red);
    bars_[1]->setValue(bars.green);
    bars_[2]->setValue(bars.blue);
}

void FrmColor::OnResetClicked() {
    swatches_.ResetToStartUp();
    for (int item = 1; item <= kColourItemCount; ++item) ShowSwatch(item);
}

void FrmColor::OnOkClicked() {
    swatches_.ApplyTo(colours_);
    canvas_.SetForegroundColour(colours_.ColorOf(kTextColour));
    canvas_.SetBackgroundColour(colours_.ColorOf(kBackgroundColour));
    prompts_.Inform(QStringLiteral("色の設定の確認"),
                    QStringLiteral("色を変えましたので、画面を消去してもう一度描いて下さい。"));
    close();
}

void FrmColor::keyPressEvent(QKeyEvent* event) {
    // Esc is "キャンセル", as in any dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cancel_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

int FrmColor::ItemOf(const QObject* control) const {
    for (int item = 1; item <= kColourItemCount; ++item) {
        const auto at = static_cast<std::size_t>(item);
        if (control == labels_[at] || control == pictures_[at]) return item;
    }
    return 0;
}

bool FrmColor::eventFilter(QObject* watched, QEvent* event) {
    const int item = ItemOf(watched);
    if (item != 0 && event->type() == QEvent::MouseButtonPress) {
        SelectItem(item);
        return true;
    }
    if (item != 0 && event->type() == QEvent::MouseButtonDblClick &&
        watched == pictures_[static_cast<std::size_t>(item)]) {
        PickColourFor(item);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace isobra
