#include "entry/ClickableLineEdit.h"

namespace isobra {

void ClickableLineEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    emit clicked();
}

}  // namespace isobra
