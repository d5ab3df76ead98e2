// Splash window: title, version and a drawn logo, closed once the game window is active.
#include "window/frmsplash.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QVBoxLayout>

#include "window/deferred_icon.h"
#include "window/frmmain.h"
#include "window/settings.h"
#include "window/twips.h"
#include "window/version_text.h"
#include "window/startup_trace.h"

frmSplash::frmSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("frmSplash");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Px(7455), Px(4680));

    fraMainFrame = new QFrame(this);
    fraMainFrame->setObjectName("fraMainFrame");
    fraMainFrame->setFrameStyle(QFrame::Box | QFrame::Raised);
    fraMainFrame->setGeometry(TwipsRect(120, 120, 7215, 4440));

    picLogo = new QLabel(fraMainFrame);
    picLogo->setObjectName("picLogo");
    picLogo->setGeometry(TwipsRect(360, 720, 1800, 1800));

    auto label = [this](const char* name, const QString& text, QRect place, int points, bool bold) {
        auto* l = new QLabel(text, fraMainFrame);
        l->setObjectName(name);
        l->setGeometry(place);
        QFont font = l->font();
        font.setPointSize(points);
        font.setBold(bold);
        l->setFont(font);
        return l;
    };
    lblProductName = label("lblProductName", "", TwipsRect(2400, 720, 4500, 900), 28, true);
    lblVersion = label("lblVersion", "", TwipsRect(2400, 1740, 4500, 360), 11, true);
    lblPlatform = label("lblPlatform", "Win95/WinNT", TwipsRect(2400, 2160, 4500, 360), 11, false);
    auto* tagline = label("lblCompany", tr("An arithmetic card puzzle: a concentration exercise."),
                          TwipsRect(360, 3000, 6600, 360), 10, false);
    tagline->setWordWrap(true);
    label("lblWarning", tr("Loading..."), TwipsRect(360, 3720, 6600, 360), 9, false);
}

void frmSplash::Form_Load(const QString& commandLine) {
    lblVersion->setText(VersionText());
    lblProductName->setText(AppTitle);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    auto* game = new frmMain();
    TraceStartup("game window built");
    game->Splash = this;
    // The splash listens to the game: gone once the game is active, or closes.
    connect(game, &frmMain::Activated, this, &frmSplash::CloseOnceDrawn);
    connect(game, &frmMain::Closing, this, &QWidget::close);
    game->Form_Load(commandLine);
    TraceStartup("game window loaded (Form_Load)");
    game->show();
    TraceStartup("game window shown: mapped, flushed to the X server");
}

void frmSplash::CloseOnceDrawn() {
    if (drawn_) {
        close();
        return;
    }
    if (closeAsked_) return;
    closeAsked_ = true;
    QTimer::singleShot(1000, this, &QWidget::close);  // never exposed (minimised desktop, say)
}

void frmSplash::showEvent(QShowEvent* e) {
    // Drawn as the splash appears, after the game window is already on its way to the screen.
    if (picLogo->pixmap().isNull()) picLogo->setPixmap(GameIcon("pelorand").pixmap(Px(1800), Px(1800)));
    QWidget::showEvent(e);
    if (windowHandle()) windowHandle()->installEventFilter(this);
}

// The window system says when the window is really on the screen: an expose, which Qt answers
// by drawing it. A repaint before that draws nothing anyone sees.
bool frmSplash::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Expose && windowHandle() && windowHandle()->isExposed()) {
        drawn_ = true;
        if (closeAsked_) QTimer::singleShot(0, this, &QWidget::close);  // after this expose is drawn
    }
    return QWidget::eventFilter(watched, e);
}
