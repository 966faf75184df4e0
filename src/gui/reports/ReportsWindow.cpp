#include "ReportsWindow.h"
#include "core/reports/ReportTextModel.h"

#include "ReportChartPage.h"
#include "ReportCharts.h"
#include "core/reports/ReportGenerator.h"
#include "gui/reports/ReportPrinter.h"
#include "core/reports/CategoryChoice.h"
#include "store/ReportSelection.h"

#include "gui/kit/BusyCursor.h"
#include "gui/kit/CategoryListModel.h"
#include "gui/kit/GridLook.h"
#include "core/session/HelpText.h"
#include "gui/kit/MainLayout.h"
#include "gui/kit/ToolbarWidth.h"
#include "gui/kit/MessageBox.h"
#include "store/FileContents.h"
#include "store/FileNames.h"
#include "store/MonthNames.h"
#include "core/tools/CommaExport.h"
#include "gui/reports/ExportWindow.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QCoreApplication>
#include <QPrintDialog>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QProgressDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace cw {
namespace {

// Designed sizes, in pixels; the resize rules stretch from these.
constexpr int kDesignedListHeight = 300;
constexpr int kCategoryGridWidth = 161;    // 2415 twips
constexpr int kCategoryGridHeight = 153;   // 2295 twips
constexpr qreal kListPointSize = 9.75;

struct ToolbarButton {
    const char* key;
    const char* caption;
    const char* tooltip;
    QStyle::StandardPixmap image;
    const char* shortcut;
};

// In the order of their indexes 1 to 10; Chart comes after them.
const ToolbarButton kToolbarButtons[] = {
    {"rtbHelp", "Help", nullptr, QStyle::SP_DialogHelpButton, "F1"},
    {"rtbAll", "All Cats", "Click to select all categories at once", QStyle::SP_DialogYesButton, nullptr},
    {"rtbSelectCats", "Pick Cats", "Click to display category selection", QStyle::SP_FileDialogDetailedView, nullptr},
    {"rtbStartMonth", "Start", "Click to push report start up one month", QStyle::SP_ArrowRight, nullptr},
    {"rtbEndMonth", "End", "Click to push report end back one month", QStyle::SP_ArrowLeft, nullptr},
    {"rtbSummary", "Summary", "Report without line items", QStyle::SP_FileDialogListView, nullptr},
    {"rtbFull", "Full", "Include line items", QStyle::SP_FileDialogContentsView, nullptr},
    {"rtbView", "View", "Display report on screen", QStyle::SP_FileDialogInfoView, nullptr},
    {"rtbPrint", "Print", "Print report", QStyle::SP_ComputerIcon, "Ctrl+P"},
    {"rtbPreview", "Preview", "Show the pages as Print will put them", QStyle::SP_FileDialogContentsView, nullptr},
    {"rtbClear", "Clear", "Clear report - start over", QStyle::SP_DialogResetButton, nullptr},
    {"rtbChart", "Chart", "Show the report as charts, or as text again", QStyle::SP_FileDialogStart, nullptr},
};

// The smallest picture Save Chart writes, whatever the page's size.
constexpr QSize kSmallestChartPicture(640, 480);

QLabel* addPanel(QStatusBar* bar, const char* key, const char* text, const char* tooltip)
{
    QLabel* panel = new QLabel(QString::fromLatin1(text), bar);
    panel->setObjectName(QString::fromLatin1(key));
    if (tooltip)
        panel->setToolTip(QString::fromLatin1(tooltip));
    panel->setTextFormat(Qt::PlainText);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(panel, 1);
    return panel;
}

QTableView* newCategoryGrid(QWidget* parent, const char* name, CategoryListModel* model, const char* tooltip)
{
    QTableView* grid = new QTableView(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setModel(model);
    setUpGrid(grid, CategoryListModel::kFormat);
    GridFocusLook::attach(grid);
    grid->setToolTip(QString::fromLatin1(tooltip));
    grid->setFixedSize(kCategoryGridWidth, kCategoryGridHeight);
    return grid;
}

// The report lines with their tabs laid out as on paper.
class ReportLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale&) const override { return expandTabs(value.toString()); }
};

} // namespace

