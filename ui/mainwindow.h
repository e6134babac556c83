#pragma once

#include "answerlog.h"
#include "config.h"
#include "contentlists.h"
#include "databasemessages.h"
#include "keyrepeatfilter.h"
#include "lessoncontext.h"
#include "randomint.h"
#include "user.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <memory>

class AbstractActivity;
class AdmWindow;
class ConfigWidget;
class DatabaseConnection;
class HelpDialog;
class ImageWidget;
class InputDialog;
class KeyboardManager;
class MenuWidget;
class QLabel;
class QPushButton;
class ReadingCorner;
class SequenceWidget;
class Stage;
class VideoPlayer;

// The program's one window, the shell around the activities: the screen
// with its widgets created once at fixed places, the menus that lead to the
// activities, the start-up videos and the credits, the child bound to the
// session, and the keys, which it hands to the activity on screen. Each
// activity is an object of its own (ActivityRegistry), drawing on the screen
// through the Stage.
//
// The implementation is split by concern:
//   ui/mainwindow.cpp                 construction, the child, the adults' entries, exit
//   ui/mainwindow_navigation.cpp      menus, sub-menus, starting and stopping activities
//   ui/mainwindow_keys.cpp            keys handed to the activity
//   ui/mainwindow_splash.cpp          start-up videos, credits, help
//   ui/mainwindow_accessibility.cpp   names of the screen's pictures
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~MainWindow() override;

    QString systemMediaPath() const;
    QString languageUiPath() const;
    QString languageSignsPath() const;
    QString languageFlusPath() const;
    QString languageStoriesPath() const;

    // Navigation (menu tree).
    void menu(int code);
    void subMenu(int code);
    void subSubMenu(int code);
    void goToFirstActivity();

    // Starts the selected activity afresh; stops the one on screen and
    // clears what it showed.
    void startActivity();
    void stopActivity();

    // The shell's keys, handled before any activity sees them: Escape skips
    // the start-up videos or ends the credits, and no other key does anything
    // while either shows. True when the key was taken.
    bool handleShellKey(QKeyEvent* event);

    // The adults' entries open only past the PIN, when one is set.
    bool adultAllowed();

    // Waits the program takes, shorter in tests: an answer without its
    // video, and the credits on exit.
    void setAnswerPause(int ms);
    void setCreditsTime(int ms) { creditsTime = ms; }

