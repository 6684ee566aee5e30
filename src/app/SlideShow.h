#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

#include "model/Result.h"

class QWidget;

namespace isobra {

// Runs a show: each file in turn is put on screen by the step and stays
// there for the display time, measured from when it was drawn by a
// monotonic clock, while the event loop goes on painting. A file the step
// refuses is skipped at once and remembered. Esc pressed in `window` ends
// the show with the file on screen.
class SlideShow : public QObject {
    Q_OBJECT

public:
    // Shows one file, or says in a sentence why it could not.
    using Step = std::function<Status(const QString& path)>;

    SlideShow(QStringList files, float displaySeconds, Step step, QWidget& window, QObject* parent = nullptr);

    // Shows the first file that can be shown; the rest follow from the
    // event loop. Emits finished() when the list is done or stopped.
    void Start();
    // One line per skipped file: "「a.cnt」：ファイルかフォルダが見つかりません。"
    const QStringList& skipped() const { return skipped_; }

signals:
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Stop();
    void ShowNext();
    void WaitFor(qint64 nanos);
    void OnTimer();
    void Finish();

    QStringList files_;
    qint64 displayNanos_;
    Step step_;
    QPointer<QWidget> window_;
    int next_ = 0;
    bool running_ = false;
    QStringList skipped_;
    QElapsedTimer onScreen_;
    QTimer timer_;
};

}  // namespace isobra
