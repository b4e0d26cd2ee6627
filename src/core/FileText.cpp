#include "core/FileText.h"

#include "core/ColorValue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>

namespace tw::core {

namespace {

    double DrawUnit(const UnitRandom& random)
    {
        const double u = random ? random() : 0.0;
        if (!(u >= 0.0)) // also catches NaN
            return 0.0;
        return std::min(u, std::nextafter(1.0, 0.0));
    }

    // One letter "a".."z", made a capital with probability 1/2.
    char DrawSeparator(const UnitRandom& random)
    {
        const auto letter = static_cast<char>('a' + std::min(25, static_cast<int>(DrawUnit(random) * 26.0)));
        return DrawUnit(random) < 0.5 ? static_cast<char>(letter - 'a' + 'A') : letter;
    }

    bool IsNumberCharacter(char c)
    {
        return (c >= '0' && c <= '9') || c == '-';
    }

    // Reads the run of digits and "-" at `position` and steps over it and the one separator after it. The
    // run must be an optional minus and one to nine digits; anything else is no number.
    std::optional<std::int64_t> TakeNumber(std::string_view text, std::size_t& position)
    {
        std::size_t end = position;
        while (end < text.size() && IsNumberCharacter(text[end]))
            ++end;
        const std::string_view run = text.substr(position, end - position);
        position = std::min(end + 1, text.size());
        const std::size_t digits = run.starts_with('-') ? run.size() - 1 : run.size();
        if (digits == 0 || digits > 9)
            return std::nullopt;
        std::int64_t value = 0;
        const auto [last, error] = std::from_chars(run.data(), run.data() + run.size(), value);
        if (error != std::errc() || last != run.data() + run.size())
            return std::nullopt;
        return value;
    }

} // namespace

UnitRandom SystemUnitRandom()
{
    auto engine = std::make_shared<std::mt19937>(std::random_device {}());
    return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

std::string EncodeFileText(std::string_view plain, const UnitRandom& random)
{
    const int drawn = static_cast<int>(DrawUnit(random) * 75.0) + 25; // 25..99
    const int key = RoundHalfEven(drawn / 2.0); // 12..50
    std::string encoded = std::to_string(key);
    encoded += DrawSeparator(random);
    int step = key;
    for (auto it = plain.rbegin(); it != plain.rend(); ++it, ++step) {
        encoded += std::to_string(static_cast<unsigned char>(*it) - step);
        encoded += DrawSeparator(random);
    }
    return encoded;
}

std::string DecodeFileText(std::string_view encoded)
{
    std::size_t position = 0;
    const auto key = TakeNumber(encoded, position);
    if (!key)
        return {};
    std::string reversed;
    std::int64_t step = *key;
    while (position < encoded.size()) {
        const auto number = TakeNumber(encoded, position);
        if (!number)
            return {};
        const std::int64_t code = *number + step;
        if (code < 0 || code > 255)
            return {};
        reversed += static_cast<char>(static_cast<unsigned char>(code));
        ++step;
    }
    return { reversed.rbegin(), reversed.rend() };
}

std::string DecodeFileLines(const std::vector<std::string>& lines)
{
    std::string decoded;
    for (const std::string& line : lines)
        decoded = DecodeFileText(decoded + line);
    return decoded;
}

} // namespace tw::core
