#include "admwindow.h"
#include "category.h"
#include "categorywidget.h"
#include "categorywordwidget.h"
#include "config.h"
#include "contentlists.h"
#include "mediastore.h"
#include "mediawidget.h"
#include "packdialogs.h"
#include "videoprobe.h"
#include "messageboxanswerer.h"
#include "testhome.h"
#include "wordsaver.h"
#include "worklock.h"
#include "widgets.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

namespace {
QStringList categoryNames(int languageId)
{
    QStringList names;
    QSqlQuery query(
        QStringLiteral("SELECT name FROM category WHERE id_language = %1 ORDER BY id").arg(languageId));
    while (query.next())
        names << query.value(0).toString();
    return names;
}

// Types a name into the category editor and presses its one button,
// answering the message box that follows.
MessageBoxAnswerer::Box accept(CategoryWidget* editor, const QString& name)
{
    MessageBoxAnswerer answerer;
    editor->findChild<QLineEdit*>(QStringLiteral("nameField"))->setText(name);
    editor->findChild<QPushButton*>(QStringLiteral("acceptButton"))->click();
    return answerer.boxes.value(0);
}

// Letters A and B of "Español" with their folders: A holds the words "ajo"
// (with a hidden file and a sub-folder) and "árbol", plus a folder "suelto"
// that no record names; B holds "bota". Every word is an animal.
struct Fixture
{
    TestHome home;
    Language language;
    LetterList letters;
    WordList words;
    CategoryList categories;
    QString root;    // the Letras folder
    int a = 0, b = 0, animals = 0, colors = 0, ajo = 0, arbol = 0, bota = 0;

    Fixture()
    {
        language.loadById(TestHome::addLanguage(QStringLiteral("Español")));
        a = TestHome::addLetter(QStringLiteral("A"), language.id);
        b = TestHome::addLetter(QStringLiteral("B"), language.id);
        animals = TestHome::addCategory(QStringLiteral("ANIMALES"), language.id);
        colors = TestHome::addCategory(QStringLiteral("COLORES"), language.id);
        ajo = TestHome::addWord(QStringLiteral("ajo"), a);
        arbol = TestHome::addWord(QStringLiteral("árbol"), a);
        bota = TestHome::addWord(QStringLiteral("bota"), b);
        for (int word : {ajo, arbol, bota})
            TestHome::link(word, animals);
        root = language.mediaPath() + QStringLiteral("Letras");
        for (const QString& word : {QStringLiteral("A/ajo"), QStringLiteral("A/árbol"),
                                    QStringLiteral("B/bota")}) {
            for (const char* file : {"imagen.png", "sena.avi", "modulacion.avi"})
                writeFile(root + QLatin1Char('/') + word + QLatin1Char('/') + QLatin1String(file));
        }
        writeFile(root + QStringLiteral("/A/ajo/.miniatura"));
        writeFile(root + QStringLiteral("/A/ajo/extra/otro.png"));
        QDir().mkpath(root + QStringLiteral("/A/suelto"));
    }

    QString path(const QString& relative) const { return root + QLatin1Char('/') + relative; }
};

// An administrator for the fixture's language, its letters read in.
struct Admin
{
    AdmWindow window;
    QFileSystemModel* model = nullptr;
    QTreeView* tree = nullptr;

    explicit Admin(Fixture& f)
        : window(&f.letters, &f.words, &f.categories)
    {
        tree = child<QTreeView>(&window, "lettersTree");
        model = qobject_cast<QFileSystemModel*>(tree->model());
        window.show();
        window.setLanguage(&f.language);
    }

    // Shows the entries of a folder of the tree and clicks the named one.
    bool click(const QString& path)
    {
        const QModelIndex parent = model->index(QFileInfo(path).path());
        tree->expand(parent);
        // The model reads and sorts in the background: wait until the
        // entry has its place in the view.
        const bool shown = QTest::qWaitFor(
            [&] {
                const QModelIndex index = model->index(path);
                return index.isValid() && index.parent() == parent && model->rowCount(parent) > 0
                    && tree->visualRect(index).isValid();
            },
            2000);
        if (!shown)
            return false;
        const QModelIndex index = model->index(path);
        tree->scrollTo(index);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(index).center());
        return tree->currentIndex() == index;
    }

