#include "sheets/xmlpartreader.h"

#include "sheets/spreadsheettexts.h"
#include "sheets/workbookerror.h"

namespace delvora {

XmlPartReader::XmlPartReader(const ZipArchive &archive, const QString &part)
    : m_part(part), m_device(archive.open(part)) {
    m_xml.setDevice(m_device.get());
    m_xml.setNamespaceProcessing(true);
}

bool XmlPartReader::next() {
    for (;;) {
        switch (m_xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++m_depth > kMaxDepth)
                throw WorkbookError(texts::xmlTooDeep(m_part));
            return true;
        case QXmlStreamReader::EndElement:
            --m_depth;
            return true;
        case QXmlStreamReader::Characters:
            return true;
        case QXmlStreamReader::EndDocument:
            return false;
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            throw WorkbookError(texts::xmlDeclarations(m_part));
        case QXmlStreamReader::Invalid:
            if (!m_device->reasonText().isEmpty())
                throw WorkbookError(m_device->reasonText());
            throw WorkbookError(texts::xmlMalformed(m_part, m_xml.errorString()));
        default:
            break; // declarations, comments, processing instructions
        }
    }
}

QString XmlPartReader::attribute(QStringView localName) const {
    const QXmlStreamAttributes attributes = m_xml.attributes();
    for (const QXmlStreamAttribute &a : attributes)
        if (a.name() == localName)
            return a.value().toString();
    return {};
}

void XmlPartReader::fail() const {
    throw WorkbookError(texts::damagedPart(m_part));
}

} // namespace delvora
