// kwintel-mkwords [--counts COUNTS] [--sounds [--sound-fixes FIXES]] INPUT PREFIX: makes the
// word-file set PREFIX02.DOC ... PREFIX19.DOC from a UTF-8 word list (one word per line; INPUT "-"
// reads standard input); with --counts, the counts file PREFIX.FRQ of that set from a list of
// counted word forms; with --sounds, its sound file PREFIX.KLK from espeak-ng and a table of
// corrections.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "counts_file_builder.h"
#include "engine/word_file_set.h"
#include "results/atomic_file_write.h"
#include "results/write_error_text.h"
#include "sounds_file_builder.h"
#include "word_list_builder.h"

#ifdef KWINTEL_HAVE_ESPEAK
#include "engine/phonemizer.h"
#endif

namespace {

constexpr const char* kUsage =
    "Gebruik: kwintel-mkwords [--counts TELLINGEN] [--sounds [--sound-fixes CORRECTIES]] INVOER VOORVOEGSEL\n"
    "Leest een UTF-8-woordenlijst (een woord per regel; INVOER - is standaardinvoer) en schrijft\n"
    "de woordbestanden VOORVOEGSEL02.DOC ... VOORVOEGSEL19.DOC: Windows-1252, hoofdletters,\n"
    "gesorteerd, een woord per regel; het 19-bestand bevat ook alle langere woorden.\n"
    "\n"
    "  --counts TELLINGEN  schrijft ook VOORVOEGSEL.FRQ, hoe vaak elk woord voorkomt. TELLINGEN\n"
    "                      is een UTF-8-bestand met regels die beginnen met een getal en een\n"
    "                      woord, gescheiden door witruimte (de rest van de regel telt niet mee);\n"
    "                      andere regels worden overgeslagen. Vormen die hetzelfde woord worden\n"
    "                      (En, en) tellen samen; woorden die niet in de lijst staan vallen weg.\n"
    "                      TELLINGEN - is standaardinvoer (dan niet ook INVOER -).\n"
    "  --sounds            schrijft ook VOORVOEGSEL.KLK, de klank van elk woord: regels\n"
    "                      WOORD<tab>KLANKEN in de klanktekens van espeak-ng (stem nl), voor\n"
    "                      de zoektypen Rijm, Halfrijm en Klinkt als. Duurt een paar seconden\n"
    "                      per 100.000 woorden.\n"
    "  --sound-fixes CORRECTIES\n"
    "                      (met --sounds) een UTF-8-bestand met regels WOORD<tab>KLANKEN die de\n"
    "                      klank van espeak-ng vervangen; regels die met # beginnen en lege\n"
    "                      regels tellen niet mee. Een foute regel houdt alles tegen.\n";

struct Arguments {
  std::string input;
  std::string prefix;
  std::optional<std::string> counts;
  bool sounds = false;
  std::optional<std::string> soundFixes;
};

// The arguments, or nothing when they are no valid use.
std::optional<Arguments> ParseArguments(int argc, char** argv) {
  Arguments arguments;
  std::vector<std::string> operands;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--counts") {
      if (arguments.counts || i + 1 == argc) return std::nullopt;
      arguments.counts = argv[++i];
    } else if (argument == "--sounds") {
      if (arguments.sounds) return std::nullopt;
      arguments.sounds = true;
    } else if (argument == "--sound-fixes") {
      if (arguments.soundFixes || i + 1 == argc) return std::nullopt;
      arguments.soundFixes = argv[++i];
    } else if (argument.size() > 1 && argument.front() == '-') {
      return std::nullopt;
    } else {
      operands.emplace_back(argument);
    }
  }
  if (operands.size() != 2) return std::nullopt;
  arguments.input = operands[0];
  arguments.prefix = operands[1];
  if (arguments.soundFixes && !arguments.sounds) return std::nullopt;
  // Standard input can be read only once.
  const int fromStandardInput = (arguments.input == "-") + (arguments.counts == "-") + (arguments.soundFixes == "-");
  if (fromStandardInput > 1) return std::nullopt;
  return arguments;
}

void PrintCounts(const kwintel::WordLists& set) {
  std::printf("Lengte  Woorden\n");
  long total = 0;
  for (int length = kwintel::kMinWordLength; length <= kwintel::kMaxWordLength; ++length) {
    const auto count = set.ForLength(length).size();
    total += static_cast<long>(count);
    std::printf("%-6s  %zu\n", length == kwintel::kMaxWordLength ? "19+" : std::to_string(length).c_str(), count);
  }
  std::printf("Totaal: %ld\n", total);
  std::printf("Overgeslagen: %d (geen Windows-1252-vorm: %d, stuurteken: %d, langer dan %zu tekens: %d)\n",
              set.Skipped(), set.noCp1252Form, set.controlCharacter, kwintel::kMaxWordFileWordLength, set.tooLong);
  std::printf("Weggelaten: %d korter dan 2 tekens, %d dubbel\n", set.tooShort, set.duplicates);
}

