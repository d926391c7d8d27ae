#pragma once

#include <QLabel>

class QPaintEvent;

namespace orbalis {

// A label whose text wraps to its width like the personal-detail lines are
// measured (PersonalDetailWrapping): at blanks, and inside a word too long
// for a line of its own, so no text is ever cut off at the side.
class WrappedLabel final : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orbalis
