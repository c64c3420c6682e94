#pragma once
// The program's local time zone for libical, named as the system names it
// ("Europe/Berlin"), with a VTIMEZONE that holds only the rules still in force.
struct _icaltimezone;

// Null when the system's zone has no name libical knows: times are then written
// floating, local wherever they are read.
_icaltimezone* LocalTimeZone();
