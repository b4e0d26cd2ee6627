#include "html/HtmlEditor.h"

#include "widgets/Buttons.h"

#include <QAction>

namespace tw {

HtmlEditor::HtmlEditor(HtmlWindow::Services services, Menu menu, QWidget& window)
    : QObject(&window)
    , m_services(services)
    , m_menu(menu)
    , m_window(window)
{
    setObjectName(QStringLiteral("htmlEditor"));
    EnableCommand(menu.mnuHTML, this, [this] { open(); });
    connect(menu.mnuTop, &QAction::toggled, this, &HtmlEditor::followAlwaysOnTop);
}

HtmlEditor::~HtmlEditor()
{
    // The window refers to services the main window's parts hold: it goes with this feature, not after them.
    delete m_editor;
}

HtmlWindow& HtmlEditor::load()
{
    if (m_editor)
        return *m_editor;
    m_editor = new HtmlWindow(m_services, m_window);
    m_editor->setWindowModality(Qt::ApplicationModal);
    m_editor->setWindowFlag(Qt::WindowStaysOnTopHint, m_menu.mnuTop->isChecked());
    connect(m_editor, &HtmlWindow::minimized, this, [this] { m_minimized = true; });
    connect(m_editor, &HtmlWindow::unloaded, this, [this] {
        // The window deletes itself; whatever asks for it from now on gets a new one.
        m_editor = nullptr;
        m_minimized = false;
        // The main window takes back its place on top.
        if (m_menu.mnuTop->isChecked()) {
            m_window.raise();
            m_window.activateWindow();
        }
    });
    return *m_editor;
}

void HtmlEditor::open()
{
    HtmlWindow& editor = load();
    editor.setWindowState(editor.windowState() & ~Qt::WindowMinimized);
    editor.show();
    editor.raise();
    editor.activateWindow();
}

void HtmlEditor::restoreMinimized()
{
    // A window the swatch menu loaded without showing stays hidden.
    if (!m_minimized)
        return;
    m_minimized = false;
    if (m_editor)
        open();
}

void HtmlEditor::followAlwaysOnTop()
{
    if (!m_editor)
        return;
    // Changing the flag hides a shown window: it is shown again where it stood.
    const bool shown = m_editor->isVisible();
    const QPoint position = m_editor->pos();
    m_editor->setWindowFlag(Qt::WindowStaysOnTopHint, m_menu.mnuTop->isChecked());
    if (shown) {
        m_editor->move(position);
        m_editor->show();
    }
}

} // namespace tw
