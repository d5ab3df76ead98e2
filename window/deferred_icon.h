// Icons looked up when they are first drawn rather than when the window is built: a style's
// standard icon searches the desktop's icon theme and decodes its fallbacks, which is most of
// what building the game window costs, and none of it is seen before the first paint.
#pragma once

#include <QIcon>
#include <QStyle>

#include <functional>

// The game's own icon of that name ("pelorand", "your-answer"): its SVG drawing where the build
// keeps one (Linux), else the PNG files drawn from it at build time, one a size (Windows).
QIcon GameIcon(const QString& name);

// An icon that is make() once anything asks for its pixels or sizes; until then it is a
// non-null icon, so buttons lay out as they would with the real one.
QIcon DeferredIcon(std::function<QIcon()> make);
// The application style's standard icon, looked up on first use.
QIcon DeferredStandardIcon(QStyle::StandardPixmap icon);
// Makes the application's style (the one the user chose, or the desktop's) hand out the tool
// bar's extension-button icons on first use: a tool bar asks for one as it is built, and that
// first icon read from a file loads every image-format plugin before the window is on the
// screen. Everything else is the style's own. Call once, before the first window is built.
void DeferStyleIcons();
