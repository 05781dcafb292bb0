# Writes a small project workbook: "SeznamV", "SeznamM" with its pipe spacing column and, unless
# the second argument is "bez-rozvodu", "DimenzSegm".
import sys
import xlwt

book = xlwt.Workbook(encoding="utf-8")
rooms = book.add_sheet("SeznamV")
rooms.write(0, 0, "NázevM")
rooms.write(1, 0, "Budova")
design = book.add_sheet("SeznamM")
for c, name in enumerate(["NázevM", "Rozteč Trubek"]):
    design.write(0, c, name)
design.write(1, 0, "Budova")
design.write(1, 1, "")
design.write(2, 0, "Obývací pokoj")
design.write(2, 1, "0,15")
if len(sys.argv) < 3 or sys.argv[2] != "bez-rozvodu":
    sizing = book.add_sheet("DimenzSegm")
    sizing.write(0, 0, "Úsek")
    sizing.write(1, 0, "1")
book.save(sys.argv[1])
