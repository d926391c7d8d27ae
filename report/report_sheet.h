#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <string_view>
#include <vector>

#include "dosha/classical_kuja_dosha.h"
#include "model/birth_details.h"
#include "model/catalogue.h"

class QByteArray;
class QPagedPaintDevice;
class QPainter;

namespace orbalis {

struct ChartDrawing;

// The type sizes and colours every report shares, those of the results
// window where it has one.
inline constexpr double kBodyPoints = 9.0;
inline constexpr double kHeadingPoints = 16.0;
inline constexpr double kSectionPoints = 11.0;
inline const QColor kSectionColour(0, 64, 64);    // the results window's dark teal
inline const QColor kLagnaColour(128, 0, 0);      // as the form's "Ascendant (Lagna)" title
inline const QColor kMoonColour(0, 0, 128);       // as the form's "Moon Sign (Rashi)" title
inline const QColor kResultColour(154, 54, 171);  // as the form's result lines
inline const QColor kWarningColour(192, 0, 0);    // as the form's warnings

// A chart side at which the form's scaled type is a little over 8 pt.
inline constexpr double kChartMillimetres = 95.0;
// The type of the charts of a report, whatever their side.
inline constexpr double kChartPoints = 8.5;

QString Q(std::string_view text);

// Lays a report out from the top of the page down on any paged device (a
// PDF writer or a printer), starting a new page when a block would run past
// the bottom.
class ReportSheet {
  public:
    ReportSheet(QPagedPaintDevice& device, QPainter& painter);

    double mm(double millimetres) const { return millimetres * mm_; }
    double width() const { return page_.width(); }
    double y() const { return y_; }
    void setY(double y) { y_ = y; }
    void skip(double millimetres) { y_ += mm(millimetres); }
    // Makes room for `height` device units, on a new page if need be.
    void need(double height);
    // What follows on a new page.
    void newPage();

    // The height `words` take across `width` in `font`.
    double heightOf(const QString& words, const QFont& font, double width);
    // A paragraph across `width` from `left`, wrapped at words.
    void text(const QString& words, const QFont& font, const QColor& colour = Qt::black,
              double left = 0.0, double width = -1.0);
    // A title in the section colour over a rule, kept with what follows.
    void section(const QString& title, double left = 0.0, double width = -1.0);
    // Rows of cells; each column starts at its fraction of the table's width
    // and its cells wrap within it; the first row may be a bold heading.
    void table(const std::vector<QStringList>& rows, const std::vector<double>& columnStarts,
               bool heading, double left = 0.0, double width = -1.0);
    // A chart as a square of `side` at `left`.
    void chart(const ChartDrawing& drawing, double left, double side);

    QPainter& painter() { return painter_; }

  private:
    QPagedPaintDevice& device_;
    QPainter& painter_;
    QRectF page_;
    double mm_;
    double y_ = 0.0;
};

// The particulars of a birth as label and value rows: name, date, time with
// the UTC offset used, place, latitude, longitude and the zone row.
std::vector<QStringList> BirthRows(const BirthDetails& birth, const Catalogue& words);

// The classical rows of the Kuja dosha details under their column titles.
std::vector<QStringList> ClassicalRows(const ClassicalKujaDosha& analysis, const Catalogue& words);

// A file name from a text: the characters no file system takes removed,
// blanks folded, `fallback` when nothing is left; ".pdf" added.
QString PdfFileName(const QString& text, const QString& fallback);

// A document as an A4 PDF under `title`, painted by `paint`; empty when it
// cannot be made.
QByteArray PaintedPdf(const QString& title, const std::function<bool(QPagedPaintDevice&)>& paint);

}  // namespace orbalis
