#pragma once
// Runs kwintel-cli as a process for the end-to-end tests.

#include <string>
#include <utility>
#include <vector>

namespace kwintel::cli::e2e {

struct ProcessResult {
  int status = -1;  // exit status; 128 + signal number when killed by a signal
  std::string out;
  std::string err;

  std::vector<std::string> Lines() const;  // standard output split at LF
};

struct ProcessSetup {
  std::string program = KWINTEL_CLI_PATH;
  std::vector<std::pair<std::string, std::string>> environment;  // added to the inherited one
  long fileSizeLimit = 0;  // bytes; above 0: RLIMIT_FSIZE in the child, SIGXFSZ ignored
  std::string stdoutPath;  // non-empty: standard output goes to this file instead
};

// Runs `program` with `arguments` (no shell), collecting both outputs.
ProcessResult RunProcess(const std::vector<std::string>& arguments, const ProcessSetup& setup = {});

}  // namespace kwintel::cli::e2e
