#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "charts/chart_geometry.h"
#include "charts/divisions.h"

#include "model/birth_details.h"
#include "model/chart_reading.h"
#include "model/positions_mode.h"
#include "reading/reading.h"

class QGroupBox;
class QLabel;

namespace orbalis {

class PaintedChart;
class SouthRasiChart;

// The results form: planet positions, other Vedic details, personal details,
// the South Indian chart and the Kuja dosha interpretation of one reading.
//
// Every control carries its name as objectName; members of a control array
// are named with an underscore and their index: "Planet_3", "PlanetName_3",
// "lblPlanets_0", "lblSouthPosition_0", "lblResult_5", "Frame1_2".
// At the head of "Kuja Dosha Interpretation" the Manglik status
// "lblManglikStatus", then "lblPercentageCaption" over the two percentage
// frames and "lblPercentageNote" under them; under the P.S. line:
// "lblClassicalTitle", "lblClassical_0".."lblClassical_2" (Lagna, Moon,
// Venus), "lblClassicalClosing" and "lblFirmness" (a line each warning).
// Under the chart: "lblZone", the zone and UTC offset the birth was read
// with, and "lblFarZone" when that zone is far from the longitude.
//
// Nothing is cut and no type shrinks there: the interpretation frame, and
// the form with it, grows down to hold its lines.
class ResultsForm final : public QWidget {
    Q_OBJECT

  public:
    // Creating the form writes the personal details of `birth`; they stay
    // those of the reading that created it.
    explicit ResultsForm(const BirthDetails& birth, QWidget* parent = nullptr);

    void ShowReading(const ChartReading& reading, const ReadingDisplay& display);
    // Draws the chart of the reading on screen in `style`: the birth chart,
    // or with `division` that divisional chart, its name in the centre. The
    // positions, details and Kuja dosha lines stay those of the birth chart.
    void ShowChart(ChartStyle style, std::optional<Division> division);
    ChartStyle chartStyle() const { return chartStyle_; }
    std::optional<Division> division() const { return division_; }
    // The birth chart's boxes and Kuja dosha lines on screen.
    const ReadingDisplay& readingDisplay() const { return display_; }
    // The line that says how the positions were computed; classic at first.
    void ShowPositionsMode(PositionsMode mode);

    SouthRasiChart* chart() const { return picSouthRasi_; }
    PaintedChart* paintedChart() const { return picChart_; }
    // The reading on screen and the birth details that produced it.
    const ChartReading& reading() const { return reading_; }
    // How firm the answers on screen are.
    const Firmness& firmness() const { return firmness_; }
    const BirthDetails& birth() const { return birth_; }

  private:
    void FillPersonalDetails();
    void BuildPlanetPositions();
    void BuildVedicDetails();
    void BuildPersonalDetails();
    void BuildInterpretation();

    BirthDetails birth_;
    ChartReading reading_;
    ReadingDisplay display_;
    ChartStyle chartStyle_ = ChartStyle::South;
    std::optional<Division> division_;
    Firmness firmness_;

    std::array<QLabel*, kBodyCount> Planet_{};
    QLabel* lblAyanamsha_ = nullptr;
    QLabel* lblLagna_ = nullptr;
    QLabel* lblRashi_ = nullptr;
    QLabel* lblNakshatra_ = nullptr;
    QLabel* lblPada_ = nullptr;
    QLabel* lblLord_ = nullptr;
    QLabel* lblPositions_ = nullptr;
    PositionsMode positionsMode_ = PositionsMode::Classic;
    QLabel* lblName_ = nullptr;
    QLabel* lblCity_ = nullptr;
    QLabel* lblState_ = nullptr;
    QLabel* lblCountry_ = nullptr;
    QLabel* lblDOB_ = nullptr;
    QLabel* lblTOB_ = nullptr;
    QLabel* lblLatitude_ = nullptr;
    QLabel* lblLongitude_ = nullptr;
    std::array<QLabel*, 7> lblResult_{};
    QGroupBox* Frame1_0_ = nullptr;
    QGroupBox* Frame1_1_ = nullptr;
    QGroupBox* Frame1_2_ = nullptr;
    QLabel* lblManglikStatus_ = nullptr;
    QLabel* lblPercentageCaption_ = nullptr;
    QLabel* lblPercentageNote_ = nullptr;
    // The classical house rule under the P.S. line: its title, one line per
    // reference, the closing line, and the firmness warnings.
    QLabel* lblClassicalTitle_ = nullptr;
    std::array<QLabel*, 3> lblClassical_{};
    QLabel* lblClassicalClosing_ = nullptr;
    QLabel* lblFirmness_ = nullptr;
    QLabel* lblZone_ = nullptr;
    QLabel* lblFarZone_ = nullptr;
    void LayOut();
    SouthRasiChart* picSouthRasi_ = nullptr;
    PaintedChart* picChart_ = nullptr;
};

}  // namespace orbalis
