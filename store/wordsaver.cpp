#include "wordsaver.h"

#include "language.h"
#include "lettertext.h"
#include "mediastore.h"
#include "spanishorder.h"
#include "sqlhelpers.h"
#include "word.h"
#include "worklock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QStorageInfo>
#include <QUuid>
#include <QVariant>
#include <memory>

using namespace MediaStore;

namespace {
struct MediaField
{
    QString WordForm::*form;
    QString Word::*record;
};
const MediaField kMediaFields[] = {
    {&WordForm::image, &Word::image},
    {&WordForm::sign, &Word::sign},
    {&WordForm::lips, &Word::lips},
};
constexpr int kMediaCount = 3;

const QString kStagingPrefix = QStringLiteral(".guardando-");
const QString kJournalSuffix = QStringLiteral(".diario");
const QString kLockSuffix = QStringLiteral(".bloqueo");

// ".guardando-N" of every entry a save leaves: the staging folder, the
// journal, the journal's unfinished rewrites, the lock.
QString saveStem(const QString& entryName)
{
    const qsizetype dot = entryName.indexOf(QLatin1Char('.'), 1);
    return dot < 0 ? entryName : entryName.left(dot);
}

WordSaver::CrashPoint& crashHook()
{
    static WordSaver::CrashPoint hook;
    return hook;
}

using Crash = std::function<bool(const QString&)>;

bool onServer()
{
    return Database::engine() == Database::Engine::PostgreSQL;
}


// What one save does, written down before it starts.
struct Plan
{
    QString letterFolder; // with its trailing "/"
    QString root;         // the language's "Letras" folder
    QString staging;      // name of the hidden folder the copies go to
    int wordId = 0;       // 0 for a new word
    int letterId = 0;
    QString baseFolder;   // the existing folder the word builds on, or empty
    WordForm record;      // the record after the save, with bare file names
    QStringList moves;    // files of the staging folder that go into the word folder
    QStringList obsolete; // files of the word folder that the record no longer names
    QList<CategoryChoice> categories; // links written with the record
    bool unchanged = false; // the record reads the same before and after
    bool committed = false; // the record has been written

    QString journalPath() const { return letterFolder + staging + kJournalSuffix; }
    QString lockPath() const { return letterFolder + staging + kLockSuffix; }
    QString stagingPath() const { return letterFolder + staging; }
    QString targetPath() const { return letterFolder + record.fullName; }
};

QJsonArray toArray(const QStringList& list)
{
    return QJsonArray::fromStringList(list);
}

QStringList toList(const QJsonValue& value)
{
    QStringList list;
    for (const QJsonValue& item : value.toArray())
        list << item.toString();
    return list;
}

QJsonArray categoriesToArray(const QList<CategoryChoice>& choices)
{
    QJsonArray array;
    for (const CategoryChoice& choice : choices)
        array.append(QJsonObject{{"id", choice.id}, {"linked", choice.linked}});
    return array;
}

bool writeJournal(const Plan& plan)
{
    const QJsonObject record{{"name", plan.record.name},   {"fullName", plan.record.fullName},
                             {"image", plan.record.image}, {"sign", plan.record.sign},
                             {"lips", plan.record.lips}};
    const QJsonObject journal{{"wordId", plan.wordId},         {"letterId", plan.letterId},
                              {"baseFolder", plan.baseFolder}, {"record", record},
                              {"moves", toArray(plan.moves)},  {"obsolete", toArray(plan.obsolete)},
                              {"unchanged", plan.unchanged},   {"committed", plan.committed},
                              {"categories", categoriesToArray(plan.categories)}};
    if (isRefused(plan.journalPath()))
        return false;
    QSaveFile file(plan.journalPath());
    return file.open(QIODevice::WriteOnly)
        && file.write(QJsonDocument(journal).toJson()) > 0 && file.commit();
}

bool readJournal(const QString& path, Plan* plan)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject journal = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonObject record = journal.value(QLatin1String("record")).toObject();
    plan->wordId = journal.value(QLatin1String("wordId")).toInt();
    plan->letterId = journal.value(QLatin1String("letterId")).toInt();
    plan->baseFolder = journal.value(QLatin1String("baseFolder")).toString();
    plan->record.name = record.value(QLatin1String("name")).toString();
    plan->record.fullName = record.value(QLatin1String("fullName")).toString();
    plan->record.image = record.value(QLatin1String("image")).toString();
    plan->record.sign = record.value(QLatin1String("sign")).toString();
    plan->record.lips = record.value(QLatin1String("lips")).toString();
    plan->moves = toList(journal.value(QLatin1String("moves")));
    plan->obsolete = toList(journal.value(QLatin1String("obsolete")));
    plan->unchanged = journal.value(QLatin1String("unchanged")).toBool();
    plan->committed = journal.value(QLatin1String("committed")).toBool();
    for (const QJsonValue& value : journal.value(QLatin1String("categories")).toArray()) {
        const QJsonObject choice = value.toObject();
        plan->categories.append({choice.value(QLatin1String("id")).toInt(),
                                 choice.value(QLatin1String("linked")).toBool()});
    }
    const QString name = fileNameOf(path);
    plan->staging = name.left(name.size() - kJournalSuffix.size());
    // Names from the file must stay plain names inside the letter folder.
    QStringList names = plan->moves + plan->obsolete;
    names << plan->record.fullName;
    if (!plan->baseFolder.isEmpty())
        names << plan->baseFolder;
    for (const QString& entry : names) {
        if (entry.isEmpty() || entry == QLatin1String(".") || entry == QLatin1String("..")
            || fileNameOf(entry) != entry)
            return false;
    }
    return true;
}

bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && fileNameOf(name) == name;
}

// Whether the word's links are the chosen ones (a category deleted since
// does not count).
bool linksMatch(Word& word, const QList<CategoryChoice>& choices)
{
    for (const CategoryChoice& choice : choices) {
        Category category;
        if (category.loadById(choice.id) && word.hasCategory(category) != choice.linked)
            return false;
    }
    return true;
}

// Whether the record in the database is the one the save was writing.
bool recordMatches(const Plan& plan)
{
    Word word;
    Letter letter;
    bool found = false;
    if (plan.wordId > 0)
        found = word.loadById(plan.wordId);
    else
        found = letter.loadById(plan.letterId)
            && word.loadByFullName(plan.record.fullName, &letter);
    if (!found || word.name != plan.record.name || word.fullName != plan.record.fullName
        || word.image != plan.record.image || word.sign != plan.record.sign
        || word.lips != plan.record.lips)
        return false;
    return linksMatch(word, plan.categories);
}

// Whether the save got past its point of no return. A record that reads the
// same before and after cannot tell; then the copies decide: once they are
// all complete, finishing gives the new word, and before that undoing keeps
// the old one.
bool pastRecord(const Plan& plan)
{
    if (plan.committed)
        return true;
    if (!recordMatches(plan))
        return false;
    if (!plan.unchanged)
        return true;
    for (const QString& name : plan.moves) {
        if (!QFileInfo(plan.stagingPath() + QLatin1Char('/') + name).isFile())
            return false;
    }
    return true;
}

// The record with its category links, all or nothing.
bool writeRecord(Word& word, bool isNew, const QList<CategoryChoice>& categories, QSqlError* error)
{
    QSqlDatabase db = QSqlDatabase::database();
    if (!db.transaction()) {
        *error = db.lastError();
        return false;
    }
    bool written = isNew ? word.save() : word.update();
    for (const CategoryChoice& choice : categories) {
        Category category;
        if (!written || !category.loadById(choice.id))
            continue; // deleted since the editor opened
        written = choice.linked ? word.addCategory(category) : word.removeCategory(category);
    }
    if (!written && word.staleness() != Word::Staleness::None) {
        db.rollback();
        return false;
    }
    if (!written)
        *error = word.lastError();
    else if (!db.commit())
        *error = db.lastError();
    else
        return true;
    db.rollback();
    return false;
}

enum class Step { Done, Failed, Crashed };

