#pragma once
#include "core/ColorValue.h"

#include <QWidget>

class QLabel;

namespace tw {

// A colour box: the working colours, and the picture of a colour anywhere else it is shown. It paints its
// colour value; an optional "Empty" label lies over it while the colour counts as unset.
class Swatch : public QWidget {
    Q_OBJECT
public:
    explicit Swatch(QWidget* parent = nullptr);

    core::ColorValue color() const { return m_color; }
    void setColor(core::ColorValue color);

    // Creates the "Empty" label over the box, visible until hidden.
    QLabel* addEmptyLabel(const QString& objectName);
    QLabel* emptyLabel() const { return m_emptyLabel; }
    bool isEmptyShown() const;

    // The box as a picture of its own size, as a double-click copies it.
    QImage image() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void pressed(Qt::MouseButton button);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect labelArea() const;
    core::ColorValue m_color = 0;
    QLabel* m_emptyLabel = nullptr;
};

} // namespace tw
