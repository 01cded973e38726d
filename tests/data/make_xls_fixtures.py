#!/usr/bin/python3
"""Writes the small .xls workbooks the reader and import tests read.

Run with Debian's interpreter (it has python3-xlwt):
    /usr/bin/python3 make_xls_fixtures.py OUTPUT_FOLDER
    /usr/bin/python3 make_xls_fixtures.py --bench FILE
The second form writes the benchmarks' full 65,536-row x 52-column sheet.
Every workbook is written by xlwt, a writer independent of ours.
"""
import datetime
import os
import sys

import xlwt


def book():
    return xlwt.Workbook(encoding='utf-8')


def save(wb, folder, name):
    wb.save(os.path.join(folder, name))


def sheets(folder, name, count):
    wb = book()
    for n in range(1, count + 1):
        wb.add_sheet('Onglet %d' % n).write(0, 0, 'feuille %d' % n)
    save(wb, folder, name)


def rows(ws, rownums, columns=3):
    for r in rownums:
        for c in range(columns):
            ws.write(r - 1, c, 'r%dc%d' % (r, c + 1))


def main(folder):
    os.makedirs(folder, exist_ok=True)
    sheets(folder, 'one_sheet.xls', 1)
    sheets(folder, 'three_sheets.xls', 3)
    sheets(folder, 'twelve_sheets.xls', 12)

    # Row scans: sheet 1 rows 1-10, sheet 2 adds row 24, sheet 3 adds row 26,
    # sheet 4 starts at row 16, sheet 5 has 250 rows.
    wb = book()
    rows(wb.add_sheet('dix'), range(1, 11))
    rows(wb.add_sheet('vingt-quatre'), list(range(1, 11)) + [24])
    rows(wb.add_sheet('vingt-six'), list(range(1, 11)) + [26])
    rows(wb.add_sheet('seize'), range(16, 21))
    rows(wb.add_sheet('deux-cent-cinquante'), range(1, 251))
    save(wb, folder, 'rows.xls')

    # Width: A-C in rows 1-30, E only from row 31 (sheet 1); A to AZ and BA
    # in row 1 (sheet 2); an error value alone in F7 (sheet 3).
    wb = book()
    ws = wb.add_sheet('trente')
    rows(ws, range(1, 31))
    for r in range(31, 36):
        ws.write(r - 1, 4, 'late %d' % r)
    ws = wb.add_sheet('BA')
    for c in range(53):
        ws.write(0, c, 'col%d' % (c + 1))
    ws = wb.add_sheet('erreur')
    rows(ws, range(1, 5), columns=2)
    ws.row(6).set_cell_error(5, '#DIV/0!')
    save(wb, folder, 'width.xls')

    # Merged areas: B2:D3 holding X (sheet 1); A1:B1 X over A2:B2 Y (sheet 2).
    wb = book()
    ws = wb.add_sheet('bloc')
    ws.write_merge(1, 2, 1, 3, 'X')
    ws.write(0, 0, 'titre')
    ws.write(4, 4, 'fin')
    ws = wb.add_sheet('lignes')
    ws.write_merge(0, 0, 0, 1, 'X')
    ws.write_merge(1, 1, 0, 1, 'Y')
    ws.write(2, 2, 'seul')
    save(wb, folder, 'merged.xls')

    # An error value in B40 of a used column, between numbers.
    wb = book()
    ws = wb.add_sheet('erreurs')
    for r in range(1, 51):
        ws.write(r - 1, 0, r)
        if r != 40:
            ws.write(r - 1, 1, r * 10)
    ws.row(39).set_cell_error(1, 0x2A)  # #N/A
    save(wb, folder, 'error_row40.xls')

    # One of every value kind, in column A; column B says what it is.
    wb = book()
    ws = wb.add_sheet('valeurs')
    date_style = xlwt.easyxf(num_format_str='dd/mm/yyyy')
    datetime_style = xlwt.easyxf(num_format_str='yyyy-mm-dd hh:mm:ss')
    time_style = xlwt.easyxf(num_format_str='[h]:mm')
    euro_style = xlwt.easyxf(num_format_str=u'#,##0.00 [$\u20ac-40C]')
    dollar_style = xlwt.easyxf(num_format_str='"$"#,##0.00')
    percent_style = xlwt.easyxf(num_format_str='0.00%')
    long_text = u''.join(u'ligne %05d é€;' % i for i in range(1200))
    values = [
        (3.5, None, 'number'),
        (42, None, 'integer'),
        (1.0 / 3, None, 'third'),
        (1e20, None, 'big'),
        (u' x ', None, 'blanks'),
        (True, None, 'true'),
        (False, None, 'false'),
        (datetime.date(2024, 3, 14), date_style, 'date'),
        (datetime.datetime(2024, 3, 14, 15, 4, 5), datetime_style, 'datetime'),
        (datetime.time(6, 30), time_style, 'time'),
        (1234.56789, euro_style, 'euro'),
        (-5.25, dollar_style, 'dollar'),
        (0.125, percent_style, 'percent'),
        (u'été 日本 \U0001F600', None, 'unicode'),
        (long_text, None, 'long'),
        (123456789012, None, 'rk integer'),
        (-0.75, None, 'negative'),
    ]
    for r, (value, style, what) in enumerate(values):
        if style is None:
            ws.write(r, 0, value)
        else:
            ws.write(r, 0, value, style)
        ws.write(r, 1, what)
    ws.row(len(values)).set_cell_error(0, '#DIV/0!')
    ws.write(len(values), 1, 'error')
    ws.write(len(values) + 1, 0, xlwt.Formula('1+1'))
    ws.write(len(values) + 1, 1, 'formula')
    save(wb, folder, 'values.xls')

    wb = book()
    wb.set_dates_1904(True)
    ws = wb.add_sheet('1904')
    ws.write(0, 0, datetime.date(2024, 3, 14), xlwt.easyxf(num_format_str='dd/mm/yyyy'))
    save(wb, folder, 'dates1904.xls')


def bench(path):
    """Every cell filled: a third distinct texts, a third from a vocabulary
    of 1,000 words, a third numbers (integers, decimals, a few dates)."""
    wb = book()
    ws = wb.add_sheet('banc')
    date_style = xlwt.easyxf(num_format_str='dd/mm/yyyy')
    words = ['mot%03d' % i for i in range(1000)]
    for r in range(65536):
        row = ws.row(r)
        for c in range(52):
            k = c % 3
            if k == 0:
                row.set_cell_text(c, 'R%dC%d' % (r, c))
            elif k == 1:
                row.set_cell_text(c, words[(r * 52 + c) % 1000])
            elif c == 50:
                row.set_cell_number(c, 40000 + r % 3000, date_style)
            else:
                row.set_cell_number(c, r * 0.25 + c)
        if r % 4096 == 4095:
            ws.flush_row_data()
    tmp = path + '.part'
    wb.save(tmp)
    os.replace(tmp, path)


if __name__ == '__main__':
    if sys.argv[1] == '--bench':
        bench(sys.argv[2])
    else:
        main(sys.argv[1])
