// Whole-text loading of a 10 MB UTF-8 file beside fread of the same bytes, in the same
// process. The closing lines give each way of reading as a multiple of fread's time, into a
// buffer used before and into fresh memory.
#include "bench/ComparisonReporter.h"
#include "io/StreamFiles.h"
#include "io/StreamFunctions.h"
#include "io/TextFiles.h"
#include "io/TextStream.h"
#include "runtime/Text.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

using namespace vandro;

namespace {

constexpr std::size_t kFileBytes = 10 * 1000 * 1000;

// German menu text with symbols of one, two, three and four bytes, behind a UTF-8 mark.
std::filesystem::path MakeTextFile() {
    const auto path = std::filesystem::temp_directory_path() / "vandro-load-text-bench.txt";
    const std::string line = "Spiel beenden, Gr\xC3\xB6\xC3\x9F"
                             "e \xE2\x98\x80 \xE2\x99\xA0 "
                             "\xF0\x9F\x82\xA1 Spieler 1: 12 Paare\r\n";
    std::string text = "\xEF\xBB\xBF";
    while (text.size() + line.size() <= kFileBytes)
        text += line;
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    return path;
}

const std::filesystem::path& TextFile() {
    static const std::filesystem::path path = MakeTextFile();
    return path;
}

String TextFileUrl() { return FromUtf8(TextFile().string()); }

void Fread(benchmark::State& state) {
    std::vector<char> buffer(kFileBytes + 1);
    for (auto _ : state) {
        std::FILE* file = std::fopen(TextFile().string().c_str(), "rb");
        const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), file);
        std::fclose(file);
        benchmark::DoNotOptimize(n);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kFileBytes));
}

// The same, but into fresh memory each time, as every loader that answers a new array must.
void FreadIntoNewBuffer(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<char> buffer(kFileBytes + 1);
        std::FILE* file = std::fopen(TextFile().string().c_str(), "rb");
        const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), file);
        std::fclose(file);
        benchmark::DoNotOptimize(n);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kFileBytes));
}

void LoadByteArrayOfTheFile(benchmark::State& state) {
    const String url = TextFileUrl();
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadByteArray(url));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kFileBytes));
}

void LoadTextOfTheFile(benchmark::State& state) {
    const String url = TextFileUrl();
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadText(url));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kFileBytes));
}

// The per-character design: one ReadChar, and below it one Read a byte, for every character.
void ReadCharByChar(benchmark::State& state) {
    const String url = u"utf8::" + TextFileUrl();
    for (auto _ : state) {
        const auto text = Cast<TTextStream>(ReadStream(url));
        String all;
        while (!text->Eof())
            all += static_cast<char16_t>(text->ReadChar());
        text->Close();
        benchmark::DoNotOptimize(all);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kFileBytes));
}

class RatioReporter : public bench::ComparisonReporter {
  protected:
    void Compare(std::ostream& out) override {
        const double warm = Seconds("Fread");
        const double fresh = Seconds("FreadIntoNewBuffer");
        if (warm <= 0 || fresh <= 0)
            return;
        for (const char* name : {"Fread", "FreadIntoNewBuffer", "LoadByteArrayOfTheFile",
                                 "LoadTextOfTheFile", "ReadCharByChar"})
            if (const double seconds = Seconds(name); seconds > 0)
                out << name << ": " << seconds * 1e3 << " ms, " << seconds / warm << " x fread, "
                    << seconds / fresh << " x fread into new memory\n";
    }
};

} // namespace

BENCHMARK(Fread)->Unit(benchmark::kMillisecond);
BENCHMARK(FreadIntoNewBuffer)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadByteArrayOfTheFile)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadTextOfTheFile)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadCharByChar)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    RatioReporter reporter;
    const int status = bench::RunBenchmarks(argc, argv, reporter);
    std::filesystem::remove(TextFile());
    return status;
}
