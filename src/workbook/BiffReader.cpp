#include "workbook/BiffReader.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string_view>

#include "workbook/BiffRecords.h"
#include "workbook/ErreurClasseur.h"
#include "workbook/NumberFormats.h"
#include "workbook/TextDecoder.h"

namespace velmora {

using namespace biff;

namespace {

enum : std::uint16_t {
    kBof = 0x0809,
    kBof2 = 0x0009,
    kBof3 = 0x0209,
    kBof4 = 0x0409,
    kEof = 0x000A,
    kFilepass = 0x002F,
    kCodepage = 0x0042,
    kDatemode = 0x0022,
    kFormat = 0x041E,
    kXf = 0x00E0,
    kSst = 0x00FC,
    kBoundsheet = 0x0085,
    kNumber = 0x0203,
    kLabel = 0x0204,
    kBoolerr = 0x0205,
    kFormula = 0x0006,
    kString = 0x0207,
    kRk = 0x027E,
    kMulrk = 0x00BD,
    kLabelSst = 0x00FD,
    kRstring = 0x00D6,
    kMergedCells = 0x00E5,
};

// Embedded charts nest BOF/EOF pairs inside a worksheet; deeper nesting
// only comes from damaged files.
constexpr int kMaxNesting = 8;

bool joinsContinues(std::uint16_t type) {
    return type == kSst || type == kLabel || type == kRstring || type == kString;
}

double decodeRk(std::uint32_t rk) {
    double value;
    if ((rk & 0x02U) != 0) {
        value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        const std::uint64_t bits = std::uint64_t{rk & 0xFFFFFFFCU} << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return (rk & 0x01U) != 0 ? value / 100.0 : value;
}

std::string hexOffset(std::size_t offset) {
    static const char* digits = "0123456789ABCDEF";
    std::string s;
    do {
        s.insert(s.begin(), digits[offset % 16]);
        offset /= 16;
    } while (offset != 0);
    return "0x" + s;
}

class Parser {
public:
    Parser(const std::uint8_t* data, std::size_t size, const std::string& streamName,
           const std::string& fileName)
        : data_(data), size_(size), streamName_(streamName) {
        book_.fileName = fileName;
        decoder_.setCodePage(1252);
    }

    WorkbookData run();

private:
    [[noreturn]] void fail(const std::string& problem) const {
        throw ErreurClasseur(book_.fileName, problem);
    }

    void readGlobals(std::vector<std::pair<std::uint32_t, WorkbookData::Worksheet>>& sheets);
    std::shared_ptr<SheetData> readSheet(std::size_t offset, const std::string& name);
    void readCell(const Record& r, SheetData& sheet);

    // BIFF8 text: character count already read, then flags and characters,
    // continuing over parts. False when the data ends first (out keeps what was read).
    bool readUnicode(PartCursor& c, std::size_t count, std::string& out);
    bool readUnicodeString(PartCursor& c, bool longCount, std::string& out);
    // A cell text (LABEL, RSTRING, STRING) starting at byte `at` of the record.
    std::string cellText(const Record& r, std::size_t at);
    void readSst(const Record& r);

    SheetData::Kind kindOfXf(std::uint16_t xf) const {
        return xf < xfKinds_.size() ? xfKinds_[xf] : SheetData::Kind::Number;
    }
    std::uint32_t emptyText() {
        if (!emptyText_) {
            emptyText_ = book_.strings.add("");
        }
        return *emptyText_;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::string streamName_;
    WorkbookData book_;
    TextDecoder decoder_;
    std::vector<std::uint32_t> sst_;
    std::vector<SheetData::Kind> xfKinds_;
    std::optional<std::uint32_t> emptyText_;
    // Cell of a FORMULA whose text result comes in the next STRING record.
    std::optional<std::pair<std::uint32_t, std::uint16_t>> pendingText_;
};

bool Parser::readUnicode(PartCursor& c, std::size_t count, std::string& out) {
    std::uint8_t flags = 0;
    if (!c.read(&flags, 1)) {
        return false;
    }
    std::uint16_t runs = 0;
    std::uint32_t extra = 0;
    std::uint8_t buf[4];
    if ((flags & 0x08U) != 0) {
        if (!c.read(buf, 2)) {
            return false;
        }
        runs = u16(buf);
    }
    if ((flags & 0x04U) != 0) {
        if (!c.read(buf, 4)) {
            return false;
        }
        extra = u32(buf);
    }
    bool wide = (flags & 0x01U) != 0;
    std::size_t left = count;
    while (left > 0) {
        if (c.leftInPart() == 0) {
            // Characters split over records restart with their width flag.
            if (!c.nextPart()) {
                return false;
            }
            if (c.leftInPart() == 0) {
                continue;
            }
            wide = (*c.here() & 0x01U) != 0;
            c.advance(1);
        }
        const std::size_t unit = wide ? 2 : 1;
        const std::size_t available = c.leftInPart() / unit;
        if (available == 0) {
            c.advance(c.leftInPart());  // an odd byte before a split: damaged
            continue;
        }
        const std::size_t take = std::min(available, left);
        if (wide) {
            TextDecoder::appendUtf16(out, c.here(), take);
        } else {
            TextDecoder::appendLatin1(out, c.here(), take);
        }
        c.advance(take * unit);
        left -= take;
    }
    // Formatting runs (4 bytes each) and phonetic data follow the characters.
    return c.skip(std::size_t{runs} * 4) && c.skip(extra);
}

bool Parser::readUnicodeString(PartCursor& c, bool longCount, std::string& out) {
    std::uint8_t buf[2] = {0, 0};
    if (!c.read(buf, longCount ? 2 : 1)) {
        return false;
    }
    return readUnicode(c, longCount ? u16(buf) : buf[0], out);
}

std::string Parser::cellText(const Record& r, std::size_t at) {
    std::string text;
    if (book_.biffVersion == 8) {
        PartCursor c(r.parts, at);
        readUnicodeString(c, true, text);
    } else if (r.size() >= at + 2) {
        const std::size_t count = std::min<std::size_t>(u16(r.data() + at), r.size() - at - 2);
        decoder_.appendCodePage(text, r.data() + at + 2, count);
    }
    return text;
}

void Parser::readSst(const Record& r) {
    if (!sst_.empty() || r.size() < 8) {
        return;
    }
    const std::uint32_t unique = u32(r.data() + 4);
    std::size_t bytes = 0;
    for (const Span& s : r.parts) {
        bytes += s.size;
    }
    // Each text takes at least 3 bytes, whatever the count claims.
    sst_.reserve(std::min<std::size_t>(unique, bytes / 3));
    PartCursor c(r.parts, 8);
    std::string text;
    for (std::uint32_t i = 0; i < unique && !c.atEnd(); ++i) {
        text.clear();
        const bool complete = readUnicodeString(c, true, text);
        sst_.push_back(book_.strings.add(text));
        if (!complete) {
            break;
        }
    }
}

void Parser::readGlobals(std::vector<std::pair<std::uint32_t, WorkbookData::Worksheet>>& sheets) {
    std::map<std::uint16_t, std::string> formats;
    std::vector<std::uint16_t> xfFormats;
    RecordStream rs(data_, size_, 0);
    Record r;
    try {
        rs.next(r, false);
        if (r.type == kBof2 || r.type == kBof3 || r.type == kBof4) {
            fail(
                "unsupported BIFF version (Excel 2.x to 4.0 workbook); only BIFF5, BIFF7 "
                "and BIFF8 (Excel 5.0 to 2003) can be read");
        }
        if (r.type != kBof) {
            fail("corrupt workbook: the workbook stream does not start with a BOF record");
        }
        const std::uint16_t version = r.size() >= 2 ? u16(r.data()) : 0;
        if (version == 0x0600) {
            book_.biffVersion = 8;
        } else if (version == 0x0500) {
            book_.biffVersion = 5;
        } else {
            const bool book = streamName_.size() == 4;  // "Book", against "Workbook"
            book_.biffVersion = book ? 5 : 8;
        }
        const std::uint16_t kind = r.size() >= 4 ? u16(r.data() + 2) : 0x0005;
        if (kind == 0x0010) {
            // A lone worksheet stream without workbook globals.
            sheets.emplace_back(0, WorkbookData::Worksheet{"Sheet1", false, nullptr});
            return;
        }
        while (!rs.atEnd()) {
            rs.next(r, true);
            const std::uint8_t* d = r.data();
            const std::size_t n = r.size();
            switch (r.type) {
                case kEof:
                    break;
                case kFilepass:
                    fail("the workbook is encrypted (password-protected) and cannot be read");
                case kCodepage:
                    if (n >= 2) {
                        book_.codePage = u16(d);
                        decoder_.setCodePage(book_.codePage);
                    }
                    continue;
                case kDatemode:
                    if (n >= 2) {
                        book_.date1904 = u16(d) != 0;
                    }
                    continue;
                case kFormat:
                    if (n >= 3) {
                        std::string code;
                        if (book_.biffVersion == 8) {
                            std::vector<Span> part{Span{d, n}};
                            PartCursor c(part, 2);
                            readUnicodeString(c, true, code);
                        } else {
                            decoder_.appendCodePage(code, d + 3,
                                                    std::min<std::size_t>(d[2], n - 3));
                        }
                        formats[u16(d)] = std::move(code);
                    }
                    continue;
                case kXf:
                    if (n >= 4) {
                        xfFormats.push_back(u16(d + 2));
                    }
                    continue;
                case kSst:
                    if (book_.biffVersion == 8) {
                        readSst(r);
                    }
                    continue;
                case kBoundsheet:
                    if (n >= 7 && d[5] == 0) {
                        WorkbookData::Worksheet ws;
                        ws.hidden = d[4] != 0;
                        if (book_.biffVersion == 8) {
                            std::vector<Span> part{Span{d, n}};
                            PartCursor c(part, 6);
                            readUnicodeString(c, false, ws.name);
                        } else {
                            decoder_.appendCodePage(ws.name, d + 7,
                                                    std::min<std::size_t>(d[6], n - 7));
                        }
                        sheets.emplace_back(u32(d), std::move(ws));
                    }
                    continue;
                default:
                    continue;
            }
            break;  // EOF
        }
    } catch (const Truncated& t) {
        fail("corrupt workbook: truncated record at offset " + hexOffset(t.offset) +
             " of the workbook stream");
    }

    xfKinds_.reserve(xfFormats.size());
    std::map<std::uint16_t, SheetData::Kind> kinds;
    for (const std::uint16_t f : xfFormats) {
        auto known = kinds.find(f);
        if (known == kinds.end()) {
            NumberKind k = builtinFormatKind(f);
            const auto code = formats.find(f);
            if (code != formats.end()) {
                // Built-in numbers keep their meaning whatever text the
                // writer stored with them; only custom formats are read.
                const NumberKind byCode = formatCodeKind(code->second);
                if (f >= 164 || (k == NumberKind::Number && byCode == NumberKind::Currency)) {
                    k = byCode;
                }
            }
            const SheetData::Kind kind = k == NumberKind::Date       ? SheetData::Kind::Date
                                         : k == NumberKind::Currency ? SheetData::Kind::Currency
                                                                     : SheetData::Kind::Number;
            known = kinds.emplace(f, kind).first;
        }
        xfKinds_.push_back(known->second);
    }
}

void Parser::readCell(const Record& r, SheetData& sheet) {
    const std::uint8_t* d = r.data();
    const std::size_t n = r.size();
    if (r.type == kMergedCells) {
        if (n >= 2) {
            const std::size_t count = std::min<std::size_t>(u16(d), (n - 2) / 8);
            for (std::size_t i = 0; i < count; ++i) {
                const std::uint8_t* a = d + 2 + 8 * i;
                sheet.addMergedArea(MergedArea{u16(a), u16(a + 2), u16(a + 4), u16(a + 6)});
            }
        }
        return;
    }
    if (r.type == kString) {
        if (pendingText_) {
            sheet.addText(pendingText_->first, pendingText_->second,
                          book_.strings.add(cellText(r, 0)));
            pendingText_.reset();
        }
        return;
    }
    if (n < 6) {
        return;
    }
    const std::uint32_t row = u16(d);
    const std::uint16_t col = u16(d + 2);
    const std::uint16_t xf = u16(d + 4);
    const bool cell = r.type == kNumber || r.type == kRk || r.type == kMulrk || r.type == kLabel ||
                      r.type == kRstring || r.type == kLabelSst || r.type == kBoolerr ||
                      r.type == kFormula;
    if (cell && pendingText_) {
        // A text formula whose STRING record never came: an empty text.
        sheet.addText(pendingText_->first, pendingText_->second, emptyText());
        pendingText_.reset();
    }
    switch (r.type) {
        case kNumber:
            if (n >= 14) {
                sheet.addNumber(row, col, kindOfXf(xf), f64(d + 6));
            }
            break;
        case kRk:
            if (n >= 10) {
                sheet.addNumber(row, col, kindOfXf(xf), decodeRk(u32(d + 6)));
            }
            break;
        case kMulrk: {
            const std::size_t count = (n - 6) / 6;
            for (std::size_t i = 0; i < count && col + i <= 0xFFFF; ++i) {
                const std::uint8_t* e = d + 4 + 6 * i;
                sheet.addNumber(row, static_cast<std::uint16_t>(col + i), kindOfXf(u16(e)),
                                decodeRk(u32(e + 2)));
            }
            break;
        }
        case kLabel:
        case kRstring:
            sheet.addText(row, col, book_.strings.add(cellText(r, 6)));
            break;
        case kLabelSst:
            if (n >= 10) {
                const std::uint32_t index = u32(d + 6);
                sheet.addText(row, col, index < sst_.size() ? sst_[index] : emptyText());
            }
            break;
        case kBoolerr:
            if (n >= 8) {
                if (d[7] != 0) {
                    sheet.addError(row, col, d[6]);
                } else {
                    sheet.addBoolean(row, col, d[6] != 0);
                }
            }
            break;
        case kFormula:
            if (n >= 14) {
                if (u16(d + 12) != 0xFFFF) {
                    sheet.addNumber(row, col, kindOfXf(xf), f64(d + 6));
                } else if (d[6] == 0) {
                    pendingText_.emplace(row, col);
                } else if (d[6] == 1) {
                    sheet.addBoolean(row, col, d[8] != 0);
                } else if (d[6] == 2) {
                    sheet.addError(row, col, d[8]);
                } else if (d[6] == 3) {
                    sheet.addText(row, col, emptyText());
                }
            }
            break;
        default:
            break;
    }
}

std::shared_ptr<SheetData> Parser::readSheet(std::size_t offset, const std::string& name) {
    auto sheet = std::make_shared<SheetData>();
    pendingText_.reset();
    const std::string where = "worksheet \"" + name + "\"";
    if (offset + 4 > size_ || u16(data_ + offset) != kBof) {
        sheet->problem = "corrupt workbook: the records of " + where +
                         " are not where the workbook places them (offset " + hexOffset(offset) +
                         ")";
        return sheet;
    }
    RecordStream rs(data_, size_, offset);
    Record r;
    int depth = 0;
    try {
        while (!rs.atEnd()) {
            // Peek the type so only text records gather their CONTINUEs.
            const std::uint16_t type =
                rs.position() + 2 <= size_ ? u16(data_ + rs.position()) : std::uint16_t{0};
            rs.next(r, joinsContinues(type));
            if (r.type == kBof) {
                if (++depth > kMaxNesting) {
                    sheet->problem = "corrupt workbook: the records of " + where +
                                     " nest too deeply (offset " + hexOffset(r.offset) + ")";
                    break;
                }
            } else if (r.type == kEof) {
                if (--depth == 0) {
                    break;
                }
            } else if (depth == 1) {
                readCell(r, *sheet);
            }
        }
    } catch (const Truncated& t) {
        sheet->problem = "corrupt workbook: the records of " + where +
                         " are truncated (record at offset " + hexOffset(t.offset) + ")";
    }
    if (pendingText_) {
        sheet->addText(pendingText_->first, pendingText_->second, emptyText());
        pendingText_.reset();
    }
    sheet->finish();
    return sheet;
}

WorkbookData Parser::run() {
    std::vector<std::pair<std::uint32_t, WorkbookData::Worksheet>> sheets;
    readGlobals(sheets);
    if (sheets.empty()) {
        fail("the workbook holds no worksheet");
    }
    std::map<std::uint32_t, std::shared_ptr<const SheetData>> byOffset;
    for (auto& [offset, ws] : sheets) {
        auto known = byOffset.find(offset);
        if (known == byOffset.end()) {
            known = byOffset.emplace(offset, readSheet(offset, ws.name)).first;
        }
        ws.data = known->second;
        book_.worksheets.push_back(std::move(ws));
    }
    return std::move(book_);
}

}  // namespace

WorkbookData BiffReader::parse(const std::uint8_t* data, std::size_t size,
                               const std::string& streamName, const std::string& fileName) {
    return Parser(data, size, streamName, fileName).run();
}

}  // namespace velmora
