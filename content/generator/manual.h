#pragma once

#include <QString>

constexpr int kManualVersion = 1;

// Typesets the manual's Markdown source into an A4 PDF.
bool writeManual(const QString& markdownFile, const QString& pdfFile, QString* error);
