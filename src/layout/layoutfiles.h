#pragma once

#include <QColor>
#include <QSize>
#include <QString>

#include "layout/logfont.h"

namespace delvora {

// The layout's two files in the working folder.
inline constexpr char16_t kSettingsIni[] = u"./Settings.ini";
inline constexpr char16_t kFontSettingDat[] = u"fontSetting.dat";

// Colours are kept as their red, green and blue values; a value beyond 0-255 keeps its low byte.
QColor readBackColor();
bool writeBackColor(const QColor &color);
QColor readRowColor(int row);
bool writeRowColor(const QColor &color, int row);
bool readRowAlign(int row, int &horizontal, int &vertical);
bool writeRowAlign(int horizontal, int vertical, int row);
void readRowIndents(int row, int &left, int &top, int &right, int &bottom);
bool writeRowIndents(int left, int top, int right, int bottom, int row);
// 自动缩小 of a row: `autofit` in the row's group, off when missing.
bool readRowAutoFit(int row);
bool writeRowAutoFit(bool on, int row);
// The plate size as the file has it ("[Resolution] H, V").
QSize readResolution();
bool writeResolution(int width, int height);

// The interface language, "[Window] language": "zh" or "en". Anything else, or no key, is "zh".
QString readLanguage();
bool writeLanguage(const QString &language);

// Record `row` of the font file. False when the file cannot be opened or is too short to hold
// the whole record (the caller then uses the default record).
bool readRowFont(int row, LogFont &lf);
// Writes record `row` into the existing font file, extending it when shorter; never creates
// the file. False when it is missing or the write failed.
bool writeRowFont(int row, const LogFont &lf);

} // namespace delvora
