#include "pindialog.h"

#include "adultpin.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
QLineEdit* pinEdit(QWidget* parent, const char* name, const QString& accessibleName)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setEchoMode(QLineEdit::Password);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,12}")), field));
    field->setAccessibleName(accessibleName);
    return field;
}
} // namespace

PinDialog::PinDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("pinDialog"));
    setWindowTitle(tr("Clave de adulto"));
    setModal(true);
    auto* text = new QLabel(tr("Esta parte es para los adultos. Escriba la clave de adulto."), this);
    pinField = pinEdit(this, "pinField", tr("Clave de adulto"));
    text->setBuddy(pinField);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Aceptar"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancelar"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(text);
    column->addWidget(pinField);
    column->addWidget(buttons);
}

QString PinDialog::pin() const
{
    return pinField->text();
}

bool PinDialog::allow(QWidget* parent)
{
    AdultPin adultPin;
    return allow(parent, adultPin);
}

bool PinDialog::allow(QWidget* parent, AdultPin& adultPin)
{
    if (!adultPin.isSet())
        return true;
    const auto reportLock = [&] {
        QMessageBox::warning(parent, tr("Clave de adulto"),
                             tr("Se escribió una clave equivocada tres veces. Vuelva a "
                                "intentarlo dentro de %1 s.")
                                 .arg(qMax(1, adultPin.lockSecondsLeft())));
    };
    if (adultPin.lockSecondsLeft() > 0) {
        reportLock();
        return false;
    }
    PinDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    switch (adultPin.check(dialog.pin())) {
    case AdultPin::Result::Accepted:
        return true;
    case AdultPin::Result::Locked:
        reportLock();
        return false;
    case AdultPin::Result::Refused:
        break;
    }
    QMessageBox::warning(parent, tr("Clave de adulto"), tr("La clave no es correcta."));
    return false;
}

PinSettingsDialog::PinSettingsDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("pinSettingsDialog"));
    setWindowTitle(tr("Clave de adulto"));
    setModal(true);
    stateLabel = new QLabel(this);
    stateLabel->setObjectName(QStringLiteral("pinStateLabel"));
    stateLabel->setWordWrap(true);
    newPinField = pinEdit(this, "newPinField", tr("Nueva clave"));
    repeatPinField = pinEdit(this, "repeatPinField", tr("Repita la nueva clave"));

    auto* save = new QPushButton(tr("Guardar la clave"), this);
    save->setObjectName(QStringLiteral("savePinButton"));
    clearButton = new QPushButton(tr("Quitar la clave"), this);
    clearButton->setObjectName(QStringLiteral("clearPinButton"));
    auto* close = new QPushButton(tr("Cerrar"), this);
    close->setObjectName(QStringLiteral("closePinButton"));
    for (QPushButton* button : {save, clearButton, close})
        button->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &PinSettingsDialog::slotSave);
    connect(clearButton, &QPushButton::clicked, this, &PinSettingsDialog::slotClear);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* form = new QFormLayout;
    form->addRow(tr("Nueva clave:"), newPinField);
    form->addRow(tr("Repita la nueva clave:"), repeatPinField);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(clearButton);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* column = new QVBoxLayout(this);
    column->addWidget(stateLabel);
    column->addLayout(form);
    column->addLayout(buttons);
    showState();
}

void PinSettingsDialog::showState()
{
    const bool set = AdultPin().isSet();
    stateLabel->setText(set ? tr("La clave de adulto protege la configuración, el administrador, "
                                 "el progreso y el borrado de usuarios.")
                            : tr("No hay clave de adulto: cualquiera puede abrir la configuración, "
                                 "el administrador y el progreso."));
    clearButton->setEnabled(set);
}

void PinSettingsDialog::slotSave()
{
    const QString pin = newPinField->text();
    if (!AdultPin::isAcceptable(pin)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("La clave debe tener al menos %1 cifras.").arg(AdultPin::kMinLength));
        return;
    }
    if (pin != repeatPinField->text()) {
        QMessageBox::warning(this, windowTitle(), tr("Las dos claves no son iguales."));
        return;
    }
    if (!AdultPin().set(pin)) {
        QMessageBox::critical(this, windowTitle(), tr("No se pudo guardar la clave."));
        return;
    }
    newPinField->clear();
    repeatPinField->clear();
    showState();
    QMessageBox::information(this, windowTitle(), tr("La clave de adulto se ha guardado."));
}

void PinSettingsDialog::slotClear()
{
    if (!AdultPin().clear()) {
        QMessageBox::critical(this, windowTitle(), tr("No se pudo quitar la clave."));
        return;
    }
    showState();
    QMessageBox::information(this, windowTitle(), tr("Ya no hay clave de adulto."));
}