ReportsWindow::ReportsWindow(WindowContext context)
    : UtilityWindow(QStringLiteral("frmReports"), QStringLiteral("Coinwick 2 - Reports"), context.opener, true),
      context_(std::move(context)),
      client_(new QWidget(this)),
      toolbar_(new QToolBar(client_)),
      allCategories_(new CategoryListModel(this)),
      chosenCategories_(new CategoryListModel(this)),
      list1_(new QListView(client_)),
      report_(new ReportTextModel(this)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    frame->addWidget(client_);
    buildMenus();
    buildToolbar();

    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setModel(report_);
    list1_->setItemDelegate(new ReportLineDelegate(list1_));
    list1_->setFont(reportFont(kListPointSize, true));
    list1_->setUniformItemSizes(true);
    list1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    list1_->setGeometry(0, toolbar_->sizeHint().height(), 600, kDesignedListHeight);
    chartPage_ = new ReportChartPage(client_);
    chartPage_->setGeometry(list1_->geometry());
    chartPage_->hide();

    buildCategorySelection();
    buildStatusBars();

    commonDialog1_ = new QPrintDialog(printer_.get(), this);
    commonDialog1_->setObjectName(QStringLiteral("CommonDialog1"));
    commonDialog1_->setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);

    client_->installEventFilter(this);
    // Tab goes along the toolbar, then to the report, then to the category lists.
    const QList<QAction*> buttons = toolbar_->actions();
    setTabOrder(toolbar_->widgetForAction(buttons.last()), list1_);
    setTabOrder(list1_, repCatListA_);
    setTabOrder(repCatListA_, repCatListB_);

    // Window load: over the main window (disabled by now), the category
    // lists, the year, the whole year as the month range.
    if (context_.opener)
        setGeometry(context_.opener->geometry());
    PopRepCatList_A();
    initRepCatList_B();
    rsbYear_->setText(context_.state->dataFileName.left(4));
    months_ = MonthRange{};
}

// The print dialog goes before the printer it was made for.
ReportsWindow::~ReportsWindow() { delete commonDialog1_; }

void ReportsWindow::buildMenus()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("ReportsMenuBar"));
    layout()->setMenuBar(bar);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("rmnuFile"));
    const auto addItem = [this, file](const char* key, const char* caption, void (ReportsWindow::*handler)()) {
        QAction* action = new QAction(QString::fromLatin1(caption), this);
        action->setObjectName(QString::fromLatin1(key));
        file->addAction(action);
        connect(action, &QAction::triggered, this, handler);
    };
    addItem("rmnuExport", "Export comma-delimited file", &ReportsWindow::rmnuExport_Click);
    addItem("rmnuSaveChart", "Save Chart...", &ReportsWindow::saveChartAs);
    addItem("rmnuPreview", "Print Preview", &ReportsWindow::PrintPreview);
    addItem("rmnuPrintSetup", "Print Setup...", &ReportsWindow::choosePrinter);
    file->addSeparator();
    addItem("rmnuExit", "E&xit reports screen", &ReportsWindow::rmnuExit_Click);

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("rmnuView"));
    chartMenuItem_ = view->addAction(QStringLiteral("Chart"));
    chartMenuItem_->setObjectName(QStringLiteral("rmnuChart"));
    chartMenuItem_->setCheckable(true);
    connect(chartMenuItem_, &QAction::triggered, this, &ReportsWindow::ToggleChart);
}

