#include "workbook/BiffWriter.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>
#include <string_view>

#include "workbook/Utf16Text.h"

namespace velmora {
namespace {

constexpr std::size_t kMaxRecordData = 8224;
constexpr std::uint32_t kNone = UINT32_MAX;
constexpr std::uint16_t kDefaultCellXf = 15;
constexpr std::uint16_t kFirstFillXf = 16;

// The standard BIFF8 palette, RGB as 0xRRGGBB; entry 0 is colour index 8.
constexpr std::array<std::uint32_t, 56> kDefaultPalette = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
    0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
    0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,
    0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,
    0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,
    0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
};

std::uint32_t BgrToRgb(std::uint32_t bgr) {
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

// Builds one record (or a run of them) in memory.
class Bytes {
public:
    void u8(std::uint8_t v) { data_.push_back(v); }
    void u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void f64(double v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        u32(static_cast<std::uint32_t>(bits));
        u32(static_cast<std::uint32_t>(bits >> 32));
    }
    void zeros(std::size_t n) { data_.insert(data_.end(), n, 0); }

    std::vector<std::uint8_t>& data() { return data_; }

private:
    std::vector<std::uint8_t> data_;
};

void PutU16(std::vector<std::uint8_t>& out, std::size_t at, std::uint16_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    PutU16(out, at, static_cast<std::uint16_t>(v));
    PutU16(out, at + 2, static_cast<std::uint16_t>(v >> 16));
}

void PutU16Raw(std::uint8_t* at, std::uint16_t v) {
    at[0] = static_cast<std::uint8_t>(v);
    at[1] = static_cast<std::uint8_t>(v >> 8);
}

void Record(ByteSink& out, std::uint16_t type, const std::vector<std::uint8_t>& body) {
    std::uint8_t header[4] = {static_cast<std::uint8_t>(type), static_cast<std::uint8_t>(type >> 8),
                              static_cast<std::uint8_t>(body.size()),
                              static_cast<std::uint8_t>(body.size() >> 8)};
    out.write(header, 4);
    if (!body.empty()) {
        out.write(body.data(), body.size());
    }
}

void Record16(ByteSink& out, std::uint16_t type, std::uint16_t value) {
    Bytes b;
    b.u16(value);
    Record(out, type, b.data());
}

// Appends to a vector, for the globals built in memory.
class VectorSink final : public ByteSink {
public:
    explicit VectorSink(std::vector<std::uint8_t>& out) : out_(out) {}
    void write(const std::uint8_t* data, std::size_t size) override {
        out_.insert(out_.end(), data, data + size);
    }

private:
    std::vector<std::uint8_t>& out_;
};

class CountingSink final : public ByteSink {
public:
    void write(const std::uint8_t*, std::size_t size) override { count += size; }
    std::size_t count = 0;
};

// Batches the many small cell records before they reach the real sink.
class BufferedSink final : public ByteSink {
public:
    explicit BufferedSink(ByteSink& out) : out_(out) { buffer_.reserve(kCapacity); }
    ~BufferedSink() override = default;
    void write(const std::uint8_t* data, std::size_t size) override {
        if (buffer_.size() + size > kCapacity) {
            flush();
        }
        if (size >= kCapacity) {
            out_.write(data, size);
            return;
        }
        buffer_.insert(buffer_.end(), data, data + size);
    }
    void flush() {
        if (!buffer_.empty()) {
            out_.write(buffer_.data(), buffer_.size());
            buffer_.clear();
        }
    }

private:
    static constexpr std::size_t kCapacity = 1 << 20;
    ByteSink& out_;
    std::vector<std::uint8_t> buffer_;
};

void Bof(ByteSink& out, std::uint16_t type) {
    Bytes b;
    b.u16(0x0600);  // BIFF8
    b.u16(type);
    b.u16(0x0DBB);  // build
    b.u16(0x07CC);  // year
    b.u32(0);       // file history
    b.u32(0x06);    // lowest version that can read all records
    Record(out, 0x0809, b.data());
}

void Font(ByteSink& out) {
    Bytes b;
    b.u16(200);     // height in twips: 10 pt
    b.u16(0);       // options
    b.u16(0x7FFF);  // colour: automatic
    b.u16(400);     // weight: normal
    b.u16(0);       // escapement
    b.u8(0);        // underline
    b.u8(0);        // family
    b.u8(0);        // character set
    b.u8(0);
    const std::string_view name = "Arial";
    b.u8(static_cast<std::uint8_t>(name.size()));
    b.u8(0);  // 8-bit characters
    for (char c : name) {
        b.u8(static_cast<std::uint8_t>(c));
    }
    Record(out, 0x0031, b.data());
}

// A BIFF8 XF record. Style XFs have parent 0xFFF; cell XFs point at style 0.
void Xf(ByteSink& out, bool style, std::uint8_t usedAttributes, std::uint8_t fillColourIndex) {
    Bytes b;
    b.u16(0);                        // font
    b.u16(0);                        // number format: General
    b.u16(style ? 0xFFF5 : 0x0001);  // locked; style flag and parent
    b.u8(0x20);                      // bottom aligned
    b.u8(0);                         // rotation
    b.u8(0);                         // indent
    b.u8(usedAttributes);            // attributes this XF sets itself
    b.u32(0);                        // borders: none
    const bool solid = fillColourIndex != 0;
    b.u32(solid ? (1u << 26) : 0);  // fill pattern 1 = solid
    const std::uint16_t foreground = solid ? fillColourIndex : 0x40;
    b.u16(static_cast<std::uint16_t>(foreground | (0x41 << 7)));
    Record(out, 0x00E0, b.data());
}

}  // namespace

BiffWriter::BiffWriter(const std::vector<WriterSheet>& sheets, const SharedStringsWriter& strings,
                       const std::vector<std::uint32_t>& fillColours)
    : sheets_(sheets), strings_(strings) {
    palette_.assign(kDefaultPalette.begin(), kDefaultPalette.end());
    std::vector<bool> taken(palette_.size(), false);
    fillPaletteIndex_.assign(fillColours.size(), 0);
    std::vector<std::size_t> unmatched;
    for (std::size_t i = 0; i < fillColours.size(); ++i) {
        const std::uint32_t rgb = BgrToRgb(fillColours[i]);
        const auto it = std::find(palette_.begin(), palette_.end(), rgb);
        if (it == palette_.end()) {
            unmatched.push_back(i);
            continue;
        }
        const auto slot = static_cast<std::size_t>(it - palette_.begin());
        taken[slot] = true;
        fillPaletteIndex_[i] = static_cast<std::uint8_t>(8 + slot);
    }
    std::size_t next = palette_.size();
    for (std::size_t i : unmatched) {
        while (next > 0 && taken[next - 1]) {
            --next;
        }
        if (next == 0) {
            throw std::runtime_error("more than 56 distinct fill colours");
        }
        --next;
        taken[next] = true;
        palette_[next] = BgrToRgb(fillColours[i]);
        fillPaletteIndex_[i] = static_cast<std::uint8_t>(8 + next);
        customPalette_ = true;
    }

    // The SST lists the texts in the order the cells use them, each once;
    // texts no cell uses any more are left out.
    sstIndex_.assign(strings_.size(), kNone);
    for (const WriterSheet& sheet : sheets_) {
        for (const auto& row : sheet.rows) {
            for (const WriterCell& cell : row) {
                if (cell.text == 0) {
                    continue;
                }
                ++sstReferences_;
                std::uint32_t& index = sstIndex_[cell.text - 1];
                if (index == kNone) {
                    index = static_cast<std::uint32_t>(sstOrder_.size());
                    sstOrder_.push_back(cell.text - 1);
                }
            }
        }
    }
}

void BiffWriter::write(ByteSink& out) const {
    std::vector<std::uint8_t> globals;
    std::vector<std::size_t> sheetOffsetAt;
    buildGlobals(globals, sheetOffsetAt);

    std::uint64_t position = globals.size();
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        if (position > UINT32_MAX) {
            throw std::runtime_error("workbook stream larger than 4 GiB");
        }
        PutU32(globals, sheetOffsetAt[i], static_cast<std::uint32_t>(position));
        CountingSink counter;
        writeSheet(counter, sheets_[i], i == 0);
        position += counter.count;
    }
    if (position > UINT32_MAX) {
        throw std::runtime_error("workbook stream larger than 4 GiB");
    }

