#pragma once
#include "platform/ColorDialog.h"

#include <QRgb>

#include <array>

namespace tw::platform {

// ChooseColorDialog as Qt's own (non-native) QColorDialog. Qt keeps the dialog's custom colours in one set for
// the whole process and would bring back those of an earlier run from its own settings file; this service
// holds the set itself, hands it to each dialog and takes it back only from a dialog ended with OK.
class QtColorDialog : public ColorDialog {
public:
    QtColorDialog();

    ColorChoice ChooseColorDialog(QWidget* parent, core::ColorValue initial) override;

    static constexpr int kCustomColorCount = 16;
    // The custom colours the next dialog offers.
    const std::array<QRgb, kCustomColorCount>& customColors() const { return m_customColors; }

private:
    void handCustomColorsToQt() const;

    std::array<QRgb, kCustomColorCount> m_customColors {};
    bool m_open = false;
};

} // namespace tw::platform