    QList<bool> wordButtons()
    {
        QList<bool> states;
        for (const char* name : {"addWordButton", "editWordButton", "deleteWordButton"})
            states << child<QPushButton>(&window, name)->isEnabled();
        return states;
    }

    QList<bool> categoryButtons()
    {
        QList<bool> states;
        for (const char* name : {"addCategoryButton", "editCategoryButton",
                                 "deleteCategoryButton", "categoryWordsButton"})
            states << child<QPushButton>(&window, name)->isEnabled();
        return states;
    }

    QStringList categoryRows()
    {
        auto* list = child<QListWidget>(&window, "categoriesList");
        QStringList rows;
        for (int row = 0; row < list->count(); ++row)
            rows << list->item(row)->text();
        return rows;
    }

    void clickCategory(const QString& name)
    {
        auto* list = child<QListWidget>(&window, "categoriesList");
        const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        list->scrollToItem(items.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(items.first()).center());
    }

    void press(const char* name) { child<QPushButton>(&window, name)->click(); }
};

const QList<bool> kNone{false, false, false};
const QList<bool> kLetter{true, false, false};
const QList<bool> kWord{false, true, true};
} // namespace

class TestAdmWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldShowLettersFolderAndEnableButtonsByEntry();
    void shouldDeleteWordWithLinksAndWholeFolder();
    void shouldDeleteLetterWithItsWordsOnlyFromItsFolder();
    void shouldOfferAFolderWithoutWordAsAFolder();
    void shouldReportADeletionThatCouldNotBeDone_data();
    void shouldReportADeletionThatCouldNotBeDone();
    void shouldOpenWordEditorAndShowTheNewFolder();
    void shouldDropHighlightWhenTheClickedFolderIsRenamed();
    void shouldListSelectAndDeleteCategories();
    void shouldCreateCategoryThroughTheEditor();
    void shouldOpenWordsOfCategory();
    void shouldSaveCategoryNameInUpperCase_data();
    void shouldSaveCategoryNameInUpperCase();
    void shouldRefuseEmptyOrTakenCategoryName_data();
    void shouldRefuseEmptyOrTakenCategoryName();
    void shouldWriteNoCategoryWhenEditorClosedThroughTitleBar();
    void shouldExportCheckedWordsAndImportThemThroughThePreview();
};

void TestAdmWindow::shouldShowLettersFolderAndEnableButtonsByEntry()
{
    Fixture f;
    AdmWindow window(&f.letters, &f.words, &f.categories);
    // Nothing to administer before a language is set.
    auto* tabs = child<QTabWidget>(&window, "tabWidget");
    QVERIFY(window.isModal());
    QVERIFY(!tabs->isTabEnabled(1));
    QVERIFY(!tabs->widget(0)->isEnabled());
    QVERIFY(child<QLabel>(&window, "lettersCaption")->text().isEmpty());
    // A language without a letters folder shows no tree.
    Language other;
    QVERIFY(other.loadById(TestHome::addLanguage(QStringLiteral("Català"))));
    window.show();
    window.setLanguage(&other);
    QVERIFY(!child<QTreeView>(&window, "lettersTree")->isVisible());
    QVERIFY(!child<QLabel>(&window, "lettersCaption")->text().isEmpty());

    Admin admin(f);
    QVERIFY(child<QTabWidget>(&admin.window, "tabWidget")->isTabEnabled(1));
    QVERIFY(admin.tree->isVisible());
    QCOMPARE(QDir(admin.model->filePath(admin.tree->rootIndex())), QDir(f.root));
    QTRY_COMPARE(admin.model->rowCount(admin.tree->rootIndex()), 2);
    for (int column = 0; column < admin.model->columnCount(); ++column)
        QCOMPARE(admin.tree->isColumnHidden(column), column > 0);
    QCOMPARE(admin.wordButtons(), kNone);
    // Only folders are listed.
    const QModelIndex ajo = admin.model->index(f.path(QStringLiteral("A/ajo")));
    admin.model->fetchMore(ajo);
    QTRY_COMPARE(admin.model->rowCount(ajo), 1); // "extra", no files

    // The word buttons follow the kind of entry clicked.
    QVERIFY(admin.click(f.path(QStringLiteral("A"))));
    QCOMPARE(admin.wordButtons(), kLetter);
    QVERIFY(admin.click(f.path(QStringLiteral("A/árbol"))));
    QCOMPARE(admin.wordButtons(), kWord);
    QVERIFY(admin.click(f.path(QStringLiteral("B"))));
    QCOMPARE(admin.wordButtons(), kLetter);
    // A folder inside a word folder is neither a letter nor a word.
    QVERIFY(admin.click(f.path(QStringLiteral("A/ajo/extra"))));
    QCOMPARE(admin.wordButtons(), kNone);
}

