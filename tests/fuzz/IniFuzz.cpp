// The settings file parser: any bytes either are no settings file or parse to a table that, written out and
// parsed again, gives the same table.
#include "platform/qt/IniSettingsStore.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>

namespace {

using tw::platform::IniSettingsStore;

bool Same(const IniSettingsStore::Sections& a, const IniSettingsStore::Sections& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].entries.size() != b[i].entries.size())
            return false;
        for (qsizetype j = 0; j < a[i].entries.size(); ++j)
            if (a[i].entries[j].key != b[i].entries[j].key || a[i].entries[j].value != b[i].entries[j].value)
                return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    IniSettingsStore::Sections sections;
    if (!IniSettingsStore::parse(bytes, sections))
        return 0;
    IniSettingsStore::Sections again;
    TW_FUZZ_CHECK(IniSettingsStore::parse(IniSettingsStore::serialize(sections), again));
    TW_FUZZ_CHECK(Same(sections, again));
    return 0;
}
