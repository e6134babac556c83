#include "admwindow.h"

#include "categorywidget.h"
#include "categorywordwidget.h"
#include "contentlists.h"
#include "mediastore.h"
#include "mediawidget.h"
#include "worklock.h"
#include "packdialogs.h"
#include "wordfoldermodel.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
QPushButton* makeButton(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}
} // namespace

AdmWindow::AdmWindow(LetterList* letters, WordList* words, CategoryList* categories,
                     QWidget* parent)
    : QDialog(parent, Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , letterList(letters)
    , wordList(words)
    , categoryList(categories)
{
    setModal(true);

    directoryModel = new WordFolderModel(this);
    directoryModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    lettersTree = new QTreeView(this);
    lettersTree->setObjectName(QStringLiteral("lettersTree"));
    lettersTree->setModel(directoryModel);
    for (int column = 1; column <= 4; ++column)
        lettersTree->setColumnHidden(column, true);
    lettersTree->setHeaderHidden(true);
    lettersTree->setMouseTracking(true);
    connect(lettersTree, &QTreeView::clicked, this, &AdmWindow::slotLetterClicked);
    connect(directoryModel, &QFileSystemModel::rowsRemoved, this,
            &AdmWindow::forgetRemovedEntry);
    lettersCaption = new QLabel(this);
    lettersCaption->setObjectName(QStringLiteral("lettersCaption"));
    categoriesCaption = new QLabel(this);
    categoriesCaption->setObjectName(QStringLiteral("categoriesCaption"));

    buildLettersTab();
    buildCategoriesTab();
    buildTabs();

    lettersPage->setEnabled(false);
    categoriesPage->setEnabled(false);
    tabWidget->setTabEnabled(1, false);

    // Content packs: words shared with other schools.
    exportPackButton = makeButton(tr("Exportar paquete…"), "exportPackButton", this);
    importPackButton = makeButton(tr("Importar paquete…"), "importPackButton", this);
    exportPackButton->setEnabled(false);
    importPackButton->setEnabled(false);
    connect(exportPackButton, &QPushButton::clicked, this, &AdmWindow::slotExportPack);
    connect(importPackButton, &QPushButton::clicked, this, &AdmWindow::slotImportPack);
    auto* packButtons = new QHBoxLayout;
    packButtons->addWidget(exportPackButton);
    packButtons->addWidget(importPackButton);

    auto* column = new QVBoxLayout(this);
    column->addWidget(tabWidget);
    column->addLayout(packButtons);
    setWindowTitle(tr("Administrador de Medios"));
    resize(480, 320);
}

AdmWindow::~AdmWindow() = default;

void AdmWindow::buildLettersTab()
{
    lettersPage = new QWidget(this);
    addWordButton = makeButton(tr("Agregar palabra"), "addWordButton", lettersPage);
    editWordButton = makeButton(tr("Editar palabra"), "editWordButton", lettersPage);
    deleteWordButton = makeButton(tr("Eliminar palabra"), "deleteWordButton", lettersPage);
    connect(addWordButton, &QPushButton::clicked, this, &AdmWindow::slotInsertLetter);
    connect(editWordButton, &QPushButton::clicked, this, &AdmWindow::slotEditLetter);
    connect(deleteWordButton, &QPushButton::clicked, this, &AdmWindow::slotDeleteLetter);
    setWordButtons(false, false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addWordButton);
    buttons->addWidget(editWordButton);
    buttons->addWidget(deleteWordButton);
    auto* column = new QVBoxLayout(lettersPage);
    column->addWidget(lettersCaption);
    column->addWidget(lettersTree);
    column->addLayout(buttons);
}

void AdmWindow::buildCategoriesTab()
{
    categoriesPage = new QWidget(this);
    categoriesList = new QListWidget(categoriesPage);
    categoriesList->setObjectName(QStringLiteral("categoriesList"));
    addCategoryButton = makeButton(tr("Agregar categoría"), "addCategoryButton", categoriesPage);
    editCategoryButton = makeButton(tr("Editar categoría"), "editCategoryButton", categoriesPage);
    deleteCategoryButton
        = makeButton(tr("Eliminar categoría"), "deleteCategoryButton", categoriesPage);
    categoryWordsButton = makeButton(tr("Ver palabras de esta categoría"), "categoryWordsButton",
                                     categoriesPage);
    connect(categoriesList, &QListWidget::itemClicked, this, &AdmWindow::slotCategoryClicked);
    connect(addCategoryButton, &QPushButton::clicked, this, &AdmWindow::slotInsertCategory);
    connect(editCategoryButton, &QPushButton::clicked, this, &AdmWindow::slotEditCategory);
    connect(deleteCategoryButton, &QPushButton::clicked, this, &AdmWindow::slotDeleteCategory);
    connect(categoryWordsButton, &QPushButton::clicked, this, &AdmWindow::slotShowWordsCategory);
    setCategoryButtons(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addCategoryButton);
    buttons->addWidget(editCategoryButton);
    buttons->addWidget(deleteCategoryButton);
    buttons->addWidget(categoryWordsButton);
    auto* column = new QVBoxLayout(categoriesPage);
    column->addWidget(categoriesCaption);
    column->addWidget(categoriesList);
    column->addLayout(buttons);
}

void AdmWindow::buildTabs()
{
    tabWidget = new QTabWidget(this);
    tabWidget->setObjectName(QStringLiteral("tabWidget"));
    tabWidget->addTab(lettersPage, tr("Letras"));
    tabWidget->addTab(categoriesPage, tr("Categorías"));
    connect(tabWidget, &QTabWidget::currentChanged, this, &AdmWindow::slotTabs);
}

void AdmWindow::setWordButtons(bool add, bool edit)
{
    addWordButton->setEnabled(add);
    editWordButton->setEnabled(edit);
    deleteWordButton->setEnabled(edit);
}

void AdmWindow::setCategoryButtons(bool enabled)
{
    editCategoryButton->setEnabled(enabled);
    deleteCategoryButton->setEnabled(enabled);
    categoryWordsButton->setEnabled(enabled);
}

QString AdmWindow::lettersPath() const
{
    return language ? MediaStore::lettersFolder(*language) : QString();
}

void AdmWindow::setLanguage(Language* newLanguage)
{
    // A selection made in another language must not act on this one.
    if (language && newLanguage && language->id != newLanguage->id) {
        selectedLetter.reset();
        selectedWord.reset();
        selectedCategory.reset();
        setWordButtons(false, false);
        setCategoryButtons(false);
    }
    language = newLanguage;
    directoryModel->setLanguage(language);
    lettersCaption->setText(tr("Medios instalados"));
    lettersPage->setEnabled(true);
    categoriesPage->setEnabled(true);
    tabWidget->setTabEnabled(1, true);
    exportPackButton->setEnabled(language != nullptr);
    importPackButton->setEnabled(language != nullptr);
    slotTabs(0);
}

void AdmWindow::slotExportPack()
{
    if (!language)
        return;
    ExportPackDialog dialog(language, this);
    dialog.exec();
}

void AdmWindow::slotImportPack()
{
    if (!language)
        return;
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Importar paquete"), QDir::homePath(),
        tr("Paquetes de Ondalira (*.%1)").arg(ContentPack::suffix()));
    if (path.isEmpty())
        return;
    importPackInteractively(language, path, this);
    // Whatever was written shows, even after a failure half way.
    categoryList->loadOfLanguage(language);
    slotTabs(tabWidget->currentIndex());
}

