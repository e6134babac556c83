#pragma once

#include <QDialog>

class Config;
class CategoryList;
class Language;
class LetterList;
class User;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QSlider;

// The activity settings of one user in one language: allowed letters and
// categories, the case and pause switches and the order of a word's media.
class ConfigWidget : public QDialog
{
    Q_OBJECT

public:
    ConfigWidget(User* user, Language* language, LetterList* letters, CategoryList* categories,
                 Config* settings, QWidget* parent = nullptr);

Q_SIGNALS:
    void done();

public Q_SLOTS:
    void slotDoIt();
    void slotCloseIt();
    void checkAllCategories();
    void checkAllLetters();
    void uncheckAllCategories();
    void uncheckAllLetters();

private:
    void loadLetterList();
    void loadCategoryList();
    void loadShowOrders();
    bool saveLetters();
    bool saveCategories();
    bool storeChoices();
    void setCheckStateAll(QListWidget* list, Qt::CheckState state);
    QCheckBox* makeSwitch(const QString& text, const QString& key, const char* name);

    User* user;
    Language* language;
    LetterList* letterList;
    CategoryList* categoryList;
    Config* settings;
    QLabel* orderCaption;
    QComboBox* orderCombo;
    QListWidget* lettersList;
    QListWidget* categoriesList;
    QCheckBox* firstCapsCheck;
    QCheckBox* stopMotionCheck;
    QCheckBox* minusCapsCheck;
    QCheckBox* soundCheck;
    QCheckBox* listenOnlyCheck;
    QSlider* volumeSlider;
};
