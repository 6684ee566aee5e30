#pragma once

#include <QListWidget>
#include <QStringList>

class QMimeData;

namespace isobra {

// A list that takes files dragged from the desktop's file manager and hands
// on their local paths in the order given. It moves nothing of its own.
class FileDropList : public QListWidget {
    Q_OBJECT

public:
    explicit FileDropList(QWidget* parent = nullptr);

    // The local files of a drag, in the order given; none when it carries
    // no local file.
    static QStringList LocalFiles(const QMimeData* data);

signals:
    void filesDropped(const QStringList& paths);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace isobra
