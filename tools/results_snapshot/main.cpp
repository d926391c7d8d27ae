// Photographs the results window for the pictures in docs/: the Delhi 1985
// reading as the engines compute it (classic and precise positions), a
// crowded chart with several retrograde bodies in one box, the classical Kuja
// dosha details of the Delhi reading, its Vimshottari dasha seen on 1 June
// 2025, and its Manglik match with a Mumbai reading of 1987; the Delhi reading in the North and
// East Indian styles and its Navamsa, and its PDF report (report-1985.pdf, whose first page
// `pdftoppm -png -r 60 -singlefile` turns into report-1985.png). Run
// offscreen with the docs folder as its argument.
#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <cstdio>
#include <memory>
#include <optional>

#include "dasha/dasha_birth.h"
#include "dosha/classical_kuja_dosha.h"
#include "dosha/manglik_status.h"
#include "reading/reading.h"
#include "report/reading_report.h"
#include "support/sample_readings.h"
#include "ui/common/dialogs.h"
#include "ui/dasha/dasha_window.h"
#include "ui/dosha_details/kuja_dosha_details_window.h"
#include "ui/match/match_window.h"
#include "ui/results/results_form.h"
#include "ui/results/results_window.h"

namespace {

// Shows the window offscreen and saves what it paints.
bool Save(QWidget& window, const QString& path) {
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QApplication::processEvents();
    if (window.grab().save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool Photograph(const orbalis::BirthDetails& birth, const orbalis::ChartReading& reading,
                const orbalis::ReadingDisplay& display, const QString& path,
                orbalis::PositionsMode mode = orbalis::PositionsMode::Classic,
                orbalis::ChartStyle style = orbalis::ChartStyle::South,
                std::optional<orbalis::Division> division = std::nullopt) {
    orbalis::QtDialogs dialogs;
    orbalis::ResultsWindow window(dialogs, birth);
    window.display()->ShowReading(reading, display);
    window.SetPositionsMode(mode);
    // Drawn as the menus would draw it, without writing the style to the
    // settings of whoever runs this.
    window.display()->ShowChart(style, division);
    // Large enough for the whole form, as a maximised window shows it.
    window.resize(800, 700);
    return Save(window, path);
}

bool PhotographDetails(const orbalis::BirthDetails& birth, const orbalis::ChartReading& reading,
                       const orbalis::Firmness& firmness, const QString& path) {
    const auto assessment = orbalis::AssessManglik(reading);
    if (!assessment) return false;
    orbalis::QtDialogs dialogs;
    orbalis::KujaDoshaDetailsWindow window(dialogs, *assessment,
                                           QString::fromStdString(birth.name));
    window.ShowFirmness(reading, firmness);
    return Save(window, path);
}

// The pictures' own today, so that they change only with the program.
constexpr orbalis::dasha::DashaDate kPictureDate = {2025, 6, 1};

bool PhotographDasha(const orbalis::BirthDetails& birth, const orbalis::ChartReading& reading,
                     const QString& path) {
    auto cycle = std::make_unique<orbalis::dasha::Vimshottari>();
    orbalis::dasha::ComputeVimshottari(orbalis::dasha::DashaBirthOf(birth, reading), *cycle);
    orbalis::QtDialogs dialogs;
    orbalis::DashaWindow window(dialogs, *cycle, kPictureDate, orbalis::PositionsMode::Classic,
                                false, QString::fromStdString(birth.name));
    return Save(window, path);
}

bool PhotographMatch(const orbalis::BirthDetails& birth, const orbalis::ChartReading& reading,
                     const QString& path) {
    const orbalis::BirthDetails other =
        orbalis::BirthDetailsFromForm(orbalis::testing::MumbaiEntries1987());
    orbalis::ChartReading otherReading;
    orbalis::ComputeChartReading(other, otherReading);
    if (!orbalis::AnalyseClassicalKujaDosha(reading) ||
        !orbalis::AnalyseClassicalKujaDosha(otherReading))
        return false;
    orbalis::QtDialogs dialogs;
    orbalis::MatchWindow window(dialogs, {birth.name, reading, birth},
                                {other.name, otherReading, other}, false,
                                orbalis::matching::VashyaPoints::Symmetric);
    return Save(window, path);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: results_snapshot <docs folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);

    const orbalis::BirthDetails birth = orbalis::testing::DelhiBirth1985();
    orbalis::ChartReading computed;
    const orbalis::ReadingDisplay display = orbalis::ComputeReading(birth, computed);
    bool ok = Photograph(birth, computed, display, folder + "/results-1985.png");

    orbalis::ChartReading precise;
    std::string refusal;
    const auto preciseDisplay =
        orbalis::ComputeReading(birth, orbalis::PositionsMode::Precise, precise, refusal);
    ok = preciseDisplay &&
         Photograph(birth, precise, *preciseDisplay, folder + "/results-1985-precise.png",
                    orbalis::PositionsMode::Precise) &&
         ok;

    ok = PhotographDetails(birth, computed, display.firmness,
                           folder + "/kuja-dosha-details-1985.png") &&
         ok;
    ok = PhotographDasha(birth, computed, folder + "/dasha-1985.png") && ok;
    ok = PhotographMatch(birth, computed, folder + "/manglik-match.png") && ok;
    ok = Photograph(birth, orbalis::testing::CrowdedReading(), orbalis::testing::CrowdedDisplay(),
                    folder + "/results-crowded.png") &&
         ok;

    using orbalis::ChartStyle;
    ok = Photograph(birth, computed, display, folder + "/results-north-1985.png",
                    orbalis::PositionsMode::Classic, ChartStyle::North) &&
         ok;
    ok = Photograph(birth, computed, display, folder + "/results-east-1985.png",
                    orbalis::PositionsMode::Classic, ChartStyle::East) &&
         ok;
    ok = Photograph(birth, computed, display, folder + "/results-navamsa-1985.png",
                    orbalis::PositionsMode::Classic, ChartStyle::South, orbalis::Division::D9) &&
         ok;

    orbalis::ReportReading report;
    report.birth = birth;
    report.reading = computed;
    report.chartBoxes = display.chartBoxes;
    report.chartStyle = ChartStyle::North;
    report.firmness = display.firmness;
    report.today = kPictureDate;
    QFile pdf(folder + "/report-1985.pdf");
    const QByteArray bytes = orbalis::ReadingReportPdf(report);
    ok = !bytes.isEmpty() && pdf.open(QIODevice::WriteOnly) && pdf.write(bytes) == bytes.size() &&
         ok;
    return ok ? 0 : 1;
}
