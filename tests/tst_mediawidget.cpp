#include "contentlists.h"
#include "mediawidget.h"
#include "messageboxanswerer.h"
#include "testhome.h"
#include "widgets.h"
#include "tinyvideo.h"

#include <QDir>
#include <QFile>
#include <QApplication>
#include <QFileDialog>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

namespace {
// The letter C with its media folder, two categories, files to choose and
// an installed word "cama" filed under the default pack's file names.
struct Fixture
{
    TestHome home;
    Language language;
    Letter letter;
    CategoryList categories;
    QString sources;
    int furniture = 0, things = 0, cama = 0;

    Fixture()
    {
        language.loadById(TestHome::addLanguage(QStringLiteral("Español")));
        TestHome::addLetter(QStringLiteral("C"), language.id);
        letter.loadByName(QStringLiteral("C"), &language);
        things = TestHome::addCategory(QStringLiteral("COSAS"), language.id);
        furniture = TestHome::addCategory(QStringLiteral("MUEBLES"), language.id);
        cama = TestHome::addWord(QStringLiteral("cama"), letter.id);
        TestHome::link(cama, furniture);
        for (const char* file : {"imagen.png", "sena.avi", "modulacion.avi"})
            writeFile(letter.folderPath() + QStringLiteral("cama/") + QLatin1String(file), file);
        sources = home.path() + QStringLiteral("/elegidos/");
        writeFile(sources + QStringLiteral("casa.png"), "picture");
        // Real videos: the editor plays every chosen one before copying it.
        QDir().mkpath(sources);
        writeTinyVideo(sources + QStringLiteral("casa.avi"), 3);
        writeTinyVideo(sources + QStringLiteral("casa-labios.avi"), 4);
    }

    void fillNewWord(QWidget* editor, const QString& fullName)
    {
        child<QLineEdit>(editor, "nameField")->setText(QStringLiteral("casa"));
        child<QLineEdit>(editor, "fullNameField")->setText(fullName);
        child<QLineEdit>(editor, "imageField")->setText(sources + QStringLiteral("casa.png"));
        child<QLineEdit>(editor, "signField")->setText(sources + QStringLiteral("casa.avi"));
        child<QLineEdit>(editor, "lipsField")->setText(sources + QStringLiteral("casa-labios.avi"));
    }
};
} // namespace

class TestMediaWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldCreateWordWithMediaAndCategories();
    void shouldShowAndEditExistingWord();
    void shouldRefuseAndStayOpen_data();
    void shouldRefuseAndStayOpen();
    void shouldReportFailedRecordAndClose_data();
    void shouldReportFailedRecordAndClose();
    void shouldTellAWordChangedOnAnotherPcAndClose_data();
    void shouldTellAWordChangedOnAnotherPcAndClose();
    void shouldCancelWithoutWriting();
    void shouldOpenChooserInPicturesOrVideosThenTheLastFolder();
    void shouldProbeEveryNewVideo_data();
    void shouldProbeEveryNewVideo();
};

void TestMediaWidget::shouldCreateWordWithMediaAndCategories()
{
    Fixture f;
    QPointer<MediaWidget> editor = new MediaWidget(0, &f.language, &f.letter, &f.categories);
    editor->show();
    QVERIFY(editor->windowTitle().contains(QStringLiteral("nueva")));
    QVERIFY(child<QLineEdit>(editor, "imageField")->text().isEmpty());
    const QList<QLabel*> labels = editor->findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(),
                        [](QLabel* l) { return l->text() == QStringLiteral("Letra: C"); }));
    auto* categories = editor->findChild<QListWidget*>(QStringLiteral("categoriesList"));
    QCOMPARE(categories->count(), 2);
    QCOMPARE(categories->item(1)->checkState(), Qt::Unchecked);

    f.fillNewWord(editor, QStringLiteral("casa grande"));
    categories->item(0)->setCheckState(Qt::Checked);
    QSignalSpy done(editor.data(), &MediaWidget::done);
    MessageBoxAnswerer answerer;
    child<QPushButton>(editor, "acceptButton")->click();
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Palabra creada.")});
    QVERIFY(answerer.boxes[0].text.contains(QStringLiteral("exitosamente")));
    QCOMPARE(done.count(), 1);
    QTRY_VERIFY(editor.isNull());

    Word word;
    QVERIFY(word.loadByFullName(QStringLiteral("casa grande"), &f.letter));
    QCOMPARE(word.name, QStringLiteral("casa"));
    QCOMPARE(word.lips, QStringLiteral("casa-labios.avi"));
    QVERIFY(QFile::exists(word.imagePath()) && QFile::exists(word.signPath()));
    Category things;
    QVERIFY(things.loadById(f.things));
    QVERIFY(word.hasCategory(things));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM word_x_category WHERE id_word = %1")
                       .arg(word.id)),
             1);
}

