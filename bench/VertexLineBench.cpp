// The vertex-line path in pieces (number formatting) and whole (a pass over a vertex block), and the
// substitution of ordinary lines, measured with Google Benchmark.
#include "BenchGroups.h"
#include "model/ModelRewriter.h"
#include "platform/FormatFixed7.h"

#include <benchmark/benchmark.h>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<double> Coordinates() {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> coordinate(-99.0, 99.0);
    std::vector<double> values(4096);
    for (double& value : values) {
        value = coordinate(random);
    }
    return values;
}

void BM_FormatFixed7(benchmark::State& state) {
    const auto values = Coordinates();
    char buffer[kFixed7BufferSize];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatFixed7(buffer, values[i++ % values.size()]));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FormatFixed7);

void BM_ToCharsFixed7(benchmark::State& state) {
    const auto values = Coordinates();
    char buffer[kFixed7BufferSize];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatFixed(buffer, values[i++ % values.size()], 7));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ToCharsFixed7);

void BM_SnprintfFixed7(benchmark::State& state) {
    const auto values = Coordinates();
    char buffer[kFixed7BufferSize];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.7f", values[i++ % values.size()]));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SnprintfFixed7);

void BM_SubstituteModelName(benchmark::State& state) {
    const std::string line =
        "    node trimesh Model0001_mesh17 parent model0001 with 12 34 56  1  12 34 56  0";
    std::string result;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SubstituteModelNameInto(result, line, "model0001", "model0001_a"));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * line.size()));
}
BENCHMARK(BM_SubstituteModelName);

// A scratch folder with one model of a single large vertex block, removed at the end.
class CVertexBlockFile {
public:
    explicit CVertexBlockFile(int lines) {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvolin-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        m_folder = pattern;
        std::ofstream out(m_folder / "block.mdl", std::ios::binary);
        std::mt19937_64 random(7);
        std::uniform_real_distribution<double> coordinate(-99.0, 99.0);
        out << "verts " << lines << "\r\n";
        char text[128];
        for (int i = 0; i < lines; ++i) {
            const int n = std::snprintf(text, sizeof text, "    %.5f %.4f %.6f\r\n", coordinate(random),
                                        coordinate(random), coordinate(random) / 10);
            out.write(text, n);
        }
        out.close();
        m_nBytes = static_cast<std::int64_t>(std::filesystem::file_size(m_folder / "block.mdl"));
    }
    ~CVertexBlockFile() { std::filesystem::remove_all(m_folder); }
    CVertexBlockFile(const CVertexBlockFile&) = delete;
    CVertexBlockFile& operator=(const CVertexBlockFile&) = delete;

    std::string Source() const { return (m_folder / "block.mdl").string(); }
    std::string Folder() const { return m_folder.string(); }
    std::int64_t Bytes() const { return m_nBytes; }

private:
    std::filesystem::path m_folder;
    std::int64_t m_nBytes = 0;
};

void BM_VertexBlockPass(benchmark::State& state) {
    const CVertexBlockFile file(static_cast<int>(state.range(0)));
    const CTransformGroup group = MakeBenchGroup("*_out");
    CModelRewriter rewriter(file.Source(), file.Folder());
    for (auto _ : state) {
        rewriter.OpenOutput(group);
        rewriter.ProcessFile(group);
    }
    state.SetBytesProcessed(state.iterations() * file.Bytes());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_VertexBlockPass)->Arg(200000)->Unit(benchmark::kMillisecond);

} // namespace
