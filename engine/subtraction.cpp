// Signed integer subtraction. Signs are decided here; the digits are
// subtracted by subtractMagnitudes, larger magnitude minus smaller, and the
// cases that amount to an addition are handed to the addition.
#include "engine/digits.h"
#include "engine/engine.h"

namespace engine {

namespace detail {

// Both operands are normalised in place, and must then be signed integer
// texts (NotANumber otherwise). A zero second operand gives the first
// as it stands, a zero first operand the negated second. Two negatives swap
// their magnitudes (a - b = |b| - |a|); mixed signs become additions. The
// difference has no leading zeros, and equal magnitudes give "0", never "-0".
Text moinsmoinsSteps(Text& ent, Text& ent2) {
    ent = Zeronettoyage(ent);
    ent2 = Zeronettoyage(ent2);
    requireSignedDigits(ent);
    requireSignedDigits(ent2);
    if (isZeroForm(ent2)) {
        return ent;
    }
    if (isZeroForm(ent)) {
        return startsWithMinus(ent2) ? ent2.substr(1) : "-" + ent2;
    }
    const bool firstNegative = startsWithMinus(ent);
    const bool secondNegative = startsWithMinus(ent2);
    if (firstNegative && secondNegative) {
        Text magnitudeOfFirst = ent.substr(1);
        ent = ent2.substr(1);
        ent2 = std::move(magnitudeOfFirst);
    } else if (firstNegative) {
        ent.erase(0, 1);
        return "-" + plusplusSteps(ent, ent2);
    } else if (secondNegative) {
        ent2.erase(0, 1);
        return plusplusSteps(ent2, ent);
    }

    // Leading zeros left behind a removed "-" go now, so that the longer
    // magnitude is the larger one.
    ent = Zeronettoyage(ent);
    ent2 = Zeronettoyage(ent2);
    const bool negative =
        ent.size() < ent2.size() || (ent.size() == ent2.size() && !Compnb(ent, ent2));
    Text digits = negative ? subtractMagnitudes(ent2, ent) : subtractMagnitudes(ent, ent2);
    Text difference = Zeronettoyage(digits);
    return negative ? "-" + difference : difference;
}

} // namespace detail

Text Moinsmoins(Text& ent, Text& ent2) {
    Text difference = detail::onCopies(ent, ent2, detail::moinsmoinsSteps);
    detail::makeZeroIfBare(difference);
    return difference;
}

} // namespace engine
