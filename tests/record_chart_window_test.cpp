// Statistics' charts: their numbers are the table's, the PNG they save, the weeks they count,
// their empty states, and their texts fitting in every language.
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include <ctime>

#include "dialogs/frmstatistics.h"
#include "dialogs/record_chart.h"
#include "gui_env.h"
#include "platform/language.h"

namespace {

class RecordChart : public GuiTest {
protected:
    void TearDown() override {
        UseLanguage("en");
        GuiTest::TearDown();
    }
    // A record with right answers at 4 and 5 cards, a level never solved, and a row of the old rating.
    void StoreRecord() {
        Store("Statistics", "4_1_r2", "5 5 0 0 0 5 5 3000 4500 6200 5100 3900");
        Store("Statistics", "4_2_r2", "4 3 1 0 0 2 3 12000 9500 15000 22000");
        Store("Statistics", "4_3_r2", "2 0 0 2 0 0 0");
        Store("Statistics", "4_5_r2", "2 1 0 0 1 0 1 95000");
        Store("Statistics", "4_0_r2", "1 1 0 0 0 1 1 61500");
        Store("Statistics", "5_2_r2", "2 1 0 0 1 0 1 20000");
        Store("Statistics", "5_4", "1 1 0 0 0 1 1 7000");
    }
    static QStringList TextsOf(const BarChart& chart, BarChart::Part part) {
        QStringList out;
        for (const BarChart::Placed& t : chart.Texts())
            if (t.part == part) out << t.text;
        return out;
    }
    // Every text inside the chart and clear of every other; the title wrapped within its place.
    static QStringList Problems(const BarChart& chart, const QString& where) {
        QStringList out;
        const QList<BarChart::Placed> texts = chart.Texts();
        for (int i = 0; i < texts.size(); ++i) {
            const BarChart::Placed& t = texts[i];
            if (!chart.rect().contains(t.rect))
                out << where + ": \"" + t.text + "\" outside the chart";
            QFont font = chart.font();
            font.setBold(t.part == BarChart::Part::Title);
            const QRect needed = QFontMetrics(font).boundingRect(t.rect, Qt::AlignCenter | Qt::TextWordWrap, t.text);
            if (needed.width() > t.rect.width() || needed.height() > t.rect.height())
                out << where + ": \"" + t.text + "\" cut off";
            for (int j = i + 1; j < texts.size(); ++j)
                if (t.rect.intersects(texts[j].rect)) out << where + ": \"" + t.text + "\" and \"" + texts[j].text + "\" overlap";
            for (const QRect& bar : chart.BarRects())
                if (t.part != BarChart::Part::Title && bar.intersects(t.rect)) out << where + ": a bar covers \"" + t.text + "\"";
        }
        return out;
    }
    static void Tzset() {
#ifdef _WIN32
        _tzset();
#else
        tzset();
#endif
    }
    static qint64 LocalMs(int y, int m, int d, int hour = 12) { return QDateTime(QDate(y, m, d), QTime(hour, 0)).toMSecsSinceEpoch(); }
};

}  // namespace

