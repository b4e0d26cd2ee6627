#include "web/TemplateRows.h"

#include "core/Converter.h"
#include "model/WorkingColors.h"
#include "platform/Clipboard.h"
#include "platform/SettingsKeys.h"
#include "web/TemplateEditor.h"
#include "web/TemplateList.h"
#include "widgets/Buttons.h"
#include "widgets/SettingsWrites.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tw {

TemplateRows::TemplateRows(WorkingColors& colors, Services services, QWidget* parent)
    : QGroupBox(tr("Templates"), parent)
    , m_colors(colors)
    , m_services(services)
    , m_templates(ReadTemplates(services.writes.store()))
{
    setObjectName(QStringLiteral("fraTemplates"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 4, 6, 4);
    column->setSpacing(2);
    m_rowArea = new QWidget(this);
    m_grid = new QGridLayout(m_rowArea);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setHorizontalSpacing(3);
    m_grid->setVerticalSpacing(2);
    column->addWidget(m_rowArea);
    m_problems = new QLabel(this);
    m_problems->setObjectName(QStringLiteral("lblTemplateProblems"));
    m_problems->setTextFormat(Qt::PlainText);
    m_problems->setWordWrap(true);
    m_problems->hide();
    column->addWidget(m_problems);
    auto* editButton = MakeButton(this, "cmdTemplates", tr("Edit..."), tr("Add, change or remove templates"));
    column->addWidget(editButton, 0, Qt::AlignRight);
    connect(editButton, &QPushButton::clicked, this, &TemplateRows::edit);

    connect(&m_colors, &WorkingColors::changed, this, [this](ColorSlot slot) {
        if (isVisible())
            show(slot);
    });
    rebuild();
}

void TemplateRows::showEvent(QShowEvent* event)
{
    QGroupBox::showEvent(event);
    show(ColorSlot::One);
    show(ColorSlot::Two);
}

void TemplateRows::keep(const std::vector<core::ColorTemplate>& list)
{
    const int previous = StoredTemplateCount(m_services.writes.store());
    // A failed write is told once by SettingsWrites; the list still serves for this session.
    m_services.writes.apply(keys::kTemplates, TemplateChanges(list, previous));
    m_templates = list;
    rebuild();
}

void TemplateRows::edit()
{
    if (!m_editor) {
        m_editor = new TemplateEditor(m_colors, m_services.prompter, window());
        m_editor->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_editor, &TemplateEditor::kept, this, &TemplateRows::keep);
    }
    m_editor->setTemplates(m_templates);
    m_editor->show();
    m_editor->raise();
    m_editor->activateWindow();
}

void TemplateRows::rebuild()
{
    for (const Row& row : m_rows) {
        delete row.caption;
        for (int s = 0; s < 2; ++s) {
            delete row.fields[s];
            delete row.copy[s];
        }
    }
    m_rows.clear();
    m_shown.clear();
    QStringList problems;
    for (std::size_t i = 0; i < m_templates.size(); ++i) {
        const std::string problem = core::TemplateProblem(m_templates, i);
        if (!problem.empty()) {
            problems.append(tr("\"%1\" has no row: %2")
                                .arg(QString::fromStdString(m_templates[i].name), QString::fromStdString(problem)));
            continue;
        }
        m_shown.push_back(m_templates[i]);
        const int index = static_cast<int>(m_shown.size());
        Row row {};
        row.caption = new QLabel(QString::fromStdString(m_templates[i].name) + u':', m_rowArea);
        row.caption->setTextFormat(Qt::PlainText);
        row.caption->setObjectName(QStringLiteral("lblTemplate%1").arg(index));
        m_grid->addWidget(row.caption, index, 0);
        for (int s = 0; s < 2; ++s) {
            const QString suffix = s == 0 ? QString() : QStringLiteral("_2");
            auto* field = new QLineEdit(m_rowArea);
            field->setReadOnly(true);
            field->setObjectName(QStringLiteral("txtTemplate%1").arg(index) + suffix);
            field->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("oklch(0.9999 0.3725 359.99)")) + 16);
            auto* copy = MakeButton(m_rowArea, "", QStringLiteral("C"),
                tr("Copy Color #%1 as %2 to the clipboard")
                    .arg(s + 1)
                    .arg(QString::fromStdString(m_templates[i].name)));
            copy->setObjectName(QStringLiteral("cmdTemplate%1").arg(index) + suffix);
            copy->setFixedSize(18, 20);
            connect(copy, &QPushButton::clicked, this, [this, field] { m_services.clipboard.setText(field->text()); });
            m_grid->addWidget(field, index, s == 0 ? 1 : 3);
            m_grid->addWidget(copy, index, s == 0 ? 2 : 4);
            row.fields[s] = field;
            row.copy[s] = copy;
        }
        m_rows.push_back(row);
    }
    m_problems->setText(problems.join(u'\n'));
    m_problems->setVisible(!problems.isEmpty());
    m_rowArea->setVisible(!m_rows.empty());
    if (isVisible()) {
        show(ColorSlot::One);
        show(ColorSlot::Two);
    }
}

void TemplateRows::show(ColorSlot slot)
{
    const int s = slot == ColorSlot::One ? 0 : 1;
    const bool set = m_colors.isSet(slot);
    const core::Rgb rgb = core::SplitColor(m_colors.color(slot));
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const QString text
            = set ? QString::fromStdString(core::ExpandTemplate(m_shown[i].pattern, rgb).text) : QString();
        m_rows[i].fields[s]->setText(text);
        m_rows[i].fields[s]->setCursorPosition(0);
        m_rows[i].copy[s]->setEnabled(set);
    }
}

} // namespace tw
