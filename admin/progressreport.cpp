#include "progressreport.h"

#include "answerlog.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFile>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QValueAxis>
#include <memory>

ProgressData ProgressData::load(int userId, const QString& userName, int languageId,
                                const QString& languageName, const QDate& today, int weeks)
{
    ProgressData data;
    data.userName = userName;
    data.languageName = languageName;
    data.grid = ProgressStats::letterGrid(userId, languageId);
    data.days = ProgressStats::perDay(userId, languageId, today.addDays(1 - 7 * weeks), today);
    data.pairs = ProgressStats::confusedPairs(userId, languageId);
    return data;
}

QString ProgressReport::exerciseName(int activity)
{
    switch (activity) {
    case 21: return tr("Seña: primera letra");
    case 21 + ProgressStats::kHeardOnly: return tr("Oído: primera letra");
    case 23: return tr("Labial: primera letra");
    case 25: return tr("Mano: qué letra es");
    case 30: return tr("Letra que falta");
    case 31: return tr("Palabra entera");
    default: return QString::number(activity);
    }
}

QColor ProgressReport::cellColour(const ProgressStats::Cell& cell)
{
    if (cell.isEmpty())
        return QColor(Qt::white);
    // Hue 0 (red) to 120 (green), light enough for black text.
    return QColor::fromHsv(int(120 * cell.share()), 110, 245);
}

QString ProgressReport::cellText(const ProgressStats::Cell& cell)
{
    if (cell.isEmpty())
        return QString();
    return QStringLiteral("%1/%2").arg(cell.right).arg(cell.answers);
}

