#pragma once
// The FM radio window: 25 channels, the FM VFO and the receiver settings. The window edits a draft (its own
// widgets) that OK commits into the document's FM store; Cancel only hides it. When the store is replaced
// (an image read or opened) the draft is loaded again from it.

#include "image/radioconfig.h"

#include <QWidget>

#include <optional>

class Document;
class FmChannelModel;
class FmFreqDelegate;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

class FmRadioWindow : public QWidget {
    Q_OBJECT
public:
    explicit FmRadioWindow(Document &document, QWidget *parent = nullptr);

    // True while the window shows values that OK has not stored yet (typed after the last OK, or kept by
    // Cancel), an open cell edit included.
    bool hasPendingEdits() const;
    // OK with its checks; false when OK refused a field (the window then stays as it is).
    bool applyPendingEdits();
    // The window shows the stored values again.
    void discardPendingEdits();
    // Gives the focus to the field that the last OK refused.
    void focusRefusedField();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void retranslate();
    void loadFromDocument();
    void editRow(int row);
    void applyChannelText(int row, const QString &typed);
    void leaveVfoBox();
    void showRangeMessage();
    void hideRangeMessage();
    void placeMessageAtRow(int row);
    void placeMessageAtVfo();
    bool accept();
    std::optional<FmSettings> draft() const;
    void refuse(QComboBox *list);
    void hideWindow();

    Document &m_document;
    FmChannelModel *m_model;
    FmFreqDelegate *m_delegate;
    QTableView *m_grid;
    QLabel *m_message;
    QLabel *m_vfoLabel;
    QLineEdit *m_vfo;
    QLabel *m_channelLabel;
    QComboBox *m_channel;
    QLabel *m_displayModeLabel;
    QComboBox *m_displayMode;
    QLabel *m_stepLabel;
    QComboBox *m_step;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QComboBox *m_refused = nullptr;
};
