// Options: lists preset from the game, Apply reshuffles and deals twice, Cancel keeps applied.
#include "dialogs/frmoptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>

#include <algorithm>

#include "deal/dealing.h"
#include "dialogs/number_list.h"
#include "engine/globals.h"
#include "platform/language.h"
#include "window/fit_text.h"
#include "window/settings.h"
#include "window/twips.h"

frmOptions::frmOptions(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmOptions");
    setWindowTitle(tr("Options"));
    setFixedSize(Px(6150), Px(5010));

    tbsOptions = new QTabBar(this);
    tbsOptions->setObjectName("tbsOptions");
    tbsOptions->addTab(tr("Standard"));
    tbsOptions->addTab(tr("Rules"));
    tbsOptions->setExpanding(false);
    const int tabHeight = tbsOptions->sizeHint().height();
    tbsOptions->setGeometry(Px(105), Px(120), Px(5895), tabHeight);
    auto* tabFrame = new QFrame(this);  // the strip's body, under the pages
    tabFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    tabFrame->setGeometry(Px(105), Px(120) + tabHeight, Px(5895), Px(4365) - Px(120) - tabHeight);
    // The pages start below the tabs, which a style or a large font may make taller than their
    // 360 twips: nothing of a page stands over a tab.
    const int pageTop = std::max(Px(480), Px(120) + tabHeight + 1);
    connect(tbsOptions, &QTabBar::tabBarClicked, this, [this](int) { tbsOptions_Click(); });
    connect(tbsOptions, &QTabBar::currentChanged, this, [this](int) { tbsOptions_Click(); });

    QFont sans("MS Sans Serif");
    sans.setStyleHint(QFont::SansSerif);
    for (int i = 0; i < 4; ++i) {
        picOptions[i] = new QFrame(this);
        picOptions[i]->setObjectName(QString("picOptions%1").arg(i));
        picOptions[i]->setGeometry(Px(i == 0 ? 210 : -20000), pageTop, Px(5685), Px(3780));
        picOptions[i]->setEnabled(i == 0);
        auto* frame = new QFrame(picOptions[i]);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        frame->setGeometry(TwipsRect(208, 207, 5220, 3285));
    }
    QWidget* page = picOptions[0]->findChild<QFrame*>();

    Label1 = new QLabel(tr("Number of puzzle cards"), page);
    Label1->setObjectName("Label1");
    Label1->setGeometry(TwipsRect(300, 480, 2175, 255));
    cboCardCnt = new QComboBox(page);
    cboCardCnt->setObjectName("cboCardCnt");
    cboCardCnt->addItems({"3", "4", "5", "6", "7"});
    cboCardCnt->setToolTip(tr("Choose the number of cards in the top row"));
    cboCardCnt->setGeometry(Px(2820), Px(420), Px(1575), cboCardCnt->sizeHint().height());
    Label1->setBuddy(cboCardCnt);

    Label2 = new QLabel(tr("Highest card"), page);
    Label2->setObjectName("Label2");
    Label2->setGeometry(TwipsRect(300, 1140, 2175, 255));
    cboHighCard = new QComboBox(page);
    cboHighCard->setObjectName("cboHighCard");
    cboHighCard->addItems({"5", "6", "7", "8", "9", "10", "12", "15", "20", "25", "30", "40", "50"});
    cboHighCard->setToolTip(tr("Set the highst card limit"));
    cboHighCard->setGeometry(Px(2820), Px(1080), Px(1575), cboHighCard->sizeHint().height());
    Label2->setBuddy(cboHighCard);
    // Dealing: below the two game options, in the same frame; the defaults deal every puzzle.
    chkAnswerOnly = new QCheckBox(tr("Deal only puzzles with an a&nswer"), page);
    chkAnswerOnly->setObjectName("chkAnswerOnly");
    chkAnswerOnly->setToolTip(tr("Deal skips puzzles that no answer solves"));
    chkAnswerOnly->setGeometry(Px(300), Px(1590), Px(4700), chkAnswerOnly->sizeHint().height());
    chkNoAnswers = new QCheckBox(tr("Now and then a puzzle with no ans&wer"), page);
    chkNoAnswers->setObjectName("chkNoAnswers");
    chkNoAnswers->setToolTip(tr("About one deal in five has no answer, for you to find out with \"No answer\" in Your Answer;\n"
                                "the computer then waits until you give up.\n"
                                "Only with 3 or 4 cards, or with fewer operations: otherwise almost every puzzle has an answer."));
    chkNoAnswers->setGeometry(Px(300), Px(1920), Px(4700), chkNoAnswers->sizeHint().height());
    Label3 = new QLabel(tr("&Difficulty"), page);
    Label3->setObjectName("Label3");
    Label3->setGeometry(TwipsRect(300, 2400, 2175, 255));
    cboLevel = new QComboBox(page);
    cboLevel->setObjectName("cboLevel");
    cboLevel->addItems({tr("any"), tr("1 (easy)"), "2", "3", "4", tr("5 (hard)")});
    cboLevel->setToolTip(tr("Deal only puzzles of this difficulty, 1 easy to 5 hard"));
    cboLevel->setAccessibleName(tr("Difficulty of the puzzles dealt"));
    cboLevel->setGeometry(Px(2820), Px(2340), Px(1575), cboLevel->sizeHint().height());
    Label3->setBuddy(cboLevel);
    // The player's head start: the race is the game's own at once, the default.
    Label4 = new QLabel(tr("Computer &starts"), page);
    Label4->setObjectName("Label4");
    Label4->setGeometry(TwipsRect(300, 2940, 2175, 255));
    cboHeadStart = new QComboBox(page);
    cboHeadStart->setObjectName("cboHeadStart");
    cboHeadStart->addItems({tr("at once"), tr("after 10 s"), tr("after 30 s"), tr("after 60 s"), tr("only when I give up")});
    cboHeadStart->setToolTip(tr("Give yourself time before the computer starts its search"));
    cboHeadStart->setAccessibleName(tr("When the computer starts looking"));
    cboHeadStart->setGeometry(Px(2820), Px(2880), Px(2250), cboHeadStart->sizeHint().height());
    Label4->setBuddy(cboHeadStart);
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label2, Label3, Label4, cboCardCnt, cboHighCard, chkAnswerOnly,
                                                      chkNoAnswers, cboLevel, cboHeadStart})
        w->setFont(sans);

    // Rules: the order of operations, for the computer and the player alike.
    QWidget* rules = picOptions[1]->findChild<QFrame*>();
    Label5 = new QLabel(tr("&Order of operations"), rules);
    Label5->setObjectName("Label5");
    Label5->setGeometry(TwipsRect(300, 480, 4800, 255));
    cboOrder = new QComboBox(rules);
    cboOrder->setObjectName("cboOrder");
    cboOrder->addItems({tr("The game's own: x, then /, then +, then -"), tr("School: x and / left to right, then + and - left to right")});
    cboOrder->setToolTip(tr("How a calculation is read: 10 - 4 + 3 is 3 in the game's order and 9 in the school's"));
    cboOrder->setAccessibleName(tr("Order of operations"));
    cboOrder->setGeometry(Px(300), Px(840), Px(4900), cboOrder->sizeHint().height());
    Label5->setBuddy(cboOrder);
    Label5->setFont(sans);
    cboOrder->setFont(sans);
    FitText(Label5);
    // The school's entry is long: the list's type shrinks until it shows whole in the page.
    QFont fitted = cboOrder->font();
    const QString longest = cboOrder->itemText(1);
    while (fitted.pointSizeF() > 6 && QFontMetrics(fitted).horizontalAdvance(longest) + 36 > cboOrder->width())
        fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
    cboOrder->setFont(fitted);
    // The operations allowed, for a class that has not met × or ÷ yet; entry i is
    // AllowedOperations i.
    lblOperations = new QLabel(tr("O&perations allowed"), rules);
    lblOperations->setObjectName("lblOperations");
    lblOperations->setGeometry(TwipsRect(300, 1560, 2400, 255));
    cboOperations = new QComboBox(rules);
    cboOperations->setObjectName("cboOperations");
    cboOperations->addItems({tr("All four"), tr("+ and \u2212 only"), tr("+, \u2212 and \u00D7")});
    cboOperations->setToolTip(tr("The operations answers may use: the puzzles dealt, the answers counted, the board and the computer's search keep to them"));
    cboOperations->setAccessibleName(tr("Operations allowed"));
    cboOperations->setGeometry(Px(2820), Px(1500), Px(2250), cboOperations->sizeHint().height());
    lblOperations->setBuddy(cboOperations);
    for (QWidget* w : std::initializer_list<QWidget*>{lblOperations, cboOperations}) w->setFont(sans);
    // Puzzles with no answer: greyed where it would change nothing, ungreyed as soon as the number
    // of cards or the operations allow it.
    connect(cboCardCnt, &QComboBox::currentTextChanged, this, &frmOptions::ShowWhereNoAnswersTurnUp);
    connect(cboOperations, &QComboBox::currentIndexChanged, this, &frmOptions::ShowWhereNoAnswersTurnUp);
    FitText(lblOperations);
    // The language: each named in its own words, so anyone finds theirs; from the next start.
    Label6 = new QLabel(tr("&Language"), rules);
    Label6->setObjectName("Label6");
    Label6->setGeometry(TwipsRect(300, 2100, 2175, 255));
    cboLanguage = new QComboBox(rules);
    cboLanguage->setObjectName("cboLanguage");
    cboLanguage->addItem(tr("The system's"), QString());
    cboLanguage->addItem("English", QString("en"));
    for (const QString& language : Languages()) cboLanguage->addItem(NativeName(language), language);
    cboLanguage->setToolTip(tr("The language of the game's windows"));
    cboLanguage->setAccessibleName(tr("Language"));
    cboLanguage->setGeometry(Px(2820), Px(2040), Px(2250), cboLanguage->sizeHint().height());
    Label6->setBuddy(cboLanguage);
    lblLanguage = new QLabel(tr("A new language takes effect the next time Pelorand starts."), rules);
    lblLanguage->setObjectName("lblLanguage");
    lblLanguage->setWordWrap(true);
    lblLanguage->setGeometry(TwipsRect(300, 2580, 4900, 600));
    for (QWidget* w : std::initializer_list<QWidget*>{Label6, cboLanguage, lblLanguage}) w->setFont(sans);
    FitText(Label6);
    FitText(lblLanguage);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(TwipsRect(2520, 4455, 1095, 375));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);  // Esc: QDialog rejects, which is Cancel
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setGeometry(TwipsRect(3720, 4455, 1095, 375));
    cmdApply = new QPushButton(tr("Apply"), this);
    cmdApply->setObjectName("cmdApply");
    cmdApply->setGeometry(TwipsRect(4920, 4455, 1095, 375));
    FitText(Label1);
    FitText(Label2);
    FitText(Label3);
    FitText(Label4);
    FitText({cmdOK, cmdCancel, cmdApply});
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmOptions::cmdApply_Click);

    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    auto* previous2 = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), this);
    connect(next, &QShortcut::activated, this, [this] { NextTab(1); });
    connect(previous, &QShortcut::activated, this, [this] { NextTab(-1); });
    connect(previous2, &QShortcut::activated, this, [this] { NextTab(-1); });

    Form_Load();
    cboCardCnt->setFocus();  // the first thing a player changes
}