    BufferedSink buffered(out);
    buffered.write(globals.data(), globals.size());
    globals = {};
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        writeSheet(buffered, sheets_[i], i == 0);
    }
    buffered.flush();
}

void BiffWriter::buildGlobals(std::vector<std::uint8_t>& globals,
                              std::vector<std::size_t>& sheetOffsetAt) const {
    VectorSink out(globals);
    Bof(out, 0x0005);
    Record16(out, 0x00E1, 0x04B0);  // INTERFACEHDR: UTF-16 code page
    Record16(out, 0x00C1, 0);       // MMS
    Record(out, 0x00E2, {});        // INTERFACEEND
    {
        Bytes b;  // WRITEACCESS: user name, padded with blanks to 112 bytes
        const std::string_view user = "Velmora";
        b.u16(static_cast<std::uint16_t>(user.size()));
        b.u8(0);
        for (char c : user) {
            b.u8(static_cast<std::uint8_t>(c));
        }
        b.data().resize(112, 0x20);
        Record(out, 0x005C, b.data());
    }
    Record16(out, 0x0042, 0x04B0);  // CODEPAGE
    Record16(out, 0x0161, 0);       // DSF
    {
        Bytes b;  // TABID
        for (std::size_t i = 0; i < sheets_.size(); ++i) {
            b.u16(static_cast<std::uint16_t>(i + 1));
        }
        Record(out, 0x013D, b.data());
    }
    Record16(out, 0x009C, 0x000E);  // FNGROUPCOUNT
    Record16(out, 0x0019, 0);       // WINDOWPROTECT
    Record16(out, 0x0012, 0);       // PROTECT
    Record16(out, 0x0013, 0);       // PASSWORD
    Record16(out, 0x01AF, 0);       // PROT4REV
    Record16(out, 0x01BC, 0);       // PROT4REVPASS
    {
        Bytes b;  // WINDOW1
        b.u16(0x01E0);
        b.u16(0x005A);
        b.u16(0x3FCF);
        b.u16(0x2A4E);
        b.u16(0x0038);
        b.u16(0);  // active sheet
        b.u16(0);  // first visible tab
        b.u16(1);  // selected tabs
        b.u16(0x0258);
        Record(out, 0x003D, b.data());
    }
    Record16(out, 0x0040, 0);  // BACKUP
    Record16(out, 0x008D, 0);  // HIDEOBJ
    Record16(out, 0x0022, 0);  // DATEMODE: 1900
    Record16(out, 0x000E, 1);  // PRECISION: as displayed off
    Record16(out, 0x01B7, 0);  // REFRESHALL
    Record16(out, 0x00DA, 0);  // BOOKBOOL
    for (int i = 0; i < 4; ++i) {
        Font(out);  // index 4 does not exist in BIFF; 0 to 3 suffice
    }
    Xf(out, true, 0x00, 0);
    for (int i = 1; i < 15; ++i) {
        Xf(out, true, 0xF4, 0);
    }
    Xf(out, false, 0x00, 0);  // 15: the default cell format
    for (std::uint8_t index : fillPaletteIndex_) {
        Xf(out, false, 0x40, index);  // 16 onwards: one solid fill each
    }
    {
        Bytes b;  // STYLE: built-in "Normal" on XF 0
        b.u16(0x8000);
        b.u8(0);
        b.u8(0xFF);
        Record(out, 0x0293, b.data());
    }
    if (customPalette_) {
        Bytes b;
        b.u16(static_cast<std::uint16_t>(palette_.size()));
        for (std::uint32_t rgb : palette_) {
            b.u8(static_cast<std::uint8_t>(rgb >> 16));
            b.u8(static_cast<std::uint8_t>(rgb >> 8));
            b.u8(static_cast<std::uint8_t>(rgb));
            b.u8(0);
        }
        Record(out, 0x0092, b.data());
    }
    Record16(out, 0x0160, 1);  // USESELFS
    for (const WriterSheet& sheet : sheets_) {
        const std::u16string name = Utf8ToUtf16(sheet.name);
        Bytes b;  // BOUNDSHEET: stream position patched once sizes are known
        b.u32(0);
        b.u8(0);  // visible
        b.u8(0);  // worksheet
        b.u8(static_cast<std::uint8_t>(name.size()));
        b.u8(1);  // UTF-16
        for (char16_t c : name) {
            b.u16(c);
        }
        sheetOffsetAt.push_back(globals.size() + 4);
        Record(out, 0x0085, b.data());
    }

    // SST, split into CONTINUE records. A string's header never splits; its
    // character array may, and then the CONTINUE record starts with the
    // flag byte of the characters that follow.
    struct Bucket {
        std::uint32_t streamPosition;
        std::uint16_t recordOffset;
    };
    std::vector<Bucket> buckets;
    const std::size_t perBucket = std::max<std::size_t>(8, (sstOrder_.size() + 127) / 128);
    std::size_t recordStart = globals.size();
    const auto begin = [&](std::uint16_t type) {
        recordStart = globals.size();
        globals.insert(globals.end(), {static_cast<std::uint8_t>(type),
                                       static_cast<std::uint8_t>(type >> 8), 0, 0});
    };
    const auto end = [&] {
        PutU16(globals, recordStart + 2,
               static_cast<std::uint16_t>(globals.size() - recordStart - 4));
    };
    const auto room = [&] { return kMaxRecordData - (globals.size() - recordStart - 4); };
    begin(0x00FC);
    {
        Bytes b;
        b.u32(sstReferences_);
        b.u32(static_cast<std::uint32_t>(sstOrder_.size()));
        globals.insert(globals.end(), b.data().begin(), b.data().end());
    }
    for (std::size_t n = 0; n < sstOrder_.size(); ++n) {
        const std::u16string units = Utf8ToUtf16(strings_.text(sstOrder_[n]));
        if (units.size() > 0xFFFF) {
            throw std::runtime_error("cell text longer than 65,535 characters");
        }
        const bool wide =
            std::any_of(units.begin(), units.end(), [](char16_t c) { return c > 0xFF; });
        const std::size_t unitSize = wide ? 2 : 1;
        if (room() < 3 + unitSize) {
            end();
            begin(0x003C);
        }
        if (n % perBucket == 0) {
            buckets.push_back({static_cast<std::uint32_t>(globals.size()),
                               static_cast<std::uint16_t>(globals.size() - recordStart)});
        }
        globals.push_back(static_cast<std::uint8_t>(units.size()));
        globals.push_back(static_cast<std::uint8_t>(units.size() >> 8));
        globals.push_back(wide ? 1 : 0);
        std::size_t done = 0;
        while (done < units.size()) {
            std::size_t fits = room() / unitSize;
            if (fits == 0) {
                end();
                begin(0x003C);
                globals.push_back(wide ? 1 : 0);
                fits = room() / unitSize;
            }
            const std::size_t count = std::min(fits, units.size() - done);
            for (std::size_t k = done; k < done + count; ++k) {
                globals.push_back(static_cast<std::uint8_t>(units[k]));
                if (wide) {
                    globals.push_back(static_cast<std::uint8_t>(units[k] >> 8));
                }
            }
            done += count;
        }
    }
    end();
    {
        Bytes b;  // EXTSST: where every perBucket-th string starts
        b.u16(static_cast<std::uint16_t>(perBucket));
        for (const Bucket& bucket : buckets) {
            b.u32(bucket.streamPosition);
            b.u16(bucket.recordOffset);
            b.u16(0);
        }
        Record(out, 0x00FF, b.data());
    }
    Record(out, 0x000A, {});  // EOF
}

