#include "calendar/webdav_answers.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

constexpr auto kDav = "DAV:";
constexpr auto kCalDav = "urn:ietf:params:xml:ns:caldav";

// "HTTP/1.1 200 OK" -> 200.
int StatusCode(const QString& line) {
  const QStringList parts = line.split(' ', Qt::SkipEmptyParts);
  return parts.size() >= 2 ? parts[1].toInt() : 0;
}

void ReadPropstat(QXmlStreamReader& xml, DavResponse& response) {
  DavResponse found;
  int status = 0;
  while (xml.readNextStartElement()) {
    if (xml.namespaceUri() == QLatin1String(kDav) && xml.name() == QLatin1String("status")) {
      status = StatusCode(xml.readElementText());
    } else if (xml.namespaceUri() == QLatin1String(kDav) && xml.name() == QLatin1String("prop")) {
      while (xml.readNextStartElement()) {
        const bool dav = xml.namespaceUri() == QLatin1String(kDav);
        if (dav && xml.name() == QLatin1String("getetag")) {
          found.etag = xml.readElementText().trimmed().toStdString();
        } else if (xml.namespaceUri() == QLatin1String(kCalDav) &&
                   xml.name() == QLatin1String("calendar-data")) {
          found.calendarData = xml.readElementText().toStdString();
        } else if (dav && xml.name() == QLatin1String("resourcetype")) {
          while (xml.readNextStartElement()) {
            if (xml.namespaceUri() == QLatin1String(kDav) && xml.name() == QLatin1String("collection"))
              found.isCollection = true;
            xml.skipCurrentElement();
          }
        } else {
          xml.skipCurrentElement();
        }
      }
    } else {
      xml.skipCurrentElement();
    }
  }
  // Properties the server could not give come in a propstat of their own (404).
  if (status / 100 != 2) return;
  response.status = status;
  if (!found.etag.empty()) response.etag = found.etag;
  if (!found.calendarData.empty()) response.calendarData = found.calendarData;
  response.isCollection = response.isCollection || found.isCollection;
}

DavResponse ReadResponse(QXmlStreamReader& xml) {
  DavResponse response;
  while (xml.readNextStartElement()) {
    if (xml.namespaceUri() != QLatin1String(kDav)) {
      xml.skipCurrentElement();
    } else if (xml.name() == QLatin1String("href")) {
      response.href = xml.readElementText().trimmed().toStdString();
    } else if (xml.name() == QLatin1String("status")) {
      response.status = StatusCode(xml.readElementText());
    } else if (xml.name() == QLatin1String("propstat")) {
      ReadPropstat(xml, response);
    } else {
      xml.skipCurrentElement();
    }
  }
  return response;
}

void WriteProps(QXmlStreamWriter& xml, bool withData) {
  xml.writeStartElement(kDav, "prop");
  xml.writeEmptyElement(kDav, "getetag");
  xml.writeEmptyElement(kDav, "resourcetype");
  if (withData) xml.writeEmptyElement(kCalDav, "calendar-data");
  xml.writeEndElement();
}

}  // namespace

DavMultistatus ReadMultistatus(std::string_view text) {
  QXmlStreamReader xml(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
  DavMultistatus result;
  if (!xml.readNextStartElement() || xml.namespaceUri() != QLatin1String(kDav) ||
      xml.name() != QLatin1String("multistatus"))
    return result;
  while (xml.readNextStartElement()) {
    if (xml.namespaceUri() == QLatin1String(kDav) && xml.name() == QLatin1String("response"))
      result.responses.push_back(ReadResponse(xml));
    else xml.skipCurrentElement();
  }
  result.valid = !xml.hasError();
  return result;
}

std::string EtagListingRequest() {
  QByteArray out;
  QXmlStreamWriter xml(&out);
  xml.writeStartDocument();
  xml.writeNamespace(kDav, "d");
  xml.writeStartElement(kDav, "propfind");
  WriteProps(xml, false);
  xml.writeEndElement();
  xml.writeEndDocument();
  return out.toStdString();
}

std::string MultigetRequest(const std::vector<std::string>& hrefs) {
  QByteArray out;
  QXmlStreamWriter xml(&out);
  xml.writeStartDocument();
  xml.writeNamespace(kDav, "d");
  xml.writeNamespace(kCalDav, "c");
  xml.writeStartElement(kCalDav, "calendar-multiget");
  WriteProps(xml, true);
  for (const std::string& href : hrefs) xml.writeTextElement(kDav, "href", QString::fromStdString(href));
  xml.writeEndElement();
  xml.writeEndDocument();
  return out.toStdString();
}
