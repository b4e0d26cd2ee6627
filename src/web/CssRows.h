#pragma once
#include "core/CssColor.h"
#include "model/ColorSlot.h"
#include "platform/SettingsStore.h"
#include "web/RowServices.h"

#include <QGroupBox>

#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tw {

class WorkingColors;

inline constexpr int kCssRowCount = static_cast<int>(core::kCssNotations.size());

// "CSS Color Values": each working colour in the CSS notations (hex, rgb(), hsl(), hwb(), lab(), lch(), oklab(),
// oklch()), a row each with a copy button per colour. A row's field takes any CSS colour by Enter or Tab: it is
// read, fitted into sRGB when it lies outside (the frame then says so), and taken as the colour. Leaving a field
// any other way puts back what the colour shows. Each row shows as its item of the visible-rows menu is checked.
// The rows are written only while they are on the screen, and afresh when they come back.
class CssRows : public QGroupBox {
    Q_OBJECT
public:
    // One check item per row, in the rows' order.
    using RowItems = std::array<QAction*, kCssRowCount>;
    using Services = RowServices;
    CssRows(WorkingColors& colors, Services services, RowItems rowItems, QWidget* parent);

    QLineEdit* field(ColorSlot slot, core::CssNotation notation) const;
    QPushButton* copyButton(ColorSlot slot, core::CssNotation notation) const;
    // Reads the field's text and takes the colour it names; a refused text is told and stays for correction.
    // A field that still shows the colour's own text is left alone. False when the text was refused.
    bool confirm(ColorSlot slot, core::CssNotation notation);

    // Shows the rows whose menu items are checked; with none, the frame goes.
    void layOut();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Row {
        QLabel* caption = nullptr;
        std::array<QLineEdit*, 2> fields {};
        std::array<QPushButton*, 2> copy {};
    };
    void show(ColorSlot slot);

    WorkingColors& m_colors;
    Services m_services;
    RowItems m_rowItems;
    std::array<Row, kCssRowCount> m_rows {};
    // Says that a typed colour lay outside sRGB and which colour was taken instead, until that colour changes.
    QLabel* m_clipped = nullptr;
    std::array<QString, 2> m_clippedNotes;
    bool m_taking = false;
};

} // namespace tw