void TestAdmWindow::shouldDeleteWordWithLinksAndWholeFolder()
{
    Fixture f;
    Admin admin(f);
    QVERIFY(admin.click(f.path(QStringLiteral("A/ajo"))));
    {
        // Answered "No": nothing goes, and nothing stays selected.
        MessageBoxAnswerer no({QStringLiteral("&No")});
        admin.press("deleteWordButton");
        QCOMPARE(no.boxes.size(), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM word_x_category")), 3);
        QVERIFY(QFile::exists(f.path(QStringLiteral("A/ajo/.miniatura"))));
        QCOMPARE(admin.wordButtons(), kNone);
    }
    QVERIFY(admin.click(f.path(QStringLiteral("A/ajo"))));
    MessageBoxAnswerer answerer({QStringLiteral("&Sí")});
    admin.press("deleteWordButton");
    QCOMPARE(answerer.boxes.size(), 2);
    QVERIFY(answerer.boxes[0].title.contains(QStringLiteral("Eliminar")));
    QVERIFY(answerer.boxes[0].text.contains(QStringLiteral("palabra ajo")));
    QCOMPARE(answerer.boxes[0].buttons, (QStringList{QStringLiteral("&Sí"), QStringLiteral("&No")}));
    QCOMPARE(answerer.boxes[0].defaultButton, QStringLiteral("&No"));
    QVERIFY(answerer.boxes[1].title.contains(QStringLiteral("Eliminar")));
    QVERIFY(answerer.boxes[1].text.contains(QStringLiteral("eliminada")));

    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM word WHERE id = %1").arg(f.ajo)), 0);
    QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("A/ajo"))));
    QVERIFY(QFile::exists(f.path(QStringLiteral("A/árbol/imagen.png"))));
    QCOMPARE(admin.wordButtons(), kNone);
}

void TestAdmWindow::shouldDeleteLetterWithItsWordsOnlyFromItsFolder()
{
    Fixture f;
    Admin admin(f);
    QVERIFY(admin.click(f.path(QStringLiteral("A"))));
    admin.press("deleteWordButton"); // disabled: nothing happens
    QVERIFY(QFileInfo::exists(f.path(QStringLiteral("A"))));
    // The button is only there for words; the letter is deleted through the slot.
    MessageBoxAnswerer answerer({QStringLiteral("&Sí")});
    admin.window.slotDeleteLetter();
    QCOMPARE(answerer.titles(),
             (QStringList{QStringLiteral("Eliminar letra"), QStringLiteral("Eliminar letra")}));
    QVERIFY(answerer.boxes[0].text.contains(QStringLiteral("letra A")));
    QCOMPARE(answerer.boxes[0].defaultButton, QStringLiteral("&No"));
    QVERIFY(answerer.boxes[1].text.contains(QStringLiteral("eliminada")));

    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM word")), 1);
    QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("A"))));
    QVERIFY(QFile::exists(f.path(QStringLiteral("B/bota/imagen.png"))));
    QCOMPARE(QDir(f.root).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("B")});
    QTRY_COMPARE(admin.model->rowCount(admin.tree->rootIndex()), 1);
}

