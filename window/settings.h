// Every stored setting, declared once with its section, key, default and valid range.
#pragma once

#include <QString>

#include <cstdint>

#include "expr/eval.h"

struct Setting {
    const char* section;
    const char* key;
    const char* fallback;  // the default, as stored text
    double low, high;      // values outside fall back to the default
};

inline constexpr const char* AppTitle = "Pelorand";

inline constexpr Setting MainLeft{"Settings", "MainLeft", "1000", -1e6, 1e6};     // twips
inline constexpr Setting MainTop{"Settings", "MainTop", "1000", -1e6, 1e6};       // twips
inline constexpr Setting MainWidth{"Settings", "MainWidth", "6500", 1, 1e6};      // twips
inline constexpr Setting MainHeight{"Settings", "MainHeight", "6500", 1, 1e6};    // twips
inline constexpr Setting FaceCardsSetting{"Game", "FaceCards", "5", 3, 7};
inline constexpr Setting HighCardSetting{"Game", "HighCard", "25", 1, 99};
// Which puzzles Deal stops at: only those with an answer (1) or every one (0), and only those
// of one difficulty (1..5) or any (0).
inline constexpr Setting DealAnswerOnlySetting{"Game", "DealAnswerOnly", "0", 0, 1};
inline constexpr Setting DealLevelSetting{"Game", "DealLevel", "0", 0, 5};

// The stored value as a number; the default when it is missing, not a number or out of range.
double ReadSetting(const Setting& setting);
// As above, rounded to a whole number (a half to the even neighbour).
int16_t ReadSettingInt(const Setting& setting);
// The same two for a text as stored, without the store: how every stored text is judged.
double SettingValue(const Setting& setting, const QString& stored);
int16_t SettingValueInt(const Setting& setting, const QString& stored);
void WriteSetting(const Setting& setting, const QString& value);
void WriteSetting(const Setting& setting, double value);

// When the computer starts looking on a new puzzle: entry 0 at once, 1..3 after 10, 30 or 60
// seconds, 4 only when the player gives up.
inline constexpr Setting HeadStartSetting{"Game", "HeadStart", "0", 0, 4};
// The stored head start in seconds, -1 for "only when I give up" (BeginHeadStart's terms).
int StoredHeadStartSeconds();

// The clock on the puzzle, in the status bar: shown (1) or not (0).
inline constexpr Setting ShowClockSetting{"Settings", "ShowClock", "0", 0, 1};

// The order of operations both sides read in: the game's own (0) or the school's (1).
inline constexpr Setting OrderSetting{"Game", "Order", "0", 0, 1};
OperatorOrder StoredOrder();

struct DealRule;
// The stored dealing options.
DealRule StoredDealRule();

// The language the game speaks from the next start on: a code ("en", "de", "fr"), or nothing
// for the system's. Stored as text under Settings, Language.
QString StoredLanguage();
void StoreLanguage(const QString& language);
// The language to start in: the stored choice when the game speaks it, else the one the
// environment asks for.
QString StartLanguage();

// The board refuses steps that make a fraction or a number below zero (1), or takes any (0).
inline constexpr Setting WholeNumbersOnlySetting{"Game", "WholeNumbersOnly", "0", 0, 1};

// How often Your Answer has told how to race the computer fairly (three times at most).
inline constexpr Setting RaceTipsShownSetting{"Game", "RaceTipsShown", "0", 0, 1e9};

// The race against the computer, puzzles won by each side; hint wins are among the player's.
inline constexpr Setting PlayerWinsSetting{"Game", "PlayerWins", "0", 0, 1e9};
inline constexpr Setting ComputerWinsSetting{"Game", "ComputerWins", "0", 0, 1e9};
inline constexpr Setting HintWinsSetting{"Game", "HintWins", "0", 0, 1e9};

// Every setting declared in this file, for whoever must check them all.
inline constexpr const Setting* AllSettings[] = {
    &MainLeft, &MainTop, &MainWidth, &MainHeight, &FaceCardsSetting, &HighCardSetting, &DealAnswerOnlySetting,
    &DealLevelSetting, &HeadStartSetting, &ShowClockSetting, &OrderSetting, &WholeNumbersOnlySetting, &RaceTipsShownSetting,
    &PlayerWinsSetting, &ComputerWinsSetting, &HintWinsSetting};
