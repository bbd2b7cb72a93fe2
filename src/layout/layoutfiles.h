#pragma once

#include "layout/rowstyle.h"

namespace delvora {

// The layout's two files in the working folder.
inline constexpr char16_t kSettingsIni[] = u"./Settings.ini";
inline constexpr char16_t kFontSettingDat[] = u"fontSetting.dat";

COLORREF ReadBackColor();
bool WriteBackColor(COLORREF color);
COLORREF ReadRowColor(int row);
bool WriteRowColor(COLORREF color, int row);
bool ReadRowAlign(int row, int32_t &horizontal, int32_t &vertical);
bool WriteRowAlign(int horizontal, int vertical, int row);
void ReadRowIndents(int row, int32_t &left, int32_t &top, int32_t &right, int32_t &bottom);
bool WriteRowIndents(int left, int top, int right, int bottom, int row);
// 自动缩小 of a row: `autofit` in the row's group, off when missing.
bool ReadRowAutoFit(int row);
bool WriteRowAutoFit(bool on, int row);
void ReadResolution(int32_t &width, int32_t &height);
bool WriteResolution(int width, int height);

// The interface language, "[Window] language": "zh" or "en". Anything else, or no key, is "zh".
QString ReadLanguage();
bool WriteLanguage(const QString &language);

// Record `row` of the font file. False when the file cannot be opened or is too short to hold
// the whole record (the caller then uses the default record).
bool ReadRowFont(int row, LOGFONTW &lf);
// Writes record `row` into the existing font file, extending it when shorter; never creates
// the file. False when it is missing or the write failed.
bool WriteRowFont(int row, const LOGFONTW &lf);

} // namespace delvora
