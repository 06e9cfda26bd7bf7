// "Compare With..." and "Kept Reads...": the differences between the active
// document and a radio data file or a kept read of the radio, in a window
// that follows the document's changes and selects a difference's cell.

// own
#include "app/window_commands.h"

// Qt
#include <QMdiArea>
#include <QString>

// std
#include <memory>

// project
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/file_dialogs.h"
#include "app/main_frame.h"
#include "clone/kept_reads.h"
#include "clone/ui/differences_window.h"
#include "clone/ui/kept_reads_dialog.h"
#include "grid/ui/grid_view.h"
#include "grid/ui/main_view.h"
#include "platform/locale.h"
#include "platform/prompt.h"
#include "radio/image_diff.h"
#include "radio/main_doc.h"

namespace app {
namespace {

// The other side of a comparison: a file as File > Open would load it.
// Comments take part only where the other side is a file of the user's
// (the radio keeps none).
struct OtherSide {
    std::unique_ptr<radio::CMainDoc> doc;
    bool withComments = true;
};

std::shared_ptr<const OtherSide> LoadOther(const std::string& path, bool withComments, bool complain, QWidget* owner)
{
    auto side = std::make_shared<OtherSide>();
    side->doc = std::make_unique<radio::CMainDoc>(platform::DecimalSeparator());
    side->withComments = withComments;
    if (side->doc->Load(path))
        return side;
    if (complain)
        platform::ShowMessage(side->doc->ErrorText(), "File Error", platform::Icon::Error, platform::Buttons::Ok, owner);
    return nullptr;
}

std::vector<radio::Difference> Differences(const OtherSide& other, const radio::CMainDoc& doc)
{
    const radio::CompareSide before{&other.doc->Image(), other.withComments ? &other.doc->Data().comments : nullptr};
    const radio::CompareSide after{&doc.Image(), &doc.Data().comments};
    return radio::CompareImages(before, after);
}

// Shows the window's document with the cell current, as a click would.
void SelectCell(CChildFrame& window, int sheet, int row, int column)
{
    if (QMdiArea* area = window.mdiArea())
        area->setActiveSubWindow(&window);
    window.window()->raise();
    window.window()->activateWindow();
    CMainView& view = window.View();
    view.SetCurrentSheet(sheet);
    grid::GridView* grid = view.ChannelGridView(view.CurrentSheet());
    if (grid == nullptr || view.CurrentSheet() != sheet)
        return;
    const QModelIndex cell = grid->Model().IndexAt(column >= 1 ? column : 1, row);
    if (!cell.isValid())
        return;
    grid->setFocus();
    grid->scrollTo(cell);
    grid->setCurrentIndex(cell);
}

void OpenDifferences(CChildFrame& window, std::shared_ptr<const OtherSide> other, const QString& otherName)
{
    const QString title = QStringLiteral("Differences from %1 to %2")
                              .arg(otherName, QString::fromStdString(window.Doc().Title()));
    auto* differences = new transfer::DifferencesWindow(
        title, [&window, other] { return Differences(*other, window.Doc().Data()); }, &window);
    QObject::connect(&window.View(), &CMainView::historyChanged, differences, &transfer::DifferencesWindow::Refresh);
    QObject::connect(differences, &transfer::DifferencesWindow::cellChosen, &window,
                     [&window](int sheet, int row, int column) { SelectCell(window, sheet, row, column); });
    differences->show();
}

void CompareWith(CChildFrame& window)
{
    const std::string path = AskOpenPath(&window, "Compare With");
    if (path.empty())
        return;
    if (auto other = LoadOther(path, true, true, &window)) {
        const auto slash = path.rfind('/');
        OpenDifferences(window, std::move(other),
                        PathText(slash == std::string::npos ? path : path.substr(slash + 1)));
    }
}

QString ReadName(const transfer::KeptRead& read)
{
    std::tm local{};
    localtime_r(&read.when, &local);
    char text[48];
    std::strftime(text, sizeof text, "the read of %Y-%m-%d %H:%M", &local);
    return QString::fromLatin1(text);
}

// A kept read opens as a new, untitled document: saving it must not
// overwrite what was read from the radio.
void OpenKeptRead(CChildFrame& window, const transfer::KeptRead& read)
{
    CMainFrame* frame = window.Frame();
    if (frame == nullptr)
        return;
    if (CChildFrame* opened = frame->OpenDocument(read.path)) {
        opened->Doc().ForgetPath(frame->NextUntitledName());
        opened->UpdateTitle();
    }
}

void KeptReads(CChildFrame& window)
{
    transfer::KeptReadsDialog dialog(
        [&window](const transfer::KeptRead& read) {
            const auto other = LoadOther(read.path, false, false, nullptr);
            return other ? static_cast<int>(Differences(*other, window.Doc().Data()).size()) : -1;
        },
        &window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const transfer::KeptRead read = dialog.ChosenRead();
    if (dialog.Chosen() == transfer::KeptReadsDialog::Choice::Open)
        OpenKeptRead(window, read);
    else if (auto other = LoadOther(read.path, false, true, &window))
        OpenDifferences(window, std::move(other), ReadName(read));
}

} // namespace

void InstallCompareCommands(WindowCommands& commands, CChildFrame& window)
{
    commands.Register(cmd::CompareWith, {.run = [&window] { CompareWith(window); }});
    commands.Register(cmd::KeptReads, {.run = [&window] { KeptReads(window); }});
}

} // namespace app
