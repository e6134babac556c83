#include "config.h"
#include "configwidget.h"
#include "contentlists.h"
#include "messageboxanswerer.h"
#include "sounddevice.h"
#include "testhome.h"
#include "widgets.h"
#include "user.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSqlQuery>
#include <QTest>

namespace {
// Rows of one key for the user, as "data" values in row order.
QList<int> stored(const QString& key, int userId)
{
    QList<int> values;
    QSqlQuery query;
    query.prepare(QStringLiteral("SELECT data FROM config WHERE key = ? AND id_user = ? ORDER BY id"));
    query.addBindValue(key);
    query.addBindValue(userId);
    query.exec();
    while (query.next())
        values << query.value(0).toInt();
    return values;
}

QList<Qt::CheckState> checkStates(const QListWidget* list)
{
    QList<Qt::CheckState> states;
    for (int row = 0; row < list->count(); ++row)
        states << list->item(row)->checkState();
    return states;
}

// A language with letters A, B, C (only A has a word) and two categories,
// one of them empty, and a user.
struct Fixture
{
    TestHome home;
    Language language;
    User user;
    LetterList letters;
    CategoryList categories;
    Config settings;
    int a = 0, b = 0, c = 0, animals = 0, empty = 0;

    Fixture()
    {
        language.loadById(TestHome::addLanguage(QStringLiteral("Español")));
        c = TestHome::addLetter(QStringLiteral("C"), language.id);
        a = TestHome::addLetter(QStringLiteral("A"), language.id);
        b = TestHome::addLetter(QStringLiteral("B"), language.id);
        animals = TestHome::addCategory(QStringLiteral("ANIMALES"), language.id);
        empty = TestHome::addCategory(QStringLiteral("VACÍA"), language.id);
        TestHome::link(TestHome::addWord(QStringLiteral("abeja"), a), animals);
        user.name = QStringLiteral("Ana");
        user.save();
        settings.language = &language;
        settings.loadFilters(user.id);
    }

    ConfigWidget* open()
    {
        return new ConfigWidget(&user, &language, &letters, &categories, &settings);
    }
};

} // namespace

class TestConfigWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldShowDefaultsThenStoredSettings();
    void shouldStoreEachControl();
    void shouldStoreNoSwitchRowsWhenOff();
    void shouldCheckAndUncheckOneListOnly();
    void shouldSayWhenThePcHasNoSoundOutput_data();
    void shouldSayWhenThePcHasNoSoundOutput();
    void shouldSkipLetterDeletedAfterOpening();
    void shouldWarnAndStayOpenWhenNothingIsAvailable();
    void shouldCancelWithoutWriting();
    void shouldReportFailedWriteAndStayOpen_data();
    void shouldReportFailedWriteAndStayOpen();
};

