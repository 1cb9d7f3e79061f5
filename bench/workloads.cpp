// One workload of the peer comparison (bench/compare): computes it through
// the engine calls that the window's handlers make and writes only the result
// text to standard output.
//
//     workloads W1                 9999! (the "b !" button)
//     workloads W2                 A(4, 2) = 2^65536 - 3 (AckerSimple)
//     workloads W3                 3^100000 (PuisCalcul)
//     workloads W4                 1 / 7 and 22 / 7 at precision 100000, one per line
//     workloads W5 A_FILE B_FILE   a * b (100,000-digit operands in the files)
//     workloads W6 A_FILE B_FILE   a + b (1,000,000-digit operands)
//     workloads W7 A_FILE B_FILE   a / b at precision 50 (20,000 and 10,000 digits)
//     workloads W8 DIGITS_FILE     the sum of the cubes of the digits (of 9999!)
//     workloads W9 A_FILE B_FILE   a / b at precision 50 (1,000,000 and 500,000 digits)
//     workloads W10 A_FILE B_FILE  a * b (1,000,000-digit operands)
//     workloads W11                100,000!
//     workloads W12 A_FILE B_FILE  a / b at precision 50 (5,000,000 and 2,500,000 digits)
//     workloads W13                7^20,000,000 (PuisCalcul)
//     workloads W14 A_FILE B_FILE  a * b (5,000,000-digit operands)
//     workloads W15                1 / 7 at precision 10,000,000
#include "bench/bench_window.h"
#include "engine/engine.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>

namespace {

using engine::Text;

Text readOperand(const char* path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error(std::string("cannot read ") + path);
    }
    Text text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

// a + b and a * b on two integer fields: the kernel on copies, then Verif.
Text sum(Text a, Text b) {
    return engine::Verif(engine::Plusplus(a, b));
}
Text product(Text a, Text b) {
    return engine::Verif(engine::Mulmul(a, b));
}

// a / b on two integer fields: the raw quotient, tidied as the handler does.
Text quotient(Text a, Text b, std::int32_t precision) {
    BenchWindow fields(precision);
    Text raw = engine::Divdiv(a, b, fields);
    const Text normal = engine::Zeronettoyage(raw);
    return engine::Verif(engine::Paszerodebut(normal));
}

Text run(const std::string& workload, int argc, char** argv) {
    const auto operand = [&](int index) {
        if (index >= argc) {
            throw std::runtime_error(workload + " needs its operand files");
        }
        return readOperand(argv[index]);
    };
    if (workload == "W1" || workload == "W11") {
        return engine::factorial(workload == "W1" ? 9999 : 100'000);
    }
    if (workload == "W2") {
        Text a = "4";
        Text b = "2";
        return engine::AckerSimple(a, b);
    }
    if (workload == "W3" || workload == "W13") {
        Text base = workload == "W3" ? "3" : "7";
        return engine::PuisCalcul(base, workload == "W3" ? 100'000 : 20'000'000);
    }
    if (workload == "W4") {
        return quotient("1", "7", 100'000) + "\n" + quotient("22", "7", 100'000);
    }
    if (workload == "W15") {
        return quotient("1", "7", 10'000'000);
    }
    if (workload == "W5" || workload == "W10" || workload == "W14") {
        return product(operand(2), operand(3));
    }
    if (workload == "W6") {
        return sum(operand(2), operand(3));
    }
    if (workload == "W7" || workload == "W9" || workload == "W12") {
        return quotient(operand(2), operand(3), 50);
    }
    if (workload == "W8") {
        BenchWindow fields(50, "3");
        return engine::sommepuis(operand(2), fields);
    }
    throw std::runtime_error("unknown workload " + workload);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: workloads W1|W2|...|W15 [operand files]\n";
        return 2;
    }
    try {
        const Text result = run(argv[1], argc, argv);
        std::fwrite(result.data(), 1, result.size(), stdout);
        std::fputc('\n', stdout);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "workloads: " << error.what() << '\n';
        return 1;
    }
}
