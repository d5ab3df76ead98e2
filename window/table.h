// The puzzle on the table, as the windows see it: what starts with each new puzzle (the
// record, the head start, the verdict) and what ends it early (Give Up, the player's right
// answer). The windows listen to it and ask it; none of them calls back into another.
#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <string>

#include "player/play_record.h"

class VerdictCheck;
struct TableVerdict;

class Table : public QObject {
    Q_OBJECT
public:
    explicit Table(QObject* parent = nullptr);
    ~Table() override;

    // A new puzzle is on the table (the deck, DeckPos and FaceCards already hold it): the puzzle
    // before leaves the record, the head start and the verdict start afresh.
    void Started();
    // The game closes: the record keeps the puzzle as left, the verdict's worker stops.
    void Closed();

    // The solver's verdict on the puzzle on the table; null until it has answered.
    const TableVerdict* Verdict() const { return verdict_.get(); }
    // A verdict from the solver: kept unless it answers another puzzle than the one on the table.
    void Offer(const TableVerdict& verdict);

    // The computer starts looking now; nothing unless a head start is running. Ends the puzzle
    // as given up.
    void GiveUp();
    // The player's right answer came first: the search ends, and the solution is the player's.
    void PlayerSolved(const std::u16string& solutionText);

    // Puzzles with no answer are let through on purpose at this puzzle's number of cards (as
    // the options stood when it came onto the table): the computer waits for Give Up, and Your
    // Answer offers "No answer".
    bool NoAnswersInPlay() const { return noAnswers_; }
    // The verdict is kept from the player: no answers are in play and the puzzle is not over.
    bool KeepsVerdict() const;
    // The player says the puzzle has no answer (after hints when withHints). right: it has
    // none, which ends it as solved (the search too, when first); record: how the record took it.
    struct NoAnswerClaim {
        bool right = false;
        PlayRecord::Right record;
    };
    NoAnswerClaim ClaimNoAnswer(bool withHints);
    // Another player plays on: the puzzle on the table starts afresh in his record and log.
    void SwitchPlayer(const QString& player);

    // The search's progress line (the head start's countdown among its texts).
    void SetProgress(const QString& text);
    QString Progress() const { return progress_; }
    bool CountingDown() const;

signals:
    void NewPuzzle();                                     // after Started
    void VerdictChanged();                                // Verdict() answered, or went with its puzzle
    void SolvedFirst(const std::u16string& solutionText);  // after PlayerSolved
    void ProgressChanged(const QString& text);
    void PlayerChanged();  // after SwitchPlayer: the tally and the log are another player's

private:
    int KnownLevel() const;  // the verdict's level of the puzzle on the table; -1 until known
    VerdictCheck* check_;
    std::unique_ptr<TableVerdict> verdict_;
    QString progress_;
    bool noAnswers_ = false;
};
