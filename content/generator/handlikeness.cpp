#include "handlikeness.h"

#include <QList>
#include <QtMath>

namespace {
// Cells of the reduction: about 5 × 5 pixels of a 282 × 297 sign picture.
constexpr int kColumns = 56;
constexpr int kRows = 59;
// The card's border and corners are left out.
constexpr qreal kInset = 0.04;

bool drawn(QRgb pixel)
{
    // The card is near white; skin, sleeve, outline and arrows are not.
    return qMin(qRed(pixel), qMin(qGreen(pixel), qBlue(pixel))) < 222;
}

bool stroke(QRgb pixel)
{
    return qGray(pixel) < 140;
}

// What a glance takes in along one line of cells: how many separate parts
// it crosses (fingers side by side, a finger and an arrow) and how many
// strokes (the outlines of fingers folded over each other, of a thumb).
struct Line
{
    int parts = 0;
    int strokes = 0;
};

template<typename At>
Line lineOf(int length, At at)
{
    Line line;
    bool inPart = false, inStroke = false;
    for (int k = 0; k < length; ++k) {
        const QRgb cell = at(k);
        const bool part = qRed(cell) > 127, onStroke = qGreen(cell) > 100;
        line.parts += part && !inPart;
        line.strokes += onStroke && !inStroke;
        inPart = part;
        inStroke = onStroke;
    }
    return line;
}

QList<Line> rowsOf(const QImage& reduced)
{
    QList<Line> lines;
    for (int y = 0; y < kRows; ++y)
        lines << lineOf(kColumns, [&](int x) { return reduced.pixel(x, y); });
    return lines;
}

QList<Line> columnsOf(const QImage& reduced)
{
    QList<Line> lines;
    for (int x = 0; x < kColumns; ++x)
        lines << lineOf(kRows, [&](int y) { return reduced.pixel(x, y); });
    return lines;
}

// How many lines cross each number of parts and strokes: where along the
// hand a line lies does not count, only how the hand is built, so a hand
// held a little higher, more to one side or a few degrees more turned
// keeps its counts.
QList<qreal> histogramOf(const QList<Line>& lines)
{
    QList<qreal> counts(5 * 7, 0);
    for (const Line& line : lines) {
        if (line.parts > 0)
            counts[qMin(line.parts, 4) * 7 + qMin(line.strokes, 6)] += 1.0 / lines.size();
    }
    return counts;
}

// Where the drawing's weight lies, 0 at the top to 1 at the bottom: the
// counts alone do not tell fingers pointing up from fingers pointing down.
qreal heightOf(const QImage& reduced)
{
    qreal weight = 0, sum = 0;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            weight += qRed(reduced.pixel(x, y));
            sum += qRed(reduced.pixel(x, y)) * (y + 0.5) / kRows;
        }
    }
    return weight > 0 ? sum / weight : 0.5;
}

qreal histogramsApart(const QList<qreal>& a, const QList<qreal>& b)
{
    qreal sum = 0;
    for (qsizetype k = 0; k < a.size(); ++k)
        sum += qAbs(a.at(k) - b.at(k));
    return sum / 2;
}
} // namespace

QImage handLikenessImage(const QImage& picture)
{
    QImage reduced(kColumns, kRows, QImage::Format_RGB32);
    reduced.fill(Qt::black);
    if (picture.isNull())
        return reduced;
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const int left = qRound(source.width() * kInset), top = qRound(source.height() * kInset);
    const int width = source.width() - 2 * left, height = source.height() - 2 * top;
    for (int row = 0; row < kRows; ++row) {
        const int y0 = top + row * height / kRows, y1 = top + (row + 1) * height / kRows;
        for (int column = 0; column < kColumns; ++column) {
            const int x0 = left + column * width / kColumns, x1 = left + (column + 1) * width / kColumns;
            int filled = 0, outlined = 0, all = 0;
            for (int y = y0; y < y1; ++y) {
                const QRgb* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
                for (int x = x0; x < x1; ++x) {
                    filled += drawn(line[x]);
                    outlined += stroke(line[x]);
                    ++all;
                }
            }
            if (all > 0)
                reduced.setPixel(column, row, qRgb(255 * filled / all, qMin(255, 2 * 255 * outlined / all), 0));
        }
    }
    return reduced;
}

qreal handPictureDistance(const QImage& a, const QImage& b)
{
    const QImage ra = handLikenessImage(a), rb = handLikenessImage(b);
    qreal sum = 0;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            const QRgb pa = ra.pixel(x, y), pb = rb.pixel(x, y);
            sum += qAbs(qRed(pa) - qRed(pb)) + qAbs(qGreen(pa) - qGreen(pb));
        }
    }
    return sum / (2.0 * 255 * kColumns * kRows);
}

qreal handShapeDistance(const QImage& a, const QImage& b)
{
    const QImage ra = handLikenessImage(a), rb = handLikenessImage(b);
    const qreal build = (histogramsApart(histogramOf(rowsOf(ra)), histogramOf(rowsOf(rb)))
                         + histogramsApart(histogramOf(columnsOf(ra)), histogramOf(columnsOf(rb))))
        / 2;
    return qMin(1.0, build + qAbs(heightOf(ra) - heightOf(rb)));
}
