#include "tips/tip_time_stamp.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>

namespace kwintel {

std::string CalendarTimeText(const std::tm& time) {
  static const char* const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  // Not asctime or strftime: the first is undefined for odd years, the second follows the locale,
  // and the stored text must compare equal between runs whatever the user's language.
  const char* weekday = (time.tm_wday >= 0 && time.tm_wday < 7) ? kWeekdays[time.tm_wday] : "???";
  const char* month = (time.tm_mon >= 0 && time.tm_mon < 12) ? kMonths[time.tm_mon] : "???";
  char text[64];
  std::snprintf(text, sizeof text, "%s %s%3d %.2d:%.2d:%.2d %d", weekday, month, time.tm_mday, time.tm_hour,
                time.tm_min, time.tm_sec, time.tm_year + 1900);
  return text;
}

std::string FileTimeStampText(int fileDescriptor) {
  std::time_t seconds = 0;
  struct statx status {};
  if (statx(fileDescriptor, "", AT_EMPTY_PATH, STATX_BTIME | STATX_CTIME, &status) == 0 &&
      (status.stx_mask & (STATX_BTIME | STATX_CTIME)) != 0) {
    seconds = (status.stx_mask & STATX_BTIME) ? status.stx_btime.tv_sec : status.stx_ctime.tv_sec;
  } else {
    // Kernels or file systems without statx still answer fstat.
    struct stat plain {};
    if (fstat(fileDescriptor, &plain) != 0) return {};
    seconds = plain.st_ctime;
  }
  std::tm local{};
  if (localtime_r(&seconds, &local) == nullptr) return {};
  return CalendarTimeText(local);
}

}  // namespace kwintel