void frmOptions::ShowWhereNoAnswersTurnUp() {
    chkNoAnswers->setEnabled(NoAnswerDealsPossible(cboCardCnt->currentText().toInt(), static_cast<AllowedOperations>(cboOperations->currentIndex())));
}

void frmOptions::Form_Load() {
    ChooseNumber(cboCardCnt, FaceCards);
    ChooseNumber(cboHighCard, HighCard);
    chkAnswerOnly->setChecked(ReadSettingInt(DealAnswerOnlySetting) == 1);
    chkNoAnswers->setChecked(ReadSettingInt(DealNoAnswersSetting) == 1);
    cboLevel->setCurrentIndex(ReadSettingInt(DealLevelSetting));  // entry i is level i, "any" 0
    cboHeadStart->setCurrentIndex(ReadSettingInt(HeadStartSetting));
    cboOrder->setCurrentIndex(ReadSettingInt(OrderSetting));
    cboOperations->setCurrentIndex(ReadSettingInt(OperationsSetting));
    ShowWhereNoAnswersTurnUp();
    cboLanguage->setCurrentIndex(std::max(0, cboLanguage->findData(StoredLanguage())));
}

void frmOptions::cmdApply_Click() {
    WriteSetting(FaceCardsSetting, cboCardCnt->currentText());
    WriteSetting(HighCardSetting, cboHighCard->currentText());
    WriteSetting(DealAnswerOnlySetting, QString::number(chkAnswerOnly->isChecked() ? 1 : 0));
    WriteSetting(DealLevelSetting, QString::number(cboLevel->currentIndex()));
    WriteSetting(DealNoAnswersSetting, QString::number(chkNoAnswers->isChecked() ? 1 : 0));
    WriteSetting(HeadStartSetting, QString::number(cboHeadStart->currentIndex()));
    WriteSetting(OrderSetting, QString::number(cboOrder->currentIndex()));
    WriteSetting(OperationsSetting, QString::number(cboOperations->currentIndex()));
    StoreLanguage(cboLanguage->currentData().toString());
    emit Applied();
}

void frmOptions::cmdOK_Click() {
    cmdApply_Click();
    accept();
}

void frmOptions::cmdCancel_Click() { reject(); }

void frmOptions::tbsOptions_Click() {
    for (int i = 0; i < tbsOptions->count(); ++i) {
        const bool selected = i == tbsOptions->currentIndex();
        picOptions[i]->move(Px(selected ? 210 : -20000), picOptions[i]->y());
        picOptions[i]->setEnabled(selected);
    }
}

void frmOptions::NextTab(int step) {
    const int count = tbsOptions->count();
    tbsOptions->setCurrentIndex((tbsOptions->currentIndex() + step + count) % count);
    tbsOptions_Click();
}
