#!/usr/bin/env python3
"""Writes a name workbook of the given number of rows (xlwt), as an operator's would look."""
import sys

import xlwt

ORGS = ["国家发展和改革委员会", "教育部", "科学技术部", "工业和信息化部", "财政部", "中国科学院",
        "北京市人民政府", "上海市人民政府"]
TITLES = ["主任", "副主任", "部长", "副部长", "司长", "处长", "院士", "秘书长"]


def main():
    path, rows = sys.argv[1], int(sys.argv[2])
    wb = xlwt.Workbook(encoding="utf-8")
    s = wb.add_sheet("Sheet1")
    for c, head in enumerate(["ID", "单位名称", "名字", "职位"]):
        s.write(0, c, head)
    for r in range(1, rows + 1):
        s.write(r, 0, r)
        s.write(r, 1, ORGS[r % len(ORGS)] + "第%d办公室" % (r % 50))
        s.write(r, 2, "代表%05d" % r)
        s.write(r, 3, TITLES[r % len(TITLES)])
    wb.save(path)


if __name__ == "__main__":
    main()
