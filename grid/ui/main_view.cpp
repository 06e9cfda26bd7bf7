#include "grid/ui/main_view.h"

// lib
#include "grid/bulk_edit.h"
#include "grid/channel_rules.h"
#include "grid/document_controller.h"
#include "grid/ui/fill_dialog.h"
#include "grid/ui/find_bar.h"
#include "grid/ui/grid_printer.h"
#include "grid/ui/grid_view.h"
#include "grid/ui/row_command_runner.h"
#include "grid/ui/view_editing.h"
#include "platform/prompt.h"
#include "radio/main_doc.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QSignalBlocker>
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
    grid::FindBar* findBar = nullptr;
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
    p.findBar = new grid::FindBar(this);
    p.findBar->hide();
    connect(p.findBar, &grid::FindBar::findRequested, this, &CMainView::FindNext);
    connect(p.findBar, &grid::FindBar::closed, this, &CMainView::CloseFindBar);
    AddKeys();

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
    if (&sheet == &parts_->controller.Grid(radio::kSheetMemories)) {
        // A dragged row header moves channels through the row commands; the
        // header itself keeps its order.
        QHeaderView* header = view->verticalHeader();
        header->setSectionsMovable(true);
        connect(header, &QHeaderView::sectionMoved, this, [this, view, header](int logical, int oldVisual, int newVisual) {
            {
                const QSignalBlocker blocker(header);
                header->moveSection(newVisual, oldVisual);
            }
            view->viewport()->update();
            DragRow(logical + 1, newVisual + 1);
        });
    }
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

// --- Editing many channels.

void CMainView::AddKeys()
{
    struct Key {
        QKeySequence keys;
        std::function<void()> run;
    };
    const Key keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_D), [this] { FillDown(); }},
        {QKeySequence(Qt::ALT | Qt::Key_Up), [this] { MoveRows(-1); }},
        {QKeySequence(Qt::ALT | Qt::Key_Down), [this] { MoveRows(1); }},
        {QKeySequence(Qt::CTRL | Qt::Key_F), [this] { OpenFindBar(); }},
        {QKeySequence(Qt::Key_F3), [this] { FindNext(true); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { FindNext(false); }},
        {QKeySequence(Qt::CTRL | Qt::Key_G), [this] { AskGoTo(); }},
    };
    for (const Key& key : keys) {
        auto* action = new QAction(this);
        action->setShortcut(key.keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, key.run);
        addAction(action);
    }
}

void CMainView::Fill()
{
    RunFill(true);
}

void CMainView::FillDown()
{
    RunFill(false);
}

void CMainView::RunFill(bool ask)
{
    Parts& p = *parts_;
    const int sheet = CurrentSheet();
    if (p.grids[0] == nullptr || !grid::rules::IsEditableSheet(sheet))
        return;
    CommitOpenEditors();
    grid::CSpreadSheet1& cells = p.controller.CurrentGrid();
    const grid::Block selection = cells.Selection();
    const bool none = selection.Empty();
    const int col = !none && selection.col == selection.col2 ? selection.col : cells.ActiveCol();
    int first = none ? cells.ActiveRow() : selection.row;
    const int last = none ? cells.ActiveRow() : selection.row2;
    if (col < 1 || col > radio::col::kCount || first < 1)
        return;
    std::string value;
    if (ask) {
        // The editor is the one of the first selected row holding a channel.
        int sample = first;
        while (sample < last && cells.GetText(radio::col::kReceive, sample).empty())
            ++sample;
        const std::optional<std::string> asked =
            grid::AskFillValue(this, ChannelGridView(sheet)->Model(), col, sample, last - first + 1);
        if (!asked)
            return;
        value = *asked;
    } else {
        if (first == last || cells.GetText(radio::col::kReceive, first).empty())
            return;
        value = cells.GetText(col, first);
        ++first;
    }
    grid::FillResult result;
    KeepScroll([&] {
        p.controller.RunGridStep([&] {
            result = grid::FillRows(p.editing.Cells(), p.controller, sheet, col, first, last, value);
            return result.filled > 0 ? std::string("Fill") : std::string();
        });
    });
    if (!result.refused.empty())
        platform::ShowMessage(grid::FillReport(sheet, result), "Fill", platform::Icon::Warning);
}

