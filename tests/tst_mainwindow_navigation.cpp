#include "admwindow.h"
#include "configwidget.h"
#include "helpdialog.h"
#include "inputdialog.h"
#include "mainwindow.h"
#include "menuwidget.h"
#include "widgets.h"
#include "windowfixture.h"

#include <QImage>
#include <QLabel>
#include <QTest>

namespace {
// Every picture the menus switch between, each in a colour of its own, so
// that a test can tell which one a label shows.
const char* const kPictures[] = {
    "ui/background.png", "ui/backgroundleer.png",
    "menus/letras.png", "menus/letrasroll.png", "menus/letras_leer.png",
    "menus/leerescribir.png", "menus/leerescribirroll.png", "menus/leerescribir_leer.png",
    "menus/submenu1.png", "menus/submenu2.png", "menus/submenu3.png",
    "menus/subsubmenu1.png", "menus/subsubmenu2.png",
    "menus/senas.png", "menus/senasroll.png", "menus/labial.png", "menus/labialroll.png",
    "menus/dactilologico.png", "menus/dactilologicoroll.png",
    "menus/leer.png", "menus/leerroll.png", "menus/escribir.png", "menus/escribirroll.png",
    "menus/tepresentosenas.png", "menus/comoempiezasenas.png",
    "menus/digoletraslabial.png", "menus/comoempiezalabial.png",
    "menus/presentodactilologico.png", "menus/letradactilologico.png",
    "menus/escribir1.png", "menus/escribir2.png", "menus/tepresentosenasroll.png",
    "menus/archivo.png", "menus/archivoroll.png", "menus/leer1.png",
    "titulos/te presento palabras.png", "titulos/como empieza esta palabra.png", "titulos/te digo las letras.png",
    "titulos/como comienza esta palabra labial.png", "titulos/te presento las letras.png",
    "titulos/que letra es.png", "titulos/escribir1.png", "titulos/escribir2.png",
};

bool isShown(MainWindow& window, const QString& name)
{
    if (name == QLatin1String("userDialog"))
        return topLevel<InputDialog>();
    if (name == QLatin1String("helpDialog"))
        return topLevel<HelpDialog>();
    if (name == QLatin1String("adminWindow"))
        return topLevel<AdmWindow>();
    if (name == QLatin1String("settingsDialog"))
        return topLevel<ConfigWidget>();
    auto* widget = window.findChild<QWidget*>(name);
    return widget && widget->isVisible();
}
} // namespace

class TestMainWindowNavigation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldNavigate_data();
    void shouldNavigate();
    void shouldGreyAndRefuseDisabledLipReading_data();
    void shouldGreyAndRefuseDisabledLipReading();
    void shouldBringUserDialogBackWithoutUser();
};

