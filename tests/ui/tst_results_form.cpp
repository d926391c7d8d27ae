#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTextOption>
#include <QtTest>
#include <cstdlib>

#include "dosha/kuja_dosha.h"
#include "dosha/manglik_status.h"
#include "reading/input_rules.h"
#include "reading/languages.h"

#include "support/sample_readings.h"
#include "support/test_environment.h"
#include "ui/common/personal_details_fit.h"
#include "ui/common/window_language.h"
#include "ui/common/wrapped_label.h"
#include "ui/results/chart_box_label.h"
#include "ui/results/results_form.h"
#include "ui/results/south_rasi_chart.h"

using namespace orbalis;

namespace {

// The eleven bodies' position texts and the chart of Delhi, 15 August 1985.
const char* const kPositions[kBodyCount] = {"28 Can 52", "13 Can 07", "21 Can 37", "21 Gem 20",
                                            "20 Can 05", "17 Cap 15", "28 Lib 19", "18 Ari 35",
                                            "18 Lib 35", "28 Vir 57", "00 Can 14"};

QString LabelText(QWidget& form, const QString& name) {
    QLabel* label = form.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

}  // namespace

class FrmDisplayTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { orbalis::testing::PrepareTestEnvironment(); }

    void personalDetails_data();
    void personalDetails();
    void longestEntriesShowWhole_data();
    void longestEntriesShowWhole();
    void readingLabels_data();
    void readingLabels();
    void onlySevenPositionRowsAreSeen();
    void signNumbersAlwaysShow();
    void boxTextStaysInsideItsBox_data();
    void boxTextStaysInsideItsBox();
    void shortNamesKeepTheFormsTypeAndPlace();
    void centreSquareStaysEmpty();
    void newReadingReplacesEveryBox();
    void sampleReadingsAgreeWithTheCore_data();
    void sampleReadingsAgreeWithTheCore();
    void classicalBlockUnderTheNote();
    void longestClassicalLinesAndValuesShowWhole();
    void statusZoneAndWarnings();
    void labelsFitInEveryLanguage_data();
    void labelsFitInEveryLanguage();
};

void FrmDisplayTest::labelsFitInEveryLanguage_data() {
    QTest::addColumn<QString>("code");
    for (const LanguageChoice& language : AvailableLanguages())
        QTest::newRow(language.code.c_str()) << QString::fromStdString(language.code);
}

