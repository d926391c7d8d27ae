#include "ui/common/classical_table.h"

#include <QGridLayout>
#include <QLabel>
#include <QWidget>

#include "dosha/kuja_dosha_details_text.h"
#include "ui/common/report_window.h"
#include "ui/common/window_language.h"

namespace orbalis {
namespace {

const QColor kVerdictColour(154, 54, 171);  // the result lines of the results form

}  // namespace

QWidget* BuildClassicalTable(QWidget* parent, const QString& name,
                             const ClassicalKujaDosha& analysis) {
    QWidget* table = new QWidget(parent);
    table->setObjectName(name);
    QGridLayout* grid = new QGridLayout(table);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(6);
    for (int column = 0; column < 4; ++column) {
        grid->addWidget(MakeSheetLabel(table, QStringLiteral("lblColumn_%1").arg(column),
                                       WindowText(kClassicalColumnTitles[column]), true, Qt::black),
                        0, column);
    }
    for (int reference = 0; reference < kKujaReferenceCount; ++reference) {
        const ClassicalRowText row =
            ClassicalRow(analysis, static_cast<KujaReference>(reference), WindowWords());
        const bool dosha = analysis.references[reference].status() == ClassicalStatus::Dosha;
        const struct {
            const char* name;
            const std::string& text;
            bool bold;
            QColor colour;
        } cells[] = {
            {"lblFrom_%1", row.from, true, Qt::black},
            {"lblHouse_%1", row.house, false, Qt::black},
            {"lblDoshaHouse_%1", row.doshaHouse, false, Qt::black},
            {"lblVerdict_%1", row.verdict, dosha, kVerdictColour},
        };
        for (int column = 0; column < 4; ++column) {
            const auto& cell = cells[column];
            QLabel* label = MakeSheetLabel(table, QString::fromLatin1(cell.name).arg(reference),
                                           QtText(cell.text), cell.bold, cell.colour);
            // Only the verdict wraps; the short columns keep to one line.
            label->setWordWrap(column == 3);
            grid->addWidget(label, reference + 1, column);
        }
    }
    // The verdict takes the room the other columns leave.
    grid->setColumnStretch(3, 1);
    return table;
}

}  // namespace orbalis
