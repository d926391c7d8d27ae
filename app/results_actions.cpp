#include "app/results_actions.h"

#include <QPointer>
#include <memory>
#include <optional>

#include "dosha/manglik_status.h"
#include "report/reading_report.h"
#include "ui/common/save_flow.h"
#include "ui/dosha_details/kuja_dosha_details_window.h"
#include "ui/match/match_command.h"
#include "ui/results/results_form.h"
#include "ui/results/results_window.h"

namespace orbalis {

namespace {

// The report of the reading on screen, its charts in the style on screen.
void SaveReport(Dialogs& dialogs, ResultsWindow& window) {
    const ResultsForm& form = *window.display();
    ReportReading report;
    report.birth = form.birth();
    report.reading = form.reading();
    report.chartBoxes = form.readingDisplay().chartBoxes;
    report.fromLagna = form.readingDisplay().fromLagna;
    report.fromMoon = form.readingDisplay().fromMoon;
    report.positions = window.positionsMode();
    report.chartStyle = form.chartStyle();
    report.firmness = form.firmness();
    SavePdfWithDialog(dialogs, &window, ReportFileName(report.birth),
                      [&report] { return ReadingReportPdf(report); });
}

void ShowDetails(Dialogs& dialogs, ResultsWindow& window,
                 QPointer<KujaDoshaDetailsWindow>& details) {
    const ResultsForm& form = *window.display();
    if (!details) {
        const std::optional<ManglikAssessment> assessment = AssessManglik(form.reading());
        if (!assessment) return;
        details = new KujaDoshaDetailsWindow(dialogs, *assessment,
                                             QString::fromStdString(form.birth().name), &window);
        details->ShowFirmness(form.reading(), form.firmness());
    }
    details->show();
    details->raise();
    details->activateWindow();
}

}  // namespace

void ConnectResultsActions(ResultsWindow& window, Dialogs& dialogs) {
    QObject::connect(&window, &ResultsWindow::savePdfRequested, &window,
                     [&dialogs, &window] { SaveReport(dialogs, window); });
    QObject::connect(&window, &ResultsWindow::matchRequested, &window, [&dialogs, &window] {
        MatchWithSavedReading(dialogs, &window, window.display()->birth(),
                              window.display()->reading(), window.positionsMode());
    });
    // The details window of this results window, while it is open.
    auto details = std::make_shared<QPointer<KujaDoshaDetailsWindow>>();
    QObject::connect(&window, &ResultsWindow::detailsRequested, &window,
                     [&dialogs, &window, details] { ShowDetails(dialogs, window, *details); });
}

}  // namespace orbalis
