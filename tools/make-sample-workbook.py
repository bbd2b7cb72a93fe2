#!/usr/bin/env python3
"""Writes res/demo/名单.xls: the sample name list of the demo (eight seats, plate IDs 1 to 8)."""
import sys

import xlwt

ROWS = [
    ["ID", "单位名称", "名字", "职位"],
    [1, "国家发展和改革委员会", "王建国", "副主任"],
    [2, "北京市人民政府", "李晓梅", "副市长"],
    [3, "清华大学", "陈志远", "校长"],
    [4, "中国科学院计算技术研究所", "刘芳", "研究员"],
    [5, "上海浦东发展银行", "张伟", "董事长"],
    [6, "华东师范大学", "赵静怡", "教授"],
    [7, "深圳市科技创新委员会", "黄国平", "主任"],
    [8, "中国电子信息产业集团", "周文博", "总经理"],
]

wb = xlwt.Workbook(encoding="utf-8")
sheet = wb.add_sheet("Sheet1")
for r, row in enumerate(ROWS):
    for c, value in enumerate(row):
        sheet.write(r, c, value)
wb.save(sys.argv[1] if len(sys.argv) > 1 else "res/demo/名单.xls")
