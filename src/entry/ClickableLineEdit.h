#pragma once

#include <QLineEdit>

namespace isobra {

// A text line that reports mouse clicks: the date field `kansokubi` of the
// entry windows acts on a click, not on typing.
class ClickableLineEdit : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace isobra
