#pragma once

#include <QDialog>

class Category;
class WordList;
class QListWidget;

// Read-only list of the words of one category, read once when it opens.
class CategoryWordWidget : public QDialog
{
    Q_OBJECT

public:
    // words: the main window's word list. It is left as it is, since it
    // holds the running activity's word; the rows are read into a list of
    // the dialog's own.
    CategoryWordWidget(WordList* words, Category* category, QWidget* parent = nullptr);

Q_SIGNALS:
    void done();

public Q_SLOTS:
    void slotCloseIt();

private:
    void loadWordList(const Category& category);

    QListWidget* wordsList;
};
