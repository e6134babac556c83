#include "databaseconnection.h"

#include "database.h"

#include <QCoreApplication>
#include <QMessageBox>

DatabaseConnection::DatabaseConnection(const QString& path)
{
    open(path);
}

void DatabaseConnection::open(const QString& path)
{
    const bool opened = Database::openDefault(path);
    database = QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
    if (opened)
        return;
    QMessageBox box(QMessageBox::Critical,
                    QCoreApplication::translate("DatabaseConnection",
                                                "No se puede abrir la base de datos"),
                    QCoreApplication::translate(
                        "DatabaseConnection",
                        "Hubo un problema abriendo la base de datos del programa.\nPor favor "
                        "revise su instalación o comuníquese con el desarrollador."),
                    QMessageBox::Cancel);
    box.setObjectName(QStringLiteral("databaseErrorBox"));
    box.exec();
}
