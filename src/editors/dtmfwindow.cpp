#include "editors/dtmfwindow.h"

#include "editors/dtmfkeyfilter.h"
#include "gui/document.h"
#include "gui/language.h"
#include "gui/twips.h"
#include "texts/listtables.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
constexpr int AutodialLength = 16;
constexpr int AniLength = 16;
constexpr int OwnCodeLength = 8;
constexpr int StartDelay = 6; // 1200 ms

QString indexed(const char *name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// Names a list's entries in the current language.
template <std::size_t N> void setEntries(QComboBox *list, const ListEntry (&entries)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        list->setItemText(int(i), entries[i].text(lang::index()));
}

void setTextKeepingCursor(QLineEdit *box, const QString &text) {
    if (box->text() != text)
        box->setText(text);
}
} // namespace

DtmfWindow::DtmfWindow(Document &document, QWidget *parent)
    : QWidget(parent), m_document(document), m_keyFilter(new DtmfKeyFilter(this)),
      m_autodialOption(new QRadioButton(this)), m_featuresOption(new QRadioButton(this)),
      m_autodialPage(new QFrame(this)), m_featuresPage(new QFrame(this)) {
    setObjectName(QStringLiteral("Form2"));
    m_autodialOption->setObjectName(QStringLiteral("Option1"));
    m_featuresOption->setObjectName(QStringLiteral("Option2"));
    m_autodialPage->setObjectName(QStringLiteral("Frame1"));
    m_featuresPage->setObjectName(QStringLiteral("Frame2"));

    auto *strip = new QFrame(this);
    strip->setFrameShape(QFrame::StyledPanel);
    auto *stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(6, 2, 6, 2);
    stripLayout->addWidget(m_autodialOption);
    stripLayout->addWidget(m_featuresOption);
    stripLayout->addStretch(1);

    buildAutodialPage();
    buildFeaturesPage();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(strip);
    layout->addWidget(m_autodialPage, 1);
    layout->addWidget(m_featuresPage, 1);

    m_featuresOption->setChecked(true);
    m_autodialPage->hide();
    connect(m_autodialOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showPage(true);
    });
    connect(m_featuresOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showPage(false);
    });

    retranslate();
    resize(twipsToPixels(5750), twipsToPixels(3600));
    loadFromDocument();
    startForm();

    connect(&Language::instance(), &Language::changed, this, &DtmfWindow::retranslate);
    connect(&m_document, &Document::changed, this, [this](Document::Part part) {
        if (part & Document::Dtmf)
            loadFromDocument();
    });
}

QLineEdit *DtmfWindow::addCodeBox(const QString &name, int maxLength) {
    auto *box = new QLineEdit(this);
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    box->installEventFilter(m_keyFilter);
    // Pasted text is held to the same characters as typed text.
    static const QRegularExpression dtmf(QStringLiteral("[0-9A-D*#]*"));
    box->setValidator(new QRegularExpressionValidator(dtmf, box));
    const int key = Document::mergeKey(Document::DtmfControlGroup, m_controlCount++);
    connect(box, &QLineEdit::textChanged, this, [this, key] { storeIntoDocument(key); });
    return box;
}

QComboBox *DtmfWindow::addList(const QString &name, int count) {
    auto *list = new QComboBox(this);
    list->setObjectName(name);
    for (int i = 0; i < count; ++i)
        list->addItem(QString());
    const int key = Document::mergeKey(Document::DtmfControlGroup, m_controlCount++);
    connect(list, &QComboBox::currentIndexChanged, this, [this, key] { storeIntoDocument(key); });
    return list;
}

void DtmfWindow::buildAutodialPage() {
    auto *grid = new QGridLayout(m_autodialPage);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 8; ++i) {
        auto *label = new QLabel(m_autodialPage);
        label->setObjectName(indexed("Label1", i));
        QLineEdit *box = addCodeBox(indexed("Text1", i), AutodialLength);
        label->setBuddy(box);
        m_autodialLabels[std::size_t(i)] = label;
        m_autodial[std::size_t(i)] = box;
        grid->addWidget(label, i, 0);
        grid->addWidget(box, i, 1);
    }
    grid->setColumnStretch(1, 1);
}

void DtmfWindow::buildFeaturesPage() {
    auto *grid = new QGridLayout(m_featuresPage);
    grid->setContentsMargins(4, 6, 4, 2);
    int row = 0;
    auto addRow = [&](QLabel *&label, const char *labelName, QWidget *field) {
        label = new QLabel(m_featuresPage);
        label->setObjectName(QLatin1String(labelName));
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };
    m_rate = addList(QStringLiteral("Combo16"), int(std::size(listtables::DtmfRate)));
    addRow(m_rateLabel, "Label16", m_rate);
    m_firstDelay = addList(QStringLiteral("Combo17"), int(std::size(listtables::DtmfFirstDelay)));
    addRow(m_delayLabel, "Label17", m_firstDelay);
    m_aniStart = addCodeBox(QStringLiteral("Text2"), AniLength);
    addRow(m_aniStartLabel, "Label2", m_aniStart);
    m_aniEnd = addCodeBox(QStringLiteral("Text4"), AniLength);
    addRow(m_aniEndLabel, "Label4", m_aniEnd);
    m_aniSending = addList(QStringLiteral("Combo1"), int(std::size(listtables::DtmfAniSending)));
    addRow(m_aniSendingLabel, "Label32", m_aniSending);
    m_groupCall = addList(QStringLiteral("Combo18"), int(std::size(listtables::DtmfGroupCall)));
    addRow(m_groupCallLabel, "Label18", m_groupCall);
    m_ownCode = addCodeBox(QStringLiteral("Text3"), OwnCodeLength);
    addRow(m_ownCodeLabel, "Label3", m_ownCode);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);

    // The group-call and own-code rows are part of the page but never shown.
    for (QWidget *hidden : {static_cast<QWidget *>(m_groupCallLabel), static_cast<QWidget *>(m_groupCall),
                            static_cast<QWidget *>(m_ownCodeLabel), static_cast<QWidget *>(m_ownCode)})
        hidden->hide();
}

