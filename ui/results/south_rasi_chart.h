#pragma once

#include <QLabel>
#include <array>

namespace orbalis {

class ChartBoxLabel;

// The South Indian chart `picSouthRasi`: the amber grid picture with the
// twelve box texts `lblPlanets_k` and the fixed sign numbers
// `lblSouthPosition_k`, k the sign index from Aries.
class SouthRasiChart final : public QLabel {
    Q_OBJECT

  public:
    explicit SouthRasiChart(QWidget* parent);

    // Box k's text, lines joined by CR LF.
    void setBoxText(int sign, const QString& text);
    ChartBoxLabel* boxLabel(int sign) const { return boxes_[sign]; }
    QLabel* signNumberLabel(int sign) const { return numbers_[sign]; }
    // The chart's name in the centre square, `lblChartName`: "Rasi" or the
    // divisional chart's.
    void setChartName(const QString& name);
    QLabel* chartNameLabel() const { return lblChartName_; }

  private:
    std::array<ChartBoxLabel*, 12> boxes_{};
    std::array<QLabel*, 12> numbers_{};
    QLabel* lblChartName_ = nullptr;
};

}  // namespace orbalis