void TestAdmWindow::shouldOfferAFolderWithoutWordAsAFolder()
{
    Fixture f;
    QVERIFY(writeFile(f.path(QStringLiteral("A/suelto/foto.jpg"))));
    QVERIFY(writeFile(f.path(QStringLiteral("A/suelto/boca.mov"))));
    QVERIFY(writeFile(f.path(QStringLiteral("A/suelto/seña.mp4"))));
    Admin admin(f);
    QVERIFY(admin.click(f.path(QStringLiteral("A/suelto"))));
    QVERIFY(admin.model->index(f.path(QStringLiteral("A/suelto"))).data().toString().contains(
        QStringLiteral("sin palabra")));
    QCOMPARE(admin.model->index(f.path(QStringLiteral("A/ajo"))).data().toString(), QStringLiteral("ajo"));
    QCOMPARE(admin.wordButtons(), kWord);

    // Made a word of: the editor opens with the folder's description and files.
    VideoProbe::setProbe([](const QString&) { return true; });
    admin.press("editWordButton");
    auto* editor = topLevel<MediaWidget>();
    QVERIFY(editor);
    QVERIFY(editor->windowTitle().contains(QStringLiteral("nueva")));
    const auto field = [&](const char* name) {
        return editor->findChild<QLineEdit*>(QLatin1String(name))->text();
    };
    QCOMPARE(field("fullNameField"), QStringLiteral("suelto"));
    QCOMPARE(field("imageField"), f.path(QStringLiteral("A/suelto/foto.jpg")));
    QCOMPARE(field("signField"), f.path(QStringLiteral("A/suelto/seña.mp4")));
    QCOMPARE(field("lipsField"), f.path(QStringLiteral("A/suelto/boca.mov")));
    {
        MessageBoxAnswerer answerer;
        editor->findChild<QPushButton*>(QStringLiteral("acceptButton"))->click();
        QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Palabra creada.")});
    }
    VideoProbe::setProbe({});
    Word made;
    Letter a;
    QVERIFY(a.loadById(f.a));
    QVERIFY(made.loadByFullName(QStringLiteral("suelto"), &a));
    QCOMPARE(QDir(f.path(QStringLiteral("A/suelto"))).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("boca.mov"), QStringLiteral("foto.jpg"),
                          QStringLiteral("seña.mp4")}));

    // Removed: only that folder goes, never its letter; "No" is the default.
    QVERIFY(QDir().mkpath(f.path(QStringLiteral("A/otro/dentro"))));
    QVERIFY(admin.click(f.path(QStringLiteral("A/otro"))));
    MessageBoxAnswerer answerer({QStringLiteral("&Sí")});
    admin.press("deleteWordButton");
    QCOMPARE(answerer.titles(),
             (QStringList{QStringLiteral("Eliminar carpeta"), QStringLiteral("Eliminar carpeta")}));
    QCOMPARE(answerer.boxes[0].defaultButton, QStringLiteral("&No"));
    QVERIFY(!answerer.boxes[0].text.contains(QStringLiteral("letra A")));
    QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("A/otro"))));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM letter")), 2);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM word")), 4);
    QVERIFY(QFile::exists(f.path(QStringLiteral("A/ajo/imagen.png"))));
}

void TestAdmWindow::shouldReportADeletionThatCouldNotBeDone_data()
{
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QString>("keyWord");
    QTest::newRow("read-only media") << "media" << "carpeta";
    QTest::newRow("database refusing") << "database" << "base de datos";
    QTest::newRow("changed on another PC since chosen") << "another PC" << "cambió en otro equipo";
    QTest::newRow("being deleted on another PC") << "deleting" << "eliminando ahora mismo en otro equipo";
}

void TestAdmWindow::shouldReportADeletionThatCouldNotBeDone()
{
    QFETCH(QString, failing);
    QFETCH(QString, keyWord);
    Fixture f;
    Admin admin(f);
    const QString folder = f.path(QStringLiteral("A/ajo"));
    if (failing == QLatin1String("media")) {
        MediaStore::setRefusal([&](const QString& path) {
            return QDir::cleanPath(path) == folder ? MediaStore::Refused::ReadOnly
                                                   : MediaStore::Refused::None;
        });
    } else if (failing == QLatin1String("database")) {
        QVERIFY(TestHome::exec(QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON word "
                                              "BEGIN SELECT RAISE(ABORT, 'full'); END")));
    }
    WorkLock deletion; // what another PC deleting the word holds
    if (failing == QLatin1String("deleting"))
        QVERIFY(WordSaver::holdDeletion(deletion, folder, f.path(QString())));
    QVERIFY(admin.click(folder));
    if (failing == QLatin1String("another PC"))
        QVERIFY(TestHome::exec(QStringLiteral("UPDATE word SET revision = revision + 1 WHERE id = %1").arg(f.ajo)));
    MessageBoxAnswerer answerer({QStringLiteral("&Sí")});
    admin.press("deleteWordButton");
    MediaStore::setRefusal({});
    QCOMPARE(answerer.boxes.size(), 2);
    QVERIFY(answerer.boxes[1].text.contains(QStringLiteral("no ha sido eliminada"))
            || answerer.boxes[1].text.contains(QStringLiteral("no se ha borrado nada"))
            || answerer.boxes[1].text.contains(QStringLiteral("no se ha cambiado nada")));
    QVERIFY(answerer.boxes[1].text.contains(keyWord));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM word WHERE id = %1").arg(f.ajo)), 1);
    QVERIFY(QFile::exists(f.path(QStringLiteral("A/ajo/.miniatura"))));
    QCOMPARE(QDir(f.path(QStringLiteral("A"))).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot).size(), 3);
}

