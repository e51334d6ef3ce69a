// Which compiled kernels run: the widest instruction set the processor has,
// unless a test asks for another.
#include "array/exact_kernels.h"
#include "array/kernels.h"

#include <atomic>

namespace planara::bulk {
namespace {

struct InstructionSet {
    const char *name;
    const Kernels *kernels;
    const ExactKernels *exact_kernels;
    bool (*available)();
};

bool always() { return true; }
bool has_sse42() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("sse4.2");
}
bool has_avx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

// Narrowest first.
const InstructionSet known[] = {
    {"baseline", &baseline_kernels, &baseline_exact_kernels, &always},
    {"sse4.2", &sse42_kernels, &sse42_exact_kernels, &has_sse42},
    {"avx2", &avx2_kernels, &avx2_exact_kernels, &has_avx2},
};

const InstructionSet *widest() {
    const InstructionSet *best = &known[0];
    for (const auto &set : known) {
        if (set.available()) best = &set;
    }
    return best;
}

std::atomic<const InstructionSet *> current{widest()};

}  // namespace

const Kernels &kernels() { return *current.load(std::memory_order_relaxed)->kernels; }

const ExactKernels &exact_kernels() {
    return *current.load(std::memory_order_relaxed)->exact_kernels;
}

std::vector<std::string> instruction_sets() {
    std::vector<std::string> names;
    for (const auto &set : known) {
        if (set.available()) names.emplace_back(set.name);
    }
    return names;
}

std::string instruction_set() { return current.load()->name; }

bool select_instruction_set(const std::string &name) {
    for (const auto &set : known) {
        if (name == set.name && set.available()) {
            current.store(&set);
            return true;
        }
    }
    return false;
}

}  // namespace planara::bulk