TEST_F(RecordChart, TheMedianBarsAreTheTablesMedianColumnForTheChosenCards) {
    StoreRecord();
    Store("Game", "FaceCards", "5");
    frmMain& w = Start();
    frmStatistics dialog(&w);
    dialog.show();
    QCoreApplication::processEvents();
    RecordCharts& charts = *dialog.charts;
    EXPECT_EQ(charts.Cards(), FaceCards);  // the game's cards first
    EXPECT_EQ(charts.Cards(), 5);
    for (int cards : {4, 5, 3}) {
        charts.cboCards->setCurrentIndex(charts.cboCards->findData(cards));
        // The table's medians at these cards, by level as the table writes it; the old rating's
        // rows are no bars, their levels meant something else.
        QMap<QString, QString> table;
        for (int r = 0; r < dialog.tblRecord->rowCount(); ++r)
            if (dialog.tblRecord->item(r, 0)->text() == QString::number(cards) && !dialog.tblRecord->item(r, 1)->text().contains("old rating"))
                table[dialog.tblRecord->item(r, 1)->text()] = dialog.tblRecord->item(r, 8)->text();
        ASSERT_FALSE(table.isEmpty() && cards != 3);
        const BarChart& chart = *charts.chtMedians;
        EXPECT_TRUE(chart.accessibleName().contains(QString::number(cards))) << chart.accessibleName().toStdString();
        if (cards == 3) {  // never played at 3 cards
            EXPECT_TRUE(chart.Empty());
            EXPECT_EQ(TextsOf(chart, BarChart::Part::Empty), QStringList{"No right answers yet with 3 cards"});
            EXPECT_TRUE(TextsOf(chart, BarChart::Part::Value).isEmpty());
            continue;
        }
        ASSERT_FALSE(chart.Empty());
        QStringList levels;
        int withTime = 0;
        for (const BarChart::Bar& bar : chart.Bars()) {
            levels << bar.label;
            const QString level = bar.label == "none" ? "none" : bar.label;
            EXPECT_EQ(bar.valueText, table.value(level, QString::fromUtf8("\u2014"))) << cards << " cards, level " << level.toStdString();
            EXPECT_TRUE(chart.accessibleDescription().contains("Level " + bar.label + ": ")) << chart.accessibleDescription().toStdString();
            if (table.contains(level) && table[level] != QString::fromUtf8("\u2014")) {
                ++withTime;
                EXPECT_TRUE(chart.accessibleDescription().contains("Level " + bar.label + ": " + table[level]));
            }
        }
        // Every median the table has at these cards is a bar, and the bars are drawn with their numbers.
        int tableTimes = 0;
        for (const QString& t : table)
            if (t != QString::fromUtf8("\u2014")) ++tableTimes;
        EXPECT_EQ(withTime, tableTimes);
        EXPECT_EQ(levels.mid(0, 5), (QStringList{"1", "2", "3", "4", "5"}));
        EXPECT_EQ(levels.size(), cards == 4 ? 6 : 5);  // "none" only where it has a time
        EXPECT_FALSE(chart.accessibleDescription().contains("7.0 s"));  // the old rating's median at 5 cards
        QStringList drawn;
        for (const BarChart::Bar& bar : chart.Bars()) drawn << bar.valueText;
        EXPECT_EQ(TextsOf(chart, BarChart::Part::Value), drawn);
        // Taller for a longer median.
        const QList<QRect> bars = chart.BarRects();
        ASSERT_EQ(bars.size(), chart.Bars().size());
        if (cards == 4) {
            EXPECT_LT(bars[0].height(), bars[1].height());
            EXPECT_LT(bars[1].height(), bars[4].height());
            EXPECT_LE(bars[2].height(), 1);
        }
    }
    // The table's reset empties the chart too.
    AskHook = [](const QString&) { return true; };
    charts.cboCards->setCurrentIndex(charts.cboCards->findData(4));
    dialog.cmdReset_Click();
    EXPECT_TRUE(charts.chtMedians->Empty());
}

TEST_F(RecordChart, TheWeekChartCountsRightAnswersPerLocalWeekOverTheYearsTurn) {
    frmMain& w = Start();
    frmStatistics dialog(&w);
    RecordCharts& charts = *dialog.charts;
    const BarChart& chart = *charts.chtWeeks;
    // Statistics has no times of right answers yet.
    EXPECT_TRUE(chart.Empty());
    EXPECT_EQ(TextsOf(chart, BarChart::Part::Empty), QStringList{"No right answers yet"});

    const QDate today(2027, 1, 6);  // a Wednesday in 2027's week 1
    charts.ShowRightAnswers({LocalMs(2027, 1, 6), LocalMs(2027, 1, 4, 0), LocalMs(2027, 1, 3, 23), LocalMs(2026, 12, 31),
                             LocalMs(2026, 10, 19, 0), LocalMs(2026, 10, 18, 23), LocalMs(2027, 1, 7)},
                            today);
    ASSERT_FALSE(chart.Empty());
    QStringList labels, counts;
    for (const BarChart::Bar& bar : chart.Bars()) {
        labels << bar.label;
        counts << bar.valueText;
    }
    EXPECT_EQ(labels, (QStringList{"W43", "W44", "W45", "W46", "W47", "W48", "W49", "W50", "W51", "W52", "W53", "W1"}));
    EXPECT_EQ(counts, (QStringList{"1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "2", "2"}));
    EXPECT_EQ(TextsOf(chart, BarChart::Part::Value), counts);
    EXPECT_EQ(TextsOf(chart, BarChart::Part::Axis), QStringList{QString::fromUtf8("Week of the year, 2026\u20132027")});
    EXPECT_TRUE(chart.accessibleDescription().contains("Week 53 of 2026: 2; Week 1 of 2027: 2")) << chart.accessibleDescription().toStdString();
    // Today's week always keeps its label, however few fit.
    EXPECT_EQ(TextsOf(chart, BarChart::Part::Label).last(), "W1");

    // The reader's own calendar decides the week: at UTC+13, Sunday noon in UTC is Monday already.
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "PEL-13");
    Tzset();
    const qint64 sundayNoonUtc = QDateTime(QDate(2027, 1, 3), QTime(12, 0), Qt::UTC).toMSecsSinceEpoch();
    charts.ShowRightAnswers({sundayNoonUtc}, today);
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
    Tzset();
    counts.clear();
    for (const BarChart::Bar& bar : chart.Bars()) counts << bar.valueText;
    EXPECT_EQ(counts.mid(10), (QStringList{"0", "1"}));

    charts.ShowRightAnswers({LocalMs(2026, 1, 5)}, today);  // long ago
    EXPECT_EQ(TextsOf(chart, BarChart::Part::Empty), QStringList{"No right answers in the last 12 weeks"});
}

TEST_F(RecordChart, SaveAsPngWritesTheChartsAtTheirSize) {
    StoreRecord();
    frmMain& w = Start();
    frmStatistics dialog(&w);
    dialog.show();
    QCoreApplication::processEvents();
    RecordCharts& charts = *dialog.charts;
    charts.cboCards->setCurrentIndex(charts.cboCards->findData(4));
    const QString path = dir.filePath("charts.png");
    CommonDialog::Shown.clear();
    CommonDialog::Scripted = {""};  // cancelled: nothing written
    charts.cmdSavePng->click();
    EXPECT_FALSE(QFileInfo::exists(path));
    CommonDialog::Scripted = {path};
    charts.cmdSavePng->click();
    EXPECT_EQ(CommonDialog::Shown, (QStringList{"save picture", "save picture"}));
    const QImage picture(path);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), charts.fraCharts->size() * charts.fraCharts->devicePixelRatio());
    EXPECT_EQ(charts.lblSaved->text(), "Saved to " + path + ".");
    // The bars are in the picture: the middle of level 5's, the longest median.
    ASSERT_EQ(charts.chtMedians->BarRects().size(), 6);
    const QRect bar = charts.chtMedians->BarRects().at(4).translated(charts.chtMedians->pos());
    EXPECT_EQ(picture.pixelColor(bar.center() * charts.fraCharts->devicePixelRatio()), charts.chtMedians->palette().color(QPalette::Highlight));

    EXPECT_FALSE(charts.SavePng(dir.filePath("no-such-folder/charts.png")));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("The charts could not be saved to ")) << messages[0].toStdString();
}

