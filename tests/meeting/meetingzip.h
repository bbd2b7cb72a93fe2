#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QStringList>
#include <zip.h>

namespace delvora::test {

// Archives made part by part with libzip itself, so that tests can build meeting files the
// program's writer would never make. Header only.
struct ZipPart {
    QByteArray name;
    QByteArray bytes;
    bool stored = false;
    bool bzip2 = false; // far denser than deflate on repeated bytes
};

inline QByteArray zipOf(const QList<ZipPart> &parts) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(source);
    zip_t *archive = zip_open_from_source(source, ZIP_TRUNCATE, &error);
    for (const ZipPart &part : parts) {
        zip_source_t *data =
            zip_source_buffer(archive, part.bytes.constData(), zip_uint64_t(part.bytes.size()), 0);
        const zip_int64_t index = zip_file_add(archive, part.name.constData(), data, 0);
        const zip_int32_t method = part.stored  ? ZIP_CM_STORE
                                   : part.bzip2 ? ZIP_CM_BZIP2
                                                : ZIP_CM_DEFLATE;
        zip_set_file_compression(archive, zip_uint64_t(index), method, 9);
    }
    zip_close(archive);
    zip_stat_t st;
    zip_stat_init(&st);
    zip_source_stat(source, &st);
    QByteArray out(qsizetype(st.size), '\0');
    zip_source_open(source);
    zip_source_read(source, out.data(), st.size);
    zip_source_close(source);
    zip_source_free(source);
    zip_error_fini(&error);
    return out;
}

// The names of an archive's parts in their order, and whether each is stored.
inline QList<std::pair<QString, bool>> zipParts(const QByteArray &bytes) {
    QList<std::pair<QString, bool>> out;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source =
        zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_t *archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (archive) {
        for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
            zip_stat_t st;
            zip_stat_index(archive, zip_uint64_t(i), 0, &st);
            out.append({QString::fromUtf8(st.name), st.comp_method == ZIP_CM_STORE});
        }
        zip_discard(archive);
    } else {
        zip_source_free(source);
    }
    zip_error_fini(&error);
    return out;
}

// The JSON with the member at a path such as "layout.rows[1].font.pixelSize" set (an undefined
// value removes it); the objects and arrays on the way must exist.
inline QJsonValue withMember(QJsonValue node, QStringList path, const QJsonValue &value) {
    if (path.isEmpty())
        return value;
    QString step = path.takeFirst();
    if (step.endsWith(u']')) {
        const qsizetype open = step.indexOf(u'[');
        const int index = step.mid(open + 1, step.size() - open - 2).toInt();
        const QString key = step.left(open);
        QJsonObject object = node.toObject();
        QJsonArray array = object.value(key).toArray();
        array[index] = withMember(array.at(index), path, value);
        object[key] = array;
        return object;
    }
    QJsonObject object = node.toObject();
    if (path.isEmpty() && value.isUndefined())
        object.remove(step);
    else
        object[step] = withMember(object.value(step), path, value);
    return object;
}

inline QJsonObject withMember(const QJsonObject &json, const QString &path,
                              const QJsonValue &value) {
    return withMember(QJsonValue(json), path.split(u'.'), value).toObject();
}

} // namespace delvora::test
