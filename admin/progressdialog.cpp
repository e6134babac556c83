#include "progressdialog.h"

#include "answercsv.h"
#include "answerlog.h"
#include "language.h"
#include "user.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// A file written whole or not at all.
bool writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}
} // namespace

ProgressDialog::ProgressDialog(int language, int userId, const AnswerLog* log, QWidget* parent)
    : QDialog(parent)
    , languageId(language)
{
    setObjectName(QStringLiteral("progressDialog"));
    setWindowTitle(tr("Progreso"));
    setAttribute(Qt::WA_DeleteOnClose);
    Language record;
    if (record.loadById(languageId))
        languageName = record.name;

    buildLayout();

    // What the writer still holds belongs in the report.
    if (log)
        log->flush();
    QStringList problems;
    if (!AnswerLog::tableExists())
        problems << tr("Esta base de datos no tiene la tabla del registro de respuestas: no se "
                       "guarda ninguna respuesta.");
    if (log && log->failedWrites() > 0)
        problems << tr("Respuestas de esta sesión que no se pudieron guardar: %1.")
                        .arg(log->failedWrites());
    if (log && log->waiting() > 0)
        problems << tr("Respuestas que esperan en este ordenador para llegar al servidor: %1.")
                        .arg(log->waiting());
    if (log && log->failedWrites() > 0)
        qWarning("Answer record: %s", qPrintable(log->lastError()));
    failureLabel->setText(problems.join(QLatin1Char('\n')));
    failureLabel->setVisible(!problems.isEmpty());

    UserList users;
    users.loadAll();
    users.reset();
    while (User* user = users.next())
        userBox->addItem(user->name, user->id);
    const int index = userBox->findData(userId);
    userBox->setCurrentIndex(index >= 0 ? index : 0);
    showUser(currentUserId());
    connect(userBox, &QComboBox::currentIndexChanged, this, [this] { showUser(currentUserId()); });
}

void ProgressDialog::setOffline(const QString& server, const QDateTime& copyTime)
{
    // One line: the report's charts keep their room on a small screen.
    const QString note = tr("Sin conexión con el servidor %1: se muestra la copia de este ordenador "
                            "del %2, puede estar incompleta.")
                             .arg(server, copyTime.toString(QStringLiteral("dd/MM/yyyy HH:mm")));
    const QString shown = failureLabel->text();
    failureLabel->setText(shown.isEmpty() ? note : note + QLatin1Char('\n') + shown);
    failureLabel->setVisible(true);
}

