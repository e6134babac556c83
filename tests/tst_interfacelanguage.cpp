#include "admwindow.h"
#include "categorywidget.h"
#include "contentlists.h"
#include "helpdialog.h"
#include "inputdialog.h"
#include "interfacelanguage.h"
#include "language.h"
#include "menuwidget.h"
#include "testhome.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopedPointer>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {
const QStringList kCatalan = {QStringLiteral("ca-ES")};
const QStringList kSpanish = {QStringLiteral("es-ES")};

// One message of the .ts file.
struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

QList<Message> readTs(const QString& path, QString* error)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message{context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages << message;
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// The Catalan translation, installed for the life of the object.
class CatalanInterface
{
public:
    CatalanInterface()
    {
        loaded = InterfaceLanguage::loadProgramTranslation(&translator, kCatalan,
                                                           QStringLiteral(OL_QM_DIR));
        if (loaded)
            QApplication::installTranslator(&translator);
    }
    ~CatalanInterface() { QApplication::removeTranslator(&translator); }
    bool loaded = false;

private:
    QTranslator translator;
};
} // namespace

class TestInterfaceLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldFollowTheDesktopLanguage_data();
    void shouldFollowTheDesktopLanguage();
    void shouldLoadCatalanOnlyWhenWanted();
    void shouldSpeakTheInterfaceLanguageInQtsOwnDialogs_data();
    void shouldSpeakTheInterfaceLanguageInQtsOwnDialogs();
    void shouldTranslateEveryText();
    void shouldShowCatalanWindowTitles();
};

void TestInterfaceLanguage::shouldFollowTheDesktopLanguage_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<bool>("catalan");
    QTest::newRow("catalan") << QStringList{QStringLiteral("ca-ES")} << true;
    QTest::newRow("catalan, no country") << QStringList{QStringLiteral("ca")} << true;
    QTest::newRow("valencian") << QStringList{QStringLiteral("ca-ES-valencia")} << true;
    QTest::newRow("spanish") << QStringList{QStringLiteral("es-ES")} << false;
    QTest::newRow("english before catalan") << QStringList{QStringLiteral("en-GB"), QStringLiteral("ca")} << true;
    QTest::newRow("spanish before catalan") << QStringList{QStringLiteral("es"), QStringLiteral("ca")} << false;
    QTest::newRow("catalan before spanish") << QStringList{QStringLiteral("ca"), QStringLiteral("es")} << true;
    QTest::newRow("only english") << QStringList{QStringLiteral("en-US")} << false;
    QTest::newRow("nothing") << QStringList{} << false;
}

void TestInterfaceLanguage::shouldFollowTheDesktopLanguage()
{
    QFETCH(QStringList, languages);
    QFETCH(bool, catalan);
    QCOMPARE(InterfaceLanguage::prefersCatalan(languages), catalan);
}

void TestInterfaceLanguage::shouldLoadCatalanOnlyWhenWanted()
{
    const QString dir = QStringLiteral(OL_QM_DIR);
    QTranslator catalan;
    QVERIFY(InterfaceLanguage::loadProgramTranslation(&catalan, kCatalan, dir));
    QCOMPARE(catalan.translate("HelpDialog", "Cerrar"), QStringLiteral("Tanca"));

    QTranslator spanish;
    QVERIFY(!InterfaceLanguage::loadProgramTranslation(&spanish, kSpanish, dir));
    QVERIFY(spanish.isEmpty());

    // A home without translations: Spanish source texts, no complaint.
    QTranslator missing;
    QVERIFY(!InterfaceLanguage::loadProgramTranslation(&missing, kCatalan, dir + QStringLiteral("/none")));
}

void TestInterfaceLanguage::shouldSpeakTheInterfaceLanguageInQtsOwnDialogs_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("ok");
    QTest::addColumn<QString>("lookIn");
    QTest::newRow("Spanish desktop") << kSpanish << "Aceptar" << "Ver en:";
    QTest::newRow("Catalan desktop") << kCatalan << "D'acord" << "Cerca a:";
}

void TestInterfaceLanguage::shouldSpeakTheInterfaceLanguageInQtsOwnDialogs()
{
    QFETCH(QStringList, languages);
    QFETCH(QString, ok);
    QFETCH(QString, lookIn);
    QTranslator qt;
    QVERIFY2(InterfaceLanguage::loadQtTranslation(&qt, languages),
             "Qt's translations are missing (Debian: qt6-translations-l10n)");
    QApplication::installTranslator(&qt);
    QMessageBox box(QMessageBox::Information, QString(), QString(), QMessageBox::Ok);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), ok);
    QFileDialog chooser;
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    QStringList labels;
    for (const QLabel* label : chooser.findChildren<QLabel*>())
        labels << label->text();
    QVERIFY2(labels.contains(lookIn), qPrintable(labels.join(QLatin1Char('|'))));
    QApplication::removeTranslator(&qt);
}

void TestInterfaceLanguage::shouldTranslateEveryText()
{
    QString error;
    const QList<Message> messages = readTs(QStringLiteral(OL_TS_PATH), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(messages.size() > 100);
    for (const Message& m : messages) {
        const QString where = m.context + QStringLiteral(": ") + m.source;
        const auto fault = [&where](const char* what) { return (where + QLatin1String(what)).toUtf8(); };
        QVERIFY2(m.type.isEmpty(), fault(" is not finished").constData());
        QVERIFY2(!m.translation.trimmed().isEmpty(), fault(" has no translation").constData());
        QVERIFY2(placeholders(m.translation) == placeholders(m.source), fault(" changes its %n markers").constData());
        QVERIFY2(m.translation.count(QLatin1Char('\n')) == m.source.count(QLatin1Char('\n')),
                 fault(" changes its line breaks").constData());
        QVERIFY2(m.translation.contains(QLatin1Char('&')) == m.source.contains(QLatin1Char('&')),
                 fault(" changes its shortcut marker").constData());
    }
}

void TestInterfaceLanguage::shouldShowCatalanWindowTitles()
{
    TestHome home;
    QVERIFY(home.isValid());
    Language language;
    QVERIFY(language.loadById(TestHome::addLanguage(QStringLiteral("Español"))));
    LetterList letters;
    WordList words;
    CategoryList categories;
    UserList users;
    // Windows built after the translator is installed speak Catalan.
    CatalanInterface catalan;
    QVERIFY(catalan.loaded);
    QVERIFY(HelpDialog().windowTitle().contains(QStringLiteral("Ajuda")));
    QVERIFY(InputDialog(&users).windowTitle().contains(QStringLiteral("Usuaris")));
    QVERIFY(AdmWindow(&letters, &words, &categories).windowTitle().contains(QStringLiteral("mitjans")));
    QVERIFY(CategoryWidget(0, &language).windowTitle().contains(QStringLiteral("Categoria nova")));
    // So do the names of the picture buttons, following their pictures.
    MenuWidget button(QStringLiteral("/m/menus/letras.png"), QStringLiteral("/m/menus/letrasroll.png"));
    QVERIFY(button.accessibleName().contains(QStringLiteral("Lletres")));
    button.setImages(QStringLiteral("/m/menus/leer.png"), QStringLiteral("/m/menus/leerroll.png"));
    QVERIFY(button.accessibleName().contains(QStringLiteral("Llegir")));
}

QTEST_MAIN(TestInterfaceLanguage)
#include "tst_interfacelanguage.moc"
