#include "results/write_error_text.h"

#include <cerrno>

#include "text/text_encoding.h"

namespace kwintel {

std::string WriteErrorReason(int errorNumber) {
  switch (errorNumber) {
    case EACCES:
    case EPERM:
      return "Toegang geweigerd";
    case ENOSPC:
      return "Schijf vol";
    case EROFS:
      return "Alleen-lezen bestandssysteem";
    case ENOENT:
    case ENOTDIR:  // a file where the path needs a folder
      return "Map bestaat niet";
    case EISDIR:
      return "Is een map";
    case EDQUOT:
      return "Quotum overschreden";
    case ENOMEM:
      return "Onvoldoende geheugen";
    default:
      return "systeemfout " + std::to_string(errorNumber);
  }
}

std::string ResultWriteErrorText(const std::string& path, int errorNumber) {
  return "Kan resultaat niet schrijven naar " + FileNameForDisplay(path) + ": " + WriteErrorReason(errorNumber);
}

}  // namespace kwintel
