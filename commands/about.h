#pragma once
// The "?" menu: the Info box and the maker's web pages.

extern const char* const kInstituteLabel;  // label of kCmdInstitutePage

void ShowInfoBox();
void OpenHomePage();
void OpenInstitutePage();
