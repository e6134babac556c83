#include "answerlog.h"
#include "inputdialog.h"
#include "messageboxanswerer.h"
#include "testhome.h"
#include "userpictures.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

namespace {
int userId(const QString& name)
{
    User user;
    return user.loadByName(name) ? user.id : 0;
}

int settingsRows(int id)
{
    QSqlQuery query;
    query.exec(QStringLiteral("SELECT COUNT(*) FROM config WHERE id_user = %1").arg(id));
    return query.next() ? query.value(0).toInt() : -1;
}

QStringList entries(const InputDialog& dialog)
{
    QStringList names;
    for (int i = 0; i < dialog.userBox->count(); ++i)
        names << dialog.userBox->itemText(i);
    return names;
}

// Highlights an entry the way the open list does when the pointer moves on it.
void highlight(InputDialog& dialog, const QString& name)
{
    const int index = dialog.userBox->findText(name);
    QVERIFY(index >= 0);
    QAbstractItemView* view = dialog.userBox->view();
    view->setCurrentIndex(view->model()->index(index, 0));
    QCOMPARE(dialog.nameField->text(), name);
}

void typeName(InputDialog& dialog, const QString& name)
{
    dialog.nameField->clear();
    for (QChar character : name) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(dialog.nameField, &press);
    }
}

} // namespace

class TestInputDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void shouldListUsersByNameWithButtonsOff();
    void shouldEnableButtonsByHighlightAndTyping();
    void shouldAddUsers_data();
    void shouldAddUsers();
    void shouldLogInTheUserTheDialogShows_data();
    void shouldLogInTheUserTheDialogShows();
    void shouldLogInWithTwoEmissionsOfOneUser();
    void shouldLogInByPicture_data();
    void shouldLogInByPicture();
    void shouldGiveEachNewUserItsOwnPicture();
    void shouldRefuseToCloseWithoutUserButDismissWithEscape();
    void shouldDeleteHighlightedUserAfterConfirmation_data();
    void shouldDeleteHighlightedUserAfterConfirmation();
    void shouldDeleteHighlightedRatherThanChosenUser_data();
    void shouldDeleteHighlightedRatherThanChosenUser();

private:
    TestHome* home = nullptr;
    UserList users;
};

void TestInputDialog::init()
{
    home = new TestHome;
    QVERIFY(home->isValid());
    QVERIFY(TestHome::exec(QStringLiteral(
        "INSERT INTO user (name, last_login, created_in) VALUES "
        "('Zoe', '2024-01-01 10:00:00', '2024-01-01 10:00:00'), "
        "('Ana', '2024-01-01 10:00:00', '2024-01-01 10:00:00'), "
        "('Luis', '2024-01-01 10:00:00', '2024-01-01 10:00:00')")));
}

void TestInputDialog::cleanup()
{
    delete home;
    home = nullptr;
}

void TestInputDialog::shouldListUsersByNameWithButtonsOff()
{
    InputDialog dialog(&users);
    QCOMPARE(entries(dialog), QStringList({"Ana", "Luis", "Zoe"}));
    QCOMPARE(dialog.userBox->itemData(2).toInt(), userId(QStringLiteral("Zoe")));
    QVERIFY(!dialog.addButton->isEnabled());
    QVERIFY(!dialog.deleteButton->isEnabled());
    QVERIFY(!dialog.loginButton->isEnabled());
    QVERIFY(dialog.isModal());
    QVERIFY(dialog.windowTitle().contains(QStringLiteral("Ondalira")));
    QCOMPARE(dialog.statusBar->currentMessage(), QStringLiteral("Por favor seleccione un usuario."));
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QCOMPARE(dialog.chosenUser(), nullptr);
}

void TestInputDialog::shouldEnableButtonsByHighlightAndTyping()
{
    InputDialog dialog(&users);
    dialog.show();
    typeName(dialog, QStringLiteral("Eva"));
    QVERIFY(dialog.addButton->isEnabled());
    highlight(dialog, QStringLiteral("Luis"));
    QVERIFY(!dialog.addButton->isEnabled());
    QVERIFY(dialog.loginButton->isEnabled());
    QVERIFY(dialog.deleteButton->isEnabled());
    QTest::keyClick(dialog.nameField, Qt::Key_X);
    QVERIFY(dialog.addButton->isEnabled());
    QVERIFY(!dialog.loginButton->isEnabled());
    QVERIFY(!dialog.deleteButton->isEnabled());
    // Programmatic changes are not typing.
    highlight(dialog, QStringLiteral("Ana"));
    QVERIFY(!dialog.addButton->isEnabled());
}

