// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's engine: procedures on number texts, strings of decimal
// digits with an optional leading "-" and at most one ".". Numbers are never
// held as machine integers or floating point: the procedures take and give
// digit texts, and do their digit work on limbs of nine decimal digits
// (engine/limbs/magnitude.h), with a single pass from text to limbs and back.
//
// Many procedures rewrite the caller's variables in place (they take them by
// non-const reference); the comment above each says to what. Callers that must
// keep a text pass a copy. No procedure returns a partial result: it returns a
// whole one or throws one of the error types below.
#pragma once

#include "engine/runtime/errors.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace engine {
using Text = std::string;

// The operands of the calculator's commands, as the window's fields hold them.
enum class Operand { A, B, Result };

// What is wrong with one operand of a command (engine/operations.h).
struct OperandFlaw {
    enum class Kind {
        Character,    // `character` cannot stand at `position` in a number of the command's form
        Empty,        // nothing but blanks
        NoDigit,      // a "+" alone
        Beyond32Bits, // a whole number above 2147483647
        Negative,     // a whole number below 0
    };
    Operand operand;
    Kind kind;
    // Character: its 1-based position among the characters of the field's
    // text (blanks before the number count), and the character itself, UTF-8.
    std::int64_t position = 0;
    Text character;
};

// Failures (Error and Cancelled: engine/runtime/errors.h). No procedure
// returns a partial result: it returns a whole one or throws.
// A text is not a number of the form needed. A procedure throws it without
// flaws (a digit loop met a non-digit); a command of engine/operations.h
// names every operand at fault and where.
struct NotANumber : Error {
    explicit NotANumber(const std::string& what, std::vector<OperandFlaw> operandFlaws = {})
        : Error(what), flaws(std::move(operandFlaws)) {}
    std::vector<OperandFlaw> flaws;
};
struct OutOfRange : Error {
    using Error::Error;
}; // a 32-bit value overflowed, or a result is too large

// The longest result the engine builds, in digits: a power, a quotient's
// precision, an Ackermann value, or the longest sum, difference or product
// that the operands could give beyond it is refused with OutOfRange before
// any work. Such a result still shows in a field.
inline constexpr std::int64_t MaxResultDigits = 100'000'000;

// Divisions give at least this many digits after the point: Divdiv raises a
// smaller precision to it.
inline constexpr std::int32_t LeastPrecision = 50;

// A(a, b) has a closed form for a below this value (AckerSimple); from it on,
// the recursion runs (ackerman).
inline constexpr std::int32_t FirstRecursiveAckermannA = 5;

// Optional blanks (isBlank, engine/characters.h), an optional sign, decimal
// digits, optional blanks, with a value in the 32-bit signed range; anything
// else gives no value.
std::optional<std::int32_t> toInt32(const Text& text);

// --- Number texts -----------------------------------------------------------

// A text that opens with "." gets a "0" before it (".5" -> "0.5", "-.5" -> "-0.5").
Text Verif(const Text& st);
// True when the text holds a ".".
bool DecimalYN(const Text& ent);
// Drops one leading "0" that stands before a digit 1 to 9 ("05" -> "5").
Text Paszerodebut(const Text& ent);
// The normal form: leading zeros of an unsigned integer dropped, an all-zero
// fraction dropped with its point, a text of zeros made "0". A leading "+" is
// removed from `ent` itself; otherwise `ent` is unchanged.
Text Zeronettoyage(Text& ent);
// Identical texts: true; different lengths: false; otherwise true when the
// first differing character of `ent` is the greater.
bool Compnb(const Text& ent, const Text& ent2);

// --- Decimal split ----------------------------------------------------------

// The text before the first point (or the whole text); `nb` receives the number
// of characters after the point. An all-zero fraction is removed from `ent`
// itself together with its point, and then `nb` is 0.
Text Entdecimal(Text& ent, std::int32_t& nb);
// The characters after the first point; `ent` changes as in Entdecimal.
Text Partdecimale(Text& ent);
// The text with every point removed; `ent` changes as in Entdecimal, and loses
// a point that ends it.
Text SansVirgule(Text& ent);

// --- Integer addition and subtraction ---------------------------------------

// ent + ent2 for signed integer texts. Both arguments are left normalised and,
// where signs called for it, without their "-" (see the .cpp).
Text Plusplus(Text& ent, Text& ent2);
// ent - ent2 for signed integer texts; both arguments are rewritten likewise.
Text Moinsmoins(Text& ent, Text& ent2);

// --- Multiplication ---------------------------------------------------------

// The digit string `ent` times the 32-bit integer `lk`, keeping every position
// of `ent` (leading zeros stay). `ent` comes back as it was passed.
Text MulCalcul(Text& ent, const std::int32_t& lk);
// The last character of `ires`; `iret` receives the characters before it.
Text ResuPartiel(const Text& ires, Text& iret);
// The product of two signed decimal texts. Both arguments are left normalised,
// without "-" and, for a nonzero decimal product, without their point.
Text Mulmul(Text& ent, Text& ent2);

// --- Division ---------------------------------------------------------------

// The raw quotient of two signed integer texts, truncated after `precision`
// digits, or "Division impossible". `precision` is the window's precision;
// below 50 it is raised to 50, in place, before the first digit. It then holds
// the precision used, also when the procedure throws afterwards, so the
// caller writes "50" into its field whenever it changed.
Text Divdiv(Text& ent, Text& ent2, std::int32_t& precision);
// Quotient digit of a partial dividend as long as the divisor.
std::int16_t Quotient1chif(const Text& ent, Text& Div, Text& reste);
// Quotient digit of a partial dividend one digit longer than the divisor.
std::int16_t Quotient2chif(const Text& ent, Text& Div, Text& reste);
// The number of characters after the first point, or 0.
std::int32_t Analysesort(const Text& sort);

// --- Powers -----------------------------------------------------------------

// `ent` to the power `lk`, by squares and products (binary powering).
Text PuisCalcul(Text& ent, const std::int32_t& lk);
// The sum of the digits of `ent`, each raised to the power that `exponent`
// (b's text) gives, converted by toInt32; OutOfRange when it gives none.
Text sommepuis(const Text& ent, const Text& exponent);

// --- Factorial --------------------------------------------------------------

// 1 * 2 * ... * n as a digit text: "1" for n of 1 or less. The same text as
// multiplying "1" by 2, 3, ..., n in turn with MulCalcul. OutOfRange when it
// would be longer than MaxResultDigits.
Text factorial(std::int32_t n);

// --- Ackermann function -----------------------------------------------------

// A(m, n) by its recursive definition.
Text ackerman(Text& m, Text& n);
// A(a, b) by the closed forms for a from 0 to 4.
Text AckerSimple(Text& a, Text& b);
} // namespace engine
