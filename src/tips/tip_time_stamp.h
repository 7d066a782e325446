#pragma once
// The time stamp by which the tip of the day notices that its tips file was replaced.

#include <ctime>
#include <string>

namespace kwintel {

// A calendar time in the classic 24-character text form, "Wed Jun 30 21:49:08 1993": English
// weekday and month, the day padded with a blank to two places, no line end. Independent of the
// locale.
std::string CalendarTimeText(const std::tm& time);

// The time stamp text of an open file: its birth time where the file system reports one, else
// its status-change time, as local time in the form above. Empty when neither can be had.
std::string FileTimeStampText(int fileDescriptor);

}  // namespace kwintel
