#pragma once
#include "core/PaletteText.h"
#include "model/ColorSlot.h"

#include <QGroupBox>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QMenu;
class QMimeData;
class QPushButton;
class QToolButton;
class QAction;

namespace tw::platform {
class Prompter;
}

namespace tw {

class PaletteBox;
class SettingsWrites;
class WorkingColors;

// fraPal, "Color Palette": the 40 boxes, "Add Color #1"/"Add Color #2", and the edit mode in which boxes are
// moved, swapped and copied by drag and drop and edited through the "Edit Pal" menu. The palette is the
// boxes' colours and nothing else.
class PaletteGrid : public QGroupBox {
    Q_OBJECT
public:
    struct EditMenu {
        QMenu* mnuEP;
        QAction* mnuEP1;
        QAction* mnuEP2;
        QAction* mnuEPDel;
    };
    // window: the main window, over which the questions are asked; focusOnAdd takes the focus when a colour
    // is added.
    PaletteGrid(WorkingColors& colors, EditMenu menu, platform::Prompter& prompter, SettingsWrites& writes,
        QWidget& window, QWidget* focusOnAdd);
    ~PaletteGrid() override;

    core::ColorValue boxColor(int index) const;
    void setBoxColor(int index, core::ColorValue value);
    core::Palette palette() const;
    void setPalette(const core::Palette& palette);
    bool IsEmptyBox(int index) const;
    PaletteBox* box(int index) const;

    // What "Add" runs when the palette is full and the user wants a new one (New Color Palette).
    void setNewPaletteCommand(std::function<void()> command) { m_newPalette = std::move(command); }

    // A press on a box: the left button gives Color #1 the box's colour, the right one Color #2. In edit
    // mode the right button only opens the edit menu for the box at globalPosition, so that its items act
    // on the colours as they were.
    void pressBox(int index, Qt::MouseButton button, QPoint globalPosition);
    // Stores the working colour in the first empty box; a full palette offers a new one.
    void addColor(ColorSlot slot);
    bool editMode() const;

    // The drag of a box's colour onto another box, in its phases. dragFrom runs a whole drag with the mouse:
    // beginDrag, the platform's drag, then endDrag, which carries out the drop once the drag has ended.
    void dragFrom(int source);
    std::unique_ptr<QMimeData> beginDrag(int source);
    // Only a drag that started in this grid, while it runs, is dropped onto a box.
    bool acceptsDrop(const QMimeData* carried) const;
    void dragOver(int target, Qt::MouseButtons buttons);
    void dropOn(int target, Qt::MouseButtons buttons);
    void endDrag();

    QPushButton* cmdAdd1 = nullptr;
    QPushButton* cmdAdd2 = nullptr;
    QCheckBox* chkEditPal = nullptr;
    QToolButton* cmdPalHelp = nullptr;

private:
    void takeColor(int index, Qt::MouseButton button);
    void onEditModeToggled(bool on);
    void showHint();
    void noteButtons(Qt::MouseButtons buttons);
    void completeDrop(int target);
    void setEditTarget(core::ColorValue value);

    WorkingColors& m_colors;
    EditMenu m_menu;
    platform::Prompter& m_prompter;
    SettingsWrites& m_writes;
    QWidget& m_window;
    QWidget* m_focusOnAdd;
    std::array<PaletteBox*, core::kPaletteSize> m_boxes {};
    std::function<void()> m_newPalette;

    // The last mouse button seen over the palette: 1 left, 2 right. Start-up leaves it at 2.
    int m_buttonState = 2;
    // The box the edit menu acts on.
    int m_editTarget = 0;
    // The box the current drag started from, and the colour it carries.
    int m_dragSource = 0;
    core::ColorValue m_dragColor = core::kEmptyColor;
    // Set by "&Delete"; a drop is ignored while it is set, until the next drag starts.
    bool m_deleteFlag = false;
    bool m_dragging = false;
    // A drop waits until the drag has ended, so its question is asked with the normal cursor back.
    std::optional<int> m_pendingDrop;
    // The right button went down during a drag: the edit menu opens once the drag has ended.
    bool m_menuAfterDrag = false;
};

} // namespace tw
