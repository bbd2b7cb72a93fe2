#pragma once

#include <QXmlStreamReader>
#include <memory>

#include "sheets/ziparchive.h"

namespace delvora {

// Streams the XML of one archive part token by token, never holding the whole part. Refuses
// document type and entity declarations (so no entity is ever expanded) and very deep nesting;
// every failure raises WorkbookError naming the part.
class XmlPartReader {
public:
    static constexpr int kMaxDepth = 256;

    XmlPartReader(const ZipArchive &archive, const QString &part);

    // The next start element, end element or text; false at the end of the document.
    bool next();
    QXmlStreamReader &xml() { return m_xml; }
    // Nesting depth of the current element (1 for the root).
    int depth() const { return m_depth; }
    const QString &part() const { return m_part; }

    bool isStart() const { return m_xml.tokenType() == QXmlStreamReader::StartElement; }
    bool isEnd() const { return m_xml.tokenType() == QXmlStreamReader::EndElement; }
    bool isText() const { return m_xml.tokenType() == QXmlStreamReader::Characters; }
    // The local name of the current element.
    QStringView name() const { return m_xml.name(); }
    // An attribute by its local name, whatever its namespace; empty when absent.
    QString attribute(QStringView localName) const;
    // Raises WorkbookError: the part is damaged.
    [[noreturn]] void fail() const;

private:
    QString m_part;
    std::unique_ptr<ZipPartDevice> m_device;
    QXmlStreamReader m_xml;
    int m_depth = 0;
};

} // namespace delvora
