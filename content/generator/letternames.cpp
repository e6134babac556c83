#include "letternames.h"

#include "contentsource.h"
#include "emoji.h"
#include "speechtiming.h"
#include "stamp.h"
#include "userpictures.h"
#include "littleendian.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QtEndian>

#include <cmath>


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

namespace {
// Notes one after the other, each with a soft start and end.
QVector<qint16> notes(const QList<double>& frequencies, int noteMs, double loudness, int rate)
{
    QVector<qint16> samples;
    const int length = noteMs * rate / 1000;
    for (const double frequency : frequencies) {
        for (int n = 0; n < length; ++n) {
            const double t = double(n) / rate;
            const double envelope = qMin(1.0, qMin(n, length - n) / (0.02 * rate));
            samples << qint16(32767 * loudness * envelope * std::sin(2 * M_PI * frequency * t));
        }
    }
    return samples;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()
        && file.flush();
}
} // namespace

bool writeFeedbackSounds(const QString& systemFolder, QString* error)
{
    constexpr int rate = 22050;
    const QList<QPair<QString, QVector<qint16>>> sounds = {
        {QStringLiteral("bien.wav"), notes({659.3, 987.8}, 140, 0.30, rate)},
        {QStringLiteral("mal.wav"), notes({330.0, 262.0}, 160, 0.22, rate)},
    };
    for (const auto& sound : sounds) {
        const QString path = systemFolder + QStringLiteral("sonidos/") + sound.first;
        Stamp stamp(path, {}, "feedback sound " + QByteArray::number(kLetterNamesVersion));
        if (stamp.isCurrent())
            continue;
        if (!writeFile(path, waveFile(sound.second, rate))) {
            *error = QStringLiteral("cannot write ") + path;
            return false;
        }
        stamp.write();
    }
    return true;
}

bool writeSpokenPrompts(const QString& systemFolder, QString* error)
{
    SpeechTiming speech;
    if (!speech.isValid()) {
        *error = QStringLiteral("the speech synthesizer espeak-ng (voice \"es\") is not available");
        return false;
    }
    const QList<QPair<QString, QString>> prompts = {
        {QStringLiteral("indicacion-tecla"), QStringLiteral("Pulsa una letra")},
    };
    for (const auto& prompt : prompts) {
        const QString path
            = systemFolder + QStringLiteral("sonidos/") + prompt.first + QStringLiteral(".wav");
        Stamp stamp(path, {},
                    "spoken prompt 1 " + QByteArray::number(kSpeechRate) + ' ' + prompt.second.toUtf8());
        if (stamp.isCurrent())
            continue;
        const SpokenWord spoken = speech.speak(prompt.second);
        if (spoken.samples.isEmpty() || !writeFile(path, waveFile(spoken.samples, spoken.sampleRate))) {
            *error = QStringLiteral("cannot write ") + path;
            return false;
        }
        stamp.write();
    }
    return true;
}

bool writeUserPictures(const QString& systemFolder, QString* error)
{
    for (const UserPictures::Drawing& drawing : UserPictures::drawings()) {
        const QString path = systemFolder + UserPictures::drawingPicture(drawing.name);
        Stamp stamp(path, {}, "user picture 1 " + QByteArray::number(drawing.codePoint, 16));
        if (stamp.isCurrent())
            continue;
        const QImage emoji = renderEmoji(drawing.codePoint, 120);
        if (emoji.isNull()) {
            *error = QStringLiteral("no emoji U+%1 for the user picture %2 (Debian package "
                                    "fonts-noto-color-emoji)")
                         .arg(drawing.codePoint, 0, 16)
                         .arg(drawing.name);
            return false;
        }
        QImage picture(160, 160, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromHsv(int(qHash(drawing.name) % 360), 40, 250));
        painter.drawEllipse(QRectF(2, 2, 156, 156));
        painter.drawImage(20, 20, emoji);
        painter.end();
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!picture.save(path, "PNG")) {
            *error = QStringLiteral("cannot write ") + path;
            return false;
        }
        stamp.write();
    }
    return true;
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
        if (spoken.samples.isEmpty() || !writeFile(path, waveFile(spoken.samples, spoken.sampleRate))) {
            *error = QStringLiteral("cannot write ") + path;
            return false;
        }
        stamp.write();
    }
    return true;
}
