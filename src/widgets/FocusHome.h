#pragma once
#include <QPointer>
#include <QWidget>

namespace tw {

// Where the focus goes after a button of the main window was used, so that a button never keeps it: the
// target when it is shown, otherwise the fallback.
class FocusHome {
public:
    void setTarget(QWidget* target) { m_target = target; }
    void setFallback(QWidget* fallback) { m_fallback = fallback; }
    void restore() const
    {
        if (m_target && m_target->isVisible())
            m_target->setFocus();
        else if (m_fallback)
            m_fallback->setFocus();
    }

private:
    QPointer<QWidget> m_target;
    QPointer<QWidget> m_fallback;
};

} // namespace tw
