#!/usr/bin/env python3
"""Writes the rows of make_names_workbook.py once more as .xlsx (openpyxl), .ods (odfpy) and
.csv (UTF-8), beside the .xls: FOLDER ROWS."""
import csv
import os
import sys

import openpyxl
from odf.opendocument import OpenDocumentSpreadsheet
from odf.table import Table, TableCell, TableRow
from odf.text import P

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_names_workbook import ORGS, TITLES  # noqa: E402


def rows(count):
    yield ["ID", "单位名称", "名字", "职位"]
    for r in range(1, count + 1):
        yield [r, ORGS[r % len(ORGS)] + "第%d办公室" % (r % 50), "代表%05d" % r, TITLES[r % len(TITLES)]]


def main():
    folder, count = sys.argv[1], int(sys.argv[2])
    base = os.path.join(folder, "names%d" % count)
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "Sheet1"
    for row in rows(count):
        ws.append(row)
    wb.save(base + ".xlsx")

    doc = OpenDocumentSpreadsheet()
    table = Table(name="Sheet1")
    for row in rows(count):
        tr = TableRow()
        for v in row:
            if isinstance(v, int):
                cell = TableCell(valuetype="float", value=str(v))
            else:
                cell = TableCell(valuetype="string")
            cell.addElement(P(text=str(v)))
            tr.addElement(cell)
        table.addElement(tr)
    doc.spreadsheet.addElement(table)
    doc.save(base + ".ods")

    with open(base + ".csv", "w", newline="", encoding="utf-8") as f:
        csv.writer(f).writerows(rows(count))


if __name__ == "__main__":
    main()
