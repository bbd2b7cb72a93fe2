#!/usr/bin/env python3
"""Reads columns A-D of Sheet1 of an .xlsx with openpyxl in read-only mode RUNS times and prints
the median milliseconds and the row count: FILE RUNS."""
import statistics
import sys
import time

import openpyxl


def read(path):
    book = openpyxl.load_workbook(path, read_only=True, data_only=True)
    sheet = book["Sheet1"]
    rows = 0
    for row in sheet.iter_rows(min_row=2, max_col=4, values_only=True):
        rows += 1
    book.close()
    return rows


def main():
    path, runs = sys.argv[1], int(sys.argv[2])
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        rows = read(path)
        times.append((time.perf_counter() - start) * 1000)
    print("%.3f %d" % (statistics.median(times), rows))


if __name__ == "__main__":
    main()
