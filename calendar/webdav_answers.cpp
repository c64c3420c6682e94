#include "calendar/webdav_answers.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <functional>

namespace {

constexpr auto kDav = "DAV:";
constexpr auto kCalDav = "urn:ietf:params:xml:ns:caldav";

// "HTTP/1.1 200 OK" -> 200.
// The text of the <href> inside the current element.
std::string InnerHref(QXmlStreamReader& xml) {
  std::string href;
  while (xml.readNextStartElement()) {
    if (xml.namespaceUri() == QLatin1String(kDav) && xml.name() == QLatin1String("href"))
      href = xml.readElementText().trimmed().toStdString();
    else xml.skipCurrentElement();
  }
  return href;
}

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
        } else if (dav && xml.name() == QLatin1String("sync-token")) {
          found.syncToken = xml.readElementText().trimmed().toStdString();
        } else if (xml.namespaceUri() == QLatin1String(kCalDav) &&
                   xml.name() == QLatin1String("calendar-data")) {
          found.calendarData = xml.readElementText().toStdString();
        } else if (dav && xml.name() == QLatin1String("resourcetype")) {
          while (xml.readNextStartElement()) {
            if (xml.namespaceUri() == QLatin1String(kDav) && xml.name() == QLatin1String("collection"))
              found.isCollection = true;
            if (xml.namespaceUri() == QLatin1String(kCalDav) && xml.name() == QLatin1String("calendar"))
              found.isCalendar = true;
            xml.skipCurrentElement();
          }
        } else if (dav && xml.name() == QLatin1String("displayname")) {
          found.displayName = xml.readElementText().trimmed().toStdString();
        } else if (dav && xml.name() == QLatin1String("current-user-principal")) {
          found.principal = InnerHref(xml);
        } else if (xml.namespaceUri() == QLatin1String(kCalDav) &&
                   xml.name() == QLatin1String("calendar-home-set")) {
          found.calendarHomeSet = InnerHref(xml);
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
  if (!found.syncToken.empty()) response.syncToken = found.syncToken;
  response.isCollection = response.isCollection || found.isCollection;
  response.isCalendar = response.isCalendar || found.isCalendar;
  if (!found.displayName.empty()) response.displayName = found.displayName;
  if (!found.principal.empty()) response.principal = found.principal;
  if (!found.calendarHomeSet.empty()) response.calendarHomeSet = found.calendarHomeSet;
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

enum class Wanted { Listing, Data, EtagOnly, Discovery };

void WriteProps(QXmlStreamWriter& xml, Wanted wanted) {
  xml.writeStartElement(kDav, "prop");
  if (wanted == Wanted::Discovery) {
    xml.writeEmptyElement(kDav, "resourcetype");
    xml.writeEmptyElement(kDav, "displayname");
    xml.writeEmptyElement(kDav, "current-user-principal");
    xml.writeEmptyElement(kCalDav, "calendar-home-set");
    xml.writeEndElement();
    return;
  }
  xml.writeEmptyElement(kDav, "getetag");
  if (wanted != Wanted::EtagOnly) xml.writeEmptyElement(kDav, "resourcetype");
  if (wanted == Wanted::Listing) xml.writeEmptyElement(kDav, "sync-token");
  if (wanted == Wanted::Data) xml.writeEmptyElement(kCalDav, "calendar-data");
  xml.writeEndElement();
}

// A request body: the root element in namespace `ns`, filled by `body`.
std::string Document(const char* ns, const char* root, const std::function<void(QXmlStreamWriter&)>& body) {
  QByteArray out;
  QXmlStreamWriter xml(&out);
  xml.writeStartDocument();
  xml.writeNamespace(kDav, "d");
  xml.writeNamespace(kCalDav, "c");
  xml.writeStartElement(ns, root);
  body(xml);
  xml.writeEndElement();
  xml.writeEndDocument();
  return out.toStdString();
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
    else if (xml.namespaceUri() == QLatin1String(kDav) && xml.name() == QLatin1String("sync-token"))
      result.syncToken = xml.readElementText().trimmed().toStdString();
    else xml.skipCurrentElement();
  }
  result.valid = !xml.hasError();
  return result;
}

std::string EtagListingRequest() {
  return Document(kDav, "propfind", [](QXmlStreamWriter& xml) { WriteProps(xml, Wanted::Listing); });
}

std::string DiscoveryRequest() {
  return Document(kDav, "propfind", [](QXmlStreamWriter& xml) { WriteProps(xml, Wanted::Discovery); });
}

std::string MultigetRequest(const std::vector<std::string>& hrefs) {
  return Document(kCalDav, "calendar-multiget", [&](QXmlStreamWriter& xml) {
    WriteProps(xml, Wanted::Data);
    for (const std::string& href : hrefs) xml.writeTextElement(kDav, "href", QString::fromStdString(href));
  });
}

std::string CalendarQueryRequest() {
  return Document(kCalDav, "calendar-query", [](QXmlStreamWriter& xml) {
    WriteProps(xml, Wanted::Data);
    xml.writeStartElement(kCalDav, "filter");
    xml.writeEmptyElement(kCalDav, "comp-filter");
    xml.writeAttribute("name", "VCALENDAR");
    xml.writeEndElement();
  });
}

std::string SyncCollectionRequest(const std::string& syncToken) {
  return Document(kDav, "sync-collection", [&](QXmlStreamWriter& xml) {
    xml.writeTextElement(kDav, "sync-token", QString::fromStdString(syncToken));
    xml.writeTextElement(kDav, "sync-level", "1");
    WriteProps(xml, Wanted::EtagOnly);
  });
}
