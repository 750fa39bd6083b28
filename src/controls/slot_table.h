// The per-control record table shared by the slider and the button: slots are numbered from 1,
// 0 means "no slot", and a slot once taken is never handed out again.
#pragma once

#include <cstddef>
#include <new>
#include <vector>

template <typename Record> class SlotTable {
  public:
    // The first slot whose window field is empty, else one new slot at the end; 0 when memory runs out.
    int Alloc() {
        for (std::size_t slot = 1; slot < records_.size(); ++slot) {
            if (!records_[slot].window)
                return static_cast<int>(slot);
        }
        try {
            records_.emplace_back();
        } catch (const std::bad_alloc&) {
            return 0;
        }
        return static_cast<int>(records_.size() - 1);
    }

    // Null for 0, negative numbers and numbers past the end.
    Record* At(long long slot) {
        if (slot < 1 || slot >= static_cast<long long>(records_.size()))
            return nullptr;
        return &records_[static_cast<std::size_t>(slot)];
    }

    // The slot whose window field equals window (slots from 1 upward), 0 when none.
    template <typename Window> int Find(Window window) const {
        if (!window)
            return 0;
        for (std::size_t slot = 1; slot < records_.size(); ++slot) {
            if (records_[slot].window == window)
                return static_cast<int>(slot);
        }
        return 0;
    }

    int UpperBound() const { return static_cast<int>(records_.size()) - 1; }

  private:
    std::vector<Record> records_ = std::vector<Record>(1); // slot 0 is never used
};
