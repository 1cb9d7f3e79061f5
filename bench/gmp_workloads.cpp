// SPDX-License-Identifier: GPL-3.0-or-later
// The workloads of bench/compare computed with GMP, the yardstick: the same
// operands and arguments as `workloads`, each result written in full.
#include <gmp.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct Integer {
    Integer() { mpz_init(value); }
    ~Integer() { mpz_clear(value); }
    Integer(const Integer&) = delete;
    Integer& operator=(const Integer&) = delete;
    mpz_t value;
};

void readOperand(const char* path, Integer& into) {
    std::ifstream file(path, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    if (mpz_set_str(into.value, text.c_str(), 10) != 0) {
        std::fprintf(stderr, "gmp_workloads: %s is not a number\n", path);
        std::exit(1);
    }
}

void print(const Integer& value) {
    mpz_out_str(stdout, 10, value.value);
    std::fputc('\n', stdout);
}

// numerator / denominator cut after `digits` decimals, "int.fraction".
void printQuotient(const Integer& numerator, const Integer& denominator, unsigned long digits) {
    Integer scaled;
    mpz_ui_pow_ui(scaled.value, 10, digits);
    mpz_mul(scaled.value, scaled.value, numerator.value);
    mpz_tdiv_q(scaled.value, scaled.value, denominator.value);
    char* text = mpz_get_str(nullptr, 10, scaled.value);
    std::string digitsText(text);
    void (*release)(void*, std::size_t) = nullptr;
    mp_get_memory_functions(nullptr, nullptr, &release);
    release(text, digitsText.size() + 1);
    if (digitsText.size() <= digits) {
        digitsText.insert(0, digits + 1 - digitsText.size(), '0');
    }
    const std::size_t integerLength = digitsText.size() - digits;
    std::printf("%s.%s\n", digitsText.substr(0, integerLength).c_str(),
                digitsText.substr(integerLength).c_str());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: gmp_workloads W1|...|W18 [operand files]\n");
        return 2;
    }
    const std::string workload = argv[1];
    Integer a;
    Integer b;
    Integer result;
    if (workload == "W1" || workload == "W11") {
        mpz_fac_ui(result.value, workload == "W1" ? 9999 : 100000);
        print(result);
    } else if (workload == "W2") {
        mpz_ui_pow_ui(result.value, 2, 65536);
        mpz_sub_ui(result.value, result.value, 3);
        print(result);
    } else if (workload == "W3" || workload == "W13") {
        mpz_ui_pow_ui(result.value, workload == "W3" ? 3 : 7, workload == "W3" ? 100000 : 20000000);
        print(result);
    } else if (workload == "W4") {
        mpz_set_ui(b.value, 7);
        mpz_set_ui(a.value, 1);
        printQuotient(a, b, 100000);
        mpz_set_ui(a.value, 22);
        printQuotient(a, b, 100000);
    } else if (workload == "W15" || workload == "W18") {
        mpz_set_ui(b.value, workload == "W15" ? 7 : 3);
        mpz_set_ui(a.value, 1);
        printQuotient(a, b, workload == "W15" ? 10000000 : 100000000);
    } else if (workload == "W16") {
        mpz_ui_pow_ui(result.value, 2, 136279841);
        mpz_sub_ui(result.value, result.value, 1);
        print(result);
    } else if (workload == "W8" && argc > 2) {
        std::ifstream file(argv[2], std::ios::binary);
        unsigned long sum = 0;
        for (char c; file.get(c);) {
            if (c >= '0' && c <= '9') {
                const unsigned long digit = static_cast<unsigned long>(c - '0');
                sum += digit * digit * digit;
            }
        }
        std::printf("%lu\n", sum);
    } else if (argc > 3) {
        readOperand(argv[2], a);
        readOperand(argv[3], b);
        if (workload == "W5" || workload == "W10" || workload == "W14" || workload == "W17") {
            mpz_mul(result.value, a.value, b.value);
            print(result);
        } else if (workload == "W6") {
            mpz_add(result.value, a.value, b.value);
            print(result);
        } else if (workload == "W7" || workload == "W9" || workload == "W12") {
            printQuotient(a, b, 50);
        } else {
            return 2;
        }
    } else {
        return 2;
    }
    return 0;
}
