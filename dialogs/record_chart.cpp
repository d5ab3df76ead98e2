// The record as pictures: bar charts laid out from their texts' sizes, drawn with QPainter.
#include "dialogs/record_chart.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cmath>

#include "platform/common_dialog.h"
#include "platform/msgbox.h"
#include "player/record_charts.h"

namespace {

constexpr int Margin = 6;
constexpr int Gap = 3;  // between a text and what it labels

QFont TitleFont(QFont f) {
    f.setBold(true);
    return f;
}

// The width a text takes as drawn, which can be a pixel more than its advance.
int Width(const QFontMetrics& m, const QString& text) { return m.boundingRect(QRect(0, 0, 100000, 1000), Qt::AlignLeft, text).width(); }

int LongestWord(const QFontMetrics& m, const QString& text) {
    int w = 0;
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) w = std::max(w, Width(m, word));
    return w;
}

}  // namespace

BarChart::BarChart(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);  // a screen reader reaches the chart, and reads its numbers
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void BarChart::SetChart(const QString& title, const QString& unit, const QString& axis, const QList<Bar>& bars, const QString& empty) {
    title_ = title;
    unit_ = unit;
    axis_ = axis;
    bars_ = bars;
    empty_ = empty;
    setAccessibleName(title);
    QStringList spoken;
    for (const Bar& b : bars) spoken << b.spoken;
    setAccessibleDescription(empty.isEmpty() ? spoken.join("; ") : empty);
    updateGeometry();
    update();
}

int BarChart::TitleHeight(int width) const {
    return QFontMetrics(TitleFont(font())).boundingRect(QRect(0, 0, std::max(1, width - 2 * Margin), 10000), Qt::TextWordWrap, title_).height();
}

QList<double> BarChart::Ticks() const {
    double top = 0;
    bool whole = true;
    for (const Bar& b : bars_) {
        top = std::max(top, b.value);
        whole = whole && b.value == std::floor(b.value);
    }
    if (top <= 0) top = 1;
    // A round step (1, 2 or 5 times a power of ten) that gives about four steps; counts go in ones at least.
    const double raw = top / 4;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (double f : {1.0, 2.0, 5.0, 10.0})
        if (f * power >= raw) {
            step = f * power;
            break;
        }
    if (whole) step = std::max(step, 1.0);
    QList<double> ticks;
    for (int i = 0; ticks.isEmpty() || ticks.last() < top - 1e-9; ++i) ticks << i * step;
    return ticks;
}

QString BarChart::TickText(double v) const {
    const QList<double> ticks = Ticks();
    const double step = ticks.size() > 1 ? ticks[1] : 1;
    const int decimals = step >= 1 ? 0 : step >= 0.1 ? 1 : 2;
    return QLocale().toString(v, 'f', decimals);
}

