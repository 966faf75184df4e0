#include "ImportWindow.h"

#include "core/imports/ImportPreviewModel.h"
#include "core/session/UndoHistory.h"
#include "gui/kit/BusyCursor.h"
#include "gui/kit/MessageBox.h"
#include "store/Blanks.h"
#include "store/CategoryFile.h"
#include "store/FileNames.h"
#include "store/RecordFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableView>

namespace cw {
namespace {

// The category cell is edited with a list of the year's categories.
class CategoryDelegate : public QStyledItemDelegate {
public:
    CategoryDelegate(const QComboBox* categories, QObject* parent) : QStyledItemDelegate(parent), categories_(categories) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* box = new QComboBox(parent);
        box->setObjectName(QStringLiteral("ImpCatEditor"));
        for (int i = 0; i < categories_->count(); ++i)
            box->addItem(categories_->itemText(i), categories_->itemData(i));
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* box = static_cast<QComboBox*>(editor);
        box->setCurrentIndex(box->findData(index.data(Qt::EditRole).toString()));
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        auto* box = static_cast<QComboBox*>(editor);
        if (box->currentIndex() >= 0)
            model->setData(index, box->currentData().toString(), Qt::EditRole);
    }

private:
    const QComboBox* categories_;
};

QSpinBox* columnBox(const char* name)
{
    auto* box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, 1000);
    return box;
}

const char kDelimiters[] = {',', ';', '\t'};

} // namespace