// Devanagari and Tamil letters are wider and taller than Latin ones: every
// caption, title and value of the form shows whole in each language.
void FrmDisplayTest::labelsFitInEveryLanguage() {
    QFETCH(QString, code);
    QVERIFY(AvailableLanguages().size() >= 3);
    UseWindowLanguage(code.toStdString());
    QCOMPARE(QString::fromStdString(WindowWords().code()), code);
    const BirthDetails birth = testing::DelhiBirth1985();
    ChartReading reading;
    ResultsForm form(birth);
    form.ShowReading(reading, ComputeReading(birth, reading));
    // What the core words shows in the language too.
    QCOMPARE(LabelText(form, "lblManglikStatus"),
             QString::fromStdString(ManglikStatusLine(*AssessManglik(reading), WindowWords())));
    QCOMPARE(LabelText(form, "lblLagna"), WindowText(reading.lagnaRashiName));
    QCOMPARE(
        LabelText(form, "lblResult_2"),
        QString::fromStdString(DetermineKujaDosha(reading, reading.planetPositionText[kAscendant],
                                                  "Mars", true, WindowWords())
                                   .verdict));
    UseWindowLanguage("en");
    for (QGroupBox* group : form.findChildren<QGroupBox*>()) {
        const int room = group->width() - 2 * 8;
        QVERIFY2(QFontMetrics(group->font()).horizontalAdvance(group->title()) <= room,
                 qPrintable(group->objectName()));
    }
    for (QLabel* label : form.findChildren<QLabel*>()) {
        // The chart's boxes have a fit of their own (boxTextStaysInsideItsBox).
        if (label->text().isEmpty() || label->isHidden() ||
            qobject_cast<SouthRasiChart*>(label->parentWidget()))
            continue;
        const bool wraps = label->wordWrap() || qobject_cast<WrappedLabel*>(label);
        QImage canvas(label->size(), QImage::Format_ARGB32);
        QPainter painter(&canvas);
        painter.setFont(label->font());
        QTextOption option(label->alignment());
        option.setWrapMode(wraps ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
        const QRectF room = QRectF(label->contentsRect()).adjusted(-0.5, -0.5, 0.5, 0.5);
        const QRectF drawn = painter.boundingRect(room, label->text(), option);
        QVERIFY2(room.contains(drawn), qPrintable(label->objectName() + ": " + label->text()));
    }
}

// The status heads the interpretation, above the percentage frames; the
// zone and UTC offset used, daylight saving included, under the chart.
void FrmDisplayTest::statusZoneAndWarnings() {
    const BirthDetails birth = BirthDetailsFromForm(testing::LondonEntries1988());
    ChartReading reading;
    ResultsForm form(birth);
    form.ShowReading(reading, ComputeReading(birth, reading));
    QCOMPARE(LabelText(form, "lblManglikStatus"),
             QStringLiteral("Manglik status: Manglik, cancelled \u2014 Mars in Aquarius."));
    QVERIFY(form.findChild<QLabel*>(QStringLiteral("lblManglikStatus"))->y() <
            form.findChild<QWidget*>(QStringLiteral("Frame1_1"))->y());
    QCOMPARE(LabelText(form, "lblZone"), QStringLiteral("Time zone: UTC+01:00 (Greenwich Mean "
                                                        "Time,GMT,0.0, with daylight saving)"));
    QCOMPARE(LabelText(form, "lblFarZone"), QString());
}

void FrmDisplayTest::classicalBlockUnderTheNote() {
    const BirthDetails birth = testing::DelhiBirth1985();
    ChartReading reading;
    const ReadingDisplay display = ComputeReading(birth, reading);
    ResultsForm form(birth);
    form.ShowReading(reading, display);
    const QStringList expected = {
        "Classical house rule (houses 1, 2, 4, 7, 8, 12)",
        "Lagna: Mars in the 11th: no dosha",
        "Moon: Mars in the 1st: dosha, cancelled (Mars with the Moon)",
        "Venus: Mars in the 2nd: dosha, cancelled (Mars with the Moon)",
        "By the classical rule the person is Manglik, with every dosha cancelled",
        "The Lagna changes at 10:35, 5 minutes after the given birth time: please check the "
        "time.\u2028Mars's house from the Lagna changes at 10:35, 5 minutes after the given birth "
        "time: please check the time."};
    const QStringList names = {"lblClassicalTitle", "lblClassical_0",      "lblClassical_1",
                               "lblClassical_2",    "lblClassicalClosing", "lblFirmness"};
    for (int i = 0; i < names.size(); ++i) QCOMPARE(LabelText(form, names[i]), expected[i]);
    // Below the P.S. line, inside the frame.
    QLabel* note = form.findChild<QLabel*>(QStringLiteral("lblResult_6"));
    QCOMPARE(form.findChild<QLabel*>(names.front())->parentWidget(), note->parentWidget());
    QVERIFY(form.findChild<QLabel*>(names.front())->y() >= note->geometry().bottom());
}

// The longest reasons the rule can give, the longest warnings and the
// longest nakshatra: every line wraps or shrinks, none is cut, none lies
// over another, and the form grows to hold them.
void FrmDisplayTest::longestClassicalLinesAndValuesShowWhole() {
    ChartReading reading = testing::DelhiReading1985();
    for (Body body : {kAscendant, kMoon, kVenus, kMars, kJupiter})
        reading.planetPositionText[body] = "10 Leo 00";
    reading.lagnaSign = "Leo";
    reading.nakshatra = "Poorva Bhadrapada";
    ReadingDisplay display = testing::DelhiDisplay1985();
    display.firmness.givenMinute = 630;
    for (FirmnessRun& run : display.firmness.runs) run = {-100, 100};
    display.firmness.runs[static_cast<std::size_t>(FirmnessItem::ClassicalLagna)] = {-3, 100};
    BirthDetails farZone = testing::DelhiBirth1985();
    ApplyZoneRow(farZone, 0);
    ResultsForm form(farZone);
    form.ShowReading(reading, display);

    QVERIFY(LabelText(form, "lblFirmness").startsWith("The classical verdict from the Lagna"));
    QList<QRect> placed;
    for (const char* name :
         {"lblManglikStatus", "lblPercentageCaption", "lblPercentageNote", "lblResult_6",
          "lblClassicalTitle", "lblClassical_0", "lblClassical_1", "lblClassical_2",
          "lblClassicalClosing", "lblFirmness", "lblZone", "lblFarZone"}) {
        QLabel* label = form.findChild<QLabel*>(QString::fromLatin1(name));
        const QRect onForm(label->mapTo(&form, QPoint()), label->size());
        QVERIFY2(form.rect().contains(onForm) && !label->text().isEmpty(), name);
        for (const QRect& other : placed) QVERIFY2(!other.intersects(onForm), name);
        placed.append(onForm);
        const QRect needed =
            QFontMetrics(label->font())
                .boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
        QVERIFY2(needed.height() <= label->height() + 1, name);
    }
    QLabel* nakshatra = form.findChild<QLabel*>(QStringLiteral("lblNakshatra"));
    QVERIFY(QFontMetrics(nakshatra->font()).horizontalAdvance(nakshatra->text()) <=
            nakshatra->width());
}

void FrmDisplayTest::personalDetails_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    QTest::newRow("name") << "lblName"
                          << "Name: Asha Verma";
    QTest::newRow("city") << "lblCity"
                          << "City: New Delhi";
    QTest::newRow("state") << "lblState"
                           << "State: Delhi";
    QTest::newRow("country") << "lblCountry"
                             << "Country: India";
    QTest::newRow("date, month in English") << "lblDOB"
                                            << "Date of Birth: August 15, 1985";
    QTest::newRow("time, trailing blank") << "lblTOB"
                                          << "Time of Birth: 10 HH 30 MM ";
    QTest::newRow("latitude") << "lblLatitude"
                              << "Latitude: 28 Degree 39 Minute";
    QTest::newRow("longitude") << "lblLongitude"
                               << "Longitude: 77 Degree 13 Minute";
}

