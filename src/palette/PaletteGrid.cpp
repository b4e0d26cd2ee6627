#include "palette/PaletteGrid.h"

#include "model/WorkingColors.h"
#include "palette/PaletteBox.h"
#include "platform/ColorConversion.h"
#include "platform/SettingsKeys.h"
#include "widgets/Buttons.h"
#include "widgets/Prompts.h"
#include "widgets/SettingsWrites.h"

#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QDrag>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace tw {

namespace {

    // Marks a drag that carries a palette box; the colour itself travels as text.
    const QString kBoxFormat = QStringLiteral("application/x-tintwise-palette-box");

    // Box i stands in column i / 5 and row i % 5, 24 pixels from column to column and 20 from row to row.
    constexpr int kColumnStep = 24;
    constexpr int kRowStep = 20;
    constexpr int kRows = 5;
    constexpr int kColumns = core::kPaletteSize / kRows;

    std::size_t At(int index)
    {
        Q_ASSERT(index >= 0 && index < core::kPaletteSize);
        return static_cast<std::size_t>(index);
    }

} // namespace

PaletteGrid::PaletteGrid(WorkingColors& colors, EditMenu menu, platform::Prompter& prompter, SettingsWrites& writes,
    QWidget& window, QWidget* focusOnAdd)
    : QGroupBox(tr("Color Palette"), &window)
    , m_colors(colors)
    , m_menu(menu)
    , m_prompter(prompter)
    , m_writes(writes)
    , m_window(window)
    , m_focusOnAdd(focusOnAdd)
{
    setObjectName(QStringLiteral("fraPal"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);

    auto* boxes = new QWidget(this);
    boxes->setObjectName(QStringLiteral("picPalette"));
    boxes->setFixedSize((kColumns - 1) * kColumnStep + PaletteBox::kSize, (kRows - 1) * kRowStep + PaletteBox::kSize);
    const core::Palette defaults = core::DefaultPalette();
    for (int i = 0; i < core::kPaletteSize; ++i) {
        auto* box = new PaletteBox(*this, i, boxes);
        box->move(kColumnStep * (i / kRows), kRowStep * (i % kRows));
        box->setColor(defaults[At(i)]);
        m_boxes[At(i)] = box;
    }
    layout->addWidget(boxes, 0, Qt::AlignHCenter);

    auto* buttons = new QHBoxLayout;
    cmdAdd1 = new QPushButton(tr("Add Color #1"), this);
    cmdAdd1->setObjectName(QStringLiteral("cmdAdd1"));
    cmdAdd2 = new QPushButton(tr("Add Color #2"), this);
    cmdAdd2->setObjectName(QStringLiteral("cmdAdd2"));
    buttons->addWidget(cmdAdd1);
    buttons->addWidget(cmdAdd2);
    layout->addLayout(buttons);

    auto* editRow = new QHBoxLayout;
    chkEditPal = new QCheckBox(tr("Edit"), this);
    chkEditPal->setObjectName(QStringLiteral("chkEditPal"));
    chkEditPal->setToolTip(tr("Edit Palette"));
    cmdPalHelp = new QToolButton(this);
    cmdPalHelp->setObjectName(QStringLiteral("cmdPalHelp"));
    cmdPalHelp->setToolTip(tr("Hint"));
    cmdPalHelp->setAccessibleName(tr("Hint"));
    // The hint button keeps its room while hidden, so ticking "Edit" does not move the layout.
    QSizePolicy keepRoom = cmdPalHelp->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    cmdPalHelp->setSizePolicy(keepRoom);
    cmdPalHelp->setAutoRaise(true);
    editRow->addWidget(chkEditPal);
    editRow->addWidget(cmdPalHelp);
    editRow->addStretch();
    layout->addLayout(editRow);

    EnableCommand(menu.mnuEP1, this, [this] { setEditTarget(m_colors.color(ColorSlot::One)); });
    EnableCommand(menu.mnuEP2, this, [this] { setEditTarget(m_colors.color(ColorSlot::Two)); });
    EnableCommand(menu.mnuEPDel, this, [this] {
        setEditTarget(core::kEmptyColor);
        m_deleteFlag = true;
    });

    connect(cmdAdd1, &QPushButton::clicked, this, [this] { addColor(ColorSlot::One); });
    connect(cmdAdd2, &QPushButton::clicked, this, [this] { addColor(ColorSlot::Two); });
    connect(chkEditPal, &QCheckBox::toggled, this, &PaletteGrid::onEditModeToggled);
    connect(cmdPalHelp, &QToolButton::clicked, this, &PaletteGrid::showHint);
    onEditModeToggled(false);
}

PaletteGrid::~PaletteGrid() = default;

core::ColorValue PaletteGrid::boxColor(int index) const
{
    return m_boxes[At(index)]->color();
}

void PaletteGrid::setBoxColor(int index, core::ColorValue value)
{
    m_boxes[At(index)]->setColor(value);
}

core::Palette PaletteGrid::palette() const
{
    core::Palette colors;
    for (int i = 0; i < core::kPaletteSize; ++i)
        colors[At(i)] = boxColor(i);
    return colors;
}

void PaletteGrid::setPalette(const core::Palette& colors)
{
    for (int i = 0; i < core::kPaletteSize; ++i)
        setBoxColor(i, colors[At(i)]);
}

bool PaletteGrid::IsEmptyBox(int index) const
{
    return boxColor(index) == core::kEmptyColor;
}

PaletteBox* PaletteGrid::box(int index) const
{
    return m_boxes[At(index)];
}

bool PaletteGrid::editMode() const
{
    return chkEditPal->isChecked();
}

void PaletteGrid::pressBox(int index, Qt::MouseButton button, QPoint globalPosition)
{
    // 1 left, 2 right, 4 middle: only a drag begun with the left button drops.
    m_buttonState = button == Qt::LeftButton ? 1 : button == Qt::RightButton ? 2 : 4;
    if (button == Qt::RightButton && editMode()) {
        m_editTarget = index;
        m_menu.mnuEP->popup(globalPosition);
        return;
    }
    takeColor(index, button);
}

void PaletteGrid::takeColor(int index, Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        m_colors.take(ColorSlot::One, boxColor(index));
    else if (button == Qt::RightButton)
        m_colors.take(ColorSlot::Two, boxColor(index));
}

void PaletteGrid::addColor(ColorSlot slot)
{
    for (;;) {
        if (m_focusOnAdd && m_focusOnAdd->isVisible())
            m_focusOnAdd->setFocus();
        if (const auto empty = core::FirstEmptyBox(palette())) {
            setBoxColor(*empty, m_colors.color(slot));
            return;
        }
        if (!AskYesNo(m_prompter, &m_window,
                tr("Color Palette is full and no more colors can be added. You must start a new color palette. Do "
                   "you want to create a new color palette now?"))
            || !m_newPalette)
            return;
        // New Color Palette asks once more; whatever the answer, Add starts over.
        m_newPalette();
    }
}

void PaletteGrid::onEditModeToggled(bool on)
{
    // The style's icon comes from the icon theme, whose first look-up is slow: it is taken when the button is
    // first shown. The button's size follows its icon size, not its icon, so nothing moves.
    if (on && cmdPalHelp->icon().isNull())
        cmdPalHelp->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    cmdPalHelp->setVisible(on);
    for (PaletteBox* box : m_boxes)
        box->setAcceptDrops(on);
}

void PaletteGrid::showHint()
{
    chkEditPal->setFocus();
    Tell(m_prompter, &m_window,
        { "Hint:\nRight-click on any color in the palette to begin editing.\n\nOR\n\nHold the left "
          "mouse button down to drag a color from one color box to another in the color palette. "
          "Release the left mouse button when the cursor is positioned over the desired color box.",
            core::MessageIcon::Information });
}

void PaletteGrid::dragFrom(int source)
{
    std::unique_ptr<QMimeData> carried = beginDrag(source);
    if (!carried)
        return;
    PaletteBox* origin = box(source);
    // Qt deletes the drag object once the drag has ended.
    auto* drag = new QDrag(origin);
    drag->setMimeData(carried.release());
    QPixmap picture(origin->size());
    picture.fill(platform::ToQColor(m_dragColor));
    drag->setPixmap(picture);
    drag->setHotSpot(QPoint(picture.width() / 2, picture.height() / 2));
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
    endDrag();
}

std::unique_ptr<QMimeData> PaletteGrid::beginDrag(int source)
{
    if (!editMode() || m_dragging)
        return nullptr;
    m_deleteFlag = false;
    m_dragSource = source;
    m_dragColor = boxColor(source);
    m_pendingDrop.reset();
    m_menuAfterDrag = false;
    m_dragging = true;
    auto carried = std::make_unique<QMimeData>();
    carried->setText(QString::number(m_dragColor));
    carried->setData(kBoxFormat, QByteArray::number(source));
    return carried;
}

bool PaletteGrid::acceptsDrop(const QMimeData* carried) const
{
    return m_dragging && editMode() && carried && carried->hasFormat(kBoxFormat);
}

void PaletteGrid::noteButtons(Qt::MouseButtons buttons)
{
    // A button that is up never resets the state; the right one wins when both are down.
    if (buttons & Qt::LeftButton)
        m_buttonState = 1;
    if (buttons & Qt::RightButton)
        m_buttonState = 2;
}

void PaletteGrid::dragOver(int target, Qt::MouseButtons buttons)
{
    noteButtons(buttons);
    if (m_buttonState == 2) {
        // No menu can open while the drag holds the pointer; it opens as soon as the drag is over.
        m_editTarget = target;
        m_menuAfterDrag = true;
    }
}

void PaletteGrid::dropOn(int target, Qt::MouseButtons buttons)
{
    if (!m_dragging)
        return;
    noteButtons(buttons);
    m_pendingDrop = target;
}

void PaletteGrid::endDrag()
{
    if (!m_dragging)
        return;
    m_dragging = false;
    if (const std::optional<int> target = std::exchange(m_pendingDrop, std::nullopt))
        completeDrop(*target);
    if (std::exchange(m_menuAfterDrag, false))
        m_menu.mnuEP->popup(QCursor::pos());
}

void PaletteGrid::completeDrop(int target)
{
    if (target == m_dragSource || m_deleteFlag || m_buttonState != 1)
        return;
    if (IsEmptyBox(target)) {
        setBoxColor(target, m_dragColor);
        setBoxColor(m_dragSource, core::kEmptyColor);
        return;
    }
    const platform::PromptAnswer answer = m_prompter.ask(&m_window,
        { tr("Do you want to swap these two colors?\n\nClicking No will result in this color being replaced by the "
             "selected color.\n\nClick Cancel if you are not moving colors."),
            QString::fromLatin1(kAppTitle), core::MessageIcon::Question, platform::PromptButtons::YesNoCancel,
            platform::PromptAnswer::Yes });
    if (answer == platform::PromptAnswer::Yes) {
        const core::ColorValue replaced = boxColor(target);
        // "tmpmp" keeps the last swapped colour; the swap itself does not depend on the store, so a settings
        // file that cannot be written never costs the user a colour.
        m_writes.write(keys::kMain, keys::kSwapped, QString::number(replaced));
        setBoxColor(target, m_dragColor);
        setBoxColor(m_dragSource, replaced);
    } else if (answer == platform::PromptAnswer::No) {
        setBoxColor(target, m_dragColor);
    }
}

void PaletteGrid::setEditTarget(core::ColorValue value)
{
    setBoxColor(m_editTarget, value);
}

} // namespace tw