void TestInputDialog::shouldAddUsers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("listed");
    const QStringList three{"Ana", "Luis", "Zoe"};
    const QString start = QStringLiteral("Por favor seleccione un usuario.");
    QTest::newRow("new name, in order") << "Bea" << "El usuario Bea ha sido agregado al sistema."
                                        << QStringList{"Ana", "Bea", "Luis", "Zoe"};
    QTest::newRow("existing name") << "Luis" << "El usuario Luis ya existe en el sistema." << three;
    QTest::newRow("blanks around a name") << "  Ana " << "El usuario Ana ya existe en el sistema." << three;
    QTest::newRow("only blanks") << "   " << start << three;
    QTest::newRow("accented name, Spanish order") << "Íñigo" << "El usuario Íñigo ha sido agregado al sistema."
                                                  << QStringList{"Ana", "Íñigo", "Luis", "Zoe"};
    QTest::newRow("same name in small letters") << "ana" << "El usuario ana ya existe en el sistema." << three;
    QTest::newRow("Ñ after N") << "Ñusta" << "El usuario Ñusta ha sido agregado al sistema."
                               << QStringList{"Ana", "Luis", "Ñusta", "Zoe"};
    const QString longName = QStringLiteral("María de los Ángeles Fernández Castañeda");
    QTest::newRow("long name") << longName << "El usuario " + longName + " ha sido agregado al sistema."
                               << QStringList{"Ana", "Luis", longName, "Zoe"};
}

void TestInputDialog::shouldAddUsers()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QStringList, listed);
    InputDialog dialog(&users);
    dialog.show();
    typeName(dialog, typed);
    QTest::mouseClick(dialog.addButton, Qt::LeftButton);
    QCOMPARE(dialog.statusBar->currentMessage(), message);
    QCOMPARE(entries(dialog), listed);
    QVERIFY(!dialog.addButton->isEnabled());
    QCOMPARE(dialog.chosenUser(), nullptr);
    // The whole status line shows.
    QTRY_VERIFY(dialog.statusBar->width() > dialog.statusBar->fontMetrics().horizontalAdvance(message));
    // A new user is the selected one, ready to log in.
    const bool added = message.contains(QLatin1String("agregado"));
    QCOMPARE(dialog.loginButton->isEnabled(), added);
    QCOMPARE(dialog.nameField->text(), added ? typed.trimmed() : QString());
    if (added) {
        QCOMPARE(dialog.userBox->currentText(), typed.trimmed());
        QSignalSpy chosen(&dialog, &InputDialog::chooseUser);
        QTest::mouseClick(dialog.loginButton, Qt::LeftButton);
        QVERIFY(!chosen.isEmpty());
        QCOMPARE(chosen.first().first().value<User*>()->name, typed.trimmed());
        dialog.show();
    }

    // A second try with the same name never stores it twice.
    typeName(dialog, typed);
    QTest::mouseClick(dialog.addButton, Qt::LeftButton);
    QCOMPARE(entries(dialog), listed);
}

void TestInputDialog::shouldLogInTheUserTheDialogShows_data()
{
    QTest::addColumn<QStringList>("steps"); // "highlight NAME", "login", "show", "list"
    QTest::addColumn<QString>("loggedIn");
    QTest::newRow("list closed on a highlighted entry") << QStringList{"highlight Zoe", "login"} << "Zoe";
    QTest::newRow("highlighted back and forth")
        << QStringList{"highlight Zoe", "highlight Luis", "login"} << "Luis";
    QTest::newRow("shown again, another child highlighted")
        << QStringList{"highlight Ana", "login", "show", "highlight Zoe", "login"} << "Zoe";
    QTest::newRow("shown again with a fresh list")
        << QStringList{"highlight Zoe", "login", "list", "show", "highlight Luis", "login"} << "Luis";
}

void TestInputDialog::shouldLogInTheUserTheDialogShows()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, loggedIn);
    InputDialog dialog(&users);
    QSignalSpy chosen(&dialog, &InputDialog::chooseUser);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (const QString& step : std::as_const(steps)) {
        if (step.startsWith(QLatin1String("highlight ")))
            highlight(dialog, step.section(QLatin1Char(' '), 1));
        else if (step == QLatin1String("login"))
            dialog.loginButton->click();
        else if (step == QLatin1String("show"))
            dialog.show();
        else if (step == QLatin1String("list"))
            dialog.setUsers(&users);
        // Whenever "Ingresar" can be clicked, the field and the list agree.
        if (dialog.loginButton->isEnabled())
            QCOMPARE(dialog.nameField->text(), dialog.userBox->currentText());
    }
    QVERIFY(!chosen.isEmpty());
    QCOMPARE(chosen.last().at(0).value<User*>()->name, loggedIn);
}

