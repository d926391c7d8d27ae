#pragma once

#include <QComboBox>
#include <QElapsedTimer>
#include <QString>

class QKeyEvent;

namespace orbalis {

// A selection list of the numbers "first".."last" (day, hour, minute) where
// typed digits select the number typed: "3" selects 3, "1" then "5" within a
// second selects 15. A list's own search would go to the next entry that
// begins with the digit, so that "3" after 15 gave 30.
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

    QString typed_;
    QElapsedTimer sinceLastDigit_;
};

}  // namespace orbalis
