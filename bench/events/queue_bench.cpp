// Emit-then-read throughput of the event queue beside a plain ring of 256 counted references
// driven in the same pattern. Each pair runs in the same process, and the closing lines give
// the queue's cost per event as a multiple of the plain ring's.
#include "bench/ComparisonReporter.h"
#include "events/EventQueue.h"

#include <array>
#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

using namespace vandro;

namespace {

constexpr int kBurst = 200;
constexpr int kHeld = 255;
// More sources than the queue holds, so the merge scan never finds a twin.
constexpr int kScanSources = 300;

// The baseline: the queue's ring without the hook chain or the merge test.
class PlainRing {
  public:
    void Push(const Ref<TEvent>& event) {
        if (put_ - get_ == 256)
            return;
        slots_[put_++ % 256] = event;
    }
    Ref<TEvent> Pop() { return std::move(slots_[get_++ % 256]); }

  private:
    std::array<Ref<TEvent>, 256> slots_;
    std::uint32_t put_ = 0;
    std::uint32_t get_ = 0;
};

// Keys, mouse moves, menu choices and, with presses, presses of distinct buttons: nothing
// merges, but every press scans the queue. Without presses the mix has key releases instead,
// which shows the hook chain's cost alone.
std::vector<Ref<TEvent>> BurstMix(const benchmark::State& state) {
    const bool presses = state.range(0) != 0;
    const int ids[] = {KeyDown, MouseMove, presses ? GadgetAction : KeyUp, MenuAction};
    std::vector<Ref<TEvent>> events;
    for (int i = 0; i < kBurst; ++i)
        events.push_back(CreateEvent(ids[i % 4], New<TObject>(), i));
    return events;
}

std::vector<Ref<TEvent>> ScanPresses() {
    std::vector<Ref<TEvent>> events;
    for (int i = 0; i < kScanSources; ++i)
        events.push_back(CreateEvent(GadgetAction, New<TObject>(), i));
    return events;
}

void SetEventsPerIteration(benchmark::State& state, int events) {
    state.SetItemsProcessed(state.iterations() * events);
    state.counters["events"] = events;
}

void BurstBaseline(benchmark::State& state) {
    const auto events = BurstMix(state);
    PlainRing ring;
    for (auto _ : state) {
        for (const auto& event : events)
            ring.Push(event);
        for (int i = 0; i < kBurst; ++i)
            benchmark::DoNotOptimize(ring.Pop());
    }
    SetEventsPerIteration(state, kBurst);
}

void BurstQueue(benchmark::State& state) {
    const auto events = BurstMix(state);
    for (auto _ : state) {
        for (const auto& event : events)
            EmitEvent(event);
        for (int i = 0; i < kBurst; ++i)
            benchmark::DoNotOptimize(PollEvent());
    }
    SetEventsPerIteration(state, kBurst);
}

void ScanBaseline(benchmark::State& state) {
    const auto events = ScanPresses();
    PlainRing ring;
    for (int i = 0; i < kHeld; ++i)
        ring.Push(events[static_cast<std::size_t>(i)]);
    std::size_t next = kHeld;
    for (auto _ : state) {
        ring.Push(events[next]);
        benchmark::DoNotOptimize(ring.Pop());
        next = (next + 1) % events.size();
    }
    for (int i = 0; i < kHeld; ++i)
        ring.Pop();
    SetEventsPerIteration(state, 1);
}

// 255 presses of other buttons queued; each new press scans them all, then is queued as the
// 256th while the oldest is read.
void ScanQueue(benchmark::State& state) {
    const auto events = ScanPresses();
    for (int i = 0; i < kHeld; ++i)
        EmitEvent(events[static_cast<std::size_t>(i)]);
    std::size_t next = kHeld;
    for (auto _ : state) {
        EmitEvent(events[next]);
        benchmark::DoNotOptimize(PollEvent());
        next = (next + 1) % events.size();
    }
    while (PollEvent() != 0) {
    }
    SetEventsPerIteration(state, 1);
}

// Prints the usual table, then each pair's nanoseconds per event and their ratio.
class RatioReporter : public bench::ComparisonReporter {
  protected:
    void Compare(std::ostream& out) override {
        Pair(out, "burst of 200 without presses", "BurstQueue/0", "BurstBaseline/0");
        Pair(out, "burst of 200 with presses", "BurstQueue/1", "BurstBaseline/1");
        Pair(out, "merge scan of 255", "ScanQueue", "ScanBaseline");
    }

  private:
    double NsPerEvent(const std::string& name) const {
        const double events = Counter(name, "events");
        return events > 0 ? Seconds(name) * 1e9 / events : 0;
    }
    void Pair(std::ostream& out, const char* what, const std::string& queue,
              const std::string& baseline) const {
        const double q = NsPerEvent(queue);
        const double b = NsPerEvent(baseline);
        if (q > 0 && b > 0)
            out << what << ": queue " << q << " ns/event, plain ring " << b << " ns/event, ratio "
                << q / b << "\n";
    }
};

} // namespace

BENCHMARK(BurstBaseline)->Arg(0)->Arg(1);
BENCHMARK(BurstQueue)->Arg(0)->Arg(1);
BENCHMARK(ScanBaseline);
BENCHMARK(ScanQueue);

int main(int argc, char** argv) {
    StartEventQueue();
    RatioReporter reporter;
    return bench::RunBenchmarks(argc, argv, reporter);
}
