#pragma once

#include "serverconfig.h"
#include "serverlink.h"

#include <QSqlDatabase>
#include <QString>
#include <memory>

// The program's one database connection, registered as the default one so
// that every record reaches it through a plain QSqlQuery.
class DatabaseConnection
{
public:
    // What the connection tells or asks the adult while it opens; the
    // window's layer shows it (the connection itself only logs).
    class Reporter
    {
    public:
        virtual ~Reporter() = default;
        virtual void cannotOpen(const QString& path) = 0;
        // The file cannot be used (problem: SQLite's words, for the log).
        // True when the adult asks for newestCopy (empty: none) to be restored.
        virtual bool damaged(const QString& path, const QString& problem, const QString& newestCopy) = 0;
        virtual void restoreFailed(const QString& copy, const QString& path) = 0;
        // noCopy: the copy kept before an upgrade could not be written.
        virtual void upgradeFailed(const QString& path, bool noCopy) = 0;
        virtual void mediaFolderMissing(const QString& folder, const QString& home) = 0;
        // The connection file may be read (or changed) by others than its owner.
        virtual void serverConfigExposed(const QString& file) = 0;
        // The server that file names cannot be used (server: its address
        // without any password; empty when the file itself is wrong).
        virtual void cannotReachServer(const QString& file, const QString& server) = 0;
        // The server's schema is not this program's: an older one waits for
        // ondalira-server-admin server-upgrade, a newer one for a newer
        // program on this PC. The program never writes to either.
        virtual void serverSchemaDiffers(const QString& server, int serverVersion, int programVersion) = 0;
        // The server cannot be reached at start, but the PC has a copy of
        // it made at copyTime: true when the adult goes on with that copy
        // (the lesson works, nothing can be changed), false to quit.
        virtual bool offerLastCopy(const QString& file, const QString& server, const QDateTime& copyTime) = 0;
    };

    // systemConfig: the system-wide connection file (tests give their own).
    DatabaseConnection(const QString& path, Reporter& reporter,
                       const QString& systemConfig = ServerConfig::kSystemFile);
    ~DatabaseConnection();

    // Opens an existing database, checks that it can be used (offering the
    // newest kept copy when it cannot) and upgrades its schema; every
    // failure goes to the reporter. A damaged file is never changed or
    // deleted. Missing folders of the media library (the home's, or the
    // shared one that the connection file names) are reported too.
    void open(const QString& path);
    bool isOpen() const;
    // The connection file in use; not set: the embedded database.
    const ServerConfig& server() const { return config; }
    // The link to the school's server (none on the embedded database).
    ServerLink* link() const { return serverLink.get(); }
    // The adult chose to quit rather than go on without the server.
    bool quitChosen() const { return quit; }

private:
    bool openServer(const QString& dataFolder);
    bool goOnWithCopy(const QString& server);
    bool openChecked(const QString& path);
    bool restore(const QString& path, const QString& copy);
    void upgradeSchema(const QString& path);
    void checkMediaFolders();

    Reporter& reporter;
    QString systemConfig;
    ServerConfig config;
    std::unique_ptr<ServerLink> serverLink;
    bool quit = false;
    QString mediaFolder; // the media library in use
};
