#include "ui/dasha/dasha_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dasha/dasha_sheet.h"
#include "painting/form_font.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_language.h"

namespace orbalis {
namespace {

using namespace orbalis::dasha;

const QColor kTitleColour(128, 0, 0);  // the Lagna frame's title on the results form
const QColor kNoteColour(0, 0, 128);   // the Moon frame's title
const QColor kRunningBackground(255, 236, 150);
const QColor kKujaColour(176, 0, 0);  // Mars's own red, darkened to read on white
const QColor kBeforeBirthColour(128, 128, 128);

// The columns' widths in pixels; the marks take what is left.
constexpr int kColumnWidths[] = {200, 82, 82, 82};
// Rows the tree shows without scrolling: the mahadashas with the running
// one's antardashas open, and most of the running antardasha's own.
constexpr int kVisibleRows = 24;

QTreeWidgetItem* PeriodItem(const Vimshottari& dasha, const DashaToday& today, int level,
                            int index) {
    const DashaRowText row = DashaRow(dasha, today, level, index, WindowWords());
    auto* item = new QTreeWidgetItem({QtText(row.lords), QtText(row.start), QtText(row.end),
                                      QtText(row.age), QtText(row.marks)});
    const QColor colour = row.beforeBirth  ? kBeforeBirthColour
                          : row.kujaPeriod ? kKujaColour
                                           : QColor(Qt::black);
    for (int column = 0; column < item->columnCount(); ++column) {
        item->setForeground(column, colour);
        if (!row.runningToday) continue;
        item->setBackground(column, kRunningBackground);
        item->setFont(column, FormFont(true));
    }
    if (level + 1 < kLevelCount) {
        for (int sub = 0; sub < kLordCount; ++sub)
            item->addChild(PeriodItem(dasha, today, level + 1, index * kLordCount + sub));
    }
    return item;
}

}  // namespace

DashaWindow::DashaWindow(Dialogs& dialogs, const Vimshottari& dasha, DashaDate today,
                         PositionsMode mode, bool builtInEphemeris, const QString& name,
                         QWidget* parent)
    : ReportWindow(dialogs, QStringLiteral("frmDasha"), parent), mode_(mode) {
    const DashaToday seen = TodayOf(dasha, today);
    const DashaHeadText head = DashaHead(dasha, seen, mode, builtInEphemeris, WindowWords());
    AddLabel(QStringLiteral("lblTitle"), WindowText(kDashaTitle), true, kTitleColour)
        ->setFont(FormFont(true, 11));
    AddLabel(QStringLiteral("lblName"), tr("Name: %1").arg(name));
    AddLabel(QStringLiteral("lblNakshatra"), QtText(head.nakshatra));
    AddLabel(QStringLiteral("lblBalance"), QtText(head.balance));
    AddLabel(QStringLiteral("lblToday"), QtText(head.today), true);
    AddLabel(QStringLiteral("lblKuja"), QtText(head.kuja), false, kKujaColour);

    tvwPeriods_ = new QTreeWidget(sheet());
    tvwPeriods_->setObjectName(QStringLiteral("tvwPeriods"));
    tvwPeriods_->setFont(FormFont());
    tvwPeriods_->setColumnCount(static_cast<int>(kDashaColumnTitles.size()));
    QStringList titles;
    for (const std::string_view title : kDashaColumnTitles) titles << WindowText(title);
    tvwPeriods_->setHeaderLabels(titles);
    tvwPeriods_->header()->setStretchLastSection(true);
    for (int column = 0; column < static_cast<int>(std::size(kColumnWidths)); ++column)
        tvwPeriods_->setColumnWidth(column, kColumnWidths[column]);
    tvwPeriods_->setRootIsDecorated(true);
    tvwPeriods_->setUniformRowHeights(true);
    tvwPeriods_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int m = 0; m < kMahadashaCount; ++m)
        tvwPeriods_->addTopLevelItem(PeriodItem(dasha, seen, 0, m));

    // The periods running today open, the deepest current.
    QTreeWidgetItem* deepest = nullptr;
    for (int level = 0; level < kLevelCount; ++level) {
        const int index = seen.running.index[static_cast<std::size_t>(level)];
        if (index == kNoPeriod) break;
        if (deepest) deepest->setExpanded(true);
        deepest = deepest ? deepest->child(index % kLordCount) : tvwPeriods_->topLevelItem(index);
    }
    const int rowHeight = tvwPeriods_->sizeHintForRow(0);
    tvwPeriods_->setFixedHeight(rowHeight * kVisibleRows +
                                tvwPeriods_->header()->sizeHint().height() +
                                2 * tvwPeriods_->frameWidth());
    if (deepest) {
        // Current for the keys, not selected: the selection's colour would
        // hide the highlight.
        tvwPeriods_->setCurrentItem(deepest, 0, QItemSelectionModel::NoUpdate);
        tvwPeriods_->scrollToItem(deepest);
    }
    sheetLayout()->addWidget(tvwPeriods_);

    AddLabel(QStringLiteral("lblDates"),
             QtText(head.clock + ". " + head.positions + ". " + head.accuracy + "."));
    AddLabel(QStringLiteral("lblNote"), WindowText(kKujaPeriodsNote), false, kNoteColour);

    setPlainText(QtText(
        DashaSheetText(dasha, seen, mode, builtInEphemeris, name.toStdString(), WindowWords())));
}

}  // namespace orbalis
