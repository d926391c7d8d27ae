#include "ui/results/results_form.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "charts/divisional_boxes.h"
#include "dosha/classical_block.h"
#include "dosha/manglik_status.h"
#include "model/catalogue.h"
#include "model/moon_pada.h"
#include "model/program_identity.h"
#include "model/reference_tables.h"
#include "model/utc_offset.h"
#include "painting/form_font.h"
#include "reading/far_zone.h"
#include "results/personal_details.h"
#include "ui/common/personal_details_fit.h"
#include "ui/common/qt_text.h"
#include "ui/common/twips.h"
#include "ui/common/window_language.h"
#include "ui/common/wrapped_label.h"
#include "ui/results/painted_chart.h"
#include "ui/results/south_rasi_chart.h"

namespace orbalis {

namespace {

constexpr int kFormWidthTwips = 10890;
constexpr int kFormHeightTwips = 7500;
constexpr int kPersonalDetailsHeightTwips = 1900;
constexpr int kGroupFrameWidth = 1;

const QColor kLagnaTitleColour(128, 0, 0);
const QColor kMoonTitleColour(0, 0, 128);
const QColor kResultColour(154, 54, 171);
const QColor kNoteColour(255, 0, 0);
const QColor kWarningColour(192, 0, 0);

// "Kuja Dosha Interpretation": where its lines start, how wide they are,
// and the frame's own height, which it keeps while its lines fit.
constexpr int kInterpretationTop = 1995;
constexpr int kInterpretationHeight = 5340;
constexpr int kLinesLeft = 120;
constexpr int kLinesTop = 240;
constexpr int kLinesWidth = 4995;
constexpr int kPercentageFrameHeight = 1095;
constexpr int kPercentageFrameGap = 105;
constexpr int kNoteHeight = 435;  // the P.S. line's two rows
constexpr int kBlockGap = 60;     // between the P.S. line and the classical block
constexpr int kFrameBottomMargin = 75;
// Under the chart, and below the lowest frame the form's own margin.
constexpr int kChartBottom = 1995 + 5355;
constexpr int kFormBottomMargin = kFormHeightTwips - kChartBottom;
// The smallest type a one-line value may take.
constexpr qreal kSmallestPoints = 5.0;

constexpr const char* kPlanetCaptions[7] = {
    N_("Surya / Sun"),    N_("Chandra / Moon"), N_("Budha / Mercury"), N_("Shukra / Venus"),
    N_("Mangala / Mars"), N_("Guru / Jupiter"), N_("Shani / Saturn")};

QString Translated(const char* english) {
    return QCoreApplication::translate("Orbalis", english);
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                  bool bold) {
    QLabel* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(FormFont(bold));
    label->setGeometry(geometry);
    return label;
}

QGroupBox* MakeGroup(QWidget* parent, const QString& name, const QString& title,
                     const QRect& geometry) {
    QGroupBox* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setFont(FormFont(true));
    group->setGeometry(geometry);
    return group;
}

// A value too wide for its label ("Poorva Bhadrapada" in bold), or a name
// in letters taller than its row (Tamil), takes a smaller type rather than
// lose its last letters or its vowel signs.
void FitOneLine(QLabel* label, bool bold) {
    for (qreal size = 8.25; size >= kSmallestPoints - 0.001; size -= 0.25) {
        const QFont font = FormFont(bold, size);
        label->setFont(font);
        const QRect drawn = QFontMetrics(font).boundingRect(label->text());
        if (drawn.width() <= label->width() && drawn.height() <= label->height()) return;
    }
}

// Lines of the core as one label's text, each on its own row.
QString Lines(const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines) texts.append(QString::fromStdString(line));
    return texts.join(QChar(QChar::LineSeparator));
}

}  // namespace

ResultsForm::ResultsForm(const BirthDetails& birth, QWidget* parent)
    : QWidget(parent), birth_(birth) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QtText(kWindowCaption));
    setFont(FormFont());
    setFixedSize(Px(kFormWidthTwips), Px(kFormHeightTwips));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    // Group titles sit on the frame line, as on the desktop this form was
    // drawn for, so that the first row (240 twips down) clears the line.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid #a0a0a0; margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));

    BuildPlanetPositions();
    BuildVedicDetails();
    BuildPersonalDetails();
    picSouthRasi_ = new SouthRasiChart(this);
    picSouthRasi_->setGeometry(PxRect(0, 1995, 5340, 5355));
    picChart_ = new PaintedChart(this);
    picChart_->setGeometry(picSouthRasi_->geometry());
    picChart_->hide();
    BuildInterpretation();

    FillPersonalDetails();
}