void AdmWindow::slotTabs(int index)
{
    if (!language)
        return;
    if (index == 0) {
        const QString path = lettersPath();
        // Without its folder the language has nothing to browse; an invalid
        // root would show the whole file system instead.
        const bool exists = QFileInfo(path).isDir();
        lettersTree->setVisible(exists);
        if (!exists)
            return;
        directoryModel->setRootPath(path);
        lettersTree->setRootIndex(directoryModel->index(path));
        slotRefresh();
    } else if (index == 1) {
        slotRefreshCategoriesList();
    }
}

void AdmWindow::slotLetterClicked(const QModelIndex&)
{
    const QModelIndex current = lettersTree->currentIndex();
    const QModelIndex parent = current.parent();
    if (!current.isValid() || !parent.isValid())
        return;
    clickedEntry = current;
    entryClicked = true;
    folderWithoutWord.clear();
    directoryModel->forgetRecords();
    const QModelIndex root = lettersTree->rootIndex();
    if (parent == root) {
        // A letter folder.
        auto letter = std::make_unique<Letter>();
        if (letter->loadByName(directoryModel->entryName(current), language))
            selectedLetter = std::move(letter);
        else
            selectedLetter.reset();
        selectedWord.reset();
        setWordButtons(true, false);
    } else if (parent.parent() == root) {
        // A word folder inside a letter folder.
        auto letter = std::make_unique<Letter>();
        auto word = std::make_unique<Word>();
        const bool letterFound
            = letter->loadByName(directoryModel->entryName(parent), language);
        selectedWord.reset();
        selectedLetter = letterFound ? std::move(letter) : nullptr;
        if (selectedLetter && word->loadByFullName(directoryModel->entryName(current),
                                                   selectedLetter.get()))
            selectedWord = std::move(word);
        // A folder without its record: it may be removed, or made a word of,
        // but it never stands for its letter.
        if (!selectedWord)
            folderWithoutWord = directoryModel->filePath(current);
        setWordButtons(false, true);
    } else {
        // Deeper folders are neither letters nor words.
        selectedWord.reset();
        selectedLetter.reset();
        setWordButtons(false, false);
    }
}

