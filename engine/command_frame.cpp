// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/command_frame.h"

#include <new>
#include <stdexcept>

namespace engine::operations::detail {

void requireMemory(std::uint64_t needed, const Resources& resources) {
    if (resources.availableMemory && needed > *resources.availableMemory) {
        throw NotEnoughMemory{needed, *resources.availableMemory};
    }
}

Refusal refusalForCurrentException() {
    using Kind = Refusal::Kind;
    try {
        throw;
    } catch (const NotEnoughMemory& memory) {
        return {Kind::OutOfMemory, {}, memory.needed, memory.available};
    } catch (const NotANumber& error) {
        // The operands were checked before any work: a procedure that still
        // finds no number has met a fault of its own, not of the operands.
        return error.flaws.empty() ? Refusal{Kind::Failed, {}}
                                   : Refusal{Kind::NotANumber, error.flaws};
    } catch (const OutOfRange&) {
        return {Kind::OutOfRange, {}};
    } catch (const Cancelled&) {
        return {Kind::Stopped, {}};
    } catch (const std::bad_alloc&) {
        return {Kind::OutOfMemory, {}};
    } catch (const std::length_error&) {
        // A text grew past what a string can hold.
        return {Kind::OutOfMemory, {}};
    } catch (...) {
        return {Kind::Failed, {}};
    }
}

std::optional<Refusal> refusalOfFlaws(std::initializer_list<std::optional<OperandFlaw>> flaws) {
    Refusal refusal{Refusal::Kind::NotANumber, {}};
    for (const auto& flaw : flaws) {
        if (flaw) {
            refusal.flaws.push_back(*flaw);
        }
    }
    if (refusal.flaws.empty()) {
        return std::nullopt;
    }
    return refusal;
}

} // namespace engine::operations::detail
