#include "tests/support/SettingsBlocks.h"

#include "config/ConfigFileBuilder.h"
#include "config/SettingsFile.h"

namespace {

template <typename Block>
std::vector<uint8_t> BlockOf(std::vector<uint8_t>& file) {
    const auto* block =
        reinterpret_cast<const uint8_t*>(FindSettingsBlockAs<Block>(file.data(), static_cast<uint32_t>(file.size())));
    return {block, block + sizeof(Block)};
}

}  // namespace

SettingsBlocks::SettingsBlocks() {
    std::vector<uint8_t> file = BuildConfigFile({});
    imeBytes = BlockOf<ImeConfigData>(file);
    dmeBytes = BlockOf<DmeConfigData>(file);
    skinBytes = BlockOf<SkinConfigData>(file);
}
