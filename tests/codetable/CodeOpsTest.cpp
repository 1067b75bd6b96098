// The module's code operations object: obtained from ZVITFGetObject, which
// this test program exports, and released exactly once.
#include "codetable/CodeOps.h"

#include <gtest/gtest.h>

#include "codetable/EntryKey.h"
#include "tests/support/TestModule.h"

namespace {

int releases = 0;
int32_t askedKind = 0;
bool objectWasPreset = false;
const void* handedOut = nullptr;

void Release() { ++releases; }
int32_t Encode(const char16_t*, uint8_t*, int32_t) { return 7; }

const CodeOpsTable kFullObject = {Release, Encode, nullptr, CompareCodeBytes, CompareEntryKeys};
const CodeOpsTable kEmptyObject = {};

}  // namespace

ZV_TEST_EXPORT int32_t ZVITFGetObject(int32_t kind, void** object) {
    askedKind = kind;
    objectWasPreset = *object == nullptr;
    *object = const_cast<void*>(handedOut);
    return 0;
}

namespace {

class CodeOpsTest : public ::testing::Test {
protected:
    void SetUp() override {
        releases = 0;
        askedKind = 0;
        handedOut = nullptr;
    }

    ModuleHandle module = TestProgramModule(reinterpret_cast<void*>(&ZVITFGetObject));
};

TEST_F(CodeOpsTest, ObjectIsAskedForByKindAndReleasedOnce) {
    handedOut = &kFullObject;
    {
        CodeOps ops(module);
        EXPECT_EQ(askedKind, 3);
        EXPECT_TRUE(objectWasPreset);
        ASSERT_TRUE(ops.present());
        EXPECT_EQ(ops.encodeCode(), Encode);
        EXPECT_EQ(ops.decodeCode(), nullptr);
        EXPECT_EQ(ops.compareCode(), CompareCodeBytes);
        EXPECT_EQ(ops.compareEntry(), CompareEntryKeys);
        CodeOps moved(std::move(ops));
        EXPECT_FALSE(ops.present());
        EXPECT_EQ(releases, 0);
    }
    EXPECT_EQ(releases, 1);
}

TEST_F(CodeOpsTest, MissingModuleObjectOrSlotsMeanDefaults) {
    CodeOps noModule(nullptr);
    EXPECT_FALSE(noModule.present());
    EXPECT_EQ(noModule.compareEntry(), nullptr);
    EXPECT_EQ(askedKind, 0) << "no module, no call";

    CodeOps noObject(module);
    EXPECT_EQ(askedKind, 3);
    EXPECT_FALSE(noObject.present());
    EXPECT_EQ(noObject.encodeCode(), nullptr);

    handedOut = &kEmptyObject;
    {
        CodeOps empty(module);
        EXPECT_TRUE(empty.present());
        EXPECT_EQ(empty.encodeCode(), nullptr);
        EXPECT_EQ(empty.compareCode(), nullptr);
    }  // a null release slot is not called
    EXPECT_EQ(releases, 0);
}

TEST_F(CodeOpsTest, AssigningReleasesTheObjectHeldBefore) {
    handedOut = &kFullObject;
    CodeOps first(module);
    CodeOps second(module);
    first = std::move(second);
    EXPECT_EQ(releases, 1);
    first = CodeOps();
    EXPECT_EQ(releases, 2);
}

}  // namespace
