// Throttled repainting for the status-bar panels that the search writes on every step.
#include "window/status_panel.h"

#include <QPainter>
#include <QTimer>

namespace {
constexpr int FrameMs = 16;
}

StatusPanel::StatusPanel(const QString& text, QWidget* parent) : QFrame(parent), text_(text) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    sincePaint_.start();
}

void StatusPanel::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    if (pending_) return;
    const qint64 wait = FrameMs - sincePaint_.elapsed();
    if (wait <= 0) {
        update();
        return;
    }
    pending_ = true;
    QTimer::singleShot(static_cast<int>(wait), this, [this] {
        pending_ = false;
        update();
    });
}

QSize StatusPanel::sizeHint() const {
    return {fontMetrics().horizontalAdvance(text_) + 8, fontMetrics().height() + 6};
}

void StatusPanel::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    sincePaint_.restart();
    QPainter painter(this);
    QRect area = contentsRect().adjusted(3, 0, -3, 0);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text_, Qt::ElideRight, area.width()));
}