// Everything after the record was written. Each step checks what is already
// done, so that the next start can run it again after a crash.
Step finish(const Plan& plan, const Crash& crash)
{
    const QString staging = plan.stagingPath();
    const QString target = plan.targetPath();
    if (plan.baseFolder.isEmpty()) {
        // A new folder: the staging folder becomes it, files and all.
        if (isOccupied(staging) && !isOccupied(target) && !renamePath(staging, target))
            return Step::Failed;
        if (crash(QStringLiteral("folder")))
            return Step::Crashed;
    } else {
        const QString base = plan.letterFolder + plan.baseFolder;
        if (base != target && isOccupied(base) && !isOccupied(target)
            && !renamePath(base, target))
            return Step::Failed;
        if (crash(QStringLiteral("folder")))
            return Step::Crashed;
        for (const QString& name : plan.moves) {
            const QString from = staging + QLatin1Char('/') + name;
            if (QFileInfo(from).isFile()
                && !renamePath(from, target + QLatin1Char('/') + name))
                return Step::Failed;
            if (crash(QStringLiteral("move ") + name))
                return Step::Crashed;
        }
    }
    const QStringList named{plan.record.image, plan.record.sign, plan.record.lips};
    for (const QString& name : plan.obsolete) {
        const QString path = target + QLatin1Char('/') + name;
        if (named.contains(name) || !QFileInfo(path).isFile() || QFileInfo(path).isSymLink())
            continue;
        if (isRefused(path) || !QFile::remove(path))
            return Step::Failed;
    }
    if (crash(QStringLiteral("obsolete")))
        return Step::Crashed;
    if (isOccupied(staging)) {
        removeDirectory(staging, plan.root);
        if (isOccupied(staging))
            return Step::Failed;
    }
    if (crash(QStringLiteral("staging")))
        return Step::Crashed;
    if (isRefused(plan.journalPath()) || !QFile::remove(plan.journalPath()))
        return Step::Failed;
    return Step::Done;
}

// Undoes a save whose record was not written: only the staging folder and
// the journal were ever touched.
void undo(const Plan& plan)
{
    removeDirectory(plan.stagingPath(), plan.root);
    if (!isOccupied(plan.stagingPath()))
        QFile::remove(plan.journalPath());
}

void reconcileUnlocked(const QString& letterFolder, const QString& stem, const QString& root);

void reconcileSave(const QString& letterFolder, const QString& stem, const QString& root)
{
    // A held lock is a save that another running program is still doing
    // (QLockFile takes over the lock of a program that died; the server
    // releases the advisory lock of a PC whose session ended).
    WorkLock lock;
    if (lock.take(letterFolder + stem + kLockSuffix, stem) != WorkLock::Taken::Held)
        return;
    reconcileUnlocked(letterFolder, stem, root);
}

