// The record as pictures: a small bar chart drawn with QPainter, and the two charts of Statistics.
#pragma once

#include <QDate>
#include <QList>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <vector>

#include "player/play_record.h"

class QComboBox;
class QLabel;
class QPushButton;

// One bar chart: a title, the unit above the value axis, numbered ticks, a label under each bar,
// its value written above it, and the axis title below. Without data it says so instead of
// drawing empty axes. Every text it draws is laid out first (Texts), so what is painted is what
// can be checked; screen readers get the title as the name and every bar's value in the
// description.
class BarChart : public QWidget {
    Q_OBJECT
public:
    struct Bar {
        QString label;      // under the bar
        double value = 0;   // its height, in the unit of the value axis
        QString valueText;  // written above it
        QString spoken;     // for a screen reader and the bar's tooltip
    };
    enum class Part { Title, Unit, Tick, Label, Value, Axis, Empty };
    struct Placed {
        Part part;
        QString text;
        QRect rect;
    };

    explicit BarChart(QWidget* parent);
    // empty: the text shown in place of the axes when there is nothing to draw.
    void SetChart(const QString& title, const QString& unit, const QString& axis, const QList<Bar>& bars, const QString& empty);

    const QList<Bar>& Bars() const { return bars_; }
    bool Empty() const { return !empty_.isEmpty(); }
    // Every text as drawn at the chart's size, and the bars.
    QList<Placed> Texts() const;
    QList<QRect> BarRects() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    bool event(QEvent* e) override;

private:
    struct Layout {
        QList<Placed> texts;
        QList<QRect> bars;
        QRect plot;
        QList<int> gridY;
    };
    Layout Lay(QSize size) const;
    int TitleHeight(int width) const;
    QList<double> Ticks() const;
    QString TickText(double v) const;

    QString title_, unit_, axis_, empty_;
    QList<Bar> bars_;
};

// Statistics' two charts: the median time to a right answer per level at the chosen number of
// cards, and the right answers per week over the last twelve weeks; a chooser for the cards,
// and Save as PNG for the pair.
class RecordCharts : public QWidget {
    Q_OBJECT
public:
    RecordCharts(int cards, QWidget* parent);

    // The median chart from the record's rows, at the chosen number of cards.
    void ShowRecord(const PlayRecord& record);
    // The week chart from the times of right answers, in milliseconds since the epoch (UTC),
    // counted in the weeks of the local calendar up to today.
    void ShowRightAnswers(const std::vector<int64_t>& timesMs, QDate today = QDate::currentDate());

    int Cards() const;
    void cmdSavePng_Click();  // asks for a file name, saves the charts there
    // The two charts as a PNG picture; false (after a message) when it could not be written.
    bool SavePng(const QString& path);

    QComboBox* cboCards;
    QWidget* fraCharts;  // the two charts, as saved
    BarChart* chtMedians;
    BarChart* chtWeeks;
    QPushButton* cmdSavePng;
    QLabel* lblSaved;

private:
    void ShowMedians();

    PlayRecord record_;
};
