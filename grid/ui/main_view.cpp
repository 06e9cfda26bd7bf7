#include "grid/ui/main_view.h"

// lib
#include "grid/document_controller.h"
#include "grid/ui/grid_printer.h"
#include "grid/ui/grid_view.h"
#include "grid/ui/row_command_runner.h"
#include "grid/ui/view_editing.h"
#include "radio/main_doc.h"

// Qt
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QResizeEvent>
#include <QTabBar>

// std
#include <algorithm>
#include <array>
#include <climits>

namespace {

constexpr int kSheetCount = grid::kSheetCount;
constexpr int kHyperCount = grid::kHyperSheets;
constexpr int kVfo = radio::kSheetVfo;
constexpr int kHyper1 = radio::kSheetHyper1;

constexpr const char* kNotice = "This screen is a read only view of the currently selected Hyper Memory.\n"
                                "To edit the data click on the tab below for Hyper Memory to edit.";

// Heights in pixels of the fixed parts of the layout.
constexpr int kVfoGridHeight = 130;
constexpr int kHyperGridExtra = 28;

bool IsHyperSheet(int sheet)
{
    return sheet >= kHyper1 && sheet < kHyper1 + kHyperCount;
}

} // namespace

struct CMainView::Parts {
    Parts(radio::CMainDoc& doc, QWidget* owner) : controller(doc), editing(controller, owner), rows(controller) {}

    grid::DocumentController controller;
    grid::ViewEditing editing;
    grid::RowCommandRunner rows;
    std::shared_ptr<grid::RowSlots> rowSlots; // given by the host; the runner uses them
    std::array<grid::GridView*, kSheetCount> grids{};
    std::array<grid::GridView*, kHyperCount> hyperGrids{};
    QTabBar* tabs = nullptr;
    QLabel* selectLabel = nullptr;
    QComboBox* hyperChoice = nullptr;
    QLabel* notice = nullptr;
    bool changingTab = false;
};

CMainView::CMainView(radio::CMainDoc& doc, QWidget* parent)
    : QWidget(parent), doc_(doc), parts_(std::make_unique<Parts>(doc, this))
{
    Parts& p = *parts_;
    p.tabs = new QTabBar(this);
    p.tabs->setShape(QTabBar::RoundedSouth);
    p.tabs->setExpanding(false);
    p.tabs->setDrawBase(false);
    for (int sheet = 0; sheet < kSheetCount; ++sheet)
        p.tabs->addTab(QString::fromLatin1(grid::SheetName(sheet)));

    p.selectLabel = new QLabel(QStringLiteral("Select Hyper Memory"), this);
    p.hyperChoice = new QComboBox(this);
    for (int k = 1; k <= kHyperCount; ++k)
        p.hyperChoice->addItem(QString::number(k));
    p.notice = new QLabel(QString::fromLatin1(kNotice), this);
    p.notice->setWordWrap(true);
    ShowVfoControls(false);

    connect(p.tabs, &QTabBar::currentChanged, this, &CMainView::OnTabChanged);
    connect(p.hyperChoice, &QComboBox::activated, this, [this](int index) {
        CommitOpenEditors();
        KeepScroll([&] { parts_->controller.ChooseHyper(index); });
        ShowLoadedState();
    });
    // The document tells when its history moves and when it turns modified or clean.
    doc_.SetHistoryListener({.stepsChanged = [this] { emit historyChanged(); },
                             .modifiedChanged = [this](bool) { emit modifiedChanged(); }});
}

// The grid views watch the controller's cell stores: they go first.
CMainView::~CMainView()
{
    doc_.SetHistoryListener({});
    for (grid::GridView* view : parts_->grids)
        delete view;
    for (grid::GridView* view : parts_->hyperGrids)
        delete view;
}

grid::DocumentController& CMainView::Controller()
{
    return parts_->controller;
}

grid::ViewEditing& CMainView::Editing()
{
    return parts_->editing;
}

radio::CMainDoc& CMainView::Document()
{
    return doc_;
}

int CMainView::CurrentSheet() const
{
    return parts_->controller.CurrentSheet();
}

grid::GridView* CMainView::ChannelGridView(int sheet) const
{
    return sheet >= 0 && sheet < kSheetCount ? parts_->grids[sheet] : nullptr;
}

grid::GridView* CMainView::SettingsGridView(int hyper) const
{
    return hyper >= 0 && hyper < kHyperCount ? parts_->hyperGrids[hyper] : nullptr;
}

// --- First update and the grid cycle.