void TestConfigWidget::shouldShowDefaultsThenStoredSettings()
{
    Fixture f;
    QPointer<ConfigWidget> dialog = f.open();
    auto* lettersList = child<QListWidget>(dialog, "lettersList");
    QCOMPARE(lettersList->count(), 3);
    QCOMPARE(lettersList->item(0)->text(), QStringLiteral("A"));
    QCOMPARE(lettersList->item(0)->data(Qt::UserRole).toInt(), f.a);
    QVERIFY(lettersList->item(0)->flags() & Qt::ItemIsUserCheckable);
    QCOMPARE(checkStates(lettersList), QList<Qt::CheckState>(3, Qt::Unchecked));
    QCOMPARE(checkStates(child<QListWidget>(dialog, "categoriesList")),
             QList<Qt::CheckState>(2, Qt::Unchecked));
    for (const char* name : {"firstCapsCheck", "stopMotionCheck", "minusCapsCheck", "soundCheck",
                             "listenOnlyCheck"})
        QVERIFY(!child<QCheckBox>(dialog, name)->isChecked());
    // Listening alone and the volume need the sound.
    QVERIFY(!child<QCheckBox>(dialog, "listenOnlyCheck")->isEnabled());
    QVERIFY(!child<QSlider>(dialog, "volumeSlider")->isEnabled());
    QCOMPARE(child<QSlider>(dialog, "volumeSlider")->value(), 80);
    auto* order = child<QComboBox>(dialog, "orderCombo");
    QCOMPARE(order->count(), 6);
    QCOMPARE(order->currentIndex(), 0);
    delete dialog;

    // The user's stored choices show; another user's switch does not.
    TestHome::addSetting(SettingKey::Letter, f.b, f.user.id, f.language.id);
    TestHome::addSetting(SettingKey::Category, f.empty, f.user.id, f.language.id);
    TestHome::addSetting(SettingKey::StopMotion, 1, f.user.id, f.language.id);
    TestHome::addSetting(SettingKey::ShowOrder, 3, f.user.id, f.language.id);
    TestHome::addSetting(SettingKey::FirstCaps, 1, 0, f.language.id);
    TestHome::addSetting(SettingKey::Sound, 1, f.user.id, f.language.id);
    TestHome::addSetting(SettingKey::Volume, 35, 0, f.language.id);
    dialog = f.open();
    QVERIFY(child<QCheckBox>(dialog, "soundCheck")->isChecked());
    QVERIFY(child<QCheckBox>(dialog, "listenOnlyCheck")->isEnabled());
    QCOMPARE(child<QSlider>(dialog, "volumeSlider")->value(), 35);
    QCOMPARE(checkStates(child<QListWidget>(dialog, "lettersList")),
             (QList<Qt::CheckState>{Qt::Unchecked, Qt::Checked, Qt::Unchecked}));
    QCOMPARE(checkStates(child<QListWidget>(dialog, "categoriesList")),
             (QList<Qt::CheckState>{Qt::Unchecked, Qt::Checked}));
    QVERIFY(child<QCheckBox>(dialog, "stopMotionCheck")->isChecked());
    QVERIFY(!child<QCheckBox>(dialog, "firstCapsCheck")->isChecked());
    QCOMPARE(child<QComboBox>(dialog, "orderCombo")->currentIndex(), 3);
    delete dialog;
}

void TestConfigWidget::shouldStoreEachControl()
{
    Fixture f;
    TestHome::addSetting(SettingKey::Letter, f.c, f.user.id, f.language.id); // replaced
    QPointer<ConfigWidget> dialog = f.open();
    dialog->show();
    QSignalSpy done(dialog.data(), &ConfigWidget::done);
    auto* lettersList = child<QListWidget>(dialog, "lettersList");
    lettersList->item(0)->setCheckState(Qt::Checked);
    lettersList->item(2)->setCheckState(Qt::Unchecked);
    child<QListWidget>(dialog, "categoriesList")->item(0)->setCheckState(Qt::Checked);
    child<QCheckBox>(dialog, "firstCapsCheck")->setChecked(true);
    child<QCheckBox>(dialog, "stopMotionCheck")->setChecked(true);
    child<QCheckBox>(dialog, "minusCapsCheck")->setChecked(true);
    child<QComboBox>(dialog, "orderCombo")->setCurrentIndex(4);
    child<QCheckBox>(dialog, "soundCheck")->setChecked(true);
    child<QCheckBox>(dialog, "listenOnlyCheck")->setChecked(true);
    child<QSlider>(dialog, "volumeSlider")->setValue(55);
    child<QPushButton>(dialog, "acceptButton")->click();

    QCOMPARE(done.count(), 1);
    QCOMPARE(stored(SettingKey::Sound, f.user.id), QList<int>{1});
    QCOMPARE(stored(SettingKey::ListenOnly, f.user.id), QList<int>{1});
    QCOMPARE(stored(SettingKey::Volume, 0), QList<int>{55});
    QTRY_VERIFY(dialog.isNull()); // closed and freed
    QCOMPARE(stored(SettingKey::Letter, f.user.id), QList<int>{f.a});
    QCOMPARE(stored(SettingKey::Category, f.user.id), QList<int>{f.animals});
    QCOMPARE(stored(SettingKey::FirstCaps, f.user.id), QList<int>{1});
    QCOMPARE(stored(SettingKey::StopMotion, f.user.id), QList<int>{1});
    QCOMPARE(stored(SettingKey::UseMinusCaps, f.user.id), QList<int>{1});
    QCOMPARE(stored(SettingKey::ShowOrder, f.user.id), QList<int>{4});
    QCOMPARE(f.settings.letterFilter, QString::number(f.a));
    QCOMPARE(f.settings.categoryFilter, QString::number(f.animals));
    QCOMPARE(f.settings.showOrder(f.user.id), QStringLiteral("vwi"));
}

