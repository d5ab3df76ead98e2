// Every window in another language: under the pseudo language, whose every text is marked, no
// English text may be left unmarked (it would have bypassed the translation); in English, German
// and French, no text may be cut off by its place.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

#include "dialogs/frmabout.h"
#include "dialogs/frmnewpuzzle.h"
#include "dialogs/frmoptions.h"
#include "dialogs/frmplayer.h"
#include "dialogs/frmstatistics.h"
#include "dialogs/frmworksheet.h"
#include "gui_env.h"
#include "platform/language.h"
#include "window/board_view.h"
#include "window/frmanswer.h"
#include "window/frmsoln.h"
#include "window/frmsplash.h"
#include "window/players.h"
#include "window/status_panel.h"

namespace {

const QString Mark = QString::fromUtf8("\u27E6");

// A text no language changes: numbers, signs and attempts, the game's name, the languages'
// own names, file names; or the placeholders the game replaces before anyone sees them.
bool LanguageFree(QString text) {
    text.remove('&');
    static const QStringList names{"Pelorand", "English", "Deutsch", QString::fromUtf8("Fran\u00E7ais"), "Win95/WinNT", "Label1", "Text1"};
    if (names.contains(text.trimmed())) return true;
    if (text.contains(QRegularExpression("^([2-9A-Z]{11}|[2-9A-Z]{13})$"))) return true;  // a worksheet's code
    if (text.contains(QRegularExpression("\\.pld$|\\.PLD$|\\.csv$"))) return true;
    // Words are two letters or more in a row; "x" alone is a sign.
    return !text.contains(QRegularExpression("[A-Za-z\u00C0-\u024F]{2,}"));
}

// Qt's own buttons (a tab bar's arrows, a button box's Cancel): Qt's translations name them.
bool QtsOwn(QWidget* w) {
    if (w->objectName().startsWith("Scroll") || w->objectName().startsWith("qt_")) return true;
    auto* box = qobject_cast<QDialogButtonBox*>(w->parentWidget());
    auto* button = qobject_cast<QPushButton*>(w);
    return box && button && box->standardButton(button) != QDialogButtonBox::NoButton;
}

class Walk {
public:
    QStringList problems;

    void Text(const QString& text, const QString& where) {
        if (text.isEmpty() || LanguageFree(text) || text.contains(Mark)) return;
        problems << where + ": \"" + text + "\"";
    }

