#include "configwidget.h"

#include "checkablerows.h"
#include "config.h"
#include "contentlists.h"
#include "pindialog.h"
#include "sounddevice.h"
#include "user.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QSqlDatabase>
#include <QVBoxLayout>

namespace {
QPushButton* makeButton(const QString& text, const char* name, QSize size, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(size);
    return button;
}

QHBoxLayout* headerRow(QLabel* caption, QPushButton* check, QPushButton* uncheck)
{
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addStretch();
    row->addWidget(check);
    row->addWidget(uncheck);
    return row;
}
} // namespace

ConfigWidget::ConfigWidget(User* user, Language* language, LetterList* letters,
                           CategoryList* categories, Config* settings, QWidget* parent)
    : QDialog(parent)
    , user(user)
    , language(language)
    , letterList(letters)
    , categoryList(categories)
    , settings(settings)
{
    // A new dialog is made at every opening; nothing refers to it once closed.
    setAttribute(Qt::WA_DeleteOnClose);

    auto* lettersCaption = new QLabel(tr("Letras"), this);
    auto* categoriesCaption = new QLabel(tr("Categorías"), this);
    const QSize wide(150, 25);
    const QSize narrow(100, 25);
    auto* acceptButton = makeButton(tr("Aceptar"), "acceptButton", narrow, this);
    auto* cancelButton = makeButton(tr("Cancelar"), "cancelButton", narrow, this);
    auto* checkCategories = makeButton(tr("Marcar todas"), "checkAllCategories", wide, this);
    auto* uncheckCategories = makeButton(tr("Desmarcar todas"), "uncheckAllCategories", wide, this);
    auto* checkLetters = makeButton(tr("Marcar todas"), "checkAllLetters", wide, this);
    auto* uncheckLetters = makeButton(tr("Desmarcar todas"), "uncheckAllLetters", wide, this);

    firstCapsCheck = makeSwitch(tr("Mostrar la primera letra de la palabra en mayúscula"),
                                SettingKey::FirstCaps, "firstCapsCheck");
    stopMotionCheck
        = makeSwitch(tr("Mostrar la imagen, el video y la palabra con pausas entre ellos"),
                     SettingKey::StopMotion, "stopMotionCheck");
    minusCapsCheck = makeSwitch(tr("Mostrar palabras en minúsculas"), SettingKey::UseMinusCaps,
                                "minusCapsCheck");

    // Sound is for children who hear some; a deaf child's lesson stays muted.
    soundCheck = makeSwitch(tr("Sonido"), SettingKey::Sound, "soundCheck");
    listenOnlyCheck = makeSwitch(tr("Solo escuchar"), SettingKey::ListenOnly, "listenOnlyCheck");
    listenOnlyCheck->setToolTip(tr("En «¿Cómo empieza esta palabra?» la pregunta es solo la palabra "
                                   "dicha: ni imagen ni labios hasta la respuesta."));
    volumeSlider = new QSlider(Qt::Horizontal, this);
    volumeSlider->setObjectName(QStringLiteral("volumeSlider"));
    volumeSlider->setRange(10, 100);
    // The program's volume, the same for every child.
    const int volume = settings->get(SettingKey::Volume, 0);
    volumeSlider->setValue(volume > 0 ? volume : 80);
    auto* volumeCaption = new QLabel(tr("Volumen"), this);
    auto* noSoundLabel = new QLabel(tr("Este ordenador no tiene salida de sonido: los videos se "
                                       "verán sin sonido."), this);
    noSoundLabel->setObjectName(QStringLiteral("noSoundLabel"));
    noSoundLabel->setWordWrap(true);
    noSoundLabel->setVisible(!SoundDevice::available());
    const auto followSound = [this] {
        listenOnlyCheck->setEnabled(soundCheck->isChecked());
        volumeSlider->setEnabled(soundCheck->isChecked());
    };
    connect(soundCheck, &QCheckBox::toggled, this, followSound);
    followSound();

    orderCombo = new QComboBox(this);
    orderCombo->setObjectName(QStringLiteral("orderCombo"));
    loadShowOrders();
    orderCombo->setCurrentIndex(settings->get(SettingKey::ShowOrder, user->id));
    orderCaption = new QLabel(tr("Orden de presentación de los elementos"), this);

    lettersList = new QListWidget(this);
    lettersList->setObjectName(QStringLiteral("lettersList"));
    loadLetterList();
    categoriesList = new QListWidget(this);
    categoriesList->setObjectName(QStringLiteral("categoriesList"));
    loadCategoryList();

    connect(checkLetters, &QPushButton::clicked, this, &ConfigWidget::checkAllLetters);
    connect(uncheckLetters, &QPushButton::clicked, this, &ConfigWidget::uncheckAllLetters);
    connect(checkCategories, &QPushButton::clicked, this, &ConfigWidget::checkAllCategories);
    connect(uncheckCategories, &QPushButton::clicked, this, &ConfigWidget::uncheckAllCategories);
    connect(acceptButton, &QPushButton::clicked, this, &ConfigWidget::slotDoIt);
    connect(cancelButton, &QPushButton::clicked, this, &ConfigWidget::slotCloseIt);

    auto* switchesRow = new QHBoxLayout;
    switchesRow->addWidget(firstCapsCheck);
    switchesRow->addWidget(stopMotionCheck);
    auto* caseRow = new QHBoxLayout;
    caseRow->addWidget(minusCapsCheck);
    auto* soundRow = new QHBoxLayout;
    soundRow->addWidget(soundCheck);
    soundRow->addWidget(listenOnlyCheck);
    soundRow->addWidget(volumeCaption);
    soundRow->addWidget(volumeSlider, 1);

    auto* lettersColumn = new QVBoxLayout;
    lettersColumn->addLayout(headerRow(lettersCaption, checkLetters, uncheckLetters));
    lettersColumn->addWidget(lettersList);
    auto* categoriesColumn = new QVBoxLayout;
    categoriesColumn->addLayout(headerRow(categoriesCaption, checkCategories, uncheckCategories));
    categoriesColumn->addWidget(categoriesList);
    auto* listsRow = new QHBoxLayout;
    listsRow->addLayout(lettersColumn, 1);
    listsRow->addLayout(categoriesColumn, 1);

    auto* buttonsRow = new QHBoxLayout;
    // The adults' PIN is set here, behind the PIN itself when there is one.
    auto* pinButton = makeButton(tr("Clave de adulto…"), "pinButton", wide, this);
    connect(pinButton, &QPushButton::clicked, this, [this] { PinSettingsDialog(this).exec(); });
    buttonsRow->addWidget(pinButton);
    buttonsRow->addStretch();
    buttonsRow->addWidget(acceptButton);
    buttonsRow->addWidget(cancelButton);

    auto* column = new QVBoxLayout(this);
    column->addLayout(switchesRow);
    column->addLayout(caseRow);
    column->addLayout(soundRow);
    column->addWidget(noSoundLabel);
    column->addWidget(orderCaption);
    column->addWidget(orderCombo);
    column->addLayout(listsRow);
    column->addLayout(buttonsRow);

    setWindowTitle(tr("Configuración"));
}

