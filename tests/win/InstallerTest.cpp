// The stand-in installer records each start's parameters as a UTF-8 line
// beside itself and ends with 0.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/RunProcess.h"
#include "tests/support/TempDir.h"
#include "tests/win/driver/WindowDriver.h"

namespace {

TEST(InstallerTest, AppendsTheParametersOfEachStartAsALine) {
    TempDir dir;
    const std::filesystem::path installer = dir.path() / "installer.exe";
    std::filesystem::copy_file(BuiltProgram("installer"), installer);
    for (const wchar_t* parameters :
         {L"/EMMODE=1 /GUID={01234567-89AB-CDEF-0123-456789ABCDEF}", L"/EMMODE=0 /GUID={五笔}"}) {
        ChildProcess run(installer, parameters);
        ASSERT_TRUE(run.started());
        EXPECT_EQ(WaitForExit(run, 30000), 0);
    }
    const std::vector<uint8_t> bytes = ReadBytes(dir.path() / "installer-calls.txt");
    EXPECT_EQ(
        std::string(bytes.begin(), bytes.end()),
        "/EMMODE=1 /GUID={01234567-89AB-CDEF-0123-456789ABCDEF}\r\n/EMMODE=0 /GUID={\xE4\xBA\x94\xE7\xAC\x94}\r\n");
}

}  // namespace
