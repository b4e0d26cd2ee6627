#pragma once
#include "core/Template.h"

#include <QDialog>

#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tw::platform {
class Prompter;
}

namespace tw {

class WorkingColors;

// "Templates": the list of the user's notations, each a name and a pattern, with what the pattern makes of
// Color #1 (or what is wrong with it) as it is typed. OK keeps the list only when every template can be used;
// otherwise it says which one and why and stays open. Cancel keeps nothing.
class TemplateEditor : public QDialog {
    Q_OBJECT
public:
    TemplateEditor(const WorkingColors& colors, platform::Prompter& prompter, QWidget* parent);

    void setTemplates(const std::vector<core::ColorTemplate>& list);
    const std::vector<core::ColorTemplate>& templates() const { return m_list; }
    // OK: checks the list and keeps it; false (and open) when a template cannot be used.
    bool keepList();

Q_SIGNALS:
    void kept(const std::vector<core::ColorTemplate>& list);

private:
    void select(int row);
    void edited();
    void add();
    void remove();
    void preview();

    const WorkingColors& m_colors;
    platform::Prompter& m_prompter;
    std::vector<core::ColorTemplate> m_list;
    QListWidget* m_names = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_pattern = nullptr;
    QLabel* m_preview = nullptr;
    QPushButton* m_remove = nullptr;
    bool m_filling = false;
};

} // namespace tw