void ResultsForm::BuildPlanetPositions() {
    QGroupBox* group = MakeGroup(this, QStringLiteral("fraWestern"), tr("Vedic Planetary Position"),
                                 PxRect(0, 0, 2895, 1900));
    for (int i = 0; i < kBodyCount; ++i) {
        // Rows 7 to 10 (Rahu, Ketu, Ascendant, Midheaven) are kept but never
        // shown: the group has room for the seven planets only.
        const int top = 240 + 225 * i;
        if (i < 7) {
            QLabel* caption =
                MakeLabel(group, QStringLiteral("PlanetName_%1").arg(i),
                          Translated(kPlanetCaptions[i]), PxRect(120, top, 1665, 225), true);
            SetTextColour(caption, Qt::black);
            FitOneLine(caption, true);
        }
        Planet_[i] = MakeLabel(group, QStringLiteral("Planet_%1").arg(i), QString(),
                               PxRect(1785, top, 1005, 225), false);
        SetTextColour(Planet_[i], Qt::black);
        Planet_[i]->setVisible(i < 7);
    }
}

void ResultsForm::BuildVedicDetails() {
    QGroupBox* group = MakeGroup(this, QStringLiteral("fraVedic"), tr("Other Vedic Details"),
                                 PxRect(3015, 0, 3615, 1900));
    struct Row {
        const char* caption;
        const char* captionName;
        const char* valueName;
        bool boldValue;
        QLabel** value;
    };
    const Row rows[] = {
        {N_("Ayanamsa"), "lblAyanamshaCaption", "lblAyanamsha", false, &lblAyanamsha_},
        {N_("Lagna / Asc"), "lblLagnaCaption", "lblLagna", false, &lblLagna_},
        {N_("Rashi/Moon Sign"), "lblRashiCaption", "lblRashi", false, &lblRashi_},
        {N_("Nakshatra"), "lblNakshatraCaption", "lblNakshatra", true, &lblNakshatra_},
        {N_("Pada"), "lblPadaCaption", "lblPada", false, &lblPada_},
        {N_("Lord"), "lblLordCaption", "lblLord", false, &lblLord_},
    };
    int top = 240;
    for (const Row& row : rows) {
        FitOneLine(MakeLabel(group, QString::fromLatin1(row.captionName), Translated(row.caption),
                             PxRect(120, top, 1665, 225), true),
                   true);
        *row.value = MakeLabel(group, QString::fromLatin1(row.valueName), QString(),
                               PxRect(1785, top, 1750, 225), row.boldValue);
        top += 225;
    }
    // The group has room for one line more under "Lord": how the positions
    // were computed, so that the printout and the picture say it too.
    lblPositions_ = MakeLabel(group, QStringLiteral("lblPositions"), QString(),
                              PxRect(120, top, 3415, 225), false);
    QPalette palette = lblPositions_->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    lblPositions_->setPalette(palette);
    ShowPositionsMode(PositionsMode::Classic);
}

void ResultsForm::ShowPositionsMode(PositionsMode mode) {
    positionsMode_ = mode;
    lblPositions_->setText(
        QtText(PositionsModeMarker(mode, reading_.builtInEphemeris, WindowWords())));
    FitOneLine(lblPositions_, false);
}

void ResultsForm::BuildPersonalDetails() {
    QGroupBox* group = MakeGroup(this, QStringLiteral("Frame2"), tr("Personal Details"),
                                 PxRect(6750, 0, 4000, kPersonalDetailsHeightTwips));
    struct Row {
        const char* name;
        QLabel** label;
    };
    const Row rows[] = {
        {"lblName", &lblName_},         {"lblCity", &lblCity_},
        {"lblState", &lblState_},       {"lblCountry", &lblCountry_},
        {"lblDOB", &lblDOB_},           {"lblTOB", &lblTOB_},
        {"lblLatitude", &lblLatitude_}, {"lblLongitude", &lblLongitude_},
    };
    int top = 240;
    for (const Row& row : rows) {
        *row.label = new WrappedLabel(group);
        (*row.label)->setObjectName(QString::fromLatin1(row.name));
        (*row.label)->setFont(FormFont());
        (*row.label)->setGeometry(PxRect(120, top, 3750, 195));
        top += 195;
    }
}

