#include "model/WorkingColors.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace tw {

namespace {

    // A decimal number with an optional sign and blanks around it; nothing for anything else or a number
    // beyond 64 bits.
    std::optional<std::int64_t> ParseDecimal(std::string_view text)
    {
        while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
            text.remove_prefix(1);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
            text.remove_suffix(1);
        if (!text.empty() && text.front() == '+')
            text.remove_prefix(1);
        std::int64_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || end != text.data() + text.size())
            return std::nullopt;
        return value;
    }

} // namespace

WorkingColors::WorkingColors(QObject* parent)
    : QObject(parent)
{
    for (Working& working : m_colors) {
        working.hsl = core::RgbToHsl(working.value);
        working.notations = core::DescribeColor(working.value);
    }
}

void WorkingColors::take(ColorSlot slot, core::ColorValue value, const TakeOptions& options)
{
    Working& working = at(slot);
    working.value = value;
    working.set = true;
    working.hsl = options.shownHsl.value_or(core::RgbToHsl(value));
    working.notations = core::DescribeColor(value);
    if (options.shownHsl) {
        working.notations.hue = std::to_string(working.hsl.hue);
        working.notations.sat = std::to_string(working.hsl.sat);
        working.notations.lum = std::to_string(working.hsl.lum);
    }
    if (options.makeCurrent == MakeCurrent::Yes)
        setCurrent(slot);
    Q_EMIT changed(slot);
    if (options.record == Record::Yes)
        record(slot);
}

void WorkingColors::setCurrent(ColorSlot slot)
{
    if (m_current == slot)
        return;
    m_current = slot;
    Q_EMIT currentChanged(slot);
}

void WorkingColors::record(ColorSlot slot)
{
    if (m_startingUp)
        return;
    Q_EMIT recorded(slot, color(slot));
}

bool WorkingColors::setColor(std::string_view colorText, bool forColor2, const core::SystemColorLookup& lookup)
{
    const std::optional<std::int64_t> parsed = ParseDecimal(colorText);
    if (!parsed)
        return false;
    // An ordinary colour, or a system colour constant (0x80000000..0x80000018), resolved to what it shows.
    const bool ordinary = *parsed >= 0 && *parsed <= core::kWhite;
    const bool system = *parsed >= std::numeric_limits<core::ColorValue>::min() && *parsed < 0
        && core::IsSystemColorConstant(static_cast<core::ColorValue>(*parsed));
    if (!ordinary && !system)
        return false;
    const core::ColorValue value = core::ResolveSystemColor(static_cast<core::ColorValue>(*parsed), lookup);
    take(forColor2 ? ColorSlot::Two : ColorSlot::One, value);
    return true;
}

} // namespace tw
