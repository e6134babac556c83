#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class Word;

// The word editor's five fields. For the media fields: a file path.
struct WordForm
{
    QString name;     // "Palabra escrita"
    QString fullName; // "Descripción", also the media folder's name
    QString image;
    QString sign;
    QString lips;
};

// Files a word into the media library and writes its record, all or
// nothing: the new media are copied in first, the record is written next,
// and only then are the replaced files deleted. Any failure before that
// point undoes the folder and the copies and leaves the record as it was.
class WordSaver
{
public:
    enum class Outcome {
        Saved,
        EmptyField,    // one of the five fields is empty
        UnsafeName,    // the description cannot name a folder
        DuplicateName, // another word of the letter has this description
        FolderOutside, // the word folder would not lie inside "Letras"
        FolderExists,  // renaming onto a folder that is already there
        FolderFailed,  // the folder could not be created or renamed
        CopyFailed,    // detail: the file that could not be copied
        RecordFailed,
    };

    struct Result
    {
        Outcome outcome = Outcome::Saved;
        QString detail;
        // Saved, but these chosen files could not take the place of the old
        // ones, which the record still names.
        QStringList keptOld;
    };

    // Bytes copied so far of all the files this save copies, and the total.
    using Progress = std::function<void(qint64 copied, qint64 total)>;

    // word: a new word (id 0) with its letter set, or a loaded one.
    // shown: the media paths the editor showed when it opened; a field
    // that still holds its shown path keeps its file. For a new word
    // every media field counts as chosen.
    static Result save(Word& word, const WordForm& form, const WordForm& shown,
                       const Progress& progress = {});

    // The media path a field shows for an existing word's file.
    static WordForm shownPaths(const Word& word);
};
