#include "ui/results/chart_box_label.h"

#include <QFontMetrics>
#include <QPainter>

namespace orbalis {

ChartBoxLabel::ChartBoxLabel(const QRect& box, const QRect& textPlace, const QRect& signNumber,
                             QWidget* chart)
    : QLabel(chart), box_(box), textPlace_(textPlace), signNumber_(signNumber) {
    setAttribute(Qt::WA_TranslucentBackground);
    setBoxText(QString());
}

void ChartBoxLabel::setBoxText(const QString& text) {
    setText(text);
    lines_ = ChartBoxLines(text);
    fit_ = FitChartBox(lines_, box_, textPlace_, signNumber_);
    setFont(fit_.font);
    setGeometry(fit_.rect);
    update();
}

void ChartBoxLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(fit_.font);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setClipRect(rect());
    const QFontMetrics metrics(fit_.font);
    for (int i = 0; i < lines_.size() && i < fit_.lineRects.size(); ++i) {
        const QRect line = fit_.lineRects[i].translated(-geometry().topLeft());
        painter.drawText(line.left(), line.top() + metrics.ascent(), lines_[i]);
    }
}

}  // namespace orbalis