void TestInputDialog::shouldLogInWithTwoEmissionsOfOneUser()
{
    InputDialog dialog(&users);
    QSignalSpy chosen(&dialog, &InputDialog::chooseUser);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    highlight(dialog, QStringLiteral("Luis"));
    dialog.userBox->setCurrentIndex(dialog.userBox->findText(QStringLiteral("Luis")));
    QTest::mouseClick(dialog.loginButton, Qt::LeftButton);
    QCOMPARE(chosen.count(), 2);
    auto* first = chosen.at(0).at(0).value<User*>();
    QCOMPARE(first, chosen.at(1).at(0).value<User*>());
    QCOMPARE(first->id, userId(QStringLiteral("Luis")));
    QCOMPARE(first->name, QStringLiteral("Luis"));
    QVERIFY(!dialog.isVisible());

    // Showing it again for another choice forgets the previous one.
    dialog.setUsers(&users);
    QCOMPARE(dialog.chosenUser(), nullptr);
}

void TestInputDialog::shouldLogInByPicture_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::newRow("first") << "Ana";
    QTest::newRow("last") << "Zoe";
    QTest::newRow("another than the one highlighted") << "Luis";
}

void TestInputDialog::shouldLogInByPicture()
{
    QFETCH(QString, clicked);
    InputDialog dialog(&users);
    dialog.show();
    highlight(dialog, QStringLiteral("Zoe"));
    if (clicked == QLatin1String("Zoe"))
        highlight(dialog, QStringLiteral("Ana"));
    // Large pictures with the names under them, in Spanish order.
    const QList<QToolButton*> pictures = dialog.pictureGrid->findChildren<QToolButton*>(QStringLiteral("userPicture"));
    QStringList names;
    QToolButton* target = nullptr;
    for (QToolButton* picture : pictures) {
        names << picture->text();
        QVERIFY(picture->iconSize().height() >= 96);
        if (picture->text() == clicked)
            target = picture;
    }
    QCOMPARE(names, QStringList({"Ana", "Luis", "Zoe"}));
    // A drawn prompt above them says what to do.
    QVERIFY(dialog.pictureHint->isVisible());
    QVERIFY(dialog.pictureHint->y() < pictures.first()->mapTo(&dialog, QPoint()).y());
    QSignalSpy chosen(&dialog, &InputDialog::chooseUser);
    QTest::mouseClick(target, Qt::LeftButton);
    QVERIFY(!chosen.isEmpty());
    QCOMPARE(chosen.first().first().value<User*>()->name, clicked);
    QCOMPARE(dialog.chosenUser()->id, userId(clicked));
    QVERIFY(!dialog.isVisible());
}

void TestInputDialog::shouldGiveEachNewUserItsOwnPicture()
{
    InputDialog dialog(&users);
    dialog.show();
    QStringList given;
    for (const QString& name : {QStringLiteral("Bea"), QStringLiteral("Eva")}) {
        const QString offered = dialog.newPicture();
        QVERIFY(!offered.isEmpty());
        QVERIFY(!given.contains(offered));
        typeName(dialog, name);
        QTest::mouseClick(dialog.addButton, Qt::LeftButton);
        User user;
        QVERIFY(user.loadByName(name));
        QCOMPARE(user.picture, offered);
        given << offered;
    }
    QCOMPARE(given, QStringList({"usuarios/perro.png", "usuarios/gato.png"}));
    // An adult's choice of another drawing is kept.
    dialog.setNewPicture(QStringLiteral("usuarios/tren.png"));
    typeName(dialog, QStringLiteral("Iker"));
    QTest::mouseClick(dialog.addButton, Qt::LeftButton);
    User iker;
    QVERIFY(iker.loadByName(QStringLiteral("Iker")));
    QCOMPARE(iker.picture, QStringLiteral("usuarios/tren.png"));
    QCOMPARE(dialog.pictureGrid->findChildren<QToolButton*>(QStringLiteral("userPicture")).size(), 6);
    // Once every drawing is taken, the least used come round again.
    QStringList all;
    for (const UserPictures::Drawing& drawing : UserPictures::drawings())
        all << UserPictures::drawingPicture(drawing.name);
    QCOMPARE(UserPictures::nextFree(all + QStringList{all.first()}), all.at(1));
}

void TestInputDialog::shouldRefuseToCloseWithoutUserButDismissWithEscape()
{
    InputDialog dialog(&users);
    QSignalSpy chosen(&dialog, &InputDialog::chooseUser);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    {
        MessageBoxAnswerer answerer;
        QVERIFY(!dialog.close());
        QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Ingrese todos los datos")});
        QVERIFY(answerer.boxes[0].text.contains(QStringLiteral("seleccionar")));
    }
    QVERIFY(dialog.isVisible());
    QCOMPARE(chosen.count(), 0);
    // Escape dismisses it all the same, choosing nobody.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(chosen.count(), 0);
}

