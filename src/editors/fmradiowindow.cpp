#include "editors/fmradiowindow.h"

#include "editors/fmchannelmodel.h"
#include "editors/fmfreqcheck.h"
#include "editors/fmfreqdelegate.h"
#include "editors/fmkeyfilter.h"
#include "gui/document.h"
#include "gui/language.h"
#include "gui/twips.h"
#include "texts/listtables.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>
#include <optional>

namespace {
// Geometry in twips.
constexpr int GridLeft = 60;
constexpr int GridTop = 120;
constexpr int GridHeight = 4500;
constexpr int RowHeight = 300;
constexpr int ChannelColumnWidth = 900;
constexpr int FrequencyColumnWidth = 2200;
constexpr int RowMessageLeft = 3615;
constexpr int RowMessageWidth = 1900;
constexpr int VfoMessageLeft = 5600;
constexpr int VfoMessageTop = 100;
constexpr int MessageHeight = 800;
constexpr int FieldsLeft = 5600;
constexpr int FieldsWidth = 2450;
constexpr int WindowWidth = 8205;
constexpr int WindowHeight = 4800;

void place(QWidget *widget, int left, int top, int width) {
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        widget->sizeHint().height());
}

// Renames a list entry without touching a text the user typed into the list's box.
void renameEntry(QComboBox *list, int entry, const QString &text) {
    const bool typed = list->currentIndex() != entry || list->currentText() != list->itemText(entry);
    const QString typedText = list->currentText();
    list->setItemText(entry, text);
    if (typed && list->currentText() != typedText)
        list->setEditText(typedText);
}

QComboBox *editableList(QWidget *parent, const char *name) {
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    return list;
}

// The list position of a typed or chosen text, -1 when it matches no entry.
int entryOf(const QComboBox *list) {
    return list->findText(list->currentText(), Qt::MatchExactly);
}

// Shows a stored list position; a stored value outside the list leaves the list empty.
void showPosition(QComboBox *list, int stored) {
    list->setCurrentIndex(stored >= 0 && stored < list->count() ? stored : -1);
}

// The position to store: the chosen entry; a list left empty over a stored value outside it keeps that value,
// so a setting the radio holds outside the list survives OK. -1 when the text is to be refused.
int positionToStore(const QComboBox *list, int stored) {
    const int entry = entryOf(list);
    if (entry >= 0)
        return entry;
    const bool storedOutside = stored < 0 || stored >= list->count();
    return storedOutside && list->currentText().isEmpty() ? stored : -1;
}

// The present channel as a whole number 1..25, or 0 when the text is not one.
int channelOf(const QComboBox *list) {
    bool ok = false;
    const int channel = list->currentText().trimmed().toInt(&ok, 10);
    return ok && channel >= 1 && channel <= FmChannelModel::ChannelCount ? channel : 0;
}
} // namespace

FmRadioWindow::FmRadioWindow(Document &document, QWidget *parent)
    : QWidget(parent), m_document(document), m_model(new FmChannelModel(this)),
      m_delegate(new FmFreqDelegate(this)) {
    setObjectName(QStringLiteral("Form5"));
    buildControls();

    connect(m_delegate, &FmFreqDelegate::frequencyTyped, this, &FmRadioWindow::applyChannelText);
    connect(m_grid, &QTableView::pressed, this, [this](const QModelIndex &index) { editRow(index.row()); });
    // The message follows the row being edited.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    placeMessageAtRow(current.row());
            });
    connect(m_ok, &QPushButton::clicked, this, [this] { accept(); });
    connect(m_cancel, &QPushButton::clicked, this, &FmRadioWindow::hideWindow);

    // Loading fills the lists first; the display-mode entry 1 carries the unit until a language switch.
    loadFromDocument();
    retranslate();
    m_displayMode->setItemText(1, lang::pick("频率(MHz)", "Frequency(MHz)"));
    resize(twipsToPixels(WindowWidth), twipsToPixels(WindowHeight));

    connect(&Language::instance(), &Language::changed, this, &FmRadioWindow::retranslate);
    connect(&m_document, &Document::changed, this, [this](Document::Part part) {
        if (part & Document::Fm)
            loadFromDocument();
    });
}

