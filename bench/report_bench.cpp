// The PDF reports as "Save As PDF" and `orbalis-cli report` make them: the
// Delhi 1985 reading, both charts, every section, in English and Hindi; and
// the couple's report of the Delhi and Mumbai readings.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "reading/couple_match.h"
#include "reading/languages.h"
#include "reading/reading.h"
#include "report/couple_report.h"
#include "report/reading_report.h"
#include "support/sample_readings.h"

namespace {

orbalis::ReportReading DelhiReport(orbalis::ChartStyle style) {
    orbalis::ReportReading report;
    report.birth = orbalis::testing::DelhiBirth1985();
    report.birth.name = "Asha Verma";
    const orbalis::ReadingDisplay display = orbalis::ComputeReading(report.birth, report.reading);
    report.chartBoxes = display.chartBoxes;
    report.chartStyle = style;
    return report;
}

// Argument 0: the chart style; 1: English (0) or Hindi (1).
void BM_ReadingReportPdf(benchmark::State& state) {
    const orbalis::ReportReading report =
        DelhiReport(static_cast<orbalis::ChartStyle>(state.range(0)));
    const orbalis::Catalogue words = orbalis::CatalogueFor(state.range(1) ? "hi" : "en");
    for (auto _ : state) {
        QByteArray pdf = orbalis::ReadingReportPdf(report, words);
        benchmark::DoNotOptimize(pdf);
    }
}
BENCHMARK(BM_ReadingReportPdf)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond);

// Argument: English (0) or Tamil (1).
void BM_CoupleReportPdf(benchmark::State& state) {
    orbalis::CoupleReport report;
    const orbalis::FormEntries entries[] = {orbalis::testing::DelhiEntries(),
                                            orbalis::testing::MumbaiEntries1987()};
    for (std::size_t i = 0; i < 2; ++i) {
        report.people[i].birth = orbalis::BirthDetailsFromForm(entries[i]);
        orbalis::ComputeReading(report.people[i].birth, report.people[i].reading);
    }
    report.sheet = orbalis::ComposeMatchSheet(
        *orbalis::MatchCouple("Ravi Kumar", report.people[0].reading, "Priya",
                              report.people[1].reading, orbalis::matching::VashyaPoints::Symmetric),
        orbalis::CatalogueFor(state.range(0) ? "ta" : "en"));
    const orbalis::Catalogue words = orbalis::CatalogueFor(state.range(0) ? "ta" : "en");
    for (auto _ : state) {
        QByteArray pdf = orbalis::CoupleReportPdf(report, words);
        benchmark::DoNotOptimize(pdf);
    }
}
BENCHMARK(BM_CoupleReportPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

// The report paints with Qt's GUI library: an application on the offscreen
// platform, as the companion uses.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
