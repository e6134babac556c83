// The adults' PIN: what is stored, the refusal and the lock, and the adult
// entries of the window behind it.
#include "adultpin.h"
#include "admwindow.h"
#include "categorywidget.h"
#include "categorywordwidget.h"
#include "config.h"
#include "configwidget.h"
#include "contentlists.h"
#include "mediawidget.h"
#include "inputdialog.h"
#include "mainwindow.h"
#include "pindialog.h"
#include "progressdialog.h"
#include "widgets.h"
#include "windowfixture.h"

#include <QApplication>
#include <QAbstractButton>
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
    void shouldStoreOnlySaltedHash_data() { TestHome::addEngineRows(); }
    void shouldStoreOnlySaltedHash();
    void shouldRefuseWrongPinAndLockAfterThree_data() { TestHome::addEngineRows(); }
    void shouldRefuseWrongPinAndLockAfterThree();
    void shouldAcceptOnlyTheWholeRightPin_data();
    void shouldAcceptOnlyTheWholeRightPin();
    void shouldAskPinBeforeAdultEntries_data();
    void shouldAskPinBeforeAdultEntries();
    void shouldFitASmallScreen_data();
    void shouldFitASmallScreen();
};

void TestAdultPin::shouldStoreOnlySaltedHash()
{
    QFETCH(Database::Engine, engine);
    if (!TestHome::canUse(engine))
        return;
    TestHome home(engine);
    QVERIFY(home.isValid());
    AdultPin pin;
    QVERIFY(!pin.isSet());
    QVERIFY(!pin.set(QStringLiteral("12"))); // too short
    QByteArray firstHash;
    for (int round = 0; round < 2; ++round) {
        QVERIFY(pin.set(QStringLiteral("4321")));
        QSqlQuery query(QStringLiteral("SELECT salt, hash, (SELECT COUNT(*) FROM adult_pin) FROM adult_pin"));
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
    QFETCH(Database::Engine, engine);
    if (!TestHome::canUse(engine))
        return;
    TestHome home(engine);
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

void TestAdultPin::shouldAcceptOnlyTheWholeRightPin_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("damagedByte"); // of the stored hash; -1: none
    QTest::addColumn<AdultPin::Result>("result");
    const QString right = QStringLiteral("24680");
    QTest::newRow("the right PIN") << right << -1 << AdultPin::Result::Accepted;
    for (int i = 0; i < right.size(); ++i) {
        QString typed = right;
        typed[i] = QLatin1Char(right.at(i) == QLatin1Char('9') ? '0' : char(right.at(i).toLatin1() + 1));
        QTest::addRow("digit %d differs", i + 1) << typed << -1 << AdultPin::Result::Refused;
    }
    QTest::newRow("one digit short") << right.left(4) << -1 << AdultPin::Result::Refused;
    QTest::newRow("one digit more") << right + QLatin1Char('0') << -1 << AdultPin::Result::Refused;
    QTest::newRow("with a blank") << right + QLatin1Char(' ') << -1 << AdultPin::Result::Refused;
    // The whole stored hash counts: a difference in any byte refuses.
    for (int byte : {0, 15, 31})
        QTest::addRow("stored hash differs in byte %d", byte) << right << byte << AdultPin::Result::Refused;
    QTest::newRow("stored hash cut short") << right << 32 << AdultPin::Result::Refused;
}

void TestAdultPin::shouldAcceptOnlyTheWholeRightPin()
{
    QFETCH(QString, typed);
    QFETCH(int, damagedByte);
    QFETCH(AdultPin::Result, result);
    TestHome home;
    QVERIFY(home.isValid());
    AdultPin pin;
    QVERIFY(pin.set(QStringLiteral("24680")));
    if (damagedByte >= 0) {
        QSqlQuery read(QStringLiteral("SELECT hash FROM adult_pin"));
        QVERIFY(read.next());
        QByteArray hash = read.value(0).toByteArray();
        if (damagedByte < hash.size())
            hash[damagedByte] = char(hash.at(damagedByte) ^ 0x01);
        else
            hash.chop(1);
        QSqlQuery write;
        write.prepare(QStringLiteral("UPDATE adult_pin SET hash = :hash"));
        write.bindValue(QStringLiteral(":hash"), hash);
        QVERIFY(write.exec());
    }
    QCOMPARE(pin.check(typed), result);
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

void TestAdultPin::shouldFitASmallScreen_data()
{
    QTest::addColumn<QString>("dialog");
    for (const char* dialog : {"settings", "administrator", "progress", "new word", "word",
                               "category", "words of a category", "PIN", "PIN settings",
                               "users, eight of them"})
        QTest::addRow("%s", dialog) << QString::fromLatin1(dialog);
}

// School netbooks have 1024 x 600 screens, with a title bar and a panel.
void TestAdultPin::shouldFitASmallScreen()
{
    QFETCH(QString, dialog);
    WindowFixture f;
    QVERIFY(f.isValid());
    if (f.letter(QStringLiteral("P")) == 0)
        f.addLetter(QStringLiteral("P"));
    for (const char* name : {"perro", "pato", "pelota", "pera", "piano", "puerta"})
        f.addWord(QStringLiteral("P"), QString::fromUtf8(name));
    for (int i = 0; i < 20; ++i)
        f.addCategory(QStringLiteral("CATEGORÍA %1").arg(i));
    Language language;
    QVERIFY(language.loadById(f.languageId));
    LetterList letters;
    WordList words;
    CategoryList categories;
    Config settings;
    UserList users;
    Letter letter;
    QVERIFY(letter.loadByName(QStringLiteral("P"), &language));
    Word word;
    QVERIFY(word.loadByFullName(QStringLiteral("perro"), &letter));
    Category category;
    QSqlQuery first(QStringLiteral("SELECT MIN(id) FROM category"));
    QVERIFY(first.next() && category.loadById(first.value(0).toInt()));

    std::unique_ptr<QDialog> shown;
    if (dialog == QLatin1String("settings"))
        shown.reset(new ConfigWidget(&f.user, &language, &letters, &categories, &settings));
    else if (dialog == QLatin1String("administrator"))
        shown.reset(new AdmWindow(&letters, &words, &categories));
    else if (dialog == QLatin1String("progress"))
        shown.reset(new ProgressDialog(f.languageId, f.userId, nullptr));
    else if (dialog == QLatin1String("new word"))
        shown.reset(new MediaWidget(0, &language, &letter, &categories));
    else if (dialog == QLatin1String("word"))
        shown.reset(new MediaWidget(0, &language, &letter, &categories, &word));
    else if (dialog == QLatin1String("category"))
        shown.reset(new CategoryWidget(0, &language, &category));
    else if (dialog == QLatin1String("words of a category"))
        shown.reset(new CategoryWordWidget(&words, &category));
    else if (dialog == QLatin1String("PIN"))
        shown.reset(new PinDialog);
    else if (dialog.startsWith(QLatin1String("users"))) {
        for (const char* name : {"Hugo", "Íker", "Lucía", "Martina", "Mateo", "Ñusta", "Sofía"}) {
            User user;
            user.name = QString::fromUtf8(name);
            QVERIFY(user.save());
        }
        shown.reset(new InputDialog(&users));
    }
    else
        shown.reset(new PinSettingsDialog);
    shown->setAttribute(Qt::WA_DeleteOnClose, false);
    if (auto* admin = qobject_cast<AdmWindow*>(shown.get()))
        admin->setLanguage(&language);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));

    const QSize room(1024, 600 - 40);
    const auto fits = [&](const QSize& size) { return size.boundedTo(room) == size; };
    QVERIFY2(fits(shown->frameGeometry().size()),
             qPrintable(QStringLiteral("%1 x %2").arg(shown->frameGeometry().width()).arg(shown->frameGeometry().height())));
    QVERIFY2(fits(shown->minimumSizeHint()) && fits(shown->minimumSize()),
             qPrintable(QStringLiteral("at least %1 x %2").arg(shown->minimumSizeHint().width()).arg(shown->minimumSizeHint().height())));
    // Every button can be reached.
    const QList<QAbstractButton*> buttons = shown->findChildren<QAbstractButton*>();
    QVERIFY(!buttons.isEmpty());
    for (QAbstractButton* button : buttons) {
        if (!button->isVisibleTo(shown.get()) || qobject_cast<QDialog*>(button->window()) != shown.get())
            continue;
        const QRect where(button->mapTo(shown.get(), QPoint(0, 0)), button->size());
        QVERIFY2(shown->rect().contains(where),
                 qPrintable(button->objectName() + button->text()));
    }
}

QTEST_MAIN(TestAdultPin)
#include "tst_adultpin.moc"
