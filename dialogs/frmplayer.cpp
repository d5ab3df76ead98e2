// The Player window: the list of players, a name to add, and Delete that asks first.
#include "dialogs/frmplayer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/msgbox.h"
#include "window/players.h"
#include "window/settings.h"
#include "window/table.h"

frmPlayer::frmPlayer(QWidget* owner, Table* table)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), table_(table) {
    setObjectName("frmPlayer");
    setWindowTitle(tr("Player"));
    lblPlayers = new QLabel(tr("&Who is playing?"), this);
    lstPlayers = new QListWidget(this);
    lstPlayers->setObjectName("lstPlayers");
    lblPlayers->setBuddy(lstPlayers);
    lblName = new QLabel(tr("&New player:"), this);
    txtName = new QLineEdit(this);
    txtName->setObjectName("txtName");
    txtName->setMaxLength(MaxPlayerName);
    lblName->setBuddy(txtName);
    cmdAdd = new QPushButton(tr("&Add"), this);
    cmdAdd->setObjectName("cmdAdd");
    cmdAdd->setAutoDefault(false);
    lblProblem = new QLabel(this);
    lblProblem->setObjectName("lblProblem");
    lblProblem->setWordWrap(true);
    lblProblem->hide();
    cmdDelete = new QPushButton(tr("&Delete..."), this);
    cmdDelete->setObjectName("cmdDelete");
    cmdDelete->setAutoDefault(false);
    cmdDelete->setToolTip(tr("Removes the player with his statistics and log"));
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName("cmdCancel");

    connect(cmdAdd, &QPushButton::clicked, this, &frmPlayer::cmdAdd_Click);
    // Enter in the name adds it, rather than closing with the player chosen before.
    connect(txtName, &QLineEdit::returnPressed, this, &frmPlayer::cmdAdd_Click);
    connect(txtName, &QLineEdit::textEdited, lblProblem, &QLabel::hide);
    connect(cmdDelete, &QPushButton::clicked, this, &frmPlayer::cmdDelete_Click);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstPlayers, &QListWidget::currentRowChanged, this, &frmPlayer::Selected);
    connect(lstPlayers, &QListWidget::itemActivated, this, &QDialog::accept);

    auto* add = new QHBoxLayout;
    add->addWidget(txtName, 1);
    add->addWidget(cmdAdd);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdDelete);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPlayers);
    layout->addWidget(lstPlayers);
    layout->addWidget(lblName);
    layout->addLayout(add);
    layout->addWidget(lblProblem);
    layout->addLayout(buttons);
    Fill(CurrentPlayer());
    lstPlayers->setFocus();
}

void frmPlayer::Fill(const QString& selected) {
    lstPlayers->clear();
    auto* first = new QListWidgetItem(AccountUserName(), lstPlayers);
    first->setData(Qt::UserRole, QString());
    for (const QString& name : OtherPlayers()) {
        auto* item = new QListWidgetItem(name, lstPlayers);
        item->setData(Qt::UserRole, name);
        if (name == selected) lstPlayers->setCurrentItem(item);
    }
    if (!lstPlayers->currentItem()) lstPlayers->setCurrentRow(0);
    Selected();
}

QString frmPlayer::Chosen() const {
    const QListWidgetItem* item = lstPlayers->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void frmPlayer::Selected() { cmdDelete->setEnabled(!Chosen().isEmpty()); }

void frmPlayer::cmdAdd_Click() {
    const QString problem = NameProblem(txtName->text());
    if (!problem.isEmpty()) {
        lblProblem->setText(problem);
        lblProblem->show();
        txtName->setFocus();
        return;
    }
    const QString name = txtName->text().trimmed();
    AddPlayer(name);
    txtName->clear();
    Fill(name);
    lstPlayers->setFocus();
}

void frmPlayer::cmdDelete_Click() {
    const QString player = Chosen();
    if (player.isEmpty()) return;  // the first player stays: there is always someone to play
    if (!AskYesNo(tr("Delete the player %1? The statistics and the log of every puzzle %1 played go too. This cannot be undone.").arg(player),
                  this))
        return;
    // The one playing now hands the table to the first player before his record goes.
    if (CurrentPlayer() == player) table_->SwitchPlayer({});
    DeletePlayer(player);
    Fill(CurrentPlayer());
}
