#pragma once
#include "core/ColorValue.h"
#include "core/ZoomGeometry.h"

#include <QImage>
#include <QWidget>

class QPainter;

namespace tw {

// The view's background, where no part of the screen is drawn (beside the screen's edges, after "Clear").
inline constexpr core::ColorValue kZoomBackground = 0x808080;

// What is drawn over the magnified picture.
struct ZoomOverlay {
    bool grid = false;
    bool crosshair = false;
};

// picZoom: a square view of the screen snapshot around the sampled pixel, drawn with nearest-neighbour
// scaling, with the pixel grid and the red box around the centre cell drawn over it.
class ZoomView : public QWidget {
    Q_OBJECT
public:
    // viewSize: the side of the view in pixels.
    explicit ZoomView(int viewSize, QWidget* parent = nullptr);

    int viewSize() const { return m_picture.width(); }
    // The compact window shows a smaller view; the caller redraws.
    void setViewSize(int viewSize);

    // Redraws the picture: the snapshot's source rectangle scaled into the destination rectangle, background
    // elsewhere (everywhere when there is no snapshot).
    void render(const QImage* snapshot, const core::ZoomGeometry& geometry, ZoomOverlay overlay);

    // The colour the view shows at a view pixel, read from the picture under the grid and the box, so a
    // point on a grid line or on the box gives the screen pixel of its cell. Outside the view: background.
    core::ColorValue colorAt(QPoint viewPixel) const;
    // The picture without grid and box.
    const QImage& picture() const { return m_picture; }
    // The picture as shown, grid and box included.
    QImage shownPicture() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    // viewPixel: the view pixel under the mouse.
    void pressed(Qt::MouseButton button, QPoint viewPixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void paintOverlay(QPainter& painter) const;

    QImage m_picture;
    core::ZoomGeometry m_geometry;
    ZoomOverlay m_overlay;
};

} // namespace tw
