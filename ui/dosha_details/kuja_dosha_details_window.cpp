#include "ui/dosha_details/kuja_dosha_details_window.h"

#include <QLabel>
#include <QVBoxLayout>

#include "model/reference_tables.h"
#include "dosha/kuja_dosha_details_text.h"
#include "ui/common/classical_table.h"
#include "ui/dosha_details/firmness_table.h"
#include "model/moon_pada.h"
#include "painting/form_font.h"

namespace orbalis {
namespace {

const QColor kTitleColour(128, 0, 0);  // the Lagna frame's title on the results form
const QColor kNoteColour(0, 0, 128);   // the Moon frame's title

}  // namespace

KujaDoshaDetailsWindow::KujaDoshaDetailsWindow(Dialogs& dialogs, const ClassicalKujaDosha& analysis,
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

void KujaDoshaDetailsWindow::ShowFirmness(const ChartReading& reading, const Firmness& firmness) {
    const int moonPada = MoonPada(reading.siderealDegrees[kMoon]);
    const QString padaLine = QStringLiteral("Nakshatra %1, the Moon in pada %2")
                                 .arg(QtText(reading.nakshatra))
                                 .arg(moonPada);
    QLabel* pada = AddLabel(QStringLiteral("lblMoonPada"), padaLine);
    pada->setToolTip(
        QStringLiteral("The results form's \"Pada\" (%1) counts the quarters of %2 that lie in "
                       "one sign, as the nakshatra table gives them; the Moon itself stands in "
                       "quarter %3 of %2.")
            .arg(QtText(reading.pada), QtText(reading.nakshatra))
            .arg(moonPada));
    if (!firmness.givenMinute) {
        setPlainText(plainText() + QLatin1Char('\n') + padaLine + QLatin1Char('\n'));
        return;
    }
    AddLabel(QStringLiteral("lblFirmnessTitle"), QtText(kFirmnessTitle), true, kTitleColour);
    sheetLayout()->addWidget(BuildFirmnessTable(sheet(), QStringLiteral("tblFirmness"), firmness));
    setPlainText(plainText() + QLatin1Char('\n') + padaLine + QStringLiteral("\n\n") +
                 FirmnessPlainText(firmness));
}

}  // namespace orbalis
