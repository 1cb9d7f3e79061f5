// Signed integer addition. Signs are decided here; the digits are added by
// addMagnitudes, and operands of opposite signs are handed to the subtraction.
#include "engine/digits.h"
#include "engine/engine.h"

namespace engine {

namespace detail {

// Both operands are normalised in place, and must then be signed integer
// texts (NotANumber otherwise); a zero first operand gives the second
// as it stands. Mixed signs go to the subtraction with the "-" removed from
// the negative operand in place; two negatives lose their "-" and their
// magnitudes are added. No normalisation follows: "-007" + "-3" is "-010".
Text plusplusSteps(Text& ent, Text& ent2) {
    ent = Zeronettoyage(ent);
    ent2 = Zeronettoyage(ent2);
    requireSignedDigits(ent);
    requireSignedDigits(ent2);
    if (isZeroForm(ent)) {
        return ent2;
    }
    const bool firstNegative = startsWithMinus(ent);
    const bool secondNegative = startsWithMinus(ent2);
    if (!firstNegative && secondNegative) {
        ent2.erase(0, 1);
        return moinsmoinsSteps(ent, ent2);
    }
    if (firstNegative && !secondNegative) {
        ent.erase(0, 1);
        return moinsmoinsSteps(ent2, ent);
    }
    if (firstNegative && secondNegative) {
        ent.erase(0, 1);
        ent2.erase(0, 1);
        return "-" + addMagnitudes(ent, ent2);
    }
    return addMagnitudes(ent, ent2);
}

} // namespace detail

Text Plusplus(Text& ent, Text& ent2) {
    Text sum = detail::onCopies(ent, ent2, detail::plusplusSteps);
    detail::makeZeroIfBare(sum);
    return sum;
}

} // namespace engine