void CMainView::OnInitialUpdate()
{
    Parts& p = *parts_;
    if (p.grids[0] != nullptr)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The grids are set up and loaded before any view watches them, so the
    // setup's many cell writes reach no screen.
    p.controller.FirstUpdate();
    for (int sheet = 0; sheet < kSheetCount; ++sheet)
        p.grids[sheet] = MakeGridView(p.controller.Grid(sheet), true);
    for (int hyper = 0; hyper < kHyperCount; ++hyper)
        p.hyperGrids[hyper] = MakeGridView(p.controller.HyperGrid(hyper), false);

    p.changingTab = true;
    p.tabs->setCurrentIndex(radio::kSheetMemories);
    p.changingTab = false;
    HideSheets();
    ShowSheet(radio::kSheetMemories);
    LayOut(width(), height());
    QApplication::restoreOverrideCursor();
}

grid::GridView* CMainView::MakeGridView(grid::CSpreadSheet1& sheet, bool channelGrid)
{
    auto* view = new grid::GridView(sheet, this);
    view->hide();
    connect(view, &grid::SheetTableView::mousePressed, this,
            [this, channelGrid] { parts_->controller.lastPressInChannelGrid = channelGrid; });
    connect(&view->Model(), &grid::GridModel::actionFinished, this, &CMainView::AfterAction);
    if (channelGrid) {
        connect(view, &grid::SheetTableView::rightButtonReleased, this, [this](QPoint globalPos) {
            if (CurrentSheet() != kVfo)
                emit contextMenuRequested(globalPos);
        });
    }
    return view;
}

bool CMainView::Commit(bool validate)
{
    CommitOpenEditors();
    return parts_->controller.GridStore(validate);
}

// Each finished user action that changed cells is stored at once, so every
// typed edit is a step of its own and the modified mark is never late.
void CMainView::AfterAction()
{
    Parts& p = *parts_;
    if (p.controller.CellsTouched() && !p.controller.editInProgress)
        p.controller.GridStore(false);
}

void CMainView::NewDocument()
{
    parts_->rows.ForgetCut();
    parts_->controller.NewDocument();
    ShowLoadedState();
}

void CMainView::ShowLoadedState()
{
    Parts& p = *parts_;
    if (CurrentSheet() == kVfo)
        p.hyperChoice->setCurrentIndex(p.controller.HyperChoice());
}

// Runs `work` (which loads the grids) with the shown grids' scroll positions kept.
void CMainView::KeepScroll(const std::function<void()>& work)
{
    const int sheet = CurrentSheet();
    grid::GridView* channels = ChannelGridView(sheet);
    grid::GridView* settings = IsHyperSheet(sheet) ? SettingsGridView(sheet - kHyper1) : nullptr;
    const QPoint channelScroll = channels != nullptr ? channels->ScrollPosition() : QPoint();
    const QPoint settingsScroll = settings != nullptr ? settings->ScrollPosition() : QPoint();
    work();
    if (channels != nullptr)
        channels->SetScrollPosition(channelScroll);
    if (settings != nullptr)
        settings->SetScrollPosition(settingsScroll);
}

void CMainView::RunStep(const std::string& label, const std::function<void(radio::CMainDoc&)>& change)
{
    CommitOpenEditors();
    KeepScroll([&] { parts_->controller.RunStep(label, change); });
    parts_->rows.ForgetCut();
    ShowLoadedState();
}

void CMainView::AdoptRead(const std::function<void(radio::CMainDoc&)>& adopt)
{
    CommitOpenEditors();
    KeepScroll([&] { parts_->controller.AdoptRead(adopt); });
    parts_->rows.ForgetCut();
    ShowLoadedState();
}

bool CMainView::Undo()
{
    CommitOpenEditors();
    bool done = false;
    KeepScroll([&] { done = parts_->controller.Undo(); });
    parts_->rows.ForgetCut();
    ShowLoadedState();
    return done;
}

bool CMainView::Redo()
{
    CommitOpenEditors();
    bool done = false;
    KeepScroll([&] { done = parts_->controller.Redo(); });
    parts_->rows.ForgetCut();
    ShowLoadedState();
    return done;
}

void CMainView::CommitOpenEditors()
{
    const int sheet = CurrentSheet();
    if (grid::GridView* view = ChannelGridView(sheet))
        view->CommitOpenEditor();
    if (IsHyperSheet(sheet)) {
        if (grid::GridView* view = SettingsGridView(sheet - kHyper1))
            view->CommitOpenEditor();
    }
}

// --- Channel row commands.

