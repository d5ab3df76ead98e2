// View > Player: who plays now, chosen from the list of players on this computer, or added.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Table;

class frmPlayer : public QDialog {
    Q_OBJECT
public:
    frmPlayer(QWidget* owner, Table* table);

    // The player chosen in the list: "" for the first.
    QString Chosen() const;
    void cmdAdd_Click();     // the typed name as a new player, chosen in the list
    void cmdDelete_Click();  // asks first; never the first player

    QLabel* lblPlayers;
    QListWidget* lstPlayers;  // the first player first, then the others as added
    QLabel* lblName;
    QLineEdit* txtName;
    QPushButton* cmdAdd;
    QLabel* lblProblem;  // why a name cannot be added
    QPushButton* cmdDelete;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void Fill(const QString& selected);  // the list afresh, selected chosen
    void Selected();                     // Delete only for a player it may remove
    Table* table_;
};
