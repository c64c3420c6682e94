#include "resources/resource_names.h"

const char* EmbeddedPictureName(int picture) {
  switch (picture) {
    case 0: return ":/pictures/decoration.jpg";
    case 1: return ":/pictures/organ01.jpg";
    case 2: return ":/pictures/organ02.jpg";
    case 3: return ":/pictures/organ03.jpg";
    case 4: return ":/pictures/organ04.jpg";
    case 5: return ":/pictures/organ05.jpg";
    case 6: return ":/pictures/organ06.jpg";
    case 7: return ":/pictures/organ07.jpg";
    case 8: return ":/pictures/organ08.jpg";
    case 9: return ":/pictures/organ09.jpg";
    case 10: return ":/pictures/organ10.bmp";  // 8-bit palette bitmap
    case 11: return ":/pictures/organ11.jpg";
    case 12: return ":/pictures/organ12.jpg";
    case 20: return ":/pictures/appointment_button.bmp";
    case 110: return ":/pictures/organclock.ico";
    default: return nullptr;
  }
}

const char* const* EmbeddedIconSizeNames(int picture) {
  static const char* const kProgramIcon[] = {":/icons/organclock-16.png",  ":/icons/organclock-24.png",
                                             ":/icons/organclock-32.png",  ":/icons/organclock-48.png",
                                             ":/icons/organclock-64.png",  ":/icons/organclock-128.png",
                                             ":/icons/organclock-256.png", nullptr};
  static const char* const kNone[] = {nullptr};
  return picture == 110 ? kProgramIcon : kNone;
}

const char* EmbeddedTwiceSizePictureName(int picture) {
  switch (picture) {
    case 0: return ":/pictures/decoration@2x.jpg";
    case 1: return ":/pictures/organ01@2x.jpg";
    case 2: return ":/pictures/organ02@2x.jpg";
    case 3: return ":/pictures/organ03@2x.jpg";
    case 4: return ":/pictures/organ04@2x.jpg";
    case 5: return ":/pictures/organ05@2x.jpg";
    case 6: return ":/pictures/organ06@2x.jpg";
    case 7: return ":/pictures/organ07@2x.jpg";
    case 8: return ":/pictures/organ08@2x.jpg";
    case 9: return ":/pictures/organ09@2x.jpg";
    case 10: return ":/pictures/organ10@2x.bmp";
    case 11: return ":/pictures/organ11@2x.jpg";
    case 12: return ":/pictures/organ12@2x.jpg";
    case 20: return ":/pictures/appointment_button@2x.bmp";
    default: return nullptr;
  }
}
