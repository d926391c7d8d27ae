#include "app/results_actions.h"

#include <QPointer>
#include <memory>
#include <optional>

#include "dasha/dasha_birth.h"
#include "dosha/classical_kuja_dosha.h"
#include "dosha/manglik_status.h"
#include "report/reading_report.h"
#include "ui/common/save_flow.h"
#include "ui/common/window_language.h"
#include "ui/dasha/dasha_window.h"
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
    report.positions = window.positionsMode();
    report.chartStyle = form.chartStyle();
    report.firmness = form.firmness();
    SavePdfWithDialog(dialogs, &window, ReportFileName(report.birth),
                      [&report] { return ReadingReportPdf(report, WindowWords()); });
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

// The dasha of the reading on screen, in the positions it was computed
// with, seen from today's date.
DashaWindow* OpenDasha(Dialogs& dialogs, ResultsWindow& window) {
    const ResultsForm& form = *window.display();
    auto cycle = std::make_unique<dasha::Vimshottari>();
    dasha::ComputeVimshottari(dasha::DashaBirthOf(form.birth(), form.reading()), *cycle);
    return new DashaWindow(dialogs, *cycle, dasha::LocalDateToday(), window.positionsMode(),
                           form.reading().builtInEphemeris,
                           QString::fromStdString(form.birth().name), &window);
}

void ShowDasha(Dialogs& dialogs, ResultsWindow& window, QPointer<DashaWindow>& dashaWindow) {
    if (!dashaWindow) dashaWindow = OpenDasha(dialogs, window);
    dashaWindow->show();
    dashaWindow->raise();
    dashaWindow->activateWindow();
}

// An open dasha window follows the reading into the other positions, in
// its place on screen; one the reading could not follow stays as it is.
void FollowPositions(Dialogs& dialogs, ResultsWindow& window, QPointer<DashaWindow>& dashaWindow) {
    if (!dashaWindow || dashaWindow->positionsMode() == window.positionsMode()) return;
    DashaWindow* old = dashaWindow;
    dashaWindow = OpenDasha(dialogs, window);
    dashaWindow->move(old->pos());
    if (old->isVisible()) dashaWindow->show();
    old->close();
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
    auto dashaWindow = std::make_shared<QPointer<DashaWindow>>();
    QObject::connect(
        &window, &ResultsWindow::dashaRequested, &window,
        [&dialogs, &window, dashaWindow] { ShowDasha(dialogs, window, *dashaWindow); });
    // Connected after the application's own answer, which computes the
    // reading in the chosen positions first.
    QObject::connect(
        &window, &ResultsWindow::positionsModeChosen, &window,
        [&dialogs, &window, dashaWindow] { FollowPositions(dialogs, window, *dashaWindow); });
}

}  // namespace orbalis
