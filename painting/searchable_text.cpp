#include "painting/searchable_text.h"

#include <zlib.h>

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextLayout>
#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace orbalis {
namespace {

// A mark is a 1 × 1 square at (x, kMarkY) in device pixels, far off the page:
// kOpenMark opens a bracket and the squares after it carry the text's UTF-16
// units at kUnitMark − unit; kCloseMark closes it.
constexpr int kMarkY = -7;
constexpr int kOpenMark = -3000000;
constexpr int kCloseMark = -3000001;
constexpr int kUnitMark = -2000000;

void DrawMarks(QPainter& painter, const std::vector<QRectF>& marks) {
    painter.save();
    painter.resetTransform();
    painter.setClipping(false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRects(marks.data(), static_cast<int>(marks.size()));
    painter.restore();
}

QRectF Mark(int x) {
    return QRectF(x, kMarkY, 1, 1);
}

std::optional<QByteArray> Inflated(const QByteArray& data) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) return std::nullopt;
    QByteArray out;
    char buffer[65536];
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        status = inflate(&stream, Z_NO_FLUSH);
        out.append(buffer, static_cast<qsizetype>(sizeof buffer - stream.avail_out));
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END) return std::nullopt;
    return out;
}

QByteArray Deflated(const QByteArray& data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    QByteArray out(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                  reinterpret_cast<const Bytef*>(data.constData()), static_cast<uLong>(data.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        return {};
    out.truncate(static_cast<qsizetype>(size));
    return out;
}

// "<FEFF…>": a PDF text string in UTF-16 big-endian, as hexadecimal.
QByteArray HexText(const QString& text) {
    QByteArray bytes("<FEFF");
    for (QChar unit : text) bytes += QByteArray::number(unit.unicode(), 16).rightJustified(4, '0');
    return bytes.toUpper() + '>';
}

// The page contents with the marks taken out and each bracketed text given
// its span: BDC just before the text's first text object, EMC just after the
// last one, inside the same saved state, so that a reader meets the span's end
// with the text's own font and matrix in force. Nothing when the contents hold
// no marks.
std::optional<QByteArray> WithSpans(const QByteArray& contents) {
    static const QRegularExpression run(
        QStringLiteral("((?:-?\\d+ %1 1 1 re\\n)+)f\\n").arg(kMarkY));
    static const QRegularExpression square(QStringLiteral("(-?\\d+) %1 1 1 re").arg(kMarkY));
    const QString text = QString::fromLatin1(contents);
    QString out;
    QString pendingSpan;  // the BDC waiting for its text's first BT
    bool open = false;
    qsizetype spanStart = 0;  // where the open span's BDC stands in `out`
    bool marked = false;
    auto append = [&](QStringView segment) {
        if (!pendingSpan.isEmpty()) {
            const qsizetype first = segment.startsWith(u"BT\n") ? 0 : segment.indexOf(u"\nBT\n");
            if (first >= 0) {
                const qsizetype at = first == 0 ? 0 : first + 1;
                out += segment.left(at);
                spanStart = out.size();
                out += pendingSpan;
                segment = segment.mid(at);
                pendingSpan.clear();
                open = true;
            }
        }
        out += segment;
    };
    qsizetype done = 0;
    for (auto found = run.globalMatch(text); found.hasNext();) {
        const QRegularExpressionMatch match = found.next();
        std::vector<int> xs;
        for (auto each = square.globalMatch(match.captured(1)); each.hasNext();)
            xs.push_back(each.next().captured(1).toInt());
        const bool opening = !xs.empty() && xs[0] == kOpenMark;
        const bool closing = xs.size() == 1 && xs[0] == kCloseMark;
        if (!opening && !closing) continue;  // a square of the drawing itself
        append(QStringView(text).mid(done, match.capturedStart() - done));
        done = match.capturedEnd();
        marked = true;
        if (opening) {
            QString spoken;
            for (std::size_t i = 1; i < xs.size(); ++i)
                spoken.append(QChar(static_cast<char16_t>(kUnitMark - xs[i])));
            pendingSpan = QStringLiteral("/Span << /ActualText %1 >> BDC\n")
                              .arg(QString::fromLatin1(HexText(spoken)));
            continue;
        }
        pendingSpan.clear();
        if (!open) continue;
        // The writer's own empty spans (the second stroke of a bold drawn
        // from a regular face) would hide the text from readers inside ours.
        static const QRegularExpression emptySpan(
            QStringLiteral("/Span << /ActualText <> >> BDC\\n((?:.|\\n)*?)\\nEMC\\n"));
        out.replace(spanStart, out.size() - spanStart,
                    out.mid(spanStart).replace(emptySpan, QStringLiteral("\\1\n")));
        const qsizetype last = out.lastIndexOf(u"\nET\n");
        if (last >= 0) out.insert(last + 4, QStringLiteral("EMC\n"));
        open = false;
    }
    if (!marked) return std::nullopt;
    append(QStringView(text).mid(done));
    return out.toLatin1();
}

struct PdfObject {
    int number = 0;
    qsizetype offset = 0;
    QByteArray bytes;  // "N 0 obj" to just before the next object
};

}  // namespace

bool MarksSearchableText(const QPainter& painter) {
    return dynamic_cast<QPdfWriter*>(painter.device()) != nullptr;
}

void DrawSearchableText(QPainter& painter, const QRectF& rect, int flags, const QString& text) {
    if (!MarksSearchableText(painter) || text.trimmed().isEmpty()) {
        painter.drawText(rect, flags, text);
        return;
    }
    std::vector<QRectF> marks{Mark(kOpenMark)};
    for (QChar unit : text) marks.push_back(Mark(kUnitMark - unit.unicode()));
    DrawMarks(painter, marks);
    painter.drawText(rect, flags, text);
    DrawMarks(painter, {Mark(kCloseMark)});
}

void DrawSearchableParagraph(QPainter& painter, const QRectF& rect, const QString& text) {
    if (!MarksSearchableText(painter)) {
        painter.drawText(rect, Qt::TextWordWrap, text);
        return;
    }
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(lines, painter.font(), painter.device());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const double leading = std::max(0.0, QFontMetricsF(painter.font(), painter.device()).leading());
    double y = 0.0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(rect.width());
        line.setPosition(QPointF(0.0, y));
        y += line.height() + leading;
    }
    layout.endLayout();
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        QString words = lines.mid(line.textStart(), line.textLength());
        words.remove(QChar::LineSeparator);
        while (words.endsWith(QLatin1Char(' '))) words.chop(1);
        DrawSearchableText(painter,
                           QRectF(rect.x(), rect.y() + line.y(), rect.width(), line.height()),
                           Qt::AlignLeft | Qt::AlignTop, words);
    }
}

