// What each fuzz target checks, shared by the fuzzers and by the test that replays every input
// they ever found. Each returns an empty text when all is well, else what went wrong.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

std::string CheckEval(const uint8_t* data, std::size_t size);      // any text, byte = character
std::string CheckSearch(const uint8_t* data, std::size_t size);    // a deck file, then seed bytes
std::string CheckDeckFile(const uint8_t* data, std::size_t size);  // any bytes as a deck file
std::string CheckSolverFast(const uint8_t* data, std::size_t size);  // an attempt built from the bytes
std::string CheckAnswerText(const uint8_t* data, std::size_t size);  // cards, then any text
std::string CheckPlayerSolver(const uint8_t* data, std::size_t size);  // cards and an answer card
std::string CheckCounter(const uint8_t* data, std::size_t size);  // cards and an answer card
// Cheaper checks of the same code, for many more inputs a second.
std::string CheckAnswerValue(const uint8_t* data, std::size_t size);   // cards, then an answer built from the bytes
std::string CheckCounterSmall(const uint8_t* data, std::size_t size);  // 3 or 4 cards and an answer card
std::string CheckPuzzleText(const uint8_t* data, std::size_t size);  // any text as a typed puzzle
std::string CheckPlayRecord(const uint8_t* data, std::size_t size);  // "key=value" lines as the stored record
std::string CheckPlayLog(const uint8_t* data, std::size_t size);  // any bytes as a player's log file
std::string CheckSettings(const uint8_t* data, std::size_t size);  // any bytes as the settings file
std::string CheckBoard(const uint8_t* data, std::size_t size);  // cards, an answer card, then picks on the board
std::string CheckLevel(const uint8_t* data, std::size_t size);  // cards and an answer card, the level
std::string CheckLevelSmall(const uint8_t* data, std::size_t size);  // the same on 3 or 4 cards
std::string CheckSettingValues(const uint8_t* data, std::size_t size);  // stored texts for every setting, no file
