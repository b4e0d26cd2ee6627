#pragma once
class QImage;
class QString;

namespace tw::platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Each call replaces everything the clipboard held.
    virtual void setText(const QString& text) = 0;
    virtual void setImage(const QImage& image) = 0;
};

} // namespace tw::platform
