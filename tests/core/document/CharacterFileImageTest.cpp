#include <gtest/gtest.h>

#include <string>

#include "document/CByteReader.h"
#include "document/CharacterFileImage.h"

namespace {

using chr::FileImage;
using chr::ParseStatus;

FileImage FullImage()
{
    FileImage image;
    image.options = {{"CarrerMode", 1}, {"CoopMode", 1}};
    image.level = 42.5f;
    image.statRaise = {1, 2, 3, 4, 5, 6, 7, 18};
    image.realmRank = 57;
    image.extraSpecPoints = 12;
    image.realm = 2;
    image.race = 5;
    image.classIndex = 31;
    image.plan[10] = {{7, -1, 4, 0}, {-1, 2, 10, 0}};
    image.plan[45] = {{9, -1, 20, 1}};
    image.plan[60] = {{7, -1, 33, 0}};
    image.autoTrain = {{-1, 1, 0x1E}, {3, -1, 0x2}};
    image.realmAbilities = {{4, 2}, {-1, 1}};
    image.realmAbilitiesNf = {{0, 5}};
    image.masterLevelOption = 1;
    image.masterLevel = 7;
    return image;
}

// Builds a file of any layout version field by field, as older program versions wrote it.
struct OldFileBuilder {
    explicit OldFileBuilder(std::uint32_t fileVersion) : version(fileVersion)
    {
        out.WriteBytes("CHAR");
        out.WriteU32(version);
    }
    std::string Finish(const FileImage& image)
    {
        EXPECT_TRUE(image.options.WriteTo(out));
        out.WriteF32(image.level);
        for (std::int32_t raise : image.statRaise)
            out.WriteI32(raise);
        out.WriteI32(image.realmRank);
        if (version >= 0x02003000)
            out.WriteI32(image.extraSpecPoints);
        out.WriteI32(image.realm);
        out.WriteI32(image.race);
        out.WriteI32(image.classIndex);
        for (const auto& entries : image.plan) {
            out.WriteI32(static_cast<std::int32_t>(entries.size()));
            for (const auto& entry : entries) {
                out.WriteI32(entry.spellLine);
                out.WriteI32(entry.styleLine);
                out.WriteI32(entry.level);
                if (version >= 0x02006000)
                    out.WriteU8(entry.respec);
            }
        }
        out.WriteI32(static_cast<std::int32_t>(image.autoTrain.size()));
        for (const auto& entry : image.autoTrain) {
            out.WriteI32(entry.spellLine);
            out.WriteI32(entry.styleLine);
            out.WriteI32(entry.mask);
        }
        out.WriteI32(static_cast<std::int32_t>(image.realmAbilities.size()));
        for (const auto& entry : image.realmAbilities) {
            out.WriteI32(entry.ability);
            out.WriteI32(entry.level);
        }
        if (version >= 0x02004000) {
            out.WriteI32(static_cast<std::int32_t>(image.realmAbilitiesNf.size()));
            for (const auto& entry : image.realmAbilitiesNf) {
                out.WriteI32(entry.ability);
                out.WriteI32(entry.level);
            }
        }
        if (version > 0x02001000) {
            out.WriteI32(image.masterLevelOption);
            out.WriteI32(image.masterLevel);
        }
        return out.TakeBytes();
    }
    std::uint32_t version;
    CByteWriter out;
};

TEST(CharacterFileImage, CurrentLayoutRoundTrips)
{
    const FileImage image = FullImage();
    const auto bytes = chr::SerializeImage(image);
    ASSERT_TRUE(bytes);
    const chr::ParseResult parsed = chr::ParseImage(*bytes);
    ASSERT_EQ(parsed.status, ParseStatus::Parsed) << parsed.section;
    EXPECT_EQ(parsed.image, image);
    EXPECT_EQ(*bytes, OldFileBuilder(0x02006000).Finish(image));
}

TEST(CharacterFileImage, StartsWithMagicVersionAndOptionBlock)
{
    FileImage image;
    image.options = {{"CarrerMode", 1}};
    const std::string bytes = chr::SerializeImage(image).value();
    const std::string expected = std::string("CHAR") + std::string("\x00\x60\x00\x02", 4) + "\x01" +
                                 std::string("\x01\x00\x00\x00", 4) + std::string("\x0A\x00\x00\x00", 4) +
                                 "CarrerMode" + std::string("\x00\x00\x48\x42", 4);  // 50.0f
    EXPECT_EQ(bytes.substr(0, expected.size()), expected);
}

// Each older layout lacks the fields of later versions; what it lacks keeps the
// default and the rest reads in place.
TEST(CharacterFileImage, EveryOldLayoutReads)
{
    struct Case {
        std::uint32_t version;
        bool extraPoints, newRules, masterLevels, respecBytes;
    };
    for (const Case& c : {Case{0x02000000, false, false, false, false}, Case{0x02001000, false, false, false, false},
                          Case{0x02002000, false, false, true, false}, Case{0x02003000, true, false, true, false},
                          Case{0x02004000, true, true, true, false}, Case{0x02005000, true, true, true, false},
                          Case{0x02006000, true, true, true, true}}) {
        FileImage image = FullImage();
        image.version = c.version;
        const chr::ParseResult parsed = chr::ParseImage(OldFileBuilder(c.version).Finish(image));
        ASSERT_EQ(parsed.status, ParseStatus::Parsed) << std::hex << c.version << " " << parsed.section;
        FileImage expected = image;
        if (!c.extraPoints)
            expected.extraSpecPoints = 0;
        if (!c.newRules)
            expected.realmAbilitiesNf.clear();
        if (!c.masterLevels)
            expected.masterLevelOption = expected.masterLevel = 0;
        if (!c.respecBytes) {
            for (auto& entries : expected.plan)
                for (auto& entry : entries)
                    entry.respec = 0;
        }
        EXPECT_EQ(parsed.image, expected) << std::hex << c.version;
    }
}

TEST(CharacterFileImage, NewerVersionReadsWithTheCurrentLayoutAndKeepsItsNumber)
{
    FileImage image = FullImage();
    std::string bytes = OldFileBuilder(0x02007000).Finish(image);
    // A newer program may append fields of its own.
    bytes += std::string("\x01\x02\x03\x04", 4);
    const chr::ParseResult parsed = chr::ParseImage(bytes);
    ASSERT_EQ(parsed.status, ParseStatus::Parsed);
    EXPECT_EQ(parsed.image.version, 0x02007000u);
    image.version = 0x02007000;
    EXPECT_EQ(parsed.image, image);
}

TEST(CharacterFileImage, RejectsForeignAndTooOldFiles)
{
    struct Case {
        std::string bytes;
        ParseStatus status;
    };
    const Case cases[] = {
        {"", ParseStatus::WrongMagic},
        {"CHA", ParseStatus::WrongMagic},
        {"char" + std::string("\x00\x60\x00\x02", 4), ParseStatus::WrongMagic},
        {"CHAR", ParseStatus::Truncated},
        {"CHAR" + std::string("\xFF\xFF\xFF\x01", 4), ParseStatus::TooOld},
    };
    for (const Case& c : cases)
        EXPECT_EQ(chr::ParseImage(c.bytes).status, c.status) << c.bytes.size();
}

// Every prefix of a good file is damage, found without reading past the end.
TEST(CharacterFileImage, EveryTruncationIsReported)
{
    const std::string bytes = chr::SerializeImage(FullImage()).value();
    for (std::size_t length = 8; length < bytes.size(); ++length) {
        const chr::ParseResult parsed = chr::ParseImage(std::string_view(bytes).substr(0, length));
        EXPECT_TRUE(parsed.status == ParseStatus::Truncated || parsed.status == ParseStatus::BadCount)
            << "length " << length;
        EXPECT_LE(parsed.offset, length);
        EXPECT_FALSE(parsed.section.empty());
    }
}

TEST(CharacterFileImage, ImpossibleCountsAndKeyLengthsFailBeforeAllocating)
{
    const std::string good = chr::SerializeImage(FileImage{}).value();
    // Offset of slot 0's count in a file with no options.
    const std::size_t slot0 = 4 + 4 + 1 + 4 + 8 * 4 + 4 + 4 + 12;
    struct Case {
        const char* what;
        std::size_t offset;
        std::string replacement;
        ParseStatus status;
        const char* section;
    };
    const Case cases[] = {
        {"negative plan count", slot0, std::string("\xFF\xFF\xFF\xFF", 4), ParseStatus::BadCount, "plan of slot 0"},
        {"huge plan count", slot0, std::string("\xFF\xFF\xFF\x7F", 4), ParseStatus::BadCount, "plan of slot 0"},
        {"more options than bytes", 8, "\xFF", ParseStatus::BadCount, "options"},
    };
    for (const Case& c : cases) {
        std::string bytes = good;
        bytes.replace(c.offset, c.replacement.size(), c.replacement);
        const chr::ParseResult parsed = chr::ParseImage(bytes);
        EXPECT_EQ(parsed.status, c.status) << c.what;
        EXPECT_EQ(parsed.section, c.section) << c.what;
    }

    FileImage withKey;
    withKey.options = {{"CoopMode", 1}};
    std::string bytes = chr::SerializeImage(withKey).value();
    bytes.replace(4 + 4 + 1 + 4, 4, std::string("\x00\x00\x00\xF0", 4));  // key length far beyond the file
    EXPECT_EQ(chr::ParseImage(bytes).status, ParseStatus::Truncated);
}

TEST(CharacterFileImage, RefusesToWriteMoreOptionsThanTheCountByteHolds)
{
    FileImage image;
    for (int i = 0; i < 255; ++i)
        image.options.Set("Option" + std::to_string(i), 1);
    EXPECT_TRUE(chr::SerializeImage(image));
    image.options.Set("OneTooMany", 1);
    EXPECT_FALSE(chr::SerializeImage(image));
}

}  // namespace
