#pragma once

#include "answerlog.h"
#include "config.h"
#include "contentlists.h"
#include "exerciseround.h"
#include "keyrepeatfilter.h"
#include "lettertext.h"
#include "randomint.h"
#include "user.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <QVector>
#include <memory>

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
class QTimer;
class SequenceWidget;
class VideoPlayer;

// The program's one window. Every screen is a combination of widgets created
// once here and shown or hidden at fixed positions; the activities advance
// through the slots below, chained by the window's own signals, the video
// player's finished(), the sequence players and one reusable timer.
//
// The implementation is split by concern:
//   ui/mainwindow.cpp                 construction, shell slots, exit
//   ui/mainwindow_navigation.cpp      menus, sub-menus, file menu
//   ui/mainwindow_splash.cpp          start-up videos, credits, help
//   activities/mainwindow_engine.cpp  start/stop/clear, steps, repeat, hide
//   activities/mainwindow_letters.cpp letter rounds, feedback, bottom letter
//   activities/mainwindow_words.cpp   word media and letter rendering
//   activities/mainwindow_sequences.cpp hand sequences
//   activities/mainwindow_keyboard.cpp  keys and the typing exercise
//   activities/mainwindow_stories.cpp   stories and their arrows
//   ui/mainwindow_adult.cpp           answer record, progress report, adult PIN
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

    // Activity engine.
    void startActivity();
    void stopActivity();
    void clearActivityScreen();
    void resetActivityButtons();
    void showActivityTitle();
    void chooseMedia(int showOrderIndex);
    void showLetterLabels();
    void hideLetterLabels(bool clear);
    void playVideo(const QString& path);

    // Letter rendering on the window's letter row.
    QPixmap renderLetter(QLabel* label, const QString& folder, const QString& name, int x, int y);
    void placeLetter(const QString& folder, const QString& name, int& x, int y, int index);
    void replaceLetterImage(QLabel* label, const QString& folder, const QString& name);

    // The letter-text rules under the current settings.
    LetterRules letterRules() const;
    int digraphsBefore(const QString& word, int pos) const;
    QString letterImageName(const QString& word, int& pos, bool withCase) const;
    // The picture name of a letter on its own (bottom letter, single hand sign).
    QString singleLetterImageName(const QString& letter) const;
    int pickLetterOfWord(const QString& word, QString& text) const;
    void splitFirstLetter(QString& text, QString& first, int* counter) const;

    // Keyboard.
    bool selectTypedLetter(const QString& text);
    void checkTypedWord();

    // A setting of the current user (0 without a user) or a language-wide one.
    int userSetting(const QString& key) const;
    int languageSetting(const QString& key) const;

    // The shell's keys, handled before any activity sees them: Escape skips
    // the start-up videos or ends the credits, and no other key does anything
    // while either shows. True when the key was taken.
    bool handleShellKey(QKeyEvent* event);

    // The adults' entries open only past the PIN, when one is set.
    bool adultAllowed();
    // Stores the judged key of an exercise (never disturbing the round).
    void recordAnswer(const QString& expected, const QString& typed, bool right);

