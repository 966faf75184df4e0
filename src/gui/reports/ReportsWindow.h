#pragma once
// frmReports, "Coinwick 2 - Reports": the categories and months of a report,
// Summary or Full, the report on screen, printing, and the export command.
// It covers the main window and disables it until it closes.
//
// Help: the window does not open help itself; its Help button (and F1)
// sends helpRequested with the window's help context number, which the
// Reports command joins to the main window's help.

#include "core/reports/ReportWindowRules.h"

#include "gui/kit/UtilityWindow.h"
#include "gui/kit/WindowContext.h"
#include "store/Status.h"

#include <QPointer>
#include <memory>

class QAction;
class QGroupBox;
class QListView;
class QLabel;
class QModelIndex;
class QPrintDialog;
class QPrinter;
class QStatusBar;
class QTableView;
class QToolBar;

namespace cw {

class CategoryListModel;
class ReportChartPage;
struct ReportRequest;
class ReportTextModel;

class ReportsWindow : public UtilityWindow {
    Q_OBJECT
public:
    // The window load: over the context's opener, which it disables.
    explicit ReportsWindow(WindowContext context);
    ~ReportsWindow() override;

    // RepStartMonth and RepEndMonth.
    const MonthRange& months() const { return months_; }
    // The report as shown in List1.
    QStringList reportLines() const;
    QPrintDialog* printDialog() const { return commonDialog1_; }
    QAction* command(const QString& key) const;
    // Whether the chart page stands where List1 does.
    bool chartShown() const;
    // What Save Chart writes once a file is chosen: the charts of the current
    // choice, at the page's size, into `fileName` (PNG, SVG or PDF by its ending).
    Status saveChart(const QString& fileName);

signals:
    void helpRequested(int contextId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildStatusBars();
    void buildCategorySelection();

    void PopRepCatList_A();
    void initRepCatList_B();
    void RepCatList_A_Click(const QModelIndex& index);
    void RepCatList_B_Click(const QModelIndex& index);
    void RepToolbar_ButtonClick(const QString& key);
    void AllCats();
    void StartMonth();
    void EndMonth();
    void ClearReport();
    void ViewReport();
    void PrintReport();
    // The pages as Print would put them, with their count.
    void PrintPreview();
    // A print of more pages first asks.
    static constexpr int kPagesPrintedWithoutAsking = 50;
    // Chart: between List1 and the chart page.
    void ToggleChart();
    void showChartPage(bool shown);
    void rebuildCharts();
    ReportRequest currentRequest() const;
    void saveChartAs();
    void rmnuExport_Click();
    void choosePrinter();
    void rmnuExit_Click();
    // Form_Resize.
    void arrangeControls();

    WindowContext context_;
    MonthRange months_;
    QString reportType_;   // "S", "F", or nothing until a button says
    QWidget* client_;
    QToolBar* toolbar_;
    QAction* view_ = nullptr;
    QAction* print_ = nullptr;
    QGroupBox* frmCatSel_ = nullptr;
    QTableView* repCatListA_ = nullptr;
    QTableView* repCatListB_ = nullptr;
    CategoryListModel* allCategories_;
    CategoryListModel* chosenCategories_;
    QListView* list1_;
    ReportTextModel* report_;
    ReportChartPage* chartPage_ = nullptr;
    QAction* chart_ = nullptr;
    QAction* chartMenuItem_ = nullptr;
    bool chartShown_ = false;
    QStatusBar* settingsBar_ = nullptr;   // RepStatusBar2
    QStatusBar* resultsBar_ = nullptr;    // RepStatusBar1
    QLabel* rsbYear_ = nullptr;
    QLabel* rsbCats_ = nullptr;
    QLabel* rsbStartMonth_ = nullptr;
    QLabel* rsbEndMonth_ = nullptr;
    QLabel* rsbRepType_ = nullptr;
    QLabel* rsbIncome_ = nullptr;
    QLabel* rsbExpense_ = nullptr;
    QLabel* rsbBalance_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    QPrintDialog* commonDialog1_ = nullptr;
};

} // namespace cw
