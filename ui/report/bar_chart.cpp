#include "ui/report/bar_chart.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>

#include "core/text/text.h"
#include "ui/kit/gbk_text.h"

namespace telqor {

using namespace Qt::StringLiterals;

namespace {

// A round step for about five grid lines up to top: 1, 2 or 5 times a power of ten.
int64_t GridStep(int64_t top) {
  if (top <= 5) return 1;
  const double rough = static_cast<double>(top) / 5;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (double factor : {1.0, 2.0, 5.0, 10.0})
    if (factor * power >= rough) return static_cast<int64_t>(factor * power);
  return static_cast<int64_t>(10 * power);
}

// "1,234,567": counts as the rest of the program shows them.
QString Grouped(int64_t count) { return FromUtf8(GroupedCount(count)); }

}  // namespace

std::vector<Bar> BarsOf(const NumberStats& stats, int most) {
  std::map<std::string, int64_t> byKey;
  for (const StatsGroup& group : stats.groups) byKey[group.keys.empty() ? std::string() : group.keys[0]] += group.count;
  std::vector<Bar> bars;
  for (const auto& [key, count] : byKey) bars.push_back({key.empty() ? u"未知"_s : FromUtf8(key), count});
  std::stable_sort(bars.begin(), bars.end(), [](const Bar& a, const Bar& b) { return a.count > b.count; });
  // One bar "其它" for a single key left over would only rename it.
  if (most >= 0 && static_cast<int>(bars.size()) > most + 1) {
    Bar rest{u"其它"_s, 0, static_cast<int>(bars.size()) - most};
    for (size_t i = most; i < bars.size(); ++i) rest.count += bars[i].count;
    bars.resize(most);
    bars.push_back(rest);
  }
  return bars;
}

int64_t ScaledLargest(const std::vector<Bar>& bars) {
  int64_t largest = 0;
  for (const Bar& bar : bars)
    if (bar.keys == 1) largest = std::max(largest, bar.count);
  return largest;
}

BarChart::BarChart(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setMinimumSize(560, 320);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
}

void BarChart::SetBars(const QString& title, std::vector<Bar> bars) {
  title_ = title;
  bars_ = std::move(bars);
  update();
}

QImage BarChart::Picture() const {
  const QSize size = width() >= minimumWidth() && height() >= minimumHeight() ? this->size() : QSize(900, 500);
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setFont(font());
  Draw(painter, picture.rect());
  return picture;
}

void BarChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Draw(painter, rect());
}

void BarChart::Draw(QPainter& painter, const QRect& whole) const {
  painter.setRenderHint(QPainter::Antialiasing);
  const QFontMetrics metrics(painter.font());
  const int line = metrics.height();
  const QFont plain = painter.font();
  QFont bold = plain;
  bold.setBold(true);
  painter.setFont(bold);
  painter.setPen(Qt::black);
  painter.drawText(QRect(whole.left(), whole.top() + line / 2, whole.width(), line * 3 / 2), Qt::AlignCenter, title_);
  painter.setFont(plain);
  std::vector<Bar> bars;
  QString rest;
  for (const Bar& bar : bars_) {
    if (bar.keys == 1) bars.push_back(bar);
    else rest = u"%1(%2项，不在图中)：%3"_s.arg(bar.caption).arg(bar.keys).arg(Grouped(bar.count));
  }
  QRect area = whole;
  if (!rest.isEmpty()) {
    painter.drawText(QRect(area.left(), area.bottom() - line * 3 / 2, area.width(), line), Qt::AlignCenter, rest);
    area.setBottom(area.bottom() - line * 2);
  }
  if (bars.empty()) return;

  const int64_t largest = std::max<int64_t>(1, ScaledLargest(bars));
  int captionWidth = 0;
  for (const Bar& bar : bars) captionWidth = std::max(captionWidth, metrics.horizontalAdvance(bar.caption));
  const int64_t step = GridStep(largest);
  const int64_t top = (largest / step + 1) * step;
  const int axisWidth = metrics.horizontalAdvance(Grouped(top)) + line;

  // Captions lie flat while they fit under their bars, else they slant and need more room.
  const QRect plotGuess(area.left() + axisWidth, area.top() + line * 3, area.width() - axisWidth - line, 0);
  const double slotGuess = static_cast<double>(plotGuess.width()) / bars.size();
  const bool slanted = captionWidth > slotGuess * 0.9;
  const int captionRoom = slanted ? static_cast<int>(captionWidth * 0.75) + line : line * 2;
  const QRect plot(plotGuess.left(), plotGuess.top(), plotGuess.width(), area.bottom() - captionRoom - plotGuess.top());
  if (plot.height() < line * 2) return;
  auto yOf = [&](int64_t value) { return plot.bottom() - static_cast<int>(static_cast<double>(value) / top * plot.height()); };

  // The value axis and its grid.
  for (int64_t value = 0; value <= top; value += step) {
    const int y = yOf(value);
    painter.setPen(QColor(value == 0 ? 0x60 : 0xdd, value == 0 ? 0x60 : 0xdd, value == 0 ? 0x60 : 0xdd));
    painter.drawLine(plot.left(), y, plot.right(), y);
    painter.setPen(Qt::black);
    painter.drawText(QRect(area.left(), y - line / 2, axisWidth - line / 3, line), Qt::AlignRight | Qt::AlignVCenter,
                     Grouped(value));
  }

  const double slot = static_cast<double>(plot.width()) / bars.size();
  const int barWidth = std::max(2, static_cast<int>(slot * 0.6));
  for (size_t i = 0; i < bars.size(); ++i) {
    const Bar& bar = bars[i];
    const int center = plot.left() + static_cast<int>(slot * (i + 0.5));
    const int y = yOf(bar.count);
    painter.fillRect(QRect(center - barWidth / 2, y, barWidth, plot.bottom() - y), QColor(0x3b, 0x7d, 0xd8));
    painter.setPen(Qt::black);
    // A count wider than its bar's room would run into the next: the tables give it.
    const QString count = Grouped(bar.count);
    if (metrics.horizontalAdvance(count) <= slot)
      painter.drawText(QRect(center - static_cast<int>(slot) / 2, y - line - 2, static_cast<int>(slot), line),
                       Qt::AlignHCenter | Qt::AlignBottom, count);
    if (!slanted) {
      painter.drawText(QRect(center - static_cast<int>(slot) / 2, plot.bottom() + line / 3, static_cast<int>(slot), line),
                       Qt::AlignHCenter | Qt::AlignTop, bar.caption);
    } else {
      painter.save();
      painter.translate(center + line / 3, plot.bottom() + line / 2);
      painter.rotate(-40);
      painter.drawText(QRect(-captionWidth, -line / 2, captionWidth, line), Qt::AlignRight | Qt::AlignVCenter, bar.caption);
      painter.restore();
    }
  }
}

}  // namespace telqor