void ProgressDialog::buildLayout()
{
    userBox = new QComboBox(this);
    userBox->setObjectName(QStringLiteral("progressUserBox"));
    userBox->setAccessibleName(tr("Usuario"));
    userBox->setMinimumContentsLength(16);
    auto* userLabel = new QLabel(tr("&Usuario:"), this);
    userLabel->setBuddy(userBox);

    failureLabel = new QLabel(this);
    failureLabel->setObjectName(QStringLiteral("recordFailureLabel"));
    failureLabel->setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold;"));
    failureLabel->setWordWrap(true);

    grid = new QTableWidget(this);
    grid->setObjectName(QStringLiteral("letterGrid"));
    grid->setAccessibleName(tr("Letras por ejercicio"));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->setMinimumHeight(120);
    // Small enough for "10/10" in a column of each of the 29 letters.
    QFont cells = grid->font();
    cells.setPixelSize(10);
    grid->setFont(cells);
    grid->setWordWrap(false);
    grid->setTextElideMode(Qt::ElideNone);
    grid->horizontalHeader()->setMinimumSectionSize(20);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    chartView = new QChartView(this);
    chartView->setObjectName(QStringLiteral("progressChart"));
    chartView->setAccessibleName(tr("Respuestas por día"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumSize(440, 180);

    pairs = new QTableWidget(0, 3, this);
    pairs->setObjectName(QStringLiteral("confusedPairs"));
    pairs->setAccessibleName(tr("Letras que se confunden"));
    pairs->setHorizontalHeaderLabels({tr("Letra pedida"), tr("Tecla escrita"), tr("Veces")});
    pairs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pairs->verticalHeader()->hide();
    pairs->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    auto* csv = new QPushButton(tr("Exportar CSV…"), this);
    csv->setObjectName(QStringLiteral("csvButton"));
    auto* pdf = new QPushButton(tr("Informe PDF…"), this);
    pdf->setObjectName(QStringLiteral("pdfButton"));
    auto* close = new QPushButton(tr("Cerrar"), this);
    close->setObjectName(QStringLiteral("closeProgressButton"));
    connect(csv, &QPushButton::clicked, this, &ProgressDialog::slotExportCsv);
    connect(pdf, &QPushButton::clicked, this, &ProgressDialog::slotExportPdf);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(userLabel);
    top->addWidget(userBox);
    top->addStretch();
    auto* gridGroup = new QGroupBox(
        tr("Aciertos a la primera entre las últimas %1 preguntas").arg(ProgressStats::kLastAnswers), this);
    (new QVBoxLayout(gridGroup))->addWidget(grid);
    auto* pairsGroup = new QGroupBox(tr("Letras que se confunden"), this);
    (new QVBoxLayout(pairsGroup))->addWidget(pairs);
    auto* childPage = new QWidget(this);
    auto* childColumn = new QVBoxLayout(childPage);
    childColumn->setContentsMargins(0, 0, 0, 0);
    auto* lower = new QHBoxLayout;
    lower->addWidget(chartView, 2);
    lower->addWidget(pairsGroup, 1);
    childColumn->addWidget(gridGroup);
    childColumn->addLayout(lower, 1);
    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("progressTabs"));
    tabs->addTab(childPage, tr("Cada niño"));
    tabs->addTab(buildClassPage(), tr("La clase"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(csv);
    buttons->addWidget(pdf);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(failureLabel);
    column->addWidget(tabs, 1);
    column->addLayout(buttons);
    // Within a netbook's 1024 x 600 screen, title bar and panel included.
    QSize size(1000, 540);
    if (const QScreen* shownOn = screen())
        size = size.boundedTo(shownOn->availableGeometry().size() - QSize(8, 48));
    resize(size);
}

QWidget* ProgressDialog::buildClassPage()
{
    auto* page = new QWidget(this);
    classTable = new QTableWidget(page);
    classTable->setObjectName(QStringLiteral("classGrid"));
    classTable->setAccessibleName(tr("La clase"));
    classTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    classTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    classTable->setFont(grid->font());
    classTable->setWordWrap(false);
    classTable->horizontalHeader()->setMinimumSectionSize(20);
    classTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // A click on a child's row opens that child's report.
    connect(classTable, &QTableWidget::cellClicked, this, [this](int row) {
        if (row < 0 || row >= classData.rows.size())
            return;
        userBox->setCurrentIndex(userBox->findData(classData.rows.at(row).userId));
        tabs->setCurrentIndex(0);
    });
    auto* csv = new QPushButton(tr("Exportar la clase…"), page);
    csv->setObjectName(QStringLiteral("classCsvButton"));
    connect(csv, &QPushButton::clicked, this, &ProgressDialog::slotExportClassCsv);
    auto* hint = new QLabel(tr("Cada casilla: respuestas acertadas a la primera entre las últimas "
                               "%1 preguntas de esa letra, en todos los ejercicios. Pulse un niño "
                               "para ver su informe.")
                                .arg(ProgressStats::kLastAnswers),
                            page);
    hint->setWordWrap(true);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(hint);
    column->addWidget(classTable, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(csv);
    row->addStretch();
    column->addLayout(row);
    fillClass();
    return page;
}

void ProgressDialog::fillClass()
{
    classData = ProgressStats::classGrid(languageId);
    classTable->clear();
    classTable->setRowCount(int(classData.rows.size()));
    classTable->setColumnCount(int(classData.letters.size()));
    classTable->setHorizontalHeaderLabels(classData.letters);
    QStringList names;
    for (int row = 0; row < classData.rows.size(); ++row) {
        const ProgressStats::ClassRow& child = classData.rows.at(row);
        names << child.name;
        for (int column = 0; column < classData.letters.size(); ++column) {
            const QString& letter = classData.letters.at(column);
            classTable->setItem(row, column, cellItem(letter, child.cells.value(letter)));
        }
    }
    classTable->setVerticalHeaderLabels(names);
}

bool ProgressDialog::exportClassCsv(const QString& path) const
{
    return writeWhole(path, ProgressStats::classCsv(classData));
}

void ProgressDialog::slotExportClassCsv()
{
    saveAs(tr("Exportar la clase"), QDir::home().filePath(tr("clase") + QStringLiteral(".csv")),
           tr("Archivos CSV (*.csv)"), &ProgressDialog::exportClassCsv, tr("El registro se guardó en %1."), tr("No se pudo guardar el registro en %1."));
}

void ProgressDialog::saveAs(const QString& title, const QString& suggested, const QString& filter,
                            bool (ProgressDialog::*write)(const QString&) const, const QString& done,
                            const QString& failed)
{
    const QString path = QFileDialog::getSaveFileName(this, title, suggested, filter);
    if (path.isEmpty())
        return;
    if ((this->*write)(path))
        QMessageBox::information(this, windowTitle(), done.arg(path));
    else
        QMessageBox::critical(this, windowTitle(), failed.arg(path));
}

int ProgressDialog::currentUserId() const
{
    return userBox->currentData().toInt();
}

void ProgressDialog::showUser(int userId)
{
    data = ProgressData::load(userId, userBox->currentText(), languageId, languageName,
                              QDate::currentDate());
    fillGrid();
    fillPairs();
    QChart* old = chartView->chart();
    chartView->setChart(ProgressReport::makeChart(data.days));
    delete old;
}

void ProgressDialog::fillGrid()
{
    const QList<int>& exercises = ProgressStats::exercises();
    grid->clear();
    grid->setRowCount(int(exercises.size()));
    grid->setColumnCount(int(data.grid.letters.size()));
    grid->setHorizontalHeaderLabels(data.grid.letters);
    QStringList rowNames;
    for (int row = 0; row < exercises.size(); ++row) {
        rowNames << ProgressReport::exerciseName(exercises.at(row));
        for (int column = 0; column < data.grid.letters.size(); ++column) {
            const QString& letter = data.grid.letters.at(column);
            grid->setItem(row, column, cellItem(letter, data.grid.cell(letter, exercises.at(row))));
        }
    }
    grid->setVerticalHeaderLabels(rowNames);
}

QTableWidgetItem* ProgressDialog::cellItem(const QString& letter, const ProgressStats::Cell& cell) const
{
    auto* item = new QTableWidgetItem(ProgressReport::cellText(cell));
    item->setTextAlignment(Qt::AlignCenter);
    item->setBackground(ProgressReport::cellColour(cell));
    item->setForeground(QColor(Qt::black));
    item->setToolTip(cell.isEmpty() ? tr("%1: nunca preguntada").arg(letter)
                                    : tr("%1: %2 de %3 bien a la primera")
                                          .arg(letter).arg(cell.right).arg(cell.answers));
    return item;
}

void ProgressDialog::fillPairs()
{
    pairs->setRowCount(int(data.pairs.size()));
    for (int row = 0; row < data.pairs.size(); ++row) {
        const ProgressStats::Pair& pair = data.pairs.at(row);
        const QStringList texts = {pair.expected, pair.typed, QString::number(pair.count)};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(texts.at(column));
            item->setTextAlignment(Qt::AlignCenter);
            pairs->setItem(row, column, item);
        }
    }
}

bool ProgressDialog::exportCsv(const QString& path) const
{
    const int userId = currentUserId();
    return writeWhole(path, AnswerCsv::write(AnswerLog::answersOf(userId, languageId), data.userName, languageName));
}

bool ProgressDialog::exportPdf(const QString& path) const
{
    return ProgressReport::writePdf(path, data);
}

QString ProgressDialog::defaultFileName(const QString& suffix) const
{
    return QDir::home().filePath(tr("progreso-%1").arg(data.userName) + suffix);
}

void ProgressDialog::slotExportCsv()
{
    saveAs(tr("Exportar el registro"), defaultFileName(QStringLiteral(".csv")),
           tr("Archivos CSV (*.csv)"), &ProgressDialog::exportCsv, tr("El registro se guardó en %1."), tr("No se pudo guardar el registro en %1."));
}

void ProgressDialog::slotExportPdf()
{
    saveAs(tr("Guardar el informe"), defaultFileName(QStringLiteral(".pdf")),
           tr("Documentos PDF (*.pdf)"), &ProgressDialog::exportPdf, tr("El informe se guardó en %1."), tr("No se pudo guardar el informe en %1."));
}
