#pragma once

#include <QWidget>

namespace isobra {

// MATTENE: a small blue window with white text that says what long work is
// going on. It cannot cancel anything.
class PleaseWait : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kDefaultCaption = "ちょっと待ってね（計算中）";

    explicit PleaseWait(QWidget* parent = nullptr);

    // Sets the caption, centres the window on the screen and paints it now,
    // before the caller's work blocks the event loop.
    void ShowCaption(const QString& caption);
    QString caption() const { return windowTitle(); }
    // The colour behind the caption: blue unless a caller says otherwise
    // (the image conversions show theirs in red or orange).
    void SetBackground(const QColor& colour);
    QColor background() const { return background_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void CentreOnScreen();

    QColor background_{0, 0, 255};
};

}  // namespace isobra