void FmRadioWindow::buildControls() {
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("MSFGrid"));
    m_grid->setModel(m_model);
    m_grid->setItemDelegateForColumn(1, m_delegate);
    m_grid->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setMinimumSectionSize(twipsToPixels(RowHeight));
    m_grid->verticalHeader()->setDefaultSectionSize(twipsToPixels(RowHeight));
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setColumnWidth(0, twipsToPixels(ChannelColumnWidth));
    m_grid->setColumnWidth(1, twipsToPixels(FrequencyColumnWidth));
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int gridWidth = twipsToPixels(ChannelColumnWidth + FrequencyColumnWidth) +
                          m_grid->verticalScrollBar()->sizeHint().width() + 2 * m_grid->frameWidth();
    m_grid->setGeometry(twipsToPixels(GridLeft), twipsToPixels(GridTop), gridWidth,
                        twipsToPixels(GridHeight));

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("Label2"));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setStyleSheet(QStringLiteral("color: #c00000;"));
    m_message->installEventFilter(this);
    m_message->hide();
    placeMessageAtRow(0);

    m_vfoLabel = new QLabel(this);
    m_vfoLabel->setObjectName(QStringLiteral("Label1_3"));
    m_vfo = new QLineEdit(this);
    m_vfo->setObjectName(QStringLiteral("Text2"));
    auto *vfoKeys = new FmKeyFilter(m_vfo);
    m_vfo->installEventFilter(vfoKeys);
    m_vfo->installEventFilter(this);
    connect(vfoKeys, &FmKeyFilter::enterPressed, this, [this] { m_grid->setFocus(); });

    m_channelLabel = new QLabel(this);
    m_channelLabel->setObjectName(QStringLiteral("Label1_0"));
    m_channel = editableList(this, "Combo1_0");
    for (int channel = 1; channel <= FmChannelModel::ChannelCount; ++channel)
        m_channel->addItem(QString::number(channel));

    m_displayModeLabel = new QLabel(this);
    m_displayModeLabel->setObjectName(QStringLiteral("Label1_1"));
    m_displayMode = editableList(this, "Combo1_1");
    m_displayMode->addItems(QStringList(int(std::size(listtables::FmDisplayMode))));

    m_stepLabel = new QLabel(this);
    m_stepLabel->setObjectName(QStringLiteral("Label1_2"));
    m_step = editableList(this, "Combo1_2");
    m_step->addItems(ChoiceList(listtables::FmStep).texts(lang::index()));
    m_stepLabel->hide();
    m_step->hide();

    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setDefault(false);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("Command2"));

    // The space above the fields is where the VFO box shows its out-of-range message.
    place(m_vfoLabel, FieldsLeft, 950, FieldsWidth);
    place(m_vfo, FieldsLeft, 1200, FieldsWidth);
    place(m_channelLabel, FieldsLeft, 1650, FieldsWidth);
    place(m_channel, FieldsLeft, 1900, FieldsWidth);
    place(m_displayModeLabel, FieldsLeft, 2350, FieldsWidth);
    place(m_displayMode, FieldsLeft, 2600, FieldsWidth);
    place(m_stepLabel, FieldsLeft, 3050, FieldsWidth);
    place(m_step, FieldsLeft, 3300, FieldsWidth);
    place(m_ok, FieldsLeft, 3700, 1150);
    place(m_cancel, FieldsLeft + 1300, 3700, 1150);

    setTabOrder(m_grid, m_vfo);
    setTabOrder(m_vfo, m_channel);
    setTabOrder(m_channel, m_displayMode);
    setTabOrder(m_displayMode, m_ok);
    setTabOrder(m_ok, m_cancel);
}

void FmRadioWindow::retranslate() {
    setWindowTitle(lang::pick("FM频道设置", "FM Channel Set"));
    m_model->retranslate();
    m_vfoLabel->setText(lang::pick("收音机全频频率:", "FM VFO:"));
    m_channelLabel->setText(lang::pick("当前收音机工作频道:", "Present Channel:"));
    m_displayModeLabel->setText(lang::pick("显示模式:", "FM Display Mode:"));
    m_stepLabel->setText(QStringLiteral("收音机步进频率:"));
    for (int i = 0; i < m_displayMode->count(); ++i)
        renameEntry(m_displayMode, i, listtables::FmDisplayMode[i].text(lang::index()));
    m_ok->setText(lang::pick("确定", "OK"));
    m_cancel->setText(lang::pick("取消", "Cancel"));
    if (m_message->isVisible())
        showRangeMessage();
}

void FmRadioWindow::loadFromDocument() {
    const FmSettings &fm = m_document.config().fm;
    m_delegate->cancelOpenEdit(); // what was being typed belongs to the replaced values
    FmChannelModel::Frequencies frequencies;
    std::copy(fm.channels.begin(), fm.channels.end(), frequencies.begin());
    m_model->setFrequencies(frequencies);
    m_vfo->setText(fm.vfo);
    if (fm.channel >= 1 && fm.channel <= FmChannelModel::ChannelCount)
        m_channel->setCurrentIndex(fm.channel - 1);
    m_channel->setEditText(QString::number(fm.channel));
    showPosition(m_displayMode, fm.displayMode);
    showPosition(m_step, fm.step);
}

void FmRadioWindow::editRow(int row) {
    // Whichever cell of the row was clicked, the frequency is what gets edited.
    const QModelIndex cell = m_model->index(row, 1);
    m_grid->setCurrentIndex(cell);
    m_grid->edit(cell);
}

void FmRadioWindow::applyChannelText(int row, const QString &typed) {
    const FmFreqCheck check = checkFmChannelFreq(typed);
    switch (check.outcome) {
    case FmFreqCheck::Empty:
    case FmFreqCheck::Accepted:
        m_model->setFrequency(row, check.text);
        break;
    case FmFreqCheck::NotNumber:
        break;
    case FmFreqCheck::OutOfRange:
        placeMessageAtRow(row);
        showRangeMessage();
        break;
    }
}