void TestConfigWidget::shouldStoreNoSwitchRowsWhenOff()
{
    Fixture f;
    TestHome::addSetting(SettingKey::FirstCaps, 1, f.user.id, f.language.id);
    TestHome::addSetting(SettingKey::Category, f.animals, f.user.id, f.language.id);
    TestHome::addSetting(SettingKey::Sound, 1, f.user.id, f.language.id);
    TestHome::addSetting(SettingKey::ListenOnly, 1, f.user.id, f.language.id);
    QPointer<ConfigWidget> dialog = f.open();
    dialog->show();
    QVERIFY(child<QCheckBox>(dialog, "listenOnlyCheck")->isChecked());
    // Listening alone goes with the sound, though its box stays ticked.
    child<QCheckBox>(dialog, "soundCheck")->setChecked(false);
    child<QCheckBox>(dialog, "firstCapsCheck")->setChecked(false);
    child<QListWidget>(dialog, "categoriesList")->item(0)->setCheckState(Qt::Unchecked);
    child<QPushButton>(dialog, "acceptButton")->click();
    QTRY_VERIFY(dialog.isNull());
    for (const QString& key : {SettingKey::FirstCaps, SettingKey::StopMotion,
                               SettingKey::UseMinusCaps, SettingKey::Letter, SettingKey::Category,
                               SettingKey::Sound, SettingKey::ListenOnly})
        QVERIFY2(stored(key, f.user.id).isEmpty(), qPrintable(key));
    QCOMPARE(stored(SettingKey::ShowOrder, f.user.id), QList<int>{0});
    QVERIFY(f.settings.letterFilter.isEmpty());
    QVERIFY(f.settings.categoryFilter.isEmpty());
}

void TestConfigWidget::shouldSayWhenThePcHasNoSoundOutput_data()
{
    QTest::addColumn<bool>("device");
    QTest::newRow("sound output") << true;
    QTest::newRow("no sound output") << false;
}

void TestConfigWidget::shouldSayWhenThePcHasNoSoundOutput()
{
    QFETCH(bool, device);
    Fixture f;
    SoundDevice::setCheck([device] { return device; });
    QPointer<ConfigWidget> dialog = f.open();
    dialog->show();
    SoundDevice::setCheck({});
    QCOMPARE(child<QLabel>(dialog, "noSoundLabel")->isVisible(), !device);
    delete dialog;
}

void TestConfigWidget::shouldCheckAndUncheckOneListOnly()
{
    Fixture f;
    TestHome::addSetting(SettingKey::Category, f.animals, f.user.id, f.language.id);
    QPointer<ConfigWidget> dialog = f.open();
    auto* lettersList = child<QListWidget>(dialog, "lettersList");
    auto* categoriesList = child<QListWidget>(dialog, "categoriesList");
    child<QPushButton>(dialog, "checkAllLetters")->click();
    QCOMPARE(checkStates(lettersList), QList<Qt::CheckState>(3, Qt::Checked));
    QCOMPARE(checkStates(categoriesList), (QList<Qt::CheckState>{Qt::Checked, Qt::Unchecked}));
    child<QPushButton>(dialog, "checkAllCategories")->click();
    QCOMPARE(checkStates(categoriesList), QList<Qt::CheckState>(2, Qt::Checked));
    child<QPushButton>(dialog, "uncheckAllCategories")->click();
    QCOMPARE(checkStates(categoriesList), QList<Qt::CheckState>(2, Qt::Unchecked));
    QCOMPARE(checkStates(lettersList), QList<Qt::CheckState>(3, Qt::Checked));
    child<QPushButton>(dialog, "uncheckAllLetters")->click();
    QCOMPARE(checkStates(lettersList), QList<Qt::CheckState>(3, Qt::Unchecked));
    delete dialog;
}

void TestConfigWidget::shouldSkipLetterDeletedAfterOpening()
{
    Fixture f;
    QPointer<ConfigWidget> dialog = f.open();
    dialog->show();
    child<QPushButton>(dialog, "checkAllLetters")->click();
    QVERIFY(TestHome::exec(QStringLiteral("DELETE FROM letter WHERE id = %1").arg(f.b)));
    child<QPushButton>(dialog, "acceptButton")->click();
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(stored(SettingKey::Letter, f.user.id), (QList<int>{f.a, f.c}));
}

