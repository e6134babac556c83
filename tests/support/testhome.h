#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class Language;

// A throw-away program home for one test: a database made from the shipped
// schema, opened as the default connection, and an empty media library.
// ONDALIRA_HOME points at it while the object lives.
class TestHome
{
public:
    TestHome();
    ~TestHome();

    bool isValid() const { return valid; }
    QString path() const { return dir.path(); }
    QString databasePath() const { return dir.path() + QStringLiteral("/data/bd"); }

    // Runs one SQL statement on the test database; false when it fails.
    static bool exec(const QString& statement);
    // Inserts and returns the new row id (or -1).
    static int addLanguage(const QString& name);
    static int addLetter(const QString& name, int languageId);
    static int addCategory(const QString& name, int languageId);
    static int addWord(const QString& name, int letterId, const QString& fullName = QString());
    static bool link(int wordId, int categoryId);
    static bool addSetting(const QString& key, int data, int userId, int languageId);

    // Creates an empty file (and its folders) inside the home.
    bool touch(const QString& relativePath) const;

private:
    QTemporaryDir dir;
    QByteArray previousHome;
    bool valid = false;
};

// Writes a file (and its folders); false when it cannot.
bool writeFile(const QString& path, const QByteArray& content = "x");
// A file's bytes, empty when it cannot be read.
QByteArray readFile(const QString& path);
// The first column of the first row of a query on the test database, -1 without a row.
int count(const QString& sql);
