// Icons looked up when they are first drawn rather than when the window is built: a style's
// standard icon searches the desktop's icon theme and decodes its fallbacks, which is most of
// what building the game window costs, and none of it is seen before the first paint.
#pragma once

#include <QIcon>
#include <QStyle>

#include <functional>

// An icon that is make() once anything asks for its pixels or sizes; until then it is a
// non-null icon, so buttons lay out as they would with the real one.
QIcon DeferredIcon(std::function<QIcon()> make);
// The application style's standard icon, looked up on first use.
QIcon DeferredStandardIcon(QStyle::StandardPixmap icon);
