#include "contentsource.h"

#include <QFile>
#include <QTextStream>

namespace {
QStringList dataLines(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read ") + path;
        return {};
    }
    QStringList lines;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('#')))
            lines << line;
    }
    return lines;
}
} // namespace

bool ContentSource::load(const QString& folder, QString* error)
{
    languageName = QStringLiteral("Español");
    error->clear();
    for (const QString& line : dataLines(folder + QStringLiteral("/letters.txt"), error))
        letters << line.trimmed();

    const QStringList wordLines = dataLines(folder + QStringLiteral("/wordlist.tsv"), error);
    for (qsizetype i = 1; i < wordLines.size(); ++i) { // the first line names the columns
        const QStringList f = wordLines.at(i).split(QLatin1Char('\t'));
        if (f.size() < 5) {
            *error = QStringLiteral("wordlist.tsv line %1 has too few columns").arg(i + 1);
            return false;
        }
        WordEntry entry;
        entry.letter = f.at(0).trimmed().toUpper();
        entry.word = f.at(1).trimmed();
        const QString picture = f.at(2).trimmed();
        if (picture.startsWith(QStringLiteral("draw:")))
            entry.drawing = picture.mid(5);
        else if (picture.startsWith(QStringLiteral("U+")))
            entry.emoji = picture.mid(2).toUInt(nullptr, 16);
        if (entry.emoji == 0 && entry.drawing.isEmpty()) {
            *error = QStringLiteral("wordlist.tsv line %1: no picture source").arg(i + 1);
            return false;
        }
        entry.category = f.at(4).trimmed().toUpper();
        if (!letters.contains(entry.letter)) {
            *error = QStringLiteral("wordlist.tsv line %1: unknown letter %2").arg(i + 1).arg(entry.letter);
            return false;
        }
        words << entry;
    }

    for (const QString& line : dataLines(folder + QStringLiteral("/settings.tsv"), error)) {
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f.size() == 2)
            settings << qMakePair(f.at(0).trimmed(), f.at(1).trimmed().toInt());
    }
    return error->isEmpty();
}
