#include "wordfoldermodel.h"

#include "letter.h"
#include "word.h"

#include <QFont>
#include <QLocale>

WordFolderModel::WordFolderModel(QObject* parent)
    : QFileSystemModel(parent)
{
}

void WordFolderModel::setLanguage(Language* newLanguage)
{
    language = newLanguage;
    forgetRecords();
}

void WordFolderModel::forgetRecords()
{
    withoutWord.clear();
}

QString WordFolderModel::entryName(const QModelIndex& index) const
{
    return QFileSystemModel::data(index, FileNameRole).toString();
}

bool WordFolderModel::isFolderWithoutWord(const QModelIndex& index) const
{
    if (!language || !index.isValid())
        return false;
    const QModelIndex letterIndex = index.parent();
    if (!letterIndex.isValid() || letterIndex.parent() != this->index(rootPath()))
        return false;
    const QString path = filePath(index);
    const auto known = withoutWord.constFind(path);
    if (known != withoutWord.constEnd())
        return *known;
    Letter letter;
    Word word;
    const bool found = letter.loadByName(entryName(letterIndex), language)
        && word.loadByFullName(entryName(index), &letter);
    withoutWord.insert(path, !found);
    return !found;
}

QVariant WordFolderModel::data(const QModelIndex& index, int role) const
{
    if (index.column() == 0 && (role == Qt::DisplayRole || role == Qt::FontRole)
        && isFolderWithoutWord(index)) {
        if (role == Qt::FontRole) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return tr("%1 (carpeta sin palabra)").arg(entryName(index));
    }
    return QFileSystemModel::data(index, role);
}

// The model compares names with a collator of the default locale, made while
// it sorts: Spanish there puts Ñ after N and "ángel" beside "ana".
void WordFolderModel::sort(int column, Qt::SortOrder order)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    QFileSystemModel::sort(column, order);
    QLocale::setDefault(previous);
}