QCheckBox* ConfigWidget::makeSwitch(const QString& text, const QString& key, const char* name)
{
    auto* box = new QCheckBox(text, this);
    box->setObjectName(QLatin1String(name));
    box->setCheckState(settings->get(key, user->id) != 0 ? Qt::Checked : Qt::Unchecked);
    return box;
}

void ConfigWidget::loadShowOrders()
{
    static const char* const entries[] = {
        QT_TR_NOOP("Palabra, imagen, video"), QT_TR_NOOP("Palabra, video, imagen"),
        QT_TR_NOOP("Imagen, palabra, video"), QT_TR_NOOP("Imagen, video, palabra"),
        QT_TR_NOOP("Video, palabra, imagen"), QT_TR_NOOP("Video, imagen, palabra"),
    };
    orderCombo->clear();
    for (int index = 0; index < 6; ++index)
        orderCombo->addItem(QIcon(), tr(entries[index]), Config::showOrderCode(index));
}

void ConfigWidget::loadLetterList()
{
    lettersList->clear();
    // A list of its own: the window's letter list holds the running
    // activity's letter, which a reload here would pull from under it.
    LetterList letters;
    letters.loadOfLanguage(language);
    letters.reset();
    while (Letter* letter = letters.next()) {
        appendCheckableRow(lettersList, letter->name, letter->id,
                           settings->has(SettingKey::Letter, letter->id, user->id));
    }
}

