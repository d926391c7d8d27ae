// Paints the pictures the program ships in assets/: the South Indian chart
// background and the toolbar icons. Run it with the assets folder as
// its argument; the output is committed, so the program never needs this.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <array>
#include <cstdio>

namespace {

// The chart: 356 x 357 pixels (5340 x 5355 twips at 15 twips a pixel), an
// amber square with a 4 x 4 grid of thin dark lines whose centre four cells
// are one empty square.
constexpr int kChartWidth = 356;
constexpr int kChartHeight = 357;
constexpr std::array<int, 5> kColumnLines = {0, 88, 178, 267, kChartWidth - 1};
constexpr std::array<int, 5> kRowLines = {0, 88, 178, 267, kChartHeight - 1};
const QColor kAmber(252, 206, 96);
const QColor kGridLine(90, 50, 0);

QImage PaintChart() {
    QImage image(kChartWidth, kChartHeight, QImage::Format_RGB32);
    image.fill(kAmber);
    QPainter painter(&image);
    painter.setPen(QPen(kGridLine, 1));
    // The outer frame and the lines between the edge boxes.
    for (int x : kColumnLines) {
        const bool inner = x == kColumnLines[2];
        if (inner) {
            // The middle line stops at the centre square.
            painter.drawLine(x, 0, x, kRowLines[1]);
            painter.drawLine(x, kRowLines[3], x, kChartHeight - 1);
        } else {
            painter.drawLine(x, 0, x, kChartHeight - 1);
        }
    }
    for (int y : kRowLines) {
        const bool inner = y == kRowLines[2];
        if (inner) {
            painter.drawLine(0, y, kColumnLines[1], y);
            painter.drawLine(kColumnLines[3], y, kChartWidth - 1, y);
        } else {
            painter.drawLine(0, y, kChartWidth - 1, y);
        }
    }
    return image;
}

QImage NewIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(9.5, 1.5);
    page.lineTo(12.5, 4.5);
    page.lineTo(12.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::white);
    painter.drawPath(page);
    painter.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
    painter.drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
    return image;
}

QImage SaveIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(QColor(20, 40, 90), 1));
    painter.setBrush(QColor(50, 90, 170));
    painter.drawRect(QRectF(1.5, 1.5, 13, 13));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 1.5, 7, 5));  // label
    painter.setBrush(QColor(200, 200, 200));
    painter.drawRect(QRectF(4.5, 9.5, 7, 5));  // shutter
    return image;
}

QImage PrintIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(QColor(50, 50, 50), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 1.5, 7, 5));  // paper going in
    painter.setBrush(QColor(150, 150, 150));
    painter.drawRect(QRectF(1.5, 6.5, 13, 6));  // body
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 10.5, 7, 4));  // paper coming out
    painter.setPen(QColor(0, 160, 0));
    painter.drawPoint(12, 8);
    return image;
}

QImage HelpIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 64, 64), 1));
    painter.setBrush(QColor(0, 128, 128));
    painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    // A question mark drawn as strokes, so no font is needed.
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(5.5, 6.0);
    hook.cubicTo(5.5, 2.5, 10.5, 2.5, 10.5, 5.5);
    hook.cubicTo(10.5, 7.5, 8.0, 7.5, 8.0, 9.5);
    painter.drawPath(hook);
    painter.drawPoint(QPointF(8.0, 12.5));
    return image;
}

// The classical details: a sheet of three rows, Mars's red disc on the first.
QImage DetailsIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(1.5, 1.5, 13, 13));
    painter.setPen(QPen(QColor(0, 64, 64), 1));
    for (int y : {5, 8, 11}) painter.drawLine(8, y, 12, y);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 20, 10), 1));
    painter.setBrush(QColor(210, 50, 30));
    painter.drawEllipse(QRectF(3.0, 3.0, 3.5, 3.5));
    // Grey discs mark the other two rows.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(140, 140, 140));
    painter.drawEllipse(QRectF(3.5, 7.0, 2.5, 2.5));
    painter.drawEllipse(QRectF(3.5, 10.0, 2.5, 2.5));
    return image;
}

// The PDF report: a page with a folded corner and a red band across it.
QImage PdfIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(9.5, 1.5);
    page.lineTo(12.5, 4.5);
    page.lineTo(12.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::white);
    painter.drawPath(page);
    painter.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
    painter.drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 30));
    painter.drawRect(QRectF(1, 8, 10, 5));
    painter.setPen(QPen(Qt::white, 1));
    for (int x : {3, 6, 9}) painter.drawLine(x, 9, x, 11);
    return image;
}

bool Save(const QImage& image, const QString& path) {
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: asset_painter <assets folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = Save(PaintChart(), folder + "/south_rasi.png");
    ok = Save(NewIcon(), folder + "/new.png") && ok;
    ok = Save(SaveIcon(), folder + "/save.png") && ok;
    ok = Save(PrintIcon(), folder + "/print.png") && ok;
    ok = Save(HelpIcon(), folder + "/help.png") && ok;
    ok = Save(DetailsIcon(), folder + "/details.png") && ok;
    ok = Save(PdfIcon(), folder + "/pdf.png") && ok;
    return ok ? 0 : 1;
}
