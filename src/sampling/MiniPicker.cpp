#include "sampling/MiniPicker.h"

#include "core/ZoomGeometry.h"
#include "model/WorkingColors.h"
#include "platform/Clipboard.h"
#include "sampling/Snapshot.h"
#include "sampling/TargetDrag.h"
#include "sampling/TargetPicture.h"
#include "sampling/ZoomView.h"
#include "widgets/Buttons.h"
#include "widgets/Swatch.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tw {

namespace {

    constexpr int kMiniViewSize = 104;
    // 350 %, which lies above 300 % and so takes the grid's extra pixel: 4.5 view pixels per screen pixel.
    // The mini picker draws no grid lines.
    constexpr double kMiniZoom = 4.5;

} // namespace

MiniPicker::MiniPicker(WorkingColors& colors, Services services, QWidget& mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_colors(colors)
    , m_services(services)
    , m_mainWindow(mainWindow)
    , m_mainPosition(mainWindow.pos())
{
    setObjectName(QStringLiteral("frmMini"));
    setWindowTitle(tr("Mini Color Picker"));
    setAttribute(Qt::WA_DeleteOnClose);

    Picture1 = new TargetPicture(this);
    Picture1->setAccessibleName(tr("Target: drag it over the screen to pick a color"));
    picZoom = new ZoomView(kMiniViewSize, this);
    picZoom->setAccessibleName(tr("Magnified view of the screen"));
    picColor = new Swatch(this);
    picColor->setObjectName(QStringLiteral("picColor"));
    picColor->setAccessibleName(tr("Picked color"));
    picColor->setColor(core::kEmptyColor);
    lblRGB = new QLabel(tr("RGB Value"), this);
    lblRGB->setObjectName(QStringLiteral("lblRGB"));
    lblRGB->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chkTop = new QCheckBox(tr("&T"), this);
    chkTop->setObjectName(QStringLiteral("chkTop"));
    chkTop->setToolTip(tr("Always on Top"));
    chkTop->setChecked(true);
    cmdMin = MakeButton(this, "cmdMin", tr("&M"), tr("Minimize"));
    cmdCopy = MakeButton(this, "cmdCopy", tr("&C"), tr("Copy RGB value to clipboard"));
    cmdDone = MakeButton(this, "cmdDone", tr("&Done"), tr("Select current color and exit mini color picker"));
    for (QPushButton* button : { cmdMin, cmdCopy })
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("MM")) + 16);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* side = new QVBoxLayout;
    side->addWidget(Picture1, 0, Qt::AlignHCenter);
    side->addStretch();
    side->addWidget(picColor, 0, Qt::AlignHCenter);
    layout->addLayout(side, 0, 0);
    layout->addWidget(picZoom, 0, 1);
    layout->addWidget(lblRGB, 1, 0, 1, 2, Qt::AlignHCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkTop);
    buttons->addWidget(cmdMin);
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdDone);
    layout->addLayout(buttons, 2, 0, 1, 2);

    m_drag = new TargetDrag(*Picture1, services.screen, services.prompter, *this);
    // A press draws the view around the point of the last drag first.
    m_drag->setFirstPart([this](QSize screen) {
        const core::PixelRect source = viewGeometry(m_drag->point(), screen).source;
        return QRect(source.x, source.y, source.width, source.height) | QRect(m_drag->point(), QSize(1, 1));
    });
    connect(m_drag, &TargetDrag::started, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton || button == Qt::RightButton)
            blnColor2 = button == Qt::RightButton;
        // Drawn once at the point of the last drag, before this drag's first move is read.
        RenderMiniZoom();
    });
    connect(m_drag, &TargetDrag::moved, this, &MiniPicker::RenderMiniZoom);
    connect(
        picZoom, &ZoomView::pressed, this, [this](Qt::MouseButton, QPoint viewPixel) { picZoom_MouseDown(viewPixel); });
    connect(chkTop, &QCheckBox::clicked, this, &MiniPicker::chkTop_Click);
    connect(cmdMin, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(cmdCopy, &QPushButton::clicked, this, &MiniPicker::cmdCopy_Click);
    connect(cmdDone, &QPushButton::clicked, this, &MiniPicker::cmdDone_Click);
}

MiniPicker::~MiniPicker() = default;

bool MiniPicker::blnDragging() const
{
    return m_drag->dragging();
}

core::ZoomGeometry MiniPicker::viewGeometry(QPoint point, QSize screen) const
{
    const int side = picZoom->viewSize();
    return core::ComputeZoomGeometry({ side, side, kMiniZoom, point.x(), point.y(), screen.width(), screen.height() });
}

void MiniPicker::RenderMiniZoom()
{
    const QPoint point = m_drag->point();
    const core::ZoomGeometry geometry = viewGeometry(point, m_drag->screenSize());
    Snapshot* snapshot = m_drag->snapshot();
    if (!snapshot) {
        picZoom->render(nullptr, {}, geometry, { false, true });
        return;
    }
    const core::PixelRect& source = geometry.source;
    const Snapshot::Part part = snapshot->part(QRect(source.x, source.y, source.width, source.height));
    picZoom->render(&part.picture, part.origin, geometry, { false, true });
    if (const std::optional<core::ColorValue> value = snapshot->pixel(point))
        pick(*value);
}

void MiniPicker::setPressTakeOver(std::function<bool(Qt::MouseButton)> takeOver)
{
    m_drag->setPressTakeOver(std::move(takeOver));
}

void MiniPicker::takePick(core::ColorValue value, Qt::MouseButton button)
{
    if (button == Qt::LeftButton || button == Qt::RightButton)
        blnColor2 = button == Qt::RightButton;
    pick(value);
}

void MiniPicker::takePick(const QImage& picture, QPoint point, core::ColorValue value, Qt::MouseButton button)
{
    m_drag->setSnapshot(picture);
    m_drag->setPoint(point);
    RenderMiniZoom();
    // The colour picked, which may be the mean of a square, not only the point's pixel the view took.
    takePick(value, button);
}

void MiniPicker::picZoom_MouseDown(QPoint viewPixel)
{
    pick(picZoom->colorAt(viewPixel));
}

void MiniPicker::pick(core::ColorValue value)
{
    picColor->setColor(value);
    m_picked = true;
    const core::Rgb rgb = core::SplitColor(value);
    lblRGB->setText(QStringLiteral("%1, %2, %3").arg(rgb.red).arg(rgb.green).arg(rgb.blue));
}

void MiniPicker::chkTop_Click()
{
    // Changing the flag re-creates the window; it comes back where it was.
    const QPoint position = pos();
    setWindowFlag(Qt::WindowStaysOnTopHint, chkTop->isChecked());
    move(position);
    show();
}

void MiniPicker::cmdCopy_Click()
{
    const QString text = lblRGB->text();
    if (!text.isEmpty())
        m_services.clipboard.setText(text);
}

void MiniPicker::cmdDone_Click()
{
    // Whether a colour was picked is known as such: a pick that happens to equal the empty colour is still
    // handed over.
    if (m_picked)
        m_colors.take(blnColor2 ? ColorSlot::Two : ColorSlot::One, picColor->color());
    close();
}

void MiniPicker::closeEvent(QCloseEvent* event)
{
    // A window manager may place a window that is shown again anew: it is put back where it was.
    m_mainWindow.move(m_mainPosition);
    m_mainWindow.show();
    m_mainWindow.move(m_mainPosition);
    QWidget::closeEvent(event);
}

} // namespace tw
