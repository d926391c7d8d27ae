#include "ui/results/chart_style_setting.h"

#include <QSettings>

namespace orbalis {
namespace {

const QString kKey = QStringLiteral("chartStyle");

}  // namespace

ChartStyle LoadChartStyle() {
    const QByteArray name = QSettings().value(kKey).toString().toLatin1();
    // A value this version does not know counts as no choice.
    return ChartStyleNamed(
               std::string_view(name.constData(), static_cast<std::size_t>(name.size())))
        .value_or(ChartStyle::South);
}

void SaveChartStyle(ChartStyle style) {
    const std::string_view name = ChartStyleName(style);
    QSettings().setValue(kKey,
                         QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace orbalis
