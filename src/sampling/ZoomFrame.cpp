#include "sampling/ZoomFrame.h"

#include "core/ZoomGeometry.h"
#include "sampling/ZoomView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace tw {

ZoomFrame::ZoomFrame(int viewSize, QWidget* parent)
    : QGroupBox(tr("External Color Zoom"), parent)
{
    setObjectName(QStringLiteral("fraZoom"));

    picZoom = new ZoomView(viewSize, this);
    picZoom->setAccessibleName(tr("Magnified view of the screen"));
    vsbZoomY = new QScrollBar(Qt::Vertical, this);
    vsbZoomY->setObjectName(QStringLiteral("vsbZoomY"));
    vsbZoomY->setAccessibleName(tr("Magnified point, down"));
    hsbZoomX = new QScrollBar(Qt::Horizontal, this);
    hsbZoomX->setObjectName(QStringLiteral("hsbZoomX"));
    hsbZoomX->setAccessibleName(tr("Magnified point, across"));
    // The scroll bars hold the sampled point; there is none until the first snapshot.
    for (QScrollBar* bar : { vsbZoomY, hsbZoomX }) {
        bar->setRange(0, 0);
        bar->setEnabled(false);
    }

    chkCross = new QCheckBox(tr("Crosshair"), this);
    chkCross->setObjectName(QStringLiteral("chkCross"));
    chkCross->setToolTip(tr("Display crosshair"));
    chkCross->setChecked(true);
    chkGrid = new QCheckBox(tr("Grid"), this);
    chkGrid->setObjectName(QStringLiteral("chkGrid"));
    chkGrid->setToolTip(tr("Display pixel grid at 400% or higher zoom levels"));

    lblZoom = new QLabel(tr("Zoom (%):"), this);
    lblZoom->setObjectName(QStringLiteral("lblZoom"));
    cboZoom = new QComboBox(this);
    cboZoom->setObjectName(QStringLiteral("cboZoom"));
    cboZoom->setAccessibleName(tr("Zoom (%)"));
    for (const int percent : core::kZoomPercents)
        cboZoom->addItem(QString::number(percent));
    cboZoom->setCurrentIndex(core::kDefaultZoomIndex);
    lblZoom->setBuddy(cboZoom);

    picClear = new QWidget(this);
    picClear->setObjectName(QStringLiteral("picClear"));
    auto* clearLayout = new QHBoxLayout(picClear);
    clearLayout->setContentsMargins(0, 0, 0, 0);
    cmdClear = new QPushButton(tr("Clear"), picClear);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdClear->setToolTip(tr("Clear External Color Zoom Window"));
    clearLayout->addWidget(cmdClear);

    // The view with its scroll bars right of and below it, the options underneath.
    auto* view = new QGridLayout;
    view->setSpacing(0);
    view->addWidget(picZoom, 0, 0);
    view->addWidget(vsbZoomY, 0, 1);
    view->addWidget(hsbZoomX, 1, 0);
    auto* options = new QGridLayout;
    options->setHorizontalSpacing(6);
    options->setVerticalSpacing(2);
    options->addWidget(chkCross, 0, 0);
    options->addWidget(picClear, 0, 1, 1, 2, Qt::AlignRight);
    options->addWidget(chkGrid, 1, 0);
    options->addWidget(lblZoom, 1, 1, Qt::AlignRight);
    options->addWidget(cboZoom, 1, 2);
    options->setColumnStretch(0, 1);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(8, 6, 8, 6);
    frame->setSpacing(6);
    frame->addLayout(view);
    frame->addLayout(options);
    frame->setSizeConstraint(QLayout::SetMinimumSize);
}

int ZoomFrame::zoomPercent() const
{
    const int index = cboZoom->currentIndex();
    if (index < 0 || index >= static_cast<int>(core::kZoomPercents.size()))
        return core::kZoomPercents[core::kDefaultZoomIndex];
    return core::kZoomPercents[static_cast<std::size_t>(index)];
}

} // namespace tw
