#include "ui/common/positions_setting.h"

#include <QSettings>

namespace orbalis {
namespace {

const QString kKey = QStringLiteral("positions");

}  // namespace

PositionsMode LoadPositionsMode() {
    const QByteArray name = QSettings().value(kKey).toString().toUtf8();
    // A value this version does not know counts as no choice.
    return PositionsModeNamed(
               std::string_view(name.constData(), static_cast<std::size_t>(name.size())))
        .value_or(PositionsMode::Classic);
}

void SavePositionsMode(PositionsMode mode) {
    const std::string_view name = PositionsModeName(mode);
    QSettings().setValue(kKey,
                         QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace orbalis
