// SPDX-License-Identifier: GPL-3.0-or-later
// One workload of the peer comparison (bench/compare): computes it through
// the commands that the window's handlers call (engine/operations.h) and
// writes only the result text to standard output.
//
//     workloads W1                 9999! (the "b !" button)
//     workloads W2                 A(4, 2) = 2^65536 - 3 (the closed form)
//     workloads W3                 3^100000 (a exposant (b))
//     workloads W4                 1 / 7 and 22 / 7 at precision 100000, one per line
//     workloads W5 A_FILE B_FILE   a * b (100,000-digit operands in the files)
//     workloads W6 A_FILE B_FILE   a + b (1,000,000-digit operands)
//     workloads W7 A_FILE B_FILE   a / b at precision 50 (20,000 and 10,000 digits)
//     workloads W8 DIGITS_FILE     the sum of the cubes of the digits (of 9999!)
//     workloads W9 A_FILE B_FILE   a / b at precision 50 (1,000,000 and 500,000 digits)
//     workloads W10 A_FILE B_FILE  a * b (1,000,000-digit operands)
//     workloads W11                100,000! (the engine's factorial: the button stops at 9999)
//     workloads W12 A_FILE B_FILE  a / b at precision 50 (5,000,000 and 2,500,000 digits)
//     workloads W13                7^20,000,000 (a exposant (b))
//     workloads W14 A_FILE B_FILE  a * b (5,000,000-digit operands)
//     workloads W15                1 / 7 at precision 10,000,000
//     workloads W16                2^136279841 - 1: the power, then a - b with b = 1
//     workloads W17 A_FILE B_FILE  a * b (40,000,000-digit operands)
//     workloads W18                1 / 3 at precision 100,000,000
#include "engine/operations.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

namespace {

using engine::Text;

Text readOperand(const char* path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error(std::string("cannot read ") + path);
    }
    // In one read, as a field's text arrives whole; the line break that ends
    // the file is trimmed as a field's blanks are.
    file.seekg(0, std::ios::end);
    Text text(static_cast<std::size_t>(file.tellg()), '\0');
    file.seekg(0);
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    return text;
}

namespace operations = engine::operations;

// One command on its operand texts: the result that it writes.
template <class Command, class... Operands> Text resultOf(Command command, Operands&&... operands) {
    auto outcome = command(std::forward<Operands>(operands)..., operations::Resources{});
    if (auto* result = std::get_if<Text>(&outcome.result)) {
        return std::move(*result);
    }
    throw std::runtime_error("the command refused its operands");
}

Text quotient(Text a, Text b, std::int32_t precision) {
    return resultOf(operations::quotient, std::move(a), std::move(b), precision);
}

Text run(const std::string& workload, int argc, char** argv) {
    const auto operand = [&](int index) {
        if (index >= argc) {
            throw std::runtime_error(workload + " needs its operand files");
        }
        return readOperand(argv[index]);
    };
    if (workload == "W1") {
        return resultOf(operations::factorial, Text("9999"));
    }
    if (workload == "W11") {
        return engine::factorial(100'000);
    }
    if (workload == "W2") {
        return resultOf(operations::ackermann, Text("4"), Text("2"));
    }
    if (workload == "W3" || workload == "W13") {
        return workload == "W3" ? resultOf(operations::power, Text("3"), Text("100000"))
                                : resultOf(operations::power, Text("7"), Text("20000000"));
    }
    if (workload == "W4") {
        return quotient("1", "7", 100'000) + "\n" + quotient("22", "7", 100'000);
    }
    if (workload == "W15" || workload == "W18") {
        return workload == "W15" ? quotient("1", "7", 10'000'000) : quotient("1", "3", 100'000'000);
    }
    if (workload == "W16") {
        // The largest known prime, as a user gets it: the power into the
        // result field, then the result minus 1.
        Text power = resultOf(operations::power, Text("2"), Text("136279841"));
        return resultOf(operations::difference, std::move(power), Text("1"));
    }
    if (workload == "W5" || workload == "W10" || workload == "W14" || workload == "W17") {
        return resultOf(operations::product, operand(2), operand(3));
    }
    if (workload == "W6") {
        return resultOf(operations::sum, operand(2), operand(3));
    }
    if (workload == "W7" || workload == "W9" || workload == "W12") {
        return quotient(operand(2), operand(3), 50);
    }
    if (workload == "W8") {
        return resultOf(operations::digitPowerSum, operand(2), Text("3"));
    }
    throw std::runtime_error("unknown workload " + workload);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: workloads W1|W2|...|W18 [operand files]\n";
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
