#pragma once

#include <QString>

#include "reading/firmness.h"

class QWidget;

namespace orbalis {

inline constexpr std::string_view kFirmnessTitle =
    N_("How firm the answers are for a birth time a little earlier or later");

// A grid of the answers and the minutes each holds: a row per answer
// ("lblFirmnessItem_k", "lblFirmnessHolds_k"), a change within 15 minutes in
// the warning colour.
QWidget* BuildFirmnessTable(QWidget* parent, const QString& name, const Firmness& firmness);

// The same as plain lines, the title first, ending in a line feed.
QString FirmnessPlainText(const Firmness& firmness);

}  // namespace orbalis
