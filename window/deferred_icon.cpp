// An icon engine that makes the real icon on first use and hands every request on to it.
#include "window/deferred_icon.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <memory>

namespace {

class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::shared_ptr<std::function<QIcon()>> make, QIcon icon = {}, bool made = false)
        : make_(std::move(make)), icon_(std::move(icon)), made_(made) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        // QIcon::paint has already placed rect by actualSize, so centring again changes nothing.
        Made().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    // Asked in device pixels: a ratio of 1 hands the size to the real engine as it is.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Made().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixmap(size, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override { return Made().availableSizes(mode, state); }
    QString iconName() override { return Made().name(); }
    bool isNull() override { return made_ && icon_.isNull(); }
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override { Made().addPixmap(pixmap, mode, state); }
    void addFile(const QString& file, const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        Made().addFile(file, size, mode, state);
    }
    QString key() const override { return QStringLiteral("deferred"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(make_, icon_, made_); }

private:
    QIcon& Made() {
        if (!made_) {
            icon_ = (*make_)();
            made_ = true;
        }
        return icon_;
    }

    std::shared_ptr<std::function<QIcon()>> make_;
    QIcon icon_;
    bool made_;
};

class DeferredIconStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
        if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(icon, option, widget);
        // The arrow points the way the text runs: asked now, drawn later.
        const Qt::LayoutDirection direction = option ? option->direction
                                              : widget ? widget->layoutDirection()
                                                       : QGuiApplication::layoutDirection();
        const QPointer<QStyle> base = baseStyle();
        return DeferredIcon([base, icon, direction] {
            QStyleOption asked;
            asked.direction = direction;
            return base ? base->standardIcon(icon, &asked) : QIcon();
        });
    }
};

}  // namespace

void DeferStyleIcons() {
    const QString key = QApplication::style()->name();
    if (key.isEmpty()) return;  // a style that cannot be made again by name is left alone
    if (QStyle* base = QStyleFactory::create(key)) QApplication::setStyle(new DeferredIconStyle(base));
}

QIcon DeferredIcon(std::function<QIcon()> make) {
    return QIcon(new DeferredIconEngine(std::make_shared<std::function<QIcon()>>(std::move(make))));
}

QIcon DeferredStandardIcon(QStyle::StandardPixmap icon) {
    return DeferredIcon([icon] { return QApplication::style()->standardIcon(icon); });
}

QIcon GameIcon(const QString& name) {
    const QString drawing = ":/" + name + ".svg";
    if (QFile::exists(drawing)) return QIcon(drawing);
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addFile(QString(":/%1-%2.png").arg(name).arg(size), QSize(size, size));
    return icon;
}
