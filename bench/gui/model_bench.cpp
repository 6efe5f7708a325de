// The gadget model's two hot paths, each beside a baseline run in the same process:
// - a parent with 110 locked children resized 10 000 times (SetArea -> LayoutKids), against
//   storing the same number of rectangles with SetRect and no layout;
// - SyncData of n keys against n keys with 1% changed, at 1k, 10k and 100k keys, against a
//   sync with nothing to change (the floor: one walk over the keys) and against the plain
//   algorithm that scans for every key (the one the tests hold it to).
// The closing lines give nanoseconds per child layout, the CPU time per sync, the ratios and
// how the time grows with n.
#include "bench/ComparisonReporter.h"
#include "gui/GadgetConstants.h"
#include "runtime/Text.h"
#include "tests/gui/PlainSyncData.h"

#include <cmath>
#include <iostream>
#include <string>

using namespace vandro;

namespace {

constexpr int kChildren = 110;
constexpr int kResizes = 10000;

class TSizedGadget : public TGadget {
  public:
    int ClientWidth() override { return width; }
    int ClientHeight() override { return height; }
};

Ref<TSizedGadget> BoardWithChildren() {
    auto board = New<TSizedGadget>();
    board->SetShape(0, 0, 640, 480);
    const int modes[] = {LockFree, LockFixed, LockProportional};
    for (int i = 0; i < kChildren; ++i) {
        auto child = New<TGadget>();
        child->_setparent(board, -1);
        child->SetShape(5 + (i % 11) * 57, 5 + (i / 11) * 47, 50, 40);
        child->SetLayout(modes[i % 3], modes[(i + 1) % 3], modes[(i / 3) % 3], modes[i / 9 % 3]);
    }
    return board;
}

int WidthAt(int resize) { return 400 + resize % 600; }

void LayoutBaseline(benchmark::State& state) {
    auto board = BoardWithChildren();
    std::vector<Ref<TGadget>> children;
    for (const auto& kid : *board->kids)
        children.push_back(Cast<TGadget>(kid));
    int resize = 0;
    for (auto _ : state) {
        const int w = WidthAt(resize++);
        board->SetRect(0, 0, w, 480);
        for (const auto& child : children)
            child->SetRect(child->lockx, child->locky, w / 8, 40);
    }
    state.counters["children"] = kChildren;
}

void LayoutResize(benchmark::State& state) {
    auto board = BoardWithChildren();
    int resize = 0;
    for (auto _ : state)
        board->SetArea(0, 0, WidthAt(resize++), 480);
    state.counters["children"] = kChildren;
}

std::vector<String> OldKeys(int count) {
    std::vector<String> keys;
    for (int i = 0; i < count; ++i)
        keys.push_back(u"key" + IntText(i));
    return keys;
}

// One key in a hundred changes: a third removed, a third new beside it, a third renamed.
std::vector<String> ChangedKeys(const std::vector<String>& old) {
    std::vector<String> keys;
    for (std::size_t i = 0; i < old.size(); ++i) {
        const bool changed = i % 100 == 50;
        const int kind = static_cast<int>(i / 100 % 3);
        if (changed && kind == 1)
            keys.push_back(u"new" + IntText(static_cast<int>(i)));
        if (changed && kind == 2)
            keys.push_back(u"renamed" + IntText(static_cast<int>(i)));
        else if (!(changed && kind == 0))
            keys.push_back(old[i]);
    }
    return keys;
}

// Each iteration syncs to the changed keys and back again: two syncs of 1% changes.
template <class Sync> void RunSync(benchmark::State& state, Sync sync, bool change = true) {
    const auto old = OldKeys(static_cast<int>(state.range(0)));
    const auto changed = change ? ChangedKeys(old) : old;
    auto gadget = New<TGadget>();
    gadget->SetDataSource(New<TStringArray>(old));
    for (auto _ : state) {
        sync(*gadget, changed);
        gadget->datakeys = changed;
        sync(*gadget, old);
        gadget->datakeys = old;
    }
    state.counters["syncs"] = 2;
}

void SyncPlain(benchmark::State& state) { RunSync(state, PlainSyncData); }

// The floor: the same walk and key copies with nothing to change.
void SyncUnchanged(benchmark::State& state) { RunSync(state, PlainSyncData, false); }

void SyncIndexed(benchmark::State& state) {
    RunSync(state, [](TGadget& gadget, const std::vector<String>& keys) { gadget.SyncData(keys); });
}

// Prints the usual table, then the figures the model is judged by.
class ModelReporter : public bench::ComparisonReporter {
  protected:
    void Compare(std::ostream& out) override {
        const double layout = Per("LayoutResize/iterations:10000", kChildren);
        const double store = Per("LayoutBaseline/iterations:10000", kChildren);
        if (layout > 0 && store > 0)
            out << "layout: " << layout << " ns per child layout, SetRect alone " << store
                << " ns, ratio " << layout / store << "\n";
        double previous = 0;
        for (int n : {1000, 10000, 100000}) {
            const double indexed = PerSync("SyncIndexed", n);
            const double plain = PerSync("SyncPlain", n);
            const double unchanged = PerSync("SyncUnchanged", n);
            if (indexed <= 0)
                continue;
            out << "SyncData " << n << " keys: " << indexed / 1e6 << " ms";
            if (unchanged > 0)
                out << ", " << indexed / unchanged << " x an unchanged sync";
            if (plain > 0)
                out << ", plain scan " << plain / 1e6 << " ms (" << plain / indexed << " x)";
            if (previous > 0)
                out << ", growth x" << indexed / previous << " for 10x keys (n log n: x"
                    << 10.0 * std::log(double(n)) / std::log(n / 10.0) << ")";
            out << "\n";
            previous = indexed;
        }
    }

  private:
    // Nanoseconds of processor time per unit of work.
    double Per(const std::string& name, int count) const { return CpuSeconds(name) * 1e9 / count; }
    double PerSync(std::string name, int keys) const {
        name += '/';
        name += std::to_string(keys);
        return Per(name, 2);
    }
};

} // namespace

BENCHMARK(LayoutBaseline)->Iterations(kResizes);
BENCHMARK(LayoutResize)->Iterations(kResizes);
BENCHMARK(SyncUnchanged)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SyncPlain)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SyncIndexed)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    ModelReporter reporter;
    return bench::RunBenchmarks(argc, argv, reporter);
}
