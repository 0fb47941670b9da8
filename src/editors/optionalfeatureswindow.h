#pragma once
// The optional-features window: general settings, VOX, both VFO sides, and the hidden service gestures.
// Every control edits the Document at once; the window shows what the Document holds.

#include "editors/optionalfeaturesgesture.h"
#include "texts/optionalfeaturesrows.h"

#include <QWidget>

#include <array>
#include <vector>

class Document;
class QGridLayout;
class QGroupBox;
class QLabel;
class QRadioButton;

class OptionalFeaturesWindow : public QWidget {
    Q_OBJECT
public:
    explicit OptionalFeaturesWindow(Document &document, QWidget *parent = nullptr);

    // Runs the leave-field check of the text box being edited, for a Save or Write that does not move the
    // keyboard focus (a toolbar button).
    void commitOpenEdit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Bound {
        OptionRow row;
        QLabel *label = nullptr;
        QWidget *control = nullptr;
    };

    QGroupBox *frame(const char *name, const ListEntry &caption);
    void addRows(QGridLayout *grid, std::vector<OptionRow> rows, int column, bool hidden = false);
    QWidget *createControl(int index);
    void buildUi();
    void refresh();
    void refreshControl(const Bound &bound);
    void retranslate();
    void showPage(bool vfo);
    void leaveField(int index);
    void onLabelClicked(QLabel *label);
    void onModesChanged();

    int mergeKeyOf(const OptionRow &row) const;
    void storeChoice(const OptionRow &row, int position);
    void storeText(const OptionRow &row, const QString &text);

    Document &m_document;
    std::vector<Bound> m_bound;
    std::vector<std::pair<QWidget *, ListEntry>> m_captions; // frames and option buttons
    QGroupBox *m_functionFrame = nullptr;
    std::array<QGroupBox *, 2> m_vfoFrames{};
    QRadioButton *m_functionPageButton = nullptr;
    QRadioButton *m_vfoPageButton = nullptr;
    std::array<QLabel *, 3> m_forceWriteLabels{};
    std::array<QLabel *, 3> m_calibrationLabels{};
    OptionalFeaturesGesture m_forceWriteGesture;
    OptionalFeaturesGesture m_calibrationGesture;
    bool m_forceWriteOn = false;
    bool m_calibrationOn = false;
};
