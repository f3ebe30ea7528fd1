#include "PaintOnPoolThread.h"

#include <QPaintEngine>
#include <QPainter>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

namespace wigglepad {

namespace {

bool rasterisesInMemory(QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster;
}

} // namespace

void paintOnPoolThread(QPainter& painter, const std::function<void()>& paint) {
    QThreadPool* pool = QThreadPool::globalInstance();
    if (!rasterisesInMemory(painter) || pool->contains(QThread::currentThread())) {
        paint();
        return;
    }
    // Queued rather than tried: a pool thread that has just run the previous frame still counts
    // as busy for a moment, and falling back to this thread would cost a slow frame.
    QSemaphore finished;
    pool->start([&] {
        paint();
        finished.release();
    });
    finished.acquire();
}

} // namespace wigglepad
