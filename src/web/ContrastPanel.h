#pragma once
#include <QGroupBox>

#include <array>

class QLabel;
class QPushButton;

namespace tw {

class WorkingColors;

// "Contrast": how well Color #1 reads on Color #2, live as either changes: the WCAG 2 contrast ratio with its
// AA and AAA results for normal and large text and for non-text parts, the APCA lightness contrast Lc of Color #1
// as text on Color #2, and sample text in both colours both ways round. "Swap" exchanges the two colours. The
// figures are worked out only while the panel is on the screen, and afresh when it comes back.
class ContrastPanel : public QGroupBox {
    Q_OBJECT
public:
    ContrastPanel(WorkingColors& colors, QWidget* parent);

    // Color #1 becomes Color #2 and the other way round; neither is recorded in the history again, and the
    // current colour stays the current one.
    void swap();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();

    WorkingColors& m_colors;
    QLabel* m_ratio = nullptr;
    // AA normal, AA large, AAA normal, AAA large, non-text.
    std::array<QLabel*, 5> m_grades {};
    QLabel* m_apca = nullptr;
    std::array<QLabel*, 2> m_previews {};
    QPushButton* m_swap = nullptr;
};

} // namespace tw
