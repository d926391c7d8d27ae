#include "ui/match/match_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cassert>
#include <span>

#include "dosha/manglik_status.h"
#include "painting/form_font.h"
#include "ui/common/classical_table.h"
#include "ui/common/window_language.h"
#include "ui/match/vashya_setting.h"

namespace orbalis {
namespace {

using namespace matching;

const QColor kTitleColour(128, 0, 0);
const QColor kConclusionColour(154, 54, 171);
const QColor kFailColour(176, 0, 0);

QString Text(std::string_view text) {
    return QtText(text);
}

// A table of labels: a bold heading row, then one row a line; the last
// column takes the room the others leave and wraps.
QWidget* BuildGrid(QWidget* parent, const QString& name,
                   std::span<const std::string_view> headings) {
    QWidget* table = new QWidget(parent);
    table->setObjectName(name);
    QGridLayout* grid = new QGridLayout(table);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(4);
    for (int column = 0; column < static_cast<int>(headings.size()); ++column)
        grid->addWidget(
            MakeSheetLabel(table, name + QStringLiteral("Heading_%1").arg(column),
                           WindowText(headings[static_cast<std::size_t>(column)]), true, Qt::black),
            0, column);
    grid->setColumnStretch(static_cast<int>(headings.size()) - 1, 1);
    return table;
}

QLabel* AddCell(QWidget* table, const QString& name, const QString& text, int row, int column,
                bool bold = false, const QColor& colour = Qt::black) {
    QLabel* label = MakeSheetLabel(table, name, text, bold, colour);
    label->setWordWrap(column == static_cast<QGridLayout*>(table->layout())->columnCount() - 1);
    static_cast<QGridLayout*>(table->layout())->addWidget(label, row, column);
    return label;
}

}  // namespace

MatchWindow::MatchWindow(Dialogs& dialogs, MatchPerson first, MatchPerson second, bool firstIsBride,
                         VashyaPoints table, QWidget* parent)
    : ReportWindow(dialogs, QStringLiteral("frmManglikMatch"), parent),
      people_{std::move(first), std::move(second)},
      firstIsBride_(firstIsBride),
      table_(table) {
    cmdSwap_ = new QPushButton(tr("&Swap Bride and Groom"), this);
    cmdSwap_->setObjectName(QStringLiteral("cmdSwap"));
    connect(cmdSwap_, &QPushButton::clicked, this, &MatchWindow::cmdSwap_Click);
    AddControl(cmdSwap_);

    AddControl(new QLabel(tr("Vashya points:"), this));
    optVashyaSymmetric_ = new QRadioButton(tr("S&ymmetric"), this);
    optVashyaSymmetric_->setObjectName(QStringLiteral("optVashyaSymmetric"));
    optVashyaAsymmetric_ = new QRadioButton(tr("&Asymmetric"), this);
    optVashyaAsymmetric_->setObjectName(QStringLiteral("optVashyaAsymmetric"));
    auto* group = new QButtonGroup(this);
    group->addButton(optVashyaSymmetric_);
    group->addButton(optVashyaAsymmetric_);
    (table == VashyaPoints::Asymmetric ? optVashyaAsymmetric_ : optVashyaSymmetric_)
        ->setChecked(true);
    AddControl(optVashyaSymmetric_);
    AddControl(optVashyaAsymmetric_);
    connect(optVashyaAsymmetric_, &QRadioButton::toggled, this, &MatchWindow::optVashya_Toggled);

    Fill();
}

void MatchWindow::cmdSwap_Click() {
    firstIsBride_ = !firstIsBride_;
    Fill();
}

void MatchWindow::optVashya_Toggled() {
    table_ = optVashyaAsymmetric_->isChecked() ? VashyaPoints::Asymmetric : VashyaPoints::Symmetric;
    SaveVashyaPoints(table_);
    Fill();
}

void MatchWindow::Fill() {
    const MatchPerson& groom = people_[firstIsBride_ ? 1 : 0];
    const MatchPerson& bride = people_[firstIsBride_ ? 0 : 1];
    match_ = MatchCouple(groom.name, groom.reading, bride.name, bride.reading, table_);
    assert(match_);
    match_->sameBirth = CompareBirths(groom.birth, bride.birth);
    sheet_ = ComposeMatchSheet(*match_, WindowWords());

    delete content_;
    content_ = new QWidget(sheet());
    auto* layout = new QVBoxLayout(content_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    sheetLayout()->addWidget(content_);
    auto label = [&](const QString& name, std::string_view text, bool bold = false,
                     const QColor& colour = Qt::black) {
        QLabel* added = MakeSheetLabel(content_, name, Text(text), bold, colour);
        layout->addWidget(added);
        return added;
    };
    auto heading = [&](const QString& name, std::string_view text) {
        QLabel* added = label(name, text, true, kTitleColour);
        added->setText(WindowText(text));
        added->setFont(FormFont(true, 11));
    };

    heading(QStringLiteral("lblTitle"), kMatchTitle);
    label(QStringLiteral("lblGroom"), sheet_.people[0].moonLine, true);
    label(QStringLiteral("lblBride"), sheet_.people[1].moonLine, true);
    if (!sheet_.sameBirth.empty())
        label(QStringLiteral("lblSameBirth"), sheet_.sameBirth, true, kFailColour);

    heading(QStringLiteral("lblAshtakootaTitle"), kAshtakootaHeading);
    QWidget* kootas = BuildGrid(content_, QStringLiteral("tblAshtakoota"), kKootaColumnTitles);
    for (int k = 0; k < kKootaCount; ++k) {
        const MatchSheetKoota& koota = sheet_.kootas[static_cast<std::size_t>(k)];
        AddCell(kootas, QStringLiteral("lblKoota_%1").arg(k), Text(koota.koota), k + 1, 0, true);
        AddCell(kootas, QStringLiteral("lblKootaGroom_%1").arg(k), Text(koota.groom), k + 1, 1);
        AddCell(kootas, QStringLiteral("lblKootaBride_%1").arg(k), Text(koota.bride), k + 1, 2);
        AddCell(kootas, QStringLiteral("lblKootaPoints_%1").arg(k), Text(koota.points), k + 1, 3);
    }
    layout->addWidget(kootas);
    label(QStringLiteral("lblTotal"), sheet_.total, true, kConclusionColour);

    heading(QStringLiteral("lblDoshasTitle"), kDoshasHeading);
    for (int d = 0; d < kKootaDoshaCount; ++d) {
        const MatchSheetDosha& dosha = sheet_.doshas[static_cast<std::size_t>(d)];
        QString text = Text(dosha.line);
        for (const std::string& exception : dosha.exceptions)
            text += QStringLiteral("\n    ") + Text(exception);
        layout->addWidget(MakeSheetLabel(content_, QStringLiteral("lblDosha_%1").arg(d), text,
                                         dosha.present, Qt::black));
    }

    heading(QStringLiteral("lblPoruthamsTitle"), kPoruthamsHeading);
    QWidget* poruthams = BuildGrid(content_, QStringLiteral("tblPoruthams"), kPoruthamColumnTitles);
    for (int p = 0; p < kPoruthamCount; ++p) {
        const MatchSheetPorutham& porutham = sheet_.poruthams[static_cast<std::size_t>(p)];
        AddCell(poruthams, QStringLiteral("lblPorutham_%1").arg(p), Text(porutham.name), p + 1, 0,
                true);
        AddCell(poruthams, QStringLiteral("lblPoruthamResult_%1").arg(p), Text(porutham.result),
                p + 1, 1, !porutham.agrees, porutham.agrees ? Qt::black : kFailColour);
        AddCell(poruthams, QStringLiteral("lblPoruthamReason_%1").arg(p), Text(porutham.reason),
                p + 1, 2);
    }
    layout->addWidget(poruthams);
    label(QStringLiteral("lblPoruthamCount"), sheet_.poruthamCount, true, kConclusionColour);

    heading(QStringLiteral("lblManglikTitle"), kManglikBalanceHeading);
    for (int i = 0; i < 2; ++i) {
        const MatchSheetPerson& person = sheet_.people[static_cast<std::size_t>(i)];
        label(QStringLiteral("lblParty_%1").arg(i), person.marsLine, true);
        layout->addWidget(BuildClassicalTable(content_, QStringLiteral("tblClassical_%1").arg(i),
                                              person.analysis));
        label(QStringLiteral("lblStatus_%1").arg(i), person.statusLine, true);
    }
    label(QStringLiteral("lblConclusion"), sheet_.manglikConclusion, true, kConclusionColour)
        ->setFont(FormFont(true, 11));
    if (!sheet_.manglikNote.empty()) label(QStringLiteral("lblNote"), sheet_.manglikNote);
    if (sheet_.remedies) {
        label(QStringLiteral("lblRemediesTitle"), kRemediesHeading, true)
            ->setText(WindowText(kRemediesHeading));
        QString remedies = WindowText(kRemediesSentence).toHtmlEscaped();
        for (const Remedy& remedy : kTraditionalRemedies)
            remedies += QStringLiteral("<br><b>%1:</b> %2")
                            .arg(WindowText(remedy.name).toHtmlEscaped(),
                                 WindowText(remedy.description).toHtmlEscaped());
        QLabel* list = label(QStringLiteral("lblRemedies"), {});
        list->setTextFormat(Qt::RichText);
        list->setText(remedies);
    }

    heading(QStringLiteral("lblSummaryTitle"), kConclusionHeading);
    label(QStringLiteral("lblSummary"), sheet_.conclusion);

    content_->show();
    setPlainText(QString::fromStdString(MatchSheetText(sheet_, WindowWords())));
}

CoupleReport MatchWindow::Report() const {
    CoupleReport report;
    const MatchPerson& groom = people_[firstIsBride_ ? 1 : 0];
    const MatchPerson& bride = people_[firstIsBride_ ? 0 : 1];
    report.people = {CouplePerson{groom.birth, groom.reading},
                     CouplePerson{bride.birth, bride.reading}};
    report.sheet = sheet_;
    return report;
}

bool MatchWindow::PaintDocument(QPagedPaintDevice& device) const {
    return PaintCoupleReport(device, Report(), WindowWords());
}

QString MatchWindow::DocumentTitle() const {
    return Text(kMatchTitle);
}

QString MatchWindow::DocumentFileName() const {
    return CoupleReportFileName(sheet_, WindowWords());
}

}  // namespace orbalis
