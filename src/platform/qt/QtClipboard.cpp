#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace tw::platform {

// setMimeData with a fresh object replaces every format the clipboard held, so a copied image leaves no
// stale text behind and the other way round.
void QtClipboard::setText(const QString& text)
{
    auto* data = new QMimeData;
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
}

void QtClipboard::setImage(const QImage& image)
{
    auto* data = new QMimeData;
    data->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace tw::platform
