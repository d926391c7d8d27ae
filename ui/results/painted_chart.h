#pragma once

#include <QWidget>

#include "painting/chart_painter.h"

namespace orbalis {

// The North and East Indian charts on the results form: painted whole by the
// same painter as the PDF report, in the South chart's place and size.
class PaintedChart final : public QWidget {
    Q_OBJECT

  public:
    explicit PaintedChart(QWidget* parent);

    void setDrawing(const ChartDrawing& drawing);
    const ChartDrawing& drawing() const { return drawing_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ChartDrawing drawing_;
};

}  // namespace orbalis
