// Where the printed picture of the game window goes on the page.
#pragma once

#include <QRect>

// As large as on screen (image pixels at 96 per inch, at the printer's dpi), shrunk only where
// the page needs it, keeping its shape; placed at the page's top left.
inline QRect PrintArea(QSize image, int printerDpi, const QRect& page) {
    QSize size = image * (printerDpi / 96.0);
    if (size.width() > page.width() || size.height() > page.height()) size.scale(page.size(), Qt::KeepAspectRatio);
    return {page.topLeft(), size};
}
