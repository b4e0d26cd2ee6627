#include "core/FileText.h"
#include "core/PaletteText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <limits>
#include <set>

namespace tw::core {
namespace {

    // Answers the scripted numbers in order, then 0.
    UnitRandom Scripted(std::deque<double> values)
    {
        return [values]() mutable {
            if (values.empty())
                return 0.0;
            const double next = values.front();
            values.pop_front();
            return next;
        };
    }

    // The draws that give one separator letter: its place in the alphabet, then its case.
    void AddSeparator(std::deque<double>& draws, char letter)
    {
        const bool capital = letter >= 'A' && letter <= 'Z';
        const int index = (capital ? letter - 'A' : letter - 'a');
        draws.push_back((index + 0.5) / 26.0);
        draws.push_back(capital ? 0.25 : 0.75);
    }

    // The draw that gives the key drawn / 2 (25..99 before halving).
    double KeyDraw(int drawn)
    {
        return (drawn - 25 + 0.5) / 75.0;
    }

    TEST(FileText, TheWorkedEncodingAndItsDecoding)
    {
        std::deque<double> draws { KeyDraw(40) };
        for (const char letter : std::string("kQacXzbM"))
            AddSeparator(draws, letter);
        const std::string encoded = EncodeFileText("Pal 255", Scripted(draws));
        EXPECT_EQ(encoded, "20k33Q32a28c9X84z72b54M");
        EXPECT_EQ(DecodeFileText(encoded), "Pal 255");
    }