Q_SIGNALS:
    void signalNextStep();
    void signalNextLetter();

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

    // Start-up videos, credits.
    void slotShowLogo();
    void slotShowCredits();
    void slotHideCredits();
    bool slotAbout();

    // Engine.
    void slotShowNextStep(bool jump);
    void slotShowNextStep() { slotShowNextStep(false); }
    void slotRepeatWord();
    void slotToggleWord();
    void slotClearWord();
    void slotFinished();

    // Letter rendering.
    void slotObjectWord(Word* word);
    void slotObjectGuessWord(Word* word);
    void slotHideLetter(Word* word, int pos);
    void slotHighlightLetter(Word* word);
    void slotNextHighlight();

    // Letter activities.
    void slotLetter(bool repeat);
    void slotLetter() { slotLetter(false); }
    void slotPickLetter(bool repeat);
    void slotPickLetter() { slotPickLetter(false); }
    void slotPresentPickLetter();
    void slotShowGuessWord();
    void slotCorrect();
    void slotWrong();
    void slotPositiveFeedback();
    void slotNegativeFeedback();
    void slotOrientation();
    void slotBottomLetter();

    // Word media.
    void slotImage();
    void slotSign();
    void slotLips();
    void slotVideo();
    void slotFluSequence();
    void slotWord();
    void slotObjectWord_stopMo();
    void slotObjectWord_stopMoFinish();

    // Hand sequences.
    void slotHandsSequence();
    void slotHand();

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
    void describeScreen();
    MenuWidget* addMenuButton(const char* name, const QString& normal, const QString& rollover,
                              const QRect& geometry, int clickMode, bool clickable = true);
    bool beginExit();
    void playSplashVideo(const QString& name, void (MainWindow::*next)());
    void endSplash();
    void updateSubMenus();
    void showSubMenu();
    void updateBackground(int subMenuCode);
    void enterReadingScreen();
    void leaveReadingCorner();
    void openStory(int story, int pages);
    Word* activityWord() const; // targetWord in the exercises, else currentWord

    // Engine helpers.
    bool drawTarget();
    bool keepWordOf(Letter letter);
    void loadTarget(int wordId, int letterId);
    void waitForAnswerEnd();
    void stopAnswerTimer();
    void showFeedback(const QString& kind);
    // The one place where an exercise judges a letter key.
    void answerKey(const QString& key);
    void typeLetter(const QString& key);
    void judgeWordSoFar();
    void showTypedAnswer();
    void showTypedKey(const QString& key);
    void hideOrientation();
    void updateDoubleLetterHint();
    void showPrompt(const QString& picture);
    void clearForAnswer();
    void playQuestionVideo();

public:
    // Owned for the window's whole life.
    DatabaseConnection* database = nullptr;
    KeyboardManager* keyboard = nullptr;
    UserList userList;
    LetterList letterList;
    WordList wordList;
    CategoryList categoryList;
    Config settings;
    QTimer* activityTimer = nullptr;
    InputDialog* userDialog = nullptr;
    HelpDialog* helpDialog = nullptr;
    RandomSeeder randomSeeder;
    AdmWindow* adminWindow = nullptr;
    ConfigWidget* settingsDialog = nullptr;
    AnswerLog answerLog;
    QElapsedTimer questionClock; // since the question (or the last right letter)

    // Navigation and shell state.
    std::unique_ptr<User> currentUserRecord;
    User* currentUser = nullptr;
    std::unique_ptr<Language> currentLanguageRecord;
    Language* currentLanguage = nullptr;
    int selectedMenu = 0;
    int selectedSubMenu = 0;
    int selectedActivity = 0;
    int activeSubMenu = 0;
    int activeActivity = 0;
    bool fileMenuOpen = false;
    bool splashRunning = false;
    bool exiting = false;
    int creditsTime = 20000; // ms the credits stay up on exit

    // Activity engine state the screen does not show by itself.
    bool hasContent = false;
    bool wordHidden = false;
    Letter* currentLetter = nullptr;
    Word* currentWord = nullptr;
    int highlightPos = 0;
    int highlightShift = 0;
    QString highlightName;
    QVector<QLabel*> letterLabels;

    using WordCopy = ::WordCopy;
    std::unique_ptr<Letter> typedLetterRecord;
    std::unique_ptr<WordCopy> currentWordCopy;
    int answerPause = 2000; // ms an answer without its video stays on screen

    // Widgets, children of the window.
    QLabel* backgroundLabel = nullptr;
    QLabel* creditsLabel = nullptr;
    QPushButton* closeCreditsButton = nullptr;
    QLabel* titleLabel = nullptr;
    QLabel* orientationLabel = nullptr;
    ImageWidget* bottomLetterHolder = nullptr;
    ImageWidget* pictureHolder = nullptr;
    VideoPlayer* videoPlayer = nullptr;
    VideoPlayer* splashPlayer = nullptr;
    QLabel* noWordsWarning = nullptr;
    QLabel* noRepetitionWarning = nullptr;
    SequenceWidget* handSequence = nullptr;
    QLabel* handLabel = nullptr;
    QLabel* feedbackLabel = nullptr;
    QLabel* typedKeyLabel = nullptr;    // the key pressed, beside the arrow
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

private:
    // The running exercise round and presentation.
    ExerciseRound round;
    Presentation presentation;
    KeyRepeatFilter keyRepeats;
};
