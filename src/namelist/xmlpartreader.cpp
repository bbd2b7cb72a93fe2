#include "namelist/xmlpartreader.h"

#include "namelist/spreadsheettexts.h"
#include "namelist/workbookerror.h"

namespace delvora {

XmlPartReader::XmlPartReader(const ZipArchive &archive, const QString &part)
    : m_strPart(part), m_pDevice(archive.open(part)) {
    m_xml.setDevice(m_pDevice.get());
    m_xml.setNamespaceProcessing(true);
}

bool XmlPartReader::next() {
    for (;;) {
        switch (m_xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++m_nDepth > kMaxDepth)
                throw WorkbookError(texts::xmlTooDeep(m_strPart));
            return true;
        case QXmlStreamReader::EndElement:
            --m_nDepth;
            return true;
        case QXmlStreamReader::Characters:
            return true;
        case QXmlStreamReader::EndDocument:
            return false;
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            throw WorkbookError(texts::xmlDeclarations(m_strPart));
        case QXmlStreamReader::Invalid:
            if (!m_pDevice->reasonText().isEmpty())
                throw WorkbookError(m_pDevice->reasonText());
            throw WorkbookError(texts::xmlMalformed(m_strPart, m_xml.errorString()));
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
    throw WorkbookError(texts::damagedPart(m_strPart));
}

} // namespace delvora
