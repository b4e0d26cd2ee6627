#include "web/TemplateEditor.h"

#include "core/Converter.h"
#include "model/WorkingColors.h"
#include "widgets/Buttons.h"
#include "widgets/Prompts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tw {

TemplateEditor::TemplateEditor(const WorkingColors& colors, platform::Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , m_colors(colors)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("frmTemplates"));
    setWindowTitle(tr("Templates"));
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    m_names = new QListWidget(this);
    m_names->setObjectName(QStringLiteral("lstTemplates"));
    left->addWidget(m_names);
    auto* buttons = new QHBoxLayout;
    auto* add = MakeButton(this, "cmdTemplateAdd", tr("&Add"), tr("Add a template"));
    m_remove = MakeButton(this, "cmdTemplateRemove", tr("&Remove"), tr("Remove the selected template"));
    buttons->addWidget(add);
    buttons->addWidget(m_remove);
    left->addLayout(buttons);
    columns->addLayout(left);

    auto* right = new QVBoxLayout;
    auto* form = new QFormLayout;
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtTemplateName"));
    m_pattern = new QLineEdit(this);
    m_pattern->setObjectName(QStringLiteral("txtTemplatePattern"));
    m_pattern->setMinimumWidth(m_pattern->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("lblTemplatePreview"));
    m_preview->setTextFormat(Qt::PlainText);
    m_preview->setWordWrap(true);
    m_preview->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(tr("&Name:"), m_name);
    form->addRow(tr("&Pattern:"), m_pattern);
    form->addRow(tr("Color #1:"), m_preview);
    right->addLayout(form);
    auto* help = new QLabel(tr("Placeholders: {r} {g} {b} {a} whole numbers 0-255; {rf} {gf} {bf} {af} fractions "
                               "0-1 ({rf:.2} for two decimals); {rx} {gx} {bx} {ax} two hex digits; {hex} RRGGBB; "
                               "add |lower or |upper to change the case, as in {hex|lower}. Write {{ and }} for "
                               "braces."),
        this);
    help->setObjectName(QStringLiteral("lblTemplateHelp"));
    help->setWordWrap(true);
    right->addWidget(help);
    right->addStretch();
    columns->addLayout(right, 1);

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    box->setObjectName(QStringLiteral("templateButtons"));
    auto* rows = new QVBoxLayout(this);
    rows->addLayout(columns);
    rows->addWidget(box);

    connect(m_names, &QListWidget::currentRowChanged, this, &TemplateEditor::select);
    connect(m_name, &QLineEdit::textEdited, this, &TemplateEditor::edited);
    connect(m_pattern, &QLineEdit::textEdited, this, &TemplateEditor::edited);
    connect(add, &QPushButton::clicked, this, &TemplateEditor::add);
    connect(m_remove, &QPushButton::clicked, this, &TemplateEditor::remove);
    connect(box, &QDialogButtonBox::accepted, this, [this] { keepList(); });
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TemplateEditor::setTemplates(const std::vector<core::ColorTemplate>& list)
{
    m_list = list;
    m_filling = true;
    m_names->clear();
    for (const core::ColorTemplate& entry : m_list)
        m_names->addItem(QString::fromStdString(entry.name));
    m_filling = false;
    m_names->setCurrentRow(m_list.empty() ? -1 : 0);
    select(m_names->currentRow());
}

void TemplateEditor::select(int row)
{
    if (m_filling)
        return;
    const bool any = row >= 0 && row < static_cast<int>(m_list.size());
    m_name->setEnabled(any);
    m_pattern->setEnabled(any);
    m_remove->setEnabled(any);
    m_name->setText(any ? QString::fromStdString(m_list[static_cast<std::size_t>(row)].name) : QString());
    m_pattern->setText(any ? QString::fromStdString(m_list[static_cast<std::size_t>(row)].pattern) : QString());
    preview();
}

void TemplateEditor::edited()
{
    const int row = m_names->currentRow();
    if (row < 0 || row >= static_cast<int>(m_list.size()))
        return;
    core::ColorTemplate& entry = m_list[static_cast<std::size_t>(row)];
    entry.name = m_name->text().toStdString();
    entry.pattern = m_pattern->text().toStdString();
    m_names->item(row)->setText(m_name->text());
    preview();
}

void TemplateEditor::add()
{
    // A name no other template has yet.
    QString name = tr("Template");
    for (int n = 2; std::any_of(m_list.begin(), m_list.end(),
             [&name](const core::ColorTemplate& t) {
                 return core::TemplateKey(t.name) == core::TemplateKey(name.toStdString());
             });
         ++n)
        name = tr("Template %1").arg(n);
    m_list.push_back({ name.toStdString(), "{hex|lower}" });
    m_names->addItem(name);
    m_names->setCurrentRow(static_cast<int>(m_list.size()) - 1);
    m_name->setFocus();
    m_name->selectAll();
}

void TemplateEditor::remove()
{
    const int row = m_names->currentRow();
    if (row < 0 || row >= static_cast<int>(m_list.size()))
        return;
    m_list.erase(m_list.begin() + row);
    m_filling = true;
    delete m_names->takeItem(row);
    m_filling = false;
    m_names->setCurrentRow(std::min(row, static_cast<int>(m_list.size()) - 1));
    select(m_names->currentRow());
}

void TemplateEditor::preview()
{
    const int row = m_names->currentRow();
    if (row < 0 || row >= static_cast<int>(m_list.size())) {
        m_preview->clear();
        return;
    }
    const std::string problem = core::TemplateProblem(m_list, static_cast<std::size_t>(row));
    if (!problem.empty()) {
        m_preview->setText(QString::fromStdString(problem));
        return;
    }
    const core::Rgb rgb = core::SplitColor(m_colors.color(ColorSlot::One));
    m_preview->setText(
        QString::fromStdString(core::ExpandTemplate(m_list[static_cast<std::size_t>(row)].pattern, rgb).text));
}

bool TemplateEditor::keepList()
{
    for (std::size_t i = 0; i < m_list.size(); ++i) {
        const std::string problem = core::TemplateProblem(m_list, i);
        if (problem.empty())
            continue;
        m_names->setCurrentRow(static_cast<int>(i));
        Tell(m_prompter, this,
            { "The template \"" + m_list[i].name + "\" cannot be kept: " + problem, core::MessageIcon::Exclamation });
        return false;
    }
    Q_EMIT kept(m_list);
    accept();
    return true;
}

} // namespace tw