// When the clicked folder disappears (renamed or deleted on disk), the view
// would move its highlight to a neighbour that is not the selection: take
// the highlight and the buttons away instead. The records stay alive, since
// an editor that is still open may be working on them.
void AdmWindow::forgetRemovedEntry()
{
    if (!entryClicked || clickedEntry.isValid())
        return;
    entryClicked = false;
    lettersTree->selectionModel()->clear();
    setWordButtons(false, false);
}

// The file-system model follows the disk by itself; these make sure the
// folder in question has been read at all.
void AdmWindow::slotRefresh()
{
    directoryModel->forgetRecords();
    const QModelIndex current = lettersTree->currentIndex();
    if (current.isValid() && directoryModel->canFetchMore(current))
        directoryModel->fetchMore(current);
}

void AdmWindow::slotRefreshParent()
{
    directoryModel->forgetRecords();
    const QModelIndex parent = lettersTree->currentIndex().parent();
    if (parent.isValid() && directoryModel->canFetchMore(parent))
        directoryModel->fetchMore(parent);
}

void AdmWindow::slotInsertLetter()
{
    if (!language || !selectedLetter)
        return;
    auto* editor = new MediaWidget(0, language, selectedLetter.get(), categoryList, nullptr);
    connect(editor, &MediaWidget::done, this, &AdmWindow::slotRefresh);
    editor->show();
}

void AdmWindow::slotEditLetter()
{
    if (language && selectedLetter && !folderWithoutWord.isEmpty()) {
        // Made a word of: the editor opens filled in from the folder.
        auto* editor = new MediaWidget(0, language, selectedLetter.get(), categoryList, nullptr);
        editor->setForm(WordSaver::formFromFolder(folderWithoutWord));
        connect(editor, &MediaWidget::done, this, &AdmWindow::slotRefreshParent);
        editor->show();
        return;
    }
    if (!language || !selectedLetter || !selectedWord)
        return;
    auto* editor
        = new MediaWidget(0, language, selectedLetter.get(), categoryList, selectedWord.get());
    connect(editor, &MediaWidget::done, this, &AdmWindow::slotRefreshParent);
    editor->show();
}

