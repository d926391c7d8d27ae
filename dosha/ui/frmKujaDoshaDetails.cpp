#include "dosha/ui/frmKujaDoshaDetails.h"

#include <QLabel>
#include <QVBoxLayout>

#include "model/reference_tables.h"
#include "dosha/kuja_dosha_details_text.h"
#include "dosha/ui/classical_table.h"
#include "ui/form_font.h"

namespace orbalis {
namespace {

const QColor kTitleColour(128, 0, 0);  // the Lagna frame's title on the results form
const QColor kNoteColour(0, 0, 128);   // the Moon frame's title

}  // namespace

frmKujaDoshaDetails::frmKujaDoshaDetails(Dialogs& dialogs, const ClassicalKujaDosha& analysis,
                                         const QString& name, QWidget* parent)
    : ReportWindow(dialogs, QStringLiteral("frmKujaDoshaDetails"), parent) {
    AddLabel(QStringLiteral("lblTitle"), QtText(kClassicalDetailsTitle), true, kTitleColour)
        ->setFont(FormFont(true, 11));
    AddLabel(QStringLiteral("lblName"), QStringLiteral("Name: ") + name);
    AddLabel(QStringLiteral("lblMars"),
             QStringLiteral("Mars in ") + QtText(SignNames[analysis.signs.mars]));
    sheetLayout()->addWidget(
        BuildClassicalTable(sheet(), QStringLiteral("tblClassical"), analysis));

    int shown = 0;
    for (Cancellation rule : CancellationsThatHold(analysis)) {
        const CancellationText& text = CancellationTexts[static_cast<std::size_t>(rule)];
        AddLabel(QStringLiteral("lblCancellation_%1").arg(shown++),
                 QStringLiteral("<b>%1:</b> %2")
                     .arg(QtText(text.name).toHtmlEscaped(),
                          QtText(text.explanation).toHtmlEscaped()));
    }
    AddLabel(QStringLiteral("lblNote"), QtText(kClassicalRuleNote), false, kNoteColour);

    setPlainText(QString::fromStdString(KujaDoshaDetailsText(analysis, name.toStdString())));
}

}  // namespace orbalis
