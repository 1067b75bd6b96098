// MappedFile: shared mappings, the in-memory fallback, resizing and re-opening,
// and sharing with a second process. Runs natively and under Wine.
#include "platform/MappedFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "tests/support/RunProcess.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

class MappedFileTest : public ::testing::Test {
protected:
    fs::path Path(const std::string& name) const { return dir.path() / name; }
    MappedFilePtr Open(const std::string& name) const { return MappedFilePtr(OpenMappedFile(dir.File(name).c_str())); }

    TempDir dir;
};

TEST_F(MappedFileTest, OpensAnExistingFileAsASharedWritableView) {
    WriteBytes(Path("a.dmg"), {1, 2, 3, 4, 5});
    MappedFilePtr file = Open("a.dmg");
    ASSERT_TRUE(file);
    EXPECT_TRUE(IsMappedToFile(*file));
    EXPECT_EQ(file->size, 5u);
    EXPECT_EQ(std::u16string(file->path), dir.File("a.dmg"));
    EXPECT_EQ(std::vector<uint8_t>(file->view, file->view + 5), (std::vector<uint8_t>{1, 2, 3, 4, 5}));

    file->view[4] = 9;
    file.reset();
    EXPECT_EQ(ReadBytes(Path("a.dmg")), (std::vector<uint8_t>{1, 2, 3, 4, 9}));
}

TEST_F(MappedFileTest, MissingFileGivesNoRecord) {
    EXPECT_EQ(OpenMappedFile(dir.File("missing.dmg").c_str()), nullptr);
    EXPECT_EQ(ReadWholeFile(dir.File("missing.dmg").c_str()), nullptr);
}

TEST_F(MappedFileTest, EmptyFileBecomesAnInMemoryCopyOfTwoZeroBytes) {
    WriteBytes(Path("empty.dmg"), {});
    MappedFilePtr file = Open("empty.dmg");
    ASSERT_TRUE(file);
    EXPECT_FALSE(IsMappedToFile(*file));
    EXPECT_EQ(file->mappingHandle, 0);
    ASSERT_EQ(file->size, 2u);
    EXPECT_EQ(file->view[0], 0);
    EXPECT_EQ(file->view[1], 0);
    file->view[0] = 7;
    file.reset();
    EXPECT_TRUE(ReadBytes(Path("empty.dmg")).empty());
}

