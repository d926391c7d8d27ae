#pragma once

#include <QComboBox>
#include <QElapsedTimer>
#include <QString>

class QKeyEvent;

namespace orbalis {

// A selection list of numbers (day, year, hour, minute) where typed digits
// select only the number typed: "3" selects 3, "1" then "5" within a second
// selects 15, "1899" in the year list selects nothing and the list keeps its
// entry. A list's own search goes to the next entry that begins with what
// was typed, so that "3" after 15 gave 30 and "1899" gave 1991. Digits that
// no entry begins with start a new number.
class NumberList final : public QComboBox {
    Q_OBJECT

  public:
    using QComboBox::QComboBox;

    // Digits typed further apart than this start a new number.
    static constexpr qint64 kTypingIntervalMs = 1000;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool SelectText(const QString& text);
    bool AnyEntryBeginsWith(const QString& text) const;

    QString typed_;
    QElapsedTimer sinceLastDigit_;
};

}  // namespace orbalis
