#include "ui/results/painted_chart.h"

#include <QPainter>

namespace orbalis {

PaintedChart::PaintedChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picChart"));
}

void PaintedChart::setDrawing(const ChartDrawing& drawing) {
    drawing_ = drawing;
    update();
}

void PaintedChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The South chart's picture is one pixel taller than wide: the square
    // takes the width, the last row stays white as the form is.
    PaintChart(painter, QRectF(0, 0, width(), width()), drawing_);
}

}  // namespace orbalis
