#include "MainWindow.h"

#include "gui/kit/BusyCursor.h"
#include "gui/main/CategoryEditorPanel.h"
#include "gui/kit/CategoryListModel.h"
#include "gui/main/DateFormatCommands.h"
#include "gui/main/EntryEditorPanel.h"
#include "gui/main/EntryListModel.h"
#include "gui/main/FindCommand.h"
#include "gui/kit/GridLook.h"
#include "gui/main/HelpCommands.h"
#include "gui/kit/KeyboardUse.h"
#include "gui/main/MacroPanel.h"
#include "gui/kit/MainLayout.h"
#include "gui/main/MainMenus.h"
#include "gui/main/MainStatusBars.h"
#include "gui/kit/MessageBox.h"
#include "gui/kit/ScreenPlace.h"
#include "gui/kit/ToolbarWidth.h"
#include "gui/main/PersonalCommands.h"
#include "gui/main/UndoCommands.h"
#include "core/session/StartUp.h"
#include "gui/main/YearSelectPanel.h"

#include "store/Blanks.h"
#include "store/CategoryFile.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>

namespace cw {
namespace {

// Designed sizes, in pixels; the layout rules move and stretch from these.
constexpr int kDesignedWidth = 820;
constexpr int kDesignedHeight = 580;
constexpr int kCatListWidth = 230;
constexpr int kFullYearHeight = 22;   // 330 twips

TwipRect toTwipRect(const QRect& r)
{
    return {toTwips(r.x()), toTwips(r.y()), toTwips(r.width()), toTwips(r.height())};
}

QRect toPixelRect(const TwipRect& r)
{
    return QRect(toPixels(r.left), toPixels(r.top), qMax(0, toPixels(r.width)), qMax(0, toPixels(r.height)));
}

QTableView* newGrid(QWidget* parent, const char* name, QAbstractItemModel* model, const QString& format)
{
    QTableView* grid = new QTableView(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setModel(model);
    setUpGrid(grid, format);
    GridFocusLook::attach(grid);
    return grid;
}

} // namespace

MainWindow::MainWindow(const QDate& today, QWidget* parent)
    : MainWindow([today] { return today; }, parent)
{
}

MainWindow::MainWindow(Clock clock, QWidget* parent)
    : QMainWindow(parent), clock_(std::move(clock)), client_(new QWidget(this)), toolbar_(new QToolBar(client_)),
      entryModel_(new EntryListModel(this)), categoryModel_(new CategoryListModel(this))
{
    setObjectName(QStringLiteral("frmMainScreen"));
    setWindowTitle(kProgramTitle);
    client_->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client_);

