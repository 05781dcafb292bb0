#!/usr/bin/python3
"""Opens workbooks in LibreOffice Calc (headless, every sheet to CSV) and compares each sheet's
cells with what xlrd reads from the same file. Run by hand where Debian's libreoffice-calc-nogui
is installed (it is not among the build's packages):

    HOME=$(mktemp -d) /usr/bin/python3 tools/workbooks/compare_with_libreoffice.py build/bin/*.xls build/bin/*.XLS project.kzn
"""
import csv, glob, os, subprocess, sys, tempfile
import xlrd

def lo_sheets(path, out):
    subprocess.run(['soffice', '--headless', '--norestore', '--convert-to',
                    'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1',
                    '--outdir', out, path], check=True, capture_output=True, timeout=300)
    base = os.path.splitext(os.path.basename(path))[0]
    sheets = {}
    for f in glob.glob(os.path.join(out, base + '-*.csv')):
        name = os.path.basename(f)[len(base) + 1:-4]
        with open(f, encoding='utf-8', newline='') as h:
            sheets[name] = list(csv.reader(h))
    return sheets

def same(cell, text):
    if cell.ctype in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK):
        return text == ''
    if cell.ctype == xlrd.XL_CELL_NUMBER:
        try:
            return abs(float(text.replace(',', '.').replace('\xa0', '')) - cell.value) <= 1e-9 * max(1, abs(cell.value))
        except ValueError:
            return False
    if cell.ctype == xlrd.XL_CELL_BOOLEAN:
        return text.upper() in (('TRUE', 'PRAVDA') if cell.value else ('FALSE', 'NEPRAVDA'))
    return str(cell.value) == text

def check(path):
    book = xlrd.open_workbook(path)
    with tempfile.TemporaryDirectory() as out:
        lo = lo_sheets(path, out)
    problems, cells = [], 0
    names = [s.name for s in book.sheets()]
    if sorted(names) != sorted(lo):
        problems.append('sheets: xlrd %s, LibreOffice %s' % (names, sorted(lo)))
    for sheet in book.sheets():
        rows = lo.get(sheet.name, [])
        for r in range(sheet.nrows):
            for c in range(sheet.ncols):
                text = rows[r][c] if r < len(rows) and c < len(rows[r]) else ''
                cells += 1
                if not same(sheet.cell(r, c), text):
                    problems.append('%s!%s%d: xlrd %r, LibreOffice %r' % (sheet.name, chr(65 + c % 26), r + 1, sheet.cell(r, c).value, text))
        extra = [r for r in range(sheet.nrows, len(rows)) if any(rows[r])]
        if extra:
            problems.append('%s: LibreOffice has %d more rows' % (sheet.name, len(extra)))
    print('%s: %d sheets, %d cells, %d differences' % (os.path.basename(path), len(names), cells, len(problems)))
    for p in problems[:10]:
        print('   ', p)
    return not problems

ok = all([check(p) for p in sys.argv[1:]])
sys.exit(0 if ok else 1)
