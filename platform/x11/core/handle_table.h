// Handles as Win32 hands them out: the slot of the object in the low word and the slot's
// generation in the high word. A handle kept after its object went (a stale handle) never names
// the object that takes the slot next: it is refused until the slot's generation comes round
// again, 65,535 uses of that slot later, and freed slots are taken again oldest first.
#ifndef TALVO_PLATFORM_X11_CORE_HANDLE_TABLE_H
#define TALVO_PLATFORM_X11_CORE_HANDLE_TABLE_H

#include <cstdint>
#include <deque>
#include <vector>

namespace x11 {

// `Handle` is a pointer to an incomplete type, as Win32's handle types are.
template <typename Handle, typename Record> class HandleTable {
  public:
    // The new record's handle, never null; null once every slot is taken.
    Handle add(const Record& record) {
        std::size_t index = slots.size();
        if (!freeSlots.empty()) {
            index = freeSlots.front();
            freeSlots.pop_front();
        } else if (index < slotCount) {
            slots.push_back({});
        } else {
            return nullptr;
        }
        Slot& slot = slots[index];
        slot.generation = static_cast<std::uint16_t>(slot.generation % 0xFFFF + 1); // never 0
        slot.live = true;
        slot.record = record;
        return handleOf(index, slot.generation);
    }

    // The record a live handle names; null for a stale, null or made-up handle. It stays where it
    // is while records come and go.
    Record* find(Handle handle) {
        const std::uintptr_t value = reinterpret_cast<std::uintptr_t>(handle);
        const std::size_t index = (value & 0xFFFF) - firstIndexValue;
        if ((value >> 16) > 0xFFFF || index >= slots.size())
            return nullptr;
        Slot& slot = slots[index];
        return slot.live && slot.generation == value >> 16 ? &slot.record : nullptr;
    }

    // False for a handle that is not live.
    bool remove(Handle handle) {
        Record* record = find(handle);
        if (!record)
            return false;
        const std::size_t index =
            (reinterpret_cast<std::uintptr_t>(handle) & 0xFFFF) - firstIndexValue;
        slots[index].live = false;
        slots[index].record = {};
        freeSlots.push_back(index);
        return true;
    }

    // The live handles, in slot order.
    std::vector<Handle> handles() const {
        std::vector<Handle> live;
        for (std::size_t index = 0; index < slots.size(); ++index)
            if (slots[index].live)
                live.push_back(handleOf(index, slots[index].generation));
        return live;
    }

  private:
    struct Slot {
        std::uint16_t generation = 0;
        bool live = false;
        Record record = {};
    };
    // Low words below this are left to values that are not handles (as Win32 leaves them).
    static const std::size_t firstIndexValue = 0x20;
    static const std::size_t slotCount = 0x10000 - firstIndexValue;

    static Handle handleOf(std::size_t index, std::uint16_t generation) {
        return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(generation) << 16 |
                                        (index + firstIndexValue));
    }

    std::deque<Slot> slots; // a deque, so records stay where they are as it grows
    std::deque<std::size_t> freeSlots;
};

} // namespace x11

#endif