void FrmDisplayTest::personalDetails() {
    QFETCH(QString, label);
    QFETCH(QString, expected);
    // The load step alone writes these: no reading has been shown yet.
    ResultsForm form(orbalis::testing::DelhiBirth1985());
    QCOMPARE(LabelText(form, label), expected);
}

void FrmDisplayTest::longestEntriesShowWhole_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("place");
    QTest::addColumn<qreal>("smallestSize");  // the type may shrink down to
    const QString words = QStringLiteral("Venkata Narasimha Raju Subramaniam Ramachandran Iyer");
    QString longest = words + QStringLiteral(" Srinivas");
    longest.truncate(kLetterBoxLength);
    QTest::newRow("short entries keep the form's type") << "Asha Verma"
                                                        << "Delhi" << 8.25;
    QTest::newRow("the long name of the report") << words << "New Delhi" << 5.0;
    QTest::newRow("longest name and places") << longest << longest << 5.0;
    QTest::newRow("longest single words") << QString(kLetterBoxLength, QLatin1Char('W'))
                                          << QString(kLetterBoxLength, QLatin1Char('m')) << 4.0;
}

// Every line whole, in its own rows inside the group, also with the longest
// entries the birth-details form takes.
void FrmDisplayTest::longestEntriesShowWhole() {
    QFETCH(QString, name);
    QFETCH(QString, place);
    QFETCH(qreal, smallestSize);
    BirthDetails birth = orbalis::testing::DelhiBirth1985();
    birth.name = name.toStdString();
    birth.city = birth.state = birth.country = place.toStdString();
    ResultsForm form(birth);
    QVERIFY(LabelText(form, QStringLiteral("lblName")).endsWith(name));

    const QRect group = form.findChild<QGroupBox*>(QStringLiteral("Frame2"))->contentsRect();
    QRect above;
    for (const char* labelName : {"lblName", "lblCity", "lblState", "lblCountry", "lblDOB",
                                  "lblTOB", "lblLatitude", "lblLongitude"}) {
        auto* label = form.findChild<QLabel*>(QString::fromLatin1(labelName));
        QVERIFY2(group.contains(label->geometry()), labelName);
        QVERIFY2(!label->geometry().intersects(above), labelName);
        above = label->geometry();
        QVERIFY2(label->font().pointSizeF() >= smallestSize - 0.001, labelName);
        // The text as drawn stays inside the label.
        QImage canvas(label->size(), QImage::Format_ARGB32);
        QPainter painter(&canvas);
        painter.setFont(label->font());
        QTextOption wrapping(Qt::AlignLeft | Qt::AlignTop);
        wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        const QRectF drawn =
            painter.boundingRect(QRectF(label->contentsRect()), label->text(), wrapping);
        QVERIFY2(QRectF(label->contentsRect()).adjusted(-0.5, -0.5, 0.5, 0.5).contains(drawn),
                 labelName);
    }
    if (qEnvironmentVariableIsSet("ORBALIS_PICTURE_PATH"))
        form.grab().save(qEnvironmentVariable("ORBALIS_PICTURE_PATH") + QTest::currentDataTag() +
                         QStringLiteral(".png"));
}