TEST_F(RecordChart, TheTextsFitInEveryLanguageFullAndEmptyAndAtTheLeastSize) {
    StoreRecord();
    for (const char* language : {"en", "de", "fr"}) {
        UseLanguage(language);
        frmMain& w = Start();
        auto dialog = std::make_unique<frmStatistics>(&w);
        dialog->show();
        QCoreApplication::processEvents();
        RecordCharts& charts = *dialog->charts;
        // Beside the table, within the screen: the table scrolls instead.
        EXPECT_LE(dialog->frameGeometry().width(), dialog->screen()->availableGeometry().width()) << language;
        EXPECT_GE(charts.geometry().left(), dialog->tblRecord->geometry().right()) << language;
        QStringList problems;
        for (int cards : {4, 3}) {  // bars, and the empty state
            charts.cboCards->setCurrentIndex(charts.cboCards->findData(cards));
            charts.ShowRightAnswers(cards == 4 ? std::vector<int64_t>{LocalMs(2027, 1, 6), LocalMs(2026, 12, 1), LocalMs(2026, 12, 1)} : std::vector<int64_t>{},
                                    QDate(2027, 1, 6));
            QCoreApplication::processEvents();
            for (BarChart* chart : {charts.chtMedians, charts.chtWeeks}) {
                const QString where = QString(language) + " " + chart->objectName() + " " + QString::number(cards);
                EXPECT_GE(chart->width(), chart->minimumSizeHint().width()) << where.toStdString();
                EXPECT_GE(chart->height(), chart->minimumSizeHint().height()) << where.toStdString();
                problems << Problems(*chart, where);
                const QSize shown = chart->size();
                chart->resize(chart->minimumSizeHint());
                problems << Problems(*chart, where + " at its least size");
                chart->resize(shown);
            }
        }
        EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
        // The translated words are there (nothing left in English).
        if (QString(language) != "en") {
            EXPECT_NE(charts.chtWeeks->accessibleName(), "Puzzles solved per week");
            EXPECT_NE(charts.cmdSavePng->text(), "Save as &PNG...");
        }
        dialog.reset();
        game.reset();
    }
}

// Labels far wider than their bars, short titles: the chart at its least size thins the labels,
// keeps the last bar's, and nothing leaves the chart or runs into another text.
TEST_F(RecordChart, LabelsWiderThanTheirBarsStayInsideAtTheLeastSize) {
    BarChart chart(nullptr);
    QList<BarChart::Bar> bars;
    for (int i = 1; i <= 12; ++i) bars << BarChart::Bar{"Week " + QString::number(i), double(i % 3), QString::number(i % 3), {}};
    chart.SetChart("T", "u", "a", bars, {});
    for (const QSize size : {chart.minimumSizeHint(), chart.sizeHint()}) {
        chart.resize(size);
        const QStringList problems = Problems(chart, QString::number(size.width()));
        EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
        const QStringList labels = TextsOf(chart, BarChart::Part::Label);
        ASSERT_FALSE(labels.isEmpty());
        EXPECT_EQ(labels.last(), "Week 12");
        EXPECT_LT(labels.size(), 12);
    }
}