void TestMainWindowNavigation::shouldNavigate_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("labial");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<QStringList>("pictures"); // "widget=picture"
    QTest::addColumn<QStringList>("latched");
    QTest::addColumn<QStringList>("unlatched");

    const QStringList activityButtons{"repeatButton", "hideButton", "letterByLetterButton"};
    const QStringList subSubMenus{"subSubMenuButton1", "subSubMenuButton2"};
    const QStringList storyList{"storiesHeader", "storyButton1", "storyButton2", "storyButton3",
                                "fablesHeader", "storyButton4", "storyButton5"};
    const QStringList fileItems{"userButton", "configButton", "adminButton", "progressButton", "exitButton"};
    const QString letters = QStringLiteral("lettersButton");
    const QString readWrite = QStringLiteral("readWriteButton");

    // The entries that lead to the first activity look chosen.
    QTest::newRow("first activity after choosing a user")
        << QStringList{} << false
        << activityButtons + QStringList{letters, readWrite, "subMenuButton1", "fileButton", "helpButton"}
        << subSubMenus + fileItems + QStringList{"leftArrow", "storiesHeader"}
        << QStringList{"subMenuButton1=menus/senasroll.png", "backgroundLabel=ui/background.png",
                       "lettersButton=menus/letrasroll.png", "titleLabel=titulos/te presento palabras.png"}
        << QStringList{letters, "subMenuButton1", "subSubMenuButton1"} << QStringList{readWrite};
    QTest::newRow("letters menu")
        << QStringList{letters} << false
        << QStringList{"subMenuButton1", "subMenuButton2", "subMenuButton3"}
        << subSubMenus + activityButtons
        << QStringList{"subMenuButton1=menus/senas.png", "subMenuButton3=menus/dactilologico.png",
                       "lettersButton=menus/letrasroll.png"}
        << QStringList{letters} << QStringList{readWrite};
    QTest::newRow("signs sub-menu")
        << QStringList{letters, "subMenuButton1"} << false
        << subSubMenus << activityButtons
        << QStringList{"subSubMenuButton1=menus/tepresentosenas.png",
                       "subSubMenuButton2=menus/comoempiezasenas.png",
                       "subMenuButton1=menus/senasroll.png", "lettersButton=menus/letrasroll.png"}
        << QStringList{letters, "subMenuButton1"}
        << QStringList{"subMenuButton2", "subMenuButton3", "subSubMenuButton1"};
    QTest::newRow("signs presentation")
        << QStringList{letters, "subMenuButton1", "subSubMenuButton1"} << false
        << activityButtons << subSubMenus << QStringList{"titleLabel=titulos/te presento palabras.png"}
        << QStringList{"subSubMenuButton1"} << QStringList{"subSubMenuButton2"};
    QTest::newRow("signs exercise")
        << QStringList{letters, "subMenuButton1", "subSubMenuButton2"} << false
        << QStringList{"repeatButton"} << subSubMenus + QStringList{"hideButton", "letterByLetterButton"}
        << QStringList{"titleLabel=titulos/como empieza esta palabra.png"} << QStringList{"subSubMenuButton2"} << QStringList{"subSubMenuButton1"};
    QTest::newRow("lip reading switched off")
        << QStringList{letters, "subMenuButton2"} << false
        << QStringList{"subMenuButton2"} << subSubMenus
        << QStringList{} << QStringList{} << QStringList{"subMenuButton2"};
    QTest::newRow("lip reading sub-menu")
        << QStringList{letters, "subMenuButton2"} << true
        << subSubMenus << activityButtons
        << QStringList{"subSubMenuButton1=menus/digoletraslabial.png",
                       "subSubMenuButton2=menus/comoempiezalabial.png"}
        << QStringList{"subMenuButton2"} << QStringList{"subMenuButton1"};
    QTest::newRow("lip reading presentation")
        << QStringList{letters, "subMenuButton2", "subSubMenuButton1"} << true
        << activityButtons << subSubMenus << QStringList{"titleLabel=titulos/te digo las letras.png"} << QStringList{} << QStringList{};
    QTest::newRow("lip reading exercise")
        << QStringList{letters, "subMenuButton2", "subSubMenuButton2"} << true
        << QStringList{"repeatButton"} << QStringList{"hideButton"} << QStringList{"titleLabel=titulos/como comienza esta palabra labial.png"} << QStringList{}
        << QStringList{};
    QTest::newRow("fingerspelling sub-menu")
        << QStringList{letters, "subMenuButton3"} << false
        << subSubMenus << QStringList{}
        << QStringList{"subSubMenuButton1=menus/presentodactilologico.png",
                       "subSubMenuButton2=menus/letradactilologico.png"}
        << QStringList{"subMenuButton3"} << QStringList{};
    QTest::newRow("fingerspelling presentation")
        << QStringList{letters, "subMenuButton3", "subSubMenuButton1"} << false
        << activityButtons << subSubMenus << QStringList{"titleLabel=titulos/te presento las letras.png"} << QStringList{} << QStringList{};
    QTest::newRow("fingerspelling exercise")
        << QStringList{letters, "subMenuButton3", "subSubMenuButton2"} << false
        << QStringList{"repeatButton"} << QStringList{"letterByLetterButton"} << QStringList{"titleLabel=titulos/que letra es.png"}
        << QStringList{} << QStringList{};
    // Two entries: nothing stands in the first place that a child could
    // click in vain.
    QTest::newRow("reading and writing menu")
        << QStringList{readWrite} << false
        << QStringList{"subMenuButton2", "subMenuButton3"}
        << subSubMenus + activityButtons + QStringList{"subMenuButton1"}
        << QStringList{"subMenuButton2=menus/leer.png",
                       "subMenuButton3=menus/escribir.png", "readWriteButton=menus/leerescribirroll.png"}
        << QStringList{readWrite} << QStringList{letters};
    QTest::newRow("letters after reading and writing")
        << QStringList{readWrite, letters} << false
        << QStringList{"subMenuButton1", "subMenuButton2", "subMenuButton3"} << subSubMenus
        << QStringList{"subMenuButton1=menus/senas.png"} << QStringList{letters} << QStringList{readWrite};
    QTest::newRow("writing sub-menu")
        << QStringList{readWrite, "subMenuButton3"} << false
        << subSubMenus << QStringList{}
        << QStringList{"subSubMenuButton1=menus/escribir1.png", "subSubMenuButton2=menus/escribir2.png"}
        << QStringList{"subMenuButton3"} << QStringList{};
    QTest::newRow("writing with a letter missing")
        << QStringList{readWrite, "subMenuButton3", "subSubMenuButton1"} << false
        << QStringList{"repeatButton"} << subSubMenus + QStringList{"hideButton"} << QStringList{"titleLabel=titulos/escribir1.png"}
        << QStringList{} << QStringList{};
    QTest::newRow("writing the whole word")
        << QStringList{readWrite, "subMenuButton3", "subSubMenuButton2"} << false
        << QStringList{"repeatButton"} << subSubMenus << QStringList{"titleLabel=titulos/escribir2.png"} << QStringList{} << QStringList{};
    // The page arrows come with a story, not with the list.
    QTest::newRow("stories list")
        << QStringList{readWrite, "subMenuButton2"} << false
        << storyList
        << subSubMenus + QStringList{"titleLabel", "storySequence", "leftArrow", "rightArrow"}
        << QStringList{"backgroundLabel=ui/backgroundleer.png", "lettersButton=menus/letras_leer.png",
                       "readWriteButton=menus/leerescribir_leer.png", "storyButton1=menus/leer1.png"}
        << QStringList{"subMenuButton2"} << QStringList{};
    QTest::newRow("a story opens with its arrows")
        << QStringList{readWrite, "subMenuButton2", storyList.at(1)} << false
        << QStringList{"storySequence", "leftArrow", "rightArrow"} << storyList
        << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("main menu leaves the stories screen")
        << QStringList{readWrite, "subMenuButton2", storyList.at(1), letters} << false
        << QStringList{} << subSubMenus + QStringList{"leftArrow", "rightArrow", "storySequence"}
        << QStringList{"backgroundLabel=ui/background.png", "subMenuButton1=menus/senas.png"}
        << QStringList{} << QStringList{};
    QTest::newRow("leaving a sub-menu hides its activity buttons and title")
        << QStringList{letters, "subMenuButton1", "subSubMenuButton1", "subMenuButton3"} << false
        << subSubMenus << activityButtons + QStringList{"titleLabel"}
        << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("no repeat button over the stories")
        << QStringList{letters, "subMenuButton1", "subSubMenuButton2", readWrite, "subMenuButton2"} << false
        << storyList << activityButtons + QStringList{"titleLabel"}
        << QStringList{} << QStringList{} << QStringList{};
    // The main entries get their pictures back; the latched one stays
    // highlighted.
    QTest::newRow("writing after the stories")
        << QStringList{readWrite, "subMenuButton2", "subMenuButton3"} << false
        << subSubMenus << QStringList{"leftArrow", "rightArrow"}
        << QStringList{"backgroundLabel=ui/background.png", "lettersButton=menus/letras.png",
                       "readWriteButton=menus/leerescribirroll.png"}
        << QStringList{readWrite, "subMenuButton3"} << QStringList{"subMenuButton2"};
    QTest::newRow("file menu opens")
        << QStringList{"fileButton"} << false << fileItems << QStringList{}
        << QStringList{"fileButton=menus/archivoroll.png"} << QStringList{"fileButton"} << QStringList{};
    QTest::newRow("file menu closes")
        << QStringList{"fileButton", "fileButton"} << false << QStringList{}
        << fileItems << QStringList{"fileButton=menus/archivo.png"} << QStringList{}
        << QStringList{"fileButton"};
    QTest::newRow("user item")
        << QStringList{"fileButton", "userButton"} << false
        << QStringList{"userDialog"} << fileItems << QStringList{"fileButton=menus/archivo.png"}
        << QStringList{} << QStringList{"fileButton"};
    QTest::newRow("settings item")
        << QStringList{"fileButton", "configButton"} << false
        << QStringList{"settingsDialog"} << fileItems << QStringList{} << QStringList{} << QStringList{"fileButton"};
    QTest::newRow("administrator item")
        << QStringList{"fileButton", "adminButton"} << false
        << QStringList{"adminWindow"} << fileItems << QStringList{} << QStringList{} << QStringList{"fileButton"};
    QTest::newRow("exit item")
        << QStringList{"fileButton", "exitButton"} << false
        << QStringList{"creditsLabel", "closeCreditsButton", "exitButton"} << QStringList{}
        << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("help")
        << QStringList{"helpButton"} << false << QStringList{"helpDialog"}
        << QStringList{} << QStringList{} << QStringList{} << QStringList{};
}

