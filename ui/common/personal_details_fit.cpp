#include "ui/common/personal_details_fit.h"

#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "painting/form_font.h"

namespace orbalis {
namespace {

constexpr qreal kLargestPointSize = 8.25;  // the form's own type
// Real names reach their box's length with blanks between words and fit at
// about 5.5 points; only a box full of the widest letter needs the last steps.
constexpr qreal kSmallestPointSize = 4.0;
constexpr qreal kPointSizeStep = 0.25;

struct Wrapped {
    int lines = 0;
    int height = 0;  // whole pixels
};

// `text` wrapped to `width`, as it will be drawn.
Wrapped Wrap(const QString& text, const QFont& font, int width) {
    QTextLayout layout(text, font);
    layout.setTextOption(PersonalDetailWrapping());
    layout.beginLayout();
    Wrapped wrapped;
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
        ++wrapped.lines;
    }
    layout.endLayout();
    wrapped.height = static_cast<int>(std::ceil(height));
    return wrapped;
}

}  // namespace

QTextOption PersonalDetailWrapping() {
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

int WrappedTextHeight(const QString& text, const QFont& font, int width) {
    return Wrap(text, font, width).height;
}

PersonalDetailsFit FitPersonalDetails(const QStringList& lines, const QRect& firstRow, int bottom) {
    PersonalDetailsFit fit;
    for (qreal size = kLargestPointSize; size >= kSmallestPointSize - 0.001;
         size -= kPointSizeStep) {
        fit.font = FormFont(false, size);
        // A one-line row keeps the form's row height, scaled with the type.
        const int rowHeight =
            static_cast<int>(std::ceil(firstRow.height() * size / kLargestPointSize));
        fit.rects.clear();
        int top = firstRow.top();
        for (const QString& line : lines) {
            const Wrapped wrapped = Wrap(line, fit.font, firstRow.width());
            const int height = std::max(wrapped.lines == 1 ? rowHeight : 0, wrapped.height);
            fit.rects.append(QRect(firstRow.left(), top, firstRow.width(), height));
            top += height;
        }
        if (top <= bottom) return fit;
    }
    fit.fits = false;
    return fit;
}

}  // namespace orbalis
