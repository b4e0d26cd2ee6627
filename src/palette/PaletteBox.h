#pragma once
#include "core/ColorValue.h"

#include <QPoint>
#include <QWidget>

#include <optional>

namespace tw {

class PaletteGrid;

// One of the 40 boxes of the palette grid (MiniPicker0..MiniPicker39): paints its colour and hands its
// mouse and drag events to the grid, which holds the palette's rules.
class PaletteBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSize = 17;

    PaletteBox(PaletteGrid& grid, int index, QWidget* parent);

    int index() const { return m_index; }
    core::ColorValue color() const { return m_color; }
    void setColor(core::ColorValue color);

    QSize sizeHint() const override { return { kSize, kSize }; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    PaletteGrid& m_grid;
    int m_index;
    core::ColorValue m_color = core::kEmptyColor;
    // Where the left button went down on this box, while it is held; a drag starts from here.
    std::optional<QPoint> m_pressPosition;
};

} // namespace tw
