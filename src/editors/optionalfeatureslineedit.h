#pragma once
// A text box of the optional-features window: it drops the typed characters its key filter refuses, may
// run its leave-field check on Enter, and reports when the user leaves it. Pasted text is not filtered.

#include <QLineEdit>

class OptionalFeaturesLineEdit : public QLineEdit {
    Q_OBJECT
public:
    // The filter returns the character to insert for a typed one, or a null QChar to drop the key.
    using KeyFilter = QChar (*)(QChar);

    OptionalFeaturesLineEdit(KeyFilter filter, bool enterLeaves, QWidget *parent = nullptr);

    // Runs the leave-field check now (for a Save or Write started while the user is still in the box).
    void runLeaveCheck() { emit left(); }

signals:
    void left();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    KeyFilter m_filter;
    bool m_enterLeaves;
};
