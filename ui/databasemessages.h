#pragma once

#include "databaseconnection.h"

#include <QCoreApplication>

// The database connection's troubles, told to the adult in message boxes.
class DatabaseMessages : public DatabaseConnection::Reporter
{
    Q_DECLARE_TR_FUNCTIONS(DatabaseMessages)

public:
    void cannotOpen(const QString& path) override;
    bool damaged(const QString& path, const QString& problem, const QString& newestCopy) override;
    void restoreFailed(const QString& copy, const QString& path) override;
    void upgradeFailed(const QString& path, bool noCopy) override;
    void mediaFolderMissing(const QString& folder, const QString& home) override;
    void serverConfigExposed(const QString& file) override;
    void cannotReachServer(const QString& file, const QString& server) override;
    void serverSchemaDiffers(const QString& server, int serverVersion, int programVersion) override;
    bool offerLastCopy(const QString& file, const QString& server, const QDateTime& copyTime) override;
};
