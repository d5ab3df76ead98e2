// The Options dialog: number of face cards and highest card, applied as a new game at once.
#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTabBar;

class frmOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(QWidget* parent);

    void Form_Load();       // the lists show the current values
    void ShowWhereNoAnswersTurnUp();  // greys "no answer" where the cards and operations leave none
    void cmdApply_Click();  // stores the options; whoever shows the dialog puts them in force on Applied
    void cmdOK_Click();
    void cmdCancel_Click();
    void tbsOptions_Click();
    void NextTab(int step);  // Ctrl+Tab (+1) and Ctrl+Shift+Tab (-1), wrapping

    QTabBar* tbsOptions;
    std::array<QFrame*, 4> picOptions{};
    QLabel* Label1;
    QComboBox* cboCardCnt;
    QLabel* Label2;
    QComboBox* cboHighCard;
    QCheckBox* chkAnswerOnly;  // deal only puzzles with an answer
    QCheckBox* chkNoAnswers;   // now and then a puzzle with no answer; greyed where none turn up
    QLabel* Label3;
    QComboBox* cboLevel;       // deal only puzzles of one difficulty: "any", "1 (easy)", "2".."4", "5 (hard)"
    QLabel* Label4;
    QComboBox* cboHeadStart;   // when the computer starts looking on a new puzzle
    QLabel* Label5;
    QComboBox* cboOrder;       // Rules page: the game's own order of operations, or the school's
    QLabel* lblOperations;
    QComboBox* cboOperations;  // Rules page: all four operations, + and − only, or +, − and ×
    QLabel* Label6;
    QComboBox* cboLanguage;    // Rules page: the system's language, English, Deutsch, Français
    QLabel* lblLanguage;       // which takes effect at the next start
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdApply;

signals:
    void Applied();
};
