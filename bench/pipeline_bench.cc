// The in-memory pipeline (normalise, parse, lay out the new file) on every
// shape of input at several sizes; the complexity fit per shape shows how the
// time grows with the size.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "common/lead_bytes.h"
#include "shapes.h"
#include "table/alias_table.h"

namespace {

constexpr std::size_t kMiB = 1024 * 1024;

// Built once per shape and size: the large comment files take a while.
const std::string& OldFile(Shape shape, std::size_t size) {
  static std::map<std::pair<Shape, std::size_t>, std::string> cache;
  auto [it, added] = cache.try_emplace({shape, size});
  if (added) it->second = MakeOldFile(shape, size);
  return it->second;
}

void Convert(benchmark::State& state, Shape shape) {
  const std::size_t size = static_cast<std::size_t>(state.range(0));
  const std::string& old = OldFile(shape, size);
  const LeadByteSet saved = LeadBytes();
  bool known = false;
  SetLeadBytes(BuiltinLeadBytes(ShapeCodePage(shape), &known));
  const bool fills = shape == Shape::kSmall || SizeIsOldFileBytes(shape) ||
                     NormalisedSize(old, ShapeCodePage(shape)) == size;
  auto table = std::make_unique<CAliasTable>();
  if (!fills || !table->LoadBytes(old, "old")) state.SkipWithError("input does not load as generated");
  std::size_t newBytes = 0;
  for (auto _ : state) {
    table->LoadBytes(old, "old");
    const std::string text = table->NewFormatText();
    newBytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  SetLeadBytes(saved);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * old.size()));
  state.SetComplexityN(static_cast<int64_t>(size));
  state.counters["old_bytes"] = static_cast<double>(old.size());
  state.counters["new_bytes"] = static_cast<double>(newBytes);
  state.counters["aliases"] = static_cast<double>(table->Names().size());
}

void RegisterAll() {
  const Shape textShapes[] = {Shape::kOneLine, Shape::kManyAliases, Shape::kEscapedTokens,
                              Shape::kContinued, Shape::kCodePage932};
  for (const Shape shape : textShapes) {
    auto* bench = benchmark::RegisterBenchmark(std::string(ShapeName(shape)).c_str(), Convert,
                                               shape);
    for (const int64_t size : {4000, 8000, 16000, 24000, 31999}) bench->Arg(size);
    bench->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);
  }
  auto* comments = benchmark::RegisterBenchmark("comments", Convert, Shape::kComments);
  for (const std::size_t mib : {1, 4, 16, 64, 256}) {
    comments->Arg(static_cast<int64_t>(mib * kMiB));
  }
  comments->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("small", Convert, Shape::kSmall)
      ->Arg(0)
      ->Unit(benchmark::kMicrosecond);
}

}  // namespace

int main(int argc, char** argv) {
  RegisterAll();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
