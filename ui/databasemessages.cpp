#include "databasemessages.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>

namespace {
QString nativePath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// What SQLite says is for the log; the adult reads plain words.
QString plainProblem(const QString& problem)
{
    if (problem.startsWith(QLatin1String("no table ")))
        return DatabaseMessages::tr("le faltan partes que el programa necesita");
    return DatabaseMessages::tr("está dañado o no es una base de datos");
}

void show(QMessageBox::Icon icon, const QString& title, const QString& text, const char* name)
{
    QMessageBox box(icon, title, text, icon == QMessageBox::Critical ? QMessageBox::Cancel : QMessageBox::Ok);
    box.setObjectName(QLatin1String(name));
    box.exec();
}
} // namespace

void DatabaseMessages::cannotOpen(const QString&)
{
    show(QMessageBox::Critical, tr("No se puede abrir la base de datos"),
         tr("Hubo un problema abriendo la base de datos del programa.\nPor "
            "favor revise su instalación o comuníquese con el desarrollador."),
         "databaseErrorBox");
}

bool DatabaseMessages::damaged(const QString& path, const QString& problem, const QString& newestCopy)
{
    QMessageBox box(QMessageBox::Critical, tr("La base de datos está dañada"),
                    tr("El archivo %1 no es una base de datos que el programa pueda usar: "
                       "%2.\nEl programa no lo modificará ni lo borrará.")
                        .arg(nativePath(path), plainProblem(problem)),
                    QMessageBox::Cancel);
    box.setObjectName(QStringLiteral("databaseErrorBox"));
    QPushButton* restoreButton = nullptr;
    if (newestCopy.isEmpty()) {
        box.setInformativeText(tr("Cierre el programa y reemplace ese archivo por una copia de seguridad, o "
                                  "vuelva a instalar el programa."));
    } else {
        box.setInformativeText(tr("Puede restaurar la copia más reciente, %1; el archivo dañado se conservará "
                                  "con otro nombre.")
                                   .arg(nativePath(newestCopy)));
        restoreButton = box.addButton(tr("Restaurar copia"), QMessageBox::AcceptRole);
        box.setDefaultButton(restoreButton);
    }
    box.exec();
    return restoreButton && box.clickedButton() == restoreButton;
}

void DatabaseMessages::restoreFailed(const QString& copy, const QString& path)
{
    show(QMessageBox::Critical, tr("No se pudo restaurar la copia"),
         tr("La copia %1 no pudo ocupar el lugar de %2. Ningún archivo se ha borrado.")
             .arg(nativePath(copy), nativePath(path)),
         "databaseErrorBox");
}

void DatabaseMessages::upgradeFailed(const QString& path, bool noCopy)
{
    const QString text = noCopy
        ? tr("No se pudo guardar una copia de %1 antes de actualizarla, así que no se ha "
             "actualizado. Revise que la carpeta tenga espacio y permiso de escritura.")
              .arg(nativePath(path))
        : tr("La base de datos %1 no pudo actualizarse y queda como estaba. Algunas "
             "funciones pueden no estar disponibles.")
              .arg(nativePath(path));
    show(QMessageBox::Warning, tr("No se pudo actualizar la base de datos"), text, "databaseErrorBox");
}

void DatabaseMessages::mediaFolderMissing(const QString& folder, const QString& home)
{
    QMessageBox box(QMessageBox::Critical, tr("Falta la carpeta de medios"),
                    tr("No se encuentra la carpeta %1, donde el programa guarda sus dibujos, "
                       "sonidos y videos. Sin ella no puede mostrar las actividades.")
                        .arg(nativePath(folder)),
                    QMessageBox::Ok);
    box.setObjectName(QStringLiteral("mediaErrorBox"));
    box.setInformativeText(tr("Vuelva a instalar el programa, o copie la carpeta de medios "
                              "de una copia de seguridad en %1.")
                               .arg(nativePath(home)));
    box.exec();
}

void DatabaseMessages::serverConfigExposed(const QString& file)
{
    show(QMessageBox::Warning, tr("Otros pueden leer el archivo de conexión"),
         tr("El archivo %1, que dice a qué servidor se conecta el programa, puede ser leído o "
            "modificado por otros usuarios de este ordenador. Permita leerlo solo a su dueño "
            "(chmod 600) y guarde las contraseñas en ~/.pgpass, nunca en ese archivo.")
             .arg(nativePath(file)),
         "serverConfigBox");
}

void DatabaseMessages::cannotReachServer(const QString& file, const QString& server)
{
    const QString text = server.isEmpty()
        ? tr("El archivo de conexión %1 no indica un servidor válido. Revise sus líneas "
             "database= y media=.")
              .arg(nativePath(file))
        : tr("No se puede usar la base de datos del servidor %1, indicado en %2. Compruebe la "
             "red y que el servidor esté encendido, o avise al responsable de informática.")
              .arg(server, nativePath(file));
    show(QMessageBox::Critical, tr("No se puede conectar con el servidor"), text, "databaseErrorBox");
}

void DatabaseMessages::serverSchemaDiffers(const QString& server, int serverVersion, int programVersion)
{
    const QString text = serverVersion < programVersion
        ? tr("La base de datos del servidor %1 es de una versión anterior del programa. Pida al "
             "responsable de informática que la actualice con «ondalira-admin server-upgrade».")
              .arg(server)
        : tr("La base de datos del servidor %1 es de una versión más nueva del programa. Actualice "
             "el programa en este ordenador antes de usarla.")
              .arg(server);
    show(QMessageBox::Critical, tr("El servidor tiene otra versión de la base de datos"), text,
         "databaseErrorBox");
}

bool DatabaseMessages::offerLastCopy(const QString& file, const QString& server, const QDateTime& copyTime)
{
    QMessageBox box(QMessageBox::Warning, tr("No se puede conectar con el servidor"),
                    tr("No se puede usar la base de datos del servidor %1, indicado en %2. Compruebe la "
                       "red y que el servidor esté encendido, o avise al responsable de informática.")
                        .arg(server, nativePath(file)),
                    QMessageBox::NoButton);
    box.setObjectName(QStringLiteral("offlineStartBox"));
    box.setInformativeText(
        tr("Este ordenador tiene una copia del servidor del %1. Con ella los niños pueden seguir "
           "aprendiendo, y sus respuestas llegarán al servidor cuando vuelva; mientras tanto no se "
           "puede cambiar nada.")
            .arg(copyTime.toString(QStringLiteral("dd/MM/yyyy HH:mm"))));
    QPushButton* goOn = box.addButton(tr("Seguir con la última copia"), QMessageBox::AcceptRole);
    QPushButton* quit = box.addButton(tr("Salir"), QMessageBox::RejectRole);
    box.setDefaultButton(goOn);
    box.setEscapeButton(quit);
    box.exec();
    return box.clickedButton() == goOn;
}
