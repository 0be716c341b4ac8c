// BarChart: the statistics dialog's bar charts, drawn by the program itself: a title, a value
// axis in round steps, a bar a caption with its count above it and the caption below (slanted
// when the bars are narrow). The same drawing paints the widget and the picture saved.
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
};

// The bars of stats by its first dimension, largest first: groups sharing that key are added up
// (a count by province and city gives the provinces), and past the first most keys the rest is
// one bar "其它" (most < 0: all). A group without a key is "未知".
std::vector<Bar> BarsOf(const NumberStats& stats, int most);

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
