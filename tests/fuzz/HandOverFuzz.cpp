// The hand-over message as the running copy reads it, whole and cut into the pieces a socket may deliver. The
// first byte steers: its low bit puts the message's magic line in front of the rest (so that the fuzzer
// reaches the length and the path at once), the others choose where the stream is cut. Any path a later
// start can send arrives exactly.
#include "platform/qt/LocalSocketInstance.h"
#include "tests/fuzz/FuzzCheck.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using tw::platform::LocalSocketInstance;
    if (size == 0)
        return 0;
    const std::uint8_t steer = data[0];
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const QByteArray stream = (steer & 1) ? LocalSocketInstance::kMagic + rest : rest;

    bool wholeRejected = false;
    const std::optional<QString> whole = LocalSocketInstance::readMessage(stream, wholeRejected);
    TW_FUZZ_CHECK(!(whole && wholeRejected));

    // The running copy appends each piece and reads again, until the message is whole or refused.
    const qsizetype step = 1 + (steer >> 1);
    QByteArray buffer;
    for (qsizetype at = 0; at < stream.size(); at += step) {
        buffer.append(stream.mid(at, step));
        bool rejected = false;
        const std::optional<QString> path = LocalSocketInstance::readMessage(buffer, rejected);
        if (rejected) {
            // A prefix refused is a stream refused.
            TW_FUZZ_CHECK(wholeRejected);
            break;
        }
        if (path) {
            // The message was whole here: either that was all, or what followed makes the stream refused.
            TW_FUZZ_CHECK(buffer.size() == stream.size() ? whole == path : wholeRejected);
            break;
        }
    }

    // Every path without a NUL, in valid UTF-8 and within the limit, is carried exactly.
    const QString path = QString::fromUtf8(rest);
    if (path.toUtf8() == rest && !rest.contains('\0') && rest.size() <= LocalSocketInstance::kMaxPathBytes) {
        bool rejected = false;
        TW_FUZZ_CHECK(LocalSocketInstance::readMessage(LocalSocketInstance::encodeMessage(path), rejected) == path);
        TW_FUZZ_CHECK(!rejected);
    }
    return 0;
}