void ResultsForm::BuildInterpretation() {
    Frame1_0_ = MakeGroup(this, QStringLiteral("Frame1_0"), tr("Kuja Dosha Interpretation"),
                          PxRect(5500, kInterpretationTop, 5250, kInterpretationHeight));
    QGroupBox* outer = Frame1_0_;
    Frame1_1_ = MakeGroup(outer, QStringLiteral("Frame1_1"), tr("Ascendant (Lagna)"),
                          PxRect(120, 360, 5000, kPercentageFrameHeight));
    SetTextColour(Frame1_1_, kLagnaTitleColour);
    Frame1_2_ = MakeGroup(outer, QStringLiteral("Frame1_2"), tr("Moon Sign (Rashi)"),
                          PxRect(120, 1560, 5000, kPercentageFrameHeight));
    SetTextColour(Frame1_2_, kMoonTitleColour);

    for (int i = 0; i < 6; ++i) {
        QGroupBox* frame = i < 3 ? Frame1_1_ : Frame1_2_;
        const int top = 240 + 240 * (i % 3);
        lblResult_[i] = MakeLabel(frame, QStringLiteral("lblResult_%1").arg(i), QString(),
                                  PxRect(120, top, 4755, 225), true);
        SetTextColour(lblResult_[i], kResultColour);
    }
    lblResult_[6] = MakeLabel(outer, QStringLiteral("lblResult_6"), WindowText(kConsultNote),
                              PxRect(120, 2760, 4995, kNoteHeight), true);
    lblResult_[6]->setWordWrap(true);
    lblResult_[6]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(lblResult_[6], kNoteColour);

    auto wrapped = [](QWidget* parent, const QString& name, const QColor& colour) {
        QLabel* label = new WrappedLabel(parent);
        label->setObjectName(name);
        SetTextColour(label, colour);
        return label;
    };
    lblManglikStatus_ = wrapped(outer, QStringLiteral("lblManglikStatus"), kResultColour);
    lblPercentageCaption_ = wrapped(outer, QStringLiteral("lblPercentageCaption"), Qt::black);
    lblPercentageCaption_->setText(WindowText(kPercentageVerdictCaption));
    lblPercentageNote_ = wrapped(outer, QStringLiteral("lblPercentageNote"), Qt::black);
    lblPercentageNote_->setText(WindowText(kPercentageVerdictNote));
    lblClassicalTitle_ = wrapped(outer, QStringLiteral("lblClassicalTitle"), kLagnaTitleColour);
    lblClassicalTitle_->setText(WindowText(kClassicalBlockTitle));
    for (int i = 0; i < 3; ++i)
        lblClassical_[i] = wrapped(outer, QStringLiteral("lblClassical_%1").arg(i), Qt::black);
    lblClassicalClosing_ = wrapped(outer, QStringLiteral("lblClassicalClosing"), kResultColour);
    lblFirmness_ = wrapped(outer, QStringLiteral("lblFirmness"), kWarningColour);

    // The clock the birth was read on, under the chart, where a slip of the
    // zone list shows beside the answers it changed.
    lblZone_ = wrapped(this, QStringLiteral("lblZone"), Qt::black);
    lblFarZone_ = wrapped(this, QStringLiteral("lblFarZone"), kWarningColour);
    LayOut();
}

