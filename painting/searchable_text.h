#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>

class QPainter;

namespace orbalis {

// Text in a PDF that reads back as it was written.
//
// The PDF writer maps each glyph back to at most one character, the one the
// font's own table gives it. A conjunct or a half form has none, and a vowel
// sign drawn before its consonant comes back before it: Devanagari and Tamil
// copied or searched in a PDF reader come out broken. Text drawn through
// DrawSearchableText onto a PDF writer is bracketed by marks (tiny squares
// off the page that carry its characters); WithActualText then turns each
// bracket into a marked-content span whose ActualText is the text itself,
// which PDF readers use for copying, searching and reading aloud. On any
// other device (a screen, a printer) the text is drawn as plain drawText.

// True when `painter` paints onto a PDF writer, whose output WithActualText
// is to rewrite.
bool MarksSearchableText(const QPainter& painter);

// painter.drawText(rect, flags, text), bracketed by marks on a PDF writer.
// One line: a wrapped text is to be drawn line by line, so that each line
// reads back where it stands.
void DrawSearchableText(QPainter& painter, const QRectF& rect, int flags, const QString& text);

// Draws `text` word-wrapped within `rect` (left aligned, from its top), as
// drawText with Qt::TextWordWrap does, one marked line at a time.
void DrawSearchableParagraph(QPainter& painter, const QRectF& rect, const QString& text);

// The ascent of the first line of `text` in the painter's font, the faces
// that stand in for it included; 0 for an empty text.
double FirstLineAscent(const QPainter& painter, const QString& text);

// The PDF `pdf` with every bracket of marks in its page contents replaced by
// an ActualText span; a PDF without marks comes back as it was, one it cannot
// read as the PDF writer lays files out comes back empty.
QByteArray WithActualText(const QByteArray& pdf);

}  // namespace orbalis