BarChart::Layout BarChart::Lay(QSize size) const {
    Layout out;
    const QFontMetrics m(font());
    const int line = m.height();
    const int w = size.width(), h = size.height();
    const int titleH = TitleHeight(w);
    out.texts << Placed{Part::Title, title_, QRect(Margin, Margin, w - 2 * Margin, titleH)};
    int y = Margin + titleH + Gap;
    if (!empty_.isEmpty()) {
        const QRect room(Margin, y, w - 2 * Margin, std::max(line, h - y - Margin));
        out.texts << Placed{Part::Empty, empty_, m.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, empty_)};
        return out;
    }
    out.texts << Placed{Part::Unit, unit_, QRect(Margin, y, Width(m, unit_), line)};
    y += line + Gap;
    const int axisTop = h - Margin - line;
    out.texts << Placed{Part::Axis, axis_, m.boundingRect(QRect(Margin, axisTop, w - 2 * Margin, line), Qt::AlignCenter, axis_)};
    const int labelTop = axisTop - Gap - line;

    const QList<double> ticks = Ticks();
    int tickW = 0;
    for (double t : ticks) tickW = std::max(tickW, Width(m, TickText(t)));
    int labelW = 0;
    for (const Bar& b : bars_) labelW = std::max(labelW, Width(m, b.label));
    // Room above the plot for the value written over the tallest bar, and on the right for half
    // the last label, which may be wider than its bar's place.
    out.plot = QRect(QPoint(Margin + tickW + Gap + 1, y + line + Gap), QPoint(w - Margin - 1 - labelW / 2, labelTop - Gap - 1));
    const QRect& plot = out.plot;
    const double top = ticks.last() > 0 ? ticks.last() : 1;
    auto yOf = [&](double v) { return plot.bottom() - static_cast<int>(std::lround(v / top * plot.height())); };
    // Every tick whose number has room; 0 and the top always.
    int lastTextTop = plot.bottom() + line;
    for (int i = 0; i < ticks.size(); ++i) {
        const int ty = yOf(ticks[i]);
        out.gridY << ty;
        const QRect r(Margin, ty - line / 2, tickW, line);
        if (r.bottom() >= lastTextTop && i + 1 != ticks.size()) continue;
        if (r.bottom() >= lastTextTop) out.texts.removeLast();
        out.texts << Placed{Part::Tick, TickText(ticks[i]), r};
        lastTextTop = r.top();
    }

    const int n = static_cast<int>(bars_.size());
    if (n == 0) return out;
    const double slot = static_cast<double>(plot.width()) / n;
    const int every = std::max(1, static_cast<int>(std::ceil((labelW + 2 * Gap) / slot)));  // labels that fit side by side
    for (int i = 0; i < n; ++i) {
        const int left = plot.left() + static_cast<int>(i * slot), right = plot.left() + static_cast<int>((i + 1) * slot);
        const int centre = (left + right) / 2;
        const int barW = std::max(2, static_cast<int>(slot * 0.6));
        const int barTop = yOf(bars_[i].value);
        out.bars << QRect(centre - barW / 2, barTop, barW, plot.bottom() - barTop + 1);
        const int valueW = Width(m, bars_[i].valueText);
        out.texts << Placed{Part::Value, bars_[i].valueText, QRect(centre - valueW / 2, barTop - Gap - line, valueW, line)};
        // Counted from the last bar, so today's week and the highest level always keep theirs.
        if ((n - 1 - i) % every == 0) {
            const int lw = Width(m, bars_[i].label);
            out.texts << Placed{Part::Label, bars_[i].label, QRect(centre - lw / 2, labelTop, lw, line)};
        }
    }
    return out;
}

QList<BarChart::Placed> BarChart::Texts() const { return Lay(size()).texts; }

QList<QRect> BarChart::BarRects() const { return Lay(size()).bars; }

QSize BarChart::minimumSizeHint() const {
    const QFontMetrics m(font());
    const int line = m.height();
    int width = LongestWord(QFontMetrics(TitleFont(font())), title_);
    if (!empty_.isEmpty()) {
        width = std::max(width, LongestWord(m, empty_)) + 2 * Margin;
        const int emptyH = m.boundingRect(QRect(0, 0, width - 2 * Margin, 10000), Qt::AlignCenter | Qt::TextWordWrap, empty_).height();
        return {width, Margin + TitleHeight(width) + Gap + std::max(emptyH, 3 * line) + Margin};
    }
    width = std::max({width, Width(m, unit_), Width(m, axis_)});
    // Each bar's slot holds its value, with a little room either side.
    int slot = 2 * line / 3;
    for (const Bar& b : bars_) slot = std::max(slot, Width(m, b.valueText) + 2 * Gap);
    int tickW = 0, labelW = 0;
    for (double t : Ticks()) tickW = std::max(tickW, Width(m, TickText(t)));
    for (const Bar& b : bars_) labelW = std::max(labelW, Width(m, b.label));
    width = std::max(width, tickW + Gap + 1 + static_cast<int>(bars_.size()) * slot + labelW / 2) + 2 * Margin;
    // Title, unit, a value over the tallest bar, four lines of plot, the labels and the axis title.
    return {width, Margin + TitleHeight(width) + Gap + (line + Gap) * 2 + 4 * line + (Gap + line) * 2 + Margin};
}

