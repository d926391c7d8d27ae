#include "ui/common/wrapped_label.h"

#include <QPainter>
#include <QTextOption>

#include "ui/common/personal_details_fit.h"

namespace orbalis {

void WrappedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    QTextOption option = PersonalDetailWrapping();
    // A label of one row shows its line in the middle, as a plain label does.
    const bool oneLine = fontMetrics().horizontalAdvance(text()) <= contentsRect().width();
    option.setAlignment(Qt::AlignLeft | (oneLine ? Qt::AlignVCenter : Qt::AlignTop));
    painter.drawText(QRectF(contentsRect()), text(), option);
}

}  // namespace orbalis
