#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "support/test_environment.h"
#include "ui/common/about_box.h"

using orbalis::AboutBox;

class FrmAboutTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { orbalis::testing::PrepareTestEnvironment(); }

    void showsProductVersionAndDescription_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::newRow("product") << "lblProduct"
                                 << "Orbalis";
        QTest::newRow("version") << "lblVersion"
                                 << "Version 1.15";
        QTest::newRow("place data credit")
            << "lblPlaceCredit"
            << "Place names, coordinates and time zones from GeoNames (www.geonames.org), "
               "licensed under CC BY 4.0.";
        QTest::newRow("licence")
            << "lblLicence"
            << "Licence: GNU Affero General Public License, version 3 or later "
               "(AGPL-3.0-or-later).";
        QTest::newRow("ephemeris credit")
            << "lblEphemerisCredit"
            << "Precise positions: the Swiss Ephemeris library (AGPL-3.0).";
    }

    void showsProductVersionAndDescription() {
        QFETCH(QString, label);
        QFETCH(QString, text);
        AboutBox about;
        QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
        auto* shown = about.findChild<QLabel*>(label);
        QVERIFY(shown);
        QCOMPARE(shown->text(), text);
        QVERIFY(!about.findChild<QLabel*>("lblDescription")->text().isEmpty());
    }

    void okCloses() {
        AboutBox about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QSignalSpy accepted(&about, &QDialog::accepted);
        auto* ok = about.findChild<QPushButton*>("cmdOK");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        ok->click();
        QCOMPARE(accepted.count(), 1);
        QVERIFY(!about.isVisible());
    }

    void nothingClipped() {
        AboutBox about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        for (QWidget* control : about.findChildren<QWidget*>()) {
            const QString name = control->objectName();
            QVERIFY2(control->width() >= control->minimumSizeHint().width(), qPrintable(name));
            if (control->hasHeightForWidth()) {
                QVERIFY2(control->height() >= control->heightForWidth(control->width()),
                         qPrintable(name));
            }
        }
        const QString path = qEnvironmentVariable("ORBALIS_ABOUT_PICTURE_PATH");
        if (!path.isEmpty()) QVERIFY(about.grab().save(path));
    }
};

QTEST_MAIN(FrmAboutTest)
#include "tst_about_box.moc"