QSize BarChart::sizeHint() const {
    const QSize least = minimumSizeHint();
    return {std::max(least.width(), 30 * fontMetrics().averageCharWidth() + 160), least.height() + 6 * fontMetrics().height()};
}

void BarChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const Layout lay = Lay(size());
    const QPalette& pal = palette();
    if (empty_.isEmpty()) {
        p.setPen(QPen(pal.color(QPalette::Mid), 0, Qt::DotLine));
        for (int gy : lay.gridY) p.drawLine(lay.plot.left(), gy, lay.plot.right(), gy);
        for (const QRect& b : lay.bars) p.fillRect(b, pal.color(QPalette::Highlight));
        p.setPen(pal.color(QPalette::WindowText));
        p.drawLine(lay.plot.bottomLeft(), lay.plot.bottomRight());
        p.drawLine(lay.plot.bottomLeft(), lay.plot.topLeft());
    }
    p.setPen(pal.color(QPalette::WindowText));
    for (const Placed& t : lay.texts) {
        switch (t.part) {
        case Part::Title:
            p.setFont(TitleFont(font()));
            p.drawText(t.rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, t.text);
            p.setFont(font());
            break;
        case Part::Empty:
            p.drawText(t.rect, Qt::AlignCenter | Qt::TextWordWrap, t.text);
            break;
        case Part::Tick:
            p.drawText(t.rect, Qt::AlignRight | Qt::AlignVCenter, t.text);
            break;
        default:
            p.drawText(t.rect, Qt::AlignCenter, t.text);
        }
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

bool BarChart::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const Layout lay = Lay(size());
        for (int i = 0; i < lay.bars.size(); ++i) {
            const QRect column(lay.bars[i].left(), lay.plot.top(), lay.bars[i].width(), lay.plot.height() + fontMetrics().height() + Gap);
            if (column.contains(help->pos())) {
                QToolTip::showText(help->globalPos(), bars_[i].spoken, this, column);
                return true;
            }
        }
        QToolTip::hideText();
        e->ignore();
        return true;
    }
    return QWidget::event(e);
}

RecordCharts::RecordCharts(int cards, QWidget* parent) : QWidget(parent) {
    setObjectName("RecordCharts");
    cboCards = new QComboBox(this);
    cboCards->setObjectName("cboCards");
    for (int n = 3; n <= 7; ++n) cboCards->addItem(QLocale().toString(n), n);
    cboCards->setCurrentIndex(std::clamp(cards, 3, 7) - 3);
    auto* lblCards = new QLabel(tr("Median times with &cards:"), this);
    lblCards->setObjectName("lblCards");
    lblCards->setBuddy(cboCards);
    fraCharts = new QWidget(this);
    fraCharts->setObjectName("fraCharts");
    chtMedians = new BarChart(fraCharts);
    chtMedians->setObjectName("chtMedians");
    chtWeeks = new BarChart(fraCharts);
    chtWeeks->setObjectName("chtWeeks");
    cmdSavePng = new QPushButton(tr("Save as &PNG..."), this);
    cmdSavePng->setObjectName("cmdSavePng");
    lblSaved = new QLabel(this);
    lblSaved->setObjectName("lblSaved");
    lblSaved->setAccessibleName(tr("Picture"));
    lblSaved->setWordWrap(true);
    connect(cboCards, &QComboBox::currentIndexChanged, this, &RecordCharts::ShowMedians);
    connect(cmdSavePng, &QPushButton::clicked, this, &RecordCharts::cmdSavePng_Click);

    auto* chooser = new QHBoxLayout;
    chooser->addWidget(lblCards);
    chooser->addWidget(cboCards);
    chooser->addStretch();
    auto* charts = new QVBoxLayout(fraCharts);
    charts->setContentsMargins(0, 0, 0, 0);
    charts->addWidget(chtMedians);
    charts->addWidget(chtWeeks);
    auto* save = new QHBoxLayout;
    save->addWidget(lblSaved, 1);
    save->addWidget(cmdSavePng);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(chooser);
    layout->addWidget(fraCharts, 1);
    layout->addLayout(save);
    ShowMedians();
    ShowRightAnswers({});
}

