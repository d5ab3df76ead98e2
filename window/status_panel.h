// A status-bar text panel that can take a new text every millisecond without slowing the loop.
#pragma once

#include <QElapsedTimer>
#include <QFrame>

// The text changes at once; the screen is repainted at most about 60 times a second, and a
// new text never asks the status bar to lay itself out again (a QLabel would do both).
// A screen reader asks for its name when it wants it: the spoken prefix and the text of that
// moment ("Attempts: 1523"), so naming it costs the loop nothing.
class StatusPanel : public QFrame {
    Q_OBJECT
public:
    explicit StatusPanel(const QString& text, QWidget* parent = nullptr);
    void setText(const QString& text);
    QString text() const { return text_; }
    void setSpokenPrefix(const QString& prefix) { prefix_ = prefix; }
    // An accessible name set on the panel wins; else the prefix and the text.
    QString SpokenName() const { return accessibleName().isEmpty() ? prefix_ + text_ : accessibleName(); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString text_;
    QString prefix_;
    QElapsedTimer sincePaint_;
    bool pending_ = false;
};