void TestAdmWindow::shouldOpenWordEditorAndShowTheNewFolder()
{
    Fixture f;
    Admin admin(f);
    // The "videos" here are pictures: the player's verdict is not the point.
    VideoProbe::setProbe([](const QString&) { return true; });
    QVERIFY(admin.click(f.path(QStringLiteral("B"))));
    admin.press("addWordButton");
    auto* editor = topLevel<MediaWidget>();
    QVERIFY(editor);
    QVERIFY(editor->windowTitle().contains(QStringLiteral("nueva")));
    const QString picture = f.home.path() + QStringLiteral("/barco.png");
    QVERIFY(writeFile(picture));
    editor->findChild<QLineEdit*>(QStringLiteral("nameField"))->setText(QStringLiteral("barco"));
    editor->findChild<QLineEdit*>(QStringLiteral("fullNameField"))->setText(QStringLiteral("barco"));
    for (const char* name : {"imageField", "signField", "lipsField"})
        editor->findChild<QLineEdit*>(QLatin1String(name))->setText(picture);
    MessageBoxAnswerer answerer;
    editor->findChild<QPushButton*>(QStringLiteral("acceptButton"))->click();
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Palabra creada.")});
    QVERIFY(QFile::exists(f.path(QStringLiteral("B/barco/barco.png"))));
    const QModelIndex letterB = admin.model->index(f.path(QStringLiteral("B")));
    QTRY_COMPARE(admin.model->rowCount(letterB), 2);

    // The new word is the next one to edit.
    QVERIFY(admin.click(f.path(QStringLiteral("B/barco"))));
    admin.press("editWordButton");
    editor = topLevel<MediaWidget>();
    QVERIFY(editor);
    QVERIFY(editor->windowTitle().contains(QStringLiteral("Editar")));
    QCOMPARE(editor->findChild<QLineEdit*>(QStringLiteral("fullNameField"))->text(),
             QStringLiteral("barco"));
    editor->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    VideoProbe::setProbe({});
}

void TestAdmWindow::shouldDropHighlightWhenTheClickedFolderIsRenamed()
{
    Fixture f;
    Admin admin(f);
    QVERIFY(admin.click(f.path(QStringLiteral("A/ajo"))));
    admin.press("editWordButton");
    auto* editor = topLevel<MediaWidget>();
    QVERIFY(editor);
    editor->findChild<QLineEdit*>(QStringLiteral("fullNameField"))->setText(QStringLiteral("ajo morado"));
    MessageBoxAnswerer answerer;
    editor->findChild<QPushButton*>(QStringLiteral("acceptButton"))->click();
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Palabra editada.")});
    QVERIFY(QFile::exists(f.path(QStringLiteral("A/ajo morado/.miniatura"))));

    // The neighbour "árbol" must not look selected while the buttons act on
    // the renamed word.
    QTRY_VERIFY(!admin.tree->currentIndex().isValid());
    QCOMPARE(admin.wordButtons(), kNone);
    QVERIFY(admin.click(f.path(QStringLiteral("A/ajo morado"))));
    QCOMPARE(admin.wordButtons(), kWord);
}

