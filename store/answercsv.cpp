#include "answercsv.h"

#include <QStringList>

namespace {
const QStringList kHeader = {
    QStringLiteral("usuario"), QStringLiteral("id_usuario"), QStringLiteral("idioma"),
    QStringLiteral("id_idioma"), QStringLiteral("actividad"), QStringLiteral("letra"),
    QStringLiteral("palabra"), QStringLiteral("tecla"), QStringLiteral("correcta"),
    QStringLiteral("intento"), QStringLiteral("ms"), QStringLiteral("fecha"),
    QStringLiteral("solo_oida")};
// Files written before listening practice have no last column.
const QStringList kEarlierHeader = kHeader.mid(0, 12);

QString quoted(const QString& field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"'))
        && !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString escaped = field;
    escaped.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// Splits CSV text into rows of fields (quotes as in RFC 4180).
QList<QStringList> parse(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool inQuotes = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            inQuotes = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            row << field;
            field.clear();
            rows << row;
            row.clear();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty())
        rows << (row << field);
    return rows;
}
} // namespace

namespace AnswerCsv {

QByteArray write(const QList<Answer>& answers, const QString& userName, const QString& languageName)
{
    QString text = kHeader.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (const Answer& a : answers) {
        const QStringList fields = {quoted(userName),
                                    QString::number(a.userId),
                                    quoted(languageName),
                                    QString::number(a.languageId),
                                    QString::number(a.activity),
                                    quoted(a.expected),
                                    quoted(a.word),
                                    quoted(a.typed),
                                    a.correct ? QStringLiteral("1") : QStringLiteral("0"),
                                    QString::number(a.attempt),
                                    QString::number(a.elapsedMs),
                                    AnswerLog::timeText(a.answeredAt),
                                    a.heardOnly ? QStringLiteral("1") : QStringLiteral("0")};
        text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

bool read(const QByteArray& csv, QList<Answer>& answers)
{
    answers.clear();
    const QList<QStringList> rows = parse(QString::fromUtf8(csv));
    if (rows.isEmpty() || (rows.first() != kHeader && rows.first() != kEarlierHeader))
        return false;
    const qsizetype columns = rows.first().size();
    QList<Answer> read;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const QStringList& f = rows.at(r);
        if (f.size() != columns)
            return false;
        Answer a;
        bool ok[6] = {};
        a.userId = f.at(1).toInt(&ok[0]);
        a.languageId = f.at(3).toInt(&ok[1]);
        a.activity = f.at(4).toInt(&ok[2]);
        a.expected = f.at(5);
        a.word = f.at(6);
        a.typed = f.at(7);
        a.correct = f.at(8) == QLatin1String("1");
        a.attempt = f.at(9).toInt(&ok[3]);
        a.elapsedMs = f.at(10).toInt(&ok[4]);
        a.answeredAt = AnswerLog::parseTime(f.at(11));
        ok[5] = a.answeredAt.isValid();
        a.heardOnly = columns > 12 && f.at(12) == QLatin1String("1");
        for (bool fieldOk : ok) {
            if (!fieldOk)
                return false;
        }
        read.append(a);
    }
    answers = read;
    return true;
}

} // namespace AnswerCsv