void TestMediaWidget::shouldShowAndEditExistingWord()
{
    Fixture f;
    Word word;
    QVERIFY(word.loadById(f.cama));
    QPointer<MediaWidget> editor = new MediaWidget(0, &f.language, &f.letter, &f.categories, &word);
    editor->show();
    QVERIFY(editor->windowTitle().contains(QStringLiteral("Editar")));
    QCOMPARE(child<QLineEdit>(editor, "fullNameField")->text(), QStringLiteral("cama"));
    QCOMPARE(child<QLineEdit>(editor, "signField")->text(), f.letter.folderPath() + QStringLiteral("cama/sena.avi"));
    auto* categories = editor->findChild<QListWidget*>(QStringLiteral("categoriesList"));
    QCOMPARE(categories->item(0)->checkState(), Qt::Unchecked); // COSAS
    QCOMPARE(categories->item(1)->checkState(), Qt::Checked);   // MUEBLES

    child<QLineEdit>(editor, "fullNameField")->setText(QStringLiteral("cama doble"));
    child<QLineEdit>(editor, "imageField")->setText(f.sources + QStringLiteral("casa.png"));
    categories->item(0)->setCheckState(Qt::Checked);
    categories->item(1)->setCheckState(Qt::Unchecked);
    MessageBoxAnswerer answerer;
    child<QPushButton>(editor, "acceptButton")->click();
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Palabra editada.")});
    QVERIFY(answerer.boxes[0].text.contains(QStringLiteral("exitosamente")));
    QTRY_VERIFY(editor.isNull());

    Word stored;
    QVERIFY(stored.loadById(f.cama));
    QCOMPARE(stored.fullName, QStringLiteral("cama doble"));
    QCOMPARE(stored.image, QStringLiteral("casa.png"));
    QCOMPARE(stored.sign, QStringLiteral("sena.avi"));
    const QString folder = f.letter.folderPath() + QStringLiteral("cama doble/");
    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name),
             (QStringList{QStringLiteral("casa.png"), QStringLiteral("modulacion.avi"),
                          QStringLiteral("sena.avi")}));
    QCOMPARE(count(QStringLiteral("SELECT id_category FROM word_x_category WHERE id_word = %1")
                       .arg(f.cama)),
             f.things);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM word_x_category")), 1);
}

void TestMediaWidget::shouldRefuseAndStayOpen_data()
{
    QTest::addColumn<QString>("fullName");
    QTest::addColumn<QString>("lips");
    QTest::addColumn<QString>("title"); // a word of the title
    QTest::addColumn<QString>("text");  // and of the message
    const QString lips = QStringLiteral("casa-labios.avi");
    QTest::newRow("empty field") << "casa" << "" << "vacíos" << "complete";
    QTest::newRow("climbing description") << "../../casa" << lips << "Descripción" << "\"../../casa\"";
    QTest::newRow("blank description") << " " << lips << "vacíos" << "complete";
    QTest::newRow("invisible description") << "\u200B\u200B" << lips << "vacíos" << "complete";
    QTest::newRow("description of another word") << "cama" << lips << "repetida" << "\"cama\"";
    // Named as it is stored, not as it was typed.
    QTest::newRow("another word's description in capitals") << "CAMA" << lips << "repetida" << "\"cama\"";
    QTest::newRow("another word's description with an accent") << "cáma " << lips << "repetida" << "\"cama\"";
    // A teacher counts letters, not bytes: 130 ñ take 260 bytes, 255 fit.
    QTest::newRow("description too long") << QString(130, QChar(0x00F1)) << lips << "larga"
                                          << "quite al menos 3 de sus 130 caracteres";
    QTest::newRow("long description of plain letters") << QString(300, QLatin1Char('x')) << lips << "larga"
                                                       << "quite al menos 45 de sus 300 caracteres";
    QTest::newRow("missing file") << "casa" << "no-existe.avi" << "Error" << "";
}

