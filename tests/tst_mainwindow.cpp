#include "admwindow.h"
#include "configwidget.h"
#include "inputdialog.h"
#include "mainwindow.h"
#include "menuwidget.h"
#include "sequencewidget.h"
#include "testhome.h"
#include "tinyvideo.h"
#include "videoplayer.h"
#include "widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include "windowplacement.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
bool pressShellKey(MainWindow& window, int key)
{
    QKeyEvent event(QEvent::KeyRelease, key, Qt::NoModifier);
    return window.handleShellKey(&event);
}

QString splashPath(const TestHome& home, const char* name)
{
    return home.path() + QStringLiteral("/media/system/ui/") + QLatin1String(name);
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void shouldBeFixedAndCentred();
    void shouldPlaceWithinReach_data();
    void shouldPlaceWithinReach();
    void shouldPlaceDialogWholeOnScreen_data();
    void shouldPlaceDialogWholeOnScreen();
    void shouldRunAndCloseWithoutDefaultLanguage();
    void shouldShowUserDialogAfterSplash_data();
    void shouldShowUserDialogAfterSplash();
    void shouldSkipSplashWithEscapeOnly();
    void shouldShowCreditsThenClose_data();
    void shouldShowCreditsThenClose();
    void shouldEndSplashWhenClosedDuringIt();
    void shouldTakeUserFromDialogLoginAndOfferItAgain();
    void shouldOpenAdministrationOnlyWithUser();
    void shouldQuitWhenClosedOverADialog_data();
    void shouldQuitWhenClosedOverADialog();

private:
    TestHome* home = nullptr;
};

void TestMainWindow::init()
{
    home = new TestHome;
    QVERIFY(home->isValid());
    QCOMPARE(TestHome::addLanguage(QStringLiteral("Español")), 1);
}

void TestMainWindow::cleanup()
{
    delete home;
    home = nullptr;
}

void TestMainWindow::shouldBeFixedAndCentred()
{
    MainWindow window;
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.pos(), windowPlacement(QGuiApplication::primaryScreen()->availableGeometry(), window.size()));
    QVERIFY(window.languageUiPath().endsWith(QStringLiteral("/Español/UI/")));
    QVERIFY(window.systemMediaPath().startsWith(home->path()));
}

void TestMainWindow::shouldPlaceWithinReach_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("large screen: centred") << QRect(0, 0, 1280, 800) << QPoint(128, 100);
    QTest::newRow("beside a panel") << QRect(64, 30, 1216, 770) << QPoint(160, 115);
    QTest::newRow("small screen: top left") << QRect(0, 0, 800, 480) << QPoint(0, 0);
    QTest::newRow("narrow but tall") << QRect(0, 24, 1000, 900) << QPoint(0, 174);
}

void TestMainWindow::shouldPlaceWithinReach()
{
    QFETCH(QRect, available);
    QFETCH(QPoint, place);
    QCOMPARE(windowPlacement(available, QSize(1024, 600)), place);
}

void TestMainWindow::shouldPlaceDialogWholeOnScreen_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("large screen: its usual place") << QRect(0, 0, 1920, 1080) << QPoint(300, 300);
    QTest::newRow("netbook: moved up to fit") << QRect(0, 0, 1024, 600) << QPoint(300, 57);
    QTest::newRow("panel on top: below it") << QRect(0, 80, 1024, 520) << QPoint(300, 80);
    QTest::newRow("smaller than the dialog: top left") << QRect(0, 0, 500, 400) << QPoint(0, 0);
}

void TestMainWindow::shouldPlaceDialogWholeOnScreen()
{
    QFETCH(QRect, available);
    QFETCH(QPoint, place);
    QCOMPARE(placeWithin(available, QPoint(300, 300), QSize(600, 543)), place);
}

void TestMainWindow::shouldRunAndCloseWithoutDefaultLanguage()
{
    QVERIFY(TestHome::exec(QStringLiteral("DELETE FROM language")));
    MainWindow window;
    QVERIFY(window.languageUiPath().isEmpty());
    QVERIFY(window.languageSignsPath().isEmpty());
    QVERIFY(!window.slotAbout());
    // Without a language there are no credits: the window closes at once.
    window.show();
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    QVERIFY(child<QLabel>(&window, "creditsLabel")->isHidden());
}

