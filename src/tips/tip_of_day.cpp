#include "tips/tip_of_day.h"

#include <sys/stat.h>

#include <utility>

#include "tips/tip_strings.h"
#include "tips/tip_time_stamp.h"

namespace kwintel {

namespace {

constexpr std::size_t kMaxTipRead = 999;

// Reads one line the way a text-mode read of at most kMaxTipRead characters does on the platform
// the tips files come from: a CR LF counts as one line feed and arrives as '\n'. The line feed, if
// any, ends the line. False when nothing could be read (end of file or a read error).
bool ReadTextLine(std::FILE* file, std::string& line) {
  line.clear();
  while (line.size() < kMaxTipRead) {
    int c = std::getc(file);
    if (c == EOF) break;
    if (c == '\r') {
      int next = std::getc(file);
      if (next == '\n') {
        c = '\n';
      } else if (next != EOF) {
        std::ungetc(next, file);
      }
    }
    line.push_back(static_cast<char>(c));
    if (c == '\n') break;
  }
  return !line.empty();
}

bool IsTipLine(const std::string& line) {
  char first = line.front();
  return first != ' ' && first != '\t' && first != '\n' && first != ';';
}

}  // namespace

TipOfDay::TipOfDay(SettingsStore& profile, TipMessages& messages, const std::string& tipsPath)
    : profile_(profile), messages_(messages) {
  showAtStart_ = profile_.ReadInt(kTipSection, kStartUpKey, 0) == 0;
  long long position = profile_.ReadInt(kTipSection, kFilePosKey, 0);

  tipsStream_.reset(std::fopen(tipsPath.c_str(), "rb"));
  struct stat status {};
  // A folder opens for reading too, but holds no lines: it counts as a missing file.
  if (tipsStream_ && (fstat(fileno(tipsStream_.get()), &status) != 0 || !S_ISREG(status.st_mode))) {
    tipsStream_.reset();
  }
  if (!tipsStream_) {
    tipText_ = kTipsFileMissing;
    return;
  }

  std::string stamp = FileTimeStampText(fileno(tipsStream_.get()));
  if (stamp != profile_.ReadString(kTipSection, kTimeStampKey, "")) {
    profile_.WriteString(kTipSection, kTimeStampKey, stamp);
    position = 0;
  }
  // A position beyond the end is no failure: the first read finds the end and starts again at
  // the top. A negative one (a hand-edited setting) cannot be reached.
  if (position < 0 || fseeko(tipsStream_.get(), static_cast<off_t>(position), SEEK_SET) != 0) {
    messages_.ShowMessage(kTipsFileTrouble);
    return;
  }
  ReadNextTip();
}

TipOfDay::~TipOfDay() {
  if (!tipsStream_) return;
  off_t position = ftello(tipsStream_.get());
  if (position >= 0) profile_.WriteInt(kTipSection, kFilePosKey, position);
}

void TipOfDay::ReadNextTip() {
  std::FILE* file = tipsStream_.get();
  if (file == nullptr) return;
  // The reading must end even in a file without a single tip line. Our choice: after the end of
  // the file has been met twice (so one whole pass from the top found no tip) the tip is left
  // empty, without a message. A top that cannot be reached again is real trouble: message 110
  // once, and the tip is left empty as well.
  bool restarted = false;
  std::string line;
  for (;;) {
    if (!ReadTextLine(file, line)) {
      if (restarted) break;
      restarted = true;
      if (std::fseek(file, 0, SEEK_SET) != 0) {
        messages_.ShowMessage(kTipsFileTrouble);
        break;
      }
      std::clearerr(file);
      continue;
    }
    if (!IsTipLine(line)) continue;
    if (line.back() == '\n') line.pop_back();
    tipText_ = std::move(line);
    return;
  }
  tipText_.clear();
}

void TipOfDay::Confirm(bool showAtStartChecked) {
  showAtStart_ = showAtStartChecked;
  profile_.WriteInt(kTipSection, kStartUpKey, showAtStart_ ? 0 : 1);
}

}  // namespace kwintel
