// Runs the window tests on Qt's offscreen platform unless a display is asked for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

#include <fstream>

#include "platform/language.h"
#include "tests/store_watch.h"
#include "window/deferred_icon.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef PELORAND_TEST_FONT_DIR
    // Qt's offscreen platform on Windows reads fonts from one folder only (the system's are not
    // its to see): the same fonts as the Linux tests see, so texts are measured alike.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) qputenv("QT_QPA_FONTDIR", PELORAND_TEST_FONT_DIR);
#endif
    // The windows at another scale (2 for 200 %), on a screen as large as such scales come with
    // (3840 x 2160), not the offscreen platform's 800 x 600. Wine passes no QT_ variable on.
    if (const QByteArray scale = qgetenv("PELORAND_TEST_SCALE"); !scale.isEmpty()) {
        qputenv("QT_SCALE_FACTOR", scale);
        // Named from the working folder: the platform's options are split at colons, so a
        // Windows path with its drive letter would not do.
        const char* config = "pelorand-test-screen.json";
        std::ofstream(config) << R"({"screens": [{"name": "large", "x": 0, "y": 0, "width": 3840, "height": 2160, "logicalDpi": 96}]})";
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config);
    }
    QApplication app(argc, argv);
#ifdef PELORAND_TEST_FONT_DIR
    QFont::insertSubstitution("Arial", "Liberation Sans");  // as fontconfig has it on Linux; Windows has Arial itself
#endif
    QApplication::setQuitOnLastWindowClosed(false);
    DeferStyleIcons();  // the style the game runs with
    UseLanguage("en");  // as the game starts in English: the source texts, with their plurals
    ::testing::InitGoogleTest(&argc, argv);
    WatchTheGamesSettingsKeys();
    return RUN_ALL_TESTS();
}