void ReportsWindow::buildToolbar()
{
    toolbar_->setObjectName(QStringLiteral("RepToolbar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolbarButton& b : kToolbarButtons) {
        const QString key = QString::fromLatin1(b.key);
        QAction* button = toolbar_->addAction(style()->standardIcon(b.image), QString::fromLatin1(b.caption));
        button->setObjectName(key);
        if (b.tooltip)
            button->setToolTip(QString::fromLatin1(b.tooltip));
        if (b.shortcut)
            button->setShortcut(QKeySequence(QString::fromLatin1(b.shortcut)));
        connect(button, &QAction::triggered, this, [this, key] { RepToolbar_ButtonClick(key); });
    }
    // The buttons are the window's only way to most commands, so Tab reaches them.
    for (QAction* button : toolbar_->actions())
        toolbar_->widgetForAction(button)->setFocusPolicy(Qt::TabFocus);
    toolbar_->layout()->setSpacing(0);
    toolbar_->layout()->setContentsMargins(0, 0, 0, 0);
    view_ = command(QStringLiteral("rtbView"));
    print_ = command(QStringLiteral("rtbPrint"));
    chart_ = command(QStringLiteral("rtbChart"));
    chart_->setCheckable(true);
    view_->setEnabled(false);
    print_->setEnabled(false);
    // Preview is there whenever Print is.
    for (QAction* preview : {command(QStringLiteral("rtbPreview")), command(QStringLiteral("rmnuPreview"))}) {
        preview->setEnabled(false);
        connect(print_, &QAction::enabledChanged, preview, &QAction::setEnabled);
    }
}

void ReportsWindow::buildStatusBars()
{
    settingsBar_ = new QStatusBar(client_);
    settingsBar_->setObjectName(QStringLiteral("RepStatusBar2"));
    settingsBar_->setSizeGripEnabled(false);
    rsbYear_ = addPanel(settingsBar_, "rsbYear", "Year", "Active year  (change at main screen)");
    rsbCats_ = addPanel(settingsBar_, "rsbCats", "Categories", "Shows if categories are selected");
    rsbStartMonth_ = addPanel(settingsBar_, "rsbStartMonth", "January", "Starting month of report (inclusive)");
    addPanel(settingsBar_, "rsbThrough", "> Through >", nullptr);
    rsbEndMonth_ = addPanel(settingsBar_, "rsbEndMonth", "December", "Ending month of report (inclusive)");
    rsbRepType_ = addPanel(settingsBar_, "rsbRepType", "Summary", "Type of report to be generated");

    resultsBar_ = new QStatusBar(client_);
    resultsBar_->setObjectName(QStringLiteral("RepStatusBar1"));
    resultsBar_->setSizeGripEnabled(false);
    rsbIncome_ = addPanel(resultsBar_, "RSBic", "Income", nullptr);
    rsbExpense_ = addPanel(resultsBar_, "RSBex", "Expense", nullptr);
    rsbBalance_ = addPanel(resultsBar_, "RSBbal", "Balance", nullptr);
}

void ReportsWindow::buildCategorySelection()
{
    frmCatSel_ = new QGroupBox(QStringLiteral(" Report Category Selection "), client_);
    frmCatSel_->setObjectName(QStringLiteral("frmCatSel"));
    frmCatSel_->setAutoFillBackground(true);   // it lies over the report list
    repCatListA_ = newCategoryGrid(frmCatSel_, "RepCatList_A", allCategories_, "click to add to report");
    repCatListB_ = newCategoryGrid(frmCatSel_, "RepCatList_B", chosenCategories_, "click to remove from report");
    auto* allLabel = new QLabel(QStringLiteral("All available categories"), frmCatSel_);
    allLabel->setObjectName(QStringLiteral("AllCatsLabel"));
    auto* chosenLabel = new QLabel(QStringLiteral("Categories for this report"), frmCatSel_);
    chosenLabel->setObjectName(QStringLiteral("ThisReportCatsLabel"));

    auto* grid = new QGridLayout(frmCatSel_);
    grid->addWidget(repCatListA_, 0, 0);
    grid->addWidget(repCatListB_, 0, 1);
    grid->addWidget(allLabel, 1, 0);
    grid->addWidget(chosenLabel, 1, 1);
    frmCatSel_->adjustSize();
    // Over the report list, near its top left corner.
    frmCatSel_->move(list1_->x() + 8, list1_->y() + 8);
    frmCatSel_->hide();

    connect(repCatListA_, &QTableView::clicked, this, &ReportsWindow::RepCatList_A_Click);
    connect(repCatListB_, &QTableView::clicked, this, &ReportsWindow::RepCatList_B_Click);
    repCatListA_->installEventFilter(this);
    repCatListB_->installEventFilter(this);
}

QAction* ReportsWindow::command(const QString& key) const { return findChild<QAction*>(key); }

QStringList ReportsWindow::reportLines() const { return report_->text().toStringList(); }

void ReportsWindow::PopRepCatList_A()
{
    // A category file that cannot be read gives an empty list, and says why.
    const Status loaded = allCategories_->load(*Env::current(), context_.state->categoryFileName);
    if (!loaded)
        showFileError(this, loaded);
}

void ReportsWindow::initRepCatList_B()
{
    chosenCategories_->setCategories({});
    rsbCats_->setText(kNoCategoriesText);
}

void ReportsWindow::RepCatList_A_Click(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    std::vector<CategoryRecord> chosen = chosenCategories_->categories();
    if (addChosenCategory(chosen, allCategories_->categories().at(size_t(index.row()))))
        chosenCategories_->setCategories(std::move(chosen));
    view_->setEnabled(true);
    rsbCats_->setText(kSomeCategoriesText);
}

void ReportsWindow::RepCatList_B_Click(const QModelIndex& index)
{
    // The first chosen row (or no row) takes the whole choice with it.
    if (!index.isValid() || index.row() == 0) {
        initRepCatList_B();
        return;
    }
    std::vector<CategoryRecord> chosen = chosenCategories_->categories();
    chosen.erase(chosen.begin() + index.row());
    chosenCategories_->setCategories(std::move(chosen));
    rsbCats_->setText(kSomeCategoriesText);
}

void ReportsWindow::RepToolbar_ButtonClick(const QString& key)
{
    if (key == QLatin1String("rtbHelp")) {
        emit helpRequested(HelpContext::ReportsWindow);
    } else if (key == QLatin1String("rtbSummary")) {
        reportType_ = QStringLiteral("S");
        rsbRepType_->setText(reportTypeText(false));
    } else if (key == QLatin1String("rtbFull")) {
        reportType_ = QStringLiteral("F");
        rsbRepType_->setText(reportTypeText(true));
    } else if (key == QLatin1String("rtbClear")) {
        ClearReport();
    } else if (key == QLatin1String("rtbAll")) {
        AllCats();
    } else if (key == QLatin1String("rtbSelectCats")) {
        frmCatSel_->show();
        frmCatSel_->raise();
        repCatListA_->setFocus();
    } else if (key == QLatin1String("rtbView")) {
        ViewReport();
    } else if (key == QLatin1String("rtbPrint")) {
        PrintReport();
    } else if (key == QLatin1String("rtbStartMonth")) {
        StartMonth();
    } else if (key == QLatin1String("rtbEndMonth")) {
        EndMonth();
    } else if (key == QLatin1String("rtbPreview")) {
        PrintPreview();
    } else if (key == QLatin1String("rtbChart")) {
        ToggleChart();
    }
}

void ReportsWindow::AllCats()
{
    CategoryListModel all;
    FileContents year;
    Env& env = *Env::current();
    all.load(env, context_.state->categoryFileName);
    // An unreadable year file adds no codes; View then names it.
    env.mapFile(resolveFileName(env, context_.state->dataFileName), false, &year);
    chosenCategories_->setCategories(allCategoriesChoice(all.categories(), year.view()));
    view_->setEnabled(true);
    rsbCats_->setText(kAllCategoriesText);
}

void ReportsWindow::StartMonth()
{
    const int end = months_.end;
    pushStartMonth(months_);
    if (months_.end != end)
        rsbEndMonth_->setText(monthName(months_.end));
    rsbStartMonth_->setText(monthName(months_.start));
}

void ReportsWindow::EndMonth()
{
    const int start = months_.start;
    pullEndMonth(months_);
    if (months_.start != start)
        rsbStartMonth_->setText(monthName(months_.start));
    rsbEndMonth_->setText(monthName(months_.end));
}

void ReportsWindow::ClearReport()
{
    initRepCatList_B();
    rsbIncome_->setText(kClearedIncomeText);
    rsbExpense_->setText(kClearedExpenseText);
    rsbBalance_->setText(kClearedBalanceText);
    view_->setEnabled(false);
    print_->setEnabled(false);
    report_->setText({});
    showChartPage(false);
}

void ReportsWindow::ViewReport()
{
    frmCatSel_->hide();
    report_->setText({});
    const ReportRequest request = currentRequest();
    ReportResult result;
    {
        BusyCursor busy;
        result = viewReport(*Env::current(), chosenCategories_->categories(), request);
        report_->setText(std::move(result.lines));
        print_->setEnabled(true);
    }
    if (!result.status) {
        showFileError(this, result.status);
        return;
    }
    rsbIncome_->setText(result.incomePanel);
    rsbExpense_->setText(result.expensePanel);
    if (result.balancePanel)
        rsbBalance_->setText(*result.balancePanel);
    if (chartShown())
        rebuildCharts();
}

ReportRequest ReportsWindow::currentRequest() const
{
    const ProgramState& state = *context_.state;
    ReportRequest request;
    request.dataFileName = state.dataFileName;
    request.startMonth = months_.start;
    request.endMonth = months_.end;
    request.full = reportType_ == QLatin1String("F");
    request.dateFlag = state.dateFlag;
    request.userName = state.userName;
    request.today = context_.today();
    return request;
}

void ReportsWindow::PrintPreview()
{
    if (!print_->isEnabled())
        return;
    // The chart page prints as one landscape page, the text as its pages.
    const bool charts = chartShown();
    const int pages = charts ? 1 : printedPageCount(report_->text(), std::max(1, printer_->copyCount()));
    const PrinterSettingsKept kept(*printer_);
    if (charts)
        printer_->setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog preview(printer_.get(), this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    preview.setWindowTitle(pages == 1 ? QStringLiteral("Print Preview - 1 page")
                                      : QStringLiteral("Print Preview - %1 pages").arg(pages));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this, charts](QPrinter* printer) {
        if (!charts) {
            paintReport(*printer, report_->text());
            return;
        }
        QPainter painter(printer);
        paintChartsOnPage(chartPage_->figures(), painter, *printer);
    });
    preview.exec();
}

