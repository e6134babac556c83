#include "config.h"
#include "testhome.h"
#include "user.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QTest>

namespace {
int rowCount(const QString& where)
{
    return count(QStringLiteral("SELECT COUNT(*) FROM config WHERE ") + where);
}
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every case runs on the embedded database and on a PostgreSQL server.
    void initTestCase_data() { TestHome::addEngineRows(); }
    void init() { TestHome::useEngineOfRow(); }
    void shouldReadZeroAndDefaultsWithoutRows();
    void shouldJoinFilterIdsInRowOrder();
    void shouldResetOnlyPerUserKeysOfThatUserAndLanguage();
    void shouldStampNewUserWithEqualTimes();
    void shouldNotReuseIdOfDeletedUser();
};

void TestSettings::shouldReadZeroAndDefaultsWithoutRows()
{
    TestHome home;
    Config settings;
    QCOMPARE(settings.get(SettingKey::StopMotion, 1), 0); // no language yet
    Language language;
    QVERIFY(language.loadById(TestHome::addLanguage(QStringLiteral("L"))));
    settings.language = &language;
    settings.loadFilters(1);
    QCOMPARE(settings.showOrder(1), QStringLiteral("wiv"));
    QCOMPARE(settings.get(SettingKey::FirstCaps, 1), 0);
    QVERIFY(!settings.has(SettingKey::Letter, 1, 1));
    QVERIFY(settings.letterFilter.isEmpty());
    QVERIFY(settings.categoryFilter.isEmpty());
    // Language-wide switches are read under user 0 only.
    TestHome::addSetting(QStringLiteral("use-ch"), 1, 5, language.id);
    QCOMPARE(settings.get(SettingKey::UseCh, 0), 0);
    TestHome::addSetting(QStringLiteral("use-ch"), 1, 0, language.id);
    QCOMPARE(settings.get(SettingKey::UseCh, 0), 1);
}

void TestSettings::shouldJoinFilterIdsInRowOrder()
{
    TestHome home;
    Language language;
    QVERIFY(language.loadById(TestHome::addLanguage(QStringLiteral("L"))));
    for (int id : {3, 7, 12, 99})
        QVERIFY(TestHome::exec(QStringLiteral("INSERT INTO letter (id, name, id_language) "
                                              "VALUES (%1, 'L%1', %2)").arg(id).arg(language.id)));
    QVERIFY(TestHome::exec(QStringLiteral("INSERT INTO category (id, name, id_language) "
                                          "VALUES (5, 'C', %1)").arg(language.id)));
    Config settings;
    settings.language = &language;
    for (int id : {3, 7, 40, 12}) // 40: a letter deleted since
        settings.set(SettingKey::Letter, id, 2);
    settings.set(SettingKey::Category, 5, 2);
    settings.set(SettingKey::Category, 41, 2); // a deleted category
    settings.set(SettingKey::Letter, 99, 3); // another user
    settings.loadFilters(2);
    QCOMPARE(settings.letterFilter, QStringLiteral("3,7,12"));
    QCOMPARE(settings.categoryFilter, QStringLiteral("5"));
    QVERIFY(settings.has(SettingKey::Letter, 7, 2));
    QVERIFY(!settings.has(SettingKey::Letter, 7, 3));
    settings.loadFilters(3);
    QCOMPARE(settings.letterFilter, QStringLiteral("99"));
    QVERIFY(settings.categoryFilter.isEmpty());
}

void TestSettings::shouldResetOnlyPerUserKeysOfThatUserAndLanguage()
{
    TestHome home;
    const int lang = TestHome::addLanguage(QStringLiteral("L"));
    const int other = TestHome::addLanguage(QStringLiteral("M"));
    Language language;
    QVERIFY(language.loadById(lang));
    for (const char* key : {"letter", "category", "show-order", "first-caps", "stop-motion",
                            "use-minus-caps"}) {
        TestHome::addSetting(QString::fromLatin1(key), 1, 2, lang);
        TestHome::addSetting(QString::fromLatin1(key), 1, 2, other);
        TestHome::addSetting(QString::fromLatin1(key), 1, 3, lang);
    }
    TestHome::addSetting(QStringLiteral("use-ch"), 1, 0, lang);
    TestHome::addSetting(QStringLiteral("unknown-key"), 1, 2, lang);
    TestHome::addLetter(QStringLiteral("A"), lang); // the letter those rows allow
    Config settings;
    settings.language = &language;
    settings.loadFilters(2);
    QVERIFY(!settings.letterFilter.isEmpty());
    settings.reset(2);
    QVERIFY(settings.letterFilter.isEmpty());
    QCOMPARE(rowCount(QStringLiteral("id_user = 2 AND id_language = %1").arg(lang)), 1);
    QCOMPARE(rowCount(QStringLiteral("id_user = 2 AND id_language = %1").arg(other)), 6);
    QCOMPARE(rowCount(QStringLiteral("id_user = 3")), 6);
    QCOMPARE(rowCount(QStringLiteral("id_user = 0")), 1);
}

void TestSettings::shouldStampNewUserWithEqualTimes()
{
    TestHome home;
    User user;
    user.name = QStringLiteral("Lucía");
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    QVERIFY(user.save());
    QVERIFY(user.id > 0);
    QSqlQuery row(QStringLiteral("SELECT last_login, created_in FROM \"user\""));
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toString(), row.value(1).toString());
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                .match(row.value(0).toString())
                .hasMatch());
    QVERIFY(user.createdIn >= before.addMSecs(-before.time().msec()));
    QCOMPARE(user.createdIn, user.lastLogin);
}

void TestSettings::shouldNotReuseIdOfDeletedUser()
{
    TestHome home;
    Language language;
    QVERIFY(language.loadById(TestHome::addLanguage(QStringLiteral("L"))));
    User first;
    first.name = QStringLiteral("Ana");
    QVERIFY(first.save());
    Config settings;
    settings.language = &language;
    settings.set(SettingKey::StopMotion, 1, first.id);
    QVERIFY(first.remove());
    QCOMPARE(rowCount(QStringLiteral("id_user = %1").arg(first.id)), 0);
    User second;
    second.name = QStringLiteral("Bea");
    QVERIFY(second.save());
    QVERIFY(second.id != first.id);
    QCOMPARE(settings.get(SettingKey::StopMotion, second.id), 0);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
