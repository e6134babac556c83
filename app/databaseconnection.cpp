#include "databaseconnection.h"

#include "database.h"
#include "schemaupgrade.h"
#include "wordsaver.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {
QString nativePath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// What SQLite says is for the developer; the adult reads plain words.
QString plainProblem(const QString& problem)
{
    qWarning("Database problem: %s", qPrintable(problem));
    if (problem.startsWith(QLatin1String("no table ")))
        return QCoreApplication::translate("DatabaseConnection", "le faltan partes que el programa necesita");
    return QCoreApplication::translate("DatabaseConnection", "está dañado o no es una base de datos");
}
} // namespace

DatabaseConnection::DatabaseConnection(const QString& path)
{
    open(path);
}

void DatabaseConnection::open(const QString& path)
{
    if (openChecked(path)) {
        upgradeSchema(path);
        checkMediaFolders(path);
        // Saves and deletions that a crash cut short are finished or undone
        // before anyone sees the media library.
        WordSaver::reconcile(QDir::cleanPath(QFileInfo(path).absolutePath()
                                             + QStringLiteral("/../media/languages")));
    }
    database = QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
}

bool DatabaseConnection::openChecked(const QString& path)
{
    for (;;) {
        if (!Database::openDefault(path)) {
            QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("DatabaseConnection", "No se puede abrir la base de datos"),
                            QCoreApplication::translate("DatabaseConnection", "Hubo un problema abriendo la base de datos del programa.\nPor "
                               "favor revise su instalación o comuníquese con el desarrollador."),
                            QMessageBox::Cancel);
            box.setObjectName(QStringLiteral("databaseErrorBox"));
            box.exec();
            return false;
        }
        const QString problem = Database::problemOfDefault();
        if (problem.isEmpty())
            return true;
        Database::closeDefault();

        const QStringList copies = SchemaUpgrade::keptCopies(path);
        QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("DatabaseConnection", "La base de datos está dañada"),
                        QCoreApplication::translate("DatabaseConnection", "El archivo %1 no es una base de datos que el programa pueda usar: "
                           "%2.\nEl programa no lo modificará ni lo borrará.")
                            .arg(nativePath(path), plainProblem(problem)),
                        QMessageBox::Cancel);
        box.setObjectName(QStringLiteral("databaseErrorBox"));
        QPushButton* restoreButton = nullptr;
        if (copies.isEmpty()) {
            box.setInformativeText(
                QCoreApplication::translate("DatabaseConnection", "Cierre el programa y reemplace ese archivo por una copia de seguridad, o "
                   "vuelva a instalar el programa."));
        } else {
            box.setInformativeText(
                QCoreApplication::translate("DatabaseConnection", "Puede restaurar la copia más reciente, %1; el archivo dañado se conservará "
                   "con otro nombre.")
                    .arg(nativePath(copies.first())));
            restoreButton = box.addButton(QCoreApplication::translate("DatabaseConnection", "Restaurar copia"), QMessageBox::AcceptRole);
            box.setDefaultButton(restoreButton);
        }
        box.exec();
        if (!restoreButton || box.clickedButton() != restoreButton)
            return false;
        if (!restore(path, copies.first()))
            return false;
    }
}

// The damaged file moves aside under a new name, then the copy takes its place.
bool DatabaseConnection::restore(const QString& path, const QString& copy)
{
    const QString aside = path + QStringLiteral(".dañada-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    const QString partial = path + QStringLiteral(".restaurando");
    QFile::remove(partial);
    const bool restored = QFile::copy(copy, partial) && QFile::rename(path, aside)
        && QFile::rename(partial, path);
    if (restored)
        return true;
    QFile::remove(partial);
    if (!QFile::exists(path) && QFile::exists(aside))
        QFile::rename(aside, path);
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("DatabaseConnection", "No se pudo restaurar la copia"),
                    QCoreApplication::translate("DatabaseConnection", "La copia %1 no pudo ocupar el lugar de %2. Ningún archivo se ha borrado.")
                        .arg(nativePath(copy), nativePath(path)),
                    QMessageBox::Cancel);
    box.setObjectName(QStringLiteral("databaseErrorBox"));
    box.exec();
    return false;
}

void DatabaseConnection::upgradeSchema(const QString& path)
{
    const SchemaUpgrade::Result result = SchemaUpgrade::upgrade(
        QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false), path);
    if (result.ok)
        return;
    const QString text = result.keptCopy.isEmpty() && result.error.isEmpty()
        ? QCoreApplication::translate("DatabaseConnection", "No se pudo guardar una copia de %1 antes de actualizarla, así que no se ha "
             "actualizado. Revise que la carpeta tenga espacio y permiso de escritura.")
              .arg(nativePath(path))
        : QCoreApplication::translate("DatabaseConnection", "La base de datos %1 no pudo actualizarse y queda como estaba. Algunas "
             "funciones pueden no estar disponibles.")
              .arg(nativePath(path));
    if (!result.error.isEmpty())
        qWarning("Schema upgrade failed: %s", qPrintable(result.error));
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("DatabaseConnection", "No se pudo actualizar la base de datos"), text,
                    QMessageBox::Ok);
    box.setObjectName(QStringLiteral("databaseErrorBox"));
    box.exec();
}

// Without its media folders the program would open on an empty grey window.
void DatabaseConnection::checkMediaFolders(const QString& path)
{
    const QString home = QDir::cleanPath(QFileInfo(path).absolutePath() + QStringLiteral("/.."));
    for (const char* folder : {"media", "media/system", "media/languages"}) {
        const QString needed = home + QLatin1Char('/') + QLatin1String(folder);
        if (QFileInfo(needed).isDir())
            continue;
        QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("DatabaseConnection", "Falta la carpeta de medios"),
                        QCoreApplication::translate("DatabaseConnection", "No se encuentra la carpeta %1, donde el programa guarda sus dibujos, "
                           "sonidos y videos. Sin ella no puede mostrar las actividades.")
                            .arg(nativePath(needed)),
                        QMessageBox::Ok);
        box.setObjectName(QStringLiteral("mediaErrorBox"));
        box.setInformativeText(QCoreApplication::translate("DatabaseConnection", "Vuelva a instalar el programa, o copie la carpeta de medios "
                                  "de una copia de seguridad en %1.")
                                   .arg(nativePath(home)));
        box.exec();
        return;
    }
}