void DtmfWindow::showPage(bool autodial) {
    // Hide first: for a moment both pages shown would make the window grow to hold both.
    QFrame *shown = autodial ? m_autodialPage : m_featuresPage;
    QFrame *hidden = autodial ? m_featuresPage : m_autodialPage;
    hidden->hide();
    shown->show();
    if (autodial)
        m_autodial[0]->setFocus();
    else
        m_rate->setFocus();
}

void DtmfWindow::retranslate() {
    setWindowTitle(QStringLiteral("DTMF(双音多频)"));
    m_autodialOption->setText(lang::pick("自动拔号存储器", "Auto-dialing Memory"));
    m_featuresOption->setText(lang::pick("其它功能", "Other Features"));

    static const char *const chineseOrdinals[8] = {"一", "二", "三", "四", "五", "六", "七", "八"};
    static const char *const englishOrdinals[8] = {"First", "Second", "Third",   "Fourth",
                                                   "Fifth", "Sixth",  "Seventh", "Eight"};
    for (std::size_t i = 0; i < 8; ++i)
        m_autodialLabels[i]->setText(
            lang::english()
                ? QStringLiteral("%1 Autodial Memory").arg(QLatin1String(englishOrdinals[i]))
                : QStringLiteral("第%1组自动拔号存储器").arg(QString::fromUtf8(chineseOrdinals[i])));

    m_aniStartLabel->setText(lang::pick("ANI开始码：", "ANI Start Code："));
    m_aniEndLabel->setText(lang::pick("ANI结束码：", "ANI End Code："));
    m_ownCodeLabel->setText(lang::pick("自身码：", "Own Code："));
    m_aniSendingLabel->setText(QStringLiteral("ANI："));
    setEntries(m_aniSending, listtables::DtmfAniSending);
    m_rateLabel->setText(lang::pick("DTMF速率：", "DTMF Rate："));
    setEntries(m_rate, listtables::DtmfRate);
    m_delayLabel->setText(lang::pick("首位数码延迟：", "First Digital Delay："));
    setEntries(m_firstDelay, listtables::DtmfFirstDelay);
    m_groupCallLabel->setText(lang::pick("群呼码：", "Group Call Code："));
    setEntries(m_groupCall, listtables::DtmfGroupCall);
}

DtmfSettings DtmfWindow::startValues(const DtmfSettings &current) {
    DtmfSettings dtmf = current;
    dtmf.aniSending = 0;
    dtmf.rate = 0;
    dtmf.firstDelay = StartDelay;
    dtmf.groupCall = 0;
    dtmf.autodial.fill(QString());
    dtmf.aniStart.clear();
    dtmf.ownCode.clear();
    // dtmf.aniEnd is kept
    return dtmf;
}

void DtmfWindow::startForm() {
    m_document.setDtmf(startValues(m_document.config().dtmf));
    loadFromDocument();
}

void DtmfWindow::loadFromDocument() {
    m_loading = true;
    const DtmfSettings &dtmf = m_document.config().dtmf;
    for (std::size_t i = 0; i < m_autodial.size(); ++i)
        setTextKeepingCursor(m_autodial[i], dtmf.autodial[i]);
    setTextKeepingCursor(m_aniStart, dtmf.aniStart);
    setTextKeepingCursor(m_aniEnd, dtmf.aniEnd);
    setTextKeepingCursor(m_ownCode, dtmf.ownCode);
    m_aniSending->setCurrentIndex(dtmf.aniSending);
    m_rate->setCurrentIndex(dtmf.rate);
    m_firstDelay->setCurrentIndex(dtmf.firstDelay);
    m_groupCall->setCurrentIndex(dtmf.groupCall);
    m_loading = false;
}

void DtmfWindow::storeIntoDocument(int mergeKey) {
    if (m_loading)
        return;
    DtmfSettings dtmf;
    for (std::size_t i = 0; i < m_autodial.size(); ++i)
        dtmf.autodial[i] = m_autodial[i]->text();
    dtmf.aniStart = m_aniStart->text();
    dtmf.aniEnd = m_aniEnd->text();
    dtmf.ownCode = m_ownCode->text();
    dtmf.aniSending = m_aniSending->currentIndex();
    dtmf.rate = m_rate->currentIndex();
    dtmf.firstDelay = m_firstDelay->currentIndex();
    dtmf.groupCall = m_groupCall->currentIndex();
    if (!(dtmf == m_document.config().dtmf))
        m_document.setDtmf(dtmf, ChangeText("DTMF", "DTMF"), mergeKey);
}