public Q_SLOTS:
    // Shell.
    void openDefaultLanguage();
    void slotChooseUser(User* user);
    void slotUser();
    void slotConfig();
    void slotRestart();
    void slotAdministrador();
    void slotProgreso();
    void slotShowHelp();
    void slotExit();

    // Menus.
    void slotMenu1();
    void slotMenu3();
    void slotSubMenu1();
    void slotSubMenu2();
    void slotSubMenu3();
    void slotSubSubMenu1();
    void slotSubSubMenu2();
    void slotMenuArchivo();
    void slotHideMenuArchivo();
    void slotRepeatWord();
    void slotToggleWord();

    // Start-up videos, credits.
    void slotShowLogo();
    void slotShowCredits();
    void slotHideCredits();
    bool slotAbout();

    // Stories.
    void slotLeer1();
    void slotLeer2();
    void slotLeer3();
    void slotLeer4();
    void slotLeer5();
    void slotFlechaIzq();
    void slotFlechaDer();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildBackground();
    void buildScreen();
    void buildMenus();
    void buildStage();
    void describeScreen();
    MenuWidget* addMenuButton(const char* name, const QString& normal, const QString& rollover,
                              const QRect& geometry, int clickMode, bool clickable = true);
    bool beginExit();
    void playSplashVideo(const QString& name, void (MainWindow::*next)());
    void endSplash();
    void updateSubMenus();
    void showSubMenu();
    void updateBackground(int subMenuCode);
    void leaveReadingCorner();
    void openStory(int story);
    void showActivityTitle();
    // The settings the activities follow, read afresh.
    void readSettings();
    // The school's server: the answers' way to it, and what the window
    // shows and refuses while it is away.
    void followServer();
    void showServerState(bool online);
    // True (after telling the adult) when the server is away: the entries
    // that write change nothing then.
    bool refuseWhileOffline();

    // Owned for the window's whole life.
    DatabaseMessages databaseMessages;
    DatabaseConnection* database = nullptr;
    KeyboardManager* keyboard = nullptr;
    UserList userList;
    LetterList letterList;
    WordList wordList;
    CategoryList categoryList;
    Config settings;
    InputDialog* userDialog = nullptr;
    HelpDialog* helpDialog = nullptr;
    RandomSeeder randomSeeder;
    AdmWindow* adminWindow = nullptr;
    ConfigWidget* settingsDialog = nullptr;
    AnswerLog answerLog;
    KeyRepeatFilter keyRepeats;

    // The child, the language and what the activities read of them.
    std::unique_ptr<User> currentUser;
    std::unique_ptr<Language> currentLanguage;
    LessonContext lesson;
    std::unique_ptr<Stage> stage;
    // The activity on screen (none on the menus and in the reading corner).
    std::unique_ptr<AbstractActivity> activity;
    std::unique_ptr<ReadingCorner> readingCorner;

    // Navigation and shell state.
    int selectedMenu = 0;
    int selectedSubMenu = 0;
    int selectedActivity = 0;
    bool fileMenuOpen = false;
    bool splashRunning = false;
    bool exiting = false;
    int creditsTime = 20000; // ms the credits stay up on exit

    // Widgets, children of the window.
    QLabel* backgroundLabel = nullptr;
    QLabel* creditsLabel = nullptr;
    QPushButton* closeCreditsButton = nullptr;
    QLabel* titleLabel = nullptr;
    QLabel* orientationLabel = nullptr;
    ImageWidget* bottomLetterHolder = nullptr;
    ImageWidget* pictureHolder = nullptr;
    VideoPlayer* videoPlayer = nullptr;
    VideoPlayer* soundPlayer = nullptr; // never shown: short sounds
    VideoPlayer* splashPlayer = nullptr;
    QLabel* noWordsWarning = nullptr;
    QLabel* noRepetitionWarning = nullptr;
    SequenceWidget* handSequence = nullptr;
    QLabel* handLabel = nullptr;
    QLabel* feedbackLabel = nullptr;
    QLabel* typedKeyLabel = nullptr;    // the key pressed, beside the arrow
    QLabel* offlineIndicator = nullptr; // the school's server is away
    QLabel* doubleLetterHint = nullptr; // how to type CH / LL
    QLabel* promptLabel = nullptr;      // a picture prompt of a presentation
    SequenceWidget* flusSequence = nullptr;
    SequenceWidget* storySequence = nullptr;
    MenuWidget* leftArrow = nullptr;
    MenuWidget* rightArrow = nullptr;

    MenuWidget* lettersButton = nullptr;
    MenuWidget* readWriteButton = nullptr;
    MenuWidget* subMenuButton1 = nullptr;
    MenuWidget* subMenuButton2 = nullptr;
    MenuWidget* subMenuButton3 = nullptr;
    MenuWidget* subSubMenuButton1 = nullptr;
    MenuWidget* subSubMenuButton2 = nullptr;
    MenuWidget* fileButton = nullptr;
    MenuWidget* helpButton = nullptr;
    MenuWidget* userButton = nullptr;
    MenuWidget* configButton = nullptr;
    MenuWidget* adminButton = nullptr;
    MenuWidget* progressButton = nullptr;
    MenuWidget* exitButton = nullptr;
    MenuWidget* storiesHeader = nullptr;
    MenuWidget* storyButton1 = nullptr;
    MenuWidget* storyButton2 = nullptr;
    MenuWidget* storyButton3 = nullptr;
    MenuWidget* fablesHeader = nullptr;
    MenuWidget* storyButton4 = nullptr;
    MenuWidget* storyButton5 = nullptr;
    MenuWidget* repeatButton = nullptr;
    MenuWidget* hideButton = nullptr;
    MenuWidget* letterByLetterButton = nullptr;

};
