// Shrinking captions to their fixed places.
#include "window/fit_text.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

constexpr double Smallest = 6.0;

template <typename Fits>
QFont Shrunk(QFont font, Fits fits) {
    double size = font.pointSizeF();
    if (size <= 0) return font;  // a pixel-sized font: left as the style made it
    while (!fits(font) && size > Smallest) {
        size -= 0.5;
        font.setPointSizeF(size);
    }
    return font;
}

template <typename Fits>
void Shrink(QWidget* w, Fits fits) {
    const QFont font = Shrunk(w->font(), fits);
    if (font != w->font()) w->setFont(font);
}

}  // namespace

void FitText(QPushButton* button) {
    // The caption and icon inside the button's frame: what the style must draw. (Not
    // sizeHint, which adds a minimum width of the style's own that a small fixed button never
    // meets, whatever its font.)
    QString caption = button->text();
    caption.remove('&');
    const int margins = 2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    Shrink(button, [=](const QFont& font) {
        const QFontMetrics m(font);
        return m.horizontalAdvance(caption) + icon + margins <= button->width() && m.height() + 4 <= button->height();
    });
}

void FitText(QLabel* label) {
    Shrink(label, [label](const QFont& font) {
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = QFontMetrics(font).boundingRect(room, flags, label->text());
        return needed.height() <= room.height() && needed.width() <= room.width();
    });
}

void FitText(std::initializer_list<QPushButton*> row) {
    double smallest = 0;
    for (QPushButton* b : row) {
        FitText(b);
        const double size = b->font().pointSizeF();
        if (size > 0 && (smallest == 0 || size < smallest)) smallest = size;
    }
    for (QPushButton* b : row) {
        QFont font = b->font();
        if (smallest > 0 && font.pointSizeF() != smallest) {
            font.setPointSizeF(smallest);
            b->setFont(font);
        }
    }
}

QFont FittedFont(const QFont& font, const QString& text, const QSize& room) {
    return Shrunk(font, [&](const QFont& f) {
        const QFontMetrics m(f);
        return m.horizontalAdvance(text) <= room.width() && m.height() <= room.height();
    });
}
