#include "app/ui/frmAbout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <string_view>

#include "app/program_identity.h"
#include "places/place_data_credit.h"

namespace orbalis {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + Text(kProductName));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(10);

    auto* lblProduct = new QLabel(Text(kProductName), this);
    lblProduct->setObjectName(QStringLiteral("lblProduct"));
    QFont title = lblProduct->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.6);
    lblProduct->setFont(title);
    layout->addWidget(lblProduct);

    auto* lblVersion = new QLabel(QStringLiteral("Version ") + Text(kVersionText), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    layout->addWidget(lblVersion);

    auto* lblDescription = new QLabel(
        QStringLiteral("A Vedic-astrology Kuja dosha reading: from the date, time and place of "
                       "birth it tells whether a person is Manglik (afflicted by Mars), and by "
                       "what percentage, counted from the Lagna and from the Moon, with the "
                       "planet positions and a South Indian chart."),
        this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblDescription->setMinimumWidth(360);
    layout->addWidget(lblDescription);

    auto* lblPlaceCredit = new QLabel(Text(kPlaceDataCredit), this);
    lblPlaceCredit->setObjectName(QStringLiteral("lblPlaceCredit"));
    lblPlaceCredit->setWordWrap(true);
    layout->addWidget(lblPlaceCredit);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(cmdOK);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace orbalis
