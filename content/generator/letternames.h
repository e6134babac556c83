#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

struct ContentSource;

constexpr int kLetterNamesVersion = 1;

// The file of a letter's spoken name in its letter folder.
inline const QString kLetterNameFile = QStringLiteral("nombre.wav");

// The Spanish name of a letter as stored ("M" -> "eme", "W" -> "uve
// doble"); empty for a letter without one.
QString spokenLetterName(const QString& letter);

// A 16-bit mono PCM .wav file.
QByteArray waveFile(const QVector<qint16>& samples, int sampleRate);

// The short sounds of the exercises' praise and error pictures, written as
// sonidos/bien.wav and sonidos/mal.wav into the system folder: two rising
// notes and two soft falling ones.
bool writeFeedbackSounds(const QString& systemFolder, QString* error);

// The drawings a child may be given as its picture (UserPictures), as
// usuarios/NAME.png into the system folder: 160 × 160, on a soft round
// background.
bool writeUserPictures(const QString& systemFolder, QString* error);

// The prompts a child follows without reading, spoken, as sonidos/NAME.wav
// beside the prompt's picture ui/NAME.png: "Pulsa una letra".
bool writeSpokenPrompts(const QString& systemFolder, QString* error);

// Writes every letter's spoken name, in the voice of the lip videos, as
// "nombre.wav" into its letter folder.
bool writeLetterNames(const QString& languageFolder, const ContentSource& source, QString* error);
