#pragma once
#include "core/Notations.h"
#include "model/ColorSlot.h"

#include <QGroupBox>

#include <array>

class QColor;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace tw {

// The ten code fields of one working colour, in the order the frames show their rows.
enum class CodeField { Red, Green, Blue, Hue, Sat, Lum, Html, Vb, Delphi, Cpp };
inline constexpr int kCodeFieldCount = 10;
// The six rows, top-down: each has one copy button.
enum class CodeRow { Rgb, Hsl, Cpp, Delphi, Html, Vb };
inline constexpr int kCodeRowCount = 6;

inline bool IsRgbField(CodeField field)
{
    return field <= CodeField::Blue;
}
inline bool IsHslField(CodeField field)
{
    return field >= CodeField::Hue && field <= CodeField::Lum;
}
// The text of one field among the six notations.
const std::string& NotationOf(const core::Notations& notations, CodeField field);

// "Color #1 Code Values" or "Color #2 Code Values": the frame is the same for both colours, only the
// control names differ (txtRed / txtRed2, Command13 / Command16, ...).
class CodeFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit CodeFrame(ColorSlot slot, QWidget* parent = nullptr);

    ColorSlot slot() const { return m_slot; }
    QLineEdit* field(CodeField field) const { return m_fields[static_cast<std::size_t>(field)]; }
    // Shows or hides one row (its captions, fields, spin buttons and copy button); the rows below close up.
    void setRowShown(CodeRow row, bool shown);
    bool rowShown(CodeRow row) const;

    // The first and the last field in the order Tab goes through them.
    QLineEdit* firstField() const;
    QLineEdit* lastField() const;
    // The spin button beside an RGB or HSL field.
    QScrollBar* spinButton(CodeField field) const;
    QLabel* caption(CodeField field) const { return m_captions[static_cast<std::size_t>(field)]; }
    QPushButton* copyButton(CodeRow row) const { return m_copyButtons[static_cast<std::size_t>(row)]; }
    // Every field that one copy button copies, in order (three for RGB and HSL, one for the hex rows).
    static std::vector<CodeField> fieldsOfRow(CodeRow row);

    // The only writer of the field texts: shows the six notations of the colour and paints each RGB field in
    // its pure channel colour. A field that already shows its text is not written again.
    void show(const core::Notations& notations);

    // The colour an RGB field is painted in: its pure channel.
    QColor channelColor(CodeField field) const;

private:
    void paintChannel(CodeField field, int channel);

    ColorSlot m_slot;
    std::array<QLineEdit*, kCodeFieldCount> m_fields {};
    std::array<QLabel*, kCodeFieldCount> m_captions {};
    std::array<QScrollBar*, 6> m_spinButtons {};
    std::array<QPushButton*, kCodeRowCount> m_copyButtons {};
};

} // namespace tw
