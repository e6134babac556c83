#pragma once

#include <QByteArray>
#include <QtEndian>

// Appends integers in the little-endian order RIFF files (AVI, WAV) use.
inline void put32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

inline void put16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}