void ReportsWindow::PrintReport()
{
    PrintOutcome outcome;
    if (chartShown()) {
        BusyCursor busy;
        outcome = printCharts(chartPage_->figures(), *printer_, QDir::currentPath());
    } else {
        const int pages = printedPageCount(report_->text(), std::max(1, printer_->copyCount()));
        if (pages > kPagesPrintedWithoutAsking
            && !askYesNo(this, Message{QStringLiteral("This report is %1 pages long. Print it all?").arg(pages),
                                       kProgramTitle, Message::Icon::Question}))
            return;
        // Page by page, with the windows answering and a way to stop.
        QProgressDialog progress(QStringLiteral("Printing..."), QStringLiteral("Cancel"), 0, pages, this);
        progress.setObjectName(QStringLiteral("PrintProgress"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        outcome = printReport(*printer_, report_->text(), QDir::currentPath(), [&](int page) {
            progress.setValue(page - 1);
            progress.setLabelText(QStringLiteral("Printing page %1 of %2").arg(page).arg(pages));
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        });
        progress.reset();
        if (outcome.cancelled)
            return;
    }
    // The list's selection follows the printing and stays on the last line.
    if (outcome.lastLine >= 0)
        list1_->setCurrentIndex(report_->index(int(outcome.lastLine)));
    if (!outcome.ok)
        showMessage(this, printFailureMessage(outcome.failure));
    else if (!outcome.fileWritten.isEmpty())
        showMessage(this, printedToFileMessage(outcome.fileWritten));
}

bool ReportsWindow::chartShown() const { return chartShown_; }

void ReportsWindow::ToggleChart() { showChartPage(!chartShown_); }

void ReportsWindow::showChartPage(bool shown)
{
    chartShown_ = shown;
    chart_->setChecked(shown);
    chartMenuItem_->setChecked(shown);
    if (shown) {
        frmCatSel_->hide();
        rebuildCharts();
        chartPage_->show();
        list1_->hide();
    } else {
        list1_->show();
        chartPage_->hide();
        chartPage_->setFigures({});
    }
}

// The charts of the current choice of categories and months, from the
// report's own totals.
void ReportsWindow::rebuildCharts()
{
    const Result<ChartFigures> figures = [this] {
        BusyCursor busy;
        return makeChartFigures(*Env::current(), chosenCategories_->categories(), currentRequest());
    }();
    chartPage_->setFigures(figures ? *figures : ChartFigures{});
    if (!figures)
        showFileError(this, figures.status());
}

Status ReportsWindow::saveChart(const QString& fileName)
{
    if (!chartShown())
        rebuildCharts();
    return saveCharts(chartPage_->figures(), fileName, chartPage_->size().expandedTo(kSmallestChartPicture));
}

void ReportsWindow::saveChartAs()
{
    QFileDialog dialog(this, QStringLiteral("Save Chart"), QDir::currentPath());
    dialog.setObjectName(QStringLiteral("SaveChartDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("PNG image (*.png)"), QStringLiteral("SVG drawing (*.svg)"),
                           QStringLiteral("PDF document (*.pdf)")});
    // A name typed without an ending takes the chosen kind's.
    dialog.setDefaultSuffix(QStringLiteral("png"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.section(QStringLiteral("*."), 1).section(u')', 0, 0));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    if (const Status saved = saveChart(dialog.selectedFiles().constFirst()); !saved)
        showFileError(this, saved);
}

void ReportsWindow::rmnuExport_Click()
{
    // View is enabled exactly while categories are chosen.
    if (!view_->isEnabled()) {
        showMessage(this, selectCategoriesFirstMessage());
        return;
    }
    if (const Status written = makeRepCatFile(*Env::current(), chosenCategories_->categories()); !written) {
        showFileError(this, written);
        return;
    }
    const ProgramState& state = *context_.state;
    openExportWindow(ExportRequest{state.dataFileName, state.dateFlag, months_.start, months_.end}, this);
}

void ReportsWindow::choosePrinter() { commonDialog1_->exec(); }

void ReportsWindow::rmnuExit_Click()
{
    // Closing enables the main window again and brings it back.
    hide();
    close();
}

bool ReportsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client_ && event->type() == QEvent::Resize)
        arrangeControls();
    // Return or Space on a category row does what a click on it does.
    if ((watched == repCatListA_ || watched == repCatListB_) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* grid = static_cast<QTableView*>(watched);
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && grid->currentIndex().isValid()) {
            if (grid == repCatListA_)
                RepCatList_A_Click(grid->currentIndex());
            else
                RepCatList_B_Click(grid->currentIndex());
            return true;
        }
    }
    return UtilityWindow::eventFilter(watched, event);
}

