#include "app/kvwin_bar.h"

#include <algorithm>
#include <cmath>

#include <QAction>
#include <QComboBox>
#include <QFont>
#include <QWidget>

#include "document/display_sizes.h"
#include "platform/command_table.h"
#include "platform/qt_text.h"
#include "res/string_table.h"

namespace {

constexpr int kSizeGapWidth = 16;
// The row of the 100 % screen, whose pixels are logical ones.
constexpr const res::ToolbarMetrics& kUnscaledMetrics = res::kToolbarMetrics[0];

int ToLogical(int devicePixels, qreal devicePixelRatio)
{
    return static_cast<int>(std::lround(devicePixels / devicePixelRatio));
}

// The table's rows grow slower than the pixel ratio (56 pixels at 192 dpi are
// 28 logical ones against 40 at 96), while the style draws the box's frame and
// arrow at the same logical size at every scale: the box's sizes never fall
// below those of the 100 % screen.
int SizeBoxLogical(int devicePixels, int unscaled, qreal devicePixelRatio)
{
    return std::max(ToLogical(devicePixels, devicePixelRatio), unscaled);
}

}  // namespace

CKvwinBar::CKvwinBar(platform::CommandTable& commands, const res::ToolbarMetrics& metrics,
                     qreal devicePixelRatio, QWidget* parent)
    : QToolBar(parent)
{
    setObjectName(QStringLiteral("toolbar"));
    setWindowTitle(QStringLiteral("Toolbar"));
    setIconSize(QSize(ToLogical(metrics.imageWidth, devicePixelRatio),
                      ToLogical(metrics.imageHeight, devicePixelRatio)));
    setAllowedAreas(Qt::AllToolBarAreas);

    for (int slot = 0; slot < res::kToolbarSlotCount; ++slot) {
        const int id = res::kToolbarSlots[static_cast<std::size_t>(slot)];
        if (slot == res::kSizeGapSlot) {
            auto* gap = new QWidget(this);
            gap->setFixedWidth(kSizeGapWidth);
            addWidget(gap);
        } else if (slot == res::kSizeBoxSlot) {
            CreateSizeCombo(metrics, devicePixelRatio);
        } else if (id == 0) {
            addSeparator();
        } else if (QAction* action = commands.Action(id)) {
            addAction(action);
        }
    }
}

CKvwinBar::~CKvwinBar() = default;

void CKvwinBar::CreateSizeCombo(const res::ToolbarMetrics& metrics, qreal devicePixelRatio)
{
    m_wndSizeCombo = new QComboBox(this);
    m_wndSizeCombo->setObjectName(QStringLiteral("sizeCombo"));
    for (const document::DisplaySize& size : document::kDisplaySizes)
        m_wndSizeCombo->addItem(QString::fromLatin1(size.label));
    // The document selects the current size once it has started.
    m_wndSizeCombo->setCurrentIndex(-1);

    QFont font(platform::ToQString(res::LoadString(res::IDS_SIZE_BOX_FACE)));
    font.setPixelSize(SizeBoxLogical(std::abs(metrics.sizeBoxFontHeight),
                                     std::abs(kUnscaledMetrics.sizeBoxFontHeight), devicePixelRatio));
    font.setBold(true);
    font.setStyleHint(QFont::SansSerif);
    m_wndSizeCombo->setFont(font);
    // Wide enough for the widest entry beside the style's frame and arrow.
    m_wndSizeCombo->setFixedWidth(
        std::max(SizeBoxLogical(metrics.sizeBoxWidth, kUnscaledMetrics.sizeBoxWidth, devicePixelRatio),
                 m_wndSizeCombo->sizeHint().width()));

    const std::string_view entry = res::LoadString(cmd::ViewSize);
    m_wndSizeCombo->setToolTip(platform::ToQString(res::TooltipOf(entry)));
    m_wndSizeCombo->setStatusTip(platform::ToQString(res::PromptOf(entry)));
    addWidget(m_wndSizeCombo);
}