// Runs `read` on the file at `path` (standard input for "-"). False, after a message, when the
// file cannot be opened or a read error cuts it short: what was read would lose lines unseen.
template <typename Read>
bool ReadInput(const std::string& path, Read read) {
  if (path == "-") {
    read(std::cin);
    if (!std::cin.bad()) return true;
    std::fprintf(stderr, "kwintel-mkwords: leesfout in standaardinvoer\n");
    return false;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "kwintel-mkwords: kan %s niet openen\n", path.c_str());
    return false;
  }
  read(file);
  if (!file.bad()) return true;
  std::fprintf(stderr, "kwintel-mkwords: leesfout in %s\n", path.c_str());
  return false;
}

bool Write(const std::string& path, std::string_view contents) {
  const int failure = kwintel::WriteFileAtomically(path, contents);
  if (failure == 0) return true;
  std::fprintf(stderr, "kwintel-mkwords: kan %s niet schrijven: %s\n", path.c_str(),
               kwintel::WriteErrorReason(failure).c_str());
  return false;
}

// The sound file's contents from espeak-ng, one word at a time, with `fixes` taking precedence;
// nothing, after a message, when espeak-ng cannot start (or is not built in).
std::optional<std::string> SoundsContents(const kwintel::WordLists& set, const kwintel::SoundFixes& fixes,
                                          kwintel::SoundsFileReport& report) {
#ifdef KWINTEL_HAVE_ESPEAK
  kwintel::Phonemizer phonemizer;
  if (!phonemizer.Ready()) {
    std::fprintf(stderr, "kwintel-mkwords: %s\n", phonemizer.Failure().c_str());
    return std::nullopt;
  }
  return kwintel::SoundsFileContents(
      set, fixes, [&](std::string_view word) { return phonemizer.PhonemesOf(word); }, report);
#else
  (void)set;
  (void)fixes;
  (void)report;
  std::fprintf(stderr, "kwintel-mkwords: gebouwd zonder espeak-ng (libespeak-ng): --sounds kan niet\n");
  return std::nullopt;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  const std::optional<Arguments> arguments = ParseArguments(argc, argv);
  if (!arguments) {
    std::fputs(kUsage, stderr);
    return 2;
  }

  kwintel::WordLists set;
  if (!ReadInput(arguments->input, [&](std::istream& in) { set = kwintel::BuildWordLists(in); })) return 1;
  // Both lists are read before anything is written, so a missing counts list leaves the old set
  // as it was.
  std::optional<kwintel::CountsFileBuilder> counts;
  if (arguments->counts &&
      !ReadInput(*arguments->counts, [&](std::istream& in) { counts.emplace(kwintel::BuildCountsFile(in, set)); })) {
    return 1;
  }
  std::optional<kwintel::SoundFixes> fixes;
  if (arguments->soundFixes) {
    std::string failure;
    if (!ReadInput(*arguments->soundFixes, [&](std::istream& in) { fixes = kwintel::ReadSoundFixes(in, failure); })) {
      return 1;
    }
    if (!fixes) {
      std::fprintf(stderr, "kwintel-mkwords: %s, %s\n", arguments->soundFixes->c_str(), failure.c_str());
      return 1;
    }
  }
  // The sounds too are made before anything is written, so espeak-ng failing to start leaves the
  // old files as they were.
  std::optional<std::string> sounds;
  kwintel::SoundsFileReport soundsReport;
  if (arguments->sounds) {
    sounds = SoundsContents(set, fixes ? *fixes : kwintel::SoundFixes(), soundsReport);
    if (!sounds) return 1;
  }

  for (int length = kwintel::kMinWordLength; length <= kwintel::kMaxWordLength; ++length) {
    if (!Write(kwintel::WordFileSet::FileNameOf(arguments->prefix, length),
               kwintel::WordFileContents(set.ForLength(length)))) {
      return 1;
    }
  }
  const std::string countsPath = kwintel::WordFileSet::CountsPathOf(arguments->prefix);
  if (counts && !Write(countsPath, counts->Contents())) return 1;
  const std::string soundsPath = kwintel::WordFileSet::SoundsPathOf(arguments->prefix);
  if (sounds && !Write(soundsPath, *sounds)) return 1;

  PrintCounts(set);
  if (counts) {
    std::printf("Met telling: %zu woorden (%s)\n", counts->CountedWords(), countsPath.c_str());
    std::printf("Tellingen overgeslagen: %zu regels zonder getal en woord; niet in de lijst: %zu\n",
                counts->SkippedLines(), counts->DroppedForms());
  }
  if (sounds) {
    std::printf("Met klank: %zu woorden (%s)\n", soundsReport.words - soundsReport.soundless, soundsPath.c_str());
    std::printf("Klanken: %zu uit de correcties, %zu zonder klank; correcties niet in de lijst: %zu\n",
                soundsReport.fixed, soundsReport.soundless, soundsReport.unused);
  }
  return 0;
}