void TestConfigWidget::shouldWarnAndStayOpenWhenNothingIsAvailable()
{
    Fixture f;
    QPointer<ConfigWidget> dialog = f.open();
    dialog->show();
    QSignalSpy done(dialog.data(), &ConfigWidget::done);
    child<QListWidget>(dialog, "categoriesList")->item(1)->setCheckState(Qt::Checked); // empty
    {
        MessageBoxAnswerer answerer;
        child<QPushButton>(dialog, "acceptButton")->click();
        QCOMPARE(answerer.boxes.size(), 1);
        QVERIFY(answerer.boxes[0].title.contains(QStringLiteral("disponibles")));
        QVERIFY(answerer.boxes[0].text.contains(QStringLiteral("revise")));
        QCOMPARE(answerer.boxes[0].buttons.size(), 1);
    }
    QVERIFY(!dialog.isNull());
    QVERIFY(dialog->isVisible());
    QCOMPARE(done.count(), 0);
    // The choice is stored all the same.
    QCOMPARE(stored(SettingKey::Category, f.user.id), QList<int>{f.empty});
    QCOMPARE(f.settings.categoryFilter, QString::number(f.empty));

    // Fixing the choice lets the dialog close.
    child<QListWidget>(dialog, "categoriesList")->item(0)->setCheckState(Qt::Checked);
    child<QPushButton>(dialog, "acceptButton")->click();
    QCOMPARE(done.count(), 1);
    QTRY_VERIFY(dialog.isNull());
}

void TestConfigWidget::shouldCancelWithoutWriting()
{
    Fixture f;
    TestHome::addSetting(SettingKey::Letter, f.c, f.user.id, f.language.id);
    QPointer<ConfigWidget> dialog = f.open();
    dialog->show();
    QSignalSpy done(dialog.data(), &ConfigWidget::done);
    child<QPushButton>(dialog, "uncheckAllLetters")->click();
    child<QCheckBox>(dialog, "stopMotionCheck")->setChecked(true);
    child<QPushButton>(dialog, "cancelButton")->click();
    QCOMPARE(done.count(), 1);
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(stored(SettingKey::Letter, f.user.id), QList<int>{f.c});
    QVERIFY(stored(SettingKey::StopMotion, f.user.id).isEmpty());
    QVERIFY(stored(SettingKey::ShowOrder, f.user.id).isEmpty());
}

void TestConfigWidget::shouldReportFailedWriteAndStayOpen_data()
{
    QTest::addColumn<QString>("refused");
    QTest::newRow("clearing the old rows") << "DELETE";
    QTest::newRow("storing a new row") << "INSERT";
}

void TestConfigWidget::shouldReportFailedWriteAndStayOpen()
{
    QFETCH(QString, refused);
    Fixture f;
    TestHome::addSetting(SettingKey::Letter, f.c, f.user.id, f.language.id);
    // A full or read-only database refuses writes the same way.
    QVERIFY(TestHome::exec(QStringLiteral("CREATE TRIGGER refuse BEFORE %1 ON config "
                                          "BEGIN SELECT RAISE(ABORT, 'disk full'); END")
                               .arg(refused)));
    QPointer<ConfigWidget> dialog = f.open();
    dialog->show();
    QSignalSpy done(dialog.data(), &ConfigWidget::done);
    child<QPushButton>(dialog, "checkAllLetters")->click();
    child<QCheckBox>(dialog, "stopMotionCheck")->setChecked(true);
    MessageBoxAnswerer answerer;
    child<QPushButton>(dialog, "acceptButton")->click();
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("No se guardó la configuración")});
    QVERIFY(dialog->isVisible());
    QCOMPARE(done.count(), 0);
    QCOMPARE(checkStates(child<QListWidget>(dialog, "lettersList")),
             QList<Qt::CheckState>(3, Qt::Checked));
    QVERIFY(child<QCheckBox>(dialog, "stopMotionCheck")->isChecked());
    // The old settings are still whole, and still in force.
    QCOMPARE(stored(SettingKey::Letter, f.user.id), QList<int>{f.c});
    QVERIFY(stored(SettingKey::StopMotion, f.user.id).isEmpty());
    QCOMPARE(f.settings.letterFilter, QString::number(f.c));
    delete dialog;
}

QTEST_MAIN(TestConfigWidget)
#include "tst_configwidget.moc"
