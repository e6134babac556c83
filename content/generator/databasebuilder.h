#pragma once

#include <QString>

struct ContentSource;

// Writes the content database from the schema and the content sources.
bool buildDatabase(const QString& schemaPath, const ContentSource& source,
                   const QString& outputPath, QString* error);
