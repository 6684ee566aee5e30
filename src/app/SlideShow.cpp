#include "app/SlideShow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "widgets/QtText.h"

namespace isobra {

SlideShow::SlideShow(QStringList files, float displaySeconds, Step step, QWidget& window, QObject* parent)
    : QObject(parent),
      files_(std::move(files)),
      displayNanos_(std::llround(static_cast<double>(displaySeconds) * 1e9)),
      step_(std::move(step)),
      window_(&window) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &SlideShow::OnTimer);
}

void SlideShow::Start() {
    if (running_) return;
    running_ = true;
    qApp->installEventFilter(this);
    ShowNext();
}

void SlideShow::Stop() {
    if (running_) Finish();
}

void SlideShow::ShowNext() {
    while (running_ && next_ < files_.size()) {
        const QString path = files_[next_++];
        const Status shown = step_(path);
        if (!shown) {
            skipped_ << QStringLiteral("「%1」：%2").arg(QFileInfo(path).fileName(), ToQ(shown.message()));
            continue;
        }
        if (window_) {
            window_->raise();
            window_->activateWindow();
        }
        onScreen_.start();
        WaitFor(displayNanos_);
        return;
    }
    if (running_) Finish();
}

void SlideShow::WaitFor(qint64 nanos) {
    // Even with nothing left to wait, the next file comes from the event
    // loop: what is drawn gets painted and Esc gets through.
    timer_.start(static_cast<int>(std::max<qint64>(0, (nanos + 999'999) / 1'000'000)));
}

void SlideShow::OnTimer() {
    if (!running_) return;
    const qint64 left = displayNanos_ - onScreen_.nsecsElapsed();
    if (left > 0) {
        WaitFor(left);  // a timer may fire a little early
        return;
    }
    ShowNext();
}

void SlideShow::Finish() {
    running_ = false;
    timer_.stop();
    qApp->removeEventFilter(this);
    emit finished();
}

bool SlideShow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && window_ && widget->window() == window_) {
            Stop();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace isobra
