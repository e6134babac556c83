#pragma once

#include <QDialog>
#include <QModelIndex>
#include <memory>

class Category;
class CategoryList;
class Language;
class Letter;
class LetterList;
class Word;
class WordList;
class WordFolderModel;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTreeView;

// The media administrator: the letters and words of a language browsed as
// the folders of its media library, and the language's categories. It
// deletes letters, words and categories itself and opens the editors for
// the rest.
class AdmWindow : public QDialog
{
    Q_OBJECT

public:
    AdmWindow(LetterList* letters, WordList* words, CategoryList* categories,
              QWidget* parent = nullptr);
    ~AdmWindow() override;

    void setLanguage(Language* language);

public Q_SLOTS:
    void slotInsertLetter();
    void slotEditLetter();
    void slotDeleteLetter();
    void slotLetterClicked(const QModelIndex& index);
    void slotRefresh();
    void slotRefreshParent();
    void slotTabs(int index);
    void slotInsertCategory();
    void slotEditCategory();
    void slotDeleteCategory();
    void slotCategoryClicked(QListWidgetItem* item);
    void slotRefreshCategoriesList();
    void slotShowWordsCategory();
    void slotExportPack();
    void slotImportPack();

private:
    void buildLettersTab();
    void buildCategoriesTab();
    void buildTabs();
    bool deleteCategory(Category* category);
    bool confirm(const QString& title, const QString& question);
    void deleteSelectedLetter();
    void deleteSelectedWord();
    void deleteFolderWithoutWord();
    bool removeFolderAside(const QString& aside, const QString& what);
    void reportDeletionElsewhere(const QString& what);
    void setWordButtons(bool add, bool edit);
    void setCategoryButtons(bool enabled);
    QString lettersPath() const;
    void forgetRemovedEntry();

    Language* language = nullptr;
    LetterList* letterList;
    std::unique_ptr<Letter> selectedLetter;
    WordList* wordList;
    std::unique_ptr<Word> selectedWord;
    CategoryList* categoryList;
    std::unique_ptr<Category> selectedCategory;
    QListWidget* categoriesList = nullptr;
    QWidget* lettersPage = nullptr;
    QTabWidget* tabWidget = nullptr;
    QPushButton* addWordButton = nullptr;
    QPushButton* editWordButton = nullptr;
    QPushButton* deleteWordButton = nullptr;
    QWidget* categoriesPage = nullptr;
    QPushButton* addCategoryButton = nullptr;
    QPushButton* editCategoryButton = nullptr;
    QPushButton* deleteCategoryButton = nullptr;
    QPushButton* categoryWordsButton = nullptr;
    QPushButton* exportPackButton = nullptr;
    QPushButton* importPackButton = nullptr;
    WordFolderModel* directoryModel = nullptr;
    QTreeView* lettersTree = nullptr;
    QLabel* lettersCaption = nullptr;
    QLabel* categoriesCaption = nullptr;
    QString folderWithoutWord; // the clicked word folder that no record names
    QPersistentModelIndex clickedEntry; // the folder the selection came from
    bool entryClicked = false;
};
