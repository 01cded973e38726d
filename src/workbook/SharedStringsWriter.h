#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace velmora {

// The distinct cell texts of a workbook being written, each stored once in
// one byte arena. Ids are dense and stable: 0, 1, 2... in order of first
// addition. Costs about 20 bytes a distinct text plus the text itself.
class SharedStringsWriter {
public:
    // The id of `text`, adding it when new.
    std::uint32_t intern(std::string_view text);
    std::string_view text(std::uint32_t id) const;
    std::size_t size() const { return offsets_.size() - 1; }

private:
    static constexpr std::uint32_t kEmpty = UINT32_MAX;
    void grow();

    std::vector<char> arena_;
    std::vector<std::uint64_t> offsets_{0};  // text i is [offsets_[i], offsets_[i + 1])
    std::vector<std::uint32_t> slots_;       // open addressing; kEmpty or an id
};

}  // namespace velmora
