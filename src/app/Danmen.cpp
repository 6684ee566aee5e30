#include "app/Danmen.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "canvas/MapCanvas.h"
#include "entry/EntryFormKit.h"
#include "widgets/Fonts.h"
#include "widgets/Twips.h"

namespace isobra {

namespace {

// Every control spans the window's width.
constexpr int kWidth = 1860;
// Below the last button, "もどる" at 3120 + 585.
constexpr int kHeight = 3825;

}  // namespace

Danmen::Danmen(MouseMode& mode, MapCanvas& canvas, QWidget* parent)
    : QWidget(parent, Qt::Window), mode_(mode), canvas_(canvas) {
    setObjectName(QStringLiteral("Danmen"));
    setWindowTitle(QStringLiteral("断面図"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Twips(kWidth), Twips(kHeight));
    setFont(GothicFont(12));
    entry_form::SetColour(this, QPalette::Window, QColor(255, 255, 255));
    setAutoFillBackground(true);

    QLabel* title = entry_form::AddNamedLabel(this, QStringLiteral("Label1"), QStringLiteral("  雲の断面図"),
                                              Twips(0, 0, kWidth, 255));
    entry_form::SetColour(title, QPalette::Window, QColor(255, 255, 0));
    title->setAutoFillBackground(true);

    // It only shows what to do next; the buttons alone take the focus.
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setGeometry(Twips(0, 360, kWidth, 975));
    text_->setReadOnly(true);
    text_->setFocusPolicy(Qt::NoFocus);

    QPushButton* eastWest = AddButton("cmdDYoko", QStringLiteral("東西の断面図"), 1320);
    QPushButton* northSouth = AddButton("cmdDTate", QStringLiteral("南北の断面図"), 1920);
    QPushButton* clear = AddButton("cmdDcls", QStringLiteral("図をもとへ"), 2520);
    QPushButton* back = AddButton("cmdEnd", QStringLiteral("もどる"), 3120);
    setTabOrder(eastWest, northSouth);
    setTabOrder(northSouth, clear);
    setTabOrder(clear, back);
    eastWest->setFocus();

    connect(eastWest, &QPushButton::clicked, this, [this] { ChooseDirection(MouseMode::EastWest); });
    connect(northSouth, &QPushButton::clicked, this, [this] { ChooseDirection(MouseMode::NorthSouth); });
    // The mode stays: the next click draws a new chart.
    connect(clear, &QPushButton::clicked, this, [this] { canvas_.ClearCanvas(); });
    connect(back, &QPushButton::clicked, this, &QWidget::close);

    ChooseDirection(MouseMode::EastWest);  // clears the canvas too
}

QPushButton* Danmen::AddButton(const char* name, const QString& caption, int top) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(Twips(0, top, kWidth, 585));
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

void Danmen::ChooseDirection(MouseMode mode) {
    mode_ = mode;
    text_->setPlainText(QStringLiteral("地図の上をクリック"));
    canvas_.ClearCanvas();
}

QString Danmen::prompt() const { return text_->toPlainText(); }

void Danmen::ShowInFront() {
    show();
    raise();
}

void Danmen::closeEvent(QCloseEvent* event) {
    if (IsCrossSectionMode(mode_)) mode_ = MouseMode::None;
    canvas_.ClearCanvas();
    QWidget::closeEvent(event);
}

}  // namespace isobra
