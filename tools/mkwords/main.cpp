// kwintel-mkwords INPUT PREFIX: makes the word-file set PREFIX02.DOC ... PREFIX19.DOC from a UTF-8
// word list (one word per line; INPUT "-" reads standard input).

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "engine/word_file_name.h"
#include "results/atomic_file_write.h"
#include "results/write_error_text.h"
#include "word_list_builder.h"

namespace {

constexpr const char* kUsage =
    "Gebruik: kwintel-mkwords INVOER VOORVOEGSEL\n"
    "Leest een UTF-8-woordenlijst (een woord per regel; INVOER - is standaardinvoer) en schrijft\n"
    "de woordbestanden VOORVOEGSEL02.DOC ... VOORVOEGSEL19.DOC: Windows-1252, hoofdletters,\n"
    "gesorteerd, een woord per regel; het 19-bestand bevat ook alle langere woorden.\n";

void PrintCounts(const kwintel::WordFileSet& set) {
  std::printf("Lengte  Woorden\n");
  long total = 0;
  for (int length = kwintel::kMinWordLength; length <= kwintel::kMaxWordLength; ++length) {
    const auto count = set.ForLength(length).size();
    total += static_cast<long>(count);
    std::printf("%-6s  %zu\n", length == kwintel::kMaxWordLength ? "19+" : std::to_string(length).c_str(),
                count);
  }
  std::printf("Totaal: %ld\n", total);
  std::printf("Overgeslagen: %d (geen Windows-1252-vorm: %d, stuurteken: %d, langer dan %zu tekens: %d)\n",
              set.Skipped(), set.noCp1252Form, set.controlCharacter,
              kwintel::kMaxWordFileWordLength, set.tooLong);
  std::printf("Weggelaten: %d korter dan 2 tekens, %d dubbel\n", set.tooShort, set.duplicates);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (argc != 3) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string input = argv[1];
  const std::string prefix = argv[2];

  kwintel::WordFileSet set;
  if (input == "-") {
    set = kwintel::BuildWordFileSet(std::cin);
    if (std::cin.bad()) {
      std::fprintf(stderr, "kwintel-mkwords: leesfout in standaardinvoer\n");
      return 1;
    }
  } else {
    std::ifstream file(input, std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "kwintel-mkwords: kan %s niet openen\n", input.c_str());
      return 1;
    }
    set = kwintel::BuildWordFileSet(file);
    // A list cut short by a read error would silently lose words: write nothing then.
    if (file.bad()) {
      std::fprintf(stderr, "kwintel-mkwords: leesfout in %s\n", input.c_str());
      return 1;
    }
  }

  for (int length = kwintel::kMinWordLength; length <= kwintel::kMaxWordLength; ++length) {
    const std::string path = kwintel::WordFileName(prefix, length);
    const int failure = kwintel::WriteFileAtomically(path, kwintel::WordFileContents(set.ForLength(length)));
    if (failure != 0) {
      std::fprintf(stderr, "kwintel-mkwords: kan %s niet schrijven: %s\n", path.c_str(),
                   kwintel::WriteErrorReason(failure).c_str());
      return 1;
    }
  }
  PrintCounts(set);
  return 0;
}