void FrmDisplayTest::readingLabels_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ayanamsa without its sign")
        << "lblAyanamsha" << QString::fromUtf8("23° 39' 14\"");
    QTest::newRow("lagna") << "lblLagna"
                           << "Kanya";
    QTest::newRow("nakshatra") << "lblNakshatra"
                               << "Pushya";
    QTest::newRow("rashi") << "lblRashi"
                           << "Kataka";
    QTest::newRow("pada") << "lblPada"
                          << "4";
    QTest::newRow("lord") << "lblLord"
                          << "Saturn";
    for (int i = 0; i < kBodyCount; ++i) {
        const QByteArray row = "position " + QByteArray::number(i);
        QTest::newRow(row.constData()) << QStringLiteral("Planet_%1").arg(i) << kPositions[i];
    }
    QTest::newRow("box 0 Aries") << "lblPlanets_0"
                                 << "Rahu";
    QTest::newRow("box 1 Taurus, empty") << "lblPlanets_1"
                                         << "";
    QTest::newRow("box 3 Cancer") << "lblPlanets_3"
                                  << "Surya\r\nChandra\r\nBudha\r\nMangala";
    QTest::newRow("box 5 Virgo") << "lblPlanets_5"
                                 << "Asc";
    QTest::newRow("box 6 Libra") << "lblPlanets_6"
                                 << "Shani\r\nKetu";
    QTest::newRow("box 11 Pisces, empty") << "lblPlanets_11"
                                          << "";
    QTest::newRow("lagna position") << "lblResult_0"
                                    << "Position of Mars from Lagna is 11";
    QTest::newRow("lagna percentage") << "lblResult_1"
                                      << "Percentage of Kuja dosha is 0.125%";
    QTest::newRow("lagna verdict") << "lblResult_2"
                                   << "The person is Manglik";
    QTest::newRow("chandra position") << "lblResult_3"
                                      << "Position of Mars from Chandra is 1";
    QTest::newRow("chandra percentage") << "lblResult_4"
                                        << "Percentage of Kuja dosha is 0.125%";
    QTest::newRow("chandra verdict") << "lblResult_5"
                                     << "The person is Manglik";
    QTest::newRow("fixed note")
        << "lblResult_6"
        << "P.S. Please consult an astrologer for further detailed consultations for solving of "
           "Kuja Dosha.";
}

void FrmDisplayTest::readingLabels() {
    QFETCH(QString, label);
    QFETCH(QString, expected);
    ResultsForm form(orbalis::testing::DelhiBirth1985());
    form.ShowReading(orbalis::testing::DelhiReading1985(), orbalis::testing::DelhiDisplay1985());
    QCOMPARE(LabelText(form, label), expected);
}

void FrmDisplayTest::onlySevenPositionRowsAreSeen() {
    ResultsForm form(orbalis::testing::DelhiBirth1985());
    form.ShowReading(orbalis::testing::DelhiReading1985(), orbalis::testing::DelhiDisplay1985());
    form.show();
    for (int i = 0; i < kBodyCount; ++i) {
        QLabel* label = form.findChild<QLabel*>(QStringLiteral("Planet_%1").arg(i));
        QVERIFY(label);
        QCOMPARE(label->isVisibleTo(&form), i < 7);
    }
}

