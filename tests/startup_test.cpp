// Start-up: what the game window leaves until it is first needed, and that it still shows the same.
#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolBar>
#include <QToolButton>

#include <chrono>
#include <memory>
#include <thread>

#include "gui_env.h"
#include "platform/settings_store.h"
#include "window/deferred_icon.h"
#include "window/fit_text.h"
#include "window/frmsoln.h"
#include "window/frmsplash.h"
#include "window/twips.h"
#include "window/verdict_check.h"

namespace {

const QStyle::StandardPixmap GameIcons[] = {
    QStyle::SP_BrowserReload,       QStyle::SP_ArrowRight,       QStyle::SP_DialogApplyButton, QStyle::SP_DialogCloseButton,
    QStyle::SP_DialogOpenButton,    QStyle::SP_DialogSaveButton, QStyle::SP_FileDialogDetailedView,
};

QImage Drawn(const QIcon& icon, int size, QIcon::Mode mode = QIcon::Normal) { return icon.pixmap(size, size, mode).toImage(); }

// A button drawn with an icon, as the window shows it.
QImage ButtonWith(const QIcon& icon) {
    QPushButton button(icon, "&Deal");
    button.setIconSize(QSize(24, 24));
    button.resize(81, 65);
    return button.grab().toImage();
}

}  // namespace

TEST(DeferredIcon, IsMadeOnFirstUseOnlyAndDrawsAsTheIconItStandsFor) {
    for (QStyle::StandardPixmap which : GameIcons) {
        int made = 0;
        const QIcon real = QApplication::style()->standardIcon(which);
        QIcon icon = DeferredIcon([&] { ++made; return QApplication::style()->standardIcon(which); });
        // Laid out as a button with an icon, fitted, copied: nothing is looked up yet.
        QPushButton button(icon, "&Shuffle");
        button.setIconSize(QSize(24, 24));
        button.resize(81, 65);
        FitText(&button);
        (void)button.sizeHint();
        const QIcon copy = button.icon();
        EXPECT_FALSE(copy.isNull()) << which;
        EXPECT_EQ(made, 0) << which;
        // Once drawn it is the real icon, at every size and in every mode, and made once.
        for (int size : {16, 24, 48})
            for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active})
                EXPECT_EQ(Drawn(icon, size, mode), Drawn(real, size, mode)) << which << " at " << size;
        EXPECT_EQ(icon.actualSize(QSize(24, 24)), real.actualSize(QSize(24, 24))) << which;
        EXPECT_EQ(icon.availableSizes(), real.availableSizes()) << which;
        EXPECT_EQ(ButtonWith(icon), ButtonWith(real)) << which;
        EXPECT_EQ(made, 1) << which;
    }
    // An icon that turns out to be empty is empty once made.
    QIcon none = DeferredIcon([] { return QIcon(); });
    EXPECT_FALSE(none.isNull());
    EXPECT_TRUE(none.pixmap(16, 16).isNull());
    EXPECT_TRUE(none.isNull());
}

// The style hands out the tool bar's extension arrows unmade and is otherwise the style it
// stands in for: the same kind, the same icons, the same arrow each way the text runs.
TEST(DeferredIcon, TheStyleDefersOnlyTheToolBarArrowsAndDrawsThemAsItsOwn) {
    QStyle* style = QApplication::style();
    auto* proxy = qobject_cast<QProxyStyle*>(style);
    ASSERT_NE(proxy, nullptr);  // the suite runs with the game's style
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(proxy->baseStyle()->name()));
    ASSERT_NE(plain, nullptr);
    EXPECT_STREQ(proxy->baseStyle()->metaObject()->className(), plain->metaObject()->className());
    for (QStyle::StandardPixmap which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton})
        for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            QStyleOption option;
            option.direction = direction;
            EXPECT_EQ(Drawn(style->standardIcon(which, &option), 16), Drawn(plain->standardIcon(which, &option), 16))
                << which << " " << direction;
        }
    for (QStyle::StandardPixmap which : GameIcons) EXPECT_EQ(Drawn(style->standardIcon(which), 24), Drawn(plain->standardIcon(which), 24)) << which;
    // A tool bar too narrow for its tools shows the arrow, drawn.
    QToolBar bar;
    for (const char* tool : {"Open", "Save", "Print", "Shuffle", "Deal", "Answer"}) bar.addAction(tool);
    bar.resize(40, 30);
    bar.show();
    QCoreApplication::processEvents();
    auto* arrow = bar.findChild<QToolButton*>("qt_toolbar_ext_button");
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(Drawn(arrow->icon(), 16), Drawn(plain->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton), 16));
}

using Startup = GuiTest;

