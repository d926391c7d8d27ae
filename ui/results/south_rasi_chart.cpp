#include "ui/results/south_rasi_chart.h"

#include <QFontMetrics>
#include <QPixmap>
#include <algorithm>

#include "charts/divisions.h"
#include "charts/south_chart_layout.h"
#include "painting/form_font.h"
#include "ui/common/twips.h"
#include "ui/results/assets.h"
#include "ui/results/chart_box_label.h"

namespace orbalis {

namespace {

// The box of a sign, from grid line to grid line; the outer lines are the
// picture's last row and column.
QRect BoxRect(const ChartBoxPlace& place) {
    const int right =
        std::min(Px(kChartColumnEdgesTwips[place.column + 1]), Px(kChartWidthTwips) - 1);
    const int bottom = std::min(Px(kChartRowEdgesTwips[place.row + 1]), Px(kChartHeightTwips) - 1);
    return QRect(
        QPoint(Px(kChartColumnEdgesTwips[place.column]), Px(kChartRowEdgesTwips[place.row])),
        QPoint(right, bottom));
}

// The sign number in its place, widened to its text where the bold digits
// need more than their place and then kept inside the box.
QRect SignNumberRect(const ChartBoxPlace& place, const QRect& box, const QFont& font) {
    const int textWidth = QFontMetrics(font).horizontalAdvance(QString::fromLatin1(
        place.signNumber.data(), static_cast<qsizetype>(place.signNumber.size())));
    QRect rect(Px(place.numberLeftTwips), Px(place.numberTopTwips),
               std::max(Px(SignNumberWidthTwips(place)), textWidth + 1),
               Px(kSignNumberHeightTwips));
    const int innerRight = box.right() - 2;
    if (rect.right() > innerRight) rect.moveRight(innerRight);
    const int innerBottom = box.bottom() - 2;
    if (rect.bottom() > innerBottom) rect.moveBottom(innerBottom);
    return rect;
}

}  // namespace

SouthRasiChart::SouthRasiChart(QWidget* parent) : QLabel(parent) {
    EnsureAssetsLoaded();
    setObjectName(QStringLiteral("picSouthRasi"));
    setPixmap(QPixmap(QStringLiteral(":/chart/south_rasi.png")));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QFont numberFont = FormFont(true);
    for (int sign = 0; sign < 12; ++sign) {
        const ChartBoxPlace& place = kChartBoxPlaces[sign];
        const QRect box = BoxRect(place);
        const QRect numberRect = SignNumberRect(place, box, numberFont);

        QLabel* number =
            new QLabel(QString::fromLatin1(place.signNumber.data(),
                                           static_cast<qsizetype>(place.signNumber.size())),
                       this);
        number->setObjectName(QStringLiteral("lblSouthPosition_%1").arg(sign));
        number->setFont(numberFont);
        number->setAlignment(Qt::AlignRight | Qt::AlignTop);
        number->setGeometry(numberRect);
        numbers_[sign] = number;

        const QRect textPlace(Px(place.textLeftTwips), Px(place.textTopTwips),
                              Px(kBoxTextWidthTwips), Px(kBoxTextLineHeightTwips));
        ChartBoxLabel* label = new ChartBoxLabel(box, textPlace, numberRect, this);
        label->setObjectName(QStringLiteral("lblPlanets_%1").arg(sign));
        boxes_[sign] = label;
    }
    // The centre square, inside its grid lines.
    lblChartName_ = new QLabel(QString::fromLatin1(kBirthChartTitle.data(),
                                                   static_cast<qsizetype>(kBirthChartTitle.size())),
                               this);
    lblChartName_->setObjectName(QStringLiteral("lblChartName"));
    lblChartName_->setFont(numberFont);
    lblChartName_->setAlignment(Qt::AlignCenter);
    lblChartName_->setGeometry(
        QRect(QPoint(Px(kChartColumnEdgesTwips[1]) + 2, Px(kChartRowEdgesTwips[1]) + 2),
              QPoint(Px(kChartColumnEdgesTwips[3]) - 2, Px(kChartRowEdgesTwips[3]) - 2)));
}

void SouthRasiChart::setChartName(const QString& name) {
    lblChartName_->setText(name);
}

void SouthRasiChart::setBoxText(int sign, const QString& text) {
    boxes_[sign]->setBoxText(text);
}

}  // namespace orbalis
