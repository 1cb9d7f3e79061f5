// libFuzzer target for the calculation handlers, run on a window of its own
// whose jobs run inline: the input gives a, b, the result field, the
// precision field and the command (see fuzz_input.h). After the click the
// result field holds one whole result written once, or it is unchanged and
// a box says what is wrong in the command's own terms; anything else, or
// an exception out of a handler, stops the run with a message. The paste
// cleaning and the trimming of operands are checked on the same texts.
#include "fuzz_input.h"

#include "window/commands.h"
#include "window/operand_text.h"

#include <QDateTime>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using engine::Field;
using engine::Text;

[[noreturn]] void fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "\n*** %s\n%s\n", what, detail.c_str());
    std::abort();
}

class FakeWindow final : public window::Services {
public:
    Text readField(Field field) override { return fields[index(field)]; }
    void writeField(Field field, const Text& text) override {
        fields[index(field)] = text;
        if (field == Field::Text3) {
            ++resultWrites;
        }
        if (field == Field::Text4) {
            window::precisionChanged(*this);
        }
    }
    std::int32_t precision() const override { return precision_; }
    void setPrecision(std::int32_t digits) override { precision_ = digits; }
    QString caption() const override { return QStringLiteral("Calculateur"); }
    window::Answer showMessage(const QString& text, window::Buttons, const QString&) override {
        messages.push_back(text);
        return window::Answer::Ok;
    }
    bool openWebPage(const QString&) override { return true; }
    QDateTime now() const override { return QDateTime(QDate(2024, 12, 6), QTime(9, 0)); }
    QString programFolder() const override { return {}; }
    std::optional<window::WriteError> writeTextLine(const QString&, const QString&) override {
        return std::nullopt;
    }
    void closeWindow() override {}
    void runJob(const QString&, const std::function<void()>& job) override { job(); }

    Text fields[4];
    int resultWrites = 0;
    std::vector<QString> messages;

private:
    static int index(Field field) { return static_cast<int>(field); }
    std::int32_t precision_ = 50;
};

struct Command {
    const char* name;
    void (*run)(window::Services&);
};

constexpr Command Commands[] = {
    {"a + b", window::addCommand},           {"a - b", window::subtractCommand},
    {"a * b", window::multiplyCommand},      {"a / b", window::divideCommand},
    {"power", window::powerCommand},         {"factorial", window::factorialCommand},
    {"Ackermann", window::ackermannCommand}, {"digit-power sum", window::digitPowerSumCommand},
};

