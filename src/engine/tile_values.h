#pragma once
// The tiles of the Dutch editions of Wordfeud and Scrabble: what each letter is worth, how many
// tiles of it the game holds, its blanks and the bonus for laying a whole rack at once.

#include <array>

namespace kwintel {

enum class TileGame { Wordfeud, Scrabble };

inline constexpr int kRackSize = 7;

struct TileSet {
  std::array<int, 26> values;  // of A .. Z
  std::array<int, 26> counts;  // tiles of A .. Z in the game
  int blanks;                  // a blank is worth 0
  int allTilesBonus;           // for laying all seven tiles of a full rack in one word
};

// clang-format off
inline constexpr TileSet kWordfeudTiles{
    //         A  B  C  D  E   F  G  H  I  J  K  L  M  N   O  P  Q   R  S  T  U  V  W  X  Y  Z
    .values = {1, 4, 5, 2, 1,  4, 3, 4, 2, 4, 3, 3, 3, 1,  1, 4, 10, 2, 2, 2, 2, 4, 5, 8, 8, 5},
    .counts = {7, 2, 2, 5, 18, 2, 3, 2, 4, 2, 3, 3, 3, 11, 6, 2, 1,  5, 5, 5, 3, 2, 2, 1, 1, 2},
    .blanks = 2,
    .allTilesBonus = 40};
inline constexpr TileSet kScrabbleTiles{
    //         A  B  C  D  E   F  G  H  I  J  K  L  M  N   O  P  Q   R  S  T  U  V  W  X  Y  Z
    .values = {1, 3, 5, 2, 1,  4, 3, 4, 1, 4, 3, 3, 3, 1,  1, 3, 10, 2, 2, 2, 4, 4, 5, 8, 8, 4},
    .counts = {6, 2, 2, 5, 18, 2, 3, 2, 4, 2, 3, 3, 3, 10, 6, 2, 1,  5, 5, 5, 3, 2, 2, 1, 1, 2},
    .blanks = 2,
    .allTilesBonus = 50};
// clang-format on

constexpr const TileSet& TilesOf(TileGame game) { return game == TileGame::Wordfeud ? kWordfeudTiles : kScrabbleTiles; }

}  // namespace kwintel
