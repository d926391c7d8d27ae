#include "ui/birth_details/filtered_line_edit.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <string>

#include "reading/input_rules.h"

namespace orbalis {
namespace {

std::u32string Utf32Of(const QString& text) {
    const QList<uint> codes = text.toUcs4();
    return std::u32string(codes.begin(), codes.end());
}

bool IsClipboardOrUndoShortcut(const QKeyEvent& event) {
    for (const auto key : {QKeySequence::Paste, QKeySequence::Copy, QKeySequence::Cut,
                           QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll}) {
        if (event.matches(key)) return true;
    }
    return false;
}

}  // namespace

FilteredLineEdit::FilteredLineEdit(CharacterRule rule, QWidget* parent)
    : QLineEdit(parent), rule_(rule) {
    connect(this, &QLineEdit::textEdited, this, &FilteredLineEdit::CheckEditedText);
    // textEdited comes before textChanged, so the held text is still the old
    // one while an edit is checked. text() rather than the argument: after a
    // refused edit has been taken back it is the restored text.
    connect(this, &QLineEdit::textChanged, this, [this] {
        heldText_ = text();
        heldCursor_ = cursorPosition();
    });
    connect(this, &QLineEdit::cursorPositionChanged, this,
            [this](int, int position) { heldCursor_ = position; });
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    if (IsRefusedKey(*event)) {
        event->accept();
        emit characterRefused();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool FilteredLineEdit::IsRefusedKey(const QKeyEvent& event) const {
    if (IsClipboardOrUndoShortcut(event)) return true;
    const QString text = event.text();
    // Arrows, Home, End and the like carry no character and only move the cursor.
    if (text.isEmpty()) return false;
    // With Ctrl held a key produces a control code, whatever text the platform reports.
    const bool controlCode = event.modifiers().testFlag(Qt::ControlModifier) &&
                             event.key() != Qt::Key_Backspace && event.key() != Qt::Key_Delete;
    if (controlCode) return true;
    for (const char32_t code : Utf32Of(text)) {
        const bool accepted =
            rule_ == CharacterRule::Letters ? IsLetterKey(code) : IsDigitKey(code);
        if (!accepted) return true;
    }
    return false;
}

bool FilteredLineEdit::Conforms(const QString& text) const {
    const std::u32string codes = Utf32Of(text);
    return rule_ == CharacterRule::Letters ? IsLetterText(codes) : IsDigitText(codes);
}

void FilteredLineEdit::CheckEditedText(const QString& text) {
    // A text put in by the program (a reading read from a file) may break the
    // rule; the user must still be able to edit it, so only a conforming text
    // is defended.
    if (Conforms(text) || !Conforms(heldText_)) return;
    const QString restored = heldText_;
    const int cursor = heldCursor_;
    setText(restored);
    setCursorPosition(qMin(cursor, static_cast<int>(restored.size())));
    emit characterRefused();
}

}  // namespace orbalis
