#include "sampling/MiniPicker.h"

#include "core/ZoomGeometry.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Swatch.h"
#include "platform/Clipboard.h"
#include "platform/Prompter.h"
#include "platform/Screen.h"
#include "sampling/Snapshot.h"
#include "sampling/TargetPicture.h"
#include "sampling/ZoomView.h"

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

    QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& tooltip)
    {
        auto* button = new QPushButton(caption, parent);
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(tooltip);
        button->setAutoDefault(false);
        return button;
    }

} // namespace

MiniPicker::MiniPicker(MainWindow& window)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_window(window)
{
    setObjectName(QStringLiteral("frmMini"));
    setWindowTitle(tr("Mini Color Picker"));
    setAttribute(Qt::WA_DeleteOnClose);

    Picture1 = new TargetPicture(this);
    picZoom = new ZoomView(kMiniViewSize, this);
    picColor = new Swatch(this);
    picColor->setObjectName(QStringLiteral("picColor"));
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

    connect(Picture1, &TargetPicture::pressed, this, &MiniPicker::Picture1_MouseDown);
    connect(Picture1, &TargetPicture::moved, this, [this](Qt::MouseButtons held) {
        // Reading the pointer is a round trip to the display server: only a drag with a button held uses it.
        const bool sampling = blnDragging && held != Qt::NoButton;
        Picture1_MouseMove(held, sampling ? m_window.services().screen.cursorPosition() : QPoint());
    });
    connect(Picture1, &TargetPicture::released, this, &MiniPicker::Picture1_MouseUp);
    connect(
        picZoom, &ZoomView::pressed, this, [this](Qt::MouseButton, QPoint viewPixel) { picZoom_MouseDown(viewPixel); });
    connect(chkTop, &QCheckBox::clicked, this, &MiniPicker::chkTop_Click);
    connect(cmdMin, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(cmdCopy, &QPushButton::clicked, this, &MiniPicker::cmdCopy_Click);
    connect(cmdDone, &QPushButton::clicked, this, &MiniPicker::cmdDone_Click);
}

MiniPicker::~MiniPicker() = default;

void MiniPicker::Picture1_MouseDown(Qt::MouseButton button)
{
    if (blnDragging)
        return;
    std::optional<QImage> snapshot = TakeSnapshot(m_window.services().screen);
    if (!snapshot) {
        const core::Message message = ScreenUnreadableMessage();
        m_window.services().prompter.ask(this,
            { QString::fromStdString(message.text), QString::fromLatin1(kAppTitle), message.icon,
                platform::PromptButtons::Ok, platform::PromptAnswer::Ok });
        return;
    }
    if (button == Qt::LeftButton || button == Qt::RightButton) {
        blnColor2 = button == Qt::RightButton;
        m_dragPointer.emplace(TargetCursor(Picture1->devicePixelRatioF()));
        Picture1->setImageShown(false);
    }
    picDesk = std::move(snapshot);
    sngScreenW = picDesk->width();
    sngScreenH = picDesk->height();
    // Drawn once at the pointer position of the last move, before this drag's first move is read.
    RenderMiniZoom();
    blnDragging = true;
}

void MiniPicker::Picture1_MouseMove(Qt::MouseButtons buttons, QPoint devicePixel)
{
    if (!blnDragging)
        return;
    if (buttons == Qt::NoButton) {
        // Every button is up but no release came (another program took the mouse away): the drag ends as the
        // release would have ended it, so the pointer never stays a target and hovering samples nothing.
        Picture1_MouseUp();
        return;
    }
    ptCursor = FollowPointer(ptCursor, devicePixel, QSize(sngScreenW, sngScreenH));
    RenderMiniZoom();
}

void MiniPicker::Picture1_MouseUp()
{
    m_dragPointer.reset();
    Picture1->setImageShown(true);
    blnDragging = false;
}

void MiniPicker::RenderMiniZoom()
{
    const int side = picZoom->viewSize();
    const core::ZoomGeometry geometry
        = core::ComputeZoomGeometry({ side, side, kMiniZoom, ptCursor.x(), ptCursor.y(), sngScreenW, sngScreenH });
    picZoom->render(picDesk ? &*picDesk : nullptr, geometry, { false, true });
    if (!picDesk || !picDesk->valid(ptCursor))
        return;
    const core::ColorValue value = SnapshotPixel(*picDesk, ptCursor);
    picColor->setColor(value);
    m_picked = true;
    const core::Rgb rgb = core::SplitColor(value);
    lblRGB->setText(QStringLiteral("%1, %2, %3").arg(rgb.red).arg(rgb.green).arg(rgb.blue));
}

void MiniPicker::picZoom_MouseDown(QPoint viewPixel)
{
    picColor->setColor(picZoom->colorAt(viewPixel));
    m_picked = true;
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
        m_window.services().clipboard.setText(text);
}

void MiniPicker::cmdDone_Click()
{
    // Whether a colour was picked is known as such: a pick that happens to equal the empty colour is still
    // handed over.
    if (m_picked)
        m_window.setColor(QString::number(picColor->color()), blnColor2);
    close();
}

void MiniPicker::closeEvent(QCloseEvent* event)
{
    m_window.show();
    QWidget::closeEvent(event);
}

} // namespace tw
