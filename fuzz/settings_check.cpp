// The settings reader under any file content, and the judgement of any stored text: every row of
// the table comes back usable.
#include <QFile>
#include <QTemporaryDir>

#include <cmath>

#include "deal/dealing.h"
#include "fuzz/checks.h"
#include "platform/language.h"
#include "platform/settings_store.h"
#include "player/play_record.h"
#include "window/play_stats.h"
#include "window/settings.h"

namespace {

bool IsNumber(const Setting& s) { return s.textFits == nullptr; }

// A number row's value and, where the game reads it as one, its whole number.
std::string CheckNumber(const Setting& s, double value, int16_t whole) {
    if (!std::isfinite(value) || value < s.low || value > s.high) return std::string("bad value for ") + s.key;
    if (s.high > 32767) return {};  // the counts are read as numbers, never as 16-bit ones
    if (whole < s.low || whole > s.high) return std::string("bad whole value for ") + s.key;
    if (whole != std::nearbyint(value) && whole != QString(s.fallback).toDouble())
        return std::string("whole value is neither the value nor the default for ") + s.key;
    return {};
}

// A text row's judgement: the default, or a text that passes the row's check.
std::string CheckText(const Setting& s, const QString& text) {
    if (text != QString(s.fallback) && !s.textFits(text)) return std::string("a text the check refuses for ") + s.key;
    if (text != text.trimmed()) return std::string("untrimmed text for ") + s.key;
    return {};
}

}  // namespace

std::string CheckSettings(const uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath("Pelorand.ini");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    SetSettingsLocation(path);
    std::string problem;
    for (const Setting* s : AllSettings) {
        if (IsNumber(*s)) {
            problem = CheckNumber(*s, ReadSetting(*s), ReadSettingInt(*s));
        } else if (!s->keyFits) {
            problem = CheckText(*s, ReadSettingText(*s));
        } else {
            for (const QString& key : SettingFamilyKeys(*s)) {
                if (!s->keyFits(key)) problem = std::string("a key not of the family ") + s->key;
                if (problem.empty()) problem = CheckText(*s, ReadSettingText(*s, key));
                if (!problem.empty()) break;
            }
        }
        if (!problem.empty()) break;
    }
    // What the game makes of them is usable: a language it speaks, a head start it knows, a
    // difficulty that exists.
    if (problem.empty()) {
        const QString language = StartLanguage();
        if (language != "en" && !Languages().contains(language)) problem = "a start language the game does not speak";
        const int headStart = StoredHeadStartSeconds();
        if (headStart != 0 && headStart != 10 && headStart != 30 && headStart != 60 && headStart != -1) problem = "an unknown head start";
        if (const int level = StoredDealRule().level; level < 0 || level > 5) problem = "a dealing level out of range";
    }
    // The record with the old tally carried in loses no win the old tally counted, and survives
    // its own stored text.
    if (problem.empty()) {
        const PlayRecord record = StoredRecord();
        if (record.PlayerFirst() < static_cast<uint64_t>(ReadSetting(PlayerWinsSetting)) ||
            record.HintsFirst() < static_cast<uint64_t>(ReadSetting(HintWinsSetting)) ||
            record.ComputerFirst() < static_cast<uint64_t>(ReadSetting(ComputerWinsSetting)))
            problem = "the record lost wins of the old tally";
        PlayRecord again;
        again.Load(record.Save());
        if (!again.LoadEarlier(record.EarlierText())) problem = "the earlier wins do not survive their own text";
        if (again.Rows() != record.Rows() || again.FirstRatingRows() != record.FirstRatingRows() || !(again.Earlier() == record.Earlier()))
            problem = "the record does not survive its own stored text";
    }
    SetSettingsLocation({});
    return problem;
}

// The same judgement without the file: the bytes are cut into one stored text per setting
// (UTF-8, at each newline), and every row of the table must come back usable: a number in its
// range, a text its check passes (or the default).
std::string CheckSettingValues(const uint8_t* data, std::size_t size) {
    const QList<QByteArray> texts = QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\n');
    std::size_t i = 0;
    for (const Setting* s : AllSettings) {
        const QString stored = QString::fromUtf8(texts[static_cast<qsizetype>(i++ % texts.size())]);
        const std::string problem = IsNumber(*s) ? CheckNumber(*s, SettingValue(*s, stored), SettingValueInt(*s, stored))
                                                 : CheckText(*s, SettingText(*s, stored));
        if (!problem.empty()) return problem;
        // A text the check passes is kept as it stands, never replaced by the default.
        if (!IsNumber(*s) && s->textFits(stored.trimmed()) && SettingText(*s, stored) != stored.trimmed())
            return std::string("a text the check passes is not kept for ") + s->key;
    }
    return {};
}
