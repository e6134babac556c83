// The window itself: construction, the shell's slots and the way it closes.
#include "mainwindow.h"

#include "abstractactivity.h"
#include "admwindow.h"
#include "configwidget.h"
#include "databaseconnection.h"
#include "helpdialog.h"
#include "imagewidget.h"
#include "inputdialog.h"
#include "keyboardmanager.h"
#include "mediapaths.h"
#include "menuwidget.h"
#include "pindialog.h"
#include "progressdialog.h"
#include "readingcorner.h"
#include "sequencewidget.h"
#include "stage.h"
#include "videoplayer.h"
#include "windowplacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {
constexpr int kWidth = 1024;
constexpr int kHeight = 600;

template <typename W>
W* place(W* widget, const char* name, const QRect& geometry, bool visible)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    widget->setVisible(visible);
    return widget;
}
} // namespace

MainWindow::MainWindow(QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
{
    database = new DatabaseConnection(MediaPaths::databasePath(), databaseMessages);
    keyboard = new KeyboardManager(this);
    openDefaultLanguage();

    userDialog = new InputDialog(&userList, nullptr);
    connect(userDialog, &InputDialog::chooseUser, this, &MainWindow::slotChooseUser);
    helpDialog = new HelpDialog(nullptr);
    adminWindow = new AdmWindow(&letterList, &wordList, &categoryList, nullptr);

    buildBackground();
    buildMenus();
    buildScreen();
    buildStage();
    followServer();

    // A fixed window in the middle of the primary screen. (Asking for the
    // maximized state as well would pin it to the corner on some desktops.)
    setWindowTitle(tr("Ondalira"));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(windowPlacement(screen->availableGeometry(), QSize(kWidth, kHeight)));
    slotShowLogo();
    setFixedSize(kWidth, kHeight);
    describeScreen();
}

MainWindow::~MainWindow()
{
    // No activity outlives the screen it draws on.
    if (activity)
        activity->retire();
    activity.reset();
    // The dialogs have no parent; they end with the window.
    delete settingsDialog;
    delete adminWindow;
    delete userDialog;
    delete helpDialog;
    delete database;
}

void MainWindow::buildBackground()
{
    backgroundLabel = place(new QLabel(this), "backgroundLabel", {0, 0, kWidth, kHeight}, true);
    backgroundLabel->setPixmap(QPixmap(systemMediaPath() + QStringLiteral("ui/background.png")));
    backgroundLabel->lower();
    creditsLabel = place(new QLabel(this), "creditsLabel", {0, 0, kWidth, kHeight}, false);
    closeCreditsButton = place(new QPushButton(tr("Cerrar créditos"), this), "closeCreditsButton",
                               {412, 470, 200, 50}, false);
    closeCreditsButton->setFocusPolicy(Qt::NoFocus);
    connect(closeCreditsButton, &QPushButton::clicked, this, &QWidget::close);
}

void MainWindow::buildScreen()
{
    const QString system = systemMediaPath();
    titleLabel = place(new QLabel(this), "titleLabel", {80, 110, 334, 122}, false);
    orientationLabel = place(new QLabel(this), "orientationLabel", {925, 300, 93, 64}, false);
    // Reaches past the window's edges: only its top-left part shows.
    bottomLetterHolder = place(new ImageWidget(this), "bottomLetterHolder", {880, 490, 261, 215}, false);
    pictureHolder = place(new ImageWidget(this), "pictureHolder", {119, 213, 351, 211}, false);

    videoPlayer = place(new VideoPlayer(this), "videoPlayer", {550, 178, 320, 240}, true);
    videoPlayer->setVolume(0);
    videoPlayer->raise();
    videoPlayer->hide();
    soundPlayer = place(new VideoPlayer(this), "soundPlayer", {0, 0, 1, 1}, false);
    soundPlayer->setVolume(0);

    noWordsWarning = place(new QLabel(this), "noWordsWarning", {252, 309, 542, 131}, false);
    noWordsWarning->setPixmap(QPixmap(system + QStringLiteral("ui/advertencia-sin-palabras.png")));
    noRepetitionWarning = place(new QLabel(this), "noRepetitionWarning", {252, 309, 542, 131}, false);
    noRepetitionWarning->setPixmap(
        QPixmap(system + QStringLiteral("ui/advertencia-sin-repeticion.png")));

    handSequence = place(new SequenceWidget(this), "handSequence", {560, 180, 282, 297}, false);
    handSequence->frameInterval = 800;
    handLabel = place(new QLabel(this), "handLabel", {560, 180, 282, 297}, false);
    feedbackLabel = place(new QLabel(this), "feedbackLabel", {880, 450, 100, 140}, false);
    // Empty until an activity gives it frames, so it may stay visible.
    flusSequence = place(new SequenceWidget(this), "flusSequence", {880, 450, 100, 140}, true);
    flusSequence->frameInterval = 800;
    storySequence = place(new SequenceWidget(this), "storySequence", {150, 170, 705, 350}, false);
    storySequence->frameInterval = 6000;

    typedKeyLabel = place(new QLabel(this), "typedKeyLabel", {940, 366, 60, 80}, false);
    typedKeyLabel->setAlignment(Qt::AlignCenter);
    doubleLetterHint = place(new QLabel(this), "doubleLetterHint", {14, 462, 100, 100}, false);
    promptLabel = place(new QLabel(this), "promptLabel", {362, 250, 300, 200}, false);
    promptLabel->setAlignment(Qt::AlignCenter);

    leftArrow = addMenuButton("leftArrow", QStringLiteral("ui/fizq.png"),
                              QStringLiteral("ui/fizqroll.png"), {26, 384, 28, 38}, MenuWidget::Toggle);
    leftArrow->hide();
    connect(leftArrow, &MenuWidget::menuClicked, this, &MainWindow::slotFlechaIzq);
    rightArrow = addMenuButton("rightArrow", QStringLiteral("ui/fder.png"),
                               QStringLiteral("ui/fderroll.png"), {964, 384, 28, 38}, MenuWidget::Toggle);
    rightArrow->hide();
    connect(rightArrow, &MenuWidget::menuClicked, this, &MainWindow::slotFlechaDer);
}

void MainWindow::buildStage()
{
    Stage::Pieces pieces;
    pieces.window = this;
    pieces.picture = pictureHolder;
    pieces.bottomLetter = bottomLetterHolder;
    pieces.video = videoPlayer;
    pieces.sound = soundPlayer;
    pieces.hands = handSequence;
    pieces.hand = handLabel;
    pieces.flus = flusSequence;
    pieces.feedback = feedbackLabel;
    pieces.orientation = orientationLabel;
    pieces.typedKey = typedKeyLabel;
    pieces.doubleLetterHint = doubleLetterHint;
    pieces.prompt = promptLabel;
    pieces.noWords = noWordsWarning;
    pieces.noRepetition = noRepetitionWarning;
    pieces.repeatButton = repeatButton;
    pieces.hideButton = hideButton;
    pieces.letterByLetterButton = letterByLetterButton;
    stage = std::make_unique<Stage>(pieces);
    readingCorner = std::make_unique<ReadingCorner>(storySequence, leftArrow, rightArrow);

    lesson.settings = &settings;
    lesson.letters = &letterList;
    lesson.words = &wordList;
    lesson.keyboard = keyboard;
    lesson.answerLog = &answerLog;
    lesson.language = currentLanguage.get();
    readSettings();
}

MenuWidget* MainWindow::addMenuButton(const char* name, const QString& normal, const QString& rollover,
                                      const QRect& geometry, int clickMode, bool clickable)
{
    const QString system = systemMediaPath();
    auto* button = place(new MenuWidget(system + normal, system + rollover, this), name, geometry, true);
    button->clickable = clickable;
    button->clickMode = clickMode;
    return button;
}

QString MainWindow::systemMediaPath() const
{
    return MediaPaths::systemMediaPath();
}

QString MainWindow::languageUiPath() const
{
    return currentLanguage ? currentLanguage->mediaPath() + QStringLiteral("UI/") : QString();
}

QString MainWindow::languageSignsPath() const
{
    return currentLanguage ? currentLanguage->mediaPath() + QStringLiteral("Senas/") : QString();
}

QString MainWindow::languageFlusPath() const
{
    return currentLanguage ? currentLanguage->mediaPath() + QStringLiteral("Flus/") : QString();
}

QString MainWindow::languageStoriesPath() const
{
    return currentLanguage ? currentLanguage->mediaPath() + QStringLiteral("Cuentos/") : QString();
}

void MainWindow::openDefaultLanguage()
{
    currentLanguage = std::make_unique<Language>();
    if (!currentLanguage->loadById(1))
        currentLanguage.reset();
    lesson.language = currentLanguage.get();
}

void MainWindow::readSettings()
{
    lesson.values = LessonSettings::read(settings, currentLanguage.get(), currentUser.get());
    stage->setSoundVolume(lesson.values.playbackVolume());
    handSequence->setDigraphs(lesson.values.useCh, lesson.values.useLl);
    flusSequence->setDigraphs(lesson.values.useCh, lesson.values.useLl);
}

void MainWindow::setAnswerPause(int ms)
{
    lesson.answerPause = ms;
}

void MainWindow::slotChooseUser(User* user)
{
    if (!user)
        return;
    // The dialog keeps its own record (and emits it twice on a login): keep a copy.
    currentUser = std::make_unique<User>(*user);
    lesson.user = currentUser.get();

    settings.language = currentLanguage.get();
    settings.loadFilters(currentUser->id);
    readSettings();
    handSequence->baseFolder = languageSignsPath();
    flusSequence->baseFolder = languageFlusPath();
    storySequence->baseFolder = languageStoriesPath();

    // The child's settings as the server has them now, should it go away.
    if (ServerLink* link = database->link())
        link->refreshCopy();
    goToFirstActivity();
}

void MainWindow::slotUser()
{
    userDialog->setUsers(&userList);
    userDialog->setVisible(true);
    userDialog->raise();
}

void MainWindow::slotConfig()
{
    if (!currentLanguage || !currentUser || refuseWhileOffline() || !adultAllowed())
        return;
    auto* dialog = new ConfigWidget(currentUser.get(), currentLanguage.get(), &letterList,
                                    &categoryList, &settings, nullptr);
    settingsDialog = dialog;
    // The dialog deletes itself when closed.
    connect(dialog, &QObject::destroyed, this, [this, dialog] {
        if (settingsDialog == dialog)
            settingsDialog = nullptr;
    });
    dialog->setVisible(true);
    connect(dialog, &ConfigWidget::done, this, &MainWindow::slotRestart);
}

void MainWindow::slotRestart()
{
    // Whichever settings dialog finished, even an older one still open.
    if (auto* dialog = qobject_cast<ConfigWidget*>(sender()))
        disconnect(dialog, &ConfigWidget::done, this, &MainWindow::slotRestart);
    readSettings();
    goToFirstActivity();
}

void MainWindow::slotAdministrador()
{
    if (!currentLanguage || !currentUser || refuseWhileOffline() || !adultAllowed())
        return;
    adminWindow->setLanguage(currentLanguage.get());
    adminWindow->setVisible(true);
}

bool MainWindow::adultAllowed()
{
    return PinDialog::allow(this);
}

void MainWindow::slotProgreso()
{
    if (!currentLanguage || !adultAllowed())
        return;
    auto* dialog = new ProgressDialog(currentLanguage->id, currentUser ? currentUser->id : 0,
                                      &answerLog, this);
    if (const ServerLink* link = database->link(); link && !link->isOnline())
        dialog->setOffline(link->serverName(), link->copyTime());
    dialog->setWindowFlag(Qt::Window);
    dialog->show();
}

bool MainWindow::beginExit()
{
    exiting = true;
    if (splashRunning)
        endSplash();
    stopActivity();
    if (!slotAbout())
        return false;
    QTimer::singleShot(creditsTime, this, &QWidget::close);
    return true;
}

void MainWindow::slotExit()
{
    if (exiting) {
        close();
        return;
    }
    if (!beginExit())
        close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The first request shows the credits; the next one, or their end, closes.
    if (!exiting && beginExit()) {
        event->ignore();
        return;
    }
    // Parentless windows left open would keep the program running.
    userDialog->hide();
    helpDialog->hide();
    adminWindow->hide();
    // Every settings dialog, also an older one still open beside a newer.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<ConfigWidget*>(widget))
            dialog->close();
    }
    QMainWindow::closeEvent(event);
}

