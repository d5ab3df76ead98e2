// Runs the window tests on Qt's offscreen platform unless a display is asked for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

#include "platform/language.h"
#include "window/deferred_icon.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef PELORAND_TEST_FONT_DIR
    // Qt's offscreen platform on Windows reads fonts from one folder only (the system's are not
    // its to see): the same fonts as the Linux tests see, so texts are measured alike.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) qputenv("QT_QPA_FONTDIR", PELORAND_TEST_FONT_DIR);
#endif
    QApplication app(argc, argv);
#ifdef PELORAND_TEST_FONT_DIR
    QFont::insertSubstitution("Arial", "Liberation Sans");  // as fontconfig has it on Linux; Windows has Arial itself
#endif
    QApplication::setQuitOnLastWindowClosed(false);
    DeferStyleIcons();  // the style the game runs with
    UseLanguage("en");  // as the game starts in English: the source texts, with their plurals
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
