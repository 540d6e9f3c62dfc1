// Replays a fuzz target's inputs in an uninstrumented build and times them: each input runs
// several times and keeps its fastest run, so that a slow input is slow in itself and not
// because the machine was busy. Fails when an input takes longer than the limit.
//
//   replay_<target> [--limit-us N] [--runs N] file-or-folder...

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);

namespace {

std::vector<std::filesystem::path> inputsUnder(const std::vector<std::string> &roots)
{
    std::vector<std::filesystem::path> inputs;
    for (const std::string &root : roots) {
        if (std::filesystem::is_directory(root)) {
            for (const auto &entry : std::filesystem::recursive_directory_iterator(root)) {
                if (entry.is_regular_file())
                    inputs.push_back(entry.path());
            }
        } else {
            inputs.emplace_back(root);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

std::string contentsOf(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char **argv)
{
    double limitMicroseconds = 1000;
    int runs = 5;
    std::vector<std::string> roots;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--limit-us") == 0 && i + 1 < argc)
            limitMicroseconds = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else
            roots.emplace_back(argv[i]);
    }
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);

    const std::vector<std::filesystem::path> inputs = inputsUnder(roots);
    if (inputs.empty()) {
        std::fprintf(stderr, "no input to replay\n");
        return 2;
    }
    using Clock = std::chrono::steady_clock;
    double slowest = 0;
    double total = 0;
    std::filesystem::path slowestInput;
    std::size_t overLimit = 0;
    for (const auto &path : inputs) {
        const std::string data = contentsOf(path);
        double fastest = 1e300;
        for (int run = 0; run < runs; ++run) {
            const auto begin = Clock::now();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(data.data()),
                                   data.size());
            const std::chrono::duration<double, std::micro> took = Clock::now() - begin;
            fastest = std::min(fastest, took.count());
        }
        total += fastest;
        if (fastest > limitMicroseconds) {
            ++overLimit;
            std::printf("slow: %.1f us  %s\n", fastest, path.c_str());
        }
        if (fastest > slowest) {
            slowest = fastest;
            slowestInput = path;
        }
    }
    std::printf("%s: %zu inputs, fastest of %d runs each: mean %.1f us, slowest %.1f us (%s), "
                "limit %.0f us\n",
                std::filesystem::path(argv[0]).filename().c_str(), inputs.size(), runs,
                total / inputs.size(), slowest, slowestInput.c_str(), limitMicroseconds);
    if (overLimit > 0) {
        std::printf("%zu inputs over the limit\n", overLimit);
        return 1;
    }
    return 0;
}