void TestInputDialog::shouldDeleteHighlightedUserAfterConfirmation_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("withRecord");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<int>("recordLeft");
    QTest::newRow("yes") << QStringList{"&Sí"} << false << QStringList{"Ana", "Zoe"} << 0;
    QTest::newRow("no") << QStringList{"&No"} << false << QStringList{"Ana", "Luis", "Zoe"} << 0;
    QTest::newRow("yes, keeping the record")
        << QStringList{"&Sí", "&No"} << true << QStringList{"Ana", "Zoe"} << 1;
    QTest::newRow("yes, with the record")
        << QStringList{"&Sí", "&Sí"} << true << QStringList{"Ana", "Zoe"} << 0;
    QTest::newRow("no, with a record") << QStringList{"&No"} << true << QStringList{"Ana", "Luis", "Zoe"} << 1;
}

void TestInputDialog::shouldDeleteHighlightedUserAfterConfirmation()
{
    QFETCH(QStringList, answers);
    QFETCH(bool, withRecord);
    QFETCH(QStringList, listed);
    QFETCH(int, recordLeft);
    const int luis = userId(QStringLiteral("Luis"));
    const int ana = userId(QStringLiteral("Ana"));
    QVERIFY(TestHome::addSetting(QStringLiteral("stop-motion"), 1, luis, 1));
    QVERIFY(TestHome::addSetting(QStringLiteral("stop-motion"), 1, ana, 1));
    if (withRecord) {
        Answer answer;
        answer.userId = luis;
        answer.languageId = 1;
        answer.activity = 21;
        answer.expected = answer.typed = QStringLiteral("A");
        answer.answeredAt = QDateTime::currentDateTime();
        QVERIFY(AnswerLog::insert({answer}));
    }

    InputDialog dialog(&users);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    highlight(dialog, QStringLiteral("Luis"));
    MessageBoxAnswerer answerer(answers);
    QTest::mouseClick(dialog.deleteButton, Qt::LeftButton);
    QCOMPARE(answerer.boxes.size(), answers.size());
    QVERIFY(answerer.boxes[0].text.contains(QStringLiteral("Luis")));
    QCOMPARE(entries(dialog), listed);
    QCOMPARE(AnswerLog::countOf(luis), recordLeft);
    const bool removed = answers.first() == QStringLiteral("&Sí");
    QCOMPARE(userId(QStringLiteral("Luis")) == 0, removed);
    QCOMPARE(settingsRows(luis), removed ? 0 : 1);
    QCOMPARE(settingsRows(ana), 1);
    if (removed) {
        QCOMPARE(dialog.statusBar->currentMessage(),
                 QStringLiteral("El usuario Luis ha sido eliminado del sistema."));
    }
    QVERIFY(dialog.nameField->text().isEmpty());
    QVERIFY(!dialog.deleteButton->isEnabled());
    QCOMPARE(dialog.loginButton->isEnabled(), !removed);
}

void TestInputDialog::shouldDeleteHighlightedRatherThanChosenUser_data()
{
    QTest::addColumn<QString>("highlighted");
    QTest::newRow("another user") << "Zoe";
    QTest::newRow("the chosen user") << "Ana";
}

void TestInputDialog::shouldDeleteHighlightedRatherThanChosenUser()
{
    QFETCH(QString, highlighted);
    InputDialog dialog(&users);
    QSignalSpy chosen(&dialog, &InputDialog::chooseUser);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    highlight(dialog, QStringLiteral("Ana"));
    dialog.loginButton->click();
    // Shown again without a new list: Ana is still the chosen user.
    dialog.show();
    highlight(dialog, highlighted);
    {
        MessageBoxAnswerer yes({QStringLiteral("&Sí")});
        dialog.deleteButton->click();
        QCOMPARE(yes.boxes.size(), 1);
    }
    QVERIFY(!entries(dialog).contains(highlighted));
    QCOMPARE(entries(dialog).size(), 2);
    if (highlighted != QLatin1String("Ana")) {
        QVERIFY(dialog.chosenUser());
        QCOMPARE(dialog.chosenUser()->name, QStringLiteral("Ana"));
        return;
    }
    // A removed user is never handed out: closing is refused again.
    QCOMPARE(dialog.chosenUser(), nullptr);
    MessageBoxAnswerer answerer;
    QVERIFY(!dialog.close());
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Ingrese todos los datos")});
    QCOMPARE(chosen.count(), 2);
}

QTEST_MAIN(TestInputDialog)
#include "tst_inputdialog.moc"