    void Widget(QWidget* top) {
        QList<QWidget*> all = top->findChildren<QWidget*>();
        all.prepend(top);
        for (QWidget* w : all) {
            if (QtsOwn(w)) continue;
            const QString at = top->objectName() + "/" + (w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName());
            if (w->isWindow()) Text(w->windowTitle(), at + " title");
            Text(w->toolTip(), at + " tip");
            Text(w->accessibleName(), at + " name");
            Text(w->accessibleDescription(), at + " description");
            Text(w->whatsThis(), at + " what's this");
            if (auto* l = qobject_cast<QLabel*>(w)) Text(l->text(), at);
            if (auto* b = qobject_cast<QAbstractButton*>(w)) Text(b->text(), at);
            if (auto* e = qobject_cast<QLineEdit*>(w)) {
                Text(e->placeholderText(), at + " placeholder");
                if (e->isReadOnly()) Text(e->text(), at);
            }
            // Statistics' player list holds names as the players typed them (and the account's).
            if (auto* c = qobject_cast<QComboBox*>(w); c && c->objectName() != "cboPlayer")
                for (int i = 0; i < c->count(); ++i) Text(c->itemText(i), at + " item");
            if (auto* t = qobject_cast<QTabBar*>(w))
                for (int i = 0; i < t->count(); ++i) Text(t->tabText(i), at + " tab");
            if (auto* g = qobject_cast<QGroupBox*>(w)) Text(g->title(), at);
            if (auto* p = qobject_cast<QPlainTextEdit*>(w))
                for (const QString& line : p->toPlainText().split('\n')) Text(line, at);
            if (auto* list = qobject_cast<QListWidget*>(w))
                for (int i = 0; i < list->count(); ++i) Text(list->item(i)->data(Qt::AccessibleTextRole).toString(), at + " item");
            if (auto* table = qobject_cast<QTableWidget*>(w)) {
                for (int c = 0; c < table->columnCount(); ++c)
                    if (table->horizontalHeaderItem(c)) {
                        Text(table->horizontalHeaderItem(c)->text(), at + " header");
                        Text(table->horizontalHeaderItem(c)->toolTip(), at + " header tip");
                    }
                for (int r = 0; r < table->rowCount(); ++r)
                    for (int c = 0; c < table->columnCount(); ++c)
                        if (table->item(r, c)) Text(table->item(r, c)->text(), at + " cell");
            }
            if (auto* s = qobject_cast<StatusPanel*>(w)) {
                Text(s->text(), at);
                Text(s->SpokenName(), at + " spoken");
            }
            if (auto* m = qobject_cast<QMenu*>(w)) Text(m->title(), at + " menu");
        }
        for (QAction* a : top->findChildren<QAction*>()) {
            Text(a->text(), "action " + a->objectName());
            Text(a->toolTip(), "action " + a->objectName() + " tip");
            Text(a->statusTip(), "action " + a->objectName() + " status");
        }
    }
};

QString Rect(const QRect& r) { return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

// Whether a text shows whole in its widget, as drawn in its font.
QStringList Clipped(QWidget* top) {
    QStringList out;
    QList<QWidget*> all = top->findChildren<QWidget*>();
    all.prepend(top);
    for (QWidget* w : all) {
        if (!w->isVisible()) continue;
        const QFontMetrics m(w->font());
        const QString at = top->objectName() + "/" + w->objectName();
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty() && l->pixmap().isNull()) {
            QString text = l->text();
            text.remove('&');
            const QRect room = l->contentsRect();
            const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect needed = m.boundingRect(room, flags, text);
            if (needed.width() > room.width() || needed.height() > room.height())
                out << at + ": \"" + text + "\" needs " + QString::number(needed.width()) + "x" + QString::number(needed.height()) +
                           " in " + QString::number(room.width()) + "x" + QString::number(room.height());
        }
        if (auto* b = qobject_cast<QPushButton*>(w); b && !b->text().isEmpty()) {
            QString text = b->text();
            text.remove('&');
            const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
            const int frame = 2 * b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
            if (m.horizontalAdvance(text) + icon + frame > b->width())
                out << at + ": \"" + text + "\" is wider than its button (" + QString::number(b->width()) + ")";
        }
        if (auto* c = qobject_cast<QCheckBox*>(w); c && c->sizeHint().width() > c->width())
            out << at + ": \"" + c->text() + "\" is cut off (" + QString::number(c->sizeHint().width()) + " > " +
                       QString::number(c->width()) + ")";
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                if (m.horizontalAdvance(c->itemText(i)) + 24 > c->width())
                    out << at + ": item \"" + c->itemText(i) + "\" is wider than its list (" + QString::number(c->width()) + ")";
        if (auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i)
                if (t->tabRect(i).right() > t->width()) out << at + ": tab \"" + t->tabText(i) + "\" is cut off";
        // The search's own words in the first panel, and the clock (not a long attempt, which may be
        // cut at its end, nor the verdict, whose tooltip holds it whole in a narrow window).
        if (auto* p = qobject_cast<StatusPanel*>(w); p && p->objectName() != "sbStatusBarPanel3" && !p->text().isEmpty() &&
                                                      !p->text().contains(QRegularExpression("^[0-9#~x\u00F7()=.e+ -]+$")))
            if (m.horizontalAdvance(p->text()) > p->contentsRect().width() - 6)
                out << at + ": \"" + p->text() + "\" is cut off in its panel (" + QString::number(p->contentsRect().width()) + ")";
        // Your Answer's result and steps show whole: the deciding line never needs scrolling.
        if (auto* e = qobject_cast<QAbstractScrollArea*>(w); e && top->objectName() == "frmAnswer" &&
                                                             (qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QListWidget*>(w)) &&
                                                             e->verticalScrollBar()->maximum() > 0)
            out << at + ": needs scrolling to show all it holds";
    }
    return out;
}

// Visible widgets of one parent that overlap without one holding the other: a text drawn across
// another's frame. Only plain containers count: what a list, a text box, a combo box or a
// button holds inside is its own business.
QStringList Overlaps(QWidget* top) {
    QStringList out;
    QList<QWidget*> parents = top->findChildren<QWidget*>();
    parents.prepend(top);
    for (QWidget* parent : parents) {
        if (!parent->isVisible() || qobject_cast<QAbstractScrollArea*>(parent) || qobject_cast<QComboBox*>(parent) ||
            qobject_cast<QAbstractButton*>(parent) || qobject_cast<QTabBar*>(parent) || parent->inherits("QScrollBar") ||
            parent->inherits("QAbstractSpinBox") || parent->inherits("QMenuBar") || parent->inherits("QToolBar"))
            continue;
        QList<QWidget*> kids;
        for (QObject* o : parent->children())
            if (auto* k = qobject_cast<QWidget*>(o); k && k->isVisible() && !k->isWindow()) kids << k;
        // Partly outside its parent: cut off (a page put wholly out of sight is out of sight).
        for (QWidget* k : kids)
            if (k->geometry().intersects(parent->rect()) && !parent->rect().contains(k->geometry()))
                out << top->objectName() + ": " + k->objectName() + " " + Rect(k->geometry()) + " is cut off by " +
                           (parent->objectName().isEmpty() ? parent->metaObject()->className() : parent->objectName()) + " " + Rect(parent->rect());
        for (int i = 0; i < kids.size(); ++i)
            for (int j = i + 1; j < kids.size(); ++j) {
                const QRect a = kids[i]->geometry(), b = kids[j]->geometry();
                if (a.intersects(b) && !a.contains(b) && !b.contains(a))
                    out << top->objectName() + ": " + kids[i]->objectName() + " " + Rect(a) + " and " + kids[j]->objectName() + " " + Rect(b) +
                               " overlap";
            }
    }
    return out;
}

class InEveryLanguage : public GuiTest {
protected:
    void TearDown() override {
        UseLanguage("en");
        GuiTest::TearDown();
    }

