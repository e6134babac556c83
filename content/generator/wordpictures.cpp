#include "wordpictures.h"

#include "contentsource.h"
#include "emoji.h"
#include "paintkit.h"
#include "picturewriter.h"
#include "worddrawings.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSet>
#include <QTextStream>

namespace {
// Bump when the word pictures change, so every one is redrawn.
constexpr char kVersion[] = "wordpictures-5";

constexpr QSize kCard(351, 211); // the picture holder of the main window
constexpr int kPictureSize = 172;

QColor categoryColor(const QString& category)
{
    using namespace Paint::Color;
    static const QHash<QString, QColor> colors = {
        {QStringLiteral("ANIMALES"), Green},   {QStringLiteral("COMIDA"), Orange},
        {QStringLiteral("OBJETOS"), Blue},     {QStringLiteral("NATURALEZA"), Teal},
        {QStringLiteral("TRANSPORTE"), Violet}, {QStringLiteral("CUERPO"), Pink},
        {QStringLiteral("ROPA"), Coral},       {QStringLiteral("LUGARES"), Yellow},
        {QStringLiteral("PERSONAS"), Pink},    {QStringLiteral("DEPORTES"), Blue},
        {QStringLiteral("MÚSICA"), Violet},     {QStringLiteral("NÚMEROS"), Orange},
    };
    return colors.value(category, Blue);
}

QImage wordCard(const WordEntry& word)
{
    const QImage picture = word.drawing.isEmpty() ? renderEmoji(word.emoji, kPictureSize)
                                                  : wordDrawing(word.drawing, kPictureSize);
    if (picture.isNull())
        return {};
    QImage image = Paint::canvas(kCard.width(), kCard.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor color = categoryColor(word.category);
    const QRectF card(7, 6, kCard.width() - 14, kCard.height() - 16);
    QRadialGradient glow(card.center(), card.width() * 0.6);
    // Tinted also in the middle, so that white things (a cloud) stand out.
    glow.setColorAt(0, Paint::tone(color, 1.9));
    glow.setColorAt(1, Paint::tone(color, 1.72));
    Paint::box(painter, card, 28, Paint::Color::Paper, QColor(), 0, true);
    painter.setPen(QPen(Paint::tone(color, 1.2), 4));
    painter.setBrush(glow);
    painter.drawRoundedRect(card.adjusted(2, 2, -2, -2), 26, 26);
    // A soft shadow on the ground under the picture.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1b, 0x2a, 0x4a, 28));
    painter.drawEllipse(QPointF(card.center().x(), card.bottom() - 16), kPictureSize * 0.36, 7);
    painter.drawImage(QPointF(card.center().x() - kPictureSize / 2.0,
                              card.center().y() - kPictureSize / 2.0 - 4),
                      picture);
    return image;
}

// Removes word folders that this generator made for words no longer listed.
void pruneOldWords(const QString& languageDir, const QSet<QString>& current)
{
    const QString letters = languageDir + QStringLiteral("Letras/");
    for (const QString& letter : QDir(letters).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QDir letterDir(letters + letter);
        for (const QString& word : letterDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const bool ours = QFileInfo::exists(letterDir.filePath(word) + QStringLiteral("/.")
                                                + WordMedia::Image + QStringLiteral(".stamp"));
            if (ours && !current.contains(letter + QLatin1Char('/') + word))
                QDir(letterDir.filePath(word)).removeRecursively();
        }
    }
}
} // namespace

QString wordFolder(const QString& languageDir, const QString& letter, const QString& fullName)
{
    return languageDir + QStringLiteral("Letras/") + letter + QLatin1Char('/') + fullName
        + QLatin1Char('/');
}

bool drawWordPictures(const ContentSource& source, const QString& languageDir, QString* error)
{
    if (!Paint::fontsAvailable(error))
        return false;
    PictureWriter writer(QByteArray(kVersion) + ' ' + Paint::Version);
    QSet<QString> current;
    for (const QString& letter : source.letters)
        QDir().mkpath(languageDir + QStringLiteral("Letras/") + letter);
    for (const WordEntry& word : source.words) {
        if (!word.drawing.isEmpty() && !wordDrawingNames().contains(word.drawing)) {
            *error = QStringLiteral("no drawing named %1 for %2").arg(word.drawing, word.word);
            return false;
        }
        if (word.drawing.isEmpty() && !emojiAvailable(word.emoji)) {
            *error = QStringLiteral("no emoji U+%1 for %2 (Debian package fonts-noto-color-emoji)")
                         .arg(word.emoji, 0, 16)
                         .arg(word.word);
            return false;
        }
        current.insert(word.letter + QLatin1Char('/') + word.word);
        const QString path = wordFolder(languageDir, word.letter, word.word) + WordMedia::Image;
        const QByteArray key = word.word.toUtf8() + ' ' + QByteArray::number(word.emoji, 16) + ' '
            + word.drawing.toUtf8() + ' ' + word.category.toUtf8();
        if (!writer.write(path, key, [&] { return wordCard(word); })) {
            *error = writer.error;
            return false;
        }
    }
    pruneOldWords(languageDir, current);
    QTextStream(stdout) << "word pictures: " << writer.drawn << " drawn, " << writer.kept
                        << " unchanged\n";
    return true;
}
