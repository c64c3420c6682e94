#pragma once
// The XML of WebDAV and CalDAV: request bodies, and the multistatus answers read with
// Qt's XML stream reader.
#include <string>
#include <string_view>
#include <vector>

// One <response> of a multistatus answer.
struct DavResponse {
  std::string href;  // as the server wrote it, percent-encoding and all
  int status = 0;    // of the found properties (or of the response itself); 0 if none given
  std::string etag;
  std::string calendarData;  // UTF-8
  bool isCollection = false;
};

struct DavMultistatus {
  bool valid = false;  // false: not a multistatus document
  std::vector<DavResponse> responses;
};

DavMultistatus ReadMultistatus(std::string_view xml);

// PROPFIND (Depth: 1) for the ETag and the kind of every member of a collection.
std::string EtagListingRequest();
// REPORT calendar-multiget for the objects at these hrefs, with their ETags and text.
std::string MultigetRequest(const std::vector<std::string>& hrefs);
