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