    TEST(FileText, KeyIsHalfTheDrawRoundedToEvenAndStaysIn12To50)
    {
        const std::pair<int, std::string> halves[] = { { 25, "12" }, { 27, "14" }, { 98, "49" }, { 99, "50" } };
        for (const auto& [drawn, key] : halves)
            EXPECT_EQ(EncodeFileText("", Scripted({ KeyDraw(drawn) })).substr(0, 2), key) << drawn;

        std::vector<double> draws { 0.0, std::nextafter(1.0, 0.0), 1.0, 7.5, -0.5,
            std::numeric_limits<double>::quiet_NaN() };
        for (int i = 0; i < 1000; ++i)
            draws.push_back(i / 1000.0);
        for (const double u : draws) {
            const std::string encoded = EncodeFileText("x", Scripted({ u, u, u }));
            const int key = std::stoi(encoded);
            EXPECT_GE(key, 12) << u;
            EXPECT_LE(key, 50) << u;
            EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(encoded[2]))) << u;
            EXPECT_EQ(DecodeFileText(encoded), "x") << u;
        }
    }

    TEST(FileText, EveryEncodingDiffersAndDecodesAlike)
    {
        const std::string plain = BuildPaletteText(DefaultPalette());
        const UnitRandom random = SystemUnitRandom();
        std::set<std::string> encodings;
        for (int i = 0; i < 20; ++i) {
            const std::string encoded = EncodeFileText(plain, random);
            EXPECT_EQ(DecodeFileText(encoded), plain);
            encodings.insert(encoded);
        }
        EXPECT_EQ(encodings.size(), 20u);
    }

    TEST(FileText, EveryByteSurvivesTheRoundTrip)
    {
        std::string plain;
        for (int code = 0; code < 256; ++code)
            plain += static_cast<char>(static_cast<unsigned char>(code));
        EXPECT_EQ(DecodeFileText(EncodeFileText(plain, SystemUnitRandom())), plain);
    }

    TEST(FileText, GarbageDecodesToSomeTextWithoutFailing)
    {
        const std::pair<std::string, std::string> cases[] = {
            { "", "" },
            { "20k", "" },
            { "20k33", "5" }, // the last separator may be missing
            { "20k33Q32a", "55" },
            { "Pal 1 2 3", "" }, // a plain text is no encoding
            { "abc", "" },
            { "k33Q", "" }, // no key
            { "20kQ", "" }, // an empty number
            { "20k3-3Q", "" }, // a minus inside a number
            { "20k--3Q", "" },
            { "20k300Q", "" }, // code 320
            { "20k-21Q", "" }, // code -1
            { "20k-20Q", std::string(1, '\0') },
            { "20k9999999999999999999999Q", "" }, // would overflow
            { "99999999999k1Q", "" },
            { "-999999999k1Q", "" },
        };
        for (const auto& [encoded, plain] : cases)
            EXPECT_EQ(DecodeFileText(encoded), plain) << encoded;
    }

    TEST(FileText, OneLineFilesDecodeTheirLine)
    {
        EXPECT_EQ(DecodeFileLines({ "20k33Q32a28c9X84z72b54M" }), "Pal 255");
        EXPECT_EQ(DecodeFileLines({}), "");
    }

    TEST(PaletteText, DefaultPaletteMatchesItsGrid)
    {
        // R, G, B of each box, down the columns.
        const int rgb[kPaletteSize][3] = {
            { 255, 255, 255 },
            { 224, 224, 224 },
            { 192, 192, 192 },
            { 128, 128, 128 },
            { 0, 0, 0 }, // greys
            { 255, 192, 192 },
            { 255, 128, 128 },
            { 255, 0, 0 },
            { 192, 0, 0 },
            { 128, 0, 0 },
            { 255, 224, 192 },
            { 255, 192, 128 },
            { 255, 128, 0 },
            { 192, 64, 0 },
            { 128, 64, 0 },
            { 255, 255, 192 },
            { 255, 255, 128 },
            { 255, 255, 0 },
            { 192, 192, 0 },
            { 128, 128, 0 },
            { 192, 255, 192 },
            { 128, 255, 128 },
            { 0, 255, 0 },
            { 0, 192, 0 },
            { 0, 128, 0 },
            { 192, 255, 255 },
            { 128, 255, 255 },
            { 0, 255, 255 },
            { 0, 192, 192 },
            { 0, 128, 128 },
            { 192, 192, 255 },
            { 128, 128, 255 },
            { 0, 0, 255 },
            { 0, 0, 192 },
            { 0, 0, 128 },
            { 255, 192, 255 },
            { 255, 128, 255 },
            { 255, 0, 255 },
            { 192, 0, 192 },
            { 128, 0, 128 },
        };
        const Palette palette = DefaultPalette();
        for (std::size_t i = 0; i < palette.size(); ++i)
            EXPECT_EQ(palette[i], MakeColor(rgb[i][0], rgb[i][1], rgb[i][2])) << i;
    }

    TEST(PaletteText, BuildsAndParsesEveryBoxInOrder)
    {
        std::string empty = "Pal";
        for (int i = 0; i < kPaletteSize; ++i)
            empty += " 14149869";
        EXPECT_EQ(BuildPaletteText(EmptyPalette()), empty);
        EXPECT_EQ(ParsePaletteText(empty), EmptyPalette());

        Palette mixed = DefaultPalette();
        mixed[3] = kEmptyColor;
        mixed[39] = kEmptyColor;
        EXPECT_EQ(ParsePaletteText(BuildPaletteText(mixed)), mixed);
        EXPECT_EQ(ParsePaletteText(DecodeFileText(EncodeFileText(BuildPaletteText(mixed), SystemUnitRandom()))), mixed);
    }

    // "Pal" and 39 values of 1: one more value makes a palette.
    const std::string kValues39 = [] {
        std::string text;
        for (int i = 0; i < 39; ++i)
            text += " 1";
        return text;
    }();

    TEST(PaletteText, RefusesAnythingButPalAndFortyColours)
    {
        const std::string cases[] = {
            "",
            "Pal",
            "Pal ",
            "Pal1" + kValues39, // the first piece is skipped, so only 39 values follow
            "pal" + kValues39 + " 1", // the prefix is case-sensitive
            "Pal" + kValues39, // 39 values
            "Pal" + kValues39 + "  1", // two spaces make an empty 40th piece
            " Pal" + kValues39 + " 1",
            "Pal" + kValues39 + " 1x",
            "Pal" + kValues39 + " 1.5",
            "Pal" + kValues39 + " +1",
            "Pal" + kValues39 + " -1",
            "Pal" + kValues39 + " 16777216",
            "Pal" + kValues39 + " 99999999999999999999",
            "Pal" + kValues39 + " 1\r\n",
            "Pal" + kValues39 + " ",
        };
        for (const std::string& text : cases)
            EXPECT_FALSE(ParsePaletteText(text).has_value()) << text;
    }

    // What follows the 40th value and what stands between "Pal" and the first space play no part.
    TEST(PaletteText, IgnoresThePieceBeforeTheFirstSpaceAndPiecesAfterTheFortieth)
    {
        Palette expected;
        expected.fill(1);
        expected[39] = 16777215;
        const std::string values = kValues39 + " 16777215";
        const std::string cases[] = {
            "Pal" + values,
            "Pal" + values + " ", // an empty 41st piece
            "Pal" + values + " 1", // 41 values
            "Pal" + values + " 5 x -3 1.5  ", // more pieces, whatever they hold
            "PalX" + values, // a first piece that is not empty
            "Palette" + values, // "ette" is the skipped piece
        };
        for (const std::string& text : cases)
            EXPECT_EQ(ParsePaletteText(text), expected) << text;
        // The 40th value ends at the next space even when more follows.
        expected[39] = 2;
        EXPECT_EQ(ParsePaletteText("Pal" + kValues39 + " 2 3"), expected);
    }

    TEST(PaletteText, FirstEmptyBoxLooksInIndexOrder)
    {
        Palette palette = EmptyPalette();
        for (int i = 0; i < 5; ++i)
            palette[static_cast<std::size_t>(i)] = 0;
        EXPECT_EQ(FirstEmptyBox(palette), 5);
        palette = DefaultPalette();
        palette[39] = kEmptyColor;
        EXPECT_EQ(FirstEmptyBox(palette), 39);
        palette[39] = MakeColor(237, 232, 215); // the empty colour itself counts as empty
        EXPECT_EQ(FirstEmptyBox(palette), 39);
        palette[39] = 1;
        EXPECT_EQ(FirstEmptyBox(palette), std::nullopt);
    }

    TEST(ColorText, BuildsTheDigitThenTheValue)
    {
        EXPECT_EQ(BuildColorText({ 1, 16777215 }), "116777215");
        EXPECT_EQ(BuildColorText({ 2, 0 }), "20");
        EXPECT_EQ(ParseColorText("116777215"), (ColorText { 1, 16777215 }));
        EXPECT_EQ(ParseColorText("20"), (ColorText { 2, 0 }));
        EXPECT_EQ(ParseColorText("2033023"), (ColorText { 2, 33023 }));
        for (const char* text : { "", "1", "2", "3255", "0255", "1abc", "1 255", "1255 ", "1+255", "1-1", "116777216",
                 "1255.0", "19999999999999", "Pal 1" })
            EXPECT_FALSE(ParseColorText(text).has_value()) << text;
    }

} // namespace
} // namespace tw::core
