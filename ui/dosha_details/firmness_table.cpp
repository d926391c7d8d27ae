#include "ui/dosha_details/firmness_table.h"

#include <QGridLayout>
#include <QLabel>
#include <QWidget>

#include "ui/common/report_window.h"
#include "ui/common/window_language.h"

namespace orbalis {
namespace {

const QColor kWarningColour(192, 0, 0);  // the firmness warning of the results form

bool ChangesSoon(const FirmnessRun& run) {
    return (run.to && *run.to + 1 <= kFirmnessWarningMinutes) ||
           (run.from && 1 - *run.from <= kFirmnessWarningMinutes);
}

}  // namespace

QWidget* BuildFirmnessTable(QWidget* parent, const QString& name, const Firmness& firmness) {
    QWidget* table = new QWidget(parent);
    table->setObjectName(name);
    QGridLayout* grid = new QGridLayout(table);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(4);
    for (int item = 0; item < kFirmnessItemCount; ++item) {
        const auto which = static_cast<FirmnessItem>(item);
        const QColor colour = ChangesSoon(firmness.of(which)) ? kWarningColour : Qt::black;
        QLabel* title = MakeSheetLabel(table, QStringLiteral("lblFirmnessItem_%1").arg(item),
                                       WindowText(FirmnessItemNames[item].title), true, colour);
        title->setWordWrap(false);  // short: one line each, the column as wide as the longest
        grid->addWidget(title, item, 0);
        grid->addWidget(MakeSheetLabel(table, QStringLiteral("lblFirmnessHolds_%1").arg(item),
                                       QtText(FirmnessHoldsText(firmness, which, WindowWords())),
                                       false, colour),
                        item, 1);
    }
    grid->setColumnStretch(1, 1);
    return table;
}

QString FirmnessPlainText(const Firmness& firmness) {
    QString text = WindowText(kFirmnessTitle) + QLatin1Char('\n');
    int widest = 0;
    for (const FirmnessItemName& name : FirmnessItemNames)
        widest = std::max(widest, static_cast<int>(WindowText(name.title).size()));
    for (int item = 0; item < kFirmnessItemCount; ++item) {
        text +=
            WindowText(FirmnessItemNames[item].title).leftJustified(widest + 2) +
            QtText(FirmnessHoldsText(firmness, static_cast<FirmnessItem>(item), WindowWords())) +
            QLatin1Char('\n');
    }
    return text;
}

}  // namespace orbalis
