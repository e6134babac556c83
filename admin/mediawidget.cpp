#include "mediawidget.h"

#include "checkablerows.h"
#include "contentlists.h"
#include "mediastore.h"
#include "videoprobe.h"
#include "word.h"

#include <QDir>
#include <QStandardPaths>

#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

// The mode follows from the record: editing when a word is given.
MediaWidget::MediaWidget(int requestedMode, Language* language, Letter* letter,
                         CategoryList* categories, Word* word, QWidget* parent)
    : QDialog(parent, Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , mode(word ? 1 : 0)
    , language(language)
    , letter(letter)
    , word(word)
    , categoryList(categories)
{
    Q_UNUSED(requestedMode);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    if (word)
        shown = WordSaver::shownPaths(*word);
    buildForm(!word && this->mode == 0);
}

MediaWidget::~MediaWidget() = default;

void MediaWidget::buildForm(bool isNew)
{
    auto* letterCaption = new QLabel(tr("Letra: %1").arg(letter ? letter->name : QString()), this);
    const auto makeField = [this](const QString& text, const char* name) {
        auto* field = new QLineEdit(text, this);
        field->setObjectName(QLatin1String(name));
        return field;
    };
    nameField = makeField(isNew ? QString() : word->name, "nameField");
    fullNameField = makeField(isNew ? QString() : word->fullName, "fullNameField");
    imageField = makeField(shown.image, "imageField");
    signField = makeField(shown.sign, "signField");
    lipsField = makeField(shown.lips, "lipsField");
    // Room for a file path.
    for (QLineEdit* field : {nameField, fullNameField, imageField, signField, lipsField})
        field->setMinimumWidth(360);

    const QString browseText = isNew ? tr("Elegir") : tr("Cambiar");
    const auto makeBrowse = [&](const char* name, void (MediaWidget::*slot)()) {
        auto* button = new QPushButton(browseText, this);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, slot);
        return button;
    };

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Palabra escrita"), this), 0, 0);
    grid->addWidget(nameField, 0, 1);
    grid->addWidget(new QLabel(tr("Descripción"), this), 1, 0);
    grid->addWidget(fullNameField, 1, 1);
    grid->addWidget(new QLabel(tr("Imagen"), this), 2, 0);
    grid->addWidget(imageField, 2, 1);
    grid->addWidget(makeBrowse("browseImage", &MediaWidget::slotBrowseWordImage), 2, 2);
    grid->addWidget(new QLabel(tr("Seña"), this), 3, 0);
    grid->addWidget(signField, 3, 1);
    grid->addWidget(makeBrowse("browseSign", &MediaWidget::slotBrowseWordSign), 3, 2);
    grid->addWidget(new QLabel(tr("Modulación"), this), 4, 0);
    grid->addWidget(lipsField, 4, 1);
    grid->addWidget(makeBrowse("browseLips", &MediaWidget::slotBrowseWordLips), 4, 2);

    auto* acceptButton = new QPushButton(isNew ? tr("Agregar") : tr("Actualizar"), this);
    acceptButton->setObjectName(QStringLiteral("acceptButton"));
    auto* cancelButton = new QPushButton(tr("Cancelar"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton* button : {acceptButton, cancelButton})
        button->setFixedSize(100, 25);
    acceptButton->setDefault(true);
    connect(acceptButton, &QPushButton::clicked, this, &MediaWidget::slotDoIt);
    connect(cancelButton, &QPushButton::clicked, this, &MediaWidget::slotCloseIt);

    categoriesList = new QListWidget(this);
    categoriesList->setObjectName(QStringLiteral("categoriesList"));
    loadCategoryList();

    auto* buttonsRow = new QHBoxLayout;
    buttonsRow->addStretch();
    buttonsRow->addWidget(acceptButton);
    buttonsRow->addWidget(cancelButton);

    auto* column = new QVBoxLayout(this);
    column->addWidget(letterCaption);
    column->addLayout(grid);
    column->addWidget(categoriesList);
    column->addLayout(buttonsRow);

    setWindowTitle(isNew ? tr("Palabra nueva") : tr("Editar palabra"));
}

void MediaWidget::loadCategoryList()
{
    categoriesList->clear();
    if (!categoryList)
        return;
    categoryList->loadOfLanguage(language);
    categoryList->reset();
    while (Category* category = categoryList->next()) {
        const bool linked = mode == 1 && word->hasCategory(*category);
        appendCheckableRow(categoriesList, category->name, category->id, linked);
    }
}

void MediaWidget::setForm(const WordForm& form)
{
    nameField->setText(form.name);
    fullNameField->setText(form.fullName);
    imageField->setText(form.image);
    signField->setText(form.sign);
    lipsField->setText(form.lips);
}

namespace {
QString& lastFolder(bool forVideo)
{
    static QString folders[2]; // pictures, videos: for this run of the program
    return folders[forVideo ? 1 : 0];
}

QString suffixFilter(const QStringList& suffixes)
{
    QStringList patterns;
    for (const QString& suffix : suffixes)
        patterns << QStringLiteral("*.") + suffix << QStringLiteral("*.") + suffix.toUpper();
    return patterns.join(QLatin1Char(' '));
}
} // namespace

QString MediaWidget::chooserFolder(bool forVideo)
{
    const QString last = lastFolder(forVideo);
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString standard = QStandardPaths::writableLocation(
        forVideo ? QStandardPaths::MoviesLocation : QStandardPaths::PicturesLocation);
    return QFileInfo(standard).isDir() ? standard : QDir::homePath();
}

void MediaWidget::browse(QLineEdit* field, const QString& filter, bool forVideo)
{
    QFileDialog dialog(this, tr("Elegir archivo"), chooserFolder(forVideo), filter);
    dialog.setObjectName(QStringLiteral("fileChooser"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Qt's own dialog, translated with the interface.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder(forVideo) = QFileInfo(chosen).absolutePath();
    field->setText(chosen);
}

void MediaWidget::slotBrowseWordImage()
{
    browse(imageField,
           tr("Archivos de imagen (%1)").arg(suffixFilter(MediaStore::pictureSuffixes())), false);
}

void MediaWidget::slotBrowseWordSign()
{
    browse(signField, tr("Video (%1)").arg(suffixFilter(MediaStore::videoSuffixes())), true);
}

void MediaWidget::slotBrowseWordLips()
{
    browse(lipsField, tr("Video (%1)").arg(suffixFilter(MediaStore::videoSuffixes())), true);
}

// Every newly chosen video must play here before anything is copied.
bool MediaWidget::checkVideos(const WordForm& form)
{
    for (const auto& [chosen, before] : {std::pair{form.sign, shown.sign},
                                         std::pair{form.lips, shown.lips}}) {
        if (chosen.isEmpty() || (word && chosen == before) || !QFileInfo(chosen).isFile())
            continue;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const bool playable = VideoProbe::canPlay(chosen);
        QGuiApplication::restoreOverrideCursor();
        if (!playable) {
            QMessageBox::warning(this, tr("Video no válido"),
                                 tr("El video %1 no se puede reproducir en este equipo. Elija "
                                    "otro archivo o conviértalo a otro formato.")
                                     .arg(QDir::toNativeSeparators(chosen)),
                                 QMessageBox::Ok);
            return false;
        }
    }
    return true;
}

WordForm MediaWidget::formFields() const
{
    WordForm form;
    form.name = nameField->text();
    form.fullName = fullNameField->text();
    form.image = imageField->text();
    form.sign = signField->text();
    form.lips = lipsField->text();
    for (int row = 0; row < categoriesList->count(); ++row) {
        const QListWidgetItem* item = categoriesList->item(row);
        form.categories.append({item->data(Qt::UserRole).toInt(),
                                item->checkState() == Qt::Checked});
    }
    return form;
}

WordSaver::Result MediaWidget::fileWord(const WordForm& form)
{
    // Videos can be large: a busy cursor at once, and a progress bar with a
    // Cancel button when the copy takes a while.
    std::unique_ptr<QProgressDialog> progress;
    const auto report = [&](qint64 copied, qint64 total) {
        if (!progress) {
            progress = std::make_unique<QProgressDialog>(tr("Copiando archivos..."),
                                                         tr("Cancelar"), 0, 1000, this);
            progress->setObjectName(QStringLiteral("copyProgress"));
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(500);
            progress->setAutoClose(false);
            progress->setAutoReset(false);
        }
        progress->setValue(total > 0 ? int(copied * 1000 / total) : 1000);
        return !progress->wasCanceled();
    };
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const WordSaver::Result result = WordSaver::save(*word, form, shown, report);
    QGuiApplication::restoreOverrideCursor();
    return result;
}

void MediaWidget::slotDoIt()
{
    const WordForm form = formFields();
    if (!checkVideos(form))
        return;
    if (mode == 0 && !word) {
        ownWord = std::make_unique<Word>();
        ownWord->setLetter(letter);
        word = ownWord.get();
    }
    const WordSaver::Result result = fileWord(form);
    switch (result.outcome) {
    case WordSaver::Outcome::Saved:
        break;
    case WordSaver::Outcome::Unfinished:
        QMessageBox::warning(this, tr("Error"),
                             tr("La palabra %1 se guardó, pero sus archivos no pudieron ponerse "
                                "en su carpeta. El programa lo completará la próxima vez que se "
                                "inicie.")
                                 .arg(form.fullName),
                             QMessageBox::Ok);
        Q_EMIT done();
        close();
        return;
    case WordSaver::Outcome::RecordFailed:
        reportRecordFailure(result, form.fullName);
        Q_EMIT done();
        close();
        return;
    case WordSaver::Outcome::ChangedElsewhere:
    case WordSaver::Outcome::DeletedElsewhere:
        // The other PC's save stands; this form no longer shows the word.
        QMessageBox::warning(
            this, tr("No se pudo guardar"),
            result.outcome == WordSaver::Outcome::ChangedElsewhere
                ? tr("La palabra «%1» cambió en otro equipo después de abrirla: no se ha "
                     "guardado nada. Ábrala de nuevo para ver cómo quedó.")
                      .arg(shown.fullName)
                : tr("La palabra «%1» ya no existe: la borraron en otro equipo.")
                      .arg(shown.fullName),
            QMessageBox::Ok);
        Q_EMIT done();
        close();
        return;
    default:
        reportRefusal(result); // nothing was written: the form stays open
        return;
    }

    if (mode == 0) {
        QMessageBox::information(
            this, tr("Palabra creada."),
            tr("La palabra %1 ha sido creada exitosamente.").arg(form.fullName), QMessageBox::Ok);
    } else {
        QMessageBox::information(
            this, tr("Palabra editada."),
            tr("La palabra %1 ha sido editada exitosamente.").arg(form.fullName), QMessageBox::Ok);
    }
    Q_EMIT done();
    close();
}

void MediaWidget::reportRefusal(const WordSaver::Result& result)
{
    using Outcome = WordSaver::Outcome;
    const QString letterName = letter ? letter->name : QString();
    QString title = tr("Error");
    QString text;
    switch (result.outcome) {
    case Outcome::EmptyField:
        title = tr("Campos vacíos en formulario.");
        text = tr("Por favor complete todos los campos del formulario.");
        break;
    case Outcome::Unshowable:
        title = tr("Palabra escrita no válida.");
        text = tr("La palabra escrita tiene caracteres que las letras del programa no pueden "
                  "mostrar: %1")
                   .arg(result.detail);
        break;
    case Outcome::NameTooLong:
        title = tr("Descripción demasiado larga.");
        // Letters with accents take more room than others: the count is
        // of the characters of this very text.
        text = tr("La descripción es demasiado larga para ser el nombre de la carpeta de la "
                  "palabra. Por favor acórtela: quite al menos %1 de sus %2 caracteres.")
                   .arg(WordSaver::charactersOverLimit(result.detail))
                   .arg(result.detail.toUcs4().size());
        break;
    case Outcome::DiskFull:
        title = tr("Disco lleno");
        text = tr("No hay espacio suficiente en el disco para copiar %1 en la carpeta de la "
                  "palabra. Libere espacio y vuelva a intentarlo. No se ha guardado ningún "
                  "cambio.")
                   .arg(QDir::toNativeSeparators(result.detail));
        break;
    case Outcome::Cancelled:
        title = tr("Copia cancelada");
        text = tr("La copia se ha cancelado. No se ha guardado ningún cambio.");
        break;
    case Outcome::UnsafeName:
        title = tr("Descripción no válida.");
        text = tr("La descripción \"%1\" no puede ser el nombre de la carpeta de la palabra: no "
                  "puede estar vacía, contener \"/\" ni \"\\\", ser \".\" ni \"..\", ni empezar "
                  "o terminar con un espacio o un punto.")
                   .arg(result.detail);
        break;
    case Outcome::DuplicateName:
        title = tr("Palabra repetida.");
        text = tr("Ya existe una palabra con la descripción \"%1\" en la letra %2. Las "
                  "descripciones que solo se distinguen por mayúsculas o acentos cuentan como "
                  "la misma.")
                   .arg(result.detail, letterName);
        break;
    case Outcome::FolderOutside:
        text = tr("La carpeta de la palabra %1 quedaría fuera de la carpeta de medios de la "
                  "letra %2.")
                   .arg(result.detail, letterName);
        break;
    case Outcome::FolderExists:
        text = tr("Ya existe una carpeta \"%1\" en la letra %2. Los nombres que solo se "
                  "distinguen por mayúsculas o acentos cuentan como el mismo.")
                   .arg(result.detail, letterName);
        break;
    case Outcome::FolderFailed:
        text = tr("La carpeta de la palabra %1 no ha podido crearse o renombrarse.")
                   .arg(result.detail);
        break;
    default:
        text = tr("El archivo %1 no ha podido copiarse en la carpeta de la palabra. No se ha "
                  "guardado ningún cambio.")
                   .arg(result.detail);
        break;
    }
    QMessageBox::information(this, title, text, QMessageBox::Ok);
}

void MediaWidget::reportRecordFailure(const WordSaver::Result& result, const QString& fullName)
{
    using Problem = Database::WriteProblem;
    QString why;
    switch (result.problem) {
    case Problem::ReadOnly:
        why = tr("El programa no tiene permiso para escribir en la base de datos (el archivo o "
                 "su carpeta son de solo lectura). Pida a quien administra el equipo que le dé "
                 "permiso de escritura.");
        break;
    case Problem::DiskFull:
        why = tr("El disco donde está la base de datos está lleno. Libere espacio y vuelva a "
                 "intentarlo.");
        break;
    case Problem::Busy:
        why = tr("Otro programa está usando la base de datos. Ciérrelo y vuelva a intentarlo.");
        break;
    case Problem::Damaged:
        why = tr("La base de datos está dañada.");
        break;
    default:
        why = tr("La base de datos rechazó el cambio.");
        break;
    }
    QMessageBox::warning(this, tr("No se pudo guardar"),
                         tr("La palabra %1 no se ha guardado: la base de datos no pudo "
                            "escribirse. %2 No se ha cambiado ningún archivo.")
                             .arg(fullName, why),
                         QMessageBox::Ok);
}

void MediaWidget::slotCloseIt()
{
    Q_EMIT done();
    close();
}
