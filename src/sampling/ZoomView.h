#pragma once
#include "core/ColorValue.h"
#include "core/ZoomGeometry.h"

#include <QImage>
#include <QWidget>

namespace tw {

// The view's background, where no part of the screen is drawn (beside the screen's edges, after "Clear").
inline constexpr core::ColorValue kZoomBackground = 0x808080;

// What is drawn over the magnified picture.
struct ZoomOverlay {
    bool grid = false;
    bool crosshair = false;
    // The side of the square a pick averages; above 1 it is outlined round the centre cell.
    int average = 1;

    // Whether there is nothing to draw over the picture.
    bool empty() const { return !grid && !crosshair && average <= 1; }
};

// picZoom: a square view of the screen snapshot around the sampled pixel, drawn with nearest-neighbour
// scaling, with the pixel grid and the red box around the centre cell drawn over it.
//
// The picture is drawn in the device pixels of the screen the view is on, not in the widget's pixels: on a
// screen scaled by 1.5 a view of 176 pixels is a picture of 264, so that every cell and every grid line of it
// is a whole number of device pixels, all alike. The geometry, colorAt, picture and shownPicture all count
// in these device pixels; only the widget's size is in the widget's own pixels.
class ZoomView : public QWidget {
    Q_OBJECT
public:
    // viewSize: the side of the view in the widget's pixels.
    explicit ZoomView(int viewSize, QWidget* parent = nullptr);

    // The side of the picture in device pixels: the one to compute the geometry for.
    int viewSize() const;
    // The compact window shows a smaller view (the side in the widget's pixels); the caller redraws.
    void setViewSize(int viewSize);

    // Redraws the picture: the snapshot's source rectangle scaled into the destination rectangle, background
    // elsewhere (everywhere when there is no snapshot). snapshot may hold a part of the snapshot only, whose
    // top-left corner lies at origin in the snapshot; what of the source it does not hold shows background.
    void render(const QImage* snapshot, QPoint origin, const core::ZoomGeometry& geometry, ZoomOverlay overlay);

    // The colour the view shows at a pixel of the picture, read from the picture under the grid and the box,
    // so a point on a grid line or on the box gives the screen pixel of its cell. Outside the view: background.
    core::ColorValue colorAt(QPoint viewPixel) const;
    // The picture without grid and box, with the device pixel ratio it is drawn for; none (null) while the view
    // shows the background alone (nothing rendered since it was made or resized, or nothing to magnify).
    const QImage& picture() const { return m_picture; }
    // The picture as shown, grid and box included; none (null) while the view shows the background alone (with
    // the grid and the box, if any, drawn straight onto it).
    const QImage& shownPicture() const { return m_shown; }

    QSize sizeHint() const override;

Q_SIGNALS:
    // viewPixel: the pixel of the picture under the mouse (a device pixel, as colorAt takes it).
    void pressed(Qt::MouseButton button, QPoint viewPixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // A picture of the background, of viewSize() at the current ratio.
    void clearPicture();
    void updateShownPicture();
    // The device pixel ratio the view is drawn at: the shown picture's, or the widget's while there is none.
    qreal shownRatio() const;

    int m_side = 0;
    QImage m_picture;
    QImage m_shown;
    core::ZoomGeometry m_geometry;
    ZoomOverlay m_overlay;
};

} // namespace tw
