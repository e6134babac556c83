#pragma once

#include "wordsaver.h"

#include <QDialog>
#include <memory>

class CategoryList;
class Language;
class Letter;
class Word;
class QLineEdit;
class QListWidget;

// The word editor: a new word under a letter (mode 0) or an existing word
// (mode 1) with its written form, description, picture, sign and lip
// videos and categories, filed into the letter's media folder.
class MediaWidget : public QDialog
{
    Q_OBJECT

public:
    MediaWidget(int mode, Language* language, Letter* letter, CategoryList* categories,
                Word* word = nullptr, QWidget* parent = nullptr);
    ~MediaWidget() override;

    // Fills the fields (a word made of a folder that no record names).
    void setForm(const WordForm& form);

    // The folder the file chooser opens in: the one used last, else the
    // user's pictures or videos folder.
    static QString chooserFolder(bool forVideo);

Q_SIGNALS:
    void done();

public Q_SLOTS:
    void slotBrowseWordImage();
    void slotBrowseWordSign();
    void slotBrowseWordLips();
    void slotDoIt();
    void slotCloseIt();

private:
    void buildForm(bool isNew);
    void loadCategoryList();
    void browse(QLineEdit* field, const QString& filter, bool forVideo);
    bool checkVideos(const WordForm& form);
    WordForm formFields() const;
    WordSaver::Result fileWord(const WordForm& form);
    void reportRefusal(const WordSaver::Result& result);
    void reportRecordFailure(const WordSaver::Result& result, const QString& fullName);

    int mode;
    Language* language;
    Letter* letter;
    Word* word;
    CategoryList* categoryList;
    QListWidget* categoriesList = nullptr;
    QLineEdit* nameField = nullptr;
    QLineEdit* fullNameField = nullptr;
    QLineEdit* imageField = nullptr;
    QLineEdit* signField = nullptr;
    QLineEdit* lipsField = nullptr;

    WordForm shown; // the media paths as the fields showed them on opening
    std::unique_ptr<Word> ownWord; // the new word in mode 0
};
