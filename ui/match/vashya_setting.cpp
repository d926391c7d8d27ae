#include "ui/match/vashya_setting.h"

#include <QSettings>

namespace orbalis {
namespace {

const QString kKey = QStringLiteral("vashyaPoints");

}  // namespace

matching::VashyaPoints LoadVashyaPoints() {
    const QByteArray name = QSettings().value(kKey).toString().toUtf8();
    // A value this version does not know counts as no choice.
    return matching::VashyaPointsNamed(
               std::string_view(name.constData(), static_cast<std::size_t>(name.size())))
        .value_or(matching::VashyaPoints::Symmetric);
}

void SaveVashyaPoints(matching::VashyaPoints table) {
    const std::string_view name = matching::VashyaPointsName(table);
    QSettings().setValue(kKey,
                         QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace orbalis
