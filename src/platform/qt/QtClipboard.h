#pragma once
#include "platform/Clipboard.h"

namespace tw::platform {

class QtClipboard : public Clipboard {
public:
    void setText(const QString& text) override;
    void setImage(const QImage& image) override;
};

} // namespace tw::platform
