#pragma once
// frmImport, "Import": a bank statement (OFX, QFX, QIF, CSV or the
// program's own comma export) read into a preview of the rows it would add
// to the active year, then written with one rewrite. The opener (the main
// window) is disabled while it is open.

#include "gui/kit/UtilityWindow.h"
#include "core/imports/ImportMemory.h"
#include "core/imports/StatementImport.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace cw {

class ImportPreviewModel;
class UndoHistory;

class ImportWindow : public UtilityWindow {
    Q_OBJECT
public:
    // Imports into `dataFile` (the active year's) under the date format
    // `flag`; the categories come from `categoryFile`. An import is kept as
    // a step of `history` when one is given.
    ImportWindow(const QString& dataFile, const QString& categoryFile, QChar flag, QWidget* opener,
                 UndoHistory* history = nullptr);

    ImportPreviewModel* preview() const { return model_; }

signals:
    // Entries were written: the main window refills its list.
    void imported();

private:
    void loadStatement(bool always);
    void chooseStatementFile();
    void rereadWithMapping();
    void applyDefaultCategory();
    void importChosenRows();

    void showMapping(const CsvMapping& mapping);
    CsvMapping mappingShown() const;
    void showProblem(const StatementProblem& problem);
    // The rows of the statement against the year as it is now.
    void plan();
    QString defaultCode() const;

    QString dataFile_;
    QString categoryFile_;
    QChar flag_;
    UndoHistory* history_;
    int year_;
    StatementImport statement_;
    ImportMemory memory_;
    QString loadedPath_;
    bool loaded_ = false;

    QLineEdit* file_;
    QPushButton* browse_;
    QLabel* format_;
    QGroupBox* mapping_;
    QComboBox* delimiter_;
    QSpinBox* skip_;
    QSpinBox* dateCol_;
    QComboBox* dateOrder_;
    QSpinBox* amountCol_;
    QSpinBox* debitCol_;
    QSpinBox* creditCol_;
    QCheckBox* decimalComma_;
    QLineEdit* noteCols_;
    QSpinBox* codeCol_;
    QTableView* previewView_;
    ImportPreviewModel* model_;
    QComboBox* defaultCat_;
    QPushButton* go_;
    QPushButton* cancel_;
};

} // namespace cw