void TestAdmWindow::shouldListSelectAndDeleteCategories()
{
    Fixture f;
    Admin admin(f);
    child<QTabWidget>(&admin.window, "tabWidget")->setCurrentIndex(1);
    QCOMPARE(admin.categoryRows(), (QStringList{QStringLiteral("ANIMALES"), QStringLiteral("COLORES")}));
    QCOMPARE(admin.categoryButtons(), (QList<bool>{true, false, false, false}));
    admin.clickCategory(QStringLiteral("ANIMALES"));
    QCOMPARE(admin.categoryButtons(), (QList<bool>{true, true, true, true}));

    MessageBoxAnswerer answerer({QStringLiteral("&Sí")});
    admin.press("deleteCategoryButton");
    QCOMPARE(answerer.titles(),
             (QStringList{QStringLiteral("Eliminar categoría"), QStringLiteral("Eliminar categoría")}));
    QVERIFY(answerer.boxes[0].text.contains(QStringLiteral("categoría")));
    QCOMPARE(answerer.boxes[0].defaultButton, QStringLiteral("&No"));
    QVERIFY(answerer.boxes[1].text.contains(QStringLiteral("eliminada")));
    QCOMPARE(admin.categoryRows(), QStringList{QStringLiteral("COLORES")});
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM word_x_category")), 0);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM word")), 3);
    // Nothing is left selected that could be edited or deleted once more.
    QCOMPARE(admin.categoryButtons(), (QList<bool>{true, false, false, false}));

    // A deletion the database refuses is reported, not passed over.
    QVERIFY(TestHome::exec(QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON category "
                                          "BEGIN SELECT RAISE(ABORT, 'full'); END")));
    admin.clickCategory(QStringLiteral("COLORES"));
    admin.press("deleteCategoryButton"); // answered "&Sí" again
    QCOMPARE(answerer.boxes.size(), 4);
    QVERIFY(answerer.boxes[3].text.contains(QStringLiteral("no ha sido eliminada")));
    QCOMPARE(admin.categoryRows(), QStringList{QStringLiteral("COLORES")});
}

void TestAdmWindow::shouldCreateCategoryThroughTheEditor()
{
    Fixture f;
    Admin admin(f);
    child<QTabWidget>(&admin.window, "tabWidget")->setCurrentIndex(1);
    admin.press("addCategoryButton");
    auto* editor = topLevel<CategoryWidget>();
    QVERIFY(editor);
    editor->findChild<QLineEdit*>(QStringLiteral("nameField"))->setText(QStringLiteral("frutas"));
    MessageBoxAnswerer answerer;
    editor->findChild<QPushButton*>(QStringLiteral("acceptButton"))->click();
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Categoría creada.")});
    QCOMPARE(admin.categoryRows(),
             (QStringList{QStringLiteral("ANIMALES"), QStringLiteral("COLORES"),
                          QStringLiteral("FRUTAS")}));
    // Editing the selected category renames it in place in the sorted list.
    admin.clickCategory(QStringLiteral("COLORES"));
    admin.press("editCategoryButton");
    editor = topLevel<CategoryWidget>();
    QVERIFY(editor);
    editor->findChild<QLineEdit*>(QStringLiteral("nameField"))->setText(QStringLiteral("Tonos"));
    editor->findChild<QPushButton*>(QStringLiteral("acceptButton"))->click();
    QCOMPARE(admin.categoryRows(),
             (QStringList{QStringLiteral("ANIMALES"), QStringLiteral("FRUTAS"), QStringLiteral("TONOS")}));
}

void TestAdmWindow::shouldOpenWordsOfCategory()
{
    Fixture f;
    TestHome::link(TestHome::addWord(QStringLiteral("burro"), f.b), f.colors);
    // The main window's list holds the running activity's word: untouched.
    Config noFilters;
    Letter a;
    QVERIFY(a.loadById(f.a));
    f.words.selectRandom(noFilters, &a);
    const int running = f.words.size();
    QVERIFY(running > 0);
    Admin admin(f);
    child<QTabWidget>(&admin.window, "tabWidget")->setCurrentIndex(1);
    admin.clickCategory(QStringLiteral("ANIMALES"));
    admin.press("categoryWordsButton");
    QPointer<CategoryWordWidget> list = topLevel<CategoryWordWidget>();
    QVERIFY(list);
    QVERIFY(list->windowTitle().contains(QStringLiteral("ANIMALES")));
    auto* words = list->findChild<QListWidget*>(QStringLiteral("wordsList"));
    QStringList rows;
    for (int row = 0; row < words->count(); ++row)
        rows << words->item(row)->text();
    QCOMPARE(rows, (QStringList{QStringLiteral("ajo"), QStringLiteral("árbol"), QStringLiteral("bota")}));
    QCOMPARE(words->item(2)->data(Qt::UserRole).toInt(), f.bota);
    QCOMPARE(f.words.size(), running);
    QSignalSpy done(list.data(), &CategoryWordWidget::done);
    list->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    QCOMPARE(done.count(), 1);
    QTRY_VERIFY(list.isNull());
}

