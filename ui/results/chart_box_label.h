#pragma once

#include <QLabel>
#include <QRect>

#include "painting/chart_box_fit.h"

namespace orbalis {

// The text of one sign box of the chart. It keeps the box text exactly as
// given (lines joined by CR LF) and sets it with FitChartBox, so a crowded
// box shrinks its type or takes two columns instead of running into the
// next box. Set the text with setBoxText, which also places the label.
class ChartBoxLabel final : public QLabel {
    Q_OBJECT

  public:
    // `box` is the sign box between the grid lines, `textPlace` its own place
    // for text, `signNumber` the rect of its sign number; all in the
    // coordinates of `chart`, the label's parent.
    ChartBoxLabel(const QRect& box, const QRect& textPlace, const QRect& signNumber,
                  QWidget* chart);

    void setBoxText(const QString& text);
    const ChartBoxFit& fit() const { return fit_; }
    QRect box() const { return box_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect box_;
    QRect textPlace_;
    QRect signNumber_;
    ChartBoxFit fit_;
    QStringList lines_;
};

}  // namespace orbalis