void FrmDisplayTest::signNumbersAlwaysShow() {
    ResultsForm form(orbalis::testing::DelhiBirth1985());
    ReadingDisplay crowded = orbalis::testing::CrowdedDisplay();
    for (int sign = 0; sign < 12; ++sign)
        crowded.chartBoxes[sign] = orbalis::testing::kCrowdedBoxText;
    form.ShowReading(orbalis::testing::DelhiReading1985(), crowded);
    form.show();
    for (int sign = 0; sign < 12; ++sign) {
        QLabel* number = form.chart()->signNumberLabel(sign);
        const QRect box = form.chart()->boxLabel(sign)->box();
        QCOMPARE(number->objectName(), QStringLiteral("lblSouthPosition_%1").arg(sign));
        QCOMPARE(number->text(), QString::number(sign + 1));
        QVERIFY(number->isVisible());
        QVERIFY2(box.adjusted(1, 1, -1, -1).contains(number->geometry()),
                 qPrintable(QStringLiteral("sign %1").arg(sign + 1)));
        QVERIFY(QFontMetrics(number->font()).horizontalAdvance(number->text()) <= number->width());
        // Bodies never cover the number.
        for (const QRect& line : form.chart()->boxLabel(sign)->fit().lineRects)
            QVERIFY(!line.intersects(number->geometry()));
    }
}

void FrmDisplayTest::boxTextStaysInsideItsBox_data() {
    QTest::addColumn<int>("sign");
    QTest::addColumn<QString>("text");
    const struct {
        const char* name;
        const char* text;
    } texts[] = {
        {"one short name", "Guru"},
        {"a long retrograde name", "Mangala (R) "},
        {"ascendant and two bodies", "Asc\r\nSurya\r\nChandra"},
        {"four bodies", "Surya\r\nChandra\r\nBudha (R) \r\nMangala (R) "},
        {"ascendant and six bodies", orbalis::testing::kCrowdedBoxText},
        // Rahu and Ketu are always six signs apart, so a box holds at most
        // the ascendant and eight bodies.
        {"ascendant and eight bodies",
         "Asc\r\nSurya\r\nChandra\r\nBudha (R) \r\nShukra (R) \r\nMangala (R) \r\nGuru (R) "
         "\r\nShani (R) \r\nRahu"},
    };
    for (int sign = 0; sign < 12; ++sign) {
        for (const auto& t : texts) {
            const QByteArray row = "box " + QByteArray::number(sign) + ", " + t.name;
            QTest::newRow(row.constData()) << sign << QString::fromLatin1(t.text);
        }
    }
}

void FrmDisplayTest::boxTextStaysInsideItsBox() {
    QFETCH(int, sign);
    QFETCH(QString, text);
    ResultsForm form(orbalis::testing::DelhiBirth1985());
    SouthRasiChart* chart = form.chart();
    chart->setBoxText(sign, text);
    ChartBoxLabel* label = chart->boxLabel(sign);
    QCOMPARE(label->objectName(), QStringLiteral("lblPlanets_%1").arg(sign));
    QCOMPARE(label->text(), text);

    const ChartBoxFit& fit = label->fit();
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QVERIFY(fit.fits);
    QCOMPARE(fit.lineRects.size(), lines.size());
    QVERIFY2(fit.font.pointSizeF() >= 5.5, "type too small to read");

    // Inside the grid lines of its own box, whatever the label holds.
    const QRect inner = label->box().adjusted(1, 1, -1, -1);
    QVERIFY2(inner.contains(label->geometry()),
             qPrintable(QStringLiteral("label %1,%2 %3x%4 leaves its box")
                            .arg(label->x())
                            .arg(label->y())
                            .arg(label->width())
                            .arg(label->height())));
    const QFontMetrics metrics(label->font());
    const QRect number = chart->signNumberLabel(sign)->geometry();
    for (int i = 0; i < lines.size(); ++i) {
        const QRect line = fit.lineRects[i];
        QVERIFY2(inner.contains(line), qPrintable(lines[i]));
        QVERIFY2(label->geometry().contains(line), qPrintable(lines[i]));
        QVERIFY2(!line.intersects(number), qPrintable(lines[i]));
        // The drawn text fits the room it was given.
        QVERIFY2(metrics.horizontalAdvance(lines[i]) <= line.width(), qPrintable(lines[i]));
        QVERIFY(line.height() >= metrics.height());
        for (int j = 0; j < i; ++j) QVERIFY(!line.intersects(fit.lineRects[j]));
    }
}

