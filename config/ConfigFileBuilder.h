// Writes a new config.dsc with the four settings blocks and the defaults of a
// Wubi-86 input method: the sample installation and the tests start from it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct ConfigFileIdentity {
    std::array<uint8_t, 16> imeGuid{};  // binary form, as the environment holds it
    std::u16string displayName = u"五笔86";
    std::u16string programVersionText = u"3.3.0.220";
    std::u16string versionText = u"3.3.0.220";
    uint32_t programBuild = 220;
    uint32_t dataBuild = 1;
};

// The whole file: the blocks in the order software, IME, DME, skin, each of
// its layout's size. Defaults: category names "输入编码表", "系统码表",
// "用户码表", "次显码表", "辅码码表" with their flags; all five settings tabs;
// five candidates; the usual Wubi word code rules; the default key scheme.
std::vector<uint8_t> BuildConfigFile(const ConfigFileIdentity& identity);