QChart* ProgressReport::makeChart(const QList<ProgressStats::Day>& days, bool dayNumbers)
{
    auto* chart = new QChart;
    chart->setTitle(tr("Respuestas por día y porcentaje de aciertos"));
    auto* answers = new QBarSet(tr("Respuestas"));
    auto* share = new QLineSeries;
    share->setName(tr("Aciertos (%)"));
    QStringList labels;
    int most = 0;
    for (int i = 0; i < days.size(); ++i) {
        const ProgressStats::Day& day = days.at(i);
        *answers << day.answers;
        most = qMax(most, day.answers);
        if (day.answers > 0)
            share->append(i, 100.0 * day.right / day.answers);
        labels << day.day.toString(QStringLiteral("d"));
    }
    auto* bars = new QBarSeries;
    bars->append(answers);
    chart->addSeries(bars);
    chart->addSeries(share);

    auto* x = new QBarCategoryAxis;
    x->append(labels);
    QFont small = x->labelsFont();
    small.setPointSize(7);
    x->setLabelsFont(small);
    // The day numbers fit a page, not the dialog: there the title gives the dates.
    x->setLabelsVisible(dayNumbers);
    if (!days.isEmpty()) {
        const QString format = QStringLiteral("dd/MM");
        chart->setTitle(chart->title() + QStringLiteral(", ")
                        + tr("días del %1 al %2")
                              .arg(days.first().day.toString(format), days.last().day.toString(format)));
    }
    chart->addAxis(x, Qt::AlignBottom);
    auto* count = new QValueAxis;
    // Five ticks on whole numbers: the top is a multiple of four.
    count->setRange(0, (qMax(8, most) + 3) / 4 * 4);
    count->setLabelFormat(QStringLiteral("%d"));
    count->setTitleText(tr("Respuestas"));
    chart->addAxis(count, Qt::AlignLeft);
    auto* percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setLabelFormat(QStringLiteral("%d"));
    percent->setTitleText(tr("Aciertos (%)"));
    chart->addAxis(percent, Qt::AlignRight);
    bars->attachAxis(x);
    bars->attachAxis(count);
    share->attachAxis(x);
    share->attachAxis(percent);
    share->setPointsVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

namespace {
constexpr int kMargin = 40;

void drawGrid(QPainter& p, const ProgressData& data, QRect area)
{
    const QList<int>& exercises = ProgressStats::exercises();
    const int labelWidth = 160;
    const int columns = qMax(1, int(data.grid.letters.size()));
    const int cellWidth = qMin(40, (area.width() - labelWidth) / columns);
    const int cellHeight = 26;
    QFont font = p.font();
    font.setPixelSize(10);
    p.setFont(font);
    int x = area.left() + labelWidth;
    for (const QString& letter : data.grid.letters) {
        p.drawText(QRect(x, area.top(), cellWidth, cellHeight), Qt::AlignCenter, letter);
        x += cellWidth;
    }
    int y = area.top() + cellHeight;
    for (int activity : exercises) {
        p.drawText(QRect(area.left(), y, labelWidth - 6, cellHeight), Qt::AlignRight | Qt::AlignVCenter,
                   ProgressReport::exerciseName(activity));
        x = area.left() + labelWidth;
        for (const QString& letter : data.grid.letters) {
            const ProgressStats::Cell cell = data.grid.cell(letter, activity);
            const QRect r(x, y, cellWidth, cellHeight);
            p.fillRect(r, ProgressReport::cellColour(cell));
            p.setPen(Qt::gray);
            p.drawRect(r);
            p.setPen(Qt::black);
            p.drawText(r, Qt::AlignCenter, ProgressReport::cellText(cell));
            x += cellWidth;
        }
        y += cellHeight;
    }
}
} // namespace

bool ProgressReport::writePdf(const QString& path, const ProgressData& data)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(96);
    writer.setTitle(tr("Progreso de %1").arg(data.userName));
    writer.setCreator(QStringLiteral("Ondalira"));
    QPainter p;
    if (!p.begin(&writer))
        return false;
    const QRect page(0, 0, writer.width(), writer.height());
    const QRect content = page.adjusted(kMargin, kMargin, -kMargin, -kMargin);

    QFont title = p.font();
    title.setPixelSize(22);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(content.left(), content.top(), content.width(), 30), Qt::AlignLeft,
               tr("Progreso de %1").arg(data.userName));
    QFont normal = p.font();
    normal.setPixelSize(12);
    normal.setBold(false);
    p.setFont(normal);
    p.drawText(QRect(content.left(), content.top() + 32, content.width(), 20), Qt::AlignLeft,
               tr("Idioma: %1. Informe del %2.")
                   .arg(data.languageName, QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))));
    p.drawText(QRect(content.left(), content.top() + 56, content.width(), 20), Qt::AlignLeft,
               tr("Cada casilla: respuestas acertadas a la primera entre las últimas %1 preguntas de "
                  "esa letra y ese ejercicio.")
                   .arg(ProgressStats::kLastAnswers));
    drawGrid(p, data, QRect(content.left(), content.top() + 84, content.width(), 170));

    // The chart as vectors, through a scene of its own.
    QGraphicsScene scene;
    QChart* chart = makeChart(data.days, true);
    scene.addItem(chart);
    const QRectF chartRect(0, 0, content.width(), content.bottom() - (content.top() + 260));
    chart->setGeometry(chartRect);
    scene.setSceneRect(chartRect);
    scene.render(&p, QRectF(content.left(), content.top() + 260, chartRect.width(), chartRect.height()),
                 chartRect);

    writer.newPage();
    p.setFont(title);
    p.drawText(QRect(content.left(), content.top(), content.width(), 30), Qt::AlignLeft,
               tr("Letras que se confunden"));
    p.setFont(normal);
    int y = content.top() + 44;
    if (data.pairs.isEmpty())
        p.drawText(QPoint(content.left(), y + 14), tr("No hay respuestas equivocadas."));
    else
        p.drawText(QPoint(content.left(), y + 14), tr("Letra pedida → tecla escrita: veces"));
    y += 30;
    for (const ProgressStats::Pair& pair : data.pairs) {
        p.drawText(QPoint(content.left() + 20, y),
                   tr("%1 → %2: %3").arg(pair.expected, pair.typed).arg(pair.count));
        y += 22;
    }
    return p.end();
}
