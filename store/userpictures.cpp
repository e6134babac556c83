#include "userpictures.h"

#include "mediapaths.h"

#include <QFileInfo>
#include <QHash>

namespace UserPictures {

const QList<Drawing>& drawings()
{
    static const QList<Drawing> list = {
        {QStringLiteral("perro"), 0x1F436},     {QStringLiteral("gato"), 0x1F431},
        {QStringLiteral("conejo"), 0x1F430},    {QStringLiteral("oso"), 0x1F43B},
        {QStringLiteral("rana"), 0x1F438},      {QStringLiteral("leon"), 0x1F981},
        {QStringLiteral("mono"), 0x1F435},      {QStringLiteral("pinguino"), 0x1F427},
        {QStringLiteral("tortuga"), 0x1F422},   {QStringLiteral("pez"), 0x1F41F},
        {QStringLiteral("mariposa"), 0x1F98B},  {QStringLiteral("abeja"), 0x1F41D},
        {QStringLiteral("mariquita"), 0x1F41E}, {QStringLiteral("pollito"), 0x1F425},
        {QStringLiteral("caballo"), 0x1F434},   {QStringLiteral("vaca"), 0x1F42E},
        {QStringLiteral("cerdo"), 0x1F437},     {QStringLiteral("elefante"), 0x1F418},
        {QStringLiteral("jirafa"), 0x1F992},    {QStringLiteral("buho"), 0x1F989},
        {QStringLiteral("pulpo"), 0x1F419},     {QStringLiteral("ballena"), 0x1F433},
        {QStringLiteral("flor"), 0x1F33B},      {QStringLiteral("sol"), 0x1F31E},
        {QStringLiteral("estrella"), 0x2B50},   {QStringLiteral("arcoiris"), 0x1F308},
        {QStringLiteral("manzana"), 0x1F34E},   {QStringLiteral("platano"), 0x1F34C},
        {QStringLiteral("fresa"), 0x1F353},     {QStringLiteral("coche"), 0x1F697},
        {QStringLiteral("tren"), 0x1F682},      {QStringLiteral("barco"), 0x26F5},
        {QStringLiteral("globo"), 0x1F388},     {QStringLiteral("pelota"), 0x26BD},
        {QStringLiteral("guitarra"), 0x1F3B8},  {QStringLiteral("casa"), 0x1F3E0},
        {QStringLiteral("paraguas"), 0x2602},   {QStringLiteral("cohete"), 0x1F680},
        {QStringLiteral("avion"), 0x2708},      {QStringLiteral("corazon"), 0x1F49C},
    };
    return list;
}

QString drawingPicture(const QString& name)
{
    return QStringLiteral("usuarios/") + name + QStringLiteral(".png");
}

QString photoPicture(const QString& file)
{
    return QStringLiteral("foto:") + file;
}

QString nextFree(const QStringList& used)
{
    QHash<QString, int> uses;
    for (const QString& picture : used)
        ++uses[picture];
    QString best;
    int fewest = -1;
    for (const Drawing& drawing : drawings()) {
        const QString picture = drawingPicture(drawing.name);
        const int count = uses.value(picture);
        if (fewest < 0 || count < fewest) {
            best = picture;
            fewest = count;
        }
        if (count == 0)
            break;
    }
    return best;
}

QString photosFolder()
{
    return MediaPaths::mediaPath() + QStringLiteral("/usuarios/");
}

QString path(const QString& picture)
{
    if (picture.isEmpty())
        return QString();
    if (picture.startsWith(QLatin1String("foto:")))
        return photosFolder() + QFileInfo(picture.mid(5)).fileName();
    return MediaPaths::systemMediaPath() + picture;
}

} // namespace UserPictures
