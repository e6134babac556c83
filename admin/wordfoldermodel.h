#pragma once

#include <QFileSystemModel>
#include <QHash>

class Language;

// The media library's letters folder as the administrator shows it: letters
// and words in Spanish alphabetical order, and a word folder that no word
// record names marked as such, so that it is never taken for a letter.
class WordFolderModel : public QFileSystemModel
{
    Q_OBJECT

public:
    explicit WordFolderModel(QObject* parent = nullptr);

    void setLanguage(Language* language);

    // A folder one level below a letter folder that no word record names.
    bool isFolderWithoutWord(const QModelIndex& index) const;
    // The folder's own name, whatever the view shows.
    QString entryName(const QModelIndex& index) const;
    // Forgets what it knew about records (after they changed).
    void forgetRecords();

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    Language* language = nullptr;
    mutable QHash<QString, bool> withoutWord; // by folder path
};
