#pragma once

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;

namespace isobra {

// A list that is always open, with an edit line above it showing the selected
// item. The edit line takes the focus, also when the list is clicked; Up,
// Down, Page Up and Page Down there move the selection, and so do Home and
// End where the edit line is only a display, so an item is chosen with the
// keys without leaving the line.
class EditLineList : public QWidget {
    Q_OBJECT

public:
    // PicksItem: the edit line chooses the item: typing a text that equals an
    // item selects it, any other text leaves no item selected. Free: the edit
    // line is only a display and the selection is the list's alone.
    enum class EditMode { PicksItem, Free };

    explicit EditLineList(EditMode mode, QWidget* parent = nullptr);

    QLineEdit* editLine() const { return edit_; }
    QListWidget* list() const { return list_; }

    int count() const;
    QString itemText(int row) const;
    void setItems(const QStringList& items);
    void appendItem(const QString& text);
    void setItemText(int row, const QString& text);
    void removeItem(int row);
    void clear();  // the items and the edit line

    // -1 when no item is selected.
    int selectedRow() const;
    void selectRow(int row);

    QString editText() const;
    void setEditText(const QString& text);

signals:
    void selectedRowChanged(int row);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnSelectionChanged();
    void OnTextEdited(const QString& text);

    EditMode mode_;
    QLineEdit* edit_;
    QListWidget* list_;
    bool typing_ = false;  // the selection follows typed text: leave the text alone
};

}  // namespace isobra
