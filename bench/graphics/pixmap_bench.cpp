// Row conversion and copying of a 4096 x 4096 map, each beside a memcpy of the bytes it writes,
// and resizing 1024 x 1024 to 1536 x 1536 beside a memcpy of the resized map's bytes. The
// closing lines give each operation's speed and its ratio to the memcpy of the same run.
#include "bench/ComparisonReporter.h"
#include "graphics/Pixmaps.h"

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

using namespace vandro;

namespace {

constexpr int kSide = 4096;
constexpr int kResizeFrom = 1024;
constexpr int kResizeTo = 1536;

Ref<TPixmap> Noise(int side, int format) {
    auto pixmap = CreatePixmap(side, side, format);
    std::uint32_t seed = 12345;
    for (int i = 0; i < pixmap->capacity; ++i) {
        seed = seed * 1664525u + 1013904223u;
        pixmap->pixels[i] = static_cast<std::uint8_t>(seed >> 24);
    }
    return pixmap;
}

void Written(benchmark::State& state, const Ref<TPixmap>& target) {
    state.SetBytesProcessed(state.iterations() * target->capacity);
    state.counters["pixels"] = static_cast<double>(target->width) * target->height;
    state.counters["bytes"] = target->capacity;
}

void Paste(benchmark::State& state, int from, int to) {
    const auto source = Noise(kSide, from);
    auto target = CreatePixmap(kSide, kSide, to);
    for (auto _ : state) {
        target->Paste(source, 0, 0);
        benchmark::DoNotOptimize(target->pixels);
        benchmark::ClobberMemory();
    }
    Written(state, target);
}

// The baseline: as many bytes as the operation writes, moved with memcpy.
void Memcpy(benchmark::State& state, int side, int format) {
    const auto source = Noise(side, format);
    auto target = CreatePixmap(side, side, format);
    for (auto _ : state) {
        std::memcpy(target->pixels, source->pixels, static_cast<std::size_t>(source->capacity));
        benchmark::DoNotOptimize(target->pixels);
        benchmark::ClobberMemory();
    }
    Written(state, target);
}

void Convert6To5(benchmark::State& state) { Paste(state, 6, 5); }
void Convert3To5(benchmark::State& state) { Paste(state, 3, 5); }
void Copy5To5(benchmark::State& state) { Paste(state, 5, 5); }
void MemcpyMap(benchmark::State& state) { Memcpy(state, kSide, 5); }

void Resize(benchmark::State& state) {
    const auto source = Noise(kResizeFrom, 5);
    Ref<TPixmap> resized;
    for (auto _ : state) {
        resized = ResizePixmap(source, kResizeTo, kResizeTo);
        benchmark::DoNotOptimize(resized->pixels);
    }
    Written(state, resized);
}

void MemcpyResized(benchmark::State& state) { Memcpy(state, kResizeTo, 5); }

class RatioReporter : public bench::ComparisonReporter {
  protected:
    void Compare(std::ostream& out) override {
        for (const char* name : {"Convert6To5", "Convert3To5", "Copy5To5"})
            Pair(out, name, "MemcpyMap");
        Pair(out, "Resize", "MemcpyResized");
    }

  private:
    double PerSecond(const std::string& name, const char* counter) const {
        const double seconds = Seconds(name);
        return seconds > 0 ? Counter(name, counter) / seconds : 0;
    }
    void Pair(std::ostream& out, const std::string& name, const std::string& baseline) const {
        const double gigabytes = PerSecond(name, "bytes") / 1e9;
        const double base = PerSecond(baseline, "bytes") / 1e9;
        if (gigabytes > 0 && base > 0)
            out << name << ": " << gigabytes << " GB/s written, " << PerSecond(name, "pixels") / 1e6
                << " Mpixel/s; memcpy " << base << " GB/s; ratio to memcpy " << gigabytes / base
                << "\n";
    }
};

} // namespace

BENCHMARK(MemcpyMap)->Unit(benchmark::kMillisecond);
BENCHMARK(Convert6To5)->Unit(benchmark::kMillisecond);
BENCHMARK(Convert3To5)->Unit(benchmark::kMillisecond);
BENCHMARK(Copy5To5)->Unit(benchmark::kMillisecond);
BENCHMARK(MemcpyResized)->Unit(benchmark::kMillisecond);
BENCHMARK(Resize)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    RatioReporter reporter;
    return bench::RunBenchmarks(argc, argv, reporter);
}