void TestMainWindowNavigation::shouldNavigate()
{
    QFETCH(QStringList, clicks);
    QFETCH(bool, labial);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);
    QFETCH(QStringList, pictures);
    QFETCH(QStringList, latched);
    QFETCH(QStringList, unlatched);
    WindowFixture f;
    // Something to draw, so that the exercises pose a question instead of the
    // empty-pool warning box.
    f.addWord(QStringLiteral("M"), QStringLiteral("mano"));
    for (const char* picture : kPictures)
        f.picture(f.sysPath() + QLatin1String(picture), 8, 8);
    f.setLanguageSetting(QStringLiteral("use-labial"), labial ? 1 : 0);
    MainWindow& window = *f.start();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    for (const QString& name : clicks) {
        auto* button = window.findChild<MenuWidget*>(name);
        QVERIFY2(button && button->isVisible(), qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    for (const QString& name : shown)
        QVERIFY2(isShown(window, name), qPrintable(name + QStringLiteral(" should show")));
    for (const QString& name : hidden)
        QVERIFY2(!isShown(window, name), qPrintable(name + QStringLiteral(" should be hidden")));
    for (const QString& pair : pictures) {
        const QString name = pair.section(QLatin1Char('='), 0, 0);
        auto* label = window.findChild<QLabel*>(name);
        QVERIFY2(label, qPrintable(name));
        QCOMPARE(name + QLatin1Char('=') + f.shownFile(label).remove(f.sysPath()), pair);
    }
    for (const QString& name : latched)
        QVERIFY2(window.findChild<MenuWidget*>(name)->active, qPrintable(name));
    for (const QString& name : unlatched)
        QVERIFY2(!window.findChild<MenuWidget*>(name)->active, qPrintable(name));
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget != &window)
            widget->hide();
    }
}

