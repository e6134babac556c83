#pragma once

#include "database.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class Word;
class WorkLock;

// A category of the editor's list and whether the word is to belong to it.
struct CategoryChoice
{
    int id = 0;
    bool linked = false;
};

// The word editor's five fields. For the media fields: a file path.
struct WordForm
{
    QString name;     // "Palabra escrita"
    QString fullName; // "Descripción", also the media folder's name
    QString image;
    QString sign;
    QString lips;
    // Links written in the same transaction as the record; categories not
    // listed keep their links.
    QList<CategoryChoice> categories;
    // The chosen files are the caller's own temporary copies (a content
    // pack's unpacked files): they may be moved into place rather than
    // copied when they lie on the same disk.
    bool takeFiles = false;
};

// Files a word into the media library and writes its record so that a crash
// at any instant leaves, after the next start, either the old word with all
// its old media or the new word with all its new media:
//   1. a journal beside a hidden staging folder in the letter's folder says
//      what the save will do;
//   2. the chosen files are copied into the staging folder;
//   3. the record and its category links are written in one transaction
//      (the point of no return);
//   4. the folder is renamed, the staged files moved in, the replaced ones
//      deleted, and the staging folder and the journal removed.
// reconcile() at start finishes a save whose record was written and undoes
// one whose record was not, and leaves alone every save that another
// running program is still doing. On the embedded database a save holds a
// lock file beside its journal for its whole life. File locks cannot be
// trusted on a school's network folder: there every save has a name of its
// own (a UUID) and holds a PostgreSQL session advisory lock keyed from it,
// which the server releases when the saving PC's session ends.
// An existing word is written only if its row still has the revision the
// editor read (Word::update): two adults saving the same word on two PCs
// cannot mix their saves.
class WordSaver
{
public:
    enum class Outcome {
        Saved,
        EmptyField,    // one of the five fields is empty (or shows nothing)
        Unshowable,    // detail: characters of the written word that no
                       // letter picture shows
        UnsafeName,    // the description cannot name a folder
        NameTooLong,   // the description is too long for a folder name
        DuplicateName, // detail: the description of the word of the letter
                       // that has this name (case and accents aside)
        FolderOutside, // the word folder would not lie inside "Letras"
        FolderExists,  // detail: the folder already there with this name
                       // (case and accents aside)
        FolderFailed,  // the folders could not be created or changed
        CopyFailed,    // detail: the file that could not be copied
        DiskFull,      // detail: the file that did not fit (the largest one
                       // when the free space is short of the whole save)
        Cancelled,     // the teacher stopped the copy
        RecordFailed,  // problem: why the database refused it
        ChangedElsewhere, // another PC saved the word since it was read:
                          // nothing of this save was kept
        DeletedElsewhere, // another PC deleted the word since it was read
        Unfinished,    // the record was written; the files will be put in
                       // place at the next start
        Interrupted,   // tests: stopped at a crash point, nothing cleaned up
    };

    struct Result
    {
        Outcome outcome = Outcome::Saved;
        QString detail;
        Database::WriteProblem problem = Database::WriteProblem::None;
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

    // A deletion of a word's or a letter's folder (inside root, the
    // language's "Letras") holds `lock` from before the folder moves aside
    // until the folder aside is gone: reconcile() on any PC leaves it alone
    // meanwhile. False: another program is deleting that folder now.
    static bool holdDeletion(WorkLock& lock, const QString& folder, const QString& root);

    // The characters of a written word that no letter picture shows, each
    // once, in order.
    static QString unshowableCharacters(const QString& name);

    // Longest description, in UTF-8 bytes, that can name a folder.
    static constexpr int kMaxNameBytes = 255;
    // How many characters (from the end) the description must lose to fit
    // in kMaxNameBytes; 0 when it fits.
    static int charactersOverLimit(const QString& fullName);

    // The advisory lock key of a save on a server, from its staging name
    // (".guardando-<uuid>").
    static qint64 saveLockKey(const QString& staging);

    // Tests: called after each step of a save; true stops the save there
    // as if the process had died.
    using CrashPoint = std::function<bool(const QString& step)>;
    static void setCrashPoint(const CrashPoint& crashPoint);
};
