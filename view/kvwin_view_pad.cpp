// Scratch Pad editing on the marked block, the clipboard copy and the chord
// header's context menu.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>

#include <algorithm>
#include <string>

#include "document/kvwin_doc.h"
#include "document/pad_attributes_port.h"
#include "document/persistent_settings.h"
#include "document/text_decoding.h"
#include "engine/chord_names.h"
#include "platform/qt_surface.h"
#include "view/hit_test.h"
#include "view/kvwin_view.h"
#include "view/rect_helpers.h"
#include "view/view_geometry.h"

namespace {

constexpr const char* kMarkWholeChordText = "To copy chord to Scratch Pad\nyou must mark the whole chord.\n";
constexpr const char* kPadFullText =
    "Scratch Pad full.\nTo free up space go into Scratch Pad\nand select View -> Clear\n"
    "or mark unwanted chords and cut.\n";
constexpr const char* kMarkChordToEditText =
    "To edit the attribute of the chord\nyou must mark the whole chord.\n"
    "Shortcut: Left mouse button double click just above chord frame.";
constexpr std::size_t kCopiedNameLength = 14;

}  // namespace

int CKvwinView::ScratchPadOperation(PadOperation type)
{
    if (type == PadOperation::Copy) {
        if (m_doc.m_nVoicingCount <= 0)
            return -1;
        if (m_doc.m_nPadCount >= pad::kMaxChords)
            return -2;
    } else if (m_doc.m_nPadCount <= 0) {
        return -1;
    }

    // The marked block as it was painted: the view's size unit, 96-dpi layout units.
    const int n = view::GridDimension(m_nScale);
    const int rows = m_doc.m_bScratchPadMode ? (m_doc.m_nPadCount + n - 1) / n : n;
    const int rowHeight = type == PadOperation::Copy ? view::kChordRowHeight : view::kPadRowHeight;
    const Rect hit = m_doc.m_mark.hit.normalized();
    const Point topLeft = ToLayout(hit.topLeft(), {});
    const Point bottomRight = ToLayout(hit.bottomRight(), {});
    const std::vector<int> cells =
        view::WhollyMarkedCells({topLeft.x, topLeft.y, bottomRight.x, bottomRight.y}, m_nScale, n, rows,
                                rowHeight, m_doc.GetChordsOnPage());
    if (cells.empty())
        return -1;
    const auto listed = [&cells](int i) { return std::find(cells.begin(), cells.end(), i) != cells.end(); };

    switch (type) {
    case PadOperation::Copy: {
        const PersistentSettings* frame = m_doc.MainFrame();
        const auto nameShown = static_cast<std::uint16_t>(frame != nullptr ? frame->m_nChdtitle : 1);
        const std::string title = document::utf8Prefix(m_doc.m_strChordTitle, kCopiedNameLength);
        const int pageStart = m_doc.m_nPage * n * n;
        int copied = 0;
        for (const int cell : cells) {
            if (m_doc.m_nPadCount >= pad::kMaxChords)
                break;
            const VoicingRow voicing = m_doc.GetVoicing(cell + pageStart);
            // A new chord has no fingers, no X marks and no second name, whatever
            // a cut left in the row.
            ScratchPadChordRow row;
            std::copy(voicing.begin(), voicing.end(), row.w.begin());
            row.w[pad::FlatFlags] = m_doc.m_wFlatFlags;
            row.w[pad::NameShown] = nameShown;
            const int i = m_doc.m_nPadCount;
            m_doc.SetPadRow(i, row);
            m_doc.m_astrPadNames[static_cast<std::size_t>(i)] = title + "_" + std::to_string(++copied);
            m_doc.m_astrPadNames2[static_cast<std::size_t>(i)].clear();
            ++m_doc.m_nPadCount;
        }
        break;
    }
    case PadOperation::Cut: {
        int removed = 0;
        for (int i = cells.front(); i < m_doc.m_nPadCount && i < pad::kMaxChords; ++i) {
            if (listed(i)) {
                ++removed;
            } else if (removed != 0) {
                const auto to = static_cast<std::size_t>(i - removed);
                const auto from = static_cast<std::size_t>(i);
                m_doc.SetPadRow(i - removed, m_doc.GetPadRow(i));
                m_doc.m_astrPadNames[to] = m_doc.m_astrPadNames[from];
                m_doc.m_astrPadNames2[to] = m_doc.m_astrPadNames2[from];
            }
        }
        m_doc.m_nPadCount -= removed;
        break;
    }
    case PadOperation::FindChordToEdit:
        break;
    case PadOperation::BuildDragList: {
        // One unbroken run from the first marked chord: a drop moves it as a block.
        int next = cells.front();
        for (const int cell : cells) {
            if (cell != next || cell >= m_doc.m_nPadCount || cell >= pad::kMaxChords)
                break;
            m_abDragList.push_back(static_cast<std::uint8_t>(cell));
            ++next;
        }
        break;
    }
    }
    return cells.front();
}

