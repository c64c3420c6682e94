#pragma once
// The "?" menu: the Info box and the maker's web pages.

extern const char* const kInstituteLabel;  // label of item 37

void ShowInfoBox();
void OpenHomePage();
void OpenInstitutePage();
