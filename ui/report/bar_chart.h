// BarChart: the statistics dialog's bar charts, drawn by the program itself: a title, a value
// axis in round steps, a bar a caption with its count above it and the caption below (slanted
// when the bars are narrow), counts grouped by thousands ("1,234,567"); "其它" as a line under
// the chart. The same drawing paints the widget and the picture saved.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "report/number_stats.h"

namespace telqor {

struct Bar {
  QString caption;
  int64_t count = 0;
  int keys = 1;  // the keys it adds up: more than one for "其它"
};

// The bars of stats by its first dimension, largest first: groups sharing that key are added up
// (a count by province and city gives the provinces), and past the first most keys the rest is
// one bar "其它" (most < 0: all). A group without a key is "未知".
std::vector<Bar> BarsOf(const NumberStats& stats, int most);

// The count the value axis must reach: the largest bar's, "其它" left out. Sixteen provinces
// added up outgrow the largest one and would flatten every real bar, so "其它" is a note under
// the chart rather than a bar on its scale.
int64_t ScaledLargest(const std::vector<Bar>& bars);

class BarChart : public QWidget {
  Q_OBJECT
 public:
  explicit BarChart(const QString& name, QWidget* parent = nullptr);

  void SetBars(const QString& title, std::vector<Bar> bars);
  const std::vector<Bar>& Bars() const { return bars_; }

  // The chart drawn on a white picture of its size on screen, or of 900 × 500 while it has
  // never been shown.
  QImage Picture() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Draw(QPainter& painter, const QRect& area) const;

  QString title_;
  std::vector<Bar> bars_;
};

}  // namespace telqor