// Every line wraps to its width, one under the other in the form's type;
// the interpretation frame and the form grow to hold them.
void ResultsForm::LayOut() {
    struct Line {
        QLabel* label;
        bool bold;
        int airAfter;  // pixels
    };
    const int width = Px(kLinesWidth);
    int top = Px(kLinesTop);
    auto place = [&top](const Line& line, int left, int lineWidth) {
        const QFont font = FormFont(line.bold);
        const int height = line.label->text().isEmpty()
                               ? 0
                               : WrappedTextHeight(line.label->text(), font, lineWidth);
        line.label->setFont(font);
        line.label->setGeometry(left, top, lineWidth, height);
        line.label->setVisible(height > 0);
        if (height > 0) top += height + line.airAfter;
    };
    auto frame = [&top](QWidget* widget, int airAfter) {
        widget->move(Px(kLinesLeft), top);
        top += widget->height() + airAfter;
    };

    place({lblManglikStatus_, true, 6}, Px(kLinesLeft), width);
    place({lblPercentageCaption_, true, 0}, Px(kLinesLeft), width);
    frame(Frame1_1_, Px(kPercentageFrameGap));
    frame(Frame1_2_, 2);
    place({lblPercentageNote_, false, Px(kPercentageFrameGap)}, Px(kLinesLeft), width);
    // The P.S. line keeps its two rows, and takes more where a language's
    // letters need them.
    QLabel* note = lblResult_[6];
    note->resize(
        note->width(),
        std::max(Px(kNoteHeight), WrappedTextHeight(note->text(), note->font(), note->width())));
    frame(note, Px(kBlockGap));
    const Line block[] = {{lblClassicalTitle_, true, 2},   {lblClassical_[0], false, 0},
                          {lblClassical_[1], false, 0},    {lblClassical_[2], false, 2},
                          {lblClassicalClosing_, true, 0}, {lblFirmness_, true, 0}};
    for (const Line& line : block) place(line, Px(kLinesLeft), width);
    Frame1_0_->resize(Frame1_0_->width(),
                      std::max(Px(kInterpretationHeight), top + Px(kFrameBottomMargin)));

    top = Px(kChartBottom) + 4;
    const int chartWidth = Px(5340) - 2 * Px(kLinesLeft);
    place({lblZone_, false, 2}, Px(kLinesLeft), chartWidth);
    place({lblFarZone_, true, 0}, Px(kLinesLeft), chartWidth);

    const int bottom =
        std::max({Px(kFormHeightTwips), Frame1_0_->geometry().bottom() + 1 + Px(kFormBottomMargin),
                  top + Px(kFormBottomMargin)});
    setFixedSize(Px(kFormWidthTwips), bottom);
}

void ResultsForm::FillPersonalDetails() {
    const PersonalDetailTexts texts = PersonalDetails(birth_, WindowWords());
    lblName_->setText(Text(texts.name));
    lblCity_->setText(Text(texts.city));
    lblState_->setText(Text(texts.state));
    lblCountry_->setText(Text(texts.country));
    lblDOB_->setText(Text(texts.dateOfBirth));
    lblTOB_->setText(Text(texts.timeOfBirth));
    lblLatitude_->setText(Text(texts.latitude));
    lblLongitude_->setText(Text(texts.longitude));
    lblZone_->setText(tr("Time zone: %1").arg(Text(ZoneUsedText(birth_, WindowWords()))));
    lblFarZone_->setText(Text(FarZoneWarning(birth_, WindowWords())));
    LayOut();

    // Long names and places wrap or take a smaller type, never cut off.
    QLabel* const labels[] = {lblName_, lblCity_, lblState_,    lblCountry_,
                              lblDOB_,  lblTOB_,  lblLatitude_, lblLongitude_};
    QStringList lines;
    for (QLabel* label : labels) lines.append(label->text());
    const int bottom = Px(kPersonalDetailsHeightTwips) - kGroupFrameWidth;
    const PersonalDetailsFit fit = FitPersonalDetails(lines, PxRect(120, 240, 3750, 195), bottom);
    for (int i = 0; i < lines.size(); ++i) {
        labels[i]->setFont(fit.font);
        labels[i]->setGeometry(fit.rects[i]);
    }
}

