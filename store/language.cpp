#include "language.h"

#include "mediapaths.h"
#include "sqlhelpers.h"

#include <QVariant>

namespace {
const QString kSelectById = QStringLiteral("SELECT id, name FROM language WHERE id = :id");
const QString kSelectByName = QStringLiteral("SELECT id, name FROM language WHERE name = :name");
}

bool Language::loadById(int languageId)
{
    QSqlQuery query = SqlHelpers::prepare(kSelectById);
    query.bindValue(QStringLiteral(":id"), languageId);
    return load(query);
}

bool Language::loadByName(const QString& languageName)
{
    QSqlQuery query = SqlHelpers::prepare(kSelectByName);
    query.bindValue(QStringLiteral(":name"), languageName);
    return load(query);
}

bool Language::load(QSqlQuery& query)
{
    if (!SqlHelpers::execFirstRow(query))
        return false;
    id = query.value(0).toInt();
    name = query.value(1).toString();
    return true;
}

QString Language::mediaPath() const
{
    return MediaPaths::languagesPath() + name + QLatin1Char('/');
}

void resolveLanguage(int languageId, Language*& language, std::shared_ptr<Language>& owned)
{
    if (language && language->id == languageId)
        return;
    auto loaded = std::make_shared<Language>();
    if (loaded->loadById(languageId)) {
        owned = std::move(loaded);
        language = owned.get();
    } else {
        owned.reset();
        language = nullptr;
    }
}