void ConfigWidget::loadCategoryList()
{
    categoriesList->clear();
    categoryList->loadOfLanguage(language);
    categoryList->reset();
    while (Category* category = categoryList->next()) {
        appendCheckableRow(categoriesList, category->name, category->id,
                           settings->has(SettingKey::Category, category->id, user->id));
    }
}

void ConfigWidget::setCheckStateAll(QListWidget* list, Qt::CheckState state)
{
    checkAllRows(list, state);
}

void ConfigWidget::checkAllCategories()
{
    setCheckStateAll(categoriesList, Qt::Checked);
}

void ConfigWidget::checkAllLetters()
{
    setCheckStateAll(lettersList, Qt::Checked);
}

void ConfigWidget::uncheckAllCategories()
{
    setCheckStateAll(categoriesList, Qt::Unchecked);
}

void ConfigWidget::uncheckAllLetters()
{
    setCheckStateAll(lettersList, Qt::Unchecked);
}

bool ConfigWidget::saveLetters()
{
    Letter letter;
    for (int row = 0; row < lettersList->count(); ++row) {
        const QListWidgetItem* item = lettersList->item(row);
        if (letter.loadById(item->data(Qt::UserRole).toInt()) && item->checkState() == Qt::Checked
            && !settings->set(SettingKey::Letter, letter.id, user->id))
            return false;
    }
    return true;
}

bool ConfigWidget::saveCategories()
{
    Category category;
    for (int row = 0; row < categoriesList->count(); ++row) {
        const QListWidgetItem* item = categoriesList->item(row);
        if (category.loadById(item->data(Qt::UserRole).toInt())
            && item->checkState() == Qt::Checked
            && !settings->set(SettingKey::Category, category.id, user->id))
            return false;
    }
    return true;
}

// The user's settings are replaced in one transaction: all of the new
// choices are stored, or the old ones stay.
bool ConfigWidget::storeChoices()
{
    QSqlDatabase db = QSqlDatabase::database();
    if (!db.transaction())
        return false;
    const auto setIf = [&](QCheckBox* box, const QString& key) {
        return !box->isChecked() || settings->set(key, 1, user->id);
    };
    const bool stored = settings->reset(user->id) && saveLetters() && saveCategories()
        && setIf(firstCapsCheck, SettingKey::FirstCaps)
        && setIf(stopMotionCheck, SettingKey::StopMotion)
        && setIf(minusCapsCheck, SettingKey::UseMinusCaps)
        && setIf(soundCheck, SettingKey::Sound)
        && (!soundCheck->isChecked() || setIf(listenOnlyCheck, SettingKey::ListenOnly))
        && settings->replace(SettingKey::Volume, volumeSlider->value(), 0)
        && settings->set(SettingKey::ShowOrder, orderCombo->currentIndex(), user->id);
    if (stored && db.commit())
        return true;
    db.rollback();
    return false;
}

void ConfigWidget::slotDoIt()
{
    const bool stored = storeChoices();
    settings->loadFilters(user->id);
    if (!stored) {
        QMessageBox::critical(this, tr("No se guardó la configuración"),
                              tr("La configuración de %1 no se ha podido guardar en la base de "
                                 "datos; sigue la anterior. Revise que haya espacio en el disco "
                                 "y permiso de escritura, y vuelva a intentarlo.")
                                  .arg(user->name),
                              QMessageBox::Ok);
        return;
    }

    if (letterList->hasAvailable(*settings, language)) {
        Q_EMIT done();
        close();
        return;
    }
    QMessageBox::warning(this, tr("No hay palabras disponibles"),
                         tr("La configuración actual de letras y categorías hace que la lista de "
                            "palabras disponibles esté vacía. Por favor revise su selección."),
                         QMessageBox::Ok);
}

void ConfigWidget::slotCloseIt()
{
    Q_EMIT done();
    close();
}
