// The record of play in the game window: the Statistics window, the player and the clock on the puzzle.
#include <QAction>
#include <QStatusBar>
#include <QTimer>

#include "dialogs/frmplayer.h"
#include "dialogs/frmstatistics.h"
#include "window/frmanswer.h"
#include "window/frmmain.h"
#include "window/play_stats.h"
#include "window/settings.h"
#include "window/status_panel.h"
#include "window/table.h"
#include "window/twips.h"

void frmMain::CreateClock() {
    sbClock = new StatusPanel("0:00", sbStatusBar);
    sbClock->setObjectName("sbStatusBarClock");
    sbClock->setSpokenPrefix(tr("Time on this puzzle: "));
    sbClock->setMinimumWidth(Px(700));
    // Its own width, whatever the panels beside it ask: a panel that the layout may ignore would
    // be pushed off the bar by a wide verdict.
    sbClock->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    sbStatusBar->addPermanentWidget(sbClock);
    const bool on = ReadSettingInt(ShowClockSetting) == 1;
    sbClock->setVisible(on);
    MenuItem("mnuViewClock")->setChecked(on);
    auto* tick = new QTimer(this);
    connect(tick, &QTimer::timeout, this, &frmMain::UpdateClock);
    tick->start(250);  // a second's change shows within a quarter of it
}

void frmMain::UpdateClock() {
    if (!sbClock->isVisibleTo(this)) return;
    const std::optional<int64_t> elapsed = Record().Elapsed(NowMs());
    sbClock->setText(QString::fromStdString(ClockText(elapsed.value_or(0))));
}

void frmMain::mnuViewClock_Click() {
    const bool on = !sbClock->isVisibleTo(this);
    sbClock->setVisible(on);
    MenuItem("mnuViewClock")->setChecked(on);
    WriteSetting(ShowClockSetting, QString::number(on ? 1 : 0));
    UpdateClock();
}

void frmMain::mnuViewStatistics_Click() {
    frmStatistics dialog(this);
    dialog.exec();
    if (answer_) answer_->ShowTally();  // a reset shows in Your Answer at once
}

void frmMain::mnuViewPlayer_Click() {
    frmPlayer dialog(this, table_);
    if (dialog.exec() == QDialog::Accepted) table_->SwitchPlayer(dialog.Chosen());
}
