#pragma once

#include <QWidget>
#include <array>

#include "model/birth_details.h"
#include "model/chart_reading.h"
#include "model/positions_mode.h"
#include "reading/reading.h"

class QGroupBox;
class QLabel;

namespace orbalis {

class SouthRasiChart;

// The results form: planet positions, other Vedic details, personal details,
// the South Indian chart and the Kuja dosha interpretation of one reading.
//
// Every control carries its name as objectName; members of a control array
// are named with an underscore and their index: "Planet_3", "PlanetName_3",
// "lblPlanets_0", "lblSouthPosition_0", "lblResult_5", "Frame1_2".
class frmDisplay final : public QWidget {
    Q_OBJECT

  public:
    // Creating the form writes the personal details of `birth`; they stay
    // those of the reading that created it.
    explicit frmDisplay(const BirthDetails& birth, QWidget* parent = nullptr);

    void ShowReading(const ChartReading& reading, const ReadingDisplay& display);
    // The line that says how the positions were computed; classic at first.
    void ShowPositionsMode(PositionsMode mode);

    SouthRasiChart* chart() const { return picSouthRasi_; }
    // The reading on screen and the birth details that produced it.
    const ChartReading& reading() const { return reading_; }
    const BirthDetails& birth() const { return birth_; }

  private:
    void FillPersonalDetails();
    void BuildPlanetPositions();
    void BuildVedicDetails();
    void BuildPersonalDetails();
    void BuildInterpretation();

    BirthDetails birth_;
    ChartReading reading_;

    std::array<QLabel*, kBodyCount> Planet_{};
    QLabel* lblAyanamsha_ = nullptr;
    QLabel* lblLagna_ = nullptr;
    QLabel* lblRashi_ = nullptr;
    QLabel* lblNakshatra_ = nullptr;
    QLabel* lblPada_ = nullptr;
    QLabel* lblLord_ = nullptr;
    QLabel* lblPositions_ = nullptr;
    QLabel* lblName_ = nullptr;
    QLabel* lblCity_ = nullptr;
    QLabel* lblState_ = nullptr;
    QLabel* lblCountry_ = nullptr;
    QLabel* lblDOB_ = nullptr;
    QLabel* lblTOB_ = nullptr;
    QLabel* lblLatitude_ = nullptr;
    QLabel* lblLongitude_ = nullptr;
    std::array<QLabel*, 7> lblResult_{};
    SouthRasiChart* picSouthRasi_ = nullptr;
};

}  // namespace orbalis
