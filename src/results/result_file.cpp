#include "results/result_file.h"

#include <cerrno>
#include <new>

#include "results/atomic_file_write.h"
#include "results/write_error_text.h"
#include "text/text_encoding.h"

namespace kwintel {

std::optional<std::string> WriteResultFileTo(const ResultList& list, const std::string& path) {
  int error = 0;
  try {
    std::string content;
    const int lastResultLine = list.Count() - 2;  // the last line is the summary line
    for (int i = 0; i <= lastResultLine; ++i) {
      content += Cp1252ToUtf8(list.Text(i));
      content += '\n';
    }
    error = WriteFileAtomically(path, content);
  } catch (const std::bad_alloc&) {
    error = ENOMEM;
  }
  if (error == 0) return std::nullopt;
  return ResultWriteErrorText(path, error);
}

}  // namespace kwintel
