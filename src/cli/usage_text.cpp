#include "cli/usage_text.h"

namespace kwintel::cli {

std::string_view UsageSummary() {
  return "Gebruik: kwintel-cli [OPTIE]... [--] PATROON\n"
         "Meer uitleg: kwintel-cli --help\n";
}

std::string_view HelpText() {
  return R"(Gebruik: kwintel-cli [OPTIE]... [--] PATROON
Zoekt in de woordbestanden naar woorden die bij PATROON passen, zoals het venster van Kwintel
met "&Ga zoeken" doet, en zet de resultaatlijst met haar slotregel op standaarduitvoer.
Een PATROON dat met '-' begint, komt na "--": kwintel-cli -- -R..S

Formulier:
  -w, --words VOORVOEGSEL  map en basisnaam van de woordbestanden (VOORVOEGSEL02.DOC ...
                           VOORVOEGSEL19.DOC); zonder -w de set naast het programma
  -t, --type NAAM          zoektype (hoofdletters doen er niet toe): Volgorde, Frequentie,
                           Anagram, Anagram-1, Stapel, Set, Product, Subset, Som, Telefoon,
                           Meerwoord, Verborgen, Drukfout, Rijm, Halfrijm, "Klinkt als",
                           Wordfeud, Scrabble, Lingo; standaard Volgorde
  -l, --lengths LIJST      woordlengtes 2..19 (19 is "19+"), met komma's en reeksen: 5,7 of
                           2-6,19; "none" zet ze alle uit ("Geen"); standaard alle
  -m, --max N              hoogstens N resultaatregels (een geheel getal vanaf 1); standaard 100
      --with LETTERS       "Met:": alleen woorden met al deze letters
      --without LETTERS    "Zonder:": alleen woorden zonder een van deze letters
      --show-length        "Met lengte": de woordlengte voor elke regel
      --keep-ij            "IJ één letter" uit: woorden met IJ blijven staan
      --lower              "Klein": nieuwe regels in kleine letters
      --common             "Gangbaar": de gangbaarste woorden eerst, naar de woordfrequenties
                           naast de woordbestanden (VOORVOEGSEL.FRQ); leest alle woorden.
                           Rijm, Halfrijm en Klinkt als lezen de klanken in VOORVOEGSEL.KLK

Handelingen na het zoeken, in de gegeven volgorde:
      --narrow TYPE:PATROON  "&Doorzoeken" met dat zoektype en patroon (negeert -l)
      --sort                 "Sorteer": oplopend, aflopend, op uitgang oplopend, op uitgang
                             aflopend; na elke zoekopdracht en --narrow weer oplopend
      --restore              "Vorige": de regels van de zoekopdracht terug
  -o, --output BESTAND     schrijft de resultaatregels (zonder slotregel) in UTF-8 naar precies
                           BESTAND, zoals "&Schrijf resultaat..."; het laatste -o telt

  -h, --help               deze uitleg
      --version            het versienummer

Zoektypen, met een voorbeeld:
  Volgorde    kwintel-cli R..S               . of ? een letter, / klinker, \ medeklinker,
                                             [..] een van, {..} geen van, * een reeks,
                                             & $ ^ letters die terugkomen, @ een spatie
              kwintel-cli -- -*E*            '-' vooraan: woorden die NIET passen
  Frequentie  kwintel-cli -t Frequentie 2211 twee letters tweemaal, twee eenmaal
  Anagram     kwintel-cli -t Anagram ROOS-T  woorden met deze letters (en meer); met '-' elk precies
                                             zo vaak, en zonder de letters na '-'
  Anagram-1   kwintel-cli -t Anagram-1 KAART anagrammen met een letter verwisseld
  Stapel      kwintel-cli -t Stapel "BCDFGHJKLMNPQRSTVWXZ 4"
                                             vier letters uit de groep achter elkaar
  Set         kwintel-cli -t Set ANS         woorden met alleen deze letters
  Product     kwintel-cli -t Product KAT     product van de letterwaarden (A=1 .. Z=26)
                                             gelijk aan dat van KAT, of aan een getal: 220
  Subset      kwintel-cli -t Subset KAARTEN  woorden te spellen met deze letters
  Som         kwintel-cli -t Som KAT         som van de letterwaarden
  Telefoon    kwintel-cli -t Telefoon 7667   woorden die deze cijfers geven op een
                                             telefoontoetsenbord (ook: ROOS)
  Meerwoord   kwintel-cli -t Meerwoord "KRUISWOORDPUZZEL 5,5,6"
                                             anagrammen in twee woorden, of in woorden
                                             van deze lengtes (2 tot 4, samen alle letters)
  Verborgen   kwintel-cli -t Verborgen "de kat eet rood vlees"
                                             woorden verborgen in de letters, ook
                                             achterstevoren («DOOR <»)
  Drukfout    kwintel-cli -t Drukfout ROOS   woorden die op precies een letter na passen
  Rijm        kwintel-cli -t Rijm --common SINTERKLAAS
                                             woorden die erop rijmen (BAAS, KAAS, HELAAS),
                                             de gangbaarste eerst; "VERJAARDAG 1": met een
                                             lettergreep
  Halfrijm    kwintel-cli -t Halfrijm DRANK  dezelfde klinkers vanaf de klemtoon (RAMP, BANK)
  Klinkt als  kwintel-cli -t "Klinkt als" HARD
                                             woorden die hetzelfde klinken (HART)
  Wordfeud    kwintel-cli -t Wordfeud "AEKRST? ..A.."
                                             woorden van deze letters (? een blanco), door
                                             de letters op het bord, hoogste score eerst
  Scrabble    kwintel-cli -t Scrabble "AEKRST?"   hetzelfde met de stenen van Scrabble
  Lingo       kwintel-cli -t Lingo --common "KAART/g...o"
                                             woorden die bij deze kleuren passen (g groen,
                                             o oranje, . grijs)

Voorbeeld met handelingen:
  kwintel-cli -t Subset KAARTEN --narrow Volgorde:*T --sort --sort -o lijst.txt

Afsluitwaarde: 0 de lijst is getoond (ook bij "Totaal: 0"); 1 een melding van Kwintel, op
standaardfout als "TITEL: TEKST"; 2 een fout in de opdrachtregel.
Ctrl+C tijdens het zoeken werkt als "&Onderbreek": de lijst eindigt met "Onderbroken: Ne".
)";
}

}  // namespace kwintel::cli