void TestMainWindow::shouldShowUserDialogAfterSplash_data()
{
    QTest::addColumn<QString>("first");  // "", "broken" or "video"
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("ends");       // finished() of the splash player
    QTest::newRow("both missing") << "" << "" << 0;
    QTest::newRow("both play") << "video" << "video" << 2;
    QTest::newRow("first missing") << "" << "video" << 1;
    QTest::newRow("first broken") << "broken" << "video" << 2;
}

void TestMainWindow::shouldShowUserDialogAfterSplash()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, ends);
    const auto make = [this](const QString& kind, const char* name) {
        const QString path = splashPath(*home, name);
        if (kind == QLatin1String("video"))
            QVERIFY(writeTinyVideo(path, 3, 10));
        else if (kind == QLatin1String("broken"))
            QVERIFY(writeCorruptVideo(path));
    };
    make(first, "splash-institucional.avi");
    make(second, "splash-programa.avi");

    MainWindow window;
    QVERIFY(child<VideoPlayer>(&window, "splashPlayer")->isVisible() || !child<VideoPlayer>(&window, "splashPlayer")->isHidden());
    QSignalSpy finished(child<VideoPlayer>(&window, "splashPlayer"), &VideoPlayer::finished);
    window.show();
    QVERIFY(!topLevel<InputDialog>());
    QTRY_VERIFY_WITH_TIMEOUT(topLevel<InputDialog>(), 8000);
    QVERIFY(child<VideoPlayer>(&window, "splashPlayer")->isHidden());
    QVERIFY(!child<VideoPlayer>(&window, "splashPlayer")->isPlaying());
    QCOMPARE(finished.count(), ends);
}

void TestMainWindow::shouldSkipSplashWithEscapeOnly()
{
    QVERIFY(writeTinyVideo(splashPath(*home, "splash-institucional.avi"), 60, 10));
    QVERIFY(writeTinyVideo(splashPath(*home, "splash-programa.avi"), 60, 10));
    MainWindow window;
    window.show();
    QTRY_VERIFY(child<VideoPlayer>(&window, "splashPlayer")->isPlaying());
    QVERIFY(pressShellKey(window, Qt::Key_A));
    QVERIFY(pressShellKey(window, Qt::Key_Space));
    QVERIFY(!topLevel<InputDialog>());

    QVERIFY(pressShellKey(window, Qt::Key_Escape));
    QVERIFY(topLevel<InputDialog>());
    QVERIFY(child<VideoPlayer>(&window, "splashPlayer")->isHidden());
    QVERIFY(!child<VideoPlayer>(&window, "splashPlayer")->isPlaying());
    // The second video never starts, and keys now belong to the activities.
    QSignalSpy finished(child<VideoPlayer>(&window, "splashPlayer"), &VideoPlayer::finished);
    QVERIFY(!finished.wait(300));
    QVERIFY(!child<VideoPlayer>(&window, "splashPlayer")->isPlaying());
    QVERIFY(!pressShellKey(window, Qt::Key_A));
    QVERIFY(!pressShellKey(window, Qt::Key_Escape));
}

void TestMainWindow::shouldShowCreditsThenClose_data()
{
    QTest::addColumn<int>("how"); // 0 button, 1 Escape, 2 the credits time ends, 3 close
    QTest::newRow("Cerrar créditos") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("credits time ends") << 2;
    QTest::newRow("closing again") << 3;
    QTest::newRow("Escape after a visit to the stories") << 4;
}

void TestMainWindow::shouldShowCreditsThenClose()
{
    QFETCH(int, how);
    QImage credits(16, 16, QImage::Format_RGB32);
    credits.fill(Qt::yellow);
    QVERIFY(home->touch(QStringLiteral("media/languages/Español/UI/creditos-grande.png")));
    QVERIFY(credits.save(home->path() + QStringLiteral("/media/languages/Español/UI/creditos-grande.png")));
    MainWindow window;
    if (how == 2)
        window.setCreditsTime(50);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (how == 4) {
        window.menu(300);
        window.subMenu(200);
        window.slotLeer1();
    }
    // The first close shows the credits instead, on top of everything else.
    if (how == 2)
        window.slotExit();
    else
        QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QVERIFY(child<QLabel>(&window, "creditsLabel")->isVisible());
    QVERIFY(!child<QLabel>(&window, "creditsLabel")->pixmap().isNull());
    QVERIFY(child<QPushButton>(&window, "closeCreditsButton")->text().contains(QStringLiteral("créditos")));
    QCOMPARE(window.childAt(QPoint(5, 5)), child<QLabel>(&window, "creditsLabel"));
    QCOMPARE(window.childAt(child<QPushButton>(&window, "closeCreditsButton")->geometry().center()), child<QPushButton>(&window, "closeCreditsButton"));
    QVERIFY(pressShellKey(window, Qt::Key_A));
    QVERIFY(window.isVisible());
    if (how == 0)
        QTest::mouseClick(child<QPushButton>(&window, "closeCreditsButton"), Qt::LeftButton);
    else if (how == 1)
        QVERIFY(pressShellKey(window, Qt::Key_Escape));
    else if (how == 4)
        QTest::keyRelease(&window, Qt::Key_Escape);
    else if (how == 2)
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 2000);
    else
        QVERIFY(window.close());
    QVERIFY(!window.isVisible());
}

