#include "categorywidget.h"

#include "category.h"
#include "spanishorder.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

// The mode follows from the record: editing when a category is given.
CategoryWidget::CategoryWidget(int requestedMode, Language* language, Category* category,
                               QWidget* parent)
    : QDialog(parent, Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , mode(category ? 1 : 0)
    , language(language)
    , category(category)
{
    Q_UNUSED(requestedMode);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    if (!this->category) {
        ownCategory = std::make_unique<Category>();
        this->category = ownCategory.get();
    }
    buildForm(this->mode == 0);
}

CategoryWidget::~CategoryWidget() = default;

void CategoryWidget::buildForm(bool isNew)
{
    auto* languageCaption
        = new QLabel(tr("Idioma: %1").arg(language ? language->name : QString()), this);
    auto* nameCaption = new QLabel(tr("Categoría"), this);
    nameField = new QLineEdit(isNew ? QString() : category->name, this);
    nameField->setObjectName(QStringLiteral("nameField"));

    auto* grid = new QGridLayout;
    grid->addWidget(nameCaption, 0, 0);
    grid->addWidget(nameField, 0, 1);

    auto* button = new QPushButton(isNew ? tr("Agregar") : tr("Aceptar"), this);
    button->setObjectName(QStringLiteral("acceptButton"));
    button->setFixedSize(100, 25);
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &CategoryWidget::slotDoIt);

    auto* column = new QVBoxLayout(this);
    column->addWidget(languageCaption);
    column->addLayout(grid);
    column->addWidget(button, 0, Qt::AlignRight);

    setWindowTitle(isNew ? tr("Categoría nueva") : tr("Editar categoría"));
}

void CategoryWidget::slotDoIt()
{
    // Blanks and invisible characters would make a row that looks empty.
    const QString typed = SpanishOrder::cleanName(nameField->text());
    if (!SpanishOrder::hasVisibleCharacter(typed)) {
        QMessageBox::information(this, tr("Campos vacíos en formulario."),
                                 tr("Por favor complete todos los campos del formulario."),
                                 QMessageBox::Ok);
        return;
    }

    // Two categories of one language may not share a name: refuse before
    // anything is written, and keep the dialog open for another name.
    Category candidate;
    candidate.id = category->id;
    candidate.name = typed.toUpper();
    candidate.setLanguage(language);
    QString existing;
    if (candidate.isNameTaken(&existing)) {
        QMessageBox::information(this, tr("Categoría repetida."),
                                 tr("Ya existe la categoría %1 en este idioma. Los nombres que "
                                    "solo se distinguen por mayúsculas o acentos cuentan como "
                                    "el mismo.")
                                     .arg(existing),
                                 QMessageBox::Ok);
        return;
    }

    category->name = candidate.name;
    category->setLanguage(language);
    const bool written = mode == 1 ? category->update() : category->insert();
    if (!written) {
        QMessageBox::information(this, tr("Error."),
                                 tr("La categoría %1 no ha sido creada o actualizada.").arg(typed),
                                 QMessageBox::Ok);
    } else if (mode == 1) {
        QMessageBox::information(this, tr("Categoría editada."),
                                 tr("La categoría %1 ha sido editada exitosamente.").arg(typed),
                                 QMessageBox::Ok);
    } else {
        QMessageBox::information(this, tr("Categoría creada."),
                                 tr("La categoría %1 ha sido creada exitosamente.").arg(typed),
                                 QMessageBox::Ok);
    }
    Q_EMIT done();
    close();
}

void CategoryWidget::slotCloseIt()
{
    Q_EMIT done();
    close();
}
