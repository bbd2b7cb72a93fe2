#!/usr/bin/env python3
"""Writes the address workbooks of the USB tests with xlwt, into the folder given."""
import os
import sys

import xlwt

HEAD = ["ID", "IP", "掩码", "网关"]


def save(folder, name, sheets):
    wb = xlwt.Workbook(encoding="utf-8")
    for sheet_name, rows in sheets:
        s = wb.add_sheet(sheet_name)
        for r, row in enumerate(rows):
            for c, value in enumerate(row):
                if value is not None:
                    s.write(r, c, value)
    wb.save(os.path.join(folder, name))


folder = sys.argv[1]
os.makedirs(folder, exist_ok=True)
save(folder, "addresses.xls", [("Sheet1", [
    HEAD,
    [12, "192.168.1.100", "255.255.255.0", "192.168.1.1"],
    [7, None, None, None],
    [12, "10.0.0.5", "255.0.0.0", "10.0.0.1"],
    ["abc", "192.168.1", "1.2.3.4.5", "10.0.0.1"],
])])
save(folder, "header_only.xls", [("Sheet1", [HEAD])])
save(folder, "no_sheet1.xls", [("地址", [HEAD, [1, "1.1.1.1", "2.2.2.2", "3.3.3.3"]])])
save(folder, "bad_group.xls", [("Sheet1", [
    HEAD,
    [1, "192.168.1.2", "255.255.255.0", "192.168.1.1"],
    [2, "1000.0.0.1", "255.255.255.0", "192.168.1.1"],
    [3, "192.168.1.4", "255.255.255.0", "192.168.1.1"],
])])

# The address book in the other formats, and one .xlsx damaged in its last row.
import csv  # noqa: E402
import zipfile  # noqa: E402

import openpyxl  # noqa: E402
from odf.opendocument import OpenDocumentSpreadsheet  # noqa: E402
from odf.table import Table, TableCell, TableRow  # noqa: E402
from odf.text import P  # noqa: E402

ADDRESSES = [
    HEAD,
    [12, "192.168.1.100", "255.255.255.0", "192.168.1.1"],
    [7, None, None, None],
    [12, "10.0.0.5", "255.0.0.0", "10.0.0.1"],
    ["abc", "192.168.1", "1.2.3.4.5", "10.0.0.1"],
]


def save_xlsx(path, rows):
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "Sheet1"
    for r, row in enumerate(rows):
        for c, value in enumerate(row):
            if value is not None:
                ws.cell(row=r + 1, column=c + 1, value=value)
    wb.save(path)


save_xlsx(os.path.join(folder, "addresses.xlsx"), ADDRESSES)
doc = OpenDocumentSpreadsheet()
table = Table(name="Sheet1")
for row in ADDRESSES:
    tr = TableRow()
    for value in row:
        if value is None:
            tr.addElement(TableCell())
        elif isinstance(value, int):
            cell = TableCell(valuetype="float", value=str(value))
            cell.addElement(P(text=str(value)))
            tr.addElement(cell)
        else:
            cell = TableCell(valuetype="string")
            cell.addElement(P(text=value))
            tr.addElement(cell)
    table.addElement(tr)
doc.spreadsheet.addElement(table)
doc.save(os.path.join(folder, "addresses.ods"))
with open(os.path.join(folder, "addresses.csv"), "w", newline="", encoding="utf-8") as f:
    csv.writer(f).writerows([["" if v is None else v for v in row] for row in ADDRESSES])

with zipfile.ZipFile(os.path.join(folder, "addresses.xlsx")) as good, \
        zipfile.ZipFile(os.path.join(folder, "damaged_last_row.xlsx"), "w") as bad:
    for item in good.infolist():
        data = good.read(item.filename)
        if item.filename == "xl/worksheets/sheet1.xml":
            at = data.rfind(b"<v>") + 3
            data = data[:at] + b"x" + data[at:]
        bad.writestr(item, data)
