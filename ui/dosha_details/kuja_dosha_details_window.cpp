#include "ui/dosha_details/kuja_dosha_details_window.h"

#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "dosha/kuja_dosha_details_text.h"
#include "model/moon_pada.h"
#include "model/reference_tables.h"
#include "painting/form_font.h"
#include "ui/common/classical_table.h"
#include "ui/common/window_language.h"
#include "ui/dosha_details/firmness_table.h"

namespace orbalis {
namespace {

const QColor kTitleColour(128, 0, 0);      // the Lagna frame's title on the results form
const QColor kNoteColour(0, 0, 128);       // the Moon frame's title
const QColor kResultColour(154, 54, 171);  // the results form's result lines

QString Lines(const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines) texts.append(QString::fromStdString(line));
    return texts.join(QLatin1Char('\n'));
}

}  // namespace

KujaDoshaDetailsWindow::KujaDoshaDetailsWindow(Dialogs& dialogs,
                                               const ManglikAssessment& assessment,
                                               const QString& name, QWidget* parent)
    : ReportWindow(dialogs, QStringLiteral("frmKujaDoshaDetails"), parent) {
    const ClassicalKujaDosha& analysis = assessment.analysis;
    AddLabel(QStringLiteral("lblTitle"), WindowText(kClassicalDetailsTitle), true, kTitleColour)
        ->setFont(FormFont(true, 11));
    AddLabel(QStringLiteral("lblName"), tr("Name: %1").arg(name));
    AddLabel(QStringLiteral("lblMars"),
             tr("Mars in %1").arg(WindowText(SignNames[analysis.signs.mars])));

    // The answer first, then what it rests on.
    AddLabel(QStringLiteral("lblManglikStatus"),
             QtText(ManglikStatusLine(assessment, WindowWords())), true, kResultColour)
        ->setFont(FormFont(true, 9.75));
    AddLabel(QStringLiteral("lblManglikReasons"), Lines(ManglikReasons(assessment, WindowWords())));
    const std::vector<std::string> notes = ManglikNotes(assessment, WindowWords());
    if (!notes.empty())
        AddLabel(QStringLiteral("lblManglikNotes"), Lines(notes), false, kNoteColour);

    sheetLayout()->addWidget(
        BuildClassicalTable(sheet(), QStringLiteral("tblClassical"), analysis));

    int shown = 0;
    for (Cancellation rule : CancellationsThatHold(analysis)) {
        const CancellationText& text = CancellationTexts[static_cast<std::size_t>(rule)];
        AddLabel(QStringLiteral("lblCancellation_%1").arg(shown++),
                 QStringLiteral("<b>%1:</b> %2")
                     .arg(WindowText(text.name).toHtmlEscaped(),
                          WindowText(text.explanation).toHtmlEscaped()));
    }
    AddLabel(QStringLiteral("lblNote"), WindowText(kClassicalRuleNote), false, kNoteColour);

    // Listed as what families practise, never as advice.
    if (IsManglik(assessment.status)) {
        AddLabel(QStringLiteral("lblRemediesHeading"), WindowText(kRemediesHeading), true,
                 kTitleColour);
        AddLabel(QStringLiteral("lblRemediesSentence"), WindowText(kRemediesSentence), false,
                 kNoteColour);
        QStringList remedies;
        for (const Remedy& remedy : kTraditionalRemedies)
            remedies.append(QStringLiteral("<b>%1:</b> %2")
                                .arg(WindowText(remedy.name).toHtmlEscaped(),
                                     WindowText(remedy.description).toHtmlEscaped()));
        AddLabel(QStringLiteral("lblRemedies"), remedies.join(QStringLiteral("<br>")));
    }

    setPlainText(QString::fromStdString(
        KujaDoshaDetailsText(assessment, name.toStdString(), WindowWords())));
}

void KujaDoshaDetailsWindow::ShowFirmness(const ChartReading& reading, const Firmness& firmness) {
    const int moonPada = MoonPada(reading.siderealDegrees[kMoon]);
    const QString padaLine =
        tr("Nakshatra %1, the Moon in pada %2").arg(WindowText(reading.nakshatra)).arg(moonPada);
    QLabel* pada = AddLabel(QStringLiteral("lblMoonPada"), padaLine);
    pada->setToolTip(tr("The results form's \"Pada\" (%1) counts the quarters of %2 that lie in "
                        "one sign, as the nakshatra table gives them; the Moon itself stands in "
                        "quarter %3 of %2.")
                         .arg(QtText(reading.pada), WindowText(reading.nakshatra))
                         .arg(moonPada));
    if (!firmness.givenMinute) {
        setPlainText(plainText() + QLatin1Char('\n') + padaLine + QLatin1Char('\n'));
        return;
    }
    AddLabel(QStringLiteral("lblFirmnessTitle"), WindowText(kFirmnessTitle), true, kTitleColour);
    sheetLayout()->addWidget(BuildFirmnessTable(sheet(), QStringLiteral("tblFirmness"), firmness));
    setPlainText(plainText() + QLatin1Char('\n') + padaLine + QStringLiteral("\n\n") +
                 FirmnessPlainText(firmness));
}

}  // namespace orbalis