bool MainWindow::handleShellKey(QKeyEvent* event)
{
    const bool escape = event->key() == Qt::Key_Escape;
    if (splashRunning) {
        if (escape)
            slotHideCredits();
        return true;
    }
    if (exiting) {
        if (escape)
            close();
        return true;
    }
    return false;
}

void MainWindow::followServer()
{
    // A crossed-out cloud in the corner, for the adult; the child plays on.
    offlineIndicator = place(new QLabel(this), "offlineIndicator", {982, 4, 38, 30}, false);
    QPixmap cloud(38, 30);
    cloud.fill(Qt::transparent);
    {
        QPainter painter(&cloud);
        painter.setRenderHint(QPainter::Antialiasing);
        // A light card, so that it shows on the sun and the sky alike.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 215));
        painter.drawRoundedRect(QRectF(0.5, 0.5, 37, 29), 7, 7);
        QPainterPath shape;
        shape.setFillRule(Qt::WindingFill);
        shape.addEllipse(QRectF(5, 12, 13, 12));
        shape.addEllipse(QRectF(12, 6, 14, 14));
        shape.addEllipse(QRectF(20, 12, 13, 12));
        shape.addRect(QRectF(11, 17, 16, 7));
        painter.setPen(QPen(QColor(70, 70, 70), 1.5));
        painter.setBrush(QColor(225, 232, 240));
        painter.drawPath(shape.simplified());
        painter.setPen(QPen(QColor(200, 30, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(7, 26), QPointF(31, 4));
    }
    offlineIndicator->setPixmap(cloud);

    ServerLink* link = database->link();
    if (!database->isOpen() && database->quitChosen())
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!link)
        return;
    offlineIndicator->setToolTip(
        tr("Sin conexión con el servidor %1: este ordenador trabaja con su última copia.")
            .arg(link->serverName()));
    answerLog.useServer(link->uri(), link->outboxPath());
    connect(link, &ServerLink::onlineChanged, this, &MainWindow::showServerState);
    connect(link, &ServerLink::reconnected, this, [this] { answerLog.deliver(); });
    showServerState(link->isOnline());
}

void MainWindow::showServerState(bool online)
{
    const ServerLink* link = database->link();
    offlineIndicator->setVisible(!online);
    offlineIndicator->raise();
    userDialog->setWritesRefused(
        online ? QString()
               : tr("Sin conexión con el servidor %1: no se pueden agregar ni eliminar usuarios "
                    "hasta que vuelva.")
                     .arg(link->serverName()));
    if (online)
        answerLog.deliver();
}

bool MainWindow::refuseWhileOffline()
{
    const ServerLink* link = database->link();
    if (!link || link->isOnline())
        return false;
    QMessageBox box(QMessageBox::Information, tr("Sin conexión con el servidor"),
                    tr("Este ordenador no puede conectar con el servidor %1, así que ahora no se "
                       "puede cambiar nada. Inténtelo de nuevo cuando el servidor responda.")
                        .arg(link->serverName()),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("offlineBox"));
    box.setInformativeText(tr("Los niños pueden seguir aprendiendo: sus respuestas esperan en este "
                              "ordenador y llegarán al servidor."));
    box.exec();
    return true;
}
