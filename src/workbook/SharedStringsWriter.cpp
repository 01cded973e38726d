#include "workbook/SharedStringsWriter.h"

#include <functional>
#include <stdexcept>

namespace velmora {
namespace {

std::size_t Hash(std::string_view text) {
    return std::hash<std::string_view>{}(text);
}

}  // namespace

std::string_view SharedStringsWriter::text(std::uint32_t id) const {
    const std::uint64_t begin = offsets_.at(id);
    const std::uint64_t end = offsets_.at(std::size_t{id} + 1);
    return {arena_.data() + begin, static_cast<std::size_t>(end - begin)};
}

std::uint32_t SharedStringsWriter::intern(std::string_view text) {
    if ((size() + 1) * 2 > slots_.size()) {
        grow();
    }
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = Hash(text) & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t id = slots_[slot];
        if (id == kEmpty) {
            if (size() >= kEmpty - 1) {
                throw std::length_error("more than 4 billion distinct cell texts");
            }
            const auto newId = static_cast<std::uint32_t>(size());
            arena_.insert(arena_.end(), text.begin(), text.end());
            offsets_.push_back(arena_.size());
            slots_[slot] = newId;
            return newId;
        }
        if (this->text(id) == text) {
            return id;
        }
    }
}

void SharedStringsWriter::grow() {
    const std::size_t capacity = slots_.empty() ? 1024 : slots_.size() * 2;
    slots_.assign(capacity, kEmpty);
    const std::size_t mask = capacity - 1;
    for (std::uint32_t id = 0; id < size(); ++id) {
        std::size_t slot = Hash(text(id)) & mask;
        while (slots_[slot] != kEmpty) {
            slot = (slot + 1) & mask;
        }
        slots_[slot] = id;
    }
}

}  // namespace velmora