void CKvwinView::OnEditCopyToScratchPad()
{
    const int result = ScratchPadOperation(PadOperation::Copy);
    auto* ui = m_doc.GetPorts().ui;
    if (ui == nullptr)
        return;
    if (result == -1)
        ui->MessageBox(kMarkWholeChordText);
    else if (result == -2)
        ui->MessageBox(kPadFullText);
}

void CKvwinView::OnEditCutFromScratchPad()
{
    if (ScratchPadOperation(PadOperation::Cut) == -1)
        return;
    UpdateAllViews();
    m_doc.UpdateStatusLine();
}

void CKvwinView::OnEditAttributesOfScratchPadChord()
{
    const int index = ScratchPadOperation(PadOperation::FindChordToEdit);
    if (index == -1) {
        if (auto* ui = m_doc.GetPorts().ui)
            ui->MessageBox(kMarkChordToEditText);
        return;
    }
    EditScratchPadChordAttributes(index);
}

void CKvwinView::EditScratchPadChordAttributes(int index)
{
    ports::PadAttributesDialogPort* dialogs = m_doc.GetPorts().padAttributes;
    if (dialogs == nullptr || index < 0 || index >= m_doc.m_nPadCount)
        return;
    const ports::PadAttributesResult result = dialogs->RunPadChordAttributes(m_doc.MakePadAttributesPreset(index));
    if (!result.ok)
        return;
    const bool titleChanged = m_doc.StorePadAttributes(index, result.values);

    const PersistentSettings* frame = m_doc.MainFrame();
    const bool titleTop = frame == nullptr || frame->m_nChtitleTop != 0;
    const int n = view::GridDimension(m_doc);
    viewport()->update(view::ToQRect(LayoutToDevice(view::PadChordCell(index, n, m_doc.m_nScale, titleTop))));
    if (titleChanged)
        viewport()->update(view::ToQRect(LayoutToDevice(view::PadTitleArea(m_doc.m_nScale, m_doc.m_nPageWidth))));
}

QImage CKvwinView::MarkedBlockImage()
{
    // Painted afresh rather than read off the screen: the block may be
    // scrolled out or covered there, and on the screen it is inverted.
    const Rect block = m_doc.m_mark.rect.normalized();
    if (block.width() <= 0 || block.height() <= 0)
        return {};
    QImage image(block.width(), block.height(), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    QPainter painter(&image);
    m_dpi.SetScaling(!m_doc.m_bPrinting);
    platform::QtSurface surface(painter,
                                platform::Mapping::screen(block.topLeft(), m_dpi.GetDpiX(), m_dpi.GetDpiY()));
    OnPrepareDC(surface, nullptr);
    DrawDisplay(surface);
    return image;
}

void CKvwinView::OnEditCopy()
{
    const QImage image = MarkedBlockImage();
    if (!image.isNull())
        QGuiApplication::clipboard()->setImage(image);
}

void CKvwinView::OnContextMenu(QPoint global)
{
    const Point client = view::FromQPoint(viewport()->mapFromGlobal(global));
    if (!view::ShowsChordIdMenu(m_doc.m_strChordTitle, ToLayout(client, m_doc.m_ptScroll), m_nScale))
        return;
    std::vector<MenuItem> items;
    for (int i = 0; i < m_doc.GetContextMenuItemCount(); ++i)
        items.push_back({m_doc.GetContextMenuItemId(i), m_doc.GetContextMenuItemText(i), m_doc.GetContextMenuItemFlags(i)});
    if (const int chosen = RunMenu(items, global); chosen != 0)
        RunCommand(chosen);
}

void CKvwinView::OnAddChordToUserDirectory()
{
    if (m_doc.m_strChordTitle == kNoChordIdFound)
        m_doc.AddChordToUserDirectory();
}

int CKvwinView::RunMenu(const std::vector<MenuItem>& items, QPoint global)
{
    if (m_menuRunner)
        return m_menuRunner(items, global);
    QMenu menu(this);
    for (const MenuItem& item : items)
        menu.addAction(QString::fromStdString(item.text))->setData(item.id);
    const QAction* chosen = menu.exec(global);
    return chosen != nullptr ? chosen->data().toInt() : 0;
}

void CKvwinView::RunCommand(int id)
{
    if (m_commandRunner)
        m_commandRunner(id);
    else
        m_commands.RunHandler(id);
}

void CKvwinView::contextMenuEvent(QContextMenuEvent* event)
{
    OnContextMenu(event->globalPos());
}
