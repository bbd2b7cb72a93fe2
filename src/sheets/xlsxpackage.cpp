#include "sheets/xlsxpackage.h"

#include "sheets/dateformat.h"
#include "sheets/spreadsheettexts.h"
#include "sheets/workbookerror.h"
#include "sheets/xmlpartreader.h"

#include <QHash>

namespace delvora {

namespace {

// The relationships of part "a/b.xml" live in "a/_rels/b.xml.rels".
QString relationshipsPart(const QString &part) {
    const qsizetype slash = part.lastIndexOf(u'/');
    return part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1) +
           QStringLiteral(".rels");
}

bool isTrue(QStringView value) {
    return value == u"1" || value == u"true";
}

// A count the file declares for what follows; -1 when it declares none.
qint64 declaredCount(const XmlPartReader &reader, QStringView attribute) {
    const QString text = reader.attribute(attribute);
    if (text.isEmpty())
        return -1;
    bool ok = false;
    const qint64 count = text.toLongLong(&ok);
    if (!ok || count < 0)
        reader.fail();
    return count;
}

} // namespace

QString XlsxPackage::resolve(const QString &fromPart, const QString &target) {
    QStringList path;
    if (!target.startsWith(u'/')) {
        path = fromPart.split(u'/');
        path.removeLast();
    }
    for (const QString &segment : target.split(u'/', Qt::SkipEmptyParts)) {
        if (segment == u"..") {
            if (!path.isEmpty())
                path.removeLast();
        } else if (segment != u".") {
            path << segment;
        }
    }
    return path.join(u'/');
}

XlsxPackage::XlsxPackage(QByteArray file) : m_archive(std::move(file)) {
    // The package names its workbook part; the usual place when it does not.
    QString workbook = QStringLiteral("xl/workbook.xml");
    if (m_archive.contains(QStringLiteral("_rels/.rels"))) {
        for (const Relationship &r : readRelationships({}))
            if (r.type == u"officeDocument")
                workbook = r.part;
    }
    readWorkbook(workbook);
    m_workbookRelationships = readRelationships(workbook);
    for (const Relationship &r : m_workbookRelationships) {
        if (r.type == u"styles")
            readStyles(r.part);
        else if (r.type == u"sharedStrings")
            readSharedStrings(r.part);
    }
}

QString XlsxPackage::worksheetPart(QStringView name) const {
    for (const Sheet &sheet : m_sheets) {
        if (name.compare(sheet.name, Qt::CaseInsensitive) != 0)
            continue;
        for (const Relationship &r : m_workbookRelationships)
            if (r.id == sheet.relationship && r.type == u"worksheet")
                return r.part;
    }
    return {};
}

std::vector<XlsxPackage::Relationship> XlsxPackage::readRelationships(const QString &ofPart) const {
    std::vector<Relationship> relationships;
    const QString part =
        ofPart.isEmpty() ? QStringLiteral("_rels/.rels") : relationshipsPart(ofPart);
    if (!ofPart.isEmpty() && !m_archive.contains(part))
        return relationships;
    XmlPartReader reader(m_archive, part);
    while (reader.next()) {
        if (!reader.isStart() || reader.name() != u"Relationship" ||
            reader.attribute(u"TargetMode") == u"External")
            continue;
        const QString type = reader.attribute(u"Type");
        relationships.push_back({reader.attribute(u"Id"), type.mid(type.lastIndexOf(u'/') + 1),
                                 resolve(ofPart, reader.attribute(u"Target"))});
    }
    return relationships;
}

void XlsxPackage::readWorkbook(const QString &part) {
    XmlPartReader reader(m_archive, part);
    while (reader.next()) {
        if (!reader.isStart())
            continue;
        if (reader.name() == u"workbookPr") {
            m_dates1904 = isTrue(reader.attribute(u"date1904"));
        } else if (reader.name() == u"sheet") {
            // The relationship id is "r:id"; only its namespace tells it from other ids.
            m_sheets.push_back({reader.attribute(u"name"), reader.attribute(u"id")});
        }
    }
}

void XlsxPackage::readStyles(const QString &part) {
    XmlPartReader reader(m_archive, part);
    QHash<int, QString> formats;
    bool inCellFormats = false;
    while (reader.next()) {
        if (reader.isEnd() && reader.name() == u"cellXfs")
            inCellFormats = false;
        if (!reader.isStart())
            continue;
        if (reader.name() == u"numFmt") {
            formats.insert(reader.attribute(u"numFmtId").toInt(), reader.attribute(u"formatCode"));
        } else if (reader.name() == u"cellXfs") {
            inCellFormats = true;
        } else if (inCellFormats && reader.name() == u"xf") {
            const int id = reader.attribute(u"numFmtId").toInt();
            m_styleIsDate.push_back(isDateFormat(id, formats.value(id)));
        }
    }
}

void XlsxPackage::readSharedStrings(const QString &part) {
    XmlPartReader reader(m_archive, part);
    qint64 declared = -1;
    QString text;
    int inText = 0;     // inside a <t> of the string itself
    int inPhonetic = 0; // inside a phonetic run, left out
    while (reader.next()) {
        if (reader.isText()) {
            if (inText && !inPhonetic)
                text += reader.xml().text();
            continue;
        }
        const QStringView name = reader.name();
        if (reader.isStart()) {
            if (name == u"sst") {
                declared = declaredCount(reader, u"uniqueCount");
                // A hint only: a hostile count must not reserve memory.
                if (declared > 0)
                    m_sharedStrings.reserve(size_t(std::min<qint64>(declared, 1 << 16)));
            } else if (name == u"si") {
                text.clear();
            } else if (name == u"t") {
                ++inText;
            } else if (name == u"rPh") {
                ++inPhonetic;
            }
        } else if (name == u"si") {
            m_sharedStrings.push_back(text);
        } else if (name == u"t") {
            --inText;
        } else if (name == u"rPh") {
            --inPhonetic;
        }
    }
    if (declared >= 0 && quint64(declared) != m_sharedStrings.size())
        throw WorkbookError(texts::countMismatch(part));
}

} // namespace delvora
