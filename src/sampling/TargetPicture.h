#pragma once
#include <QPixmap>
#include <QWidget>

namespace tw {

// Picture1, the target: shows the target picture, which the user presses and drags over the screen. The
// press grabs the mouse, so moves and the release come here wherever the pointer goes until every button
// is up. Moves without a button arrive as well (mouse tracking).
class TargetPicture : public QWidget {
    Q_OBJECT
public:
    explicit TargetPicture(QWidget* parent = nullptr);

    // The picture is taken away while it serves as the mouse pointer.
    void setImageShown(bool shown);
    bool imageShown() const { return m_imageShown; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void pressed(Qt::MouseButton button);
    // buttons: every button held.
    void moved(Qt::MouseButtons buttons);
    void released(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_imageShown = true;
    // The target picture at the device pixel ratio it was last painted for.
    QPixmap m_image;
};

} // namespace tw
