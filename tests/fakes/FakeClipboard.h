#pragma once
#include "platform/Clipboard.h"

#include <QImage>
#include <QString>

#include <optional>

namespace tw::test {

// Holds what a real clipboard would: one text or one image, each copy replacing the other.
class FakeClipboard : public platform::Clipboard {
public:
    void setText(const QString& text) override
    {
        lastText = text;
        lastImage.reset();
        ++copies;
    }
    void setImage(const QImage& image) override
    {
        lastImage = image;
        lastText.reset();
        ++copies;
    }

    std::optional<QString> lastText;
    std::optional<QImage> lastImage;
    int copies = 0;
};

} // namespace tw::test