void ReportsWindow::arrangeControls()
{
    const int width = client_->width();
    const int height = client_->height();
    ReportLayout layout;
    layout.outerWidth = toTwips(frameGeometry().width());
    layout.outerHeight = toTwips(frameGeometry().height());
    layout.innerWidth = toTwips(width);
    layout.innerHeight = toTwips(height);
    layout.toolbarHeight = toTwips(toolbar_->sizeHint().height());
    layout.resultsBarHeight = toTwips(resultsBar_->sizeHint().height());
    layout.settingsBarHeight = toTwips(settingsBar_->sizeHint().height());
    layout.listWidth = toTwips(list1_->width());
    layout.listHeight = toTwips(list1_->height());
    applyReportResizeRules(layout);

    // The toolbar is aligned to the top, the status bars to the bottom.
    const int toolbarHeight = toPixels(layout.toolbarHeight);
    toolbar_->setGeometry(0, 0, width, toolbarHeight);
    setToolbarButtonWidth(toolbar_, toPixels(layout.toolbarButtonWidth));
    const int resultsHeight = toPixels(layout.resultsBarHeight);
    const int settingsHeight = toPixels(layout.settingsBarHeight);
    resultsBar_->setGeometry(0, height - resultsHeight, width, resultsHeight);
    settingsBar_->setGeometry(0, height - resultsHeight - settingsHeight, width, settingsHeight);
    list1_->setGeometry(0, toolbarHeight, qMax(0, toPixels(layout.listWidth)), qMax(0, toPixels(layout.listHeight)));
    chartPage_->setGeometry(list1_->geometry());
}

} // namespace cw
