#include "ui/match/match_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cassert>

#include "ui/common/classical_table.h"
#include "ui/match/vashya_setting.h"
#include "matching/match_text.h"
#include "model/reference_tables.h"
#include "painting/form_font.h"

namespace orbalis {
namespace {

using namespace matching;

const QColor kTitleColour(128, 0, 0);
const QColor kConclusionColour(154, 54, 171);
const QColor kFailColour(176, 0, 0);

QString Text(std::string_view text) { return QtText(text); }

// A table of labels: a bold heading row, then one row a line; the last
// column takes the room the others leave and wraps.
QWidget* BuildGrid(QWidget* parent, const QString& name, const std::vector<QString>& headings) {
    QWidget* table = new QWidget(parent);
    table->setObjectName(name);
    QGridLayout* grid = new QGridLayout(table);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(4);
    for (int column = 0; column < static_cast<int>(headings.size()); ++column)
        grid->addWidget(MakeSheetLabel(table, name + QStringLiteral("Heading_%1").arg(column),
                                       headings[static_cast<std::size_t>(column)], true, Qt::black),
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

MatchWindow::MatchWindow(Dialogs& dialogs, MatchPerson first, MatchPerson second,
                                 bool firstIsBride, VashyaPoints table, QWidget* parent)
    : ReportWindow(dialogs, QStringLiteral("frmManglikMatch"), parent),
      people_{std::move(first), std::move(second)},
      firstIsBride_(firstIsBride),
      table_(table) {
    cmdSwap_ = new QPushButton(QStringLiteral("&Swap Bride and Groom"), this);
    cmdSwap_->setObjectName(QStringLiteral("cmdSwap"));
    connect(cmdSwap_, &QPushButton::clicked, this, &MatchWindow::cmdSwap_Click);
    AddControl(cmdSwap_);

    AddControl(new QLabel(QStringLiteral("Vashya points:"), this));
    optVashyaSymmetric_ = new QRadioButton(QStringLiteral("S&ymmetric"), this);
    optVashyaSymmetric_->setObjectName(QStringLiteral("optVashyaSymmetric"));
    optVashyaAsymmetric_ = new QRadioButton(QStringLiteral("&Asymmetric"), this);
    optVashyaAsymmetric_->setObjectName(QStringLiteral("optVashyaAsymmetric"));
    auto* group = new QButtonGroup(this);
    group->addButton(optVashyaSymmetric_);
    group->addButton(optVashyaAsymmetric_);
    (table == VashyaPoints::Asymmetric ? optVashyaAsymmetric_ : optVashyaSymmetric_)
        ->setChecked(true);
    AddControl(optVashyaSymmetric_);
    AddControl(optVashyaAsymmetric_);
    connect(optVashyaAsymmetric_, &QRadioButton::toggled, this,
            &MatchWindow::optVashya_Toggled);

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
    const MoonMatch& moons = match_->moons;

    delete content_;
    content_ = new QWidget(sheet());
    auto* layout = new QVBoxLayout(content_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    sheetLayout()->addWidget(content_);
    auto label = [&](const char* name, const QString& text, bool bold = false,
                     const QColor& colour = Qt::black) {
        QLabel* added = MakeSheetLabel(content_, QString::fromLatin1(name), text, bold, colour);
        layout->addWidget(added);
        return added;
    };
    auto heading = [&](const char* name, const QString& text) {
        label(name, text, true, kTitleColour)->setFont(FormFont(true, 11));
    };

    heading("lblTitle", QStringLiteral("Marriage match"));
    label("lblGroom", QStringLiteral("Groom: ") + Text(groom.name) + QStringLiteral(", Moon in ") +
                          Text(MoonPlacementText(moons.groom)),
          true);
    label("lblBride", QStringLiteral("Bride: ") + Text(bride.name) + QStringLiteral(", Moon in ") +
                          Text(MoonPlacementText(moons.bride)),
          true);

    heading("lblAshtakootaTitle", QStringLiteral("Ashtakoota (36 gunas)"));
    QWidget* kootas = BuildGrid(content_, QStringLiteral("tblAshtakoota"),
                                {QStringLiteral("Koota"), QStringLiteral("Groom"),
                                 QStringLiteral("Bride"), QStringLiteral("Points")});
    for (int k = 0; k < kKootaCount; ++k) {
        const KootaName& name = KootaNames[static_cast<std::size_t>(k)];
        const KootaSides sides = KootaCompared(static_cast<Koota>(k), moons.groom, moons.bride);
        AddCell(kootas, QStringLiteral("lblKoota_%1").arg(k), Text(name.title), k + 1, 0, true);
        AddCell(kootas, QStringLiteral("lblKootaGroom_%1").arg(k), Text(sides.groom), k + 1, 1);
        AddCell(kootas, QStringLiteral("lblKootaBride_%1").arg(k), Text(sides.bride), k + 1, 2);
        AddCell(kootas, QStringLiteral("lblKootaPoints_%1").arg(k),
                Text(PointsText(moons.ashtakoota.halfPoints[static_cast<std::size_t>(k)])) +
                    QStringLiteral(" of %1").arg(name.maximum),
                k + 1, 3);
    }
    layout->addWidget(kootas);
    label("lblTotal", QStringLiteral("Total: ") + Text(GunaTotalText(moons.ashtakoota)), true,
          kConclusionColour);

    heading("lblDoshasTitle", QStringLiteral("Doshas and their exceptions"));
    for (int d = 0; d < kKootaDoshaCount; ++d) {
        const KootaDoshaInfo& info = KootaDoshas[static_cast<std::size_t>(d)];
        QString text = Text(info.name) + QStringLiteral(": ") +
                       Text(KootaDoshaVerdict(moons, static_cast<KootaDosha>(d)));
        for (int f = static_cast<int>(info.firstException);
             moons.flags.has(info.flag) && f <= static_cast<int>(info.lastException); ++f) {
            if (!moons.flags.bits.test(static_cast<std::size_t>(f))) continue;
            const MatchFlagText& flag = MatchFlagTexts[static_cast<std::size_t>(f)];
            text += QStringLiteral("\n    ") + Text(flag.name) + QStringLiteral(": ") +
                    Text(flag.explanation);
        }
        label(qPrintable(QStringLiteral("lblDosha_%1").arg(d)), text,
              moons.flags.has(info.flag));
    }

    heading("lblPoruthamsTitle", QStringLiteral("Poruthams (* most families require it)"));
    QWidget* poruthams = BuildGrid(content_, QStringLiteral("tblPoruthams"),
                                   {QStringLiteral("Porutham"), QStringLiteral("Result"),
                                    QStringLiteral("Why")});
    for (int p = 0; p < kPoruthamCount; ++p) {
        const PoruthamName& name = PoruthamNames[static_cast<std::size_t>(p)];
        const bool passes = moons.poruthams.passed[static_cast<std::size_t>(p)];
        AddCell(poruthams, QStringLiteral("lblPorutham_%1").arg(p),
                Text(name.title) + (name.required ? QStringLiteral(" *") : QString()), p + 1, 0,
                true);
        AddCell(poruthams, QStringLiteral("lblPoruthamResult_%1").arg(p),
                passes ? QStringLiteral("agrees") : QStringLiteral("fails"), p + 1, 1, !passes,
                passes ? Qt::black : kFailColour);
        AddCell(poruthams, QStringLiteral("lblPoruthamReason_%1").arg(p),
                Text(PoruthamReason(static_cast<Porutham>(p), moons.groom, moons.bride)), p + 1, 2);
    }
    layout->addWidget(poruthams);
    label("lblPoruthamCount", Text(PoruthamCountText(moons.poruthams)), true, kConclusionColour);

    heading("lblManglikTitle", QStringLiteral("Manglik balance: the classical house rule"));
    const MatchParty* parties[] = {&match_->groom, &match_->bride};
    for (int i = 0; i < 2; ++i) {
        const MatchParty& party = *parties[i];
        label(qPrintable(QStringLiteral("lblParty_%1").arg(i)),
              Text(party.name) + QStringLiteral(", Mars in ") +
                  Text(SignNames[static_cast<std::size_t>(party.analysis.signs.mars)]),
              true);
        layout->addWidget(
            BuildClassicalTable(content_, QStringLiteral("tblClassical_%1").arg(i), party.analysis));
    }
    label("lblConclusion", Text(match_->manglik.conclusion), true, kConclusionColour)
        ->setFont(FormFont(true, 11));
    label("lblReason", Text(match_->manglik.reason));

    heading("lblSummaryTitle", QStringLiteral("Conclusion"));
    label("lblSummary", Text(CoupleConclusion(*match_)));

    content_->show();
    setPlainText(QString::fromStdString(CoupleMatchText(*match_)));
}

}  // namespace orbalis
