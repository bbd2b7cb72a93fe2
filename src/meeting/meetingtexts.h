#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QString>

// What the meeting files say to the operator: the reasons a meeting file cannot be read or
// written (the command line prints them as they are, the window puts them in a message box).
namespace delvora::texts {

// A meeting that cannot be opened: the file, then the reason.
inline QString meetingOpenFailed(const QString &path, const QString &reason) {
    return QCoreApplication::translate("meetingtexts", "打开会议“%1”失败：%2")
        .arg(QDir::toNativeSeparators(path), reason);
}
// A meeting that cannot be saved: the file, then the reason.
inline QString meetingSaveFailed(const QString &path, const QString &reason) {
    return QCoreApplication::translate("meetingtexts", "保存会议“%1”失败：%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

inline QString newerMeetingFormat() {
    return QCoreApplication::translate("meetingtexts", "此会议文件由较新版本创建，无法打开。");
}
inline QString notMeetingFile() {
    return QCoreApplication::translate("meetingtexts",
                                       "文件不是会议文件（第一个条目应为“mimetype”，内容为“%1”）。")
        .arg(QStringLiteral("application/x-delvora-meeting"));
}
inline QString meetingFileMissing() {
    return QCoreApplication::translate("meetingtexts", "文件不存在。");
}
inline QString meetingIsFolder() {
    return QCoreApplication::translate("meetingtexts", "这是一个文件夹，不是文件。");
}
inline QString meetingFileTooLarge() {
    return QCoreApplication::translate("meetingtexts", "文件过大。");
}
inline QString meetingFileUnreadable(const QString &detail) {
    return QCoreApplication::translate("meetingtexts", "无法读取文件：%1").arg(detail);
}
// `offset` counts bytes from the start of the part.
inline QString jsonMalformed(const QString &part, qsizetype offset) {
    return QCoreApplication::translate("meetingtexts", "“%1”不是正确的JSON（第%2个字节处）。")
        .arg(part)
        .arg(offset);
}
inline QString jsonNotObject(const QString &part) {
    return QCoreApplication::translate("meetingtexts", "“%1”的内容不是JSON对象。").arg(part);
}
// `member` names the value as a path, e.g. "entries[3].id".
inline QString jsonMissing(const QString &part, const QString &member) {
    return QCoreApplication::translate("meetingtexts", "“%1”中缺少“%2”。").arg(part, member);
}
inline QString jsonWrongType(const QString &part, const QString &member) {
    return QCoreApplication::translate("meetingtexts", "“%1”中“%2”的类型不对。").arg(part, member);
}
inline QString jsonOutOfRange(const QString &part, const QString &member) {
    return QCoreApplication::translate("meetingtexts", "“%1”中“%2”的值超出范围。")
        .arg(part, member);
}
inline QString notJpeg(const QString &part) {
    return QCoreApplication::translate("meetingtexts", "“%1”不是JPEG图片。").arg(part);
}

// Why a save did not complete.
inline QString saveFolderMissing() {
    return QCoreApplication::translate("meetingtexts", "文件夹不存在。");
}
inline QString saveTargetIsFolder() {
    return QCoreApplication::translate("meetingtexts", "同名的文件夹已存在。");
}

// The window's meeting commands.
inline QString unsavedMeeting() {
    return QCoreApplication::translate("meetingtexts", "会议已修改，是否保存？");
}
// The file dialogs' one file type.
inline QString meetingFilter() {
    return QCoreApplication::translate("meetingtexts", "会议文件(*.delvora)|*.delvora||");
}
// The name of a meeting that has no file yet: in the title and offered when it is saved.
inline QString untitledMeeting() {
    return QCoreApplication::translate("meetingtexts", "新会议");
}
// The tooltip of a recent meeting whose file is gone.
inline QString recentMeetingMissing(const QString &path) {
    return QCoreApplication::translate("meetingtexts", "找不到文件：%1")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace delvora::texts
