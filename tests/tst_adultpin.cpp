// The adults' PIN: what is stored, the refusal and the lock, and the adult
// entries of the window behind it.
#include "adultpin.h"
#include "admwindow.h"
#include "configwidget.h"
#include "mainwindow.h"
#include "pindialog.h"
#include "progressdialog.h"
#include "widgets.h"
#include "windowfixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

namespace {
// Types `pin` into every PIN question (the fixture closes the message boxes).
class PinAnswerer
{
public:
    explicit PinAnswerer(const QString& pin)
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, &timer, [this, pin] {
            if (auto* dialog = qobject_cast<PinDialog*>(QApplication::activeModalWidget())) {
                ++questions;
                dialog->findChild<QLineEdit*>(QStringLiteral("pinField"))->setText(pin);
                dialog->accept();
            }
        });
        timer.start();
    }
    int questions = 0;

private:
    QTimer timer;
};
} // namespace

class TestAdultPin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldStoreOnlySaltedHash();
    void shouldRefuseWrongPinAndLockAfterThree();
    void shouldAskPinBeforeAdultEntries_data();
    void shouldAskPinBeforeAdultEntries();
};

void TestAdultPin::shouldStoreOnlySaltedHash()
{
    TestHome home;
    QVERIFY(home.isValid());
    AdultPin pin;
    QVERIFY(!pin.isSet());
    QVERIFY(!pin.set(QStringLiteral("12"))); // too short
    QByteArray firstHash;
    for (int round = 0; round < 2; ++round) {
        QVERIFY(pin.set(QStringLiteral("4321")));
        QSqlQuery query(QStringLiteral("SELECT salt, hash, COUNT(*) FROM adult_pin"));
        QVERIFY(query.next());
        QCOMPARE(query.value(2).toInt(), 1);
        QCOMPARE(query.value(0).toByteArray().size(), 16);
        const QByteArray hash = query.value(1).toByteArray();
        QCOMPARE(hash.size(), 32);
        QVERIFY(!hash.contains("4321"));
        // A new salt each time: the same PIN never gives the same row.
        QVERIFY(hash != firstHash);
        firstHash = hash;
    }
    QVERIFY(pin.isSet());
    QVERIFY(pin.clear());
    QVERIFY(!pin.isSet());
}

void TestAdultPin::shouldRefuseWrongPinAndLockAfterThree()
{
    TestHome home;
    QVERIFY(home.isValid());
    QDateTime now(QDate(2026, 1, 10), QTime(8, 0), Qt::UTC);
    AdultPin pin([&now] { return now; });
    QCOMPARE(pin.check(QStringLiteral("0000")), AdultPin::Result::Accepted); // no PIN yet
    QVERIFY(pin.set(QStringLiteral("2468")));

    QCOMPARE(pin.check(QStringLiteral("1111")), AdultPin::Result::Refused);
    QCOMPARE(pin.check(QStringLiteral("2468")), AdultPin::Result::Accepted);
    // The count starts again after the right PIN.
    QCOMPARE(pin.check(QStringLiteral("1111")), AdultPin::Result::Refused);
    QCOMPARE(pin.check(QStringLiteral("2222")), AdultPin::Result::Refused);
    QCOMPARE(pin.check(QStringLiteral("3333")), AdultPin::Result::Locked);
    QCOMPARE(pin.lockSecondsLeft(), 60);
    now = now.addSecs(59);
    QCOMPARE(pin.check(QStringLiteral("2468")), AdultPin::Result::Locked);
    // The lock is stored: another start of the program sees it too.
    QCOMPARE(AdultPin([&now] { return now; }).lockSecondsLeft(), 1);
    now = now.addSecs(2);
    QCOMPARE(pin.lockSecondsLeft(), 0);
    QCOMPARE(pin.check(QStringLiteral("2468")), AdultPin::Result::Accepted);
}

void TestAdultPin::shouldAskPinBeforeAdultEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("opens");
    for (const char* entry : {"settings", "administrator", "progress"}) {
        QTest::addRow("%s without a PIN", entry) << entry << "" << "" << true;
        QTest::addRow("%s, right PIN", entry) << entry << "97531" << "97531" << true;
        QTest::addRow("%s, wrong PIN", entry) << entry << "97531" << "13579" << false;
    }
}

void TestAdultPin::shouldAskPinBeforeAdultEntries()
{
    QFETCH(QString, entry);
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, opens);
    WindowFixture f;
    QVERIFY(f.isValid());
    f.addWord(QStringLiteral("Y"), QStringLiteral("y"));
    MainWindow* w = f.start();
    if (!stored.isEmpty())
        QVERIFY(AdultPin().set(stored));

    PinAnswerer answerer(typed);
    bool opened = false;
    if (entry == QLatin1String("settings")) {
        w->slotConfig();
        opened = topLevel<ConfigWidget>() != nullptr;
    } else if (entry == QLatin1String("administrator")) {
        w->slotAdministrador();
        opened = topLevel<AdmWindow>() != nullptr;
    } else {
        w->slotProgreso();
        opened = w->findChild<ProgressDialog*>() != nullptr;
    }
    QCOMPARE(opened, opens);
    QCOMPARE(answerer.questions, stored.isEmpty() ? 0 : 1);
    QCOMPARE(f.warningsAnswered(), opens ? 0 : 1);
    if (!opens)
        QVERIFY(f.lastWarningTitle().contains(QStringLiteral("Clave")));
}

QTEST_MAIN(TestAdultPin)
#include "tst_adultpin.moc"