void TestAdmWindow::shouldSaveCategoryNameInUpperCase_data()
{
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reported"); // a word of the message's title
    QTest::addColumn<QStringList>("names");
    QTest::newRow("new") << false << "frutas ñ" << "creada" << QStringList{"ANIMALES", "COLORES", "FRUTAS Ñ"};
    QTest::newRow("renamed") << true << "Mascotas" << "editada" << QStringList{"MASCOTAS", "COLORES"};
    QTest::newRow("its own name again") << true << "ANIMALES" << "editada" << QStringList{"ANIMALES", "COLORES"};
    QTest::newRow("its own name in lower case") << true << "animales" << "editada" << QStringList{"ANIMALES", "COLORES"};
    QTest::newRow("blanks around dropped") << false << "  ropa " << "creada" << QStringList{"ANIMALES", "COLORES", "ROPA"};
}

void TestAdmWindow::shouldSaveCategoryNameInUpperCase()
{
    QFETCH(bool, editing);
    QFETCH(QString, typed);
    QFETCH(QString, reported);
    QFETCH(QStringList, names);
    Fixture f;
    Category category;
    QVERIFY(category.loadById(f.animals));
    QPointer<CategoryWidget> editor = new CategoryWidget(0, &f.language, editing ? &category : nullptr);
    editor->show();
    QCOMPARE(editor->findChild<QLineEdit*>(QStringLiteral("nameField"))->text(),
             editing ? QStringLiteral("ANIMALES") : QString());
    QSignalSpy done(editor.data(), &CategoryWidget::done);
    const auto box = accept(editor, typed);
    QVERIFY2(box.title.contains(reported), qPrintable(box.title));
    QVERIFY(box.text.contains(typed.trimmed()));
    QCOMPARE(done.count(), 1);
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(categoryNames(f.language.id), names);
    if (editing)
        QCOMPARE(category.name, names.first());
}

void TestAdmWindow::shouldRefuseEmptyOrTakenCategoryName_data()
{
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("named"); // the existing category the message names
    QTest::newRow("empty name") << false << "" << "vacíos" << "";
    // A name that shows nothing would be an empty row at the top of every list.
    QTest::newRow("blanks") << false << "   " << "vacíos" << "";
    QTest::newRow("zero-width space") << false << "\u200B" << "vacíos" << "";
    QTest::newRow("format characters and a blank") << false << "\u2060 \uFEFF" << "vacíos" << "";
    QTest::newRow("new, same case") << false << "ANIMALES" << "repetida" << "ANIMALES";
    QTest::newRow("new, lower case") << false << "animales" << "repetida" << "ANIMALES";
    QTest::newRow("new, with a trailing blank") << false << "animales " << "repetida" << "ANIMALES";
    QTest::newRow("new, with an accent") << false << "Ánimales" << "repetida" << "ANIMALES";
    QTest::newRow("new, with an invisible space") << false << "ani\u200Bmales" << "repetida" << "ANIMALES";
    QTest::newRow("renaming onto another") << true << "Animales" << "repetida" << "ANIMALES";
}

void TestAdmWindow::shouldRefuseEmptyOrTakenCategoryName()
{
    QFETCH(bool, editing);
    QFETCH(QString, typed);
    QFETCH(QString, title);
    QFETCH(QString, named);
    Fixture f;
    const int other = TestHome::addLanguage(QStringLiteral("Català"));
    TestHome::addCategory(QStringLiteral("ANIMALES"), other); // no clash: another language
    TestHome::addCategory(QStringLiteral("TONOS"), other);
    Category fruit;
    QVERIFY(fruit.loadById(TestHome::addCategory(QStringLiteral("FRUTAS"), f.language.id)));

    QPointer<CategoryWidget> editor = new CategoryWidget(0, &f.language, editing ? &fruit : nullptr);
    editor->show();
    QSignalSpy done(editor.data(), &CategoryWidget::done);
    auto box = accept(editor, typed);
    QVERIFY2(box.title.contains(title), qPrintable(box.title));
    QVERIFY2(box.text.contains(named), qPrintable(box.text));
    QVERIFY(editor->isVisible());
    QCOMPARE(done.count(), 0);
    QCOMPARE(categoryNames(f.language.id),
             (QStringList{QStringLiteral("ANIMALES"), QStringLiteral("COLORES"), QStringLiteral("FRUTAS")}));
    // A name used only in another language is free.
    box = accept(editor, QStringLiteral("tonos"));
    QCOMPARE(done.count(), 1);
    QVERIFY(categoryNames(f.language.id).contains(QStringLiteral("TONOS")));
}