bool allDigits(std::string_view t) {
    return !t.empty() &&
           std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// An optional "-", digits, and a point followed by digits at most.
bool isNumberResult(std::string_view t) {
    if (t.starts_with('-')) {
        t.remove_prefix(1);
    }
    const auto point = t.find('.');
    return point == std::string_view::npos
               ? allDigits(t)
               : allDigits(t.substr(0, point)) && allDigits(t.substr(point + 1));
}

// An optional "+", an optional "-" (with `minus`), digits and one point at
// most (with `point`): every operand that a command may take as a number.
bool looksLikeNumber(std::string_view t, bool minus, bool point) {
    if (t.starts_with('+')) {
        t.remove_prefix(1);
    }
    if (minus && t.starts_with('-')) {
        t.remove_prefix(1);
    }
    const auto at = point ? t.find('.') : std::string_view::npos;
    const auto digits = [](std::string_view d) {
        return std::all_of(d.begin(), d.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return digits(t.substr(0, at)) && (at == std::string_view::npos || digits(t.substr(at + 1)));
}

// Whether the command, having computed a result, read its operands as numbers.
bool readNumbers(std::size_t command, const Text& a, const Text& b) {
    switch (command) {
    case 4:
    case 6:
        return looksLikeNumber(a, false, false) && looksLikeNumber(b, false, false);
    case 5:
        return looksLikeNumber(b, false, false);
    case 7:
        return true; // the digits of the result are checked by the engine target
    default:
        return looksLikeNumber(a, true, true) && looksLikeNumber(b, true, true);
    }
}

// Inputs whose valid reading would ask for millions of digits or a long
// recursion are left out: the engine target covers those procedures.
bool tooCostly(std::size_t command, const Text& a, const Text& b, const Text& precision) {
    const auto exponent = engine::toInt32(b);
    const auto digits = engine::toInt32(precision);
    switch (command) {
    case 3:
        return digits && *digits > 2000;
    case 4:
        return exponent && *exponent > 64;
    case 6: {
        // From a = 5 on, the recursion may run 100,000 steps before it gives up.
        const auto first = engine::toInt32(a);
        return a.size() > 7 || b.size() > 5 || (first && *first >= 5 && a.size() + b.size() > 4);
    }
    case 7:
        return exponent && *exponent > 100;
    default:
        return false;
    }
}

// Whether `result` is a whole answer of the command for the operands a and b.
bool isWholeResult(std::size_t command, const Text& result, const Text& a, const Text& b) {
    const bool refusal = result == "Opération interdite";
    switch (command) {
    case 3:
        return isNumberResult(result) || result == "Division impossible";
    case 4:
        return refusal || (engine::toInt32(b) == 1 ? result == a : allDigits(result));
    case 5:
        return refusal || result == "b est trop grand" || allDigits(result);
    case 6:
        return refusal || allDigits(result);
    case 7:
        return allDigits(result);
    default:
        return isNumberResult(result);
    }
}

void checkOperandTexts(const Text& text) {
    const Text operand = window::operandText(text);
    if (text.find(operand) == Text::npos) {
        fail("operandText is no part of its text", text);
    }
    const QString pasted = window::pastedNumber(QString::fromStdString(text));
    if (std::any_of(pasted.begin(), pasted.end(), [](QChar c) { return c.isSpace(); })) {
        fail("pastedNumber left a blank", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Input input(data, size, 4);
    checkOperandTexts(input.text(0));
    const std::size_t command = static_cast<std::uint8_t>(input.byte(0)) % std::size(Commands);
    const Text a = window::operandText(input.text(0));
    const Text b = window::operandText(input.text(1));
    if (tooCostly(command, a, b, input.text(3))) {
        return 0;
    }
    FakeWindow window;
    window.fields[0] = input.text(0);
    window.fields[1] = input.text(1);
    window.fields[2] = input.text(2);
    window.writeField(Field::Text4, input.text(3));
    const Text before = window.fields[2];
    const std::string what = std::string(Commands[command].name) + " on a = [" + input.text(0) +
                             "], b = [" + input.text(1) + "], result [" + before + "]";
    try {
        Commands[command].run(window);
    } catch (...) {
        fail("an exception left the handler", what);
    }
    const Text& after = window.fields[2];
    std::vector<QString> failures;
    for (const QString& message : window.messages) {
        if (!message.startsWith(QStringLiteral("Ackerman(a, b) = ")) &&
            !message.startsWith(QStringLiteral("Temps de calcul: "))) {
            failures.push_back(message);
        }
    }
    if (window.resultWrites > 1) {
        fail("the result field was written more than once", what);
    }
    if (!failures.empty()) {
        const QString& message = failures.front();
        if (failures.size() > 1 || window.resultWrites != 0) {
            fail("a failure box came with a result", what);
        }
        if (message.contains(QStringLiteral("Le calcul a rencontré un caractère")) ||
            message.contains(QStringLiteral("Le calcul n'a pas pu aboutir")) ||
            !message.endsWith(QStringLiteral("Le résultat n'a pas été modifié."))) {
            fail("the box does not say what is wrong", what + "\n" + message.toStdString());
        }
    } else if (window.resultWrites != 1 || !isWholeResult(command, after, a, b)) {
        fail("no whole result", what + "\ngives [" + after + "]");
    } else if (after != "Opération interdite" && after != "b est trop grand" &&
               !readNumbers(command, a, b)) {
        fail("a result from operands that are no numbers", what + "\ngives [" + after + "]");
    }
    return 0;
}
