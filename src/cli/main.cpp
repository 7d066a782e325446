// kwintel-cli: the headless front end. See --help.

#include <cstdio>
#include <string>
#include <variant>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_session.h"
#include "cli/usage_text.h"
#include "kwintel_version.h"
#include "shell/word_file_sources.h"

#ifdef KWINTEL_HAVE_ESPEAK
#include "engine/phonemizer.h"
#endif

int main(int argc, char** argv) {
  using namespace kwintel::cli;
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const auto parsed = ParseCliOptions(arguments);
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    std::fprintf(stderr, "kwintel-cli: %s\n", error->message.c_str());
    std::fwrite(UsageSummary().data(), 1, UsageSummary().size(), stderr);
    return kExitUsage;
  }
  const CliOptions& options = std::get<CliOptions>(parsed);
  switch (options.mode) {
    case CliOptions::Mode::Help:
      std::fwrite(HelpText().data(), 1, HelpText().size(), stdout);
      return std::fflush(stdout) == 0 ? kExitListed : kExitMessage;
    case CliOptions::Mode::Version:
      std::printf("kwintel-cli %s\n", KWINTEL_VERSION);
      return std::fflush(stdout) == 0 ? kExitListed : kExitMessage;
    case CliOptions::Mode::Search:
      break;
  }
#ifdef KWINTEL_HAVE_ESPEAK
  // Started only when a sound is asked for that the sound file does not hold.
  kwintel::Phonemizer phonemizer;
  return RunCliSession(options, kwintel::ExecutableFolder(), stdout, stderr, &phonemizer);
#else
  return RunCliSession(options, kwintel::ExecutableFolder(), stdout, stderr);
#endif
}