void CMainView::MoveRows(int delta)
{
    if (CurrentSheet() != radio::kSheetMemories || parts_->grids[0] == nullptr)
        return;
    CommitOpenEditors();
    parts_->rows.Move(delta);
    AfterMove();
}

void CMainView::DragRow(int from, int to)
{
    Parts& p = *parts_;
    if (CurrentSheet() != radio::kSheetMemories || p.grids[0] == nullptr)
        return;
    CommitOpenEditors();
    grid::CSpreadSheet1& cells = p.controller.CurrentGrid();
    const grid::Block selection = cells.Selection();
    int first = selection.row;
    if (selection.Empty() || from < selection.row || from > selection.row2) {
        cells.SelectBlock({1, from, radio::col::kCount, from});
        first = from;
    }
    p.rows.MoveTo(to - (from - first));
    AfterMove();
}

// The moved channels stay in sight.
void CMainView::AfterMove()
{
    grid::GridView* view = ChannelGridView(radio::kSheetMemories);
    const grid::CSpreadSheet1& cells = view->Sheet();
    view->scrollTo(view->Model().IndexAt(std::max(cells.ActiveCol(), 1), std::max(cells.ActiveRow(), 1)));
}

grid::FindBar& CMainView::FindBarWidget()
{
    return *parts_->findBar;
}

void CMainView::OpenFindBar()
{
    parts_->findBar->Open();
    LayOut(width(), height());
}

void CMainView::CloseFindBar()
{
    parts_->findBar->hide();
    LayOut(width(), height());
    if (grid::GridView* view = ChannelGridView(CurrentSheet()))
        view->setFocus();
}

void CMainView::FindNext(bool forward)
{
    Parts& p = *parts_;
    if (p.grids[0] == nullptr)
        return;
    const std::string text = p.findBar->Text().toLatin1().toStdString();
    if (text.empty()) {
        OpenFindBar();
        return;
    }
    CommitOpenEditors();
    const grid::CSpreadSheet1& cells = p.controller.CurrentGrid();
    const grid::FindSpot from{CurrentSheet(), cells.ActiveRow(), cells.ActiveCol()};
    const std::optional<grid::FindSpot> spot = grid::FindNext(p.controller, text, from, forward, p.findBar->AllSheets());
    p.findBar->ShowNotFound(!spot);
    if (spot)
        GoToCell(spot->sheet, spot->col, spot->row);
}

void CMainView::AskGoTo()
{
    bool ok = false;
    const QString channel = QInputDialog::getText(this, QStringLiteral("Go To"),
                                                  QStringLiteral("Channel (1 to 1000, or L1 to U50):"),
                                                  QLineEdit::Normal, QString(), &ok);
    if (ok && !GoToChannel(channel.trimmed().toLatin1().toStdString()))
        platform::ShowMessage("There is no channel " + channel.toLatin1().toStdString() + ".", "Go To");
}

bool CMainView::GoToChannel(const std::string& channel)
{
    const int row = grid::RowOfChannel(channel);
    if (row == 0 || parts_->grids[0] == nullptr)
        return false;
    GoToCell(radio::kSheetMemories, radio::col::kReceive, row);
    return true;
}

// Goes to a cell as a click there would (the rules of leaving the cell apply).
void CMainView::GoToCell(int sheet, int col, int row)
{
    if (sheet != CurrentSheet())
        SetCurrentSheet(sheet);
    grid::GridView* view = ChannelGridView(sheet);
    const QModelIndex index = view->Model().IndexAt(col, row);
    view->setCurrentIndex(index);
    view->scrollTo(index);
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
    const int findHeight = p.findBar->isVisible() ? p.findBar->sizeHint().height() : 0;
    const int tabHeight = p.tabs->sizeHint().height() + findHeight;
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
    p.findBar->setGeometry(0, height - tabHeight, width, findHeight);
    p.tabs->setGeometry(0, height - tabHeight + findHeight, width, tabHeight - findHeight);

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