// Every question that deletes something answers "No" to a stray Return.
bool AdmWindow::confirm(const QString& title, const QString& question)
{
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::NoButton, this);
    QPushButton* yes = box.addButton(tr("&Sí"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(tr("&No"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void AdmWindow::slotDeleteLetter()
{
    if (language && !folderWithoutWord.isEmpty())
        deleteFolderWithoutWord();
    else if (language && selectedLetter && selectedWord)
        deleteSelectedWord();
    else if (language && selectedLetter)
        deleteSelectedLetter();
    folderWithoutWord.clear();
    selectedWord.reset();
    selectedLetter.reset();
    setWordButtons(false, false);
    slotRefreshParent();
}

// A deletion first moves the folder aside: when the media library cannot be
// changed nothing is deleted at all, and a crash in between leaves a folder
// that the next start puts back or removes (WordSaver::reconcile).
void AdmWindow::deleteSelectedLetter()
{
    const QString name = selectedLetter->name;
    if (!confirm(tr("Eliminar letra"),
                 tr("¿Está seguro de eliminar la letra %1?\nTodas las palabras y los medios "
                    "asociados con esta letra serán eliminados.")
                     .arg(name)))
        return;
    const QString folder = selectedLetter->folderPath();
    WorkLock deletion;
    if (!WordSaver::holdDeletion(deletion, folder, lettersPath())) {
        reportDeletionElsewhere(name);
        return;
    }
    QString aside;
    if (!MediaStore::moveAside(folder, lettersPath(), &aside)) {
        QMessageBox::warning(this, tr("Eliminar letra"),
                             tr("La letra %1 no ha sido eliminada: su carpeta %2 no se puede "
                                "modificar.")
                                 .arg(name, QDir::toNativeSeparators(folder)),
                             QMessageBox::Ok);
        return;
    }
    if (!selectedLetter->removeWithWords()) {
        MediaStore::moveBack(aside, folder);
        QMessageBox::warning(this, tr("Eliminar letra"),
                             tr("La letra %1 no ha sido eliminada: la base de datos no pudo "
                                "modificarse.")
                                 .arg(name),
                             QMessageBox::Ok);
        return;
    }
    if (removeFolderAside(aside, name))
        QMessageBox::information(this, tr("Eliminar letra"),
                                 tr("La letra %1 ha sido eliminada exitosamente.").arg(name),
                                 QMessageBox::Ok);
}

void AdmWindow::deleteSelectedWord()
{
    const QString name = selectedWord->name;
    if (!confirm(tr("Eliminar palabra"),
                 tr("¿Está seguro de eliminar la palabra %1?\nTodos los medios asociados con "
                    "esta palabra serán eliminados.")
                     .arg(name)))
        return;
    const QString folder = selectedWord->folderPath();
    WorkLock deletion;
    if (!WordSaver::holdDeletion(deletion, folder, lettersPath())) {
        reportDeletionElsewhere(name);
        return;
    }
    QString aside;
    if (!MediaStore::moveAside(folder, lettersPath(), &aside)) {
        QMessageBox::warning(this, tr("Eliminar palabra"),
                             tr("La palabra %1 no ha sido eliminada: su carpeta %2 no se puede "
                                "modificar.")
                                 .arg(name, QDir::toNativeSeparators(folder)),
                             QMessageBox::Ok);
        return;
    }
    // A word changed on another PC since it was selected is not the one the
    // adult chose to delete: it stays, and so do its files.
    if (!selectedWord->removeAsRead()) {
        MediaStore::moveBack(aside, folder);
        QMessageBox::warning(this, tr("Eliminar palabra"),
                             selectedWord->staleness() == Word::Staleness::Changed
                                 ? tr("La palabra «%1» cambió en otro equipo después de "
                                      "elegirla: no se ha borrado nada. Elíjala de nuevo para "
                                      "ver cómo quedó.")
                                       .arg(name)
                                 : tr("La palabra %1 no ha sido eliminada: la base de datos no "
                                      "pudo modificarse.")
                                       .arg(name),
                             QMessageBox::Ok);
        return;
    }
    if (removeFolderAside(aside, name))
        QMessageBox::information(this, tr("Eliminar palabra"),
                                 tr("La palabra %1 ha sido eliminada exitosamente.").arg(name),
                                 QMessageBox::Ok);
}

void AdmWindow::deleteFolderWithoutWord()
{
    const QString name = MediaStore::fileNameOf(folderWithoutWord);
    if (!confirm(tr("Eliminar carpeta"),
                 tr("¿Está seguro de eliminar la carpeta %1?\nNinguna palabra usa esta carpeta; "
                    "se eliminarán la carpeta y los archivos que contiene. La letra y sus "
                    "palabras no cambian.")
                     .arg(name)))
        return;
    WorkLock deletion;
    if (!WordSaver::holdDeletion(deletion, folderWithoutWord, lettersPath())) {
        reportDeletionElsewhere(name);
        return;
    }
    QString aside;
    if (!MediaStore::moveAside(folderWithoutWord, lettersPath(), &aside)) {
        QMessageBox::warning(this, tr("Eliminar carpeta"),
                             tr("La carpeta %1 no se puede modificar; no se ha eliminado.")
                                 .arg(QDir::toNativeSeparators(folderWithoutWord)),
                             QMessageBox::Ok);
        return;
    }
    if (removeFolderAside(aside, name))
        QMessageBox::information(this, tr("Eliminar carpeta"),
                                 tr("La carpeta %1 ha sido eliminada exitosamente.").arg(name),
                                 QMessageBox::Ok);
}

void AdmWindow::reportDeletionElsewhere(const QString& what)
{
    QMessageBox::warning(this, tr("Eliminar"),
                         tr("%1 se está eliminando ahora mismo en otro equipo: aquí no se ha "
                            "cambiado nada.")
                             .arg(what),
                         QMessageBox::Ok);
}

// True when nothing of the folder is left; otherwise says what stayed.
bool AdmWindow::removeFolderAside(const QString& aside, const QString& what)
{
    if (aside.isEmpty())
        return true; // there was no folder
    const MediaStore::Removal removal = MediaStore::removeDirectory(aside, lettersPath());
    if (!removal.refused && !MediaStore::isOccupied(aside))
        return true;
    QMessageBox::warning(this, tr("Error"),
                         tr("%1 ya no está en el administrador, pero algunos de sus archivos no "
                            "pudieron borrarse y quedan en %2.")
                             .arg(what, QDir::toNativeSeparators(aside)),
                         QMessageBox::Ok);
    return false;
}

void AdmWindow::slotCategoryClicked(QListWidgetItem* item)
{
    auto category = std::make_unique<Category>();
    if (item && category->loadById(item->data(Qt::UserRole).toInt()))
        selectedCategory = std::move(category);
    else
        selectedCategory.reset();
    setCategoryButtons(selectedCategory != nullptr);
}

void AdmWindow::slotRefreshCategoriesList()
{
    categoriesList->clear();
    categoryList->loadOfLanguage(language);
    categoryList->reset();
    while (Category* category = categoryList->next()) {
        auto* item = new QListWidgetItem(category->name, categoriesList);
        item->setData(Qt::UserRole, category->id);
    }
}

void AdmWindow::slotInsertCategory()
{
    auto* editor = new CategoryWidget(0, language, nullptr);
    connect(editor, &CategoryWidget::done, this, &AdmWindow::slotRefreshCategoriesList);
    editor->show();
}

void AdmWindow::slotEditCategory()
{
    if (!selectedCategory)
        return;
    auto* editor = new CategoryWidget(0, language, selectedCategory.get());
    connect(editor, &CategoryWidget::done, this, &AdmWindow::slotRefreshCategoriesList);
    editor->show();
}

void AdmWindow::slotShowWordsCategory()
{
    if (!selectedCategory)
        return;
    auto* list = new CategoryWordWidget(wordList, selectedCategory.get());
    list->show();
}

bool AdmWindow::deleteCategory(Category* category)
{
    return category->removeWithLinks();
}

void AdmWindow::slotDeleteCategory()
{
    if (!selectedCategory)
        return;
    const QString name = selectedCategory->name;
    if (!confirm(tr("Eliminar categoría"),
                 tr("¿Está seguro de eliminar la categoría %1?").arg(name)))
        return;
    const bool deleted = deleteCategory(selectedCategory.get());
    slotRefreshCategoriesList();
    if (!deleted) {
        QMessageBox::warning(this, tr("Eliminar categoría"),
                             tr("La categoría %1 no ha sido eliminada: la base de datos no pudo "
                                "modificarse.")
                                 .arg(name),
                             QMessageBox::Ok);
        return;
    }
    // The category is gone: nothing may be edited or deleted under its name.
    selectedCategory.reset();
    setCategoryButtons(false);
    QMessageBox::information(this, tr("Eliminar categoría"),
                             tr("La categoría %1 ha sido eliminada exitosamente.").arg(name),
                             QMessageBox::Ok);
}