    // Opens every window and dialog, each with texts in every place that can hold one, and
    // calls look on each: the game window at every number of cards, Your Answer in each of its
    // states (the countdown, the tip on racing, every verdict, every refusal, the hints).
    template <class Look>
    void EveryWindow(Look look) {
        FixedNowMs = 0;
        frmMain& w = Start();
        w.mnuViewClock_Click();
        const std::vector<std::vector<int>> rows{{3, 3, 8}, {3, 3, 8, 8}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6, 7}};
        for (const std::vector<int>& cards : rows) {
            w.SetPuzzle(cards, 99);  // a note: the number of cards changed
            QCoreApplication::processEvents();
            for (int i = 0; i < 500 && Solving; ++i) SearchStep();  // the status bar's attempts and counts
            look(&w);
            int sum = 0;
            for (int c : cards) sum += c;
            w.SetPuzzle(cards, sum);  // found soon: "Got it, do you give up?"
            for (int i = 0; i < 200000 && Solving; ++i) SearchStep();
            QCoreApplication::processEvents();
            look(&w);
        }
        Store("Game", "HeadStart", "1");  // the countdown
        w.SetPuzzle({3, 3, 8, 8}, 24);
        look(&w);
        Store("Game", "HeadStart", "4");
        w.SetPuzzle({3, 3, 8, 8}, 24);
        look(&w);
        w.mnuEditYourAnswer_Click();  // the countdown and Give Up where the player plays
        frmAnswer* a = w.Answer();
        QCoreApplication::processEvents();
        look(a);
        Store("Game", "HeadStart", "0");
        w.SetPuzzle({5, 3, 7, 2}, 24);  // solved by the computer before the player began: the tip
        for (int i = 0; i < 200000 && Solving; ++i) SearchStep();
        a->hide();
        w.mnuEditYourAnswer_Click();
        QCoreApplication::processEvents();
        look(a);
        auto settle = [] {
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < 60) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        };

