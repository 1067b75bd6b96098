// The container of config.dsc: finding blocks by name, refusing damaged and
// truncated files without reading past them, and stamping block headers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "config/ConfigFileBuilder.h"
#include "config/DmeConfigData.h"
#include "config/ImeConfigData.h"
#include "config/SettingsFile.h"
#include "config/SkinConfigData.h"
#include "config/SoftConfigData.h"

namespace {

void Put32(std::vector<uint8_t>& file, size_t at, uint32_t value) { reinterpret_cast<Le32*>(&file[at])->set(value); }

// A container holding blocks of these names and sizes one after another.
std::vector<uint8_t> Container(const std::vector<std::pair<std::string, uint32_t>>& blocks) {
    std::vector<uint8_t> file(kBlockTableOffset + 4 * blocks.size());
    file[0] = static_cast<uint8_t>(blocks.size());
    for (size_t i = 0; i < blocks.size(); ++i) {
        const size_t offset = file.size();
        Put32(file, kBlockTableOffset + 4 * i, static_cast<uint32_t>(offset));
        file.resize(offset + blocks[i].second);
        StampBlockHeader(*reinterpret_cast<SettingsBlockHeader*>(&file[offset]), blocks[i].second, 9, blocks[i].first);
    }
    return file;
}

// The offset of the block that the search gave, or -1 for none.
long FoundAt(std::vector<uint8_t>& file, std::string_view name) {
    const uint8_t* block = FindSettingsBlock(file.data(), static_cast<uint32_t>(file.size()), name);
    return block ? static_cast<long>(block - file.data()) : -1;
}

TEST(FindSettingsBlockTest, FindsTheFirstBlockOfThatNameIgnoringAsciiCase) {
    std::vector<uint8_t> file = Container({{"zv_a", 40}, {"ZV_B_Config", 40}, {"zv_b_config", 40}, {"zv_é", 40}});
    const long first = 20, second = 60, fourth = 140;
    EXPECT_EQ(FoundAt(file, "zv_a"), first);
    EXPECT_EQ(FoundAt(file, "ZV_A"), first);
    EXPECT_EQ(FoundAt(file, "zv_b_config"), second);
    EXPECT_EQ(FoundAt(file, "zv_é"), fourth);
    EXPECT_EQ(FoundAt(file, "ZV_É"), -1) << "only ASCII letters fold";
    EXPECT_EQ(FoundAt(file, "zv_"), -1);
    EXPECT_EQ(FoundAt(file, "zv_a_"), -1);
    EXPECT_EQ(FoundAt(file, ""), -1);
}

TEST(FindSettingsBlockTest, FollowsTheOffsetTableNotThePositionInTheFile) {
    std::vector<uint8_t> file = Container({{"zv_x", 40}, {"zv_x", 40}});
    const std::vector<uint8_t> firstOffset(file.begin() + 4, file.begin() + 8);
    std::copy(file.begin() + 8, file.begin() + 12, file.begin() + 4);
    std::copy(firstOffset.begin(), firstOffset.end(), file.begin() + 8);
    EXPECT_EQ(FoundAt(file, "zv_x"), 12 + 40);
}

TEST(FindSettingsBlockTest, SkipsDamagedEntriesAndReadsNothingOutsideTheView) {
    struct Case {
        const char* name;
        void (*damage)(std::vector<uint8_t>&);
        long expected;  // where "zv_x" is found afterwards
    };
    // Three blocks of 40 bytes at 16, 56 and 96, ending the file at 136; the
    // offset table entries are at 4, 8 and 12; the last block is "zv_x".
    const Case cases[] = {
        {"intact", [](std::vector<uint8_t>&) {}, 96},
        {"offset past the end", [](std::vector<uint8_t>& f) { Put32(f, 12, 0xFFFFFFF0); }, -1},
        {"header cut by the end", [](std::vector<uint8_t>& f) { Put32(f, 12, 136 - 35); }, -1},
        {"size past the end", [](std::vector<uint8_t>& f) { Put32(f, 96, 41); }, -1},
        {"size wrapping around", [](std::vector<uint8_t>& f) { Put32(f, 96, 0xFFFFFFFF); }, -1},
        {"size smaller than a header", [](std::vector<uint8_t>& f) { Put32(f, 96, 35); }, -1},
        {"earlier entry past the end", [](std::vector<uint8_t>& f) { Put32(f, 4, 0x7FFFFFFF); }, 96},
        {"earlier size past the end", [](std::vector<uint8_t>& f) { Put32(f, 16, 1000); }, 96},
        {"offset table longer than the file", [](std::vector<uint8_t>& f) { f[0] = 37; }, -1},
        {"no blocks", [](std::vector<uint8_t>& f) { f[0] = 0; }, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> file = Container({{"zv_a", 40}, {"zv_b", 40}, {"zv_x", 40}});
        ASSERT_EQ(file.size(), 136u);
        c.damage(file);
        EXPECT_EQ(FoundAt(file, "zv_x"), c.expected);
    }
}

TEST(FindSettingsBlockTest, UnterminatedNameIsReadWithinItsField) {
    std::vector<uint8_t> file = Container({{"zv_x", 36}});
    std::memset(&file[8 + 5], 'n', kBlockNameBytes);
    EXPECT_EQ(FoundAt(file, std::string(kBlockNameBytes, 'N')), 8);
    EXPECT_EQ(FoundAt(file, std::string(kBlockNameBytes + 1, 'n')), -1);
}

TEST(FindSettingsBlockTest, TruncatedFileFindsOnlyTheBlocksThatFitWhole) {
    const std::vector<uint8_t> full = BuildConfigFile({});
    const size_t soft = 20, ime = soft + sizeof(SoftConfigData), dme = ime + sizeof(ImeConfigData),
                 skin = dme + sizeof(DmeConfigData), end = skin + sizeof(SkinConfigData);
    ASSERT_EQ(full.size(), end);
    const size_t lengths[] = {0, 1, 4, 19, 20, 56, ime - 1, ime, dme - 1, dme, skin - 1, skin, end - 1, end};
    for (size_t length : lengths) {
        SCOPED_TRACE(length);
        // An exact copy, so that AddressSanitizer sees any read past its end.
        std::vector<uint8_t> file(full.begin(), full.begin() + static_cast<long>(length));
        uint8_t* view = file.data();
        const auto size = static_cast<uint32_t>(length);
        const bool tableFits = length >= 20;
        EXPECT_EQ(FindSettingsBlockAs<SoftConfigData>(view, size) != nullptr, tableFits && length >= ime);
        EXPECT_EQ(FindSettingsBlockAs<ImeConfigData>(view, size) != nullptr, tableFits && length >= dme);
        EXPECT_EQ(FindSettingsBlockAs<DmeConfigData>(view, size) != nullptr, tableFits && length >= skin);
        EXPECT_EQ(FindSettingsBlockAs<SkinConfigData>(view, size) != nullptr, tableFits && length >= end);
    }
}

TEST(FindSettingsBlockAsTest, RefusesABlockTooSmallForItsFields) {
    std::vector<uint8_t> file = Container(
        {{ImeConfigData::kName, sizeof(ImeConfigData) - 1}, {SkinConfigData::kName, sizeof(SkinConfigData) + 100}});
    const auto size = static_cast<uint32_t>(file.size());
    EXPECT_NE(FindSettingsBlock(file.data(), size, ImeConfigData::kName), nullptr);
    EXPECT_EQ(FindSettingsBlockAs<ImeConfigData>(file.data(), size), nullptr);
    EXPECT_NE(FindSettingsBlockAs<SkinConfigData>(file.data(), size), nullptr) << "a larger block is fine";
}

TEST(StampBlockHeaderTest, WritesSizeTypeAndNameAndNothingElse) {
    std::vector<uint8_t> block(40, 0xEE);
    auto& header = *reinterpret_cast<SettingsBlockHeader*>(block.data());
    StampBlockHeader(header, 21892, 1, "zv_ime_config_data_default");
    const std::vector<uint8_t> size(block.begin(), block.begin() + 4);
    EXPECT_EQ(size, (std::vector<uint8_t>{0x84, 0x55, 0, 0}));
    EXPECT_EQ(block[4], 1);
    EXPECT_EQ(std::string(header.name), "zv_ime_config_data_default");
    EXPECT_TRUE(std::all_of(block.begin() + 5 + 26, block.begin() + 36, [](uint8_t b) { return b == 0; }));
    EXPECT_TRUE(std::all_of(block.begin() + 36, block.end(), [](uint8_t b) { return b == 0xEE; }));
}

TEST(StampBlockHeaderTest, CutsLongNamesTo30BytesAtACharacterBoundary) {
    struct Case {
        std::string name, stored;
    };
    const Case cases[] = {
        {std::string(40, 'a'), std::string(30, 'a')},
        {std::string(30, 'b'), std::string(30, 'b')},
        {std::string(29, 'c') + "中", std::string(29, 'c')},  // the three bytes of 中 do not fit
        {std::string(27, 'd') + "中", std::string(27, 'd') + "中"},
    };
    for (const Case& c : cases) {
        SettingsBlockHeader header;
        std::memset(&header, 0x55, sizeof header);
        StampBlockHeader(header, 36, 0, c.name);
        EXPECT_EQ(std::string(header.name, strnlen(header.name, kBlockNameBytes)), c.stored);
        EXPECT_EQ(header.name[kBlockNameBytes - 1], 0);
    }
}

}  // namespace
