#include "model/ObservationSet.h"

namespace isobra {

SlotError::SlotError(int slot)
    : std::out_of_range("slot " + std::to_string(slot) + " is outside 0..100"), slot_(slot) {}

int ObservationSet::Check(int slot) {
    if (!IsSlot(slot)) throw SlotError(slot);
    return slot;
}

}  // namespace isobra