void FmRadioWindow::leaveVfoBox() {
    const FmFreqCheck check = checkFmVfoFreq(m_vfo->text());
    if (check.outcome == FmFreqCheck::Accepted) {
        m_vfo->setText(check.text);
    } else if (check.outcome == FmFreqCheck::OutOfRange) {
        placeMessageAtVfo();
        showRangeMessage();
        m_vfo->clear();
    }
}

void FmRadioWindow::showRangeMessage() {
    m_message->setText(lang::pick("超出频率范围(87-107.9)，请重输。",
                                  "Beyond the scope of frequency(87-107.9), please input again."));
    m_message->show();
    m_message->raise();
}

void FmRadioWindow::hideRangeMessage() {
    m_message->hide();
    if (QLineEdit *editor = m_delegate->openEditor())
        editor->clear();
}

void FmRadioWindow::placeMessageAtRow(int row) {
    const QRect cell = m_grid->visualRect(m_model->index(row, 1));
    const int height = twipsToPixels(MessageHeight);
    const int highest = m_grid->geometry().top();
    const int lowest = std::max(highest, m_grid->geometry().bottom() - height);
    const int top = std::clamp(m_grid->viewport()->mapTo(this, cell.topLeft()).y(), highest, lowest);
    m_message->setGeometry(twipsToPixels(RowMessageLeft), top, twipsToPixels(RowMessageWidth), height);
}

void FmRadioWindow::placeMessageAtVfo() {
    m_message->setGeometry(twipsToPixels(VfoMessageLeft), twipsToPixels(VfoMessageTop),
                           twipsToPixels(FieldsWidth), twipsToPixels(MessageHeight));
}

void FmRadioWindow::refuse(QComboBox *list) {
    m_refused = list;
    focusRefusedField();
}

void FmRadioWindow::focusRefusedField() {
    if (!m_refused)
        return;
    m_refused->setFocus();
    if (m_refused->lineEdit())
        m_refused->lineEdit()->selectAll();
}

std::optional<FmSettings> FmRadioWindow::draft() const {
    // What OK would store, worked out without touching the window; none when OK would refuse a field.
    FmSettings fm = m_document.config().fm;
    FmChannelModel::Frequencies frequencies = m_model->frequencies();
    if (const QLineEdit *editor = m_delegate->openEditor()) {
        const int row = m_grid->currentIndex().row();
        const FmFreqCheck check = checkFmChannelFreq(editor->text());
        const bool taken = check.outcome == FmFreqCheck::Empty || check.outcome == FmFreqCheck::Accepted;
        if (taken && row >= 0 && row < FmChannelModel::ChannelCount)
            frequencies[std::size_t(row)] = check.text;
    }
    std::copy(frequencies.begin(), frequencies.end(), fm.channels.begin());
    const FmFreqCheck vfo = checkFmVfoFreq(m_vfo->text());
    fm.vfo = vfo.outcome == FmFreqCheck::Accepted     ? vfo.text
             : vfo.outcome == FmFreqCheck::OutOfRange ? QString()
                                                      : m_vfo->text();
    // A stored channel the window shows unchanged is no edit, even one outside 1..25 that OK would refuse.
    bool refused = false;
    if (m_channel->currentText() != QString::number(fm.channel)) {
        fm.channel = channelOf(m_channel);
        refused = fm.channel == 0;
    }
    fm.displayMode = positionToStore(m_displayMode, fm.displayMode);
    fm.step = positionToStore(m_step, fm.step);
    if (refused || fm.displayMode < 0 || fm.step < 0)
        return std::nullopt;
    return fm;
}

bool FmRadioWindow::hasPendingEdits() const {
    const std::optional<FmSettings> fm = draft();
    return !fm || !(*fm == m_document.config().fm);
}

bool FmRadioWindow::applyPendingEdits() {
    return accept();
}

void FmRadioWindow::discardPendingEdits() {
    loadFromDocument();
}

bool FmRadioWindow::accept() {
    m_refused = nullptr;
    m_delegate->finishOpenEdit();
    leaveVfoBox();
    const int channel = channelOf(m_channel);
    if (channel == 0) {
        refuse(m_channel);
        return false;
    }
    FmSettings fm = m_document.config().fm;
    const int displayMode = positionToStore(m_displayMode, fm.displayMode);
    if (displayMode < 0) {
        refuse(m_displayMode);
        return false;
    }
    const int step = positionToStore(m_step, fm.step);
    if (step < 0) {
        refuse(m_step);
        return false;
    }
    const FmChannelModel::Frequencies &frequencies = m_model->frequencies();
    std::copy(frequencies.begin(), frequencies.end(), fm.channels.begin());
    fm.vfo = m_vfo->text();
    fm.channel = channel;
    fm.displayMode = displayMode;
    fm.step = step;
    m_document.setFm(fm);
    hideWindow();
    return true;
}

void FmRadioWindow::hideWindow() {
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->hide();
    else
        hide();
}

bool FmRadioWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_vfo && event->type() == QEvent::FocusOut)
        leaveVfoBox();
    else if (watched == m_message && event->type() == QEvent::MouseButtonPress)
        hideRangeMessage();
    return QWidget::eventFilter(watched, event);
}