void ResultsForm::ShowReading(const ChartReading& reading, const ReadingDisplay& display) {
    reading_ = reading;
    ShowPositionsMode(positionsMode_);
    lblAyanamsha_->setText(Text(reading.ayanamsaDisplay));
    lblLagna_->setText(WindowText(reading.lagnaRashiName));
    lblNakshatra_->setText(WindowText(reading.nakshatra));
    lblRashi_->setText(WindowText(reading.rashi));
    lblPada_->setText(Text(reading.pada));
    lblLord_->setText(WindowText(reading.lord));
    for (int i = 0; i < kBodyCount; ++i) {
        Planet_[i]->setText(Text(reading.planetPositionText[i]));
        FitOneLine(Planet_[i], false);
    }
    for (QLabel* value : {lblAyanamsha_, lblLagna_, lblRashi_, lblPada_, lblLord_})
        FitOneLine(value, false);
    FitOneLine(lblNakshatra_, true);
    display_ = display;
    ShowChart(chartStyle_, division_);

    // The display's runs are in English; another language words their counts again.
    const bool english = WindowWords().isEnglish();
    const KujaDoshaLines runs[2] = {
        english ? display.fromLagna : KujaDoshaLinesOf(display.fromLagnaCount, true, WindowWords()),
        english ? display.fromMoon : KujaDoshaLinesOf(display.fromMoonCount, false, WindowWords())};
    for (int run = 0; run < 2; ++run) {
        lblResult_[3 * run]->setText(Text(runs[run].position));
        lblResult_[3 * run + 1]->setText(Text(runs[run].percentage));
        lblResult_[3 * run + 2]->setText(Text(runs[run].verdict));
    }
    // The result lines size themselves to their text, one line each.
    for (int i = 0; i < 6; ++i) lblResult_[i]->adjustSize();

    // What the "Pada" figure counts, and the Moon's own quarter beside it.
    const int moonPada = MoonPada(reading.siderealDegrees[kMoon]);
    lblPada_->setToolTip(
        tr("\"Pada\" counts the quarters (padas) of %1 that lie in one sign, as "
           "the nakshatra table gives them: %2. The Moon itself is in pada %3 of %1.")
            .arg(WindowText(reading.nakshatra), Text(reading.pada))
            .arg(moonPada));

    firmness_ = display.firmness;
    const std::optional<ClassicalKujaDosha> analysis = AnalyseClassicalKujaDosha(reading);
    const ClassicalBlock block =
        analysis ? ClassicalBlockOf(*analysis, WindowWords()) : ClassicalBlock{};
    for (int i = 0; i < 3; ++i) {
        const ClassicalBlockLine& line = block.lines[static_cast<std::size_t>(i)];
        lblClassical_[i]->setText(line.text.empty() ? QString()
                                                    : WindowText(line.reference) +
                                                          QStringLiteral(": ") + Text(line.text));
    }
    lblClassicalTitle_->setText(analysis ? WindowText(kClassicalBlockTitle) : QString());
    lblClassicalClosing_->setText(Text(block.closing));
    lblFirmness_->setText(Lines(FirmnessFormWarnings(firmness_, WindowWords())));
    lblManglikStatus_->setText(
        analysis ? Text(ManglikStatusLine(AssessManglik(*analysis), WindowWords())) : QString());
    LayOut();
}

void ResultsForm::ShowChart(ChartStyle style, std::optional<Division> division) {
    chartStyle_ = style;
    division_ = division;
    ChartDrawing drawing;
    drawing.style = style;
    if (division) {
        const DivisionalChart chart = ComputeDivisionalChart(PositionsOf(reading_), *division);
        drawing.signTexts = ChartBoxesIn(DivisionalBoxTexts(reading_, chart), WindowWords());
        drawing.ascendantSign = chart.ascendantSign;
        drawing.title.assign(Tr(WindowWords(), NameOf(*division).title));
    } else {
        drawing.signTexts = ChartBoxesIn(display_.chartBoxes, WindowWords());
        drawing.ascendantSign = SignIndex(reading_.lagnaSign).value_or(0);
        drawing.title.assign(Tr(WindowWords(), kBirthChartTitle));
    }

    const bool south = style == ChartStyle::South;
    for (int sign = 0; sign < 12; ++sign)
        picSouthRasi_->setBoxText(sign, Text(drawing.signTexts[sign]));
    picSouthRasi_->setChartName(Text(drawing.title));
    picChart_->setDrawing(drawing);
    picSouthRasi_->setVisible(south);
    picChart_->setVisible(!south);
}

}  // namespace orbalis
