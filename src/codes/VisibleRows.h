#pragma once
#include "platform/SettingsStore.h"
#include "widgets/CodeFrame.h"

#include <QObject>

#include <array>

class QAction;

namespace tw {

class SettingsWrites;

// "&Visible Color Code Values" (mnuVCodes): the six rows of notations can be hidden. A hidden row leaves both
// frames, the rows below close up and the window gets shorter; with no row left both frames go. The choice is
// saved at once ("cbocodes-3" .. "cbocodes-8") and restored at start-up.
class VisibleRows : public QObject {
    Q_OBJECT
public:
    struct Menu {
        QAction* showAll; // mnuVCode0
        QAction* showNone; // mnuVCode1
        // mnuVCode3 .. mnuVCode8, in the rows' order: RGB, HSL, C++, Delphi, HTML, VB.
        std::array<QAction*, kCodeRowCount> rows;
    };
    VisibleRows(CodeFrame& frame1, CodeFrame& frame2, Menu menu, SettingsWrites& writes, QWidget& window);

    void restoreSettings(const platform::SettingsStore& settings);
    // Whether Color #2's frame may show at all (compact mode hides it unless the slides are expanded).
    void setSecondFrameAllowed(bool allowed);
    bool rowShown(CodeRow row) const;
    // Lays the rows out from the menu's check marks.
    void layOut();

private:
    void choose(int index);

    CodeFrame& m_frame1;
    CodeFrame& m_frame2;
    Menu m_menu;
    SettingsWrites& m_writes;
    bool m_secondFrameAllowed = true;
};

} // namespace tw
