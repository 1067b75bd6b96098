// Speed of the table operations on a synthetic table of 1,000,000 entries
// with Wubi-like codes (1 to 4 lower-case letters, mostly 4) and words of 1
// to 4 CJK characters, stored in random order as a table that grew by imports
// would be (and one of the size of the real Wubi-86 table). The table files
// live in the temporary folder for the run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "base/Utf8.h"
#include "codetable/CodeTable.h"
#include "codetable/EntryKey.h"
#include "codetable/EntryLookup.h"
#include "codetable/EntryOrder.h"
#include "codetable/PrefixTable.h"
#include "codetable/TableEditing.h"
#include "codetable/TableFile.h"
#include "viewer/AddWordModel.h"

namespace {

namespace fs = std::filesystem;

constexpr int kEntries = 1'000'000;

std::string RandomCode(std::mt19937& random) {
    // Roughly the share of code lengths in a Wubi-86 table.
    const uint32_t roll = random() % 100;
    const int length = roll < 1 ? 1 : roll < 8 ? 2 : roll < 25 ? 3 : 4;
    std::string code;
    for (int i = 0; i < length; ++i) code += static_cast<char>('a' + random() % 25);
    return code;
}

std::string RandomWord(std::mt19937& random) {
    const uint32_t roll = random() % 100;
    const int length = roll < 10 ? 1 : roll < 70 ? 2 : roll < 85 ? 3 : 4;
    std::string word;
    for (int i = 0; i < length; ++i) AppendUtf8(0x4E00 + random() % 0x51A6, word);
    return word;
}

std::vector<uint8_t> Record(const std::string& code, const std::string& word) {
    std::vector<uint8_t> record(4, 0);
    record.push_back(static_cast<uint8_t>(code.size()));
    record.insert(record.end(), code.begin(), code.end());
    record.push_back(static_cast<uint8_t>(word.size()));
    record.insert(record.end(), word.begin(), word.end());
    return record;
}

// The sorted 1M table, built once for the run, and keys of its entries.
class SyntheticTable {
public:
    explicit SyntheticTable(size_t entries) : random_(20240601) {
        path_ = fs::temp_directory_path() / ("zv-codetable-benchmark-" + std::to_string(random_()) + ".dmg");
        std::unordered_set<std::string> seen;
        std::vector<std::vector<uint8_t>> records;
        records.reserve(entries);
        while (records.size() < entries) {
            const std::string code = RandomCode(random_), word = RandomWord(random_);
            if (seen.insert(code + '\t' + word).second) records.push_back(Record(code, word));
        }
        file_ = CreateTableFile(path_.u16string().c_str(), NewTableHeader(KindCodeTable), records);
        SortEntryIndex(file_.get(), nullptr);
        BuildPrefixTable(file_.get(), nullptr);
        for (int i = 0; i < 4096; ++i) {
            const auto& record = records[random_() % records.size()];
            keys_.emplace_back(record.begin() + 4, record.end());
        }
    }
    ~SyntheticTable() {
        file_.reset();
        std::error_code error;
        fs::remove(path_, error);
    }

    MappedFile* file() const { return file_.get(); }
    std::mt19937& random() { return random_; }
    const std::vector<std::vector<uint8_t>>& keys() const { return keys_; }

