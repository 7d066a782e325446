// kwintel-mkwords [--counts COUNTS] INPUT PREFIX: makes the word-file set PREFIX02.DOC ...
// PREFIX19.DOC from a UTF-8 word list (one word per line; INPUT "-" reads standard input) and,
// with --counts, the counts file PREFIX.FRQ of that set from a list of counted word forms.

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
#include "word_list_builder.h"

namespace {

constexpr const char* kUsage =
    "Gebruik: kwintel-mkwords [--counts TELLINGEN] INVOER VOORVOEGSEL\n"
    "Leest een UTF-8-woordenlijst (een woord per regel; INVOER - is standaardinvoer) en schrijft\n"
    "de woordbestanden VOORVOEGSEL02.DOC ... VOORVOEGSEL19.DOC: Windows-1252, hoofdletters,\n"
    "gesorteerd, een woord per regel; het 19-bestand bevat ook alle langere woorden.\n"
    "\n"
    "  --counts TELLINGEN  schrijft ook VOORVOEGSEL.FRQ, hoe vaak elk woord voorkomt. TELLINGEN\n"
    "                      is een UTF-8-bestand met regels die beginnen met een getal en een\n"
    "                      woord, gescheiden door witruimte (de rest van de regel telt niet mee);\n"
    "                      andere regels worden overgeslagen. Vormen die hetzelfde woord worden\n"
    "                      (En, en) tellen samen; woorden die niet in de lijst staan vallen weg.\n"
    "                      TELLINGEN - is standaardinvoer (dan niet ook INVOER -).\n";

struct Arguments {
  std::string input;
  std::string prefix;
  std::optional<std::string> counts;
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
    } else if (argument.size() > 1 && argument.front() == '-') {
      return std::nullopt;
    } else {
      operands.emplace_back(argument);
    }
  }
  if (operands.size() != 2) return std::nullopt;
  arguments.input = operands[0];
  arguments.prefix = operands[1];
  // Standard input can be read only once.
  if (arguments.counts == "-" && arguments.input == "-") return std::nullopt;
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

  for (int length = kwintel::kMinWordLength; length <= kwintel::kMaxWordLength; ++length) {
    if (!Write(kwintel::WordFileSet::FileNameOf(arguments->prefix, length),
               kwintel::WordFileContents(set.ForLength(length)))) {
      return 1;
    }
  }
  const std::string countsPath = kwintel::WordFileSet::CountsPathOf(arguments->prefix);
  if (counts && !Write(countsPath, counts->Contents())) return 1;

  PrintCounts(set);
  if (counts) {
    std::printf("Met telling: %zu woorden (%s)\n", counts->CountedWords(), countsPath.c_str());
    std::printf("Tellingen overgeslagen: %zu regels zonder getal en woord; niet in de lijst: %zu\n",
                counts->SkippedLines(), counts->DroppedForms());
  }
  return 0;
}
