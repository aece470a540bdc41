// Runs the benchmarks with repetitions and then prints, from the medians measured
// in this same process, how the background fill compares with memset and with the
// per-pixel formula at each size.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LORVAN_BENCHMARK_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define LORVAN_BENCHMARK_SANITIZED 1
#endif

namespace {

struct Median {
    double realTime = 0; // microseconds
    double cpuTime = 0;
};

// Prints as the console reporter does and keeps each benchmark's median.
class MedianCollector : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, Median> medians; // by "name/width/height"

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string key = run.run_name.function_name + "/" + run.run_name.args;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && medians.count(key) == 0;
            if (median || single) {
                medians[key] = Median{run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

void PrintRatios(const std::map<std::string, Median>& medians) {
    const char* const sizes[] = {"640/480", "1920/1080", "3840/2160"};
    std::printf("\nBackground fill, medians (us, wall clock / CPU):\n");
    std::printf("%-10s %17s %17s %19s %18s %18s\n", "size", "memset", "fill", "reference",
                "fill/memset tput", "reference/fill");
    for (const char* size : sizes) {
        const auto memset = medians.find(std::string("memset/") + size);
        const auto fill = medians.find(std::string("fill/") + size);
        const auto reference = medians.find(std::string("reference/") + size);
        const auto keep = medians.find(std::string("keep_fourth_byte/") + size);
        if (memset == medians.end() || fill == medians.end() || reference == medians.end()) {
            continue; // filtered out on the command line
        }
        const Median& m = memset->second;
        const Median& f = fill->second;
        const Median& r = reference->second;
        std::printf("%-10s %8.1f /%7.1f %8.1f /%7.1f %9.1f /%8.1f %8.2f /%7.2f %8.1fx /%6.1fx\n",
                    size, m.realTime, m.cpuTime, f.realTime, f.cpuTime, r.realTime, r.cpuTime,
                    m.realTime / f.realTime, m.cpuTime / f.cpuTime, r.realTime / f.realTime,
                    r.cpuTime / f.cpuTime);
        if (keep != medians.end()) {
            std::printf("%-10s bare merge keeping the fourth byte: %.1f us, %.2f of memset "
                        "throughput\n",
                        "", keep->second.realTime, m.realTime / keep->second.realTime);
        }
    }
#if defined(LORVAN_BENCHMARK_SANITIZED) || !defined(NDEBUG)
    std::printf("\nNote: this build is unoptimised or sanitised; use scripts/bench.sh for "
                "figures.\n");
#endif
}

bool HasFlag(int argc, char** argv, const char* flag) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    // Medians over many short repetitions unless the command line says otherwise:
    // on a shared machine a short repetition is often not interrupted at all, and
    // the median shrugs off the ones that were.
    static char repetitions[] = "--benchmark_repetitions=31";
    static char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    static char minTime[] = "--benchmark_min_time=0.02";
    std::vector<char*> args(argv, argv + argc);
    if (!HasFlag(argc, argv, "--benchmark_repetitions")) {
        args.push_back(repetitions);
        args.push_back(aggregatesOnly);
    }
    if (!HasFlag(argc, argv, "--benchmark_min_time")) {
        args.push_back(minTime);
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) {
        return 1;
    }
    MedianCollector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(reporter.medians);
    benchmark::Shutdown();
    return 0;
}
