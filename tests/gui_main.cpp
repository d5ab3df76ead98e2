// Runs the window tests on Qt's offscreen platform unless a display is asked for.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/language.h"
#include "window/deferred_icon.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    DeferStyleIcons();  // the style the game runs with
    UseLanguage("en");  // as the game starts in English: the source texts, with their plurals
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
