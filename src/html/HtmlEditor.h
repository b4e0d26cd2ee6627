#pragma once
#include "html/HtmlWindow.h"

#include <QObject>
#include <QPointer>

class QAction;

namespace tw {

// The stylesheet editor as the main window uses it: "&HTML Stylesheet Editor..." shows it modally over the main
// window; the swatch menu hands it colours, loading it without showing it when it is not loaded yet. It is
// always on top while the main window is ("Always on &Top"), and notes when it was minimised, so that the
// tray's Open can bring it back.
class HtmlEditor : public QObject {
    Q_OBJECT
public:
    struct Menu {
        QAction* mnuHTML;
        QAction* mnuTop;
    };
    HtmlEditor(HtmlWindow::Services services, Menu menu, QWidget& window);
    ~HtmlEditor() override;

    // mnuHTML.
    void open();
    // The window, loaded (hidden) if it is not; its colours are shown the next time it is opened.
    HtmlWindow& load();
    // Nothing while the window is not loaded.
    HtmlWindow* loaded() const { return m_editor; }

    // True once the window was minimised, until restoreMinimized() or until it is closed.
    bool blnHtmlMinimized() const { return m_minimized; }
    // The tray's Open: the minimised editor comes back as it was.
    void restoreMinimized();

private:
    void followAlwaysOnTop();

    HtmlWindow::Services m_services;
    Menu m_menu;
    QWidget& m_window;
    QPointer<HtmlWindow> m_editor;
    bool m_minimized = false;
};

} // namespace tw
