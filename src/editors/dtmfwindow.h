#pragma once
// The DTMF signalling window. Its values go into the document's DTMF settings, which are never put into an
// image or a file.

#include "image/radioconfig.h"

#include <QWidget>

#include <array>

class Document;
class DtmfKeyFilter;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;

class DtmfWindow : public QWidget {
    Q_OBJECT
public:
    explicit DtmfWindow(Document &document, QWidget *parent = nullptr);
    // Back to the start values (New); the ANI end code is kept.
    void startForm();
    static DtmfSettings startValues(const DtmfSettings &current);

private:
    QLineEdit *addCodeBox(const QString &name, int maxLength);
    QComboBox *addList(const QString &name, int count);
    void buildAutodialPage();
    void buildFeaturesPage();
    void showPage(bool autodial);
    void retranslate();
    void loadFromDocument();
    void storeIntoDocument(int mergeKey);

    Document &m_document;
    DtmfKeyFilter *m_keyFilter;
    bool m_loading = false;
    int m_controlCount = 0;

    QRadioButton *m_autodialOption;
    QRadioButton *m_featuresOption;
    QFrame *m_autodialPage;
    QFrame *m_featuresPage;
    std::array<QLabel *, 8> m_autodialLabels{};
    std::array<QLineEdit *, 8> m_autodial{};

    QLabel *m_rateLabel = nullptr;
    QComboBox *m_rate = nullptr;
    QLabel *m_delayLabel = nullptr;
    QComboBox *m_firstDelay = nullptr;
    QLabel *m_aniStartLabel = nullptr;
    QLineEdit *m_aniStart = nullptr;
    QLabel *m_aniEndLabel = nullptr;
    QLineEdit *m_aniEnd = nullptr;
    QLabel *m_aniSendingLabel = nullptr;
    QComboBox *m_aniSending = nullptr;
    QLabel *m_groupCallLabel = nullptr;
    QComboBox *m_groupCall = nullptr;
    QLabel *m_ownCodeLabel = nullptr;
    QLineEdit *m_ownCode = nullptr;
};
