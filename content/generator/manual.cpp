#include "manual.h"

#include "stamp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

bool writeManual(const QString& markdownFile, const QString& pdfFile, QString* error)
{
    Stamp stamp(pdfFile, {markdownFile}, "manual " + QByteArray::number(kManualVersion));
    if (stamp.isCurrent())
        return true;

    QFile source(markdownFile);
    if (!source.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read ") + markdownFile;
        return false;
    }
    QTextDocument document;
    QFont font(QStringLiteral("Andika"));
    font.setPointSizeF(11);
    document.setDefaultFont(font);
    document.setMarkdown(QString::fromUtf8(source.readAll()));

    QDir().mkpath(QFileInfo(pdfFile).absolutePath());
    const QString partial = pdfFile + QStringLiteral(".partial");
    {
        QPdfWriter writer(partial);
        writer.setTitle(QStringLiteral("Manual de Ondalira"));
        writer.setCreator(QStringLiteral("Ondalira"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
        writer.setResolution(300);
        document.print(&writer);
    }
    QFile::remove(pdfFile);
    if (!QFile::rename(partial, pdfFile)) {
        *error = QStringLiteral("cannot write ") + pdfFile;
        return false;
    }
    stamp.write();
    return true;
}
