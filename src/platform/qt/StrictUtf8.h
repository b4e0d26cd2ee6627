#pragma once
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <optional>

namespace tw::platform {

// Whether a byte order mark at the start is taken away (a settings file saved by an editor) or kept as the
// character it is (a path handed over, which may begin with anything).
enum class Utf8Bom { Skip, Keep };

// The text of bytes that are whole, valid UTF-8, or nothing. A QStringDecoder keeps a character cut at the end
// as state for a next call that never comes and reports no error, so "caf\xC3" would read as "caf"; a
// stateless decoder counts the cut character as the error it is. Overlong forms, surrogates and code points
// above U+10FFFF are refused as well.
inline std::optional<QString> DecodeStrictUtf8(QByteArrayView bytes, Utf8Bom bom)
{
    QStringConverter::Flags flags = QStringConverter::Flag::Stateless;
    if (bom == Utf8Bom::Keep)
        flags |= QStringConverter::Flag::ConvertInitialBom;
    QStringDecoder decoder(QStringDecoder::Utf8, flags);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace tw::platform
