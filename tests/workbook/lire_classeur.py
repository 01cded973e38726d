"""Dumps an .xls workbook as read by xlrd, for the writer and export tests.

Usage: lire_classeur.py FILE [--resume] [--cellule SHEET ROW COL]...

Prints one line per sheet:
    SHEET <index> <name as UTF-8 hex> <nrows> <ncols>
then one line per cell that holds a value or a fill (all of them, or with
--resume only the cells asked for with --cellule):
    CELL <sheet> <row> <col> <xlrd cell type> <text as UTF-8 hex> <fill RRGGBB or ->
Fields are tab-separated. Errors go to stderr with exit status 1.
"""

import struct
import sys

import xlrd
from xlrd.compdoc import CompDoc


def check_structure(path):
    """Checks what xlrd does not: record sizes, the EXTSST index into the
    SST (spreadsheet applications use it to find strings) and the sheet
    offsets of BOUNDSHEET."""
    with open(path, "rb") as f:
        stream = CompDoc(f.read(), logfile=sys.stderr).get_named_stream("Workbook")
    pos = 0
    records = []
    while pos + 4 <= len(stream):
        rtype, size = struct.unpack_from("<HH", stream, pos)
        if size > 8224:
            raise ValueError("record 0x%04X at %d holds %d bytes" % (rtype, pos, size))
        records.append((rtype, pos, stream[pos + 4:pos + 4 + size]))
        pos += 4 + size
        if rtype == 0x000A:
            break
    starts = []  # (stream position, offset in its record) of each SST string
    extsst = None
    i = 0
    while i < len(records):
        rtype, rpos, data = records[i]
        if rtype == 0x00FF:
            extsst = data
        if rtype != 0x00FC:
            i += 1
            continue
        count = struct.unpack_from("<I", data, 4)[0]
        chunks = [(rpos, data)]
        j = i + 1
        while j < len(records) and records[j][0] == 0x003C:
            chunks.append((records[j][1], records[j][2]))
            j += 1
        chunk, offset = 0, 8
        for _ in range(count):
            if offset >= len(chunks[chunk][1]):
                chunk, offset = chunk + 1, 0
            rpos_, data_ = chunks[chunk]
            starts.append((rpos_ + 4 + offset, 4 + offset))
            cch, flags = struct.unpack_from("<HB", data_, offset)
            if flags & 0x0C:
                raise ValueError("rich or extended string in the SST")
            offset += 3
            left = cch
            wide = flags & 1
            while left:
                room = (len(chunks[chunk][1]) - offset) >> wide
                if room == 0:
                    chunk, offset = chunk + 1, 0
                    wide = chunks[chunk][1][0] & 1
                    offset = 1
                    continue
                take = min(room, left)
                offset += take << wide
                left -= take
        i = j
    if extsst is not None:
        per = struct.unpack_from("<H", extsst, 0)[0]
        buckets = [struct.unpack_from("<IH", extsst, 2 + 8 * k) for k in range((len(extsst) - 2) // 8)]
        expected = [starts[k] for k in range(0, len(starts), per)]
        if buckets != expected:
            raise ValueError("EXTSST does not index the SST")
    for rtype, rpos, data in records:
        if rtype == 0x0085:
            offset = struct.unpack_from("<I", data, 0)[0]
            if struct.unpack_from("<HH", stream, offset)[0] != 0x0809:
                raise ValueError("BOUNDSHEET points at %d, not at a BOF" % offset)


def fill_of(book, sheet, row, col):
    xf = book.xf_list[sheet.cell_xf_index(row, col)]
    if xf.background.fill_pattern != 1:
        return "-"
    rgb = book.colour_map.get(xf.background.pattern_colour_index)
    if rgb is None:
        return "?"
    return "%02X%02X%02X" % rgb


def cell_line(book, sheet_index, sheet, row, col):
    if row < sheet.nrows and col < sheet.row_len(row):
        cell = sheet.cell(row, col)
        text = cell.value if isinstance(cell.value, str) else repr(cell.value)
        return "CELL\t%d\t%d\t%d\t%d\t%s\t%s" % (
            sheet_index, row, col, cell.ctype, text.encode("utf-8").hex(),
            fill_of(book, sheet, row, col))
    return "CELL\t%d\t%d\t%d\t%d\t\t-" % (sheet_index, row, col, xlrd.XL_CELL_EMPTY)


def main(argv):
    path = argv[1]
    summary = "--resume" in argv
    wanted = []
    i = 2
    while i < len(argv):
        if argv[i] == "--cellule":
            wanted.append(tuple(int(v) for v in argv[i + 1:i + 4]))
            i += 4
        else:
            i += 1
    check_structure(path)
    book = xlrd.open_workbook(path, formatting_info=True, on_demand=False, logfile=sys.stderr)
    out = []
    for index in range(book.nsheets):
        sheet = book.sheet_by_index(index)
        out.append("SHEET\t%d\t%s\t%d\t%d" % (
            index, sheet.name.encode("utf-8").hex(), sheet.nrows, sheet.ncols))
        if summary:
            continue
        for row in range(sheet.nrows):
            for col in range(sheet.row_len(row)):
                cell = sheet.cell(row, col)
                if cell.ctype == xlrd.XL_CELL_EMPTY:
                    continue
                if cell.ctype == xlrd.XL_CELL_BLANK and fill_of(book, sheet, row, col) == "-":
                    continue
                out.append(cell_line(book, index, sheet, row, col))
    for sheet_index, row, col in wanted:
        out.append(cell_line(book, sheet_index, book.sheet_by_index(sheet_index), row, col))
    sys.stdout.write("\n".join(out) + "\n")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv))
    except Exception as error:  # the test shows whatever xlrd refused
        sys.stderr.write("%s: %s\n" % (type(error).__name__, error))
        sys.exit(1)
