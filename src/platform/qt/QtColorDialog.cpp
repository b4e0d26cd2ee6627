#include "platform/qt/QtColorDialog.h"

#include "platform/ColorConversion.h"

#include <QColorDialog>
#include <QScopedValueRollback>

namespace tw::platform {

namespace {

    // Stands with its centre on the centre of the window that asked for it. Placed once the dialog has its
    // final size (it sizes itself as it is shown) and before it is mapped, so that neither Qt's own placement
    // (which keeps a dialog on the screen) nor the window manager's wins. Near an edge of the screen the
    // dialog may therefore lie partly beyond it.
    class CentredColorDialog : public QColorDialog {
    public:
        using QColorDialog::QColorDialog;

    protected:
        void showEvent(QShowEvent* event) override
        {
            QColorDialog::showEvent(event);
            const QWidget* window = parentWidget() ? parentWidget()->window() : nullptr;
            if (!window || !window->isVisible())
                return;
            QRect placed(QPoint(), frameGeometry().size());
            placed.moveCenter(window->frameGeometry().center());
            move(placed.topLeft());
        }
    };

} // namespace

QtColorDialog::QtColorDialog()
{
    m_customColors.fill(qRgb(254, 254, 254));
    // Set in Qt's set at once as well, so that no dialog of this run ever shows colours Qt kept from another.
    handCustomColorsToQt();
}

void QtColorDialog::handCustomColorsToQt() const
{
    for (int index = 0; index < kCustomColorCount; ++index)
        QColorDialog::setCustomColor(index, QColor::fromRgb(m_customColors[static_cast<std::size_t>(index)]));
}

ColorChoice QtColorDialog::ChooseColorDialog(QWidget* parent, core::ColorValue initial)
{
    // Qt's custom colours are one set for the process: a second dialog opened from inside the first would
    // hand it colours the first has not returned yet.
    if (m_open)
        return { ColorDialogOutcome::Failed, 0 };
    const QScopedValueRollback<bool> open(m_open, true);

    handCustomColorsToQt();
    CentredColorDialog dialog(parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setOption(QColorDialog::ShowAlphaChannel, false);
    dialog.setCurrentColor(ToQColor(initial));
    dialog.setWindowModality(Qt::ApplicationModal);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    const QColor chosen = dialog.selectedColor();
    if (!accepted || !chosen.isValid())
        return { ColorDialogOutcome::Cancelled, 0 };
    for (int index = 0; index < kCustomColorCount; ++index)
        m_customColors[static_cast<std::size_t>(index)] = QColorDialog::customColor(index).rgb();
    return { ColorDialogOutcome::Chosen, FromQColor(chosen) };
}

} // namespace tw::platform