ImportWindow::ImportWindow(const QString& dataFile, const QString& categoryFile, QChar flag, QWidget* opener,
                           UndoHistory* history)
    : UtilityWindow(QStringLiteral("frmImport"), QStringLiteral("Import"), opener, true),
      dataFile_(dataFile), categoryFile_(categoryFile), flag_(flag), history_(history),
      year_(yearOfDataFile(dataFile))
{
    file_ = new QLineEdit;
    file_->setObjectName(QStringLiteral("ImpFile"));
    browse_ = new QPushButton(QStringLiteral("Browse..."));
    browse_->setObjectName(QStringLiteral("ImpBrowse"));
    format_ = new QLabel;
    format_->setObjectName(QStringLiteral("ImpFormat"));

    mapping_ = new QGroupBox(QStringLiteral("CSV columns (1 = first, 0 = none)"));
    mapping_->setObjectName(QStringLiteral("ImpMapping"));
    delimiter_ = new QComboBox;
    delimiter_->setObjectName(QStringLiteral("ImpDelimiter"));
    delimiter_->addItems({QStringLiteral("Comma"), QStringLiteral("Semicolon"), QStringLiteral("Tab")});
    skip_ = columnBox("ImpSkip");
    dateCol_ = columnBox("ImpDateCol");
    dateOrder_ = new QComboBox;
    dateOrder_->setObjectName(QStringLiteral("ImpDateOrder"));
    dateOrder_->addItems({QStringLiteral("MDY"), QStringLiteral("DMY"), QStringLiteral("YMD")});
    amountCol_ = columnBox("ImpAmountCol");
    debitCol_ = columnBox("ImpDebitCol");
    creditCol_ = columnBox("ImpCreditCol");
    decimalComma_ = new QCheckBox(QStringLiteral("Decimal comma"));
    decimalComma_->setObjectName(QStringLiteral("ImpDecimalComma"));
    noteCols_ = new QLineEdit;
    noteCols_->setObjectName(QStringLiteral("ImpNoteCols"));
    codeCol_ = columnBox("ImpCodeCol");
    auto* form = new QGridLayout(mapping_);
    const std::pair<const char*, QWidget*> fields[] = {
        {"Delimiter", delimiter_}, {"Header lines", skip_},   {"Date", dateCol_},       {"Date order", dateOrder_},
        {"Amount", amountCol_},    {"Debit (out)", debitCol_}, {"Credit (in)", creditCol_}, {"", decimalComma_},
        {"Note columns", noteCols_}, {"Category code", codeCol_},
    };
    int at = 0;
    for (const auto& [caption, widget] : fields) {
        form->addWidget(new QLabel(QString::fromLatin1(caption)), at / 5 * 2, at % 5);
        form->addWidget(widget, at / 5 * 2 + 1, at % 5);
        ++at;
    }
    for (int column = 0; column < 5; ++column)
        form->setColumnStretch(column, 1);
    mapping_->hide();

    model_ = new ImportPreviewModel(this);
    previewView_ = new QTableView;
    previewView_->setObjectName(QStringLiteral("ImpPreview"));
    previewView_->setModel(model_);
    previewView_->verticalHeader()->hide();
    previewView_->horizontalHeader()->setSectionResizeMode(ImportPreviewModel::Note, QHeaderView::Stretch);
    previewView_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                                  | QAbstractItemView::EditKeyPressed);

    defaultCat_ = new QComboBox;
    defaultCat_->setObjectName(QStringLiteral("ImpDefaultCat"));
    if (Result<std::vector<CategoryRecord>> cats = CategoryFile(resolveFileName(*Env::current(), categoryFile_)).readAll()) {
        for (const CategoryRecord& c : *cats) {
            const QString code = trimBlanks(c.codeText().remove(QChar(0)));
            if (!code.isEmpty())
                defaultCat_->addItem(code + u' ' + trimBlanks(c.nameText().remove(QChar(0))), code);
        }
    }
    previewView_->setItemDelegateForColumn(ImportPreviewModel::Category, new CategoryDelegate(defaultCat_, this));

    go_ = new QPushButton(QStringLiteral("Import"));
    go_->setObjectName(QStringLiteral("ImpGo"));
    go_->setEnabled(false);
    cancel_ = new QPushButton(QStringLiteral("Cancel"));
    cancel_->setObjectName(QStringLiteral("ImpCancel"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Statement file:")), 0, 0);
    layout->addWidget(file_, 0, 1, 1, 3);
    layout->addWidget(browse_, 0, 4);
    layout->addWidget(format_, 1, 0, 1, 5);
    layout->addWidget(mapping_, 2, 0, 1, 5);
    layout->addWidget(previewView_, 3, 0, 1, 5);
    layout->addWidget(new QLabel(QStringLiteral("Default category:")), 4, 0);
    layout->addWidget(defaultCat_, 4, 1);
    layout->addWidget(go_, 4, 3);
    layout->addWidget(cancel_, 4, 4);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(2, 1);
    resize(760, 520);

    connect(file_, &QLineEdit::returnPressed, this, [this] { loadStatement(true); });
    connect(file_, &QLineEdit::editingFinished, this, [this] { loadStatement(false); });
    connect(browse_, &QPushButton::clicked, this, &ImportWindow::chooseStatementFile);
    for (QComboBox* box : {delimiter_, dateOrder_})
        connect(box, &QComboBox::currentIndexChanged, this, &ImportWindow::rereadWithMapping);
    for (QSpinBox* box : {skip_, dateCol_, amountCol_, debitCol_, creditCol_, codeCol_})
        connect(box, &QSpinBox::valueChanged, this, &ImportWindow::rereadWithMapping);
    connect(decimalComma_, &QCheckBox::toggled, this, &ImportWindow::rereadWithMapping);
    connect(noteCols_, &QLineEdit::editingFinished, this, &ImportWindow::rereadWithMapping);
    connect(defaultCat_, &QComboBox::currentIndexChanged, this, &ImportWindow::applyDefaultCategory);
    connect(go_, &QPushButton::clicked, this, &ImportWindow::importChosenRows);
    connect(cancel_, &QPushButton::clicked, this, &QWidget::close);
}

QString ImportWindow::defaultCode() const { return defaultCat_->currentData().toString(); }

void ImportWindow::loadStatement(bool always)
{
    const QString path = file_->text().trimmed();
    if (path.isEmpty() || (!always && path == loadedPath_))
        return;
    loadedPath_ = path;
    loaded_ = false;
    model_->setRows({});
    go_->setEnabled(false);
    mapping_->hide();
    format_->clear();

    BusyCursor busy;
    Env& env = *Env::current();
    if (Result<ImportMemory> memory = loadImportMemory(env)) {
        memory_ = std::move(*memory);
    } else {
        memory_ = {};
        showFileError(messageParent(), memory.status());
    }
    if (std::optional<StatementProblem> problem = statement_.load(env, path, memory_, flag_, year_)) {
        showProblem(*problem);
        return;
    }
    loaded_ = true;
    format_->setText(QStringLiteral("Format: ") + statementFormatName(statement_.format()));
    if (statement_.isCsv()) {
        showMapping(statement_.mapping());
        mapping_->show();
    }
    plan();
}

void ImportWindow::chooseStatementFile()
{
    QFileDialog dialog(this, QStringLiteral("Import a statement"), QDir::currentPath(),
                       QStringLiteral("Statements (*.ofx *.qfx *.qif *.csv *.txt *.OFX *.QFX *.QIF *.CSV *.TXT);;All files (*)"));
    dialog.setObjectName(QStringLiteral("ImpFileDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    // A file in the working folder is named as the program names its own files.
    const QString chosen = dialog.selectedFiles().first();
    const QString relative = QDir::current().relativeFilePath(chosen);
    file_->setText(relative.startsWith(QStringLiteral("..")) ? chosen : relative);
    loadStatement(true);
}

void ImportWindow::showMapping(const CsvMapping& m)
{
    const QSignalBlocker blocks[] = {QSignalBlocker(delimiter_), QSignalBlocker(skip_),      QSignalBlocker(dateCol_),
                                     QSignalBlocker(dateOrder_), QSignalBlocker(amountCol_), QSignalBlocker(debitCol_),
                                     QSignalBlocker(creditCol_), QSignalBlocker(decimalComma_), QSignalBlocker(noteCols_),
                                     QSignalBlocker(codeCol_)};
    delimiter_->setCurrentIndex(int(std::find(std::begin(kDelimiters), std::end(kDelimiters), m.delimiter) - std::begin(kDelimiters)) % 3);
    skip_->setValue(m.skip);
    dateCol_->setValue(m.dateCol);
    dateOrder_->setCurrentIndex(int(m.dateOrder));
    amountCol_->setValue(m.amountCol);
    debitCol_->setValue(m.debitCol);
    creditCol_->setValue(m.creditCol);
    decimalComma_->setChecked(m.decimalComma);
    noteCols_->setText(columnListText(m.noteCols));
    codeCol_->setValue(m.codeCol);
}

CsvMapping ImportWindow::mappingShown() const
{
    CsvMapping m;
    m.delimiter = kDelimiters[qBound(0, delimiter_->currentIndex(), 2)];
    m.skip = skip_->value();
    m.dateCol = dateCol_->value();
    m.dateOrder = dateOrderFromName(dateOrder_->currentText()).value_or(DateOrder::MDY);
    m.amountCol = amountCol_->value();
    m.debitCol = debitCol_->value();
    m.creditCol = creditCol_->value();
    m.decimalComma = decimalComma_->isChecked();
    m.noteCols = parseColumnList(noteCols_->text());
    m.codeCol = codeCol_->value();
    return m;
}

void ImportWindow::rereadWithMapping()
{
    if (!loaded_ || !statement_.isCsv() || mappingShown() == statement_.mapping())
        return;
    BusyCursor busy;
    if (std::optional<StatementProblem> problem = statement_.setMapping(mappingShown())) {
        model_->setRows({});
        go_->setEnabled(false);
        showProblem(*problem);
        return;
    }
    plan();
}

void ImportWindow::applyDefaultCategory() { model_->setDefaultCategory(defaultCode()); }

void ImportWindow::showProblem(const StatementProblem& problem)
{
    if (!problem.status)
        showFileError(messageParent(), problem.status);
    else if (problem.failure)
        showMessage(messageParent(), statementFailureMessage(statement_.path(), *problem.failure));
}

void ImportWindow::plan()
{
    Env& env = *Env::current();
    Result<QByteArray> records = readRecordFile(env, resolveFileName(env, dataFile_));
    if (!records) {
        showFileError(messageParent(), records.status());
        return;
    }
    ImportContext context;
    context.flag = flag_;
    context.activeYear = year_;
    context.defaultCode = defaultCode();
    if (const auto ids = memory_.fitids.find(year_); ids != memory_.fitids.end())
        context.knownFitids = ids->second;
    model_->setRows(planImport(statement_.rows(), *records, context));
    go_->setEnabled(true);
}

void ImportWindow::importChosenRows()
{
    if (!loaded_)
        return;
    Env& env = *Env::current();
    // The entries and the statement ids remembered with them are one step of
    // Undo: an import taken back can be made again.
    UndoScope undo(history_, env, {dataFile_, kImportMemoryName});
    ImportOutcome outcome;
    {
        BusyCursor busy;
        outcome = writeImport(env, dataFile_, model_->rows(), flag_);
    }
    if (outcome.refused) {
        showMessage(messageParent(), *outcome.refused);
        return;
    }
    if (!outcome.status) {
        showFileError(messageParent(), outcome.status);
        return;
    }
    if (outcome.written > 0)
        emit imported();
    // The FITIDs written and the mapping used are remembered for next time.
    for (const QString& id : outcome.fitids)
        memory_.fitids[year_].insert(id);
    if (statement_.isCsv())
        memory_.mappings[statement_.headerLine()] = statement_.mapping().toText();
    if (!outcome.fitids.isEmpty() || statement_.isCsv())
        if (Status s = saveImportMemory(env, memory_); !s)
            showFileError(messageParent(), s);
    showMessage(messageParent(), importSummaryMessage(outcome));
    close();
}

} // namespace cw