        w.SetPuzzle({3, 3, 8, 8}, 24);
        a->fraBoard->chkWholeNumbers->setChecked(true);
        QTest::keyClicks(a->fraBoard->cmdTile[2], "3/1");  // refused: 8 / 3 is a fraction
        settle();
        look(a);
        a->fraBoard->cmdStartOver->click();
        QTest::keyClicks(a->fraBoard->cmdTile[0], "1-3");  // refused: 3 - 8 is below zero
        settle();
        look(a);
        a->fraBoard->chkWholeNumbers->setChecked(false);
        a->fraBoard->cmdStartOver->click();
        QTest::keyClicks(a->fraBoard->cmdTile[0], "1-2 2/1");  // 3 - 3 = 0, then 8 / 0: refused
        settle();
        look(a);
        a->fraBoard->cmdStartOver->click();
        QTest::keyClicks(a->fraBoard->cmdTile[2], "3/1 1-2 2/1");  // 8 / (3 - 8 / 3), judged, beyond the computer
        settle();
        look(a);
        a->txtAnswer->setText("8 / (3 - 8 / 4)");  // not on the table
        a->cmdCheck->click();
        settle();
        look(a);
        a->txtAnswer->setText("8 * 3 + 3 - 8");  // a wrong value
        a->cmdCheck->click();
        settle();
        look(a);
        w.SetPuzzle({11, 1, 4, 3}, 11);  // right only in the school's reading
        a->txtAnswer->setText("11 + 1 - 4 + 3");
        a->cmdCheck->click();
        settle();
        look(a);
        w.SetPuzzle({5, 3, 7, 2}, 24);
        QTest::keyClicks(a->txtAnswer, "5 + 3 * 7 - 2");  // typed in the race, and checked first
        a->cmdCheck->click();
        settle();
        look(a);
        w.SetPuzzle({5, 3, 7, 2}, 24);
        QTest::keyClicks(a->txtAnswer, "5");  // in the race, but the computer is first
        for (int i = 0; i < 200000 && Solving; ++i) SearchStep();
        a->txtAnswer->setText("5 + 3 * 7 - 2");
        a->cmdCheck->click();
        settle();
        look(a);
        w.SetPuzzle({1, 2, 3, 4, 5, 6, 7}, 28);  // seven cards on the board, six steps
        QElapsedTimer clock;
        clock.start();
        while (!w.VerdictOnTable() && clock.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::keyClicks(a->fraBoard->cmdTile[0], "1+2 1+2 1+2 1+2 1+2 1+2");
        settle();
        look(a);
        w.SetPuzzle({3, 3, 8, 8}, 24);
        clock.restart();
        while (!w.VerdictOnTable() && clock.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        for (int i = 0; i < 3; ++i) a->cmdHint->click();  // typed hints, down to the whole solution
        settle();
        look(a);
        w.SetPuzzle({10, 8, 11, 10}, 3);
        clock.restart();
        while (!w.VerdictOnTable() && clock.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::keyClicks(a->fraBoard->cmdTile[0], "1-2");  // off the simplest answer: a hint from the tiles
        a->cmdHint->click();
        settle();
        look(a);
        a->fraBoard->cmdStartOver->click();
        QTest::keyClicks(a->fraBoard->cmdTile[0], "1*2");  // 80 11 10 make no 3: the hint says so
        a->cmdHint->click();
        settle();
        look(a);

        w.cmdAnswer_Click();
        look(w.Soln());
        const auto optionsOwned = w.NewOptions();
        frmOptions& options = *optionsOwned;
        options.show();
        look(&options);
        options.NextTab(1);
        look(&options);
        frmAbout about(&w);
        about.show();
        look(&about);
        frmWorksheet sheet(&w);
        sheet.show();
        look(&sheet);
        frmNewPuzzle puzzle(&w, "3 9 3 9 = 17");
        puzzle.show();
        look(&puzzle);
        frmStatistics stats(&w);
        stats.show();
        look(&stats);
        stats.tabStatistics->setCurrentIndex(1);  // the log, with the rows played above
        look(&stats);
        AddPlayer("Anna");
        frmPlayer players(&w, w.OnTable());
        players.txtName->setText("anna");
        players.cmdAdd->click();  // the reason it cannot be added, under the name
        players.show();
        look(&players);
        frmSplash splash;
        splash.show();
        look(&splash);
    }
};

}  // namespace

TEST_F(InEveryLanguage, EveryTextGoesThroughTheTranslation) {
    UseLanguage("pseudo");
    Walk walk;
    EveryWindow([&walk](QWidget* window) {
        QCoreApplication::processEvents();
        walk.Widget(window);
    });
    // The messages of the game too: a text that is no puzzle, a deck that is no deck.
    QGuiApplication::clipboard()->setText("3 9 = 17");
    game->mnuEditPaste_Click();
    QFile bad(dir.filePath("bad.pld"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(1, 25) + QByteArray(1, 9) + QByteArray(53, 1));  // nine face cards
    bad.close();
    game->LoadFile(bad.fileName());
    game->LoadFile(dir.filePath("no such folder/x.pld"));
    ASSERT_GE(messages.size(), 3) << messages.join("\n").toStdString();
    for (const QString& m : messages) walk.Text(m, "message box");
    walk.problems.removeDuplicates();
    EXPECT_TRUE(walk.problems.isEmpty()) << walk.problems.join('\n').toStdString();
}

TEST_F(InEveryLanguage, NothingOverlapsOrIsCutOff) {
    // Run at 100 % and, as a second ctest entry with PELORAND_TEST_SCALE=2, at 200 %.
    const QByteArray scale = qgetenv("PELORAND_TEST_SCALE");
    ASSERT_EQ(qApp->devicePixelRatio(), scale.isEmpty() ? 1.0 : scale.toDouble());
    for (const char* language : {"en", "de", "fr"}) {
        UseLanguage(language);
        QStringList problems;
        EveryWindow([&problems](QWidget* window) {
            QCoreApplication::processEvents();
            problems << Clipped(window) << Overlaps(window);
        });
        problems.removeDuplicates();
        EXPECT_TRUE(problems.isEmpty()) << language << ":\n" << problems.join('\n').toStdString();
        game.reset();
    }
}
