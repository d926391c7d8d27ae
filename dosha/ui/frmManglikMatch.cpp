#include "dosha/ui/frmManglikMatch.h"

#include <QLabel>
#include <QVBoxLayout>

#include "model/reference_tables.h"
#include "dosha/ui/classical_table.h"
#include "ui/form_font.h"

namespace orbalis {
namespace {

const QColor kTitleColour(128, 0, 0);
const QColor kConclusionColour(154, 54, 171);

}  // namespace

frmManglikMatch::frmManglikMatch(Dialogs& dialogs, const MatchParty& first,
                                 const MatchParty& second, QWidget* parent)
    : ReportWindow(dialogs, QStringLiteral("frmManglikMatch"), parent) {
    AddLabel(QStringLiteral("lblTitle"), QStringLiteral("Manglik match: the classical house rule"),
             true, kTitleColour)
        ->setFont(FormFont(true, 11));
    const MatchParty* parties[] = {&first, &second};
    for (int i = 0; i < 2; ++i) {
        const MatchParty& party = *parties[i];
        AddLabel(QStringLiteral("lblParty_%1").arg(i),
                 QtText(party.name) + QStringLiteral(", Mars in ") +
                     QtText(SignNames[party.analysis.signs.mars]),
                 true);
        sheetLayout()->addWidget(
            BuildClassicalTable(sheet(), QStringLiteral("tblClassical_%1").arg(i), party.analysis));
    }
    const ManglikMatch match = MatchKujaDosha(first, second);
    AddLabel(QStringLiteral("lblConclusion"), QtText(match.conclusion), true, kConclusionColour)
        ->setFont(FormFont(true, 11));
    AddLabel(QStringLiteral("lblReason"), QtText(match.reason));

    setPlainText(QString::fromStdString(ManglikMatchText(first, second)));
}

}  // namespace orbalis
