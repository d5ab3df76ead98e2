// A status-bar text panel that can take a new text every millisecond without slowing the loop.
#pragma once

#include <QElapsedTimer>
#include <QFrame>

// The text changes at once; the screen is repainted at most about 60 times a second, and a
// new text never asks the status bar to lay itself out again (a QLabel would do both).
class StatusPanel : public QFrame {
    Q_OBJECT
public:
    explicit StatusPanel(const QString& text, QWidget* parent = nullptr);
    void setText(const QString& text);
    QString text() const { return text_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString text_;
    QElapsedTimer sincePaint_;
    bool pending_ = false;
};