void TestAdmWindow::shouldWriteNoCategoryWhenEditorClosedThroughTitleBar()
{
    Fixture f;
    QPointer<CategoryWidget> editor = new CategoryWidget(0, &f.language);
    editor->show();
    QSignalSpy done(editor.data(), &CategoryWidget::done);
    editor->findChild<QLineEdit*>(QStringLiteral("nameField"))->setText(QStringLiteral("colores"));
    editor->close();
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(done.count(), 0);
    QCOMPARE(categoryNames(f.language.id).size(), 2);
}

void TestAdmWindow::shouldExportCheckedWordsAndImportThemThroughThePreview()
{
    VideoProbe::setProbe([](const QString&) { return true; });
    QTemporaryDir packs;
    const QString pack = packs.filePath(QStringLiteral("animales.ondalira"));
    {
        Fixture f;
        for (const QString& word : {QStringLiteral("A/árbol"), QStringLiteral("B/bota")}) {
            QImage picture(4, 4, QImage::Format_RGB32);
            picture.fill(Qt::green);
            QVERIFY(picture.save(f.path(word + QStringLiteral("/imagen.png"))));
        }
        Admin admin(f);
        QVERIFY(child<QPushButton>(&admin.window, "exportPackButton")->isEnabled());
        ExportPackDialog dialog(&f.language, &admin.window);
        auto* tree = child<QTreeWidget>(&dialog, "packWordsTree");
        QCOMPARE(tree->topLevelItemCount(), 2);
        // The whole letter B and the word "árbol" of A.
        tree->topLevelItem(1)->setCheckState(0, Qt::Checked);
        QTreeWidgetItem* a = tree->topLevelItem(0);
        for (int i = 0; i < a->childCount(); ++i) {
            if (a->child(i)->text(0) == QStringLiteral("árbol"))
                a->child(i)->setCheckState(0, Qt::Checked);
        }
        child<QLineEdit>(&dialog, "packTitle")->setText(QStringLiteral("Animales"));
        child<QLineEdit>(&dialog, "packAuthor")->setText(QStringLiteral("Ana"));
        MessageBoxAnswerer answerer;
        QVERIFY(dialog.exportTo(pack));
        QVERIFY2(answerer.boxes.value(0).text.contains(QStringLiteral("2 palabras")),
                 qPrintable(answerer.boxes.value(0).text));
    }
    // Another school that has "bota" already takes theirs for it.
    Fixture f;
    QVERIFY(TestHome::exec(QStringLiteral("DELETE FROM word WHERE fullName = 'árbol'")));
    QVERIFY(QDir(f.path(QStringLiteral("A/árbol"))).removeRecursively());
    Admin admin(f);
    QStringList preview;
    QTimer driver;
    driver.setInterval(5);
    QObject::connect(&driver, &QTimer::timeout, &driver, [&] {
        auto* dialog = qobject_cast<ImportPackDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        driver.stop();
        preview << child<QLabel>(dialog, "packAbout")->text()
                << child<QLabel>(dialog, "packSummary")->text();
        child<QComboBox>(dialog, "packChoiceAll")->setCurrentIndex(int(ContentPack::Conflict::TakeTheirs));
        child<QPushButton>(dialog, "packImportButton")->click();
    });
    driver.start();
    MessageBoxAnswerer answerer;
    QVERIFY(importPackInteractively(&f.language, pack, &admin.window));
    QVERIFY2(preview.join(QLatin1Char('\n')).contains(QStringLiteral("Animales")), qPrintable(preview.join(QLatin1Char('\n'))));
    QVERIFY(preview.join(QLatin1Char('\n')).contains(QStringLiteral("nuevas: 1, ya existen: 1")));
    QCOMPARE(answerer.boxes.size(), 1);
    QVERIFY(answerer.boxes.value(0).text.contains(QStringLiteral("Añadidas: 1: árbol")));
    QVERIFY2(answerer.boxes.value(0).text.contains(QStringLiteral("Reemplazadas: 1: bota")),
             qPrintable(answerer.boxes.value(0).text));
    QImage picture(f.path(QStringLiteral("B/bota/imagen.png")));
    QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::green));
    VideoProbe::setProbe({});
}

QTEST_MAIN(TestAdmWindow)
#include "tst_admwindow.moc"
