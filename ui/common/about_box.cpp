#include "ui/common/about_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <string_view>

#include "model/catalogue.h"
#include "model/program_identity.h"
#include "places/place_data_credit.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_language.h"

namespace orbalis {
namespace {

// The program's licence, then one line per work it builds on whose licence
// asks to be named; a new source of data adds its line here.
constexpr std::string_view kLicenceLine =
    N_("Licence: GNU Affero General Public License, version 3 or later (AGPL-3.0-or-later).");
struct Credit {
    const char* name;  // of its label
    std::string_view text;
};
constexpr Credit kCredits[] = {
    {"lblEphemerisCredit", N_("Precise positions: the Swiss Ephemeris library (AGPL-3.0).")},
    {"lblPlaceCredit", kPlaceDataCredit},
};

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About %1").arg(QtText(kProductName)));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(10);

    auto* lblProduct = new QLabel(QtText(kProductName), this);
    lblProduct->setObjectName(QStringLiteral("lblProduct"));
    QFont title = lblProduct->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.6);
    lblProduct->setFont(title);
    layout->addWidget(lblProduct);

    auto* lblVersion = new QLabel(tr("Version %1").arg(QtText(kVersionText)), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    layout->addWidget(lblVersion);

    auto* lblDescription =
        new QLabel(tr("A Vedic-astrology Kuja dosha reading: from the date, time and place of "
                      "birth it tells whether a person is Manglik (afflicted by Mars), and by "
                      "what percentage, counted from the Lagna and from the Moon, with the "
                      "planet positions and a South Indian chart."),
                   this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblDescription->setMinimumWidth(360);
    layout->addWidget(lblDescription);

    auto* lblLicence = new QLabel(WindowText(kLicenceLine), this);
    lblLicence->setObjectName(QStringLiteral("lblLicence"));
    lblLicence->setWordWrap(true);
    layout->addWidget(lblLicence);
    auto* credits = new QVBoxLayout;
    credits->setSpacing(2);
    for (const Credit& credit : kCredits) {
        auto* label = new QLabel(WindowText(credit.text), this);
        label->setObjectName(QString::fromLatin1(credit.name));
        label->setWordWrap(true);
        credits->addWidget(label);
    }
    layout->addLayout(credits);

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
