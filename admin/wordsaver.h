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

// Files a word into the media library and writes its record so that a crash
// at any instant leaves, after the next start, either the old word with all
// its old media or the new word with all its new media:
//   1. a journal beside a hidden staging folder in the letter's folder says
//      what the save will do;
//   2. the chosen files are copied into the staging folder;
//   3. the record is written (the point of no return);
//   4. the folder is renamed, the staged files moved in, the replaced ones
//      deleted, and the staging folder and the journal removed.
// reconcile() at start finishes a save whose record was written and undoes
// one whose record was not.
class WordSaver
{
public:
    enum class Outcome {
        Saved,
        EmptyField,    // one of the five fields is empty
        Unshowable,    // detail: characters of the written word that no
                       // letter picture shows
        UnsafeName,    // the description cannot name a folder
        NameTooLong,   // the description is too long for a folder name
        DuplicateName, // another word of the letter has this description
        FolderOutside, // the word folder would not lie inside "Letras"
        FolderExists,  // renaming onto a folder that is already there
        FolderFailed,  // the folders could not be created or changed
        CopyFailed,    // detail: the file that could not be copied
        DiskFull,      // detail: the file that did not fit
        Cancelled,     // the teacher stopped the copy
        RecordFailed,
        Unfinished,    // the record was written; the files will be put in
                       // place at the next start
        Interrupted,   // tests: stopped at a crash point, nothing cleaned up
    };

    struct Result
    {
        Outcome outcome = Outcome::Saved;
        QString detail;
    };

    // Bytes copied so far of all the files this save copies, and the total;
    // false cancels the save.
    using Progress = std::function<bool(qint64 copied, qint64 total)>;

    // word: a new word (id 0) with its letter set, or a loaded one.
    // shown: the media paths the editor showed when it opened; a field
    // that still holds its shown path keeps its file. For a new word
    // every media field counts as chosen.
    static Result save(Word& word, const WordForm& form, const WordForm& shown,
                       const Progress& progress = {});

    // The media path a field shows for an existing word's file.
    static WordForm shownPaths(const Word& word);

    // A folder that no record names, as the fields of a word made of it:
    // its name as description and written word, its picture and videos.
    static WordForm formFromFolder(const QString& folder);

    // Finishes or undoes every save and deletion that a crash interrupted,
    // in every language folder below languagesFolder.
    static void reconcile(const QString& languagesFolder);

    // The characters of a written word that no letter picture shows, each
    // once, in order.
    static QString unshowableCharacters(const QString& name);

    // Longest description, in UTF-8 bytes, that can name a folder.
    static constexpr int kMaxNameBytes = 255;

    // Tests: called after each step of a save; true stops the save there
    // as if the process had died.
    using CrashPoint = std::function<bool(const QString& step)>;
    static void setCrashPoint(const CrashPoint& crashPoint);
};