TEST_F(Startup, TheGameWindowShowsTheSameIconsAsTheStyleGives) {
    frmMain& w = Start();
    // Compared at a size the window has not drawn: Qt keeps a drawn icon's pixmaps, so a
    // pixmap asked for at the drawn size afterwards may differ by the rounding of its width.
    const std::pair<QPushButton*, QStyle::StandardPixmap> buttons[] = {
        {w.cmdShuffle, QStyle::SP_BrowserReload}, {w.cmdDeal, QStyle::SP_ArrowRight},
        {w.cmdAnswer, QStyle::SP_DialogApplyButton}, {w.cmdExit, QStyle::SP_DialogCloseButton}};
    for (const auto& [button, icon] : buttons)
        EXPECT_EQ(Drawn(button->icon(), 48), Drawn(w.style()->standardIcon(icon), 48)) << button->objectName().toStdString();
    const std::pair<const char*, QStyle::StandardPixmap> tools[] = {
        {"Open", QStyle::SP_DialogOpenButton}, {"Save", QStyle::SP_DialogSaveButton}, {"Print", QStyle::SP_FileDialogDetailedView},
        {"Shuffle", QStyle::SP_BrowserReload}, {"Deal", QStyle::SP_ArrowRight}, {"Answer", QStyle::SP_DialogApplyButton}};
    auto toolOf = [&w](const QString& key) -> QAction* {
        for (QAction* a : w.tbToolBar->actions())
            if (a->data().toString() == key) return a;
        return nullptr;
    };
    for (const auto& [key, icon] : tools) {
        QAction* tool = toolOf(key);
        ASSERT_NE(tool, nullptr) << key;
        EXPECT_EQ(Drawn(tool->icon(), 48), Drawn(w.style()->standardIcon(icon), 48)) << key;
    }
    QAction* yours = toolOf("YourAnswer");
    ASSERT_NE(yours, nullptr);
    EXPECT_EQ(Drawn(yours->icon(), 48), Drawn(GameIcon("your-answer"), 48));
    // The window's own icon comes once the window is on the screen.
    QElapsedTimer clock;
    clock.start();
    while (w.windowIcon().isNull() && clock.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(Drawn(w.windowIcon(), 32), Drawn(GameIcon("pelorand"), 32));
}

TEST_F(Startup, TheSolutionWindowIsMadeHiddenAndDrawsItsPictureAndFontWhenFirstShown) {
    frmMain& w = Start();
    ASSERT_NE(w.Soln(), nullptr);  // made by the game window's load, as always
    EXPECT_FALSE(w.Soln()->isVisible());
    EXPECT_TRUE(w.Soln()->Image1->pixmap().isNull());  // nothing drawn for a hidden window
    w.Soln()->show();
    EXPECT_EQ(w.Soln()->Image1->pixmap().toImage(),
              w.style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(Px(480), Px(480)).toImage());
    const QFont font = w.Soln()->lblSoln->font();
    EXPECT_EQ(font.family(), "MS Sans Serif");
    EXPECT_EQ(font.pointSize(), 12);
    EXPECT_TRUE(font.bold());
    // Shown again, it keeps what it has.
    const qint64 picture = w.Soln()->Image1->pixmap().cacheKey();
    w.Soln()->hide();
    w.Soln()->show();
    EXPECT_EQ(w.Soln()->Image1->pixmap().cacheKey(), picture);
    w.Soln()->hide();
}

TEST_F(Startup, TheSplashDrawsItsLogoWhenShown) {
    frmSplash splash;
    EXPECT_TRUE(splash.picLogo->pixmap().isNull());
    splash.show();
    EXPECT_EQ(splash.picLogo->pixmap().toImage(), GameIcon("pelorand").pixmap(Px(1800), Px(1800)).toImage());
    splash.hide();
}

TEST_F(Startup, TheVerdictWorkerStartsAtTheNextDeliveryOfEventsAndOnlyForTheLastPuzzle) {
    VerdictCheck check;
    std::vector<TableVerdict> got;
    check.OnVerdict = [&](const TableVerdict& v) { got.push_back(v); };
    // Two puzzles before any delivery: the first never starts, so nothing about it comes.
    check.Start({1, 1, 1, 1}, 99);
    check.Start({5, 3, 7, 2}, 24);
    QElapsedTimer clock;
    clock.start();
    while ((got.empty() || got.back().computer == TableVerdict::Computer::Checking) && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_FALSE(got.empty());
    for (const TableVerdict& v : got) {
        EXPECT_EQ(v.player.cards, (std::vector<int>{5, 3, 7, 2}));
        EXPECT_EQ(v.player.answer, 24);
    }
    EXPECT_EQ(got.back().player.answers, 8u);
    EXPECT_NE(got.back().computer, TableVerdict::Computer::Checking);

    // Cancelled before the next delivery: it never runs.
    got.clear();
    check.Start({1, 1, 1, 1}, 99);
    check.Cancel();
    clock.restart();
    while (clock.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(got.empty());
}

TEST(SettingsStore, ThePerUserStoreIsTheUsualPlaceAndATestsStoreReplacesItUntilCleared) {
#ifdef _WIN32
    const QString perUser = "HKEY_CURRENT_USER\\Software\\Pelorand";
#else
    const QString perUser = QSettings(QSettings::IniFormat, QSettings::UserScope, "Pelorand", "Pelorand").fileName();
#endif
    EXPECT_EQ(PerUserLocation(), perUser);
    EXPECT_EQ(SettingsLocation(), perUser);
    QTemporaryDir dir;
    const QString scratch = ScratchSettingsLocation(dir.path());
    EXPECT_NE(scratch, perUser);
    SetSettingsLocation(scratch);
    EXPECT_EQ(SettingsLocation(), scratch);
    SaveSetting("Pelorand", "Game", "FaceCards", "6");
    EXPECT_EQ(GetSetting("Pelorand", "Game", "FaceCards", "none"), "6");
    RemoveSettingsLocation(scratch);
    EXPECT_EQ(GetSetting("Pelorand", "Game", "FaceCards", "none"), "none");
    SetSettingsLocation({});
    EXPECT_EQ(SettingsLocation(), perUser);
}
