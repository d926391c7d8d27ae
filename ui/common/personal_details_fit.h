#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QStringList>
#include <QTextOption>

namespace orbalis {

// How the personal-detail lines sit in their group. In the form's type each
// line has its own row of `firstRow`'s size, one under the other; a line too
// wide for its row wraps (at blanks, inside a word only where the word alone
// is too wide) and the rows below move down. When the rows would pass
// `bottom`, every line gets a smaller type, down to what fits.
struct PersonalDetailsFit {
    QFont font;
    QList<QRect> rects;  // one per line, in the group's coordinates
    bool fits = true;    // false only when even the smallest type is too large
};

PersonalDetailsFit FitPersonalDetails(const QStringList& lines, const QRect& firstRow, int bottom);

// The wrapping the lines are measured and drawn with.
QTextOption PersonalDetailWrapping();

// The height in whole pixels of `text` wrapped that way to `width`.
int WrappedTextHeight(const QString& text, const QFont& font, int width);

}  // namespace orbalis
