#include "ui/birth_details/number_list.h"

#include <QKeyEvent>

namespace orbalis {

bool NumberList::SelectText(const QString& text) {
    const int index = findText(text, Qt::MatchExactly);
    if (index < 0) return false;
    setCurrentIndex(index);
    return true;
}

bool NumberList::AnyEntryBeginsWith(const QString& text) const {
    for (int index = 0; index < count(); ++index)
        if (itemText(index).startsWith(text)) return true;
    return false;
}

void NumberList::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool digit = text.size() == 1 && text.front().isDigit() &&
                       (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!digit) {
        QComboBox::keyPressEvent(event);
        return;
    }
    if (!sinceLastDigit_.isValid() || sinceLastDigit_.elapsed() > kTypingIntervalMs) typed_.clear();
    sinceLastDigit_.start();
    typed_ += text;
    // Digits no entry begins with start over at this digit.
    if (!AnyEntryBeginsWith(typed_)) typed_ = text;
    SelectText(typed_);
    event->accept();
}

}  // namespace orbalis