void TestMediaWidget::shouldRefuseAndStayOpen()
{
    QFETCH(QString, fullName);
    QFETCH(QString, lips);
    QFETCH(QString, title);
    QFETCH(QString, text);
    Fixture f;
    QPointer<MediaWidget> editor = new MediaWidget(0, &f.language, &f.letter, &f.categories);
    editor->show();
    f.fillNewWord(editor, fullName);
    child<QLineEdit>(editor, "lipsField")->setText(lips.isEmpty() ? QString() : f.sources + lips);
    QSignalSpy done(editor.data(), &MediaWidget::done);
    MessageBoxAnswerer answerer;
    child<QPushButton>(editor, "acceptButton")->click();
    QCOMPARE(answerer.boxes.size(), 1);
    QVERIFY2(answerer.boxes[0].title.contains(title), qPrintable(answerer.boxes[0].title));
    QVERIFY2(answerer.boxes[0].text.contains(text), qPrintable(answerer.boxes[0].text));
    QVERIFY(editor->isVisible());
    QCOMPARE(done.count(), 0);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM word")), 1);
    QCOMPARE(QDir(f.letter.folderPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("cama")});
    QCOMPARE(child<QLineEdit>(editor, "fullNameField")->text(), fullName); // the form keeps its contents
    delete editor;
}

void TestMediaWidget::shouldReportFailedRecordAndClose_data()
{
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<QString>("why"); // words of the message that say why
    QTest::newRow("read-only database") << "read-only" << "solo lectura";
    QTest::newRow("a rule of the database refuses it") << "trigger" << "rechazó";
}

void TestMediaWidget::shouldReportFailedRecordAndClose()
{
    QFETCH(QString, trouble);
    QFETCH(QString, why);
    Fixture f;
    if (trouble == QLatin1String("trigger")) {
        QVERIFY(TestHome::exec(QStringLiteral(
            "CREATE TRIGGER closed BEFORE INSERT ON word BEGIN SELECT RAISE(ABORT, 'no'); END")));
    } else {
        QSqlDatabase db = QSqlDatabase::database();
        db.close();
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.setDatabaseName(f.home.databasePath());
        QVERIFY(db.open());
    }
    QPointer<MediaWidget> editor = new MediaWidget(0, &f.language, &f.letter, &f.categories);
    editor->show();
    f.fillNewWord(editor, QStringLiteral("casa"));
    child<QListWidget>(editor, "categoriesList")->item(0)->setCheckState(Qt::Checked);
    QSignalSpy done(editor.data(), &MediaWidget::done);
    MessageBoxAnswerer answerer;
    child<QPushButton>(editor, "acceptButton")->click();
    QCOMPARE(answerer.boxes.size(), 1);
    const QString text = answerer.boxes[0].text;
    QVERIFY2(text.contains(QStringLiteral("casa")) && text.contains(QStringLiteral("base de datos"))
                 && text.contains(why),
             qPrintable(text));
    QCOMPARE(done.count(), 1);
    QTRY_VERIFY(editor.isNull());
    QVERIFY(!QFileInfo::exists(f.letter.folderPath() + QStringLiteral("casa")));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM word")), 1);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM word_x_category")), 1);
}

void TestMediaWidget::shouldTellAWordChangedOnAnotherPcAndClose_data()
{
    QTest::addColumn<QString>("otherPc"); // what another PC did meanwhile
    QTest::addColumn<QString>("message");
    QTest::newRow("saved it") << "UPDATE word SET sign = 'otra.avi', revision = revision + 1"
                              << "La palabra «cama» cambió en otro equipo después de abrirla: no "
                                 "se ha guardado nada. Ábrala de nuevo para ver cómo quedó.";
    QTest::newRow("deleted it") << "DELETE FROM word"
                                << "La palabra «cama» ya no existe: la borraron en otro equipo.";
}

void TestMediaWidget::shouldTellAWordChangedOnAnotherPcAndClose()
{
    QFETCH(QString, otherPc);
    QFETCH(QString, message);
    Fixture f;
    Word word;
    QVERIFY(word.loadById(f.cama));
    QPointer<MediaWidget> editor = new MediaWidget(0, &f.language, &f.letter, &f.categories, &word);
    editor->show();
    QVERIFY(TestHome::exec(otherPc + QStringLiteral(" WHERE id = %1").arg(f.cama)));
    const QStringList files = QDir(f.letter.folderPath() + QStringLiteral("cama")).entryList(QDir::Files);
    child<QLineEdit>(editor, "fullNameField")->setText(QStringLiteral("cama doble"));
    child<QLineEdit>(editor, "imageField")->setText(f.sources + QStringLiteral("casa.png"));
    QSignalSpy done(editor.data(), &MediaWidget::done);
    MessageBoxAnswerer answerer;
    child<QPushButton>(editor, "acceptButton")->click();
    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].text, message);
    QCOMPARE(done.count(), 1);
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(QDir(f.letter.folderPath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("cama")});
    QCOMPARE(QDir(f.letter.folderPath() + QStringLiteral("cama")).entryList(QDir::Files), files);
}