void TestMainWindow::shouldEndSplashWhenClosedDuringIt()
{
    QVERIFY(writeTinyVideo(splashPath(*home, "splash-institucional.avi"), 3, 10));
    MainWindow window;
    window.show();
    QVERIFY(!window.close());
    QVERIFY(!child<VideoPlayer>(&window, "splashPlayer")->isPlaying());
    QVERIFY(child<QLabel>(&window, "creditsLabel")->isVisible());
    // The user dialog does not come up over the credits.
    QSignalSpy finished(child<VideoPlayer>(&window, "splashPlayer"), &VideoPlayer::finished);
    QVERIFY(!finished.wait(600));
    QVERIFY(!topLevel<InputDialog>());
}

void TestMainWindow::shouldTakeUserFromDialogLoginAndOfferItAgain()
{
    QVERIFY(TestHome::exec(QStringLiteral(
        "INSERT INTO user (id, name, last_login, created_in) VALUES (4, 'Eva', '', '')")));
    MainWindow window;
    window.show();
    QTRY_VERIFY(topLevel<InputDialog>());
    Q_EMIT topLevel<InputDialog>()->userBox->highlighted(0);
    topLevel<InputDialog>()->loginButton->click();
    QVERIFY(!topLevel<InputDialog>());
    // Offered again, the dialog lists new users and has nobody chosen yet.
    QVERIFY(TestHome::exec(QStringLiteral(
        "INSERT INTO user (id, name, last_login, created_in) VALUES (5, 'Bea', '', '')")));
    window.slotUser();
    QVERIFY(topLevel<InputDialog>());
    QCOMPARE(topLevel<InputDialog>()->chosenUser(), nullptr);
    QCOMPARE(topLevel<InputDialog>()->userBox->count(), 2);
}

void TestMainWindow::shouldOpenAdministrationOnlyWithUser()
{
    MainWindow window;
    window.slotConfig();
    window.slotAdministrador();
    QVERIFY(!topLevel<ConfigWidget>());
    QVERIFY(!topLevel<AdmWindow>());
    User user;
    user.id = 3;
    window.slotChooseUser(&user);
    window.slotAdministrador();
    QVERIFY(topLevel<AdmWindow>());
    topLevel<AdmWindow>()->hide();
}

void TestMainWindow::shouldQuitWhenClosedOverADialog_data()
{
    QTest::addColumn<QStringList>("items"); // of the file menu, each opening a window
    QTest::newRow("settings") << QStringList{"configButton"};
    QTest::newRow("settings twice") << QStringList{"configButton", "configButton"};
    QTest::newRow("administrator") << QStringList{"adminButton"};
    QTest::newRow("administrator and settings") << QStringList{"adminButton", "configButton"};
}

void TestMainWindow::shouldQuitWhenClosedOverADialog()
{
    QFETCH(QStringList, items);
    MainWindow window;
    User user;
    user.id = 3;
    window.slotChooseUser(&user);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const QString& item : items) {
        QTest::mouseClick(window.findChild<MenuWidget*>(QStringLiteral("fileButton")), Qt::LeftButton);
        QTest::mouseClick(window.findChild<MenuWidget*>(item), Qt::LeftButton);
    }
    QList<QPointer<QWidget>> opened;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget != &window && widget->isVisible())
            opened << widget;
    }
    QCOMPARE(opened.size(), items.size());

    // The first close shows the credits, the second ends the program.
    QTimer::singleShot(0, &window, [&window] {
        window.close();
        window.close();
    });
    QTimer stuck;
    stuck.setSingleShot(true);
    connect(&stuck, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    stuck.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window.isVisible());
    for (const QPointer<QWidget>& widget : opened)
        QVERIFY(!widget || !widget->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