double FirstLineAscent(const QPainter& painter, const QString& text) {
    if (text.isEmpty()) return 0.0;
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(lines.section(QChar::LineSeparator, 0, 0), painter.font(), painter.device());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) line.setLineWidth(1e9);
    layout.endLayout();
    return line.isValid() ? line.ascent() : 0.0;
}

QByteArray WithActualText(const QByteArray& pdf) {
    // The cross-reference table gives each object's place; the objects follow
    // one another up to it.
    const qsizetype xref = pdf.lastIndexOf("\nxref\n");
    if (xref < 0) return {};
    const qsizetype trailer = pdf.indexOf("trailer", xref);
    const qsizetype startxref = pdf.indexOf("startxref", xref);
    if (trailer < 0 || startxref < 0) return {};
    const QList<QByteArray> table = pdf.mid(xref + 6, trailer - xref - 6).split('\n');
    if (table.isEmpty()) return {};
    const QList<QByteArray> section = table[0].split(' ');
    if (section.size() != 2 || section[0] != "0") return {};
    const int count = section[1].toInt();
    if (count < 1 || table.size() < count + 1) return {};
    std::vector<PdfObject> objects;
    for (int number = 1; number < count; ++number) {
        const QByteArray& entry = table[number + 1];
        if (entry.size() < 18 || entry[17] != 'n') continue;
        objects.push_back({number, entry.left(10).toLongLong(), {}});
    }
    if (objects.empty()) return {};
    std::sort(objects.begin(), objects.end(),
              [](const PdfObject& a, const PdfObject& b) { return a.offset < b.offset; });
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const qsizetype end = i + 1 < objects.size() ? objects[i + 1].offset : xref + 1;
        if (objects[i].offset <= 0 || end <= objects[i].offset) return {};
        objects[i].bytes = pdf.mid(objects[i].offset, end - objects[i].offset);
    }

    // Each compressed stream with marks, and the object holding its length.
    static const QRegularExpression streamHead(QStringLiteral(
        "^\\d+ 0 obj\\n<<\\n/Length (\\d+) 0 R\\n/Filter /FlateDecode\\n>>\\nstream\\n"));
    std::map<int, qsizetype> lengths;
    for (PdfObject& object : objects) {
        const QRegularExpressionMatch head =
            streamHead.match(QString::fromLatin1(object.bytes.left(120)));
        if (!head.hasMatch()) continue;
        const qsizetype start = head.capturedLength();
        const qsizetype end = object.bytes.lastIndexOf("endstream");
        if (end < start) continue;
        const std::optional<QByteArray> contents = Inflated(object.bytes.mid(start, end - start));
        if (!contents) continue;
        const std::optional<QByteArray> spans = WithSpans(*contents);
        if (!spans) continue;
        const QByteArray packed = Deflated(*spans);
        if (packed.isEmpty()) return {};
        object.bytes = object.bytes.left(start) + packed + "\nendstream\nendobj\n";
        lengths[head.captured(1).toInt()] = packed.size();
    }
    if (lengths.empty()) return pdf;
    for (PdfObject& object : objects)
        if (const auto length = lengths.find(object.number); length != lengths.end())
            object.bytes = QByteArray::number(object.number) + " 0 obj\n" +
                           QByteArray::number(length->second) + "\nendobj\n";

    QByteArray out = pdf.left(objects.front().offset);
    std::map<int, qsizetype> offsets;
    for (const PdfObject& object : objects) {
        offsets[object.number] = out.size();
        out += object.bytes;
    }
    const qsizetype newXref = out.size();
    out += "xref\n0 " + QByteArray::number(count) + "\n0000000000 65535 f \n";
    for (int number = 1; number < count; ++number) {
        const auto offset = offsets.find(number);
        out += offset == offsets.end()
                   ? QByteArray("0000000000 65535 f \n")
                   : QByteArray::number(offset->second).rightJustified(10, '0') + " 00000 n \n";
    }
    out += pdf.mid(trailer, startxref - trailer);
    out += "startxref\n" + QByteArray::number(newXref) + "\n%%EOF\n";
    return out;
}

}  // namespace orbalis
