// Throttled repainting for the status-bar panels that the search writes on every step.
#include "window/status_panel.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QTimer>

namespace {

constexpr int FrameMs = 16;

class StatusPanelAccessible : public QAccessibleWidget {
public:
    explicit StatusPanelAccessible(QWidget* panel) : QAccessibleWidget(panel, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        const auto* panel = static_cast<const StatusPanel*>(widget());
        if (t == QAccessible::Name) return panel->SpokenName();
        if (t == QAccessible::Value) return panel->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* PanelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("StatusPanel") && object && object->isWidgetType())
        return new StatusPanelAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

StatusPanel::StatusPanel(const QString& text, QWidget* parent) : QFrame(parent), text_(text) {
    static const bool factory = (QAccessible::installFactory(PanelFactory), true);
    (void)factory;
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
