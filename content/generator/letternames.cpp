#include "letternames.h"

#include "contentsource.h"
#include "speechtiming.h"
#include "stamp.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QtEndian>

namespace {
void put32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void put16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}
} // namespace

QString spokenLetterName(const QString& letter)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("A"), QStringLiteral("a")},       {QStringLiteral("B"), QStringLiteral("be")},
        {QStringLiteral("C"), QStringLiteral("ce")},      {QStringLiteral("CH"), QStringLiteral("che")},
        {QStringLiteral("D"), QStringLiteral("de")},      {QStringLiteral("E"), QStringLiteral("e")},
        {QStringLiteral("F"), QStringLiteral("efe")},     {QStringLiteral("G"), QStringLiteral("ge")},
        {QStringLiteral("H"), QStringLiteral("hache")},   {QStringLiteral("I"), QStringLiteral("i")},
        {QStringLiteral("J"), QStringLiteral("jota")},    {QStringLiteral("K"), QStringLiteral("ka")},
        {QStringLiteral("L"), QStringLiteral("ele")},     {QStringLiteral("LL"), QStringLiteral("elle")},
        {QStringLiteral("M"), QStringLiteral("eme")},     {QStringLiteral("N"), QStringLiteral("ene")},
        {QStringLiteral("Ñ"), QStringLiteral("eñe")},     {QStringLiteral("O"), QStringLiteral("o")},
        {QStringLiteral("P"), QStringLiteral("pe")},      {QStringLiteral("Q"), QStringLiteral("cu")},
        {QStringLiteral("R"), QStringLiteral("erre")},    {QStringLiteral("S"), QStringLiteral("ese")},
        {QStringLiteral("T"), QStringLiteral("te")},      {QStringLiteral("U"), QStringLiteral("u")},
        {QStringLiteral("V"), QStringLiteral("uve")},     {QStringLiteral("W"), QStringLiteral("uve doble")},
        {QStringLiteral("X"), QStringLiteral("equis")},   {QStringLiteral("Y"), QStringLiteral("ye")},
        {QStringLiteral("Z"), QStringLiteral("zeta")},
    };
    return names.value(letter);
}

QByteArray waveFile(const QVector<qint16>& samples, int sampleRate)
{
    QByteArray data;
    data.reserve(samples.size() * 2);
    for (const qint16 sample : samples)
        put16(data, quint16(sample));
    QByteArray out("RIFF", 4);
    put32(out, quint32(36 + data.size()));
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, quint32(sampleRate));
    put32(out, quint32(sampleRate * 2));
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, quint32(data.size()));
    return out + data;
}

bool writeLetterNames(const QString& languageFolder, const ContentSource& source, QString* error)
{
    SpeechTiming speech;
    if (!speech.isValid()) {
        *error = QStringLiteral("the speech synthesizer espeak-ng (voice \"es\") is not available");
        return false;
    }
    for (const QString& letter : source.letters) {
        const QString name = spokenLetterName(letter);
        if (name.isEmpty())
            continue;
        const QString folder = languageFolder + QStringLiteral("Letras/") + letter + QLatin1Char('/');
        const QString path = folder + kLetterNameFile;
        Stamp stamp(path, {}, "letter name " + QByteArray::number(kLetterNamesVersion) + ' '
                                  + QByteArray::number(kSpeechRate) + ' ' + name.toUtf8());
        if (stamp.isCurrent())
            continue;
        const SpokenWord spoken = speech.speak(name);
        QDir().mkpath(folder);
        QFile file(path);
        const QByteArray bytes = waveFile(spoken.samples, spoken.sampleRate);
        if (spoken.samples.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(bytes) != bytes.size() || !file.flush()) {
            *error = QStringLiteral("cannot write ") + path;
            return false;
        }
        file.close();
        stamp.write();
    }
    return true;
}