void CMainView::SetRowSlots(std::shared_ptr<grid::RowSlots> texts)
{
    if (!texts)
        return;
    parts_->rows.SetSlots(*texts);
    parts_->rowSlots = std::move(texts);
}

void CMainView::SetSortDialog(grid::SortAsk ask)
{
    parts_->rows.SetSortDialog(std::move(ask));
}

void CMainView::RunRowCommand(grid::RowCommand command)
{
    CommitOpenEditors();
    parts_->rows.Run(command);
}

// --- Sheets and the tab strip.

void CMainView::SetCurrentSheet(int sheet)
{
    if (sheet >= 0 && sheet < kSheetCount)
        parts_->tabs->setCurrentIndex(sheet);
}

void CMainView::OnTabChanged(int sheet)
{
    Parts& p = *parts_;
    if (p.changingTab || p.grids[0] == nullptr)
        return;
    CommitOpenEditors();
    const int previous = p.controller.CurrentSheet();
    p.controller.BeforeTabChange();
    // The tab changes whatever the check said: a value it refused is
    // dropped, so the channel the cell held is what gets stored.
    if (grid::GridView* view = ChannelGridView(previous))
        view->CancelOpenEditor();
    HideSheets();
    p.controller.AfterTabChange(sheet);
    if (sheet == kVfo)
        p.hyperChoice->setCurrentIndex(p.controller.HyperChoice());
    ShowSheet(sheet);
}

void CMainView::HideSheets()
{
    for (grid::GridView* view : parts_->grids)
        view->hide();
    for (grid::GridView* view : parts_->hyperGrids)
        view->hide();
    ShowVfoControls(false);
}

void CMainView::ShowSheet(int sheet)
{
    grid::GridView* view = ChannelGridView(sheet);
    view->show();
    view->raise();
    if (IsHyperSheet(sheet))
        SettingsGridView(sheet - kHyper1)->show();
    if (sheet == kVfo)
        ShowVfoControls(true);
    view->setFocus();
}

void CMainView::ShowVfoControls(bool show)
{
    parts_->selectLabel->setVisible(show);
    parts_->hyperChoice->setVisible(show);
    parts_->notice->setVisible(show);
}

// --- Layout.

void CMainView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOut(event->size().width(), event->size().height());
}

void CMainView::LayOut(int width, int height)
{
    Parts& p = *parts_;
    if (p.grids[0] == nullptr)
        return;
    const int tabHeight = p.tabs->sizeHint().height();
    const int gridHeight = std::max(0, height - tabHeight);
    const int hyperHeight = p.grids[kHyper1]->ContentHeight() + kHyperGridExtra;

    for (int sheet = 0; sheet < kSheetCount; ++sheet) {
        // The mirror shows the same five rows as a Hyper Memory grid: never
        // shorter than that, so no band row hides behind a scroll bar.
        const int h = sheet == kVfo ? std::max(kVfoGridHeight, hyperHeight)
                      : IsHyperSheet(sheet) ? hyperHeight
                                            : gridHeight;
        p.grids[sheet]->setGeometry(0, 0, width, h);
    }
    for (grid::GridView* view : p.hyperGrids)
        view->setGeometry(0, hyperHeight, width, std::max(0, height - hyperHeight - tabHeight));
    p.tabs->setGeometry(0, height - tabHeight, width, tabHeight);

    const int top = p.grids[kVfo]->height() + 16;
    p.selectLabel->setGeometry(16, top + 4, 140, 22);
    p.hyperChoice->setGeometry(160, top, 60, 28);
    p.notice->setGeometry(16, top + 48, std::max(0, width - 32), 60);
}

// --- Printing: the current sheet's channel grid.

void CMainView::Print()
{
    grid::CSpreadSheet1& sheet = parts_->controller.CurrentGrid();
    const QString title = window()->windowTitle();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setCopyCount(1);
    grid::GridPrinter gridPrinter(sheet, title);

    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, sheet.SelBlockRow() > 0);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, gridPrinter.PageCount(printer));
    if (dialog.exec() != QDialog::Accepted)
        return;
    switch (dialog.printRange()) {
    case QAbstractPrintDialog::Selection:
        gridPrinter.SetRows(sheet.SelBlockRow(), sheet.SelBlockRow2());
        gridPrinter.Print(printer, 1, INT_MAX);
        break;
    case QAbstractPrintDialog::PageRange:
        gridPrinter.Print(printer, dialog.fromPage(), dialog.toPage());
        break;
    default:
        gridPrinter.Print(printer, 1, INT_MAX);
        break;
    }
}
