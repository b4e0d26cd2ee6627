#pragma once
#include "core/Template.h"
#include "model/ColorSlot.h"
#include "platform/SettingsStore.h"
#include "web/RowServices.h"

#include <QGroupBox>
#include <QPointer>

#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tw {

class TemplateEditor;
class WorkingColors;

// "Templates": the user's own notations, each a row with both working colours written by its pattern and a copy
// button per colour. A template whose pattern is malformed, or whose name is taken, has no row; the frame says
// which one and why. "Edit..." opens the editor; the list it keeps is saved in the settings.
class TemplateRows : public QGroupBox {
    Q_OBJECT
public:
    using Services = RowServices;
    // The templates are the ones the settings keep.
    TemplateRows(WorkingColors& colors, Services services, QWidget* parent);

    const std::vector<core::ColorTemplate>& templates() const { return m_templates; }
    // Keeps list as the user's templates: saved in one write, and the rows follow.
    void keep(const std::vector<core::ColorTemplate>& list);
    // Opens the editor (not modal to the application: the colours can still be changed while it is open).
    void edit();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Row {
        QLabel* caption;
        QLineEdit* fields[2];
        QPushButton* copy[2];
    };
    void rebuild();
    void show(ColorSlot slot);

    WorkingColors& m_colors;
    Services m_services;
    std::vector<core::ColorTemplate> m_templates;
    // The templates that have a row, in the order of m_templates.
    std::vector<core::ColorTemplate> m_shown;
    std::vector<Row> m_rows;
    QWidget* m_rowArea = nullptr;
    QGridLayout* m_grid = nullptr;
    QLabel* m_problems = nullptr;
    QPointer<TemplateEditor> m_editor;
};

} // namespace tw
