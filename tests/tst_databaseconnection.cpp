#include "config.h"
#include "contentlists.h"
#include "database.h"
#include "databaseconnection.h"
#include "testhome.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestDatabaseConnection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldOpenExistingDatabase();
    void shouldReportMissingFileWithoutCreatingIt();
    void shouldSurviveUnusableFiles_data();
    void shouldSurviveUnusableFiles();
};

void TestDatabaseConnection::shouldOpenExistingDatabase()
{
    TestHome home;
    const QString path = home.databasePath();
    Database::closeDefault();
    DatabaseConnection connection(path);
    QVERIFY(connection.isOpen());
    QVERIFY(TestHome::addLanguage(QStringLiteral("Español")) > 0);
}

void TestDatabaseConnection::shouldReportMissingFileWithoutCreatingIt()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/data/bd");
    QString title;
    QList<QAbstractButton*> buttons;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        buttons = box->buttons();
        box->button(QMessageBox::Cancel)->click();
    });
    DatabaseConnection connection(path);
    QVERIFY(!connection.isOpen());
    QCOMPARE(title, QStringLiteral("No se puede abrir la base de datos"));
    QCOMPARE(buttons.size(), 1);
    QVERIFY(!QFile::exists(path));
    Database::closeDefault();
}

void TestDatabaseConnection::shouldSurviveUnusableFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("not a database") << QByteArray("this is not sqlite\n").repeated(100);
}

void TestDatabaseConnection::shouldSurviveUnusableFiles()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/bd");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    // Opening may succeed or fail; either way nothing crashes and nothing loads.
    QTimer::singleShot(0, this, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Cancel)->click();
    });
    DatabaseConnection connection(path);
    Language language;
    QVERIFY(!language.loadById(1));
    LetterList letters;
    letters.loadOfLanguage(&language);
    letters.reset();
    QCOMPARE(letters.next(), nullptr);
    Category category;
    category.setLanguage(&language);
    category.name = QStringLiteral("X");
    QVERIFY(!category.insert());
    Config settings;
    settings.language = &language;
    QVERIFY(!letters.hasAvailable(settings, &language));
    QCOMPARE(settings.get(SettingKey::UseCh, 0), 0);
    Database::closeDefault();
}

QTEST_MAIN(TestDatabaseConnection)
#include "tst_databaseconnection.moc"
