#include "entry/EditLineList.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

namespace isobra {

EditLineList::EditLineList(EditMode mode, QWidget* parent)
    : QWidget(parent), mode_(mode), edit_(new QLineEdit(this)), list_(new QListWidget(this)) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    // A click in the list gives the keyboard focus to the edit line (the
    // event filter), so that Tab goes on from the list's own place in the
    // form's order and the arrow keys there move the selection. The list
    // itself never holds the focus: a focus proxy would put it in the Tab
    // chain at its place of creation.
    list_->setFocusPolicy(Qt::NoFocus);
    list_->viewport()->installEventFilter(this);
    // No focus proxy: a proxied container would stand in the Tab chain at its
    // own place, ahead of the order the form gives the edit line.
    setFocusPolicy(Qt::NoFocus);
    edit_->installEventFilter(this);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &EditLineList::OnSelectionChanged);
    connect(edit_, &QLineEdit::textEdited, this, &EditLineList::OnTextEdited);
}

int EditLineList::count() const { return list_->count(); }

QString EditLineList::itemText(int row) const {
    const QListWidgetItem* item = list_->item(row);
    return item ? item->text() : QString();
}

void EditLineList::setItems(const QStringList& items) {
    list_->clear();
    list_->addItems(items);
}

void EditLineList::appendItem(const QString& text) { list_->addItem(text); }

void EditLineList::setItemText(int row, const QString& text) {
    if (QListWidgetItem* item = list_->item(row)) {
        item->setText(text);
        if (row == selectedRow()) edit_->setText(text);
    }
}

void EditLineList::removeItem(int row) { delete list_->takeItem(row); }

void EditLineList::clear() {
    list_->clear();
    edit_->clear();
}

int EditLineList::selectedRow() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void EditLineList::selectRow(int row) {
    if (row < 0 || row >= count()) {
        list_->clearSelection();
        list_->setCurrentIndex(QModelIndex());
        return;
    }
    list_->setCurrentRow(row);
    list_->scrollToItem(list_->item(row));
}

QString EditLineList::editText() const { return edit_->text(); }

void EditLineList::setEditText(const QString& text) { edit_->setText(text); }

void EditLineList::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int editHeight = std::min(height(), edit_->sizeHint().height());
    edit_->setGeometry(0, 0, width(), editHeight);
    list_->setGeometry(0, editHeight, width(), height() - editHeight);
}

bool EditLineList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonPress && !edit_->hasFocus())
        edit_->setFocus(Qt::MouseFocusReason);
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && count() > 0) {
            const int row = selectedRow();
            int next = 0;
            if (row >= 0) next = std::clamp(row + (key == Qt::Key_Down ? 1 : -1), 0, count() - 1);
            selectRow(next);
            return true;
        }
        // A page up or down, the first or the last item, as in the list
        // itself; Home and End stay the edit line's where text is typed.
        const bool listKey = key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
                             (mode_ == EditMode::Free && (key == Qt::Key_Home || key == Qt::Key_End));
        if (listKey && keyEvent->modifiers() == Qt::NoModifier && count() > 0) {
            QCoreApplication::sendEvent(list_, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void EditLineList::OnSelectionChanged() {
    const int row = selectedRow();
    if (row >= 0 && !typing_) edit_->setText(itemText(row));
    emit selectedRowChanged(row);
}

void EditLineList::OnTextEdited(const QString& text) {
    if (mode_ != EditMode::PicksItem) return;
    const QList<QListWidgetItem*> same = list_->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    typing_ = true;
    selectRow(same.isEmpty() ? -1 : list_->row(same.first()));
    typing_ = false;
}

}  // namespace isobra