    buildMainMenus(this);
    toolbar_->setObjectName(QStringLiteral("ToolbarCWK"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    buildMainToolbar(this, toolbar_);
    toolbar_->layout()->setSpacing(0);

    itemList_ = newGrid(client_, "ItemList", entryModel_, EntryListModel::kFormat);
    catList_ = newGrid(client_, "CatList", categoryModel_, CategoryListModel::kFormat);
    // The last column takes the width left and shrinks with the window, its
    // texts cut with "..."; the lists never scroll sideways.
    fillWidthWithLastColumn(itemList_);
    fillWidthWithLastColumn(catList_);
    fullYear_ = new QPushButton(QStringLiteral("Full Year"), client_);
    fullYear_->setObjectName(QStringLiteral("FullYear"));
    statusBars_ = std::make_unique<MainStatusBars>(client_);
    statusBars_->setDate(today());
    // The date panel follows the clock: within half a minute of midnight.
    auto* dateTimer = new QTimer(this);
    dateTimer->setObjectName(QStringLiteral("DateTimer"));
    connect(dateTimer, &QTimer::timeout, this, [this] { statusBars_->setDate(today()); });
    dateTimer->start(30'000);

    const int toolbarHeight = toolbar_->sizeHint().height();
    const int listWidth = kDesignedWidth - kCatListWidth - 7;
    const int listHeight = 380;
    itemList_->setGeometry(0, toolbarHeight, listWidth, listHeight);
    fullYear_->setGeometry(listWidth - 1, toolbarHeight, kCatListWidth, kFullYearHeight);
    catList_->setGeometry(listWidth, toolbarHeight + kFullYearHeight, kCatListWidth, listHeight - kFullYearHeight);

    // The panels lie over the lists.
    entryEditor_ = new EntryEditorPanel(this, client_);
    yearSelector_ = new YearSelectPanel(this, client_);
    categoryEditor_ = new CategoryEditorPanel(this, client_);
    macroPanel_ = new MacroPanel(this, client_);
    // The commands without a panel of their own.
    new FindCommand(this);
    new DateFormatCommands(this);
    new PersonalCommands(this);
    new UndoCommands(this);
    help_ = new HelpCommands(this);

    connect(fullYear_, &QPushButton::clicked, this, &MainWindow::FullYear_Click);
    connect(catList_, &QTableView::clicked, this, &MainWindow::filterByCategory);
    connect(command(QStringLiteral("mnuExit")), &QAction::triggered, this, &MainWindow::exitProgram);
    catList_->installEventFilter(this);
    client_->installEventFilter(this);
    // Tab reads the lists as they stand: entries, then Full Year above the categories.
    setTabOrder(itemList_, fullYear_);
    setTabOrder(fullYear_, catList_);
    enterPressesFocusedButton(client_);

    resize(kDesignedWidth, kDesignedHeight);
}

MainWindow::~MainWindow() = default;

bool MainWindow::load()
{
    StartUpResult started = openPersonalSettings(
        *Env::current(), today(),
        [this] { return askSecret(this, QStringLiteral("Passcode?"), QStringLiteral("Passcode entry")); },
        [this](const Message& message) { showMessage(this, message); });
    if (started.outcome == StartUpResult::Outcome::FileFailed)
        showFileError(this, started.status);
    if (started.outcome != StartUpResult::Outcome::Opened)
        return false;

    startRun(state_, started.personal, today());
    const QString year = state_.year();
    yearSelector_->setCurYear(year);
    yearSelector_->setSpinnerYear(year.toInt());

    if (QLayout* frame = layout())
        frame->activate();
    arrangeControls();

    PopCatList();
    state_.selectedCategory = kAllCategories;
    PopItemList(kAllCategories);

    entryEditor_->setYearLabel(year);
    macroPanel_->setYearLabel(year);
    statusBars_->setYearText(startUpYearPanelText(year));
    return true;
}

void MainWindow::PopItemList(const QString& category)
{
    Status status;
    {
        BusyCursor busy;
        itemList_->setUpdatesEnabled(false);
        status = entryModel_->load(*Env::current(), state_.dataFileName, category);
        itemList_->setUpdatesEnabled(true);
        itemList_->setCurrentIndex(QModelIndex());
    }
    if (!status)
        showFileError(this, status);

    const EntryTotals& totals = entryModel_->totals();
    statusBars_->showTotals(totals);
    QString name;
    if (category != kAllCategories)
        getlabel(category, name);
    statusBars_->setRecordsText(recordsPanelText(totals.count, state_.year(), category, name));
}

void MainWindow::PopCatList()
{
    const Status status = categoryModel_->load(*Env::current(), state_.categoryFileName);
    catList_->setCurrentIndex(QModelIndex());
    if (!status)
        showFileError(this, status);
}

void MainWindow::getlabel(const QString& code, QString& label)
{
    Result<std::vector<CategoryRecord>> categories = CategoryFile(state_.categoryFileName).readAll();
    if (!categories) {
        showFileError(this, categories.status());
        return;
    }
    if (std::optional<QString> name = CategoryFile::nameFor(*categories, code))
        label = *name;
}

QAction* MainWindow::command(const QString& key) const { return findChild<QAction*>(key); }

void MainWindow::showHelp(int contextId) { help_->showHelp(contextId); }

void MainWindow::FullYear_Click()
{
    state_.setActiveYear(trimBlanks(yearSelector_->curYear()));
    PopItemList(kAllCategories);
    PopCatList();
    state_.selectedCategory = kAllCategories;
}

void MainWindow::filterByCategory(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    state_.selectedCategory = categoryModel_->codeAt(index.row()).left(2);
    PopItemList(state_.selectedCategory);
}

void MainWindow::exitProgram()
{
    // Ends at once: no file is open, and the window's close handling is skipped.
    if (mayDiscardTyping())
        QCoreApplication::exit(0);
}

bool MainWindow::mayDiscardTyping()
{
    if (!entryEditor_->holdsUnsavedTyping() && !categoryEditor_->holdsUnsavedTyping())
        return true;
    return askYesNo(this, Message{QStringLiteral("Discard the entry you are editing?"), kProgramTitle,
                                  Message::Icon::Question});
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client_ && event->type() == QEvent::Resize) {
        arrangeControls();
    } else if (watched == catList_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // A character key picks the current row, as a click does; the arrows
        // and Tab keep their usual work.
        if (!key->text().isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) {
            filterByCategory(catList_->currentIndex());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    if (!placed_) {
        placed_ = true;
        placeOnScreen(this, nullptr);
    }
    QMainWindow::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!mayDiscardTyping()) {
        event->ignore();
        return;
    }
    emit unloading();
    QMainWindow::closeEvent(event);
}

void MainWindow::arrangeControls()
{
    const int width = client_->width();
    const int height = client_->height();
    QStatusBar* totalsBar = statusBars_->totalsBar();
    QStatusBar* countBar = statusBars_->countBar();

    MainLayout layout;
    layout.innerWidth = toTwips(width);
    layout.innerHeight = toTwips(height);
    layout.toolbarHeight = toTwips(toolbar_->sizeHint().height());
    layout.totalsBarHeight = toTwips(totalsBar->sizeHint().height());
    layout.countBarHeight = toTwips(countBar->sizeHint().height());
    layout.itemList = toTwipRect(itemList_->geometry());
    layout.catList = toTwipRect(catList_->geometry());
    layout.fullYear = toTwipRect(fullYear_->geometry());
    layout.entryEditor = toTwipRect(entryEditor_->geometry());
    applyResizeRules(layout);

    // The toolbar and the status bars are aligned to the top and the bottom.
    toolbar_->setGeometry(0, 0, width, toPixels(layout.toolbarHeight));
    setToolbarButtonWidth(toolbar_, toPixels(layout.toolbarButtonWidth));
    const int countHeight = toPixels(layout.countBarHeight);
    const int totalsHeight = toPixels(layout.totalsBarHeight);
    countBar->setGeometry(0, height - countHeight, width, countHeight);
    totalsBar->setGeometry(0, height - countHeight - totalsHeight, width, totalsHeight);

    itemList_->setGeometry(toPixelRect(layout.itemList));
    catList_->setGeometry(toPixelRect(layout.catList));
    fullYear_->setGeometry(toPixelRect(layout.fullYear));
    entryEditor_->setGeometry(toPixelRect(layout.entryEditor));
}

} // namespace cw
