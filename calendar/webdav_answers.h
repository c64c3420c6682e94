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
  std::string syncToken;  // DAV:sync-token as a property of a collection
  // Found while looking for calendars:
  bool isCalendar = false;
  std::string displayName;      // UTF-8
  std::string principal;        // href of the current user's principal
  std::string calendarHomeSet;  // href of the folder that holds the user's calendars
};

struct DavMultistatus {
  bool valid = false;  // false: not a multistatus document
  std::vector<DavResponse> responses;
  std::string syncToken;  // the new token at the end of a sync-collection answer
};

DavMultistatus ReadMultistatus(std::string_view xml);

// PROPFIND (Depth: 1) for the ETag and the kind of every member of a collection, and
// the collection's sync token where the server keeps one.
std::string EtagListingRequest();
// REPORT sync-collection: the members changed or removed since the token, with ETags.
std::string SyncCollectionRequest(const std::string& syncToken);
// PROPFIND for what leads to the calendars: kind, name, principal and calendar home.
std::string DiscoveryRequest();
// REPORT calendar-multiget for the objects at these hrefs, with their ETags and text.
std::string MultigetRequest(const std::vector<std::string>& hrefs);
// REPORT calendar-query for every object of the collection, with its ETag and text.
std::string CalendarQueryRequest();