TEST_F(MappedFileTest, ReadOnlyFileBecomesAnInMemoryCopyWhoseChangesNeverReachTheDisk) {
    WriteBytes(Path("ro.dmg"), {10, 20, 30});
    fs::permissions(Path("ro.dmg"), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    MappedFilePtr file = Open("ro.dmg");
    ASSERT_TRUE(file);
    EXPECT_FALSE(IsMappedToFile(*file));
    ASSERT_EQ(file->size, 5u);
    EXPECT_EQ(std::vector<uint8_t>(file->view, file->view + 5), (std::vector<uint8_t>{10, 20, 30, 0, 0}));
    file->view[0] = 99;
    EXPECT_EQ(CurrentFileLength(*file), 0u);

    // Neither a resize nor a close writes anything: the record is left empty.
    EXPECT_EQ(ResizeMappedFile(file.get(), 100), 0u);
    EXPECT_EQ(file->size, 0u);
    EXPECT_EQ(file->view, nullptr);
    file.reset();
    EXPECT_EQ(ReadBytes(Path("ro.dmg")), (std::vector<uint8_t>{10, 20, 30}));
}

TEST_F(MappedFileTest, CreateReplacesAnyFileWithExactlyTheLengthInZeroBytes) {
    WriteBytes(Path("new.dmg"), std::vector<uint8_t>(10000, 0xAB));
    MappedFilePtr file(CreateMappedFile(dir.File("new.dmg").c_str(), 4096));
    ASSERT_TRUE(file);
    EXPECT_TRUE(IsMappedToFile(*file));
    ASSERT_EQ(file->size, 4096u);
    EXPECT_EQ(std::vector<uint8_t>(file->view, file->view + 4096), std::vector<uint8_t>(4096, 0));
    file->view[4095] = 1;
    file.reset();
    std::vector<uint8_t> expected(4096, 0);
    expected[4095] = 1;
    EXPECT_EQ(ReadBytes(Path("new.dmg")), expected);
}

TEST_F(MappedFileTest, CreateInAMissingFolderFails) {
    EXPECT_EQ(CreateMappedFile(dir.File("no-such-folder/x.dmg").c_str(), 16), nullptr);
}

TEST_F(MappedFileTest, ResizeCutsOrGrowsWithZerosAndKeepsTheRecord) {
    WriteBytes(Path("t.dmg"), {1, 2, 3, 4, 5, 6, 7, 8});
    MappedFilePtr file = Open("t.dmg");
    ASSERT_TRUE(file);
    MappedFile* const record = file.get();

    ASSERT_EQ(ResizeMappedFile(record, 3), 3u);
    EXPECT_EQ(file.get(), record);
    EXPECT_EQ(std::vector<uint8_t>(record->view, record->view + 3), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(CurrentFileLength(*record), 3u);

    ASSERT_EQ(ResizeMappedFile(record, 70000), 70000u);
    EXPECT_EQ(record->view[2], 3);
    for (uint32_t i = 3; i < 70000; ++i) ASSERT_EQ(record->view[i], 0) << "byte " << i;
    record->view[69999] = 5;
    file.reset();
    const auto bytes = ReadBytes(Path("t.dmg"));
    ASSERT_EQ(bytes.size(), 70000u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[69999], 5);
}

TEST_F(MappedFileTest, ReopenPicksUpALengthChangeMadeThroughAnotherRecord) {
    WriteBytes(Path("main.dmg"), std::vector<uint8_t>(100, 0));
    MappedFilePtr reader = Open("main.dmg");
    MappedFilePtr writer = Open("main.dmg");
    ASSERT_TRUE(reader && writer);

    // A change of content is visible at once, with no length change.
    writer->view[10] = 42;
    EXPECT_EQ(reader->view[10], 42);
    EXPECT_EQ(CurrentFileLength(*reader), reader->size);

    ASSERT_EQ(ResizeMappedFile(writer.get(), 5000), 5000u);
    writer->view[4999] = 77;
    EXPECT_EQ(CurrentFileLength(*reader), 5000u);
    EXPECT_NE(CurrentFileLength(*reader), reader->size);

    MappedFile* const record = reader.get();
    ASSERT_EQ(ReopenMappedFile(record), 5000u);
    EXPECT_EQ(reader.get(), record);
    EXPECT_EQ(reader->view[10], 42);
    EXPECT_EQ(reader->view[4999], 77);
}

TEST_F(MappedFileTest, ReopenOfAFileThatIsGoneLeavesTheRecordEmpty) {
    WriteBytes(Path("gone.dmg"), {1, 2, 3});
    MappedFilePtr file = Open("gone.dmg");
    ASSERT_TRUE(file);
    // A mapped file cannot be removed on Windows; pointing the record at a
    // missing path has the same effect on the re-open.
    const std::u16string missing = dir.File("missing.dmg");
    missing.copy(file->path, missing.size());
    file->path[missing.size()] = 0;
    EXPECT_EQ(ReopenMappedFile(file.get()), 0u);
    EXPECT_EQ(file->size, 0u);
    EXPECT_EQ(file->view, nullptr);
    EXPECT_FALSE(IsMappedToFile(*file));
    EXPECT_EQ(ReadBytes(Path("gone.dmg")), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(MappedFileTest, WritesAreSeenAtOnceByAnotherProcessMappingTheSameFile) {
    WriteBytes(Path("shared.dmg"), std::vector<uint8_t>(64, 0));
    MappedFilePtr file = Open("shared.dmg");
    ASSERT_TRUE(file && IsMappedToFile(*file));
    volatile uint8_t* view = file->view;

    ChildProcess peer(BuiltProgram("mapped_file_peer"), {"handshake", Path("shared.dmg").string()});
    ASSERT_TRUE(peer.started());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (view[0] != 0x11 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(view[0], 0x11) << "the peer's write did not arrive";
    view[1] = 0x22;  // the peer ends when it sees this through its own view
    EXPECT_EQ(peer.Wait(10000), 0);
}

TEST_F(MappedFileTest, ALengthChangeByAnotherProcessIsDetectedAndPickedUpByReopen) {
    WriteBytes(Path("grow.dmg"), std::vector<uint8_t>(64, 0));
    MappedFilePtr file = Open("grow.dmg");
    ASSERT_TRUE(file);
    file->view[0] = 5;

    ChildProcess peer(BuiltProgram("mapped_file_peer"), {"grow", Path("grow.dmg").string(), "131072"});
    ASSERT_EQ(peer.Wait(10000), 0);
    EXPECT_EQ(file->size, 64u);
    EXPECT_EQ(CurrentFileLength(*file), 131072u);

    ASSERT_EQ(ReopenMappedFile(file.get()), 131072u);
    EXPECT_EQ(file->view[0], 5);
    EXPECT_EQ(file->view[131071], 0x33);
}

}  // namespace
