// Speed of the dictionary lookups. On the sample dictionary when ZV_DICT_FILE
// names a dict.dms (tools/run.sh builds one from CC-CEDICT), else on a
// synthetic one of 120,000 headwords of 1 to 4 CJK characters.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "base/Utf8.h"
#include "dict/DictData.h"

namespace {

class BenchmarkDictionary {
public:
    BenchmarkDictionary() {
        if (const char* path = std::getenv("ZV_DICT_FILE")) {
            file_.reset(OpenMappedFile(std::filesystem::path(path).u16string().c_str()));
            if (!file_) std::abort();
            return;
        }
        std::mt19937 random(7);
        std::vector<DictSourceEntry> entries;
        // Common characters first, so that one-character queries have runs.
        for (int i = 0; i < 120000; ++i) {
            std::string word;
            const int length = 1 + static_cast<int>(random() % 4);
            for (int c = 0; c < length; ++c) AppendUtf8(0x4E00 + random() % (c == 0 ? 3000 : 0x51A6), word);
            entries.push_back({word, "pin1 yin1 an explanation of some length, as CC-CEDICT has"});
        }
        entries.push_back({"中", "zhong1 middle"});
        data_ = BuildDictFile(entries);
        memory_.size = static_cast<uint32_t>(data_.size());
        memory_.view = data_.data();
    }
    const MappedFile* file() const { return file_ ? file_.get() : &memory_; }

private:
    MappedFilePtr file_;
    std::vector<uint8_t> data_;
    MappedFile memory_{};
};

const BenchmarkDictionary& Dictionary() {
    static const BenchmarkDictionary dictionary;
    return dictionary;
}

void BM_FindExactEntries(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(FindExactEntries(Dictionary().file(), u"中"));
}
BENCHMARK(BM_FindExactEntries)->Unit(benchmark::kMicrosecond);

void BM_FindRelatedEntries(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(FindRelatedEntries(Dictionary().file(), u"中"));
}
BENCHMARK(BM_FindRelatedEntries)->Unit(benchmark::kMicrosecond);

void BM_FindContainingEntries(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(FindContainingEntries(Dictionary().file(), u"中"));
}
BENCHMARK(BM_FindContainingEntries)->Unit(benchmark::kMillisecond);

}  // namespace