void TestMainWindowNavigation::shouldGreyAndRefuseDisabledLipReading_data()
{
    QTest::addColumn<int>("labial");
    QTest::newRow("switched off") << 0;
    QTest::newRow("switched on") << 1;
}

void TestMainWindowNavigation::shouldGreyAndRefuseDisabledLipReading()
{
    QFETCH(int, labial);
    WindowFixture f;
    f.addWord(QStringLiteral("M"), QStringLiteral("mano"));
    for (const char* picture : kPictures)
        f.picture(f.sysPath() + QLatin1String(picture), 8, 8);
    f.setLanguageSetting(QStringLiteral("use-labial"), labial);
    MainWindow& window = *f.start();
    QTest::mouseClick(child<MenuWidget>(&window, "lettersButton"), Qt::LeftButton);
    const QImage entry = child<MenuWidget>(&window, "subMenuButton2")->pixmap().toImage();
    const QRgb pixel = entry.pixel(entry.width() / 2, entry.height() / 2);
    QCOMPARE(qRed(pixel) == qBlue(pixel), labial == 0);
    // No way round it either: not by code, not from the stories' last page.
    window.subMenu(200);
    QCOMPARE(child<MenuWidget>(&window, "subSubMenuButton1")->isVisible(), labial != 0);
}

void TestMainWindowNavigation::shouldBringUserDialogBackWithoutUser()
{
    WindowFixture f;
    f.addWord(QStringLiteral("M"), QStringLiteral("mano"));
    MainWindow& window = *f.startWithoutUser();
    QVERIFY(!topLevel<InputDialog>());
    for (const char* name : {"lettersButton", "subMenuButton1", "subSubMenuButton2"})
        QTest::mouseClick(window.findChild<MenuWidget*>(QLatin1String(name)), Qt::LeftButton);
    QVERIFY(topLevel<InputDialog>());
    QCOMPARE(f.rowFiles(), QStringList());
    QVERIFY(child<QLabel>(&window, "handLabel")->isHidden());
    topLevel<InputDialog>()->hide();
}

QTEST_MAIN(TestMainWindowNavigation)
#include "tst_mainwindow_navigation.moc"