void FrmDisplayTest::shortNamesKeepTheFormsTypeAndPlace() {
    ResultsForm form(orbalis::testing::DelhiBirth1985());
    form.ShowReading(orbalis::testing::DelhiReading1985(), orbalis::testing::DelhiDisplay1985());
    // Box 3 holds four short names: the form's own type, one column, at the
    // box's own place (4320, 1320 twips).
    const ChartBoxLabel* cancer = form.chart()->boxLabel(3);
    QCOMPARE(cancer->fit().font.pointSizeF(), 8.25);
    QCOMPARE(cancer->fit().columns, 1);
    QCOMPARE(cancer->x(), 288);
    // An empty box keeps its 570 x 195 twip place.
    const ChartBoxLabel* taurus = form.chart()->boxLabel(1);
    QCOMPARE(taurus->geometry(), QRect(200, 4, 38, 13));
}

void FrmDisplayTest::centreSquareStaysEmpty() {
    ResultsForm form(orbalis::testing::DelhiBirth1985());
    ReadingDisplay crowded = orbalis::testing::CrowdedDisplay();
    for (int sign = 0; sign < 12; ++sign)
        crowded.chartBoxes[sign] = orbalis::testing::kCrowdedBoxText;
    form.ShowReading(orbalis::testing::DelhiReading1985(), crowded);
    const QImage picture = form.chart()->grab().toImage();
    QCOMPARE(picture.size(), QSize(356, 357));
    // The chart's name sits in the middle of the centre square.
    const QRgb fill = picture.pixel(178, 130);
    QVERIFY2(qRed(fill) > 200 && qGreen(fill) > 150 && qBlue(fill) < 150, "centre is not amber");
    // No body's text reaches into the centre: only the chart's one line of
    // name across its middle.
    for (int y = 92; y < 264; ++y)
        for (int x = 92; x < 264; ++x)
            QVERIFY2(std::abs(y - 178) < 10 || picture.pixel(x, y) == fill,
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

void FrmDisplayTest::newReadingReplacesEveryBox() {
    ResultsForm form(orbalis::testing::DelhiBirth1985());
    form.ShowReading(orbalis::testing::DelhiReading1985(), orbalis::testing::CrowdedDisplay());
    form.ShowReading(orbalis::testing::DelhiReading1985(), orbalis::testing::DelhiDisplay1985());
    const ReadingDisplay expected = orbalis::testing::DelhiDisplay1985();
    for (int sign = 0; sign < 12; ++sign)
        QCOMPARE(form.chart()->boxLabel(sign)->text(),
                 QString::fromStdString(expected.chartBoxes[sign]));
    QCOMPARE(LabelText(form, QStringLiteral("lblResult_2")),
             QStringLiteral("The person is Manglik"));
}

void FrmDisplayTest::sampleReadingsAgreeWithTheCore_data() {
    QTest::addColumn<bool>("crowded");
    QTest::newRow("Delhi 1985") << false;
    QTest::newRow("crowded Leo") << true;
}

void FrmDisplayTest::sampleReadingsAgreeWithTheCore() {
    // The hand-written boxes and verdicts the tests above rely on are the
    // ones the reading rules give for the hand-written positions.
    QFETCH(bool, crowded);
    const ChartReading reading =
        crowded ? orbalis::testing::CrowdedReading() : orbalis::testing::DelhiReading1985();
    const ReadingDisplay display =
        crowded ? orbalis::testing::CrowdedDisplay() : orbalis::testing::DelhiDisplay1985();
    QVERIFY(ChartBoxTexts(reading) == display.chartBoxes);
    const KujaDoshaLines lagna =
        DetermineKujaDosha(reading, reading.planetPositionText[kAscendant], "Mars", true);
    const KujaDoshaLines moon =
        DetermineKujaDosha(reading, reading.planetPositionText[kMoon], "Moon", false);
    QCOMPARE(QString::fromStdString(lagna.position),
             QString::fromStdString(display.fromLagna.position));
    QCOMPARE(QString::fromStdString(lagna.percentage),
             QString::fromStdString(display.fromLagna.percentage));
    QCOMPARE(QString::fromStdString(lagna.verdict),
             QString::fromStdString(display.fromLagna.verdict));
    QCOMPARE(QString::fromStdString(moon.position),
             QString::fromStdString(display.fromMoon.position));
    QCOMPARE(QString::fromStdString(moon.percentage),
             QString::fromStdString(display.fromMoon.percentage));
    QCOMPARE(QString::fromStdString(moon.verdict),
             QString::fromStdString(display.fromMoon.verdict));
}

QTEST_MAIN(FrmDisplayTest)
#include "tst_results_form.moc"
