#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Remembers what an output was made from, so unchanged outputs are kept.
// The stamp is a hash of the input files plus a free-form key (the drawing
// code's version, for instance) stored beside the output.
class Stamp
{
public:
    Stamp(const QString& output, const QStringList& inputs, const QByteArray& key = {});

    bool isCurrent() const;
    void write() const;

private:
    QString output;
    QString stampFile;
    QByteArray hash;
};
