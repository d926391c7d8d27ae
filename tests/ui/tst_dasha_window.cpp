#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "app/results_actions.h"
#include "dasha/dasha_birth.h"
#include "dasha/dasha_sheet.h"
#include "support/fake_dialogs.h"
#include "support/sample_readings.h"
#include "support/test_environment.h"
#include "ui/dasha/dasha_window.h"
#include "ui/results/results_form.h"
#include "ui/results/results_window.h"

using namespace orbalis;
using orbalis::testing::FakeDialogs;

namespace {

constexpr dasha::DashaDate kToday = {2025, 6, 1};

std::unique_ptr<dasha::Vimshottari> DelhiDasha() {
    auto cycle = std::make_unique<dasha::Vimshottari>();
    dasha::ComputeVimshottari(dasha::DashaBirthOf(orbalis::testing::DelhiBirth1985(),
                                                  orbalis::testing::DelhiReading1985()),
                              *cycle);
    return cycle;
}

// The Delhi sample's dasha window on 2025-06-01.
struct Window {
    FakeDialogs dialogs;
    DashaWindow window{dialogs, *DelhiDasha(),
                       kToday,  PositionsMode::Classic,
                       false,   QStringLiteral("Asha Verma")};
};

// A results window with the Delhi sample, as the application wires it.
struct Results {
    FakeDialogs dialogs;
    ResultsWindow mdi{dialogs, orbalis::testing::DelhiBirth1985()};
    Results() {
        ConnectResultsActions(mdi, dialogs);
        mdi.display()->ShowReading(orbalis::testing::DelhiReading1985(),
                                   orbalis::testing::DelhiDisplay1985());
    }
    void trigger(const char* name) {
        mdi.findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }
};

}  // namespace

class DashaWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { orbalis::testing::PrepareTestEnvironment(); }

    // Each row as "columns|drawn|colour|open|current", on 2025-06-01: the
    // periods running today highlighted and open down to the deepest, which
    // is current; Kuja periods red, those over before birth grey.
    void rowsOfTheDelhiReading() {
        struct Case {
            const char* path;  // the mahadasha, then the sub-period in it
            const char* row;
        };
        const Case cases[] = {
            {"0", "Saturn|1971-08-31|1990-08-31||at birth|plain|#000000|closed|"},
            {"0.6",
             "Saturn/Mars|1984-03-03|1985-04-12||before birth, Kuja period|plain|#808080|closed|"},
            {"3", "Venus|2014-08-31|2034-08-31|29y 0m|running today|highlighted|#000000|open|"},
            {"3.5",
             "Venus/Jupiter|2024-10-30|2027-07-01|39y 2m|running today|highlighted|#000000|open|"},
            {"3.5.1",
             "Venus/Jupiter/Saturn|2025-03-09|2025-08-10|39y 6m|running today|"
             "highlighted|#000000|closed|current"},
            {"4.2", "Sun/Mars|2035-06-19|2035-10-25|49y 10m|Kuja period|plain|#b00000|closed|"},
            {"6", "Mars|2050-08-31|2057-08-30|65y 0m|Kuja period|plain|#b00000|closed|"},
        };
        Window w;
        QTreeWidget* tree = w.window.findChild<QTreeWidget*>(QStringLiteral("tvwPeriods"));
        for (const Case& c : cases) {
            const QStringList steps = QString::fromLatin1(c.path).split(u'.');
            QTreeWidgetItem* item = tree->topLevelItem(steps[0].toInt());
            for (qsizetype i = 1; i < steps.size(); ++i) item = item->child(steps[i].toInt());
            QCOMPARE(item->childCount(), steps.size() < 3 ? 9 : 0);
            QStringList parts;
            for (int column = 0; column < tree->columnCount(); ++column)
                parts << item->text(column);
            const bool highlighted = item->font(0).bold() && item->background(4) != QBrush();
            parts << (highlighted ? "highlighted" : "plain") << item->foreground(1).color().name()
                  << (item->isExpanded() ? "open" : "closed")
                  << (tree->currentItem() == item ? "current" : "");
            QCOMPARE(parts.join(u'|'), QString::fromLatin1(c.row));
        }
    }

    // From the View menu: one window, brought back on the next request and
    // following the reading into the other positions.
    void opensFromTheViewMenu() {
        Results results;
        // "&Vimshottari Dasha": the one access key V of the menu.
        int keys = 0;
        for (QAction* each : results.mdi.findChild<QMenu*>(QStringLiteral("mnuView"))->actions())
            keys += each->text().contains(QStringLiteral("&V"), Qt::CaseInsensitive);
        QCOMPARE(keys, 1);

        results.trigger("mnuDasha");
        results.trigger("mnuDasha");
        QCOMPARE(results.mdi.findChildren<DashaWindow*>().size(), 1);
        QTRY_VERIFY(results.mdi.findChild<DashaWindow*>()->isVisible());

        results.trigger("mnuPositionsPrecise");
        QTRY_COMPARE(results.mdi.findChildren<DashaWindow*>().size(), 1);
        QCOMPARE(results.mdi.findChild<DashaWindow*>()->positionsMode(), PositionsMode::Precise);
        QVERIFY(results.mdi.findChild<DashaWindow*>()->isVisible());
    }

    void copyAsTextAndSaveAsPdf() {
        Window w;
        w.window.findChild<QPushButton*>(QStringLiteral("cmdCopy"))->click();
        const auto cycle = DelhiDasha();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromStdString(
                     dasha::DashaSheetText(*cycle, dasha::TodayOf(*cycle, kToday),
                                           PositionsMode::Classic, false, "Asha Verma")));

        // Save As PDF offers the name from the copied text's title.
        w.window.findChild<QPushButton*>(QStringLiteral("cmdSavePdf"))->click();
        QVERIFY(w.dialogs.saveRequests.back().initialName.endsWith(
            QStringLiteral("/Vimshottari Dasha.pdf")));
    }
};

QTEST_MAIN(DashaWindowTest)
#include "tst_dasha_window.moc"