void reconcileUnlocked(const QString& letterFolder, const QString& stem, const QString& root)
{
    const QString journal = letterFolder + stem + kJournalSuffix;
    if (QFileInfo::exists(journal)) {
        Plan plan;
        plan.letterFolder = letterFolder;
        plan.root = root;
        if (!readJournal(journal, &plan))
            return; // not ours to judge: left as it is
        if (pastRecord(plan))
            finish(plan, [](const QString&) { return false; });
        else
            undo(plan);
    } else if (isOccupied(letterFolder + stem)) {
        // A staging folder whose journal is gone holds nothing the record names.
        removeDirectory(letterFolder + stem, root);
    }
    // Rewrites of the journal that a crash cut short.
    for (const QString& name : QDir(letterFolder).entryList(
             {stem + kJournalSuffix + QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isRefused(letterFolder + name))
            QFile::remove(letterFolder + name);
    }
}

void reconcileLetterFolder(const QString& letterFolder, const QString& root)
{
    QStringList stems;
    for (const QString& name : QDir(letterFolder).entryList(
             {kStagingPrefix + QStringLiteral("*")},
             QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (!stems.contains(saveStem(name)))
            stems << saveStem(name);
    }
    for (const QString& stem : stems)
        reconcileSave(letterFolder, stem, root);
}

int languageId(const QString& name)
{
    Language language;
    return language.loadByName(name) ? language.id : 0;
}

// A folder moved aside for deletion: back in place when its record is
// still there (the deletion never reached the database), otherwise removed.
// The same on every PC of a school whatever its mount point: the language
// and the path inside its "Letras".
QString deletionName(const QString& aside, const QString& root)
{
    return QFileInfo(QDir::cleanPath(root)).dir().dirName() + QLatin1Char('/')
        + QDir(root).relativeFilePath(aside);
}

void reconcileAside(const QString& folder, const QString& aside, bool recordExists,
                    const QString& root)
{
    // Another program (on a server, another PC) is deleting it right now.
    WorkLock lock;
    if (lock.take(aside + kLockSuffix, deletionName(aside, root)) != WorkLock::Taken::Held)
        return;
    if (recordExists && !isOccupied(folder))
        moveBack(aside, folder);
    else
        removeDirectory(aside, root);
}

void reconcileDeletions(const QString& root, Language* language)
{
    const QDir letters(root);
    const QString prefix = asidePrefix();
    for (const QString& name :
         letters.entryList({prefix + QStringLiteral("*")}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QString letterName = name.mid(prefix.size());
        Letter letter;
        reconcileAside(root + QLatin1Char('/') + letterName, root + QLatin1Char('/') + name,
                       language && letter.loadByName(letterName, language), root);
    }
    for (const QString& letterName : letters.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString letterFolder = root + QLatin1Char('/') + letterName + QLatin1Char('/');
        Letter letter;
        const bool letterFound = language && letter.loadByName(letterName, language);
        for (const QString& name : QDir(letterFolder).entryList(
                 {prefix + QStringLiteral("*")}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
            const QString fullName = name.mid(prefix.size());
            Word word;
            reconcileAside(letterFolder + fullName, letterFolder + name,
                           letterFound && word.loadByFullName(fullName, &letter), root);
        }
    }
}
} // namespace

QString WordSaver::unshowableCharacters(const QString& name)
{
    QString unshowable;
    // Letter pictures exist for a to z and the accented letters, whose
    // base names are one or two ASCII letters; a blank has its own picture.
    const auto showable = [](char32_t c) {
        if (c == U' ')
            return true;
        if (c > 0xFFFF || !QChar(c).isLetter())
            return false;
        const QString base = LetterText::baseName(QChar(c));
        for (QChar b : base) {
            if (b < QLatin1Char('a') || b > QLatin1Char('z'))
                return false;
        }
        return !base.isEmpty() && base.size() <= 2;
    };
    for (char32_t c : name.toUcs4()) {
        const QString text = QString::fromUcs4(&c, 1);
        if (!showable(c) && !unshowable.contains(text))
            unshowable += text;
    }
    return unshowable;
}

int WordSaver::charactersOverLimit(const QString& fullName)
{
    QList<uint> characters = fullName.toUcs4();
    int over = 0;
    while (!characters.isEmpty()
           && QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()),
                                characters.size())
                      .toUtf8()
                      .size()
               > kMaxNameBytes) {
        characters.removeLast();
        ++over;
    }
    return over;
}

qint64 WordSaver::saveLockKey(const QString& staging)
{
    return WorkLock::keyOf(staging);
}

void WordSaver::setCrashPoint(const CrashPoint& crashPoint)
{
    crashHook() = crashPoint;
}

WordForm WordSaver::shownPaths(const Word& word)
{
    WordForm shown;
    shown.name = word.name;
    shown.fullName = word.fullName;
    if (word.letter && word.letter->language) {
        shown.image = word.imagePath();
        shown.sign = word.signPath();
        shown.lips = word.lipsPath();
    }
    return shown;
}

WordForm WordSaver::formFromFolder(const QString& folder)
{
    WordForm form;
    const QString clean = QDir::cleanPath(folder);
    form.fullName = fileNameOf(clean);
    form.name = form.fullName;
    QStringList videos;
    for (const QFileInfo& file : QDir(clean).entryInfoList(QDir::Files, QDir::Name)) {
        const QString suffix = file.suffix().toLower();
        if (MediaStore::pictureSuffixes().contains(suffix)) {
            if (form.image.isEmpty())
                form.image = file.filePath();
        } else if (MediaStore::videoSuffixes().contains(suffix)) {
            videos << file.filePath();
        }
    }
    // Names tell the videos apart where they can; the rest fill the gaps.
    const auto take = [&](QString& field, const QStringList& hints) {
        for (const QString& video : videos) {
            const QString name = fileNameOf(video).toLower();
            for (const QString& hint : hints) {
                if (field.isEmpty() && name.contains(hint)) {
                    field = video;
                    videos.removeOne(video);
                    return;
                }
            }
        }
    };
    take(form.sign, {QStringLiteral("seña"), QStringLiteral("sena"), QStringLiteral("sign")});
    take(form.lips, {QStringLiteral("modula"), QStringLiteral("labi"), QStringLiteral("boca"),
                     QStringLiteral("lip")});
    for (QString* field : {&form.sign, &form.lips}) {
        if (field->isEmpty() && !videos.isEmpty())
            *field = videos.takeFirst();
    }
    return form;
}

WordSaver::Result WordSaver::save(Word& word, const WordForm& typed, const WordForm& shown,
                                  const Progress& progress)
{
    const auto fail = [](Outcome outcome, const QString& detail = QString()) {
        Result result;
        result.outcome = outcome;
        result.detail = detail;
        return result;
    };
    // Blanks and invisible characters at the ends are nobody's intent.
    WordForm form = typed;
    form.name = SpanishOrder::cleanName(typed.name);
    form.fullName = SpanishOrder::cleanName(typed.fullName);
    if (!SpanishOrder::hasVisibleCharacter(form.name)
        || !SpanishOrder::hasVisibleCharacter(form.fullName))
        return fail(Outcome::EmptyField);
    const Crash crash = [](const QString& step) { return crashHook() && crashHook()(step); };

    for (const QString* field : {&form.name, &form.fullName, &form.image, &form.sign, &form.lips}) {
        if (field->isEmpty())
            return fail(Outcome::EmptyField);
    }
    if (const QString unshowable = unshowableCharacters(form.name); !unshowable.isEmpty())
        return fail(Outcome::Unshowable, unshowable);
    if (checkFolderName(form.fullName) != NameProblem::None)
        return fail(Outcome::UnsafeName, form.fullName);
    if (form.fullName.toUtf8().size() > kMaxNameBytes)
        return fail(Outcome::NameTooLong, form.fullName);
    if (!word.letter || !word.letter->language)
        return fail(Outcome::RecordFailed, form.fullName);

    Word probe;
    probe.id = word.id;
    probe.fullName = form.fullName;
    probe.setLetter(word.letter);
    QString existing;
    if (probe.isFullNameTaken(&existing))
        return fail(Outcome::DuplicateName, existing);

    const bool isNew = word.id == 0;
    Plan plan;
    plan.root = lettersFolder(*word.letter->language);
    plan.letterFolder = word.letter->folderPath();
    plan.wordId = word.id;
    plan.letterId = word.letter->id;
    plan.record = form;
    const QString target = plan.letterFolder + form.fullName;
    const QString oldFolder = plan.letterFolder + word.fullName;
    const bool renaming = !isNew && form.fullName != word.fullName;
    if (!isInside(target, plan.root) || (renaming && !isInside(oldFolder, plan.root)))
        return fail(Outcome::FolderOutside, form.fullName);
    if (renaming && isOccupied(target))
        return fail(Outcome::FolderExists, form.fullName);
    // A folder whose name differs only in case or accents: a shared folder
    // that ignores case could not hold both.
    for (const QString& entry : QDir(plan.letterFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (entry != form.fullName && (isNew || entry != word.fullName)
            && SpanishOrder::sameName(entry, form.fullName))
            return fail(Outcome::FolderExists, entry);
    }
    // A new word may take over a folder that no record names (made of it in
    // the administrator); an edited word builds on its own folder.
    if (isNew ? isOccupied(target) : isOccupied(oldFolder))
        plan.baseFolder = isNew ? form.fullName : word.fullName;
    const QString base = plan.baseFolder.isEmpty() ? QString() : plan.letterFolder + plan.baseFolder;
    if (!base.isEmpty() && !resolvesInside(base, plan.root))
        return fail(Outcome::FolderOutside, form.fullName);
    if (!QFileInfo(plan.letterFolder).isDir()
        && (!isInside(plan.letterFolder + QStringLiteral("x"), plan.root)
            || !QDir().mkpath(plan.letterFolder)))
        return fail(Outcome::FolderFailed, form.fullName);
    if (!resolvesInside(plan.letterFolder, plan.root))
        return fail(Outcome::FolderOutside, form.fullName);

    // Which file each media field will name, and which of them are copied.
    struct Copy
    {
        QString source;
        QString name;
    };
    QList<Copy> copies;
    QStringList reserved;
    for (int i = 0; i < kMediaCount; ++i) {
        const QString oldName = isNew ? QString() : word.*kMediaFields[i].record;
        if (!isNew && form.*kMediaFields[i].form == shown.*kMediaFields[i].form)
            reserved << oldName; // kept as it is
    }
    qint64 total = 0;
    for (int i = 0; i < kMediaCount; ++i) {
        const QString oldName = isNew ? QString() : word.*kMediaFields[i].record;
        QString& finalName = plan.record.*kMediaFields[i].form;
        if (!isNew && form.*kMediaFields[i].form == shown.*kMediaFields[i].form) {
            finalName = oldName;
            continue;
        }
        const QString source = form.*kMediaFields[i].form;
        const QString wanted = fileNameOf(source);
        const QFileInfo sourceInfo(source);
        if (!isPlainFileName(wanted) || !sourceInfo.isFile())
            return fail(Outcome::CopyFailed, source);
        const QFileInfo inPlace(base + QLatin1Char('/') + wanted);
        if (!base.isEmpty() && inPlace.isFile() && !inPlace.isSymLink()
            && inPlace.canonicalFilePath() == sourceInfo.canonicalFilePath()) {
            finalName = wanted; // already in the word's folder
        } else {
            const bool replacesOwn = wanted == oldName && inPlace.isFile() && !inPlace.isSymLink()
                && !reserved.contains(wanted);
            // Names are free when neither the folder the word builds on nor
            // the other fields use them.
            finalName = replacesOwn ? wanted
                                    : freeName(base.isEmpty() ? target : base, wanted, reserved);
            copies << Copy{source, finalName};
            plan.moves << finalName;
            total += sourceInfo.size();
        }
        reserved << finalName;
        if (isPlainFileName(oldName))
            plan.obsolete << oldName;
    }
    for (const QString& name : QStringList(plan.obsolete)) {
        if (reserved.contains(name))
            plan.obsolete.removeAll(name);
    }
    plan.categories = form.categories;
    plan.unchanged = !isNew && plan.record.name == word.name
        && plan.record.fullName == word.fullName && plan.record.image == word.image
        && plan.record.sign == word.sign && plan.record.lips == word.lips
        && linksMatch(word, plan.categories);
    const QStorageInfo disk(plan.letterFolder);
    if (disk.isValid() && disk.bytesAvailable() >= 0 && disk.bytesAvailable() < total) {
        // The file that takes the room is the one to name.
        QString largest;
        qint64 largestSize = -1;
        for (const Copy& copy : copies) {
            if (QFileInfo(copy.source).size() > largestSize) {
                largestSize = QFileInfo(copy.source).size();
                largest = copy.source;
            }
        }
        return fail(Outcome::DiskFull, largest);
    }

    // The lock lives as long as this save; another program's start-up
    // recovery leaves the save alone while it is held. On a server the
    // name is unique to this PC and save, so that no two PCs ever share it.
    WorkLock lock;
    const QString stamp = kStagingPrefix
        + (onServer() ? QUuid::createUuid().toString(QUuid::WithoutBraces)
                      : QString::number(QDateTime::currentMSecsSinceEpoch()));
    for (int attempt = 1;; ++attempt) {
        plan.staging = attempt == 1 ? stamp : stamp + QLatin1Char('-') + QString::number(attempt);
        if (isOccupied(plan.stagingPath()) || isOccupied(plan.journalPath()))
            continue;
        if (attempt > 100)
            return fail(Outcome::FolderFailed, form.fullName);
        const WorkLock::Taken taken = lock.take(plan.lockPath(), plan.staging);
        if (taken == WorkLock::Taken::Held)
            break;
        if (taken == WorkLock::Taken::Refused)
            return fail(Outcome::FolderFailed, form.fullName);
    }
    if (!writeJournal(plan))
        return fail(Outcome::FolderFailed, form.fullName);
    if (crash(QStringLiteral("journal")))
        return fail(Outcome::Interrupted);
    if (isRefused(plan.stagingPath()) || !QDir().mkdir(plan.stagingPath())) {
        undo(plan);
        return fail(Outcome::FolderFailed, form.fullName);
    }
    if (crash(QStringLiteral("staging")))
        return fail(Outcome::Interrupted);

    qint64 copiedBefore = 0;
    for (const Copy& copy : copies) {
        const auto report = [&](qint64 copied) {
            return !progress || progress(copiedBefore + copied, total);
        };
        CopyError error = CopyError::None;
        const QString staged = plan.stagingPath() + QLatin1Char('/') + copy.name;
        const qint64 size = QFileInfo(copy.source).size();
        if (form.takeFiles && !isRefused(staged) && !isOccupied(staged)
            && QFile::rename(copy.source, staged)) {
            if (!report(size)) {
                undo(plan);
                return fail(Outcome::Cancelled, copy.source);
            }
        } else if (!copyFile(copy.source, staged, report, &error)) {
            undo(plan);
            return fail(error == CopyError::DiskFull   ? Outcome::DiskFull
                            : error == CopyError::Cancelled ? Outcome::Cancelled
                                                          : Outcome::CopyFailed,
                        copy.source);
        }
        copiedBefore += size;
        if (crash(QStringLiteral("copy ") + copy.name))
            return fail(Outcome::Interrupted);
    }

    // The point of no return: from here on the new word is the word.
    const Word before = word;
    word.name = plan.record.name;
    word.fullName = plan.record.fullName;
    for (int i = 0; i < kMediaCount; ++i)
        word.*kMediaFields[i].record = plan.record.*kMediaFields[i].form;
    QSqlError error;
    if (!writeRecord(word, isNew, form.categories, &error)) {
        const Word::Staleness staleness = word.staleness();
        word = before;
        undo(plan);
        // Another PC got there first: its save stays whole.
        if (staleness == Word::Staleness::Changed)
            return fail(Outcome::ChangedElsewhere, form.fullName);
        if (staleness == Word::Staleness::Deleted)
            return fail(Outcome::DeletedElsewhere, form.fullName);
        Result result = fail(Outcome::RecordFailed, form.fullName);
        result.problem = Database::writeProblemOf(error);
        if (result.problem == Database::WriteProblem::None)
            result.problem = Database::WriteProblem::Other;
        return result;
    }
    if (crash(QStringLiteral("record")))
        return fail(Outcome::Interrupted);
    plan.committed = true;
    writeJournal(plan); // without it the record itself tells, see pastRecord()
    if (crash(QStringLiteral("committed")))
        return fail(Outcome::Interrupted);

    switch (finish(plan, crash)) {
    case Step::Done: return Result();
    case Step::Crashed: return fail(Outcome::Interrupted);
    case Step::Failed: break;
    }
    return fail(Outcome::Unfinished, form.fullName);
}

bool WordSaver::holdDeletion(WorkLock& lock, const QString& folder, const QString& root)
{
    const QString aside = asidePathOf(folder);
    return lock.take(aside + kLockSuffix, deletionName(aside, root)) == WorkLock::Taken::Held;
}

void WordSaver::reconcile(const QString& languagesFolder)
{
    const QDir languages(languagesFolder);
    for (const QString& languageName : languages.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString root = languages.filePath(languageName) + QStringLiteral("/Letras");
        if (!QFileInfo(root).isDir())
            continue;
        Language language;
        const int id = languageId(languageName);
        const bool known = id > 0 && language.loadById(id);
        for (const QString& letterName : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            reconcileLetterFolder(root + QLatin1Char('/') + letterName + QLatin1Char('/'), root);
        reconcileDeletions(root, known ? &language : nullptr);
    }
}
