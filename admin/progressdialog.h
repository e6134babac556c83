#pragma once

#include "progressreport.h"

#include <QDateTime>
#include <QDialog>

class AnswerLog;
class QChartView;
class QComboBox;
class QLabel;
class QTabWidget;
class QTableWidget;
class QTableWidgetItem;

// "Progreso": what one child has learned, letter by letter and exercise by
// exercise, with answers per day, confused letters, and CSV and PDF exports;
// and the whole class at a glance, each child's row leading to its report.
class ProgressDialog : public QDialog
{
    Q_OBJECT

public:
    // `log` (may be null) tells of answers this session could not store.
    ProgressDialog(int languageId, int userId, const AnswerLog* log, QWidget* parent = nullptr);

    void showUser(int userId);
    // The school's server is away: the report holds what the PC's copy of
    // copyTime holds, and says so.
    void setOffline(const QString& server, const QDateTime& copyTime);
    const ProgressData& shown() const { return data; }
    bool exportCsv(const QString& path) const;
    bool exportPdf(const QString& path) const;
    bool exportClassCsv(const QString& path) const;

private Q_SLOTS:
    void slotExportCsv();
    void slotExportPdf();
    void slotExportClassCsv();

private:
    void buildLayout();
    void fillGrid();
    void fillPairs();
    void fillClass();
    QTableWidgetItem* cellItem(const QString& letter, const ProgressStats::Cell& cell) const;
    // Asks where to save, writes, and says how it went.
    void saveAs(const QString& title, const QString& suggested, const QString& filter,
                bool (ProgressDialog::*write)(const QString&) const, const QString& done,
                const QString& failed);
    QWidget* buildClassPage();
    int currentUserId() const;
    QString defaultFileName(const QString& suffix) const;

    int languageId = 0;
    QString languageName;
    ProgressData data;
    QComboBox* userBox = nullptr;
    QLabel* failureLabel = nullptr;
    QTableWidget* grid = nullptr;
    QChartView* chartView = nullptr;
    QTableWidget* pairs = nullptr;
    QTabWidget* tabs = nullptr;
    QTableWidget* classTable = nullptr;
    ProgressStats::ClassGrid classData;
};