void TestMediaWidget::shouldCancelWithoutWriting()
{
    Fixture f;
    Word word;
    QVERIFY(word.loadById(f.cama));
    QPointer<MediaWidget> editor = new MediaWidget(0, &f.language, &f.letter, &f.categories, &word);
    editor->show();
    child<QLineEdit>(editor, "fullNameField")->setText(QStringLiteral("otra"));
    QSignalSpy done(editor.data(), &MediaWidget::done);
    child<QPushButton>(editor, "cancelButton")->click();
    QCOMPARE(done.count(), 1);
    QTRY_VERIFY(editor.isNull());
    Word stored;
    QVERIFY(stored.loadById(f.cama));
    QCOMPARE(stored.fullName, QStringLiteral("cama"));
    QVERIFY(QFileInfo::exists(f.letter.folderPath() + QStringLiteral("cama/imagen.png")));
}

void TestMediaWidget::shouldOpenChooserInPicturesOrVideosThenTheLastFolder()
{
    Fixture f;
    QTemporaryDir home;
    const QByteArray previousHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    QVERIFY(pictures.startsWith(home.path()) && videos.startsWith(home.path()));
    QVERIFY(QDir().mkpath(pictures) && QDir().mkpath(videos));
    const QString photo = home.path() + QStringLiteral("/telefono/IMG_0001.JPG");
    QVERIFY(writeFile(photo, "jpeg"));

    QPointer<MediaWidget> editor = new MediaWidget(0, &f.language, &f.letter, &f.categories);
    editor->show();
    // Answers the chooser: notes where it opened and what it offers, then
    // picks a file (or cancels).
    QString openedIn;
    QStringList filters;
    const auto answer = [&](const QString& pick) {
        QTimer::singleShot(0, editor, [&, pick] {
            auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(chooser);
            openedIn = chooser->directory().absolutePath();
            filters = chooser->nameFilters();
            if (pick.isEmpty()) {
                chooser->reject();
                return;
            }
            chooser->selectFile(pick);
            static_cast<QDialog*>(chooser)->accept(); // as the Open button does
        });
    };
    answer(photo);
    child<QPushButton>(editor, "browseImage")->click();
    QCOMPARE(openedIn, QDir(pictures).absolutePath());
    QCOMPARE(child<QLineEdit>(editor, "imageField")->text(), photo);
    for (const char* suffix : {"*.png", "*.jpg", "*.jpeg", "*.JPG"})
        QVERIFY2(filters.join(QLatin1Char(' ')).contains(QLatin1String(suffix)), suffix);

    answer(QString());
    child<QPushButton>(editor, "browseSign")->click();
    QCOMPARE(openedIn, QDir(videos).absolutePath());
    for (const char* suffix : {"*.avi", "*.mpg", "*.mov", "*.mp4", "*.m4v", "*.webm", "*.mkv"})
        QVERIFY2(filters.join(QLatin1Char(' ')).contains(QLatin1String(suffix)), suffix);

    answer(QString());
    child<QPushButton>(editor, "browseImage")->click();
    QCOMPARE(openedIn, QFileInfo(photo).absolutePath());
    delete editor;
    qputenv("HOME", previousHome);
    qunsetenv("XDG_CONFIG_HOME");
}

void TestMediaWidget::shouldProbeEveryNewVideo_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("playable");
    QTest::newRow("a file no player can open") << "telefono.mp4" << false;
    // The media backend opens no path with non-ASCII letters by itself.
    QTest::newRow("a good clip with a Spanish name") << "seña de casa.avi" << true;
}

void TestMediaWidget::shouldProbeEveryNewVideo()
{
    QFETCH(QString, file);
    QFETCH(bool, playable);
    Fixture f;
    QVERIFY(playable ? writeTinyVideo(f.sources + file, 3) : writeCorruptVideo(f.sources + file));
    QPointer<MediaWidget> editor = new MediaWidget(0, &f.language, &f.letter, &f.categories);
    editor->show();
    f.fillNewWord(editor, QStringLiteral("casa"));
    child<QLineEdit>(editor, "lipsField")->setText(f.sources + file);
    MessageBoxAnswerer answerer;
    child<QPushButton>(editor, "acceptButton")->click();
    QCOMPARE(QFileInfo::exists(f.letter.folderPath() + QStringLiteral("casa")), playable);
    if (!playable) {
        QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Video no válido")});
        QVERIFY(answerer.boxes[0].text.contains(file));
        QVERIFY(editor->isVisible());
    } else {
        QVERIFY(!answerer.titles().contains(QStringLiteral("Video no válido")));
    }
    delete editor;
}

QTEST_MAIN(TestMediaWidget)
#include "tst_mediawidget.moc"