void BiffWriter::writeSheet(ByteSink& out, const WriterSheet& sheet, bool first) const {
    Bof(out, 0x0010);
    Record16(out, 0x000D, 1);    // CALCMODE: automatic
    Record16(out, 0x000C, 100);  // CALCCOUNT
    Record16(out, 0x000F, 1);    // REFMODE: A1
    Record16(out, 0x0011, 0);    // ITERATION
    {
        Bytes b;
        b.f64(0.001);
        Record(out, 0x0010, b.data());  // DELTA
    }
    Record16(out, 0x005F, 1);  // SAVERECALC
    Record16(out, 0x002A, 0);  // PRINTHEADERS
    Record16(out, 0x002B, 0);  // PRINTGRIDLINES
    Record16(out, 0x0082, 1);  // GRIDSET
    {
        Bytes b;
        b.zeros(8);
        Record(out, 0x0080, b.data());  // GUTS
    }
    {
        Bytes b;
        b.u16(0);
        b.u16(0x00FF);
        Record(out, 0x0225, b.data());  // DEFAULTROWHEIGHT
    }
    Record16(out, 0x0081, 0x04C1);  // WSBOOL

    // Used range of each row, and of the sheet.
    struct Span {
        std::uint16_t first = 0;
        std::uint16_t last = 0;  // one past
    };
    std::uint32_t firstRow = 0;
    std::uint32_t lastRow = 0;  // one past
    std::uint16_t firstCol = UINT16_MAX;
    std::uint16_t lastCol = 0;
    const auto span = [](const std::vector<WriterCell>& row) {
        Span s;
        std::size_t a = 0;
        while (a < row.size() && !row[a].used()) {
            ++a;
        }
        std::size_t b = row.size();
        while (b > a && !row[b - 1].used()) {
            --b;
        }
        s.first = static_cast<std::uint16_t>(a);
        s.last = static_cast<std::uint16_t>(b);
        return s;
    };
    bool any = false;
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        const Span s = span(sheet.rows[r]);
        if (s.first == s.last) {
            continue;
        }
        if (!any) {
            firstRow = static_cast<std::uint32_t>(r);
            any = true;
        }
        lastRow = static_cast<std::uint32_t>(r + 1);
        firstCol = std::min(firstCol, s.first);
        lastCol = std::max(lastCol, s.last);
    }
    if (!any) {
        firstCol = 0;
    }
    {
        Bytes b;
        b.u32(firstRow);
        b.u32(lastRow);
        b.u16(firstCol);
        b.u16(lastCol);
        b.u16(0);
        Record(out, 0x0200, b.data());  // DIMENSIONS
    }

    for (std::uint32_t blockStart = firstRow; blockStart < lastRow; blockStart += 32) {
        const std::uint32_t blockEnd = std::min(blockStart + 32, lastRow);
        for (std::uint32_t r = blockStart; r < blockEnd; ++r) {
            const Span s = span(sheet.rows[r]);
            if (s.first == s.last) {
                continue;
            }
            std::uint8_t row[20] = {0x08, 0x02, 16, 0};
            PutU16Raw(row + 4, static_cast<std::uint16_t>(r));
            PutU16Raw(row + 6, s.first);
            PutU16Raw(row + 8, s.last);
            PutU16Raw(row + 10, 0x00FF);  // default height
            PutU16Raw(row + 16, 0x0100);
            PutU16Raw(row + 18, kDefaultCellXf);
            out.write(row, sizeof row);
        }
        for (std::uint32_t r = blockStart; r < blockEnd; ++r) {
            const auto& cells = sheet.rows[r];
            for (std::size_t c = 0; c < cells.size(); ++c) {
                const WriterCell& cell = cells[c];
                if (!cell.used()) {
                    continue;
                }
                const std::uint16_t xf =
                    cell.fill == 0 ? kDefaultCellXf
                                   : static_cast<std::uint16_t>(kFirstFillXf + cell.fill - 1);
                if (cell.text != 0) {
                    std::uint8_t rec[14] = {0xFD, 0x00, 10, 0};
                    PutU16Raw(rec + 4, static_cast<std::uint16_t>(r));
                    PutU16Raw(rec + 6, static_cast<std::uint16_t>(c));
                    PutU16Raw(rec + 8, xf);
                    const std::uint32_t index = sstIndex_[cell.text - 1];
                    PutU16Raw(rec + 10, static_cast<std::uint16_t>(index));
                    PutU16Raw(rec + 12, static_cast<std::uint16_t>(index >> 16));
                    out.write(rec, sizeof rec);
                } else {
                    std::uint8_t rec[10] = {0x01, 0x02, 6, 0};
                    PutU16Raw(rec + 4, static_cast<std::uint16_t>(r));
                    PutU16Raw(rec + 6, static_cast<std::uint16_t>(c));
                    PutU16Raw(rec + 8, xf);
                    out.write(rec, sizeof rec);
                }
            }
        }
    }

    {
        Bytes b;  // WINDOW2
        b.u16(first ? 0x06B6 : 0x00B6);
        b.u16(0);
        b.u16(0);
        b.u16(0x40);  // gridline colour: automatic
        b.u16(0);
        b.u16(0);
        b.u16(0);
        b.u32(0);
        Record(out, 0x023E, b.data());
    }
    Record(out, 0x000A, {});  // EOF
}

}  // namespace velmora
