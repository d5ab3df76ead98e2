// Every stored value, declared once with its section, key, default and the range or check it must pass.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

#include "expr/eval.h"
#include "expr/operations.h"
#include "platform/settings_store.h"

// Whose a stored value is: the computer's, the same for whoever plays on it (the window's place,
// the options), or one player's own (the record of play and its tally).
enum class SettingScope { Shared, PerPlayer };

// A row of the table. Every value the game stores is one: a number (judged by its range) or a
// text (judged by its check); a family is one row for many keys of a section that the game
// names as it goes (the record's "5_3_r2"), each judged alike.
struct Setting {
    const char* section;
    const char* key;       // for a family: the form of its keys, for people to read
    const char* fallback;  // the default, as stored text
    double low = 0, high = 0;  // a number: values outside fall back to the default
    // A text: whether a stored text (trimmed) is one the game can use; any other reads as the
    // default. None for a number.
    bool (*textFits)(const QString&) = nullptr;
    // A family: whether a key of the section is one of its keys. None for a single key.
    bool (*keyFits)(const QString&) = nullptr;
    SettingScope scope = SettingScope::Shared;
    // Written by older versions only: read to carry its value over, and never written again.
    bool retired = false;
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
// Now and then a puzzle with no answer (1), where the number of cards allows, or never on
// purpose (0).
inline constexpr Setting DealNoAnswersSetting{"Game", "DealNoAnswers", "0", 0, 1};

// The stored value as a number; the default when it is missing, not a number or out of range.
double ReadSetting(const Setting& setting);
// As above, rounded to a whole number (a half to the even neighbour).
int16_t ReadSettingInt(const Setting& setting);
// The stored text of a text row (trimmed); the default when it is missing or fails the row's check.
QString ReadSettingText(const Setting& setting);
// The same three for a text as stored, without the store: how every stored text is judged.
double SettingValue(const Setting& setting, const QString& stored);
int16_t SettingValueInt(const Setting& setting, const QString& stored);
QString SettingText(const Setting& setting, const QString& stored);
void WriteSetting(const Setting& setting, const QString& value);
void WriteSetting(const Setting& setting, double value);
// Whether the store holds the row's key at all, and the key removed.
bool HasSetting(const Setting& setting);
void RemoveSetting(const Setting& setting);

// A family's keys: those the store holds (in the family's form, any others left alone), one
// read and written, and every one of them removed.
QStringList SettingFamilyKeys(const Setting& family);
QString ReadSettingText(const Setting& family, const QString& key);
void WriteSetting(const Setting& family, const QString& key, const QString& value);
void RemoveSettingFamily(const Setting& family);
// Another player's own values, as Statistics shows them to a teacher: read only.
QString ReadPlayerSettingText(const Setting& setting, const QString& player);
QStringList PlayerSettingFamilyKeys(const Setting& family, const QString& player);
QString ReadPlayerSettingText(const Setting& family, const QString& key, const QString& player);

// Where a row lives for a player. A flag on the row and this one function, rather than a section
// function per row: the table stays a list of constants that shows at a glance which values are
// a player's own, and every per-player row of one player sits under one group,
// Player/<name>/<section>, so a player is removed in one go and never mixes with another. The
// first player (no name) keeps the row's own section, where the values always were.
QString SettingSection(const Setting& setting, const QString& player);
// A player's name as it stands in a section and a file name: letters, digits, '-', '_' and '~'
// as they are, every other byte %XX (a '.' too, so no name reads as a folder's "." or "..").
QString EncodedPlayer(const QString& player);
// The player whose own rows are read and written: "" for the first player (the computer
// account's), else the name chosen in View > Player, as stored.
QString CurrentPlayer();
// Every row of a player's own that the store holds for the player, removed.
void RemovePlayerRows(const QString& player);

// Whether the table asks the store for this: a key that is a row (a family's key in its form, a
// per-player row under any player's section), written only when the row is not retired, and a
// section's keys listed only for a family.
bool TableAllows(StoreAccess access, const QString& section, const QString& key);

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

// The operations answers may use: all four (0), + and − only (1), or +, − and × (2), as
// AllowedOperations numbers them.
inline constexpr Setting OperationsSetting{"Game", "Operations", "0", 0, 2};
AllowedOperations StoredOperations();

struct DealRule;
// The stored dealing options.
DealRule StoredDealRule();

// The language the game speaks from the next start on: a code ("en", "de", "fr"), or nothing
// for the system's; anything else stored reads as the system's.
bool IsLanguageChoice(const QString& text);
inline constexpr Setting LanguageSetting{.section = "Settings", .key = "Language", .fallback = "", .textFits = IsLanguageChoice};
QString StoredLanguage();
void StoreLanguage(const QString& language);
// The language to start in: the stored choice when the game speaks it, else the one the
// environment asks for.
QString StartLanguage();

// The board refuses steps that make a fraction or a number below zero (1), or takes any (0).
inline constexpr Setting WholeNumbersOnlySetting{"Game", "WholeNumbersOnly", "0", 0, 1};

// How often Your Answer has told how to race the computer fairly (three times at most).
inline constexpr Setting RaceTipsShownSetting{"Game", "RaceTipsShown", "0", 0, 1e9};

// The record of play, one player's own: a row per number of cards and level ("5_3_r2", the
// current rating's; "5_3", the first rating's, kept as they were), as PlayRecord::Save writes it.
bool IsRecordRowKey(const QString& key);
bool IsRecordRowText(const QString& text);
inline constexpr Setting RecordRowsSetting{.section = "Statistics", .key = "<cards>_<level>[_r2]", .fallback = "", .textFits = IsRecordRowText,
                                           .keyFits = IsRecordRowKey, .scope = SettingScope::PerPlayer};
// The wins the record counts beside its rows, "player hints computer": the tally an older
// version kept before the rows were (PlayRecord::EarlierText).
bool IsEarlierWinsText(const QString& text);
inline constexpr Setting EarlierWinsSetting{.section = "Statistics", .key = "EarlierWins", .fallback = "0 0 0", .textFits = IsEarlierWinsText,
                                            .scope = SettingScope::PerPlayer};

// The race against the computer as older versions kept it apart from the record: puzzles won by
// each side, hint wins among the player's. Carried into the record once, then removed.
inline constexpr Setting PlayerWinsSetting{.section = "Game", .key = "PlayerWins", .fallback = "0", .low = 0, .high = 1e9,
                                           .scope = SettingScope::PerPlayer, .retired = true};
inline constexpr Setting ComputerWinsSetting{.section = "Game", .key = "ComputerWins", .fallback = "0", .low = 0, .high = 1e9,
                                             .scope = SettingScope::PerPlayer, .retired = true};
inline constexpr Setting HintWinsSetting{.section = "Game", .key = "HintWins", .fallback = "0", .low = 0, .high = 1e9,
                                         .scope = SettingScope::PerPlayer, .retired = true};

// The players besides the first (the computer account's, who is always there): their names,
// each percent-encoded, between spaces. And the player playing now: a name of that list,
// encoded; empty, or any other text, for the first.
bool IsPlayersText(const QString& text);
inline constexpr Setting PlayersSetting{.section = "Settings", .key = "Players", .fallback = "", .textFits = IsPlayersText};
inline constexpr Setting CurrentPlayerSetting{.section = "Settings", .key = "Player", .fallback = "", .textFits = IsPlayersText};

// Every setting declared in this file, for whoever must check them all.
inline constexpr const Setting* AllSettings[] = {
    &MainLeft, &MainTop, &MainWidth, &MainHeight, &FaceCardsSetting, &HighCardSetting, &DealAnswerOnlySetting,
    &DealLevelSetting, &DealNoAnswersSetting, &HeadStartSetting, &ShowClockSetting, &OrderSetting, &LanguageSetting, &WholeNumbersOnlySetting,
    &OperationsSetting, &RaceTipsShownSetting, &RecordRowsSetting, &EarlierWinsSetting, &PlayerWinsSetting, &ComputerWinsSetting, &HintWinsSetting,
    &PlayersSetting, &CurrentPlayerSetting};
