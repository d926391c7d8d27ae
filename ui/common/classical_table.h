#pragma once

#include <QString>

#include "dosha/classical_kuja_dosha.h"

class QWidget;

namespace orbalis {

// The classical rows of one reading as a grid of labels: a bold heading row
// ("lblColumn_0".."lblColumn_3") and one row per reference, Lagna, Moon,
// Venus ("lblFrom_k", "lblHouse_k", "lblDoshaHouse_k", "lblVerdict_k").
QWidget* BuildClassicalTable(QWidget* parent, const QString& name,
                             const ClassicalKujaDosha& analysis);

}  // namespace orbalis
