#include "helpdialog.h"

#include "mediapaths.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QString kManual = QStringLiteral("manual-ol.pdf");
}

HelpDialog::HelpDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Ayuda de Ondalira"));
    auto* open = new QPushButton(tr("Abrir manual de Ondalira"), this);
    open->setObjectName(QStringLiteral("openButton"));
    auto* close = new QPushButton(tr("Cerrar"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(open);
    column->addWidget(close);
    connect(open, &QPushButton::clicked, this, &HelpDialog::slotOpenHelp);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    setModal(true);
    setMinimumSize(300, 100);
}

QString HelpDialog::manualPath()
{
    for (const QString& folder : {QDir::currentPath(), MediaPaths::appDir()}) {
        const QFileInfo manual(QDir(folder), kManual);
        if (manual.isFile())
            return manual.absoluteFilePath();
    }
    return QString();
}

void HelpDialog::slotOpenHelp()
{
    const QString path = manualPath();
    if (path.isEmpty()) {
        QMessageBox::information(this, tr("Ayuda de Ondalira"),
                                 tr("No se encontró el manual \"%1\" en la carpeta de trabajo "
                                    "ni junto al programa.").arg(kManual));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        QMessageBox::information(this, tr("Ayuda de Ondalira"),
                                 tr("No se pudo abrir el manual %1.\nRevise que haya un programa "
                                    "para ver archivos PDF.").arg(QDir::toNativeSeparators(path)));
    }
}
