// One PDF report of a reading, as "Save As PDF" and `orbalis-cli report`
// make it: the Delhi 1985 reading, both charts, every section.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "reading/reading.h"
#include "report/reading_report.h"
#include "support/sample_readings.h"

namespace {

orbalis::ReportReading DelhiReport(orbalis::ChartStyle style) {
    orbalis::ReportReading report;
    report.birth = orbalis::testing::DelhiBirth1985();
    report.birth.name = "Asha Verma";
    const orbalis::ReadingDisplay display = orbalis::ComputeReading(report.birth, report.reading);
    report.chartBoxes = display.chartBoxes;
    report.fromLagna = display.fromLagna;
    report.fromMoon = display.fromMoon;
    report.chartStyle = style;
    return report;
}

void BM_ReadingReportPdf(benchmark::State& state) {
    const orbalis::ReportReading report =
        DelhiReport(static_cast<orbalis::ChartStyle>(state.range(0)));
    for (auto _ : state) {
        QByteArray pdf = orbalis::ReadingReportPdf(report);
        benchmark::DoNotOptimize(pdf);
    }
}
BENCHMARK(BM_ReadingReportPdf)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

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
