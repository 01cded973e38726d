#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace velmora::biff {

inline std::uint16_t u16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t u32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}
inline double f64(const std::uint8_t* p) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) {
        bits = (bits << 8) | p[i];
    }
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

// A record runs past the end of the stream.
struct Truncated {
    std::size_t offset;
};

struct Span {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

// One record and the CONTINUE records that followed it.
struct Record {
    std::uint16_t type = 0;
    std::size_t offset = 0;  // of the record header in the stream
    std::vector<Span> parts;
    const std::uint8_t* data() const { return parts[0].data; }
    std::size_t size() const { return parts[0].size; }
};

// Walks the records of a stream from a given offset.
class RecordStream {
public:
    static constexpr std::uint16_t kContinue = 0x003C;

    RecordStream(const std::uint8_t* data, std::size_t size, std::size_t offset)
        : data_(data), size_(size), pos_(offset) {}

    bool atEnd() const { return pos_ >= size_; }
    std::size_t position() const { return pos_; }

    // Reads the next record into r; with joinContinues, the CONTINUE records
    // right after it become further parts. Throws Truncated.
    void next(Record& r, bool joinContinues) {
        r.parts.clear();
        r.offset = pos_;
        r.type = readOne(r);
        while (joinContinues && pos_ + 4 <= size_ && u16(data_ + pos_) == kContinue) {
            readOne(r);
        }
    }

private:
    std::uint16_t readOne(Record& r) {
        if (pos_ + 4 > size_) {
            throw Truncated{pos_};
        }
        const std::uint16_t type = u16(data_ + pos_);
        const std::size_t length = u16(data_ + pos_ + 2);
        if (pos_ + 4 + length > size_) {
            throw Truncated{pos_};
        }
        r.parts.push_back(Span{data_ + pos_ + 4, length});
        pos_ += 4 + length;
        return type;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_;
};

// Reads through the parts of a record as one byte sequence, except for
// BIFF8 texts, which restart each part with a character-width flag byte.
class PartCursor {
public:
    PartCursor(const std::vector<Span>& parts, std::size_t offset) : parts_(parts), pos_(offset) {}

    std::size_t leftInPart() const {
        return part_ < parts_.size() && pos_ < parts_[part_].size ? parts_[part_].size - pos_ : 0;
    }
    bool atEnd() {
        settle();
        return part_ >= parts_.size();
    }
    bool read(std::uint8_t* out, std::size_t n) {
        while (n > 0) {
            settle();
            if (part_ >= parts_.size()) {
                return false;
            }
            const std::size_t take = std::min(n, leftInPart());
            std::memcpy(out, parts_[part_].data + pos_, take);
            out += take;
            n -= take;
            pos_ += take;
        }
        return true;
    }
    bool skip(std::size_t n) {
        while (n > 0) {
            settle();
            if (part_ >= parts_.size()) {
                return false;
            }
            const std::size_t take = std::min(n, leftInPart());
            n -= take;
            pos_ += take;
        }
        return true;
    }
    // Moves to the start of the next part; false when there is none.
    bool nextPart() {
        ++part_;
        pos_ = 0;
        return part_ < parts_.size();
    }
    const std::uint8_t* here() const { return parts_[part_].data + pos_; }
    void advance(std::size_t n) { pos_ += n; }
    bool inPart() const { return part_ < parts_.size(); }

private:
    // Steps over exhausted parts.
    void settle() {
        while (part_ < parts_.size() && pos_ >= parts_[part_].size) {
            ++part_;
            pos_ = 0;
        }
    }

    const std::vector<Span>& parts_;
    std::size_t part_ = 0;
    std::size_t pos_;
};

}  // namespace velmora::biff