int RecordCharts::Cards() const { return cboCards->currentData().toInt(); }

void RecordCharts::ShowRecord(const PlayRecord& record) {
    record_ = record;
    ShowMedians();
}

void RecordCharts::ShowMedians() {
    const int cards = Cards();
    QList<BarChart::Bar> bars;
    bool any = false;
    for (const LevelMedian& m : LevelMedians(record_, cards)) {
        const QString level = m.level ? QLocale().toString(m.level) : tr("none");
        if (m.medianMs) {
            any = true;
            const QString time = QString::fromStdString(AnswerTimeText(*m.medianMs));  // as the table writes it
            bars << BarChart::Bar{level, *m.medianMs / 1000.0, time, tr("Level %1: %2").arg(level, time)};
        } else {
            bars << BarChart::Bar{level, 0, QString::fromUtf8("\u2014"), tr("Level %1: no right answer yet").arg(level)};
        }
    }
    chtMedians->SetChart(tr("Median time to a right answer with %1 cards").arg(QLocale().toString(cards)), tr("seconds"),
                         tr("Level (1 easy, 5 hard)"), bars, any ? QString() : tr("No right answers yet with %1 cards").arg(QLocale().toString(cards)));
}

void RecordCharts::ShowRightAnswers(const std::vector<int64_t>& timesMs, QDate today) {
    using namespace std::chrono;
    constexpr qint64 EpochJulianDay = 2440588;  // 1 January 1970
    auto dayOf = [](QDate d) { return local_days{days{d.toJulianDay() - EpochJulianDay}}; };
    std::vector<local_days> answered;
    answered.reserve(timesMs.size());
    for (int64_t ms : timesMs) answered.push_back(dayOf(QDateTime::fromMSecsSinceEpoch(ms).date()));  // the local calendar's day
    const std::vector<WeekCount> weeks = SolvedPerWeek(answered, dayOf(today));
    QList<BarChart::Bar> bars;
    uint64_t total = 0;
    for (const WeekCount& w : weeks) {
        total += w.solved;
        const QString count = QLocale().toString(static_cast<qulonglong>(w.solved));
        // Years and week numbers are names, written without a thousands separator.
        bars << BarChart::Bar{tr("W%1").arg(w.week.week), static_cast<double>(w.solved), count,
                              tr("Week %1 of %2: %3").arg(QString::number(w.week.week), QString::number(w.week.year), count)};
    }
    const int first = weeks.front().week.year, last = weeks.back().week.year;
    const QString years = first == last ? QString::number(last) : QString::number(first) + QString::fromUtf8("\u2013") + QString::number(last);
    QString empty;
    if (timesMs.empty()) empty = tr("No right answers yet");
    else if (total == 0) empty = tr("No right answers in the last %1 weeks").arg(QLocale().toString(ChartWeeks));
    chtWeeks->SetChart(tr("Puzzles solved per week"), tr("puzzles"), tr("Week of the year, %1").arg(years), bars, empty);
}

void RecordCharts::cmdSavePng_Click() {
    CommonDialog dialog;
    dialog.ShowSavePicture(this, tr("Save charts as PNG"), QDir::home().filePath("pelorand-charts.png"));
    if (!dialog.FileName.isEmpty()) SavePng(dialog.FileName);
}

bool RecordCharts::SavePng(const QString& path) {
    const QImage picture = fraCharts->grab().toImage();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit()) {
        MsgBox(tr("The charts could not be saved to %1: %2.").arg(path, file.errorString()), this);
        return false;
    }
    lblSaved->setText(tr("Saved to %1.").arg(path));
    return true;
}
