#pragma once
#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace tw {

class ZoomView;

// fraZoom, "External Color Zoom": the magnified view with its scroll bars (the sampled point), the zoom
// list, the grid and crosshair options and "Clear". The controls only; ScreenSampler gives them their
// behaviour.
class ZoomFrame : public QGroupBox {
    Q_OBJECT
public:
    // viewSize: the side of the square view in pixels.
    explicit ZoomFrame(int viewSize, QWidget* parent = nullptr);

    // The zoom level of cboZoom's current entry, in percent.
    int zoomPercent() const;

    ZoomView* picZoom = nullptr;
    QScrollBar* vsbZoomY = nullptr;
    QScrollBar* hsbZoomX = nullptr;
    QLabel* lblZoom = nullptr;
    QComboBox* cboZoom = nullptr;
    QCheckBox* chkGrid = nullptr;
    QCheckBox* chkCross = nullptr;
    QWidget* picClear = nullptr;
    QPushButton* cmdClear = nullptr;
};

} // namespace tw