    void ShuffleIndex() {
        auto* slots = reinterpret_cast<uint32_t*>(CodeTable(file()).slots());
        std::shuffle(slots, slots + CodeTable(file()).entryCount(), random_);
    }

private:
    std::mt19937 random_;
    fs::path path_;
    MappedFilePtr file_;
    std::vector<std::vector<uint8_t>> keys_;
};

SyntheticTable& Table() {
    static SyntheticTable table(kEntries);
    return table;
}

// The size of the real Wubi-86 table that the sample installation holds.
SyntheticTable& WubiSizedTable() {
    static SyntheticTable table(136'753);
    return table;
}

void BM_SortEntryIndex(benchmark::State& state) {
    SyntheticTable& table = Table();
    for (auto _ : state) {
        state.PauseTiming();
        table.ShuffleIndex();
        state.ResumeTiming();
        SortEntryIndex(table.file(), nullptr);
    }
}
BENCHMARK(BM_SortEntryIndex)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// A module's comparison (here the default one), called through a pointer.
CompareKeysFunction volatile moduleOrder = CompareEntryKeys;

// The same sort through a module's comparison.
void BM_SortEntryIndexModuleOrder(benchmark::State& state) {
    SyntheticTable& table = Table();
    for (auto _ : state) {
        state.PauseTiming();
        table.ShuffleIndex();
        state.ResumeTiming();
        SortEntryIndex(table.file(), moduleOrder);
    }
}
BENCHMARK(BM_SortEntryIndexModuleOrder)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// The yardsticks: std::sort over the same slots with the same comparison,
// inlined as the default order is, and called through a pointer as a
// module's is.
template <class Less>
void StdSortSameSlots(benchmark::State& state, Less less) {
    SyntheticTable& table = Table();
    for (auto _ : state) {
        state.PauseTiming();
        table.ShuffleIndex();
        state.ResumeTiming();
        auto* slots = reinterpret_cast<uint32_t*>(CodeTable(table.file()).slots());
        std::sort(slots, slots + CodeTable(table.file()).entryCount(), less);
    }
    SortEntryIndex(table.file(), nullptr);
}

void BM_StdSortSameSlots(benchmark::State& state) {
    const uint8_t* view = Table().file()->view;
    StdSortSameSlots(state,
                     [view](uint32_t a, uint32_t b) { return CompareEntryKeys(view + a + 4, view + b + 4) < 0; });
}
BENCHMARK(BM_StdSortSameSlots)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_StdSortSameSlotsModuleOrder(benchmark::State& state) {
    const uint8_t* view = Table().file()->view;
    const CompareKeysFunction compare = moduleOrder;
    StdSortSameSlots(state, [view, compare](uint32_t a, uint32_t b) { return compare(view + a + 4, view + b + 4) < 0; });
}
BENCHMARK(BM_StdSortSameSlotsModuleOrder)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_BuildPrefixTable(benchmark::State& state) {
    SyntheticTable& table = Table();
    SortEntryIndex(table.file(), nullptr);
    for (auto _ : state) BuildPrefixTable(table.file(), nullptr);
}
BENCHMARK(BM_BuildPrefixTable)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FindEntry(benchmark::State& state) {
    SyntheticTable& table = Table();
    size_t next = 0;
    for (auto _ : state) {
        const auto& key = table.keys()[next++ % table.keys().size()];
        benchmark::DoNotOptimize(FindEntry(table.file(), key.data(), nullptr));
    }
}
BENCHMARK(BM_FindEntry)->Unit(benchmark::kMicrosecond);

// Adding one word as the add-word dialog does: store it (the table grows),
// put its slot in order, rebuild the prefix table.
void BM_AddOneWord(benchmark::State& state) {
    SyntheticTable& table = Table();
    for (auto _ : state) {
        // Codes of five letters never occur in the table, so every word is new.
        const std::vector<uint8_t> record = Record(RandomCode(table.random()) + "z", RandomWord(table.random()));
        if (!AppendEntry(table.file(), record)) state.SkipWithError("AppendEntry failed");
        PlaceLastEntry(table.file(), nullptr);
        BuildPrefixTable(table.file(), nullptr);
    }
}
BENCHMARK(BM_AddOneWord)->Unit(benchmark::kMillisecond)->UseRealTime();

// The add-word dialog's confirm, from the texts to the stored and indexed
// entry; as with BM_AddOneWord the table grows with every word.
void ConfirmNewWord(benchmark::State& state, SyntheticTable& table) {
    static int next = 0;  // across the runs of the benchmark
    for (auto _ : state) {
        AddWordModel model({table.file(), nullptr, nullptr, nullptr}, AddWordMode::add, kCategoryUser);
        // Longer than any code of the table, so every word is new.
        const std::u16string code = u"zzzzz" + Utf16Of(std::to_string(next++));
        const ConfirmResult result = model.Confirm(u"新词", code, false);
        if (!result.stored) state.SkipWithError(Utf8Of(result.message).c_str());
    }
}
void BM_ConfirmNewWord(benchmark::State& state) { ConfirmNewWord(state, Table()); }
BENCHMARK(BM_ConfirmNewWord)->Unit(benchmark::kMillisecond)->UseRealTime();
void BM_ConfirmNewWordWubiSize(benchmark::State& state) { ConfirmNewWord(state, WubiSizedTable()); }
BENCHMARK(BM_ConfirmNewWordWubiSize)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
